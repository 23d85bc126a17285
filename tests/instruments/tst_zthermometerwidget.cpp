#include "instrumenttest.h"
#include "mirokittest.h"

#include <Mirokit/ZThermometerWidget.h>

namespace {

enum Liquid { None, Blue, Green, Red };

// The hue class of a pixel of the liquid, whose shaded side is 200 less saturated.
Liquid liquidAt(const QImage& image, const QPoint& point)
{
    const QColor c = image.pixelColor(point);
    if (c.green() > c.red() + 30 && c.green() > c.blue() + 30)
        return Green;
    if (c.red() > c.green() + 30 && c.red() > c.blue() + 30)
        return Red;
    if (c.blue() > c.red() + 30 && c.blue() > c.green() + 30 && c.alpha() == 255 && c.green() < 220)
        return Blue;
    return None;
}

// The screen point of a logical position of the thermometer (x from the tube's axis).
QPoint at(const QWidget& thermometer, double x, double y)
{
    return QPointF(thermometer.width() * 0.5 + x * thermometer.height() / 300.0,
                   y * thermometer.height() / 307.0)
        .toPoint();
}

} // namespace

class TestZThermometerWidget : public QObject
{
    Q_OBJECT

private slots:
    void columnFollowsTheValueWithinItsLimits_data();
    void columnFollowsTheValueWithinItsLimits();
    void liquidTakesTheColourOfItsZone_data();
    void liquidTakesTheColourOfItsZone();
    void defaultThermometerLooksAsDocumented();
    void labelsPrintZeroAsZero();
};

void TestZThermometerWidget::columnFollowsTheValueWithinItsLimits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("filledTo");  // logical y reached by the column
    QTest::newRow("a value below the scale shows a 5-unit stub") << -1000.0 << 257.0;
    QTest::newRow("the scale minimum shows 10 units") << 0.0 << 252.0;
    QTest::newRow("the middle of the scale fills half the tube") << 40.0 << 140.0;
    QTest::newRow("just over the maximum still follows the value") << 82.0 << 23.0;
    QTest::newRow("far above the scale fills the whole tube") << 1e300 << 21.0;
}

void TestZThermometerWidget::columnFollowsTheValueWithinItsLimits()
{
    QFETCH(double, value);
    QFETCH(double, filledTo);
    ZThermometerWidget thermometer;
    thermometer.resize(200, 400);
    thermometer.setNominal(-1e308);  // green everywhere, which the glass never is
    thermometer.setCritical(1e308);
    thermometer.setValue(value);
    const QImage image = paintedImage(thermometer);
    QCOMPARE(liquidAt(image, at(thermometer, 2, filledTo + 3)), Green);
    QCOMPARE(liquidAt(image, at(thermometer, 2, filledTo - 3)), None);
}

void TestZThermometerWidget::liquidTakesTheColourOfItsZone_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("liquid");
    QTest::newRow("below the nominal value it is blue") << 29.9 << int(Blue);
    QTest::newRow("from the nominal value it is green") << 30.0 << int(Green);
    QTest::newRow("from the critical value it is red") << 60.0 << int(Red);
}

void TestZThermometerWidget::liquidTakesTheColourOfItsZone()
{
    QFETCH(double, value);
    QFETCH(int, liquid);
    ZThermometerWidget thermometer;
    thermometer.setValue(value);
    const QImage image = paintedImage(thermometer);
    QCOMPARE(int(liquidAt(image, at(thermometer, 3, 250))), liquid);
    QCOMPARE(int(liquidAt(image, at(thermometer, 3, 267))), liquid);
}

void TestZThermometerWidget::defaultThermometerLooksAsDocumented()
{
    ZThermometerWidget thermometer;
    QCOMPARE(thermometer.windowTitle(), QStringLiteral("Termómetro"));
    QCOMPARE(thermometer.size(), QSize(200, 200));
    QCOMPARE(thermometer.suffix(), QStringLiteral(" [C]"));
    QCOMPARE(thermometer.nominal(), 30.0);
    QCOMPARE(thermometer.critical(), 60.0);
    QCOMPARE(thermometer.maximum(), 80.0);
    QCOMPARE(thermometer.GetFontDigit().pointSize(), 15);
    QCOMPARE(thermometer.GetFontValue().pointSize(), 18);
}

void TestZThermometerWidget::labelsPrintZeroAsZero()
{
    struct Thermometer : ZThermometerWidget {
        using ZThermometerWidget::scaleLabelText;
    } thermometer;
    thermometer.setMaximum(1);   // drawn from -0.15 to 1.05, the second label computed as 1.1e-16
    QStringList labels;
    for (int i = 0; i <= 8; ++i)
        labels << thermometer.scaleLabelText(i);
    QCOMPARE(labels, (QStringList{"-0.15", "0", "0.15", "0.3", "0.45", "0.6", "0.75", "0.9", "1.05"}));
}

MIROKIT_TEST_MAIN(TestZThermometerWidget)
#include "tst_zthermometerwidget.moc"
