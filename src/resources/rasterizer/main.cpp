// Renders the library's SVG icon and cursor sources to the PNG files of its resource collection.
//
//   mirokit-rasterize icon   <source.svg> <out.png> <out@2x.png>
//   mirokit-rasterize cursor <source.svg> <image.png> <mask.png>
//
// Icons keep the SVG's own size at 1x and twice that for high-DPI screens. Cursors become the
// 1-bit image and mask pair a QCursor is built from: dark opaque pixels are black in the image,
// every opaque pixel is set in the mask.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

constexpr int opaqueThreshold = 128;
constexpr int darkThreshold = 128;

QImage render(QSvgRenderer& renderer, int scale)
{
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage monochrome(const QSize& size)
{
    QImage image(size, QImage::Format_MonoLSB);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    return image;
}

bool writeIcon(QSvgRenderer& renderer, const QString& png, const QString& png2x)
{
    return render(renderer, 1).save(png, "PNG") && render(renderer, 2).save(png2x, "PNG");
}

bool writeCursor(QSvgRenderer& renderer, const QString& imagePath, const QString& maskPath)
{
    const QImage source = render(renderer, 1);
    QImage image = monochrome(source.size());
    QImage mask = monochrome(source.size());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) < opaqueThreshold)
                continue;
            mask.setPixel(x, y, 1);
            if (qGray(pixel) < darkThreshold)
                image.setPixel(x, y, 1);
        }
    }
    return image.save(imagePath, "PNG") && mask.save(maskPath, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList args = application.arguments();
    if (args.size() != 5 || (args.at(1) != QLatin1String("icon") && args.at(1) != QLatin1String("cursor"))) {
        err << "usage: mirokit-rasterize icon|cursor <source.svg> <out1.png> <out2.png>\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(2));
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        err << "mirokit-rasterize: cannot read " << args.at(2) << "\n";
        return 1;
    }
    const bool written = args.at(1) == QLatin1String("icon")
        ? writeIcon(renderer, args.at(3), args.at(4))
        : writeCursor(renderer, args.at(3), args.at(4));
    if (!written) {
        err << "mirokit-rasterize: cannot write " << args.at(3) << "\n";
        return 1;
    }
    return 0;
}
