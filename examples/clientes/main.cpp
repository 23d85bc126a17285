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

#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    const int selftest = arguments.indexOf(QStringLiteral("--selftest"));
    if (selftest >= 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    ZCApplication::OnInitMain();
    ZApplication application(argc, argv);
    // A program for Spain: numbers, money and dates in Spanish formats, the report engine's
    // messages in Spanish too (the library's own texts are Spanish already).
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QTranslator engineTexts;
    if (engineTexts.load(QStringLiteral(":/Resources/ncreport_es.qm")))
        application.installTranslator(&engineTexts);
    ZCApplication mirokit(QStringLiteral("Clientes"));
    mirokit.SetRobotoFont();

    ClientesModel clientes(GenerarClientes(2000, 2026));
    ClientesWindow window(&clientes);
    if (selftest >= 0)
        return SelfTest(window, arguments.value(selftest + 1, QStringLiteral("."))).Run();

    window.resize(1100, 700);
    // Tool bars and docks exist by now, so their saved layout can be restored.
    window.LoadSettings(0x7);
    window.show();
    const int status = application.exec();
    window.SaveSettings(0x7);
    return status;
}
