#pragma once

#include "ncreport_global.h"

#include <QDomElement>
#include <QGraphicsItem>

/*!
    A section of the report on the designer's page: a band as wide as the printable area and as
    tall as the section, labelled with its kind and id (the canvas paints the labels beside the
    paper), holding the section's items as children
    (clipped to the band, so that an item reaching out of it shows only its part inside). The
    band's lower edge is dragged to change its height; the canvas does that.
*/
class NCREPORT_EXPORT NCRDBandItem : public QGraphicsItem
{
public:
    enum { Type = UserType + 0x5244 };

    NCRDBandItem(const QDomElement& section, const QString& label, qreal width, qreal height);

    int type() const override { return Type; }
    const QDomElement& element() const { return m_element; }
    // Shows another section, or the same one read again, in place of the one it showed.
    void setSection(const QDomElement& section, const QString& label, qreal width, qreal height);
    QString label() const { return m_label; }

    qreal width() const { return m_width; }
    qreal height() const { return m_height; }
    void setHeight(qreal height);
    // The band in its own coordinates (millimetres): what its items are placed in.
    QRectF rect() const { return QRectF(0, 0, m_width, m_height); }
    QRectF sceneRect() const { return rect().translated(pos()); }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    // Paints the label right-aligned at the top of `room` (scene coordinates, beside the paper:
    // the canvas keeps a strip for the labels there), shortened to fit.
    void paintLabel(QPainter* painter, const QRectF& room) const;

private:
    QDomElement m_element;
    QString m_label;
    qreal m_width = 0;
    qreal m_height = 0;
};
