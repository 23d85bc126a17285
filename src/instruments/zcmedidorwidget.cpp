#include "zcmedidorwidget.h"

#include "zcinstrumentmath_p.h"

#include <QDebug>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Bounds closer than this leave no range to draw.
constexpr double minimumRange = 1e-5;

// The scale search widens the unit one step per round. Ordinary ranges settle within a few
// rounds; some would take millions, so past this bound the search jumps to the first unit that
// is sure to cover the range from the current anchor.
constexpr int maximumScaleRounds = 1000;

// The step by which the unit grows: 5, or for ranges under 40 the first of 0.5, 0.05, ... whose
// eight steps fit in the range. Dividing by ten reaches zero within the exponent range of a
// double, so the loop is bounded even for a denormal range.
double scaleStep(double range)
{
    double step = 5.0;
    if (range < 40.0) {
        for (double tenth = step / 10; tenth > 0; tenth /= 10) {
            step = tenth;
            if (tenth * 8 <= range)
                break;
        }
    }
    return step;
}

// The first whole number of steps whose eight units span the given length.
double stepsSpanning(double length, double step)
{
    double steps = std::max(1.0, std::ceil(length / (8 * step)));
    if (steps * step * 8 < length)  // ceil of a rounded quotient may fall one short
        steps += 1;
    return steps;
}

// Below zero the scale is anchored at the base rounded toward zero to a multiple of eight,
// computed in single precision as the dials have always been. Beyond the float range the
// remainder is meaningless anyway, so the base is clamped before narrowing.
double negativeAnchor(double base)
{
    const auto single = float(qBound(-double(FLT_MAX), base, double(FLT_MAX)));
    return base - double(std::fmod(single, 8.0f));
}

// The first multiple of unit above the anchor that reaches maximum, computed in one go instead
// of adding the unit until it does (which takes forever far from the anchor).
double topFrom(double anchor, double maximum, double unit)
{
    if (!(maximum > anchor))
        return anchor;
    double top = anchor + std::ceil((maximum - anchor) / unit) * unit;
    if (top < maximum)
        top += unit;
    return top;
}

} // namespace

ZCMedidorWidget::ZCMedidorWidget(QWidget* parent)
    : ZCDosCapasWidget(parent)
{
}

ZCMedidorWidget::~ZCMedidorWidget() = default;

bool ZCMedidorWidget::acceptsFinite(double v, const char* property) const
{
    if (std::isfinite(v))
        return true;
    qWarning().noquote() << tr("Se ignora un valor no finito para %1: %2")
                                .arg(QLatin1String(property))
                                .arg(v);
    return false;
}

void ZCMedidorWidget::setMaximum(double v)
{
    if (v == m_maximum || !acceptsFinite(v, "maximum") || !(v - m_minimum > minimumRange))
        return;
    m_maximum = v;
    applyBounds();
}

void ZCMedidorWidget::setMinimum(double v)
{
    if (v == m_minimum || !acceptsFinite(v, "minimum") || !(m_maximum - v > minimumRange))
        return;
    m_minimum = v;
    applyBounds();
}

void ZCMedidorWidget::applyBounds()
{
    calcMaxMin();
    updateAllCapas();
}

void ZCMedidorWidget::setNominal(double v)
{
    setBackgroundField(m_nominal, v);
}

void ZCMedidorWidget::setCritical(double v)
{
    setBackgroundField(m_critical, v);
}

void ZCMedidorWidget::setDigitOffset(double v)
{
    if (acceptsFinite(v, "digitOffset"))
        setBackgroundField(m_digitOffset, v);
}

void ZCMedidorWidget::setValueOffset(double v)
{
    if (acceptsFinite(v, "valueOffset"))
        setBackgroundField(m_valueOffset, v);
}

void ZCMedidorWidget::setPrefix(const QString& prefix)
{
    setBackgroundField(m_prefix, prefix);
}

void ZCMedidorWidget::setSuffix(const QString& suffix)
{
    setBackgroundField(m_suffix, suffix);
}

void ZCMedidorWidget::SetFontDigit(const QFont& font)
{
    setBackgroundField(m_fontDigit, font);
}

void ZCMedidorWidget::SetFontValue(const QFont& font)
{
    setBackgroundField(m_fontValue, font);
}

// The value lives in the foreground: a new one repaints without rebuilding the dial.
void ZCMedidorWidget::storeValue(double v)
{
    m_value = v;
    update();
}

// NaN is never a new value: it is unequal even to itself, so two meters connected both ways
// would otherwise hand it back and forth for ever.
void ZCMedidorWidget::setValue(double dVal)
{
    if (std::isnan(dVal) || dVal == m_value)
        return;
    storeValue(dVal);
    emit valueChanged(dVal);
    emit valueChanged(ZCInstrumentMath::truncatedToInt(dVal));
}

void ZCMedidorWidget::setValue(int nVal)
{
    if (double(nVal) == m_value)
        return;
    storeValue(nVal);
    emit valueChanged(nVal);
    emit valueChanged(double(nVal));
}

bool ZCMedidorWidget::calcMaxMin()
{
    const double min = m_minimum;
    const double max = m_maximum;
    m_scaleMinimum = min;
    m_scaleMaximum = max;
    const double range = max - min;
    if (!(range > 0) || !std::isfinite(range))
        return false;

    const double step = scaleStep(range);
    double unitSteps = stepsSpanning(range, step);
    double top = max;
    double base = min;
    for (int round = 0;; ++round) {
        const double anchor = top < 0 ? negativeAnchor(base) : 0.0;
        // Seven units cover the range from any anchor below the maximum; from one above it,
        // eight units must reach down to the minimum.
        if (round == maximumScaleRounds)
            unitSteps = std::max({unitSteps, stepsSpanning(range * 8 / 7, step), stepsSpanning(anchor - min, step)});
        const double unit = unitSteps * step;
        top = topFrom(anchor, max, unit);
        base = top - 8 * unit;
        if (min >= base || round == maximumScaleRounds)
            break;
        unitSteps += 1;
    }
    // Bounds near the ends of the double range can overflow the rounded scale.
    if (!std::isfinite(top) || !std::isfinite(base))
        return false;
    m_scaleMaximum = top;
    m_scaleMinimum = base;
    return top != max || base != min;
}

double ZCMedidorWidget::scaleLabelValue(int i) const
{
    return (m_scaleMaximum - m_scaleMinimum) * i * 0.125 + m_scaleMinimum;
}

QString ZCMedidorWidget::scaleLabelText(int i) const
{
    const double v = scaleLabelValue(i);
    return QStringLiteral("%1").arg(std::abs(v) < 1e-6 ? 0.0 : v);
}

double ZCMedidorWidget::scaleFraction(double v) const
{
    return (v - m_scaleMinimum) / (m_scaleMaximum - m_scaleMinimum);
}

QString ZCMedidorWidget::valueText() const
{
    return m_prefix + QStringLiteral("%1").arg(m_value) + m_suffix;
}

void ZCMedidorWidget::setFontPointSizes(int digitPointSize, int valuePointSize)
{
    QFont digit = m_fontDigit;
    digit.setPointSize(digitPointSize);
    SetFontDigit(digit);
    QFont value = m_fontValue;
    value.setPointSize(valuePointSize);
    SetFontValue(value);
}
