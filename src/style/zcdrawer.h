#pragma once

#include "mirokit_global.h"
#include "zcbarcode.h"

#include <QBrush>
#include <QPen>
#include <QRect>
#include <QSize>

class QImage;
class QPainter;
class QPixmap;
class QRectF;
class QString;

/*!
    Static painting helpers for images, pixmaps, simple figures and text, for the library's
    widgets and for hosts that paint their own. Every Draw function leaves the painter as it
    found it (clip, transform, pen, brush, font); a non-null `clip` is intersected with the
    painter's clip for the duration of the call.
*/
class MIROKIT_EXPORT ZCDrawer
{
public:
    // How an image or pixmap is fitted into a rectangle.
    enum EMIAspectoDibujoGeneric {
        AspectoNatural = 0,          // natural size, centred
        AspectoEstirado = 1,         // scaled to the rectangle, aspect ignored
        AspectoReducido = 2,         // aspect kept, scaled down to fit but never up
        AspectoProporcional = 3,     // aspect kept, scaled to fit
        AspectoMosaico = 4,          // tiled over the rectangle
        AspectoSuperiorIzquierda = 5 // natural size, at the top-left corner
    };

    enum ETipoDeFigura {
        FiguraLineaHorizontal = 0,
        FiguraLineaVertical = 1,
        FiguraRectangulo = 2,
        FiguraRectanguloRedondeado = 3,
        FiguraElipse = 4
    };

    // The type codes of the barcode classes (0 EAN-13 ... 8 Code 11), shared with them.
    using EMITipoBarCode = ::EMITipoBarCode;

    ZCDrawer() = default;
    virtual ~ZCDrawer();

    static void DrawImage(QPainter* painter, const QRect& rect, EMIAspectoDibujoGeneric aspecto,
                          const QImage& image, const QRectF* clip = nullptr);
    static void DrawPixmap(QPainter* painter, const QRect& rect, EMIAspectoDibujoGeneric aspecto,
                           const QPixmap& pixmap, const QRectF* clip = nullptr);
    static void DrawPixmapHdpi(QPainter* painter, const QRect& rect, EMIAspectoDibujoGeneric aspecto,
                               const QPixmap& pixmap, const QRectF* clip = nullptr);
    static void DrawFigura(QPainter* painter, ETipoDeFigura tipo, const QRect& rect,
                           const QColor& colorLinea, const QColor& colorRelleno, int anchoLinea,
                           const QRectF* clip = nullptr);
    // Paints nothing when the text is not valid data for the symbology.
    static void DrawBarCode(QPainter* painter, EMITipoBarCode tipo, int zoom, const QString& text,
                            const QRect& rect, const QRectF* clip = nullptr);
    static void DrawTextW(QPainter* painter, const QString& text, const QRect& rect, int flags,
                          const QRectF* clip = nullptr);
    static void DrawTextDocument(QPainter* painter, const QString& html, const QRect& rect,
                                 const QRectF* clip = nullptr);

    // Scale to `size` logical pixels at the application's device pixel ratio; `bounded` never
    // scales beyond the source's own pixel size.
    static void ScaleImageHdpi(const QImage& source, QImage& target, const QSize& size,
                               Qt::AspectRatioMode aspecto, bool bounded);
    static void ScalePixmapHdpi(const QPixmap& source, QPixmap& target, const QSize& size,
                                Qt::AspectRatioMode aspecto, bool bounded);
    // For pixmaps painted at twice the size they are shown at.
    static void ScalePixmapDunmar(QPixmap& pixmap, Qt::AspectRatioMode aspecto, bool bounded);

    // Sets pen, background and background mode, handing back the previous ones where asked.
    static void SetColores(QPainter* painter, const QPen& pen, const QBrush& background,
                           Qt::BGMode mode, QPen* oldPen = nullptr, QBrush* oldBackground = nullptr,
                           Qt::BGMode* oldMode = nullptr);
};
