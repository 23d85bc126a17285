#include "ncrdbanditem.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int labelPixelSize = 9;

} // namespace

NCRDBandItem::NCRDBandItem(const QDomElement& section, const QString& label, qreal width, qreal height)
{
    setFlag(ItemClipsChildrenToShape);
    setAcceptedMouseButtons(Qt::NoButton);
    // Behind every item, whatever band they belong to.
    setZValue(-1);
    setSection(section, label, width, height);
}

void NCRDBandItem::setSection(const QDomElement& section, const QString& label, qreal width, qreal height)
{
    m_element = section;
    if (label != m_label) {
        m_label = label;
        setToolTip(label);
    }
    if (width != m_width) {
        prepareGeometryChange();
        m_width = width;
    }
    setHeight(height);
    update();
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
    return QRectF(0, 0, m_width, m_height).adjusted(-0.5, -0.5, 0.5, 0.5);
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
    painter->restore();
}

void NCRDBandItem::paintLabel(QPainter* painter, const QRectF& room) const
{
    // The label keeps its size in pixels whatever the zoom.
    const qreal scale = painter->worldTransform().m11();
    if (scale <= 0)
        return;
    painter->save();
    painter->translate(room.topLeft());
    painter->scale(1 / scale, 1 / scale);
    QFont font = painter->font();
    font.setPixelSize(labelPixelSize);
    painter->setFont(font);
    const QRectF shown(0, 0, room.width() * scale, qMax<qreal>(room.height() * scale, labelPixelSize + 3));
    const QString text = QFontMetrics(font).elidedText(m_label, Qt::ElideMiddle, int(shown.width()));
    painter->setPen(QColor(0x6b, 0x75, 0x80));
    painter->drawText(shown, Qt::AlignRight | Qt::AlignTop, text);
    painter->restore();
}
