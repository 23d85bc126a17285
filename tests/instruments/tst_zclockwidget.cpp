#include "instrumenttest.h"
#include "mirokittest.h"

#include <Mirokit/ZClockWidget.h>

#include <limits>

namespace {

// A clock that counts how often its background is rebuilt and can be ticked by hand.
class Clock : public ZClockWidget
{
public:
    using ZClockWidget::updateTime;
    int backgrounds = 0;

protected:
    void paintBackground(QPainter& painter) override
    {
        ++backgrounds;
        ZClockWidget::paintBackground(painter);
    }
};

bool isBlack(const QColor& colour)
{
    return colour.lightness() < 60;
}

// The screen point at a logical radius from the clock's centre, toward the given minute mark.
QPoint towardMinute(const QWidget& clock, double minute, double radius)
{
    return dialPoint(clock, 240, radius, 180 + minute * 6);
}

} // namespace

class TestZClockWidget : public QObject
{
    Q_OBJECT

private slots:
    void aSetTimeFreezesTheHands();
    void runningFollowsStartAndStop();
    void ticksFollowTheChosenZone_data();
    void ticksFollowTheChosenZone();
    void ticksAndTimeChangesKeepTheDial();
    void invokablesAreListedInOrder();
};

void TestZClockWidget::aSetTimeFreezesTheHands()
{
    Clock clock;
    clock.setDateTime(QDateTime(QDate(2024, 2, 29), QTime(3, 0, 20)));
    QVERIFY(!clock.isRunning());
    paintedImage(clock);
    const QImage image = paintedImage(clock);
    QVERIFY(isBlack(image.pixelColor(towardMinute(clock, 15, 45))));   // hour hand at three
    QVERIFY(isBlack(image.pixelColor(towardMinute(clock, 1 / 3.0, 70))));  // minute hand past twelve
    QCOMPARE(image.pixelColor(towardMinute(clock, 20, 86)), QColor(Qt::red));
    QVERIFY(!isBlack(image.pixelColor(towardMinute(clock, 45, 45))));

    clock.setTime(QTime(9, 30, 0));
    QCOMPARE(clock.date(), QDate(2024, 2, 29));
    const QImage later = paintedImage(clock);
    QVERIFY(isBlack(later.pixelColor(towardMinute(clock, 30, 70))));
    QVERIFY(!isBlack(later.pixelColor(towardMinute(clock, 15, 45))));
}

void TestZClockWidget::runningFollowsStartAndStop()
{
    ZClockWidget clock;
    QVERIFY(clock.isRunning());
    QVERIFY(clock.isLocal());
    clock.start();
    QVERIFY(clock.showCurrentDateTime());
    clock.stop();
    QVERIFY(!clock.isRunning());
    clock.setShowCurrentDateTime(true);
    QVERIFY(clock.isRunning());
    clock.setDate(QDate(2000, 1, 1));
    QVERIFY(!clock.isRunning());
    QCOMPARE(clock.date(), QDate(2000, 1, 1));
    clock.start();
    QVERIFY(clock.isRunning());
}

void TestZClockWidget::ticksFollowTheChosenZone_data()
{
    QTest::addColumn<bool>("utc");
    QTest::addColumn<int>("hours");
    QTest::addColumn<qint64>("expectedOffset");
    QTest::newRow("UTC plus two hours") << true << 2 << qint64(2 * 3600);
    QTest::newRow("plain UTC") << true << 0 << qint64(0);
    QTest::newRow("UTC minus eleven hours") << true << -11 << qint64(-11 * 3600);
    QTest::newRow("an offset beyond a day is clamped to a day") << true << std::numeric_limits<int>::max()
                                                                << qint64(24 * 3600);
    QTest::newRow("a negative one likewise") << true << std::numeric_limits<int>::min() << qint64(-24 * 3600);
    QTest::newRow("back to local time") << false << 5 << qint64(0);
}

void TestZClockWidget::ticksFollowTheChosenZone()
{
    QFETCH(bool, utc);
    QFETCH(int, hours);
    QFETCH(qint64, expectedOffset);
    Clock clock;
    clock.setUTC(hours);
    if (!utc)
        clock.setLocal();
    QCOMPARE(clock.isLocal(), !utc);
    clock.updateTime();
    const QDateTime shown = clock.dateTime();
    const QDateTime now = utc ? QDateTime::currentDateTimeUtc() : QDateTime::currentDateTime();
    QCOMPARE(shown.timeSpec(), now.timeSpec());
    QVERIFY(qAbs(now.addSecs(expectedOffset).secsTo(shown)) <= 2);
}

void TestZClockWidget::ticksAndTimeChangesKeepTheDial()
{
    Clock clock;
    paintedImage(clock);
    clock.updateTime();
    clock.setTime(QTime(1, 2, 3));
    clock.setUTC(3);
    paintedImage(clock);
    QCOMPARE(clock.backgrounds, 1);
    clock.SetColorBase(Qt::darkRed);
    clock.setDigitOffset(0);
    paintedImage(clock);
    QCOMPARE(clock.backgrounds, 2);
}

void TestZClockWidget::invokablesAreListedInOrder()
{
    const QMetaObject* meta = &ZClockWidget::staticMetaObject;
    QStringList methods;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        methods << QString::fromLatin1(meta->method(i).methodSignature());
    const QStringList expected{"dateTime()", "date()", "time()", "setTime(QTime)", "setDate(QDate)",
                               "setDateTime(QDateTime)", "isLocal()", "setLocal()", "setUTC(int)",
                               "isRunning()", "start()", "stop()", "updateTime()"};
    QCOMPARE(methods, expected);
    QCOMPARE(meta->property(meta->propertyOffset()).name(), "font");
    QCOMPARE(ZClockWidget().windowTitle(), QStringLiteral("Reloj"));
}

MIROKIT_TEST_MAIN(TestZClockWidget)
#include "tst_zclockwidget.moc"
