// The Mirokit gallery: starts the way a host does and shows one page per subsystem in a
// ZCMainWindow whose layout and docks are kept between runs.
//
//   mirokit-gallery                      interactive
//   mirokit-gallery --screenshots DIR    writes one PNG per page (and the rich text editor at
//                                        500 and 1200 px, the report designer at 100 % and
//                                        fitted to the page) and exits
//   mirokit-gallery --language en|zh_cn  the library and the report designer in another language
#include "galleryapplication.h"
#include "gallerywindow.h"
#include "pages/reportpage.h"

#include <Mirokit/ZApplication.h>
#include <Mirokit/ZTextEdit.h>

#include <QDir>
#include <QRegularExpression>
#include <QTextStream>
#include <QTranslator>

namespace {

QString optionValue(int argc, char** argv, const char* option)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], option) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return QString();
}

// The library's own texts are Spanish and the report engine's English: a host installs the
// catalogues of the language it runs in, as this one does for Spanish by default.
void installTranslations(QCoreApplication& application, const QString& language)
{
    QStringList catalogues{QStringLiteral("ncreport_es")};
    if (language == QLatin1String("en"))
        catalogues = QStringList{QStringLiteral("Mirokit_en")};
    else if (language == QLatin1String("zh_cn"))
        catalogues = QStringList{QStringLiteral("Mirokit_zh_cn"), QStringLiteral("ncreport_zh_CN")};
    else if (!language.isEmpty() && language != QLatin1String("es"))
        QTextStream(stderr) << "unknown language " << language << ", showing Spanish" << Qt::endl;
    for (const QString& catalogue : qAsConst(catalogues)) {
        auto* translator = new QTranslator(&application);
        if (translator->load(QStringLiteral(":/Resources/%1.qm").arg(catalogue)))
            application.installTranslator(translator);
        else
            QTextStream(stderr) << "cannot load the catalogue " << catalogue << Qt::endl;
    }
}

// "Códigos de barras" becomes "03-codigos-de-barras.png".
QString fileNameFor(int index, const QString& title)
{
    QString slug;
    for (const QChar c : title.normalized(QString::NormalizationForm_D).toLower()) {
        if (!c.isMark())
            slug.append(c);
    }
    slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(index + 1, 2, 10, QLatin1Char('0')).arg(slug);
}

bool saveScreenshot(QWidget& widget, const QString& path)
{
    QCoreApplication::processEvents();
    if (!widget.grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << Qt::endl;
        return false;
    }
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

// The editor's tool bars wrap onto further rows when it is narrow: one shot narrow, one wide.
bool writeTextEditScreenshots(const QString& directory)
{
    for (const int width : {500, 1200}) {
        ZTextEdit editor;
        editor.SetText(QStringLiteral("<h3>Pedido 2041</h3><p>Entrega <b>urgente</b> en <i>almacén central</i>.</p>"));
        editor.resize(width, 320);
        editor.show();
        if (!saveScreenshot(editor, QDir(directory).filePath(QStringLiteral("ztextedit-%1.png").arg(width))))
            return false;
    }
    return true;
}

int writeScreenshots(GalleryWindow& window, const QString& directory)
{
    QDir().mkpath(directory);
    window.resize(1100, 720);
    window.show();
    for (int i = 0; i < window.pageCount(); ++i) {
        window.showPage(i);
        if (!saveScreenshot(window, QDir(directory).filePath(fileNameFor(i, window.pageTitle(i)))))
            return 1;
    }
    const auto saveDesigner = [&](QWidget& designer, const QString& name) {
        return saveScreenshot(designer, QDir(directory).filePath(name));
    };
    return writeTextEditScreenshots(directory) && writeReportDesignerScreenshots(saveDesigner) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const QString screenshots = optionValue(argc, argv, "--screenshots");
    if (!screenshots.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    ZCApplication::OnInitMain();
    ZApplication application(argc, argv);
    installTranslations(application, optionValue(argc, argv, "--language").toLower());
    GalleryApplication mirokit;
    mirokit.SetRobotoFont();

    GalleryWindow window;
    if (!screenshots.isEmpty())
        return writeScreenshots(window, screenshots);
    window.resize(1100, 720);
    // Tool bars and docks exist by now, so their saved layout can be restored.
    window.LoadSettings(0x7);
    window.show();
    const int status = application.exec();
    window.SaveSettings(0x7);
    return status;
}
