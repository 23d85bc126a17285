#include "zcbarcode.h"

#include "zcbarcode11.h"
#include "zcbarcode128.h"
#include "zcbarcode39ext.h"
#include "zcbarcodecodabar.h"
#include "zcbarcodeean13.h"
#include "zcbarcodeean8.h"
#include "zcbarcodeinterleaved25.h"
#include "zcbarcodeupc.h"

#include <QImage>
#include <QPaintEngine>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const char* const typeNames[] = {
    QT_TRANSLATE_NOOP("ZCBarCode", "Ean13"),         QT_TRANSLATE_NOOP("ZCBarCode", "Ean8"),
    QT_TRANSLATE_NOOP("ZCBarCode", "UPC"),           QT_TRANSLATE_NOOP("ZCBarCode", "Code39"),
    QT_TRANSLATE_NOOP("ZCBarCode", "Code39ext"),     QT_TRANSLATE_NOOP("ZCBarCode", "Interleaved25"),
    QT_TRANSLATE_NOOP("ZCBarCode", "Codabar"),       QT_TRANSLATE_NOOP("ZCBarCode", "Code128"),
    QT_TRANSLATE_NOOP("ZCBarCode", "Code11")};
constexpr int typeCount = int(sizeof(typeNames) / sizeof(typeNames[0]));

// Far wider than any device, small enough that module arithmetic stays inside an int.
constexpr qint64 maximumModulePx = 1 << 20;

// Larger symbols are painted bar by bar rather than through an image of their size.
constexpr qint64 maximumImagePixels = 1 << 20;

// Rows left free under short bars: about 1.2 mm, a twenty-first of an inch.
constexpr int shortBandDivisor = 21;

// Puts the ink of a prepared row over the pixels of a line; transparent ink (a space) leaves
// the pixel underneath. Four pixels at a time where the compiler offers vectors: over a background
// that is not plain, every line of every symbol goes through here.
void overlayRow(QRgb* line, const QRgb* ink, int count)
{
    int x = 0;
#if defined(__GNUC__)
    using Pixels = quint32 __attribute__((vector_size(16)));
    constexpr int perVector = int(sizeof(Pixels) / sizeof(QRgb));
    for (; x + perVector <= count; x += perVector) {
        Pixels pixels;
        Pixels bars;
        std::memcpy(&pixels, line + x, sizeof(Pixels));
        std::memcpy(&bars, ink + x, sizeof(Pixels));
        const auto space = reinterpret_cast<Pixels>(bars == 0);
        pixels = (pixels & space) | bars;
        std::memcpy(line + x, &pixels, sizeof(Pixels));
    }
#endif
    for (; x < count; ++x) {
        if (ink[x])
            line[x] = ink[x];
    }
}

} // namespace

ZCBarCode::ZCBarCode(int tipo, int longitud)
    : tipo(tipo)
    , longitud(longitud)
{
}

ZCBarCode::~ZCBarCode() = default;

bool ZCBarCode::IsDatoOK() const
{
    return longitud == 0 || dato.size() == longitud;
}

void ZCBarCode::SetDato(const QString& value)
{
    dato = value;
}

void ZCBarCode::SetColorBarras(const QColor& color)
{
    colorBarras = color;
}

void ZCBarCode::Zoom(int percent)
{
    moduleMils = int(qint64(percent) * 12 / 100);
}

QString ZCBarCode::GetDescripcionTipo() const
{
    return GetDescripcionTipo(tipo);
}

QString ZCBarCode::GetDescripcionTipo(int tipo)
{
    if (tipo < 0 || tipo >= typeCount)
        return QString();
    return tr(typeNames[tipo]);
}

std::unique_ptr<ZCBarCode> ZCBarCode::Create(int tipo)
{
    switch (tipo) {
    case BarCodeEan13:
        return std::make_unique<ZCBarCodeEan13>();
    case BarCodeEan8:
        return std::make_unique<ZCBarCodeEan8>();
    case BarCodeUPC:
        return std::make_unique<ZCBarCodeUPC>();
    case BarCode39:
        return std::make_unique<ZCBarCode39>();
    case BarCode39Ext:
        return std::make_unique<ZCBarCode39Ext>();
    case BarCodeInterleaved25:
        return std::make_unique<ZCBarCodeInterleaved25>();
    case BarCodeCodabar:
        return std::make_unique<ZCBarCodeCodabar>();
    case BarCode128:
        return std::make_unique<ZCBarCode128>();
    case BarCode11:
        return std::make_unique<ZCBarCode11>();
    default:
        return nullptr;
    }
}

void ZCBarCode::AjustaResolucion(QPainter* painter, const QRect& target)
{
    const QPaintDevice* device = painter->device();
    const int dpiX = device ? device->logicalDpiX() : 96;
    const int dpiY = device ? device->logicalDpiY() : 96;
    const qint64 px = (qint64(moduleMils) * dpiX + 500) / 1000;
    modulePx = int(qBound<qint64>(1, px, maximumModulePx));
    // The bars cover every pixel row of the rectangle; short bars leave a band free at the
    // bottom, but never reach above the top when the rectangle is lower than that band.
    height = qMax(0, target.height());
    shortHeight = qMax(0, height - dpiY / shortBandDivisor);
    origin = target.topLeft();
    rect = target;
    bars.clear();
}

void ZCBarCode::DrawBar(QPainter* painter, bool full)
{
    DrawElement(painter, 1, true, full);
}

void ZCBarCode::DesplazaOrigenOneBar()
{
    DrawElement(nullptr, 1, false, false);
}

void ZCBarCode::DrawElement(QPainter*, int modules, bool bar, bool full)
{
    // 64-bit arithmetic: data of any length on any rectangle must not overflow the position.
    const qint64 right = qint64(rect.x()) + qMax(0, rect.width());
    const qint64 x = origin.x();
    const qint64 end = x + qint64(modules) * modulePx;
    if (bar && x < right) {
        // Whole modules only: the division is left for the one element that crosses the edge.
        const qint64 fitting = end <= right ? modules : (right - x) / modulePx;
        if (fitting > 0)
            bars.append({int(x), int(fitting * modulePx), full});
    }
    // Once past the right edge nothing more is drawn; the position stops there.
    origin.setX(int(qMin(right, end)));
}

// The bars are filled rectangles rather than stroked lines: a pen as wide as a module would put
// half of it left of the bar's position, and its caps above and below the rectangle.
void ZCBarCode::PaintBars(QPainter* painter)
{
    if (bars.isEmpty())
        return;
    const int width = bars.last().x + bars.last().width - rect.x();
    const bool anyFull = std::any_of(bars.cbegin(), bars.cend(), [](const Bar& bar) { return bar.full; });
    const int inkedHeight = anyFull ? height : shortHeight;
    if (inkedHeight > 0 && qint64(width) * inkedHeight <= maximumImagePixels) {
        // A fill per bar costs a span per pixel row of every bar, which makes narrow bars far
        // slower than their few pixels: the rows are prepared once and laid down whole.
        FillRows(width);
        if (!OverlayOnImage(painter, width, inkedHeight))
            DrawAsImage(painter, width, inkedHeight);
    } else if (inkedHeight > 0) {
        for (const Bar& bar : qAsConst(bars))
            painter->fillRect(QRect(bar.x, rect.y(), bar.width, bar.full ? height : shortHeight), colorBarras);
    }
    bars.clear();
}

void ZCBarCode::FillRows(int width)
{
    // The row of the full height (every bar) and, after it, the row under the short bars.
    rows.fill(QRgb(0), 2 * width);
    const QRgb ink = qPremultiply(colorBarras.rgba());
    for (const Bar& bar : qAsConst(bars)) {
        const int offset = bar.x - rect.x();
        std::fill_n(rows.data() + offset, bar.width, ink);
        if (bar.full)
            std::fill_n(rows.data() + width + offset, bar.width, ink);
    }
}

const QRgb* ZCBarCode::RowAt(int y, int width) const
{
    return rows.constData() + (y < shortHeight ? 0 : width);
}

void ZCBarCode::DrawAsImage(QPainter* painter, int width, int inkedHeight) const
{
    QImage image(width, inkedHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < inkedHeight; ++y)
        std::memcpy(image.scanLine(y), RowAt(y, width), size_t(width) * sizeof(QRgb));
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(rect.topLeft(), image);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

// Labels are mostly printed from images: when the painter draws on one of 32-bit pixels with
// nothing in between (no scaling, rotation, device pixel ratio or clip, full opacity, opaque ink
// painted over), the bars go straight into its pixels, as the raster engine would put them.
bool ZCBarCode::OverlayOnImage(QPainter* painter, int width, int inkedHeight)
{
    QPaintDevice* device = painter->device();
    const QPaintEngine* engine = painter->paintEngine();
    // The engine must paint on the image itself, with no clip of the system's (a redirection).
    if (!device || device->devType() != QInternal::Image || !engine || engine->type() != QPaintEngine::Raster
        || engine->paintDevice() != device || !engine->systemClip().isEmpty())
        return false;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied)
        return false;
    // A shared image would detach on writing, away from the pixels the painter paints on.
    if (!image->isDetached() || image->devicePixelRatio() != 1.0 || painter->hasClipping()
        || painter->opacity() != 1.0 || painter->compositionMode() != QPainter::CompositionMode_SourceOver
        || colorBarras.alpha() != 255)
        return false;
    const QTransform transform = painter->combinedTransform();
    if (transform.type() > QTransform::TxTranslate)
        return false;
    const qreal dx = transform.dx();
    const qreal dy = transform.dy();
    const auto wholeOffset = [](qreal offset) { return std::floor(offset) == offset && std::abs(offset) < 1e15; };
    if (!wholeOffset(dx) || !wholeOffset(dy))
        return false;

    // In 64 bits: the rectangle and the translation may each be anywhere an int reaches.
    const qint64 left = rect.x() + qint64(dx);
    const qint64 top = rect.y() + qint64(dy);
    const qint64 firstX = qMax<qint64>(left, 0);
    const qint64 firstY = qMax<qint64>(top, 0);
    const qint64 endX = qMin<qint64>(left + width, image->width());
    const qint64 endY = qMin<qint64>(top + inkedHeight, image->height());
    if (firstX >= endX || firstY >= endY)
        return true;

    const int count = int(endX - firstX);
    const size_t lineBytes = size_t(count) * sizeof(QRgb);
    uchar* const bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    const auto lineAt = [&](qint64 y) { return reinterpret_cast<QRgb*>(bits + y * stride) + firstX; };
    const auto isShort = [&](qint64 y) { return y - top >= shortHeight; };
    const auto inkAt = [&](qint64 y) { return RowAt(int(y - top), width) + (firstX - left); };

    // Labels sit on plain backgrounds: a line equal to the first one gets the first one's result
    // by a comparison and a copy instead of a blend per pixel.
    plainLines.resize(3 * count);
    QRgb* const background = plainLines.data();
    QRgb* const result[2] = {background + count, background + 2 * count};
    std::memcpy(background, lineAt(firstY), lineBytes);
    for (const bool shortLine : {false, true}) {
        std::memcpy(result[shortLine], background, lineBytes);
        overlayRow(result[shortLine], RowAt(shortLine ? shortHeight : 0, width) + (firstX - left), count);
    }
    for (qint64 y = firstY; y < endY; ++y) {
        QRgb* const line = lineAt(y);
        if (std::memcmp(line, background, lineBytes) == 0)
            std::memcpy(line, result[isShort(y)], lineBytes);
        else
            overlayRow(line, inkAt(y), count);
    }
    return true;
}

void ZCBarCode::DrawWidths(QPainter* painter, const char* widths, bool full)
{
    bool bar = true;
    for (const char* width = widths; *width; ++width) {
        DrawElement(painter, *width - '0', bar, full);
        bar = !bar;
    }
}

void ZCBarCode::DrawWideNarrow(QPainter* painter, int bits, int count, bool full)
{
    bool bar = true;
    for (int bit = count - 1; bit >= 0; --bit) {
        DrawElement(painter, (bits >> bit) & 1 ? 3 : 1, bar, full);
        bar = !bar;
    }
}

int ZCBarCode::DigitValue(QChar ch)
{
    const ushort code = ch.unicode();
    return code >= '0' && code <= '9' ? code - '0' : -1;
}

ZCBarCode::DrawScope::DrawScope(ZCBarCode* barCode, QPainter* painter, const QRect& rect)
    : barCode(barCode)
    , painter(painter)
{
    barCode->AjustaResolucion(painter, rect);
}

ZCBarCode::DrawScope::~DrawScope()
{
    barCode->PaintBars(painter);
}
