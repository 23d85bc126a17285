#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <type_traits>

// A pixel the test looks at and the colour it should have.
struct Probe {
    QPoint at;
    QColor color;
};
using Probes = QVector<Probe>;
Q_DECLARE_METATYPE(Probes)

namespace drawingtest {

const QColor red(Qt::red);
const QColor blue(Qt::blue);
const QColor white(Qt::white);
const QColor black(Qt::black);

inline QImage canvas(const QSize& size, qreal ratio = 1.0)
{
    QImage image(size * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// Red on the left half, blue on the right half: enough to tell position, scale and cropping.
template<typename Picture>
Picture redBlue(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    if constexpr (std::is_same_v<Picture, QImage>)
        return image;
    else
        return Picture::fromImage(image);
}

// Smooth scaling blends a pixel or two at the seams; comparisons allow for that rounding.
inline bool closeTo(const QColor& actual, const QColor& expected)
{
    return qAbs(actual.red() - expected.red()) <= 12 && qAbs(actual.green() - expected.green()) <= 12
           && qAbs(actual.blue() - expected.blue()) <= 12;
}

inline bool checkProbes(const QImage& image, const Probes& probes)
{
    for (const Probe& probe : probes) {
        if (!closeTo(image.pixelColor(probe.at), probe.color)) {
            qWarning("pixel (%d, %d) is %s, expected %s", probe.at.x(), probe.at.y(),
                     qPrintable(image.pixelColor(probe.at).name()), qPrintable(probe.color.name()));
            return false;
        }
    }
    return true;
}

// Every pixel against a red-blue picture laid at `placed`, repeated sideways like tiles and seen
// only inside `visible`; the columns at the red-blue seam are left to the scaling filter.
inline bool showsRedBlue(const QImage& image, const QRect& placed, const QRect& visible)
{
    Probes probes;
    const int half = placed.width() / 2;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int column = ((x - placed.x()) % placed.width() + placed.width()) % placed.width();
            if (!visible.contains(x, y))
                probes.append({{x, y}, white});
            else if (column < half - 2 || column > half + 1)
                probes.append({{x, y}, column < half ? red : blue});
        }
    }
    return checkProbes(image, probes);
}

inline int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match)
{
    int count = 0;
    const QRect bounded = area & image.rect();
    for (int y = bounded.top(); y <= bounded.bottom(); ++y)
        for (int x = bounded.left(); x <= bounded.right(); ++x)
            count += match(image.pixel(x, y)) ? 1 : 0;
    return count;
}

inline bool isWhite(QRgb pixel)
{
    return pixel == qRgb(255, 255, 255);
}

inline bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

} // namespace drawingtest
