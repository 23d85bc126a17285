#include "ncrdbanditem.h"

#include <QPainter>

namespace {

// Room kept for the label of a band too low to show it; the label reaches into the next band.
constexpr qreal labelRoom = 3.5;  // millimetres
constexpr int labelPixelSize = 10;

} // namespace

NCRDBandItem::NCRDBandItem(const QDomElement& section, const QString& label, qreal width, qreal height)
    : m_element(section)
    , m_label(label)
    , m_width(width)
    , m_height(qMax<qreal>(0, height))
{
    setFlag(ItemClipsChildrenToShape);
    setAcceptedMouseButtons(Qt::NoButton);
    setToolTip(label);
    // Behind every item, whatever band they belong to.
    setZValue(-1);
}

void NCRDBandItem::setHeight(qreal height)
{
    height = qMax<qreal>(0, height);
    if (qFuzzyCompare(height + 1, m_height + 1))
        return;
    prepareGeometryChange();
    m_height = height;
}

QRectF NCRDBandItem::boundingRect() const
{
    return QRectF(0, 0, m_width, qMax(m_height, labelRoom)).adjusted(-0.5, -0.5, 0.5, 0.5);
}

QPainterPath NCRDBandItem::shape() const
{
    QPainterPath path;
    path.addRect(rect());
    return path;
}

void NCRDBandItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    QPen edge(QColor(0x9e, 0xa7, 0xb3), 0, Qt::DashLine);
    painter->setPen(edge);
    painter->drawLine(QPointF(0, m_height), QPointF(m_width, m_height));
    // The label keeps its size in pixels whatever the zoom.
    const qreal scale = painter->worldTransform().m11();
    if (scale > 0) {
        painter->setClipRect(boundingRect());
        painter->scale(1 / scale, 1 / scale);
        QFont font = painter->font();
        font.setPixelSize(labelPixelSize);
        painter->setFont(font);
        painter->setPen(QColor(0x80, 0x8a, 0x96));
        painter->drawText(QRectF(3, 1, m_width * scale - 6, labelPixelSize + 4), Qt::AlignLeft | Qt::AlignTop, m_label);
    }
    painter->restore();
}
