#include "instrumenttest.h"
#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZGaugeWidget.h>

#include <limits>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// A gauge that shows its drawn scale and counts how often its background is rebuilt.
class Gauge : public ZGaugeWidget
{
public:
    using ZGaugeWidget::scaleLabelValue;
    using ZGaugeWidget::scaleMaximum;
    using ZGaugeWidget::scaleMinimum;
    int backgrounds = 0;

    void setBounds(double min, double max)
    {
        // The order that never passes through an empty range.
        if (min < minimum()) {
            setMinimum(min);
            setMaximum(max);
        } else {
            setMaximum(max);
            setMinimum(min);
        }
    }

protected:
    void paintBackground(QPainter& painter) override
    {
        ++backgrounds;
        ZGaugeWidget::paintBackground(painter);
    }
};

// The screen point of scale value v at a logical radius of the gauge.
QPoint pointOf(Gauge& gauge, double v, double radius)
{
    const double fraction = (v - gauge.scaleMinimum()) / (gauge.scaleMaximum() - gauge.scaleMinimum());
    return dialPoint(gauge, 335, radius, 60 + fraction * 240);
}

} // namespace

class TestZGaugeWidget : public QObject
{
    Q_OBJECT

private slots:
    void scaleRoundsRequestedBounds_data();
    void scaleRoundsRequestedBounds();
    void extremeBoundsGiveAFiniteScaleAtOnce_data();
    void extremeBoundsGiveAFiniteScaleAtOnce();
    void boundsLeavingNoRangeAreIgnored_data();
    void boundsLeavingNoRangeAreIgnored();
    void valueSignalsComeInOrderAndOnlyForNewValues();
    void gaugesConnectedBothWaysSettle();
    void onlyBackgroundChangesRebuildTheBackground();
    void zonesAndNeedleArePaintedWhereTheValuesLie_data();
    void zonesAndNeedleArePaintedWhereTheValuesLie();
    void defaultGaugeLooksAsDocumented();
};

void TestZGaugeWidget::scaleRoundsRequestedBounds_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("scaleMinimum");
    QTest::addColumn<double>("scaleMaximum");
    QTest::newRow("0..300 widens to 0..320 in steps of 40") << 0.0 << 305.0 << 0.0 << 320.0;
    QTest::newRow("0..80 is already round") << 0.0 << 80.0 << 0.0 << 80.0;
    QTest::newRow("10..50 is already round") << 10.0 << 50.0 << 10.0 << 50.0;
    QTest::newRow("0..100 moves below zero in steps of 15") << 0.0 << 100.0 << -15.0 << 105.0;
    QTest::newRow("-50..50 widens on both sides") << -50.0 << 50.0 << -60.0 << 60.0;
    QTest::newRow("0..1 uses tenths of the step") << 0.0 << 1.0 << -0.15 << 1.05;
    QTest::newRow("-100..-20 anchors at a multiple of eight") << -100.0 << -20.0 << -126.0 << -6.0;
}

void TestZGaugeWidget::scaleRoundsRequestedBounds()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, scaleMinimum);
    QFETCH(double, scaleMaximum);
    Gauge gauge;
    gauge.setBounds(minimum, maximum);
    QCOMPARE(gauge.minimum(), minimum);
    QCOMPARE(gauge.maximum(), maximum);
    QCOMPARE(gauge.scaleMinimum(), scaleMinimum);
    QCOMPARE(gauge.scaleMaximum(), scaleMaximum);
    QCOMPARE(gauge.scaleLabelValue(8), scaleMaximum);
}

void TestZGaugeWidget::extremeBoundsGiveAFiniteScaleAtOnce_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::newRow("a narrow range far from zero") << 1e9 << 1e9 + 10;
    QTest::newRow("a narrow range far below zero") << -1e9 - 10 << -1e9;
    QTest::newRow("a huge range") << 0.0 << 1e300;
    QTest::newRow("a huge range below zero") << -1e300 << -1e290;
    QTest::newRow("a range of many steps off its alignment") << 12345.0 << 9e7;
    QTest::newRow("a range too wide for a double") << -1e308 << 1e308;
    QTest::newRow("a tiny range just below zero") << -7.9 << -7.9 + 2e-5;
}

void TestZGaugeWidget::extremeBoundsGiveAFiniteScaleAtOnce()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    Gauge gauge;
    QElapsedTimer timer;
    timer.start();
    gauge.setBounds(minimum, maximum);
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(std::isfinite(gauge.scaleMinimum()) && std::isfinite(gauge.scaleMaximum()));
    QVERIFY(gauge.scaleMinimum() <= minimum);
    QVERIFY(gauge.scaleMaximum() >= maximum);
    gauge.setValue(maximum);
    QVERIFY(!paintedImage(gauge).isNull());
}

void TestZGaugeWidget::boundsLeavingNoRangeAreIgnored_data()
{
    QTest::addColumn<bool>("settingMaximum");
    QTest::addColumn<double>("bound");
    QTest::addColumn<bool>("warns");
    QTest::newRow("a maximum equal to the minimum") << true << 0.0 << false;
    QTest::newRow("a maximum within 1e-5 of the minimum") << true << 1e-6 << false;
    QTest::newRow("a minimum above the maximum") << false << 400.0 << false;
    QTest::newRow("a minimum within 1e-5 of the maximum") << false << 300.0 - 1e-6 << false;
    QTest::newRow("an infinite maximum") << true << infinity << true;
    QTest::newRow("a NaN minimum") << false << std::numeric_limits<double>::quiet_NaN() << true;
}

void TestZGaugeWidget::boundsLeavingNoRangeAreIgnored()
{
    QFETCH(bool, settingMaximum);
    QFETCH(double, bound);
    QFETCH(bool, warns);
    Gauge gauge;
    MessageLogCapture log;
    if (settingMaximum)
        gauge.setMaximum(bound);
    else
        gauge.setMinimum(bound);
    QCOMPARE(gauge.minimum(), 0.0);
    QCOMPARE(gauge.maximum(), 300.0);
    QCOMPARE(gauge.scaleMaximum(), 320.0);
    QCOMPARE(log.texts(QtWarningMsg).size(), warns ? 1 : 0);
}

void TestZGaugeWidget::valueSignalsComeInOrderAndOnlyForNewValues()
{
    ZGaugeWidget gauge;
    QStringList emitted;
    connect(&gauge, QOverload<int>::of(&ZCMedidorWidget::valueChanged), this,
            [&](int v) { emitted << QStringLiteral("int %1").arg(v); });
    connect(&gauge, QOverload<double>::of(&ZCMedidorWidget::valueChanged), this,
            [&](double v) { emitted << QStringLiteral("double %1").arg(v); });

    gauge.setValue(-2.7);
    gauge.setValue(-2.7);
    gauge.setValue(5);
    gauge.setValue(5.0);
    gauge.setValue(std::numeric_limits<double>::quiet_NaN());
    gauge.setValue(1e300);
    gauge.setProperty("value", 7.5);
    const QStringList expected{"double -2.7", "int -2", "int 5", "double 5", "double 1e+300",
                               QStringLiteral("int %1").arg(std::numeric_limits<int>::max()),
                               "double 7.5", "int 7"};
    QCOMPARE(emitted, expected);
    QCOMPARE(gauge.value(), 7.5);
}

void TestZGaugeWidget::gaugesConnectedBothWaysSettle()
{
    ZGaugeWidget first;
    ZGaugeWidget second;
    const auto changed = QOverload<double>::of(&ZCMedidorWidget::valueChanged);
    const auto set = QOverload<double>::of(&ZCMedidorWidget::setValue);
    connect(&first, changed, &second, set);
    connect(&second, changed, &first, set);
    QSignalSpy spy(&second, changed);
    first.setValue(42.5);
    first.setValue(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(second.value(), 42.5);
    QCOMPARE(spy.count(), 1);
}

void TestZGaugeWidget::onlyBackgroundChangesRebuildTheBackground()
{
    Gauge gauge;
    paintedImage(gauge);
    QCOMPARE(gauge.backgrounds, 1);
    const QVector<QPair<QString, std::function<void()>>> changes{
        {"a new value", [&] { gauge.setValue(123.0); }},
        {"the same nominal value", [&] { gauge.setNominal(gauge.nominal()); }},
        {"a repaint", [] {}},
    };
    for (const auto& change : changes) {
        change.second();
        paintedImage(gauge);
        QVERIFY2(gauge.backgrounds == 1, qPrintable(change.first));
    }
    const QVector<QPair<QString, std::function<void()>>> rebuilds{
        {"a maximum", [&] { gauge.setMaximum(500); }},
        {"a minimum", [&] { gauge.setMinimum(-20); }},
        {"a nominal value", [&] { gauge.setNominal(10); }},
        {"a critical value", [&] { gauge.setCritical(400); }},
        {"a digit offset", [&] { gauge.setDigitOffset(90); }},
        {"a value offset", [&] { gauge.setValueOffset(50); }},
        {"a prefix", [&] { gauge.setPrefix(QStringLiteral("P ")); }},
        {"a suffix", [&] { gauge.setSuffix(QStringLiteral(" kPa")); }},
        {"a digit font", [&] { gauge.SetFontDigit(QFont(QStringLiteral("Serif"), 9)); }},
        {"a value font", [&] { gauge.SetFontValue(QFont(QStringLiteral("Serif"), 9)); }},
        {"a base colour", [&] { gauge.SetColorBase(Qt::darkBlue); }},
        {"a resize", [&] { gauge.resize(200, 250); }},
    };
    for (const auto& rebuild : rebuilds) {
        const int before = gauge.backgrounds;
        rebuild.second();
        paintedImage(gauge);
        paintedImage(gauge);
        QVERIFY2(gauge.backgrounds == before + 1, qPrintable(rebuild.first));
    }
}

void TestZGaugeWidget::zonesAndNeedleArePaintedWhereTheValuesLie_data()
{
    QTest::addColumn<double>("nominal");
    QTest::addColumn<double>("critical");
    QTest::addColumn<double>("probe");
    QTest::addColumn<QColor>("expected");
    // Probes lie halfway between ticks (every 10 units of the default 0..320 scale).
    const QColor face(0, 0, 0, 0);  // anything but a zone colour
    const QColor green(0, 200, 0);
    const QColor red(Qt::red);
    QTest::newRow("below the nominal value the ring shows the face") << 80.0 << 220.0 << 45.0 << face;
    QTest::newRow("between nominal and critical it is green") << 80.0 << 220.0 << 155.0 << green;
    QTest::newRow("from the critical value on it is red") << 80.0 << 220.0 << 305.0 << red;
    QTest::newRow("a nominal value below the scale draws no green") << -10.0 << 220.0 << 155.0 << face;
    QTest::newRow("a nominal value at the scale maximum draws no green") << 320.0 << 400.0 << 305.0 << face;
    QTest::newRow("a critical value off the scale leaves green to the end") << 80.0 << 320.0 << 305.0 << green;
}

void TestZGaugeWidget::zonesAndNeedleArePaintedWhereTheValuesLie()
{
    QFETCH(double, nominal);
    QFETCH(double, critical);
    QFETCH(double, probe);
    QFETCH(QColor, expected);
    Gauge gauge;
    gauge.setNominal(nominal);
    gauge.setCritical(critical);
    gauge.setValue(probe < 160 ? 250.0 : 60.0);  // the needle elsewhere
    const QImage image = paintedImage(gauge);
    const QColor ring = image.pixelColor(pointOf(gauge, probe, 133));
    if (expected.alpha() == 0) {
        QVERIFY2(ring != QColor(0, 200, 0) && ring != QColor(Qt::red), qPrintable(ring.name()));
        QVERIFY(ring.lightness() > 180);
    } else {
        QCOMPARE(ring, expected);
    }
    QVERIFY(image.pixelColor(pointOf(gauge, probe, 100)) != QColor(Qt::black));

    gauge.setValue(probe);
    const QImage moved = paintedImage(gauge);
    QCOMPARE(moved.pixelColor(pointOf(gauge, probe, 100)), QColor(Qt::black));
    QCOMPARE(gauge.backgrounds, 1);
}

void TestZGaugeWidget::defaultGaugeLooksAsDocumented()
{
    Gauge gauge;
    QCOMPARE(gauge.size(), QSize(311, 311));
    QCOMPARE(gauge.windowTitle(), QStringLiteral("Manómetro"));
    QCOMPARE(gauge.suffix(), QStringLiteral(" [bar]"));
    QCOMPARE(gauge.GetFontDigit().pointSize(), 20);
    QCOMPARE(gauge.GetFontValue().pointSize(), 25);
    QList<double> labels;
    for (int i = 0; i <= 8; ++i)
        labels << gauge.scaleLabelValue(i);
    QCOMPARE(labels, (QList<double>{0, 40, 80, 120, 160, 200, 240, 280, 320}));
    QCOMPARE(gauge.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
}

MIROKIT_TEST_MAIN(TestZGaugeWidget)
#include "tst_zgaugewidget.moc"
