#pragma once

// Rendering helpers shared by the barcode tests: draw a symbol into an image at a chosen
// resolution and read the bars of one pixel row back as a string of modules.

#include <Mirokit/ZCBarCode.h>

#include <QImage>
#include <QPainter>

namespace barcodetest {

// At 96 DPI the default 12-mil module is exactly one pixel wide.
constexpr int onePixelDpi = 96;

inline QImage blankImage(const QSize& size, int dpi)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

inline QImage render(ZCBarCode& code, const QSize& size, int dpi, const QRect& target)
{
    QImage image = blankImage(size, dpi);
    QPainter painter(&image);
    code.Draw(&painter, target);
    return image;
}

inline QImage render(ZCBarCode& code, const QSize& size, int dpi = onePixelDpi)
{
    return render(code, size, dpi, QRect(QPoint(0, 0), size));
}

inline bool isInk(QRgb pixel)
{
    return pixel != qRgb(255, 255, 255);
}

// '1' for each module whose first pixel on row y is painted, '0' otherwise; trailing spaces
// are dropped because they cannot be told apart from the background.
inline QString rowModules(const QImage& image, int y, int modulePx = 1)
{
    QString modules;
    for (int x = 0; x < image.width(); x += modulePx)
        modules += isInk(image.pixel(x, y)) ? QLatin1Char('1') : QLatin1Char('0');
    while (modules.endsWith(QLatin1Char('0')))
        modules.chop(1);
    return modules;
}

inline QString modulesOf(ZCBarCode& code)
{
    return rowModules(render(code, QSize(3000, 20)), 0);
}

inline bool isBlank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y)))
                return false;
        }
    }
    return true;
}

inline std::unique_ptr<ZCBarCode> create(int tipo, const QString& dato)
{
    std::unique_ptr<ZCBarCode> code = ZCBarCode::Create(tipo);
    if (code)
        code->SetDato(dato);
    return code;
}

} // namespace barcodetest
