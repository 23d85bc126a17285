#include "mirokittest.h"

#include "zcpopupplacement_p.h"
#include "zcwheelsteps_p.h"

class TestSharedHelpers : public QObject
{
    Q_OBJECT

private slots:
    void popupPlacement_data();
    void popupPlacement();
    void wheelSteps_data();
    void wheelSteps();
};

void TestSharedHelpers::popupPlacement_data()
{
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("popup");
    QTest::addColumn<int>("align");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 800, 600);
    QTest::newRow("fits below, left aligned")
        << QRect(100, 100, 80, 20) << QSize(120, 50) << int(Qt::AlignLeft) << screen << QPoint(100, 119);
    QTest::newRow("right aligned ends at the anchor's right edge")
        << QRect(100, 100, 80, 20) << QSize(120, 50) << int(Qt::AlignRight) << screen << QPoint(59, 119);
    QTest::newRow("passes the right edge: moved left")
        << QRect(750, 100, 40, 20) << QSize(120, 50) << int(Qt::AlignLeft) << screen << QPoint(680, 119);
    QTest::newRow("right aligned past the left edge: clamped")
        << QRect(10, 100, 40, 20) << QSize(120, 50) << int(Qt::AlignRight) << screen << QPoint(0, 119);
    QTest::newRow("wider than the screen: starts at its left edge")
        << QRect(10, 100, 40, 20) << QSize(900, 50) << int(Qt::AlignLeft) << screen << QPoint(0, 119);
    QTest::newRow("passes the bottom: opens above")
        << QRect(100, 560, 80, 20) << QSize(120, 50) << int(Qt::AlignLeft) << screen << QPoint(100, 510);
    QTest::newRow("fits nowhere: never above the screen's top")
        << QRect(100, 30, 80, 20) << QSize(120, 590) << int(Qt::AlignLeft) << screen << QPoint(100, 0);
    QTest::newRow("second screen below the first: clamped to its own top, not y 0")
        << QRect(100, 630, 80, 20) << QSize(120, 590) << int(Qt::AlignLeft)
        << QRect(0, 600, 800, 600) << QPoint(100, 600);
    QTest::newRow("screen to the right: horizontal clamp to its left edge")
        << QRect(790, 100, 40, 20) << QSize(120, 50) << int(Qt::AlignRight)
        << QRect(800, 0, 800, 600) << QPoint(800, 119);
}

void TestSharedHelpers::popupPlacement()
{
    QFETCH(QRect, anchor);
    QFETCH(QSize, popup);
    QFETCH(int, align);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    QCOMPARE(ZCPopupPlacement::topLeftFor(anchor, popup, Qt::Alignment(align), available), expected);
}

void TestSharedHelpers::wheelSteps_data()
{
    QTest::addColumn<QVector<int>>("deltas");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<QVector<int>>("expected");

    QTest::newRow("one notch, one step") << QVector<int>{120} << 1 << 120 << QVector<int>{1};
    QTest::newRow("touchpad deltas add up")
        << QVector<int>{30, 30, 30, 30, 30} << 1 << 120 << QVector<int>{0, 0, 0, 1, 0};
    QTest::newRow("backwards") << QVector<int>{-120, -60, -60} << 1 << 120 << QVector<int>{-1, 0, -1};
    QTest::newRow("direction change drops the remainder")
        << QVector<int>{100, -100, -20} << 1 << 120 << QVector<int>{0, 0, -1};
    QTest::newRow("five notches per step") << QVector<int>{120, 120, 120, 120, 120} << 1 << 600
                                           << QVector<int>{0, 0, 0, 0, 1};
    QTest::newRow("large multiplier") << QVector<int>{120} << 10 << 600 << QVector<int>{2};
    QTest::newRow("zero divisor does nothing") << QVector<int>{120} << 1 << 0 << QVector<int>{0};
    QTest::newRow("huge deltas do not overflow")
        << QVector<int>{2147483647} << 2147483647 << 1 << QVector<int>{2147483647};
}

void TestSharedHelpers::wheelSteps()
{
    QFETCH(QVector<int>, deltas);
    QFETCH(int, multiplier);
    QFETCH(int, divisor);
    QFETCH(QVector<int>, expected);
    ZCWheelSteps wheel;
    QVector<int> steps;
    for (int delta : deltas)
        steps << wheel.steps(delta, multiplier, divisor);
    QCOMPARE(steps, expected);
}

MIROKIT_TEST_MAIN(TestSharedHelpers)
#include "tst_sharedhelpers.moc"
