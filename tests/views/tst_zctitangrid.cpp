#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCTitanGrid.h>

#include <QGestureEvent>
#include <QHeaderView>
#include <QTableView>

namespace {

// Routes the grid's gesture events to gestureEvent(), as a host does, and notes how many
// signals had been emitted when each state of the gesture arrived.
struct GestureRouter : QObject {
    ZCTitanGrid* grid;
    int emitted = 0;
    QList<QPair<Qt::GestureState, int>> seen;

    explicit GestureRouter(ZCTitanGrid* g)
        : grid(g)
    {
        grid->installEventFilter(this);
        connect(grid, &ZCTitanGrid::signalTapAndHold, this, [this] { ++emitted; });
        connect(grid, &ZCTitanGrid::signalTapAndHoldNoIndex, this, [this] { ++emitted; });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Gesture)
            return false;
        auto* gestureEvent = static_cast<QGestureEvent*>(event);
        if (QGesture* gesture = gestureEvent->gesture(Qt::TapAndHoldGesture))
            seen.append({gesture->state(), emitted});
        return grid->gestureEvent(gestureEvent);
    }
};

} // namespace

class TestZCTitanGrid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tapAndHoldReportsTheCellUnderIt_data();
    void tapAndHoldReportsTheCellUnderIt();
};

void TestZCTitanGrid::initTestCase()
{
    // Held for 50 ms instead of the usual 700, so the test does not wait needlessly.
    QTapAndHoldGesture::setTimeout(50);
}

void TestZCTitanGrid::tapAndHoldReportsTheCellUnderIt_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("row"); // -1: no index expected
    QTest::newRow("held over a cell gives that cell") << "cell" << true << 1;
    QTest::newRow("held over the header gives no index") << "header" << true << -1;
    QTest::newRow("held over the space after the rows gives no index") << "empty" << true << -1;
    QTest::newRow("let go before the hold time gives nothing") << "cell" << false << -1;
}

void TestZCTitanGrid::tapAndHoldReportsTheCellUnderIt()
{
    QFETCH(QString, where);
    QFETCH(bool, held);
    QFETCH(int, row);
    TableModel model(cells("Código,Nombre"), {cells("1,Ana"), cells("2,José"), cells("3,Íñigo")});
    ZCTitanGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.grabGesture(Qt::TapAndHoldGesture);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QSignalSpy withIndex(&grid, &ZCTitanGrid::signalTapAndHold);
    QSignalSpy withoutIndex(&grid, &ZCTitanGrid::signalTapAndHoldNoIndex);
    GestureRouter router(&grid);

    QTableView* table = grid.view();
    QWidget* target = table->viewport();
    QPoint pos = table->visualRect(model.index(1, 1)).center();
    if (where == QLatin1String("header")) {
        target = table->horizontalHeader();
        pos = target->rect().center();
    } else if (where == QLatin1String("empty")) {
        pos = QPoint(20, target->height() - 10);
    }

    QTest::mousePress(target, Qt::LeftButton, {}, pos);
    if (held)
        QTRY_COMPARE(router.emitted, 1);
    else
        QTest::mouseRelease(target, Qt::LeftButton, {}, pos);
    QTest::qWait(100); // twice the hold time: no second signal, nor a late one
    if (held)
        QTest::mouseRelease(target, Qt::LeftButton, {}, pos);

    QCOMPARE(router.emitted, held ? 1 : 0);
    QCOMPARE(withIndex.count(), row >= 0 ? 1 : 0);
    QCOMPARE(withoutIndex.count(), held && row < 0 ? 1 : 0);
    if (row >= 0)
        QCOMPARE(withIndex.first().first().toModelIndex(), model.index(1, 1));
    // Every state before the last one arrived without a signal: only the finished gesture counts.
    for (int i = 0; i + 1 < router.seen.size(); ++i)
        QCOMPARE(router.seen.at(i).second, 0);
    if (held)
        QCOMPARE(router.seen.last().first, Qt::GestureFinished);
}

MIROKIT_TEST_MAIN(TestZCTitanGrid)
#include "tst_zctitangrid.moc"
