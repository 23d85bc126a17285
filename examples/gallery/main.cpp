// The Mirokit gallery: starts the way a host does and shows one page per subsystem in a
// ZCMainWindow whose layout and docks are kept between runs.
//
//   mirokit-gallery                      interactive
//   mirokit-gallery --screenshots DIR    writes one PNG per page and exits
#include "galleryapplication.h"
#include "gallerywindow.h"

#include <Mirokit/ZApplication.h>

#include <QDir>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QString screenshotDirectory(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--screenshots") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return QString();
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

int writeScreenshots(GalleryWindow& window, const QString& directory)
{
    QDir().mkpath(directory);
    window.resize(1100, 720);
    window.show();
    for (int i = 0; i < window.pageCount(); ++i) {
        window.showPage(i);
        QCoreApplication::processEvents();
        const QString path = QDir(directory).filePath(fileNameFor(i, window.pageTitle(i)));
        if (!window.grab().save(path)) {
            QTextStream(stderr) << "cannot write " << path << Qt::endl;
            return 1;
        }
        QTextStream(stdout) << path << Qt::endl;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QString screenshots = screenshotDirectory(argc, argv);
    if (!screenshots.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    ZCApplication::OnInitMain();
    ZApplication application(argc, argv);
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
