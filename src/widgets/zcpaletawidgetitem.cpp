#include "zcpaletawidgetitem.h"

#include "zcpaletawidget.h"

#include <QMouseEvent>
#include <QPainter>

ZCPaletaWidgetItem::ZCPaletaWidgetItem(ZCPaletaWidget* palette, const QColor& color)
    : QFrame(palette)
    , m_palette(palette)
    , m_color(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int size = palette ? palette->getSizeCelda() : 0;
    if (size > 0)
        setFixedSize(size, size);
}

ZCPaletaWidgetItem::~ZCPaletaWidgetItem() = default;

QColor ZCPaletaWidgetItem::getColor() const
{
    return m_color;
}

void ZCPaletaWidgetItem::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ZCPaletaWidgetItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // The checkerboard shows through translucent colours.
    const QColor lightGrey(0xcc, 0xcc, 0xcc);
    painter.fillRect(0, 0, w / 2, h / 2, Qt::white);
    painter.fillRect(w / 2, 0, w - w / 2, h / 2, lightGrey);
    painter.fillRect(0, h / 2, w / 2, h - h / 2, lightGrey);
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::white);
    painter.fillRect(rect(), m_color);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(0, 0, w - 1, h - 1);
    if (!m_palette || m_palette->getItemSelected() != this)
        return;
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(1, 1, w - 3, h - 3);
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(2, 2, w - 5, h - 5);
}

void ZCPaletaWidgetItem::mousePressEvent(QMouseEvent* event)
{
    if (!m_palette || event->button() != Qt::LeftButton)
        return QFrame::mousePressEvent(event);
    m_palette->setItemSelected(this);
}

// As with a button, a press dragged off the swatch before release picks nothing.
void ZCPaletaWidgetItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_palette || event->button() != Qt::LeftButton || !rect().contains(event->pos()))
        return QFrame::mouseReleaseEvent(event);
    m_palette->pick(m_color);
}

// The first click already picked the colour; the second one must not pick it again.
void ZCPaletaWidgetItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
void ZCPaletaWidgetItem::enterEvent(QEvent* event)
#else
void ZCPaletaWidgetItem::enterEvent(QEnterEvent* event)
#endif
{
    if (m_palette)
        m_palette->hover(this);
    QFrame::enterEvent(event);
}
