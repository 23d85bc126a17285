#pragma once

#include "ncreport_global.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

/*!
    The hook through which the engine paints barcodes. The engine has no symbologies of its
    own: the library that links it installs a painter at load time (Mirokit installs its barcode
    classes), so the engine depends on nothing above it. Without one, or when the painter
    refuses the data, a frame with the data is painted in the barcode's place.

    Type codes are the painter's; Mirokit's are 0 EAN-13, 1 EAN-8, 2 UPC-A, 3 Code 39,
    4 Code 39 extended, 5 Interleaved 2 of 5, 6 Codabar, 7 Code 128, 8 Code 11.
*/
class NCREPORT_EXPORT NCReportBarcodePainter
{
public:
    // Paints `data` as a symbol of `type` into `rect` (device pixels); false when it cannot.
    using PaintFunction = bool (*)(QPainter* painter, const QRect& rect, int type, const QString& data,
                                   const QColor& color);

    static void install(PaintFunction function);
    static PaintFunction installed();

    static void paint(QPainter* painter, const QRectF& rect, int type, const QString& data, const QColor& color);
};
