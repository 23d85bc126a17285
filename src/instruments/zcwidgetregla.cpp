#include "zcwidgetregla.h"

#include <QPainter>
#include <QRubberBand>

#include <cmath>

namespace {

constexpr int tickSpacing = 6;
constexpr int ticksPerNumber = 16;
constexpr int thickness = 25;

} // namespace

ZCWidgetRegla::ZCWidgetRegla(QWidget* parent)
    : ZCWidgetRegla(Qt::Horizontal, parent)
{
}

ZCWidgetRegla::ZCWidgetRegla(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void ZCWidgetRegla::MarcaRect(const QRect& rect)
{
    if (!m_mark)
        m_mark = new QRubberBand(QRubberBand::Rectangle, this);
    if (m_orientation == Qt::Horizontal)
        m_mark->setGeometry(rect.x(), 0, rect.width(), height());
    else
        m_mark->setGeometry(0, rect.y(), width(), rect.height());
    m_mark->show();
}

void ZCWidgetRegla::LimpiaMarcas()
{
    if (m_mark)
        m_mark->hide();
}

QSize ZCWidgetRegla::sizeHint() const
{
    QSize hint = QWidget::sizeHint();
    if (m_orientation == Qt::Horizontal)
        hint.setHeight(thickness);
    else
        hint.setWidth(thickness);
    return hint;
}

void ZCWidgetRegla::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    const int across = horizontal ? height() : width();
    const double longest = across - 4;
    const int digitHeight = painter.fontMetrics().boundingRect(QLatin1Char('0')).height();

    QVector<QLineF> ticks;
    ticks.reserve(length / tickSpacing + 1);
    for (int i = 0, p = 0; p < length; ++i, p += tickSpacing) {
        double tick = 0.3 * longest;
        if (i % ticksPerNumber == 0) {
            tick = longest;
            drawNumber(painter, p, i / ticksPerNumber, digitHeight);
        } else if (i % 8 == 0) {
            tick = 0.7 * longest;
        } else if (i % 4 == 0) {
            tick = 0.5 * longest;
        }
        const double base = across - 2;
        ticks << (horizontal ? QLineF(p, base, p, base - tick) : QLineF(base, p, base - tick, p));
    }
    painter.drawLines(ticks);
}

void ZCWidgetRegla::drawNumber(QPainter& painter, int position, int number, int digitHeight) const
{
    const QString text = QString::number(number);
    const QFontMetrics metrics = painter.fontMetrics();
    if (m_orientation == Qt::Horizontal) {
        const int x = int(std::trunc(position + metrics.horizontalAdvance(QLatin1Char('0')) / 2.0));
        painter.drawText(QPoint(x, digitHeight + 2), text);
        return;
    }
    painter.save();
    painter.translate(digitHeight + 2, std::trunc(position + 2 + metrics.horizontalAdvance(text)));
    painter.rotate(-90);
    painter.drawText(QPoint(0, 0), text);
    painter.restore();
}
