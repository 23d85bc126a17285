#include "zcframecolor.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr qreal heightPerWidth = 0.8;
// Characters kept back for the ellipsis when a caption is shortened.
constexpr int ellipsisRoom = 2;

} // namespace

ZCFrameColor::ZCFrameColor(QWidget* parent)
    : QFrame(parent)
    , m_font(font())
{
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

ZCFrameColor::~ZCFrameColor() = default;

void ZCFrameColor::setColorFondo(const QColor& color)
{
    m_colorFondo = color;
    setRoleColor(backgroundRole(), color);
}

QColor ZCFrameColor::getColorFondo() const
{
    return palette().color(backgroundRole());
}

void ZCFrameColor::setColorTexto(const QColor& color)
{
    m_colorTexto = color;
    setRoleColor(foregroundRole(), color);
}

QColor ZCFrameColor::getColorTexto() const
{
    return palette().color(foregroundRole());
}

void ZCFrameColor::setRoleColor(QPalette::ColorRole role, const QColor& color)
{
    if (palette().color(role) == color)
        return;
    QPalette changed = palette();
    changed.setColor(role, color);
    setPalette(changed);
}

void ZCFrameColor::restoreChosenColors()
{
    if (m_colorFondo.isValid())
        setRoleColor(backgroundRole(), m_colorFondo);
    if (m_colorTexto.isValid())
        setRoleColor(foregroundRole(), m_colorTexto);
}

bool ZCFrameColor::event(QEvent* event)
{
    const bool handled = QFrame::event(event);
    // The style (a style sheet's above all) has just set its palette on the widget.
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
        restoreChosenColors();
    return handled;
}

void ZCFrameColor::setTexto(const QString& texto, Qt::Orientation orientation)
{
    if (texto == m_texto && orientation == m_orientation)
        return;
    m_texto = texto;
    m_orientation = orientation;
    update();
}

void ZCFrameColor::setFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    update();
}

int ZCFrameColor::heightForWidth(int width) const
{
    return int(width * heightPerWidth);
}

QString ZCFrameColor::fittedCaption(int room, int digitWidth) const
{
    if (digitWidth == 0 || QFontMetrics(m_font).horizontalAdvance(m_texto) <= room)
        return m_texto;
    // On a swatch narrower than the ellipsis the count goes negative; QString::left() would
    // then hand back the whole caption.
    const int kept = qMax(0, room / digitWidth - ellipsisRoom);
    return m_texto.left(kept) + QStringLiteral("...");
}

void ZCFrameColor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(backgroundRole()));
    painter.setFont(m_font);
    painter.setPen(getColorTexto());

    const QFontMetrics metrics(m_font);
    const int digitHeight = metrics.boundingRect(QLatin1Char('0')).height();
    const int digitWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    const int half = digitWidth / 2;
    if (m_orientation == Qt::Horizontal) {
        painter.drawText(half, digitHeight, fittedCaption(width(), digitWidth));
    } else {
        painter.save();
        painter.translate(digitHeight + half, height() - half);
        painter.rotate(-90);
        painter.drawText(0, 0, fittedCaption(height(), digitWidth));
        painter.restore();
    }

    QPen frame(Qt::gray);
    frame.setCosmetic(true);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
