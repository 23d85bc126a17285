#pragma once

#include "ncreportvalueformat.h"

#include <QColor>
#include <QRectF>
#include <QString>

/*!
    One thing drawn in a section: a label, a field, a line, a rectangle, an image or a barcode.
    Geometry is in millimetres from the section's top left corner; a line runs from the
    rectangle's top left to its bottom right corner. A plain description, copied freely.
*/
struct NCREPORT_EXPORT NCReportItem {
    enum ItemType { Label, Field, Line, Rectangle, Image, Barcode };

    // Where the text of a field, image or barcode comes from.
    enum SourceType {
        Static = 0,      // the text itself
        DataSource = 1,  // a data-source expression without "$D{" and "}": "source.column"
        Parameter = 2,   // the name of a report parameter
        Variable = 3,    // the name of a report variable
        Template = 4     // text with $D{...}, $P{...} and $V{...} references replaced in place
    };

    ItemType type = Label;
    SourceType sourceType = Static;
    QRectF geometry;
    // Label text, field or barcode expression, image file or resource.
    QString text;
    QString fontFamily;
    qreal fontPointSize = 10;
    bool bold = false;
    bool italic = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;
    // Lines and rectangle borders, in millimetres; 0 is the thinnest line the device draws.
    qreal lineWidth = 0;
    QColor fillColor;
    // A barcode's symbology, by the type codes of the barcode painter.
    int barcodeType = 7;
    // How the values of a field's references print.
    NCReportValueFormat format;
    // A condition (see NCReportEvaluator::evaluateCondition): the item prints only where it
    // holds; empty prints always.
    QString printWhen;
};
