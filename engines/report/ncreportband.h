#pragma once

#include "ncreport_global.h"

#include <QImage>
#include <QString>
#include <QVariant>
#include <QVector>

/*!
    One item of a section as a run printed it: which item of the section (its index), the text
    it printed (a label's text, a field's value in its format, a barcode's data, an image's
    path) and, for a field that is one reference, the value itself (a number stays a number, a
    date a date), for outputs that keep values rather than their printed text. Everything else
    (place, font, colour) is the section item's.
*/
struct NCREPORT_EXPORT NCReportBandItem {
    int item = -1;
    // Index into the band's images, -1 for none.
    int image = -1;
    QString text;
    QVariant value;
};

/*!
    A section as a run printed it on a page: its top, in millimetres from the top of the
    printable area, and the items that printed (those whose condition held). Images are held
    by value: an image printed on many pages is one shared QImage.
*/
struct NCREPORT_EXPORT NCReportBand {
    // Index of the section in the recorded pages; -1 until recorded.
    int section = -1;
    qreal top = 0;
    QVector<NCReportBandItem> items;
    QVector<QImage> images;
};
