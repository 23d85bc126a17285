// Arbitrary doubles (NaN, infinities, denormals, huge ranges) and ints through the setters, the
// scale computation, the pointer, wheel and key input and the painting of every instrument: no
// hang, no crash, no undefined behaviour, and a drawn scale that is finite and covers the
// requested range.
#include "fuzzapplication.h"

#include <Mirokit/ZClockWidget.h>
#include <Mirokit/ZGaugeWidget.h>
#include <Mirokit/ZThermometerWidget.h>
#include <Mirokit/ZThumbWheel.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Reads the fuzzer's bytes as values of any type; past the end every value is zero.
class Input
{
public:
    Input(const uint8_t* data, size_t size)
        : m_bytes(data, data + size)
    {
    }

    bool atEnd() const { return m_bytes.empty(); }

    template <typename T>
    T take()
    {
        T value{};
        const size_t count = std::min(sizeof(T), m_bytes.size());
        std::memcpy(&value, m_bytes.data(), count);
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + count);
        return value;
    }

    int choice(int bound) { return take<uint8_t>() % bound; }

    // Mostly ordinary numbers, sometimes any bit pattern at all.
    double number()
    {
        if (choice(4) == 0)
            return take<double>();
        return take<int16_t>() * std::pow(10.0, choice(13) - 6);
    }

private:
    std::vector<uint8_t> m_bytes;
};

// Meters whose drawn scale the fuzzer can check.
template <typename Meter>
class Checked : public Meter
{
public:
    void check() const
    {
        const double min = this->minimum();
        const double max = this->maximum();
        const double low = this->scaleMinimum();
        const double high = this->scaleMaximum();
        if (!std::isfinite(low) || !std::isfinite(high) || !(low < high))
            std::abort();
        if (!std::isfinite(max - min))
            return;  // too wide to round: drawn as requested
        const double slack = 1e-9 * std::max({std::abs(min), std::abs(max), max - min});
        if (low > min + slack || high < max - slack)
            std::abort();
    }
};

void paint(QWidget& widget)
{
    QImage image(widget.size().boundedTo(QSize(64, 64)).expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    widget.render(&painter);
}

void driveMeter(ZCMedidorWidget& meter, Input& input)
{
    switch (input.choice(8)) {
    case 0:
        meter.setMinimum(input.number());
        break;
    case 1:
        meter.setMaximum(input.number());
        break;
    case 2:
        meter.setValue(input.number());
        break;
    case 3:
        meter.setValue(input.take<int>());
        break;
    case 4:
        meter.setNominal(input.number());
        break;
    case 5:
        meter.setCritical(input.number());
        break;
    case 6:
        meter.setDigitOffset(input.number());
        break;
    default:
        meter.setValueOffset(input.number());
    }
}

void driveWheel(ZThumbWheel& wheel, Input& input)
{
    const QPoint position(input.take<int16_t>(), input.take<int16_t>());
    switch (input.choice(8)) {
    case 0:
        wheel.setRange(input.take<int>(), input.take<int>());
        break;
    case 1:
        wheel.setValue(input.take<int>());
        break;
    case 2:
        wheel.setCogCount(input.take<int>());
        break;
    case 3:
        wheel.setTransmissionRatio(input.number());
        break;
    case 4:
        wheel.setWrapsAround(input.choice(2));
        wheel.setLimitedDrag(input.choice(2));
        wheel.setTracking(input.choice(2));
        wheel.setOrientation(input.choice(2) ? Qt::Horizontal : Qt::Vertical);
        break;
    case 5: {
        const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};
        QMouseEvent event(types[input.choice(3)], position, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&wheel, &event);
        break;
    }
    case 6: {
        QWheelEvent event(position, position, QPoint(), QPoint(0, input.take<int>()), Qt::NoButton,
                          input.choice(2) ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&wheel, &event);
        break;
    }
    default: {
        const int keys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_PageUp, Qt::Key_PageDown};
        QKeyEvent event(QEvent::KeyPress, keys[input.choice(8)], Qt::NoModifier);
        QCoreApplication::sendEvent(&wheel, &event);
    }
    }
}

void driveClock(ZClockWidget& clock, Input& input)
{
    switch (input.choice(4)) {
    case 0:
        clock.setUTC(input.take<int>());
        QMetaObject::invokeMethod(&clock, "updateTime");
        break;
    case 1:
        clock.setTime(QTime(input.take<int8_t>(), input.take<int8_t>(), input.take<int8_t>()));
        break;
    case 2:
        clock.setDateTime(QDateTime::fromMSecsSinceEpoch(input.take<qint64>() % (qint64(1) << 50), Qt::UTC));
        break;
    default:
        clock.setDigitOffset(input.take<int>());
        clock.setTimeOffset(input.take<int>());
        clock.setDateOffset(input.take<int>());
        clock.setDayOffset(input.take<int>());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApplication(dropFuzzMessages);

    Input input(data, size);
    Checked<ZGaugeWidget> gauge;
    Checked<ZThermometerWidget> thermometer;
    ZClockWidget clock;
    ZThumbWheel wheel;
    QWidget* const all[] = {&gauge, &thermometer, &clock, &wheel};
    for (QWidget* widget : all)
        widget->resize(40, 40);  // small dials paint fast; sizes are fuzzed below
    for (int operations = 0; !input.atEnd() && operations < 64; ++operations) {
        switch (input.choice(6)) {
        case 0:
            driveMeter(gauge, input);
            gauge.check();
            break;
        case 1:
            driveMeter(thermometer, input);
            thermometer.check();
            break;
        case 2:
            driveWheel(wheel, input);
            break;
        case 3:
            driveClock(clock, input);
            break;
        case 4:
            all[input.choice(4)]->resize(input.choice(70), input.choice(70));
            break;
        default:
            for (QWidget* widget : all)
                paint(*widget);
        }
    }
    for (QWidget* widget : all)
        paint(*widget);
    return 0;
}
