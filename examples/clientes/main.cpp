// Clientes: a small customer program on Mirokit, written as a host is, against the installed
// package.
//
//   clientes                    the program
//   clientes --selftest FOLDER  drives itself (search, edit, pages, report to FOLDER/clientes.pdf),
//                               checks what it sees and exits with 0 when all is well
#include "clientesmodel.h"
#include "clienteswindow.h"
#include "generadorclientes.h"
#include "selftest.h"

#include <Mirokit/ZApplication.h>
#include <Mirokit/ZCApplication.h>
#include <Mirokit/ZCSettingsMainWindow.h>

#include <QLocale>
#include <QTranslator>

namespace {

// The program's application object: the widget style the user chose last time comes back, and
// is kept again when the program ends.
class ClientesApplication : public ZCApplication
{
public:
    ClientesApplication() : ZCApplication(QStringLiteral("Clientes")) { LoadSettings(); }
    ~ClientesApplication() override { SaveSettings(); }
};

} // namespace

int main(int argc, char** argv)
{
    ZCApplication::OnInitMain();
    // "clientes:--selftest%20/tmp/demo", as a link starts the program, becomes two arguments.
    QList<QByteArray> uriArguments;
    QSharedPointer<char*> uriArgv;
    ZCApplication::GetArgsFromUri(argc, argv, QStringLiteral("clientes:"), uriArguments, uriArgv);

    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    const int selftest = arguments.indexOf(QStringLiteral("--selftest"));
    if (selftest >= 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    ZApplication application(argc, argv);
    // A program for Spain: numbers, money and dates in Spanish formats, the report engine's
    // messages in Spanish too (the library's own texts are Spanish already).
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QTranslator engineTexts;
    if (engineTexts.load(QStringLiteral(":/Resources/ncreport_es.qm")))
        application.installTranslator(&engineTexts);
    ClientesApplication mirokit;
    mirokit.SetRobotoFont();

    ClientesModel clientes(GenerarClientes(2000, 2026));
    ClientesWindow window(&clientes);
    if (selftest >= 0)
        return SelfTest(window, arguments.value(selftest + 1, QStringLiteral("."))).Run();

    window.resize(1100, 700);
    // Tool bars and docks exist by now, so their saved layout can be restored.
    window.LoadSettings(ZCSettingsMainWindow::AllSections);
    window.show();
    const int status = application.exec();
    window.SaveSettings(ZCSettingsMainWindow::AllSections);
    return status;
}
