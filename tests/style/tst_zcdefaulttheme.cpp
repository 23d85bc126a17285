// A process of its own: the host chooses no theme, so the library's controls draw the default
// theme compiled into the library, until a host theme replaces it.
#include "mirokittest.h"
#include "themefixture.h"

#include <Mirokit/ZCBuscadorView.h>
#include <Mirokit/ZCEditBrowserEstilos.h>
#include <Mirokit/ZCEditBrowserFont.h>
#include <Mirokit/ZCEditBrowserMenu.h>
#include <Mirokit/ZCEditBrowserStringList.h>
#include <Mirokit/ZCEditBrowserTexto.h>
#include <Mirokit/ZCListBoxString.h>
#include <Mirokit/ZCPaginadorToolbar.h>
#include <Mirokit/ZCSVGIconEngine.h>
#include <Mirokit/ZDateEditBrowser.h>
#include <Mirokit/ZDateTimeEditBrowser.h>
#include <Mirokit/ZFilePathEditBrowser.h>
#include <Mirokit/ZLineEditBrowser.h>
#include <Mirokit/ZNumberSpinBoxBrowser.h>
#include <Mirokit/ZTimeEditBrowser.h>

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>

#include <functional>
#include <memory>

namespace {

struct Control {
    const char* what;
    std::function<QWidget*()> make;
};

// Every control the library builds with a button whose icon it takes from the theme.
const std::vector<Control>& controls()
{
    static const std::vector<Control> all{
        {"the search view's magnifier", [] { return new ZCBuscadorView; }},
        {"every move of the paginator", [] { return new ZCPaginadorToolbar(10); }},
        {"the commands of an unsorted list box", [] { return new ZCListBoxString(nullptr, false); }},
        {"the commands of a sorted list box", [] { return new ZCListBoxString(nullptr, true); }},
        {"the file path browser", [] { return new ZFilePathEditBrowser; }},
        {"the menu browser", [] { return new ZCEditBrowserMenu; }},
        {"the flags browser", [] { return new ZCEditBrowserEstilos; }},
        {"the text browser", [] { return new ZCEditBrowserTexto; }},
        {"the string list browser", [] { return new ZCEditBrowserStringList; }},
        {"the font browser", [] { return new ZCEditBrowserFont; }},
        {"the date browser", [] { return new ZDateEditBrowser; }},
        {"the date and time browser", [] { return new ZDateTimeEditBrowser; }},
        {"the time browser", [] { return new ZTimeEditBrowser; }},
        {"the number browser", [] { return new ZNumberSpinBoxBrowser; }},
        {"a line browser, before a subclass gives its button an icon", [] { return new ZLineEditBrowser; }},
        {"a browser's menu button for a menu without an icon", [] {
             auto* browser = new ZLineEditBrowser;
             browser->SetMenu(new QMenu(QStringLiteral("Acciones"), browser));
             return browser;
         }},
    };
    return all;
}

bool drawsSomething(const QIcon& icon)
{
    const QImage image = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// The buttons a user sees on the control (tool bars lay out theirs when shown).
QList<QAbstractButton*> shownButtons(QWidget* control)
{
    control->show();
    QList<QAbstractButton*> shown;
    const QList<QAbstractButton*> buttons = control->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->isVisible())
            shown.append(button);
    }
    return shown;
}

} // namespace

class TestZCDefaultTheme : public QObject
{
    Q_OBJECT

private slots:
    void noButtonIsBlankWithoutAHostTheme_data();
    void noButtonIsBlankWithoutAHostTheme();
    void theDrawingsAreOneColourShapes_data();
    void theDrawingsAreOneColourShapes();
    // Last: it sets a host theme for the rest of the process.
    void aHostThemeReplacesTheDefaultDrawings();
};

void TestZCDefaultTheme::noButtonIsBlankWithoutAHostTheme_data()
{
    QTest::addColumn<int>("control");
    for (int i = 0; i < int(controls().size()); ++i)
        QTest::newRow(controls().at(size_t(i)).what) << i;
}

void TestZCDefaultTheme::noButtonIsBlankWithoutAHostTheme()
{
    QFETCH(int, control);
    QCOMPARE(GetGestorTemasEstilo()->GetCurrentTema().GetNombre(), QString());
    const std::unique_ptr<QWidget> widget(controls().at(size_t(control)).make());
    const QList<QAbstractButton*> buttons = shownButtons(widget.get());
    QVERIFY(!buttons.isEmpty());
    for (const QAbstractButton* button : buttons) {
        const QString which = button->toolTip() + button->accessibleName();
        QVERIFY2(!button->icon().isNull(), qPrintable(which));
        QVERIFY2(drawsSomething(button->icon()), qPrintable(which));
    }
}

void TestZCDefaultTheme::theDrawingsAreOneColourShapes_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator it(QStringLiteral(":/Resources/tema"), {QStringLiteral("*.svg")}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QFileInfo(path).baseName())) << path;
    }
}

void TestZCDefaultTheme::theDrawingsAreOneColourShapes()
{
    // Recoloured, a drawing must show that colour and nothing else: a stroke or a second colour
    // would survive the recolouring or turn into a filled blot.
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSvgRenderer renderer(ZCSVGIconEngine::recolour(file.readAll(), QColor(Qt::red)));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(16, 16));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            QVERIFY(qGreen(pixel) == 0 && qBlue(pixel) == 0);
            opaque += qAlpha(pixel) == 255;
        }
    }
    QVERIFY(opaque > 32);
}

void TestZCDefaultTheme::aHostThemeReplacesTheDefaultDrawings()
{
    ZCBuscadorView search;
    ZCPaginadorToolbar paginator(10);
    const QIcon magnifier = search.findChild<QAbstractButton*>()->icon();
    QIcon first;
    for (const QAction* action : paginator.actions()) {
        if (action->text() == QStringLiteral("Primera página"))
            first = action->icon();
    }
    QVERIFY(drawsSomething(first));
    // The magnifier's ring leaves the corner empty; the host's drawing fills the whole square.
    QCOMPARE(magnifier.pixmap(16).toImage().pixelColor(1, 1).alpha(), 0);

    ThemeFolder host;
    host.writeIcon("search");
    QVERIFY(GetGestorTemasEstilo()->SetTema(host.add("Anfitrión", {QColor(Qt::red)})));
    QCOMPARE(magnifier.pixmap(16).toImage().pixelColor(1, 1), QColor(Qt::red));
    // What the host's theme lacks is still drawn, in the host's colours.
    const QImage firstPage = first.pixmap(16).toImage();
    bool red = false;
    for (int x = 0; x < 16 && !red; ++x)
        red = firstPage.pixelColor(x, 8) == QColor(Qt::red);
    QVERIFY(red);
}

MIROKIT_TEST_MAIN(TestZCDefaultTheme)
#include "tst_zcdefaulttheme.moc"
