#include "mirokittest.h"

#include <Mirokit/ZCPaletaWidget.h>
#include <Mirokit/ZCPaletaWidgetItem.h>

#include <QGridLayout>
#include <QScreen>
#include <QSignalSpy>

#include <limits>
#include <memory>

namespace {

QList<QColor> shades(int count)
{
    QList<QColor> colours;
    for (int i = 0; i < count; ++i)
        colours.append(QColor::fromHsv(i * 359 / std::max(count, 1), 200, 220));
    return colours;
}

// A palette over `count` shades, with its swatches at hand.
struct Palette {
    explicit Palette(int count, QWidget* parent = nullptr, bool popup = false, bool autoFoco = true)
        : colours(shades(count)), widget(&colours, parent, popup, autoFoco)
    {
    }
    QList<ZCPaletaWidgetItem*> swatches() const
    {
        QList<ZCPaletaWidgetItem*> items;
        const auto* grid = widget.findChild<QGridLayout*>();
        for (int i = 0; grid && i < grid->count(); ++i)
            items.append(qobject_cast<ZCPaletaWidgetItem*>(grid->itemAt(i)->widget()));
        return items;
    }
    int focused() const { return swatches().indexOf(widget.getItemSelected()); }
    QList<QColor> colours;
    ZCPaletaWidget widget;
};

} // namespace

class TestZCPaletaWidget : public QObject
{
    Q_OBJECT

private slots:
    void gridShapeFollowsTheColours_data();
    void gridShapeFollowsTheColours();
    void arrowKeysMoveTheFocusRoundTheGrid_data();
    void arrowKeysMoveTheFocusRoundTheGrid();
    void spacePicksTheFocusedColour();
    void aClickPicksOnceAndClosesThePopup();
    void hoverFocusesOnlyInAnAutoFocusPopup();
    void addColorFocusesFillsOrReplaces_data();
    void addColorFocusesFillsOrReplaces();
    void rebuildingForgetsTheFocusedSwatch();
    void removingASwatchRemovesItsColour();
    void popupOpensUnderItsParentWithinTheScreen_data();
    void popupOpensUnderItsParentWithinTheScreen();
    void missingColourListIsAnEmptyOne();
};

void TestZCPaletaWidget::gridShapeFollowsTheColours_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("columns"); // setVertical
    QTest::addColumn<int>("rows");    // setHorizontal
    QTest::addColumn<int>("gridRows");
    QTest::addColumn<int>("gridColumns");
    QTest::addColumn<int>("fillers");

    QTest::newRow("nine colours, both counts unset: 3 x 3") << 9 << 0 << 0 << 3 << 3 << 0;
    QTest::newRow("ten colours, both counts unset: 3 rows of 4") << 10 << 0 << 0 << 3 << 4 << 2;
    QTest::newRow("ten colours, the default 4 columns: 3 rows of 4") << 10 << 4 << -1 << 3 << 4 << 2;
    QTest::newRow("rows given, columns worked out") << 10 << 0 << 2 << 2 << 5 << 0;
    QTest::newRow("both given, extra colours left out") << 10 << 2 << 2 << 2 << 2 << 0;
    QTest::newRow("both given, few colours padded") << 3 << 3 << 2 << 2 << 3 << 3;
    QTest::newRow("no colours and no rows: no swatches") << 0 << 4 << -1 << 0 << 0 << 0;
    QTest::newRow("absurd counts are cut down") << 1 << 100000 << 100000 << 1 << 10000 << 9999;
    QTest::newRow("a huge column count alone gives one row, cut down")
        << 2 << std::numeric_limits<int>::max() << -1 << 1 << 10000 << 9998;
    QTest::newRow("a huge row count alone gives one column, cut down")
        << 2 << 0 << std::numeric_limits<int>::max() << 10000 << 1 << 9998;
}

void TestZCPaletaWidget::gridShapeFollowsTheColours()
{
    QFETCH(int, colours);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, gridRows);
    QFETCH(int, gridColumns);
    QFETCH(int, fillers);
    Palette palette(colours);
    palette.widget.setVertical(columns);
    palette.widget.setHorizontal(rows);
    const auto swatches = palette.swatches();
    QCOMPARE(swatches.size(), gridRows * gridColumns);
    if (swatches.isEmpty())
        return;
    auto* grid = palette.widget.findChild<QGridLayout*>();
    QCOMPARE(grid->rowCount(), gridRows);
    QCOMPARE(grid->columnCount(), gridColumns);
    const int disabled = int(std::count_if(swatches.begin(), swatches.end(),
                                           [](const QWidget* swatch) { return !swatch->isEnabled(); }));
    QCOMPARE(disabled, fillers);
    QCOMPARE(swatches.first()->getColor(), palette.colours.first());
}

void TestZCPaletaWidget::arrowKeysMoveTheFocusRoundTheGrid_data()
{
    QTest::addColumn<int>("colours"); // always 3 rows of 4: 12 fills the grid, 10 leaves two fillers
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    QTest::newRow("Right moves to the next swatch") << 12 << 0 << int(Qt::Key_Right) << 1;
    QTest::newRow("Right on the last swatch wraps to the first") << 12 << 11 << int(Qt::Key_Right) << 0;
    QTest::newRow("Left on the first swatch wraps to the last") << 12 << 0 << int(Qt::Key_Left) << 11;
    QTest::newRow("Down moves a row") << 12 << 1 << int(Qt::Key_Down) << 5;
    QTest::newRow("Down on the last row goes to the first") << 12 << 10 << int(Qt::Key_Down) << 2;
    QTest::newRow("Up on the first row goes to the last") << 12 << 1 << int(Qt::Key_Up) << 9;
    QTest::newRow("Up moves a row") << 12 << 9 << int(Qt::Key_Up) << 5;
    QTest::newRow("a filler never takes the focus from the right") << 10 << 9 << int(Qt::Key_Right) << 9;
    QTest::newRow("a filler never takes the focus from above") << 10 << 6 << int(Qt::Key_Down) << 6;
    QTest::newRow("a filler never takes the focus by wrapping") << 10 << 0 << int(Qt::Key_Left) << 0;
    QTest::newRow("other keys leave the focus alone") << 12 << 3 << int(Qt::Key_A) << 3;
}

void TestZCPaletaWidget::arrowKeysMoveTheFocusRoundTheGrid()
{
    QFETCH(int, colours);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    Palette palette(colours);
    palette.widget.setVertical(4);
    palette.widget.setItemSelected(palette.swatches().at(from));
    QSignalSpy focus(&palette.widget, &ZCPaletaWidget::colorFoco);
    QTest::keyClick(&palette.widget, Qt::Key(key));
    QCOMPARE(palette.focused(), to);
    QCOMPARE(focus.size(), from == to ? 0 : 1);
    if (from != to)
        QCOMPARE(focus.first().first().value<QColor>(), palette.colours.at(to));
}

void TestZCPaletaWidget::spacePicksTheFocusedColour()
{
    QWidget anchor;
    Palette palette(6, &anchor, true);
    QSignalSpy picked(&palette.widget, &ZCPaletaWidget::colorSelected);
    QTest::keyClick(&palette.widget, Qt::Key_Space); // nothing focused yet
    QCOMPARE(picked.size(), 0);
    anchor.show();
    palette.widget.show();
    palette.widget.setFocoEnColor(palette.colours.at(2));
    QTest::keyClick(&palette.widget, Qt::Key_Space);
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first().first().value<QColor>(), palette.colours.at(2));
    QVERIFY(!palette.widget.isVisible());
}

void TestZCPaletaWidget::aClickPicksOnceAndClosesThePopup()
{
    QWidget anchor;
    anchor.show();
    Palette palette(6, &anchor, true);
    palette.widget.show();
    QSignalSpy picked(&palette.widget, &ZCPaletaWidget::colorSelected);
    ZCPaletaWidgetItem* swatch = palette.swatches().at(4);

    // A press dragged off the swatch picks nothing, but the swatch has the focus.
    QTest::mousePress(swatch, Qt::LeftButton);
    QTest::mouseRelease(swatch, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(palette.widget.getItemSelected(), swatch);
    QCOMPARE(picked.size(), 0);

    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first().first().value<QColor>(), palette.colours.at(4));
    QVERIFY(!palette.widget.isVisible());
}

void TestZCPaletaWidget::hoverFocusesOnlyInAnAutoFocusPopup()
{
    QWidget anchor;
    for (bool popup : {true, false}) {
        Palette palette(6, popup ? &anchor : nullptr, popup, true);
        QSignalSpy focus(&palette.widget, &ZCPaletaWidget::colorFoco);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(palette.swatches().at(3), &enter);
        QCOMPARE(palette.focused(), popup ? 3 : -1);
        QCOMPARE(focus.size(), popup ? 1 : 0);
    }
}

void TestZCPaletaWidget::addColorFocusesFillsOrReplaces_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("focused"); // -1: none
    QTest::addColumn<QString>("added");
    QTest::addColumn<int>("listSize");
    QTest::addColumn<int>("swatchOfAdded"); // -1: not shown
    QTest::addColumn<int>("focusAfter");

    QTest::newRow("a colour already present only takes the focus") << 10 << -1 << "present" << 10 << 4 << 4;
    QTest::newRow("a new colour fills the first filler") << 10 << 2 << "#123456" << 11 << 10 << 2;
    QTest::newRow("in a full grid it replaces the focused colour") << 12 << 5 << "#123456" << 12 << 5 << 5;
    QTest::newRow("in a full grid without focus nothing changes") << 12 << -1 << "#123456" << 12 << -1 << -1;
    QTest::newRow("an empty palette gets its first colour") << 0 << -1 << "#123456" << 1 << 0 << -1;
}

void TestZCPaletaWidget::addColorFocusesFillsOrReplaces()
{
    QFETCH(int, colours);
    QFETCH(int, focused);
    QFETCH(QString, added);
    QFETCH(int, swatchOfAdded);
    Palette palette(colours);
    palette.widget.setHorizontal(colours > 0 ? -1 : 1);
    if (focused >= 0)
        palette.widget.setItemSelected(palette.swatches().at(focused));
    const QColor colour = added == QLatin1String("present") ? palette.colours.at(4) : QColor(added);
    palette.widget.addColor(colour);
    QTEST(int(palette.colours.size()), "listSize");
    const auto swatches = palette.swatches();
    int shownAt = -1;
    for (int i = 0; i < swatches.size() && shownAt < 0; ++i)
        if (swatches.at(i)->isEnabled() && swatches.at(i)->getColor() == colour)
            shownAt = i;
    QCOMPARE(shownAt, swatchOfAdded);
    if (swatchOfAdded >= 0)
        QCOMPARE(palette.colours.at(swatchOfAdded), colour);
    QTEST(palette.focused(), "focusAfter");
}

void TestZCPaletaWidget::rebuildingForgetsTheFocusedSwatch()
{
    Palette palette(10);
    palette.widget.setItemSelected(palette.swatches().at(3));
    palette.widget.setVertical(5);
    QCOMPARE(palette.widget.getItemSelected(), nullptr);
    QTest::keyClick(&palette.widget, Qt::Key_Right); // must not touch the deleted swatch
    QCOMPARE(palette.widget.getItemSelected(), nullptr);
}

void TestZCPaletaWidget::removingASwatchRemovesItsColour()
{
    Palette palette(6);
    const QColor removed = palette.colours.at(1);
    palette.widget.removeColorItem(palette.swatches().at(1));
    QCOMPARE(palette.colours.size(), 5);
    QVERIFY(!palette.colours.contains(removed));
    QCOMPARE(palette.swatches().at(1)->getColor(), palette.colours.at(1));
    palette.widget.removeColorItem(palette.swatches().last()); // a filler: nothing to remove
    palette.widget.removeColorItem(nullptr);
    QCOMPARE(palette.colours.size(), 5);
}

void TestZCPaletaWidget::popupOpensUnderItsParentWithinTheScreen_data()
{
    QTest::addColumn<QString>("where"); // the anchor's place on the screen
    QTest::addColumn<QString>("expected");
    QTest::newRow("with room below, under the anchor's left edge") << "top left" << "below";
    QTest::newRow("at the bottom edge, above the anchor") << "bottom left" << "above";
    QTest::newRow("at the right edge, moved left onto the screen") << "top right" << "below";
}

void TestZCPaletaWidget::popupOpensUnderItsParentWithinTheScreen()
{
    QFETCH(QString, where);
    QFETCH(QString, expected);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.resize(screen.width(), screen.height());
    window.move(screen.topLeft());
    auto* anchor = new QWidget(&window);
    anchor->resize(60, 24);
    anchor->move(where.endsWith(QLatin1String("right")) ? screen.width() - 60 : 40,
                 where.startsWith(QLatin1String("bottom")) ? screen.height() - 24 : 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    Palette palette(16, anchor, true);
    // The offscreen platform frames every window that does not ask otherwise; pop-ups have no
    // frame on real platforms.
    palette.widget.setWindowFlags(palette.widget.windowFlags() | Qt::FramelessWindowHint);
    palette.widget.show();
    const QRect popup = palette.widget.frameGeometry();
    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QVERIFY(screen.contains(popup));
    if (expected == QLatin1String("below"))
        QCOMPARE(popup.top(), anchorRect.bottom());
    else
        QCOMPARE(popup.bottom(), anchorRect.top() - 1);
    if (where.endsWith(QLatin1String("right")))
        QCOMPARE(popup.right(), screen.right());
    else
        QCOMPARE(popup.left(), anchorRect.left());
}

void TestZCPaletaWidget::missingColourListIsAnEmptyOne()
{
    ZCPaletaWidget palette(nullptr);
    palette.setHorizontal(1);
    palette.addColor(Qt::red);
    QVERIFY(palette.setFocoEnColor(Qt::red));
    QVERIFY(!palette.setFocoEnColor(Qt::blue));
}

MIROKIT_TEST_MAIN(TestZCPaletaWidget)
#include "tst_zcpaletawidget.moc"
