#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZThumbWheel.h>

namespace {

// A horizontal wheel of 130 x 20 over 0..100: a drag from its left edge (x = 0) to its right
// edge (x = 129) turns it half a revolution, 50 units.
struct Wheel : ZThumbWheel {
    Wheel(int minimum = 0, int maximum = 100, int value = 0)
        : ZThumbWheel(minimum, maximum, 10, value, Qt::Horizontal)
    {
        resize(130, 20);
    }

    void drag(int fromX, int toX)
    {
        QTest::mousePress(this, Qt::LeftButton, Qt::NoModifier, QPoint(fromX, 10));
        QTest::mouseMove(this, QPoint((fromX + toX) / 2, 10));
        QTest::mouseMove(this, QPoint(toX, 10));
        QTest::mouseRelease(this, Qt::LeftButton, Qt::NoModifier, QPoint(toX, 10));
    }

    void turn(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWheelEvent event(QPointF(65, 10), mapToGlobal(QPoint(65, 10)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(this, &event);
    }
};

} // namespace

class TestZThumbWheel : public QObject
{
    Q_OBJECT

private slots:
    void dragsTurnTheWheel_data();
    void dragsTurnTheWheel();
    void withoutTrackingTheDragAppliesAtRelease();
    void deletedByItsHandlerDuringADrag_data();
    void deletedByItsHandlerDuringADrag();
    void wheelDeltasAccumulate_data();
    void wheelDeltasAccumulate();
    void keysStepAlongTheWheel_data();
    void keysStepAlongTheWheel();
    void settersRefuseWhatCannotBeDrawn();
    void shadingIsBuiltOnFirstPaintAndAfterPaletteChanges();
};

void TestZThumbWheel::dragsTurnTheWheel_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("wraps");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<int>("toX");
    QTest::addColumn<int>("expected");
    QTest::newRow("across the whole wheel is half the range") << 0 << 0 << false << true << 129 << 50;
    QTest::newRow("to the middle is a quarter") << 0 << 10 << false << true << 64 << 34;
    QTest::newRow("a limited drag stops at the edge") << 0 << 0 << false << true << 400 << 50;
    QTest::newRow("an unlimited drag keeps going past the edge") << 0 << 0 << false << false << 258 << 100;
    QTest::newRow("past the edge the minimum counts") << 1000 << 1000 << false << false << 258 << 1100;
    QTest::newRow("a non-wrapping wheel stops at its maximum") << 0 << 80 << false << true << 129 << 100;
    QTest::newRow("a wrapping wheel continues from its minimum") << 0 << 80 << true << true << 129 << 30;
    QTest::newRow("far past the end it wraps by whole turns") << 0 << 80 << true << false << 1419 << 30;
}

void TestZThumbWheel::dragsTurnTheWheel()
{
    QFETCH(int, minimum);
    QFETCH(int, start);
    QFETCH(bool, wraps);
    QFETCH(bool, limited);
    QFETCH(int, toX);
    QFETCH(int, expected);
    Wheel wheel(minimum, minimum + 100, start);
    wheel.setWrapsAround(wraps);
    wheel.setLimitedDrag(limited);
    wheel.drag(0, toX);
    QCOMPARE(wheel.value(), expected);
}

void TestZThumbWheel::withoutTrackingTheDragAppliesAtRelease()
{
    Wheel wheel;
    wheel.setTracking(false);
    QSignalSpy moved(&wheel, &QAbstractSlider::valueChanged);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(0, 10));
    QTest::mouseMove(&wheel, QPoint(64, 10));
    QCOMPARE(wheel.value(), 0);
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(129, 10));
    QCOMPARE(wheel.value(), 50);
    QCOMPARE(moved.count(), 1);
    QTest::mouseRelease(&wheel, Qt::RightButton, Qt::NoModifier, QPoint(0, 10));
    QCOMPARE(wheel.value(), 50);

    Wheel single(5, 5, 5);
    single.setWrapsAround(true);
    single.drag(0, 129);
    QCOMPARE(single.value(), 5);
}

void TestZThumbWheel::deletedByItsHandlerDuringADrag_data()
{
    QTest::addColumn<bool>("tracking");
    QTest::newRow("while the pointer moves") << true;
    QTest::newRow("at the release, without tracking") << false;
}

// Nothing of the wheel is touched once a valueChanged() handler has deleted it.
void TestZThumbWheel::deletedByItsHandlerDuringADrag()
{
    QFETCH(bool, tracking);
    QPointer<Wheel> wheel = new Wheel;
    wheel->setTracking(tracking);
    connect(wheel, &QAbstractSlider::valueChanged, wheel, [&] { delete wheel.data(); });
    QTest::mousePress(wheel, Qt::LeftButton, Qt::NoModifier, QPoint(0, 10));
    QMouseEvent move(QEvent::MouseMove, QPoint(64, 10), wheel->mapToGlobal(QPoint(64, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(wheel, &move);
    if (wheel)
        QTest::mouseRelease(wheel, Qt::LeftButton, Qt::NoModifier, QPoint(129, 10));
    QVERIFY(!wheel);
}

void TestZThumbWheel::wheelDeltasAccumulate_data()
{
    QTest::addColumn<QVector<int>>("deltas");
    QTest::addColumn<bool>("control");
    QTest::addColumn<int>("expected");
    QTest::newRow("a notch with page step 10 lowers the value by 2") << QVector<int>{120} << false << 48;
    QTest::newRow("a notch back raises it by 2") << QVector<int>{-120} << false << 52;
    QTest::newRow("ten touchpad deltas of 12 make one notch") << QVector<int>(10, 12) << false << 48;
    QTest::newRow("with Control five notches move one single step") << QVector<int>(5, 120) << true << 49;
}

void TestZThumbWheel::wheelDeltasAccumulate()
{
    QFETCH(QVector<int>, deltas);
    QFETCH(bool, control);
    QFETCH(int, expected);
    Wheel wheel(0, 100, 50);
    for (int delta : deltas)
        wheel.turn(delta, control ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(wheel.value(), expected);
}

void TestZThumbWheel::keysStepAlongTheWheel_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("Home goes to the minimum") << Qt::Horizontal << int(Qt::Key_Home) << 0;
    QTest::newRow("End goes to the maximum") << Qt::Vertical << int(Qt::Key_End) << 100;
    QTest::newRow("Left steps down a horizontal wheel") << Qt::Horizontal << int(Qt::Key_Left) << 49;
    QTest::newRow("Right steps it up") << Qt::Horizontal << int(Qt::Key_Right) << 51;
    QTest::newRow("Up does nothing on it") << Qt::Horizontal << int(Qt::Key_Up) << 50;
    QTest::newRow("Up steps down a vertical wheel") << Qt::Vertical << int(Qt::Key_Up) << 49;
    QTest::newRow("Down steps it up") << Qt::Vertical << int(Qt::Key_Down) << 51;
    QTest::newRow("Right does nothing on it") << Qt::Vertical << int(Qt::Key_Right) << 50;
    QTest::newRow("PageUp goes a page down") << Qt::Horizontal << int(Qt::Key_PageUp) << 40;
    QTest::newRow("PageDown goes a page up") << Qt::Vertical << int(Qt::Key_PageDown) << 60;
}

void TestZThumbWheel::keysStepAlongTheWheel()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, key);
    QFETCH(int, expected);
    ZThumbWheel wheel(0, 100, 10, 50, orientation);
    QTest::keyClick(&wheel, Qt::Key(key));
    QCOMPARE(wheel.value(), expected);
    QCOMPARE(wheel.sizeHint(), orientation == Qt::Horizontal ? QSize(130, 20) : QSize(20, 130));
}

void TestZThumbWheel::settersRefuseWhatCannotBeDrawn()
{
    ZThumbWheel wheel;
    wheel.setCogCount(0);
    QCOMPARE(wheel.cogCount(), 17);
    wheel.setCogCount(1 << 30);
    QCOMPARE(wheel.cogCount(), 1000);
    MessageLogCapture log;
    wheel.setTransmissionRatio(0);
    wheel.setTransmissionRatio(qInf());
    QCOMPARE(wheel.transmissionRatio(), 1.0);
    QCOMPARE(log.texts(QtWarningMsg).size(), 2);
    wheel.setTransmissionRatio(2.5);
    QCOMPARE(wheel.property("transmissionRatio").toDouble(), 2.5);
}

void TestZThumbWheel::shadingIsBuiltOnFirstPaintAndAfterPaletteChanges()
{
    Wheel wheel(0, 100, 0);
    const QImage first = MirokitTest::grabbedImage(wheel);
    QCOMPARE(first.pixelColor(65, 1), QColor(Qt::black));  // the rim
    QCOMPARE(first.pixelColor(65, 18), QColor(Qt::black));
    wheel.setValue(1);
    QVERIFY(MirokitTest::grabbedImage(wheel) != first);  // the ribs turned

    QPalette palette = wheel.palette();
    palette.setColor(QPalette::Window, QColor(200, 0, 0));
    wheel.setPalette(palette);
    const QColor body = MirokitTest::grabbedImage(wheel).pixelColor(65, 10);
    QCOMPARE(body.hsvHue(), 0);
    QVERIFY(body.red() > 100);
}

MIROKIT_TEST_MAIN(TestZThumbWheel)
#include "tst_zthumbwheel.moc"
