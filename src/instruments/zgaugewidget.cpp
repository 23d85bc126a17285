#include "zgaugewidget.h"

#include "zcinstrumentmath_p.h"
#include "zfont.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace {

// The dial is drawn in a square of this many logical units, whatever the widget's size.
constexpr double logicalSize = 335.0;
// The scale sweeps this many degrees; Qt's pie angles count sixteenths of a degree.
constexpr double sweepDegrees = 240.0;
constexpr int sweepSixteenths = 3840;
constexpr int zoneStartSixteenths = -480;

QRadialGradient radial(double radius, const QPointF& focal, const QGradientStops& stops)
{
    QRadialGradient gradient(QPointF(0, 0), radius, focal);
    gradient.setStops(stops);
    return gradient;
}

QRadialGradient faceGradient()
{
    return radial(182, QPointF(-12, -15),
                  {{0.0, Qt::white}, {0.5, QColor(240, 240, 240)}, {1.0, QColor(215, 215, 215)}});
}

// Points down (toward +y) with a rounded tail of 50 units behind the hub.
QPainterPath needlePath()
{
    QPainterPath path;
    path.moveTo(-4, 0);
    path.lineTo(-1, 129);
    path.lineTo(1, 129);
    path.lineTo(4, 0);
    path.lineTo(8, -50);
    path.cubicTo(8.1, -51, 5, -48, 0, -48);
    path.cubicTo(-5, -48, -8.1, -51, -8, -50);
    return path;
}

} // namespace

ZGaugeWidget::ZGaugeWidget(QWidget* parent)
    : ZCMedidorWidget(parent)
{
    setMaximum(300.0);
    setMinimum(0.0);
    setValue(0.0);
    setNominal(80.0);
    setCritical(220.0);
    setValueOffset(-100.0);
    setDigitOffset(105.0);
    setSuffix(QStringLiteral(" [bar]"));
    setFontPointSizes(20, 25);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setWindowTitle(tr("Manómetro"));
    resize(311, 311);
}

ZGaugeWidget::~ZGaugeWidget() = default;

void ZGaugeWidget::SetColorBase(const QColor& color)
{
    setBackgroundField(m_colorBase, color);
}

ZFont* ZGaugeWidget::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZGaugeWidget::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}

void ZGaugeWidget::InitCoordinateSystem(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2, height() / 2);
    const double scale = qMin(width(), height()) / logicalSize;
    painter.scale(scale, scale);
}

void ZGaugeWidget::paintBackground(QPainter& painter)
{
    InitCoordinateSystem(painter);
    paintBezel(painter);
    paintZone(painter, nominal(), QColor(0, 200, 0));
    paintZone(painter, critical(), Qt::red);
    // The face covers the middle of the zones, leaving a ring between radius 129 and 141.
    painter.setBrush(faceGradient());
    painter.drawEllipse(-129, -129, 258, 258);
    painter.rotate(60);
    paintTicks(painter);
    if (digitOffset() != 0) {
        painter.rotate(-60);
        paintLabels(painter);
    }
}

void ZGaugeWidget::paintBezel(QPainter& painter)
{
    const QPen blackPen(Qt::black, 4);
    painter.setPen(blackPen);
    painter.setBrush(radial(180, QPointF(-35, 145), {{0.0, QColor(250, 250, 250)}, {1.0, m_colorBase}}));
    painter.drawEllipse(-162, -162, 324, 324);
    painter.setPen(Qt::NoPen);
    painter.setBrush(radial(225, QPointF(76.5, 135), {{0.0, m_colorBase}, {1.0, QColor(250, 250, 250)}}));
    painter.drawEllipse(-152, -152, 304, 304);
    painter.setPen(blackPen);
    painter.setBrush(faceGradient());
    painter.drawEllipse(-142, -142, 284, 284);
    painter.setPen(Qt::NoPen);
}

// A zone runs from its start value to the end of the scale; a start off the scale draws none.
void ZGaugeWidget::paintZone(QPainter& painter, double from, const QColor& color)
{
    if (!(scaleMinimum() <= from && from < scaleMaximum()))
        return;
    const int skipped = ZCInstrumentMath::truncatedToInt(scaleFraction(from) * sweepSixteenths);
    painter.setBrush(color);
    painter.drawPie(-141, -141, 282, 282, zoneStartSixteenths, sweepSixteenths - skipped);
}

// Every fourth of the 33 ticks is a triangle under a label; the ones between are long or short.
void ZGaugeWidget::paintTicks(QPainter& painter)
{
    painter.save();
    painter.setBrush(Qt::black);
    const QPolygonF triangle({QPointF(-6, 141), QPointF(6, 141), QPointF(0, 129)});
    for (int j = 0; j <= 32; ++j) {
        if (j % 4 == 0) {
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(triangle);
        } else {
            painter.setPen(QPen(Qt::black, 3));
            painter.drawLine(QLineF(0, 140, 0, 140 - (j % 4 == 2 ? 10 : 5)));
        }
        painter.rotate(sweepDegrees / 32);
    }
    painter.restore();
}

void ZGaugeWidget::paintLabels(QPainter& painter)
{
    painter.setPen(Qt::black);
    painter.setFont(GetFontDigit());
    const QFontMetrics metrics = painter.fontMetrics();
    for (int i = 0; i <= 8; ++i) {
        const QString text = scaleLabelText(i);
        const QSize size = metrics.size(Qt::TextSingleLine, text);
        const double angle = (i + 5) * M_PI / 6;
        painter.save();
        painter.translate(std::cos(angle) * digitOffset(), std::sin(angle) * digitOffset());
        painter.drawText(QPointF(-size.width() * 0.5, size.height() * 0.25), text);
        painter.restore();
    }
}

void ZGaugeWidget::paintForeground(QPainter& painter)
{
    InitCoordinateSystem(painter);
    paintNeedle(painter);
    if (valueOffset() != 0)
        paintValueText(painter);
}

void ZGaugeWidget::paintNeedle(QPainter& painter)
{
    static const QPainterPath needle = needlePath();
    double angle = scaleFraction(value()) * sweepDegrees;
    if (!std::isfinite(angle))  // an infinite value pegs the needle just past the end
        angle = angle > 0 ? sweepDegrees + 30 : -30;
    painter.save();
    painter.rotate(60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.rotate(angle);
    painter.drawPath(needle);
    painter.drawEllipse(-10, -10, 20, 20);
    painter.restore();
}

void ZGaugeWidget::paintValueText(QPainter& painter)
{
    if (value() >= critical())
        painter.setPen(Qt::red);
    painter.setFont(GetFontValue());
    const QString text = valueText();
    const int width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(QPointF(-width * 0.5, ZCInstrumentMath::truncatedToInt(-valueOffset())), text);
}
