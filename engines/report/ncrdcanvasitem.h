#pragma once

#include "ncreportitem.h"

#include <QDomElement>
#include <QGraphicsItem>
#include <QPair>
#include <QVector>

class NCRDBandItem;
class NCReportSectionPainter;

/*!
    An item of the report on the designer's page, drawn as it prints: labels and fields in their
    font and alignment (a field shows its expression, in a colour of its own), lines, rectangles
    with their fill, images, and barcodes as the symbol of a sample value. An item that reaches
    out of its band or the page is outlined in red.

    The geometry is the item's (millimetres in its band; a line runs from the rectangle's top
    left to its bottom right corner, so its width and height may be negative); the item sits at
    the top left corner of that rectangle once normalised.
*/
class NCREPORT_EXPORT NCRDCanvasItem : public QGraphicsItem
{
public:
    enum { Type = UserType + 0x5245 };

    NCRDCanvasItem(const QDomElement& element, const NCReportItem& item, NCRDBandItem* band,
                   NCReportSectionPainter* painter);

    int type() const override { return Type; }
    const QDomElement& element() const { return m_element; }
    const NCReportItem& item() const { return m_item; }
    // Shows another item, or the same one read again, in place of the one it showed.
    void setItem(const QDomElement& element, const NCReportItem& item);
    NCRDBandItem* band() const;

    QRectF geometry() const { return m_item.geometry; }
    void setGeometry(const QRectF& geometry);
    // The normalised geometry in scene coordinates.
    QRectF sceneGeometry() const;
    bool isLine() const { return m_item.type == NCReportItem::Line; }
    // Whether part of the item lies outside its band or the page.
    bool isOutside() const;

    // The geometry an item element's attributes give (x y width height, a line's x1 y1 x2 y2);
    // attributes that are missing or no numbers count as 0.
    static QRectF geometryOf(const QDomElement& element);
    // The attributes that write `geometry` on an element of the kind, in millimetres rounded to
    // a hundredth.
    static QVector<QPair<QString, QString>> geometryAttributes(const QString& tag, const QRectF& geometry);
    // `geometry` given the normalised rectangle `rect`, keeping the direction of a line.
    static QRectF withRect(const QRectF& geometry, const QRectF& rect);

    // The text the designer shows: a label's text, a field's expression as a reference.
    static QString displayText(const NCReportItem& item);
    // The data a barcode is drawn with: its references replaced by sample digits.
    static QString sampleBarcodeData(const NCReportItem& item);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    QDomElement m_element;
    NCReportItem m_item;
    NCReportSectionPainter* m_painter;
};
