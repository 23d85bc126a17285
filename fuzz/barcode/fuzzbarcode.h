#pragma once

// Shared checks of the barcode fuzz targets. They paint into QImages only, which needs no
// application object (and so no platform integration that outlives the run).
// Input layout: one byte picks the symbology within the family, three more the zoom, the
// resolution and the target rectangle; the rest is the data in UTF-8, so that characters above
// Latin-1 reach the classes too.

#include <Mirokit/ZCBarCode.h>

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace fuzzbarcode {

constexpr int headerSize = 4;

struct Input {
    int choice = 0;
    int zoomPercent = 100;
    int dpi = 96;
    QRect target;
    QString dato;
};

inline bool readInput(const uint8_t* data, size_t size, Input& input)
{
    if (size < size_t(headerSize))
        return false;
    input.choice = data[0];
    input.zoomPercent = data[1] * 4;
    input.dpi = 72 + data[2] * 2;
    input.target = QRect(7, 3, (data[3] & 0x0F) * 24, (data[3] >> 4) * 4);
    input.dato = QString::fromUtf8(reinterpret_cast<const char*>(data + headerSize), int(size - headerSize));
    return true;
}

inline QImage paint(ZCBarCode& code, const Input& input)
{
    QImage image(400, 70, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(input.dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    code.Draw(&painter, input.target);
    return image;
}

// Drawing twice paints the same pixels, nothing lands outside the target rectangle, and data
// that does not validate paints nothing at all.
inline void checkDrawing(ZCBarCode& code, const Input& input)
{
    code.SetDato(input.dato);
    code.Zoom(input.zoomPercent);
    const bool valid = code.IsDatoOK();
    const QImage first = paint(code, input);
    if (paint(code, input) != first)
        std::abort();
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < first.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            if (line[x] != white && (!valid || !input.target.contains(x, y)))
                std::abort();
        }
    }
}

} // namespace fuzzbarcode
