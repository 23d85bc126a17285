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
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
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
        // One image of the symbol, blended at once: a fill per bar costs a span per pixel row
        // of every bar, which makes narrow bars far slower than their few pixels.
        QImage image(width, inkedHeight, QImage::Format_ARGB32_Premultiplied);
        const size_t rowBytes = size_t(width) * sizeof(QRgb);
        const qsizetype stride = image.bytesPerLine();
        uchar* line = image.bits();
        for (int y = 0; y < inkedHeight; ++y, line += stride) {
            if (y == 0 || y == shortHeight)
                FillRow(reinterpret_cast<QRgb*>(line), y >= shortHeight);
            else
                std::memcpy(line, line - stride, rowBytes);
        }
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter->drawImage(rect.topLeft(), image);
    } else if (inkedHeight > 0) {
        for (const Bar& bar : qAsConst(bars))
            painter->fillRect(QRect(bar.x, rect.y(), bar.width, bar.full ? height : shortHeight), colorBarras);
    }
    bars.clear();
}

void ZCBarCode::FillRow(QRgb* row, bool fullOnly) const
{
    const int width = bars.last().x + bars.last().width - rect.x();
    std::fill_n(row, width, QRgb(0));
    const QRgb ink = qPremultiply(colorBarras.rgba());
    for (const Bar& bar : bars) {
        if (bar.full || !fullOnly)
            std::fill_n(row + (bar.x - rect.x()), bar.width, ink);
    }
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
    painter->save();
    barCode->AjustaResolucion(painter, rect);
}

ZCBarCode::DrawScope::~DrawScope()
{
    barCode->PaintBars(painter);
    painter->restore();
}
