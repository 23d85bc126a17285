#include "zthermometerwidget.h"

#include "zfont.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The tube runs from y = 12.5 to 257 on a bulb reaching y = 280.
QPainterPath outlinePath()
{
    QPainterPath path;
    path.moveTo(12.5, 267.5);
    path.quadTo(12.5, 263, 7.5, 257);
    path.lineTo(7.5, 25);
    path.quadTo(7.5, 12.5, 0, 12.5);
    path.quadTo(-7.5, 12.5, -7.5, 25);
    path.lineTo(-7.5, 257);
    path.quadTo(-12.5, 263, -12.5, 267.5);
    path.quadTo(-12.5, 278, 0, 280);
    path.quadTo(12.5, 278, 12.5, 267.5);
    return path;
}

// The lit and the shaded side of the liquid: the same hue, the shade 200 less saturated.
QGradientStops liquidStops(const QColor& color)
{
    QColor lit = color;
    lit.setAlpha(255);
    const QColor shade = QColor::fromHsv(lit.hsvHue(), qMax(0, lit.hsvSaturation() - 200), lit.value());
    return {{0.0, shade}, {1.0, lit}};
}

constexpr int tickCount = 33;
constexpr double firstTickY = 28;
constexpr double tickSpacing = 7;

} // namespace

ZThermometerWidget::ZThermometerWidget(QWidget* parent)
    : ZCMedidorWidget(parent)
{
    setMaximum(80.0);
    setMinimum(0.0);
    setValue(0);
    setNominal(30.0);
    setCritical(60.0);
    setValueOffset(270.0);
    setDigitOffset(10.0);
    setSuffix(QStringLiteral(" [C]"));
    setFontPointSizes(15, 18);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setWindowTitle(tr("Termómetro"));
    resize(200, 200);
}

ZThermometerWidget::~ZThermometerWidget() = default;

ZFont* ZThermometerWidget::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZThermometerWidget::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}

// Both factors follow the height, so the drawing keeps its shape at any width.
void ZThermometerWidget::InitCoordinateSystem(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() * 0.5, 0);
    painter.scale(height() / 300.0, height() / 307.0);
}

void ZThermometerWidget::paintBackground(QPainter& painter)
{
    InitCoordinateSystem(painter);
    paintGlass(painter);
    paintTicks(painter);
    if (digitOffset() != 0)
        paintLabels(painter);
}

void ZThermometerWidget::paintGlass(QPainter& painter)
{
    QLinearGradient glass(-2, 0, 12.5, 0);
    glass.setSpread(QGradient::ReflectSpread);
    glass.setStops({{0.0, QColor(255, 255, 255, 0)}, {1.0, QColor(0, 150, 255, 170)}});
    painter.setPen(Qt::black);
    painter.setBrush(glass);
    painter.drawPath(outlinePath());
}

// Every fourth tick is long and wide, the even ones between are medium, the odd ones short.
void ZThermometerWidget::paintTicks(QPainter& painter)
{
    QPen pen;
    for (int k = 0; k < tickCount; ++k) {
        double width = 1.0;
        double length = 12;
        if (k % 4 != 0) {
            width = 0.75;
            length = 8;
        }
        if (k % 2 != 0) {
            width = 0.5;
            length = 5;
        }
        pen.setWidthF(width);
        painter.setPen(pen);
        const double y = firstTickY + k * tickSpacing;
        painter.drawLine(QLineF(-7, y, length - 7, y));
    }
}

// Labels stand at every fourth tick from the bottom. Their offset below the baseline is a
// quarter of the text's width, which centres short numbers on their tick.
void ZThermometerWidget::paintLabels(QPainter& painter)
{
    painter.setFont(GetFontDigit());
    const QFontMetrics metrics = painter.fontMetrics();
    for (int k = 0; k <= 8; ++k) {
        const double y = firstTickY + (tickCount - 1 - 4 * k) * tickSpacing;
        const QString text = scaleLabelText(k);
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(digitOffset(), y + width * 0.25), text);
    }
}

void ZThermometerWidget::paintForeground(QPainter& painter)
{
    InitCoordinateSystem(painter);
    QColor color = Qt::blue;
    if (value() >= nominal())
        color = QColor(0, 200, 0);
    if (value() >= critical()) {
        color = Qt::red;
        painter.setPen(Qt::red);
    }
    if (valueOffset() != 0)
        paintValueText(painter);
    paintLiquid(painter, color);
}

void ZThermometerWidget::paintValueText(QPainter& painter)
{
    painter.setFont(GetFontValue());
    const QString text = valueText();
    const QSize size = painter.fontMetrics().size(Qt::TextSingleLine, text);
    painter.drawText(QPointF(-(size.width() / 2), size.height() + valueOffset()), text);
}

// The column grows over 224 units of the tube; values off the scale stop at a 5-unit stub below
// and at the full 241-unit tube above (past 1/28 of the range over the maximum).
double ZThermometerWidget::columnHeight() const
{
    const double filled = std::trunc(scaleFraction(value()) * 224);
    if (filled > 231)
        return 241;
    return std::isnan(filled) ? 5 : qMax(filled + 10, 5.0);
}

void ZThermometerWidget::paintLiquid(QPainter& painter, const QColor& color)
{
    const QGradientStops stops = liquidStops(color);
    QLinearGradient column(0, 0, 5, 0);
    column.setSpread(QGradient::ReflectSpread);
    column.setStops(stops);
    QRadialGradient bulb(QPointF(0, 267), 10, QPointF(-5, 262));
    bulb.setSpread(QGradient::ReflectSpread);
    bulb.setStops(stops);

    const double height = columnHeight();
    painter.setPen(Qt::NoPen);
    painter.setBrush(column);
    painter.drawRect(QRectF(-5, 262 - height, 10, height));
    painter.setBrush(bulb);
    painter.drawEllipse(QRectF(-10, 257.5, 20, 20));
}
