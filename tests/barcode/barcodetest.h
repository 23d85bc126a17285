#pragma once

// Draw a symbol into an image and read the bars of one pixel row back as a string of modules.

#include <Mirokit/ZCBarCode.h>

#include <QImage>
#include <QPainter>

namespace barcodetest {

inline QImage blankImage(const QSize& size, int dpi)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

// At 96 DPI the default 12-mil module is exactly one pixel wide.
inline QImage render(ZCBarCode& code, const QSize& size, int dpi = 96, const QRect& target = QRect())
{
    QImage image = blankImage(size, dpi);
    QPainter painter(&image);
    code.Draw(&painter, target == QRect() ? image.rect() : target);
    return image;
}

inline bool isInk(QRgb pixel)
{
    return pixel != qRgb(255, 255, 255);
}

// '1' for each painted pixel on row y; trailing spaces cannot be told from the background.
inline QString rowModules(const QImage& image, int y)
{
    QString modules;
    for (int x = 0; x < image.width(); ++x)
        modules += isInk(image.pixel(x, y)) ? QLatin1Char('1') : QLatin1Char('0');
    while (modules.endsWith(QLatin1Char('0')))
        modules.chop(1);
    return modules;
}

inline std::unique_ptr<ZCBarCode> create(int tipo, const QString& dato)
{
    std::unique_ptr<ZCBarCode> code = ZCBarCode::Create(tipo);
    code->SetDato(dato);
    return code;
}

inline QString modulesOf(ZCBarCode& code)
{
    return rowModules(render(code, QSize(3000, 20)), 0);
}

} // namespace barcodetest
