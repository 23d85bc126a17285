#pragma once

#include <QColor>
#include <QImage>
#include <QMetaType>
#include <QPainter>
#include <QPoint>
#include <QVector>
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

// Smooth scaling blends a pixel or two at the seams; the probes stay away from them but
// allow for the rounding of the filter.
inline bool closeTo(const QColor& actual, const QColor& expected)
{
    constexpr int tolerance = 12;
    return qAbs(actual.red() - expected.red()) <= tolerance
           && qAbs(actual.green() - expected.green()) <= tolerance
           && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

inline bool checkProbes(const QImage& image, const Probes& probes)
{
    bool ok = true;
    for (const Probe& probe : probes) {
        const QColor actual = image.pixelColor(probe.at);
        if (!closeTo(actual, probe.color)) {
            qWarning("pixel (%d, %d) is %s, expected %s", probe.at.x(), probe.at.y(),
                     qPrintable(actual.name()), qPrintable(probe.color.name()));
            ok = false;
        }
    }
    return ok;
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

} // namespace drawingtest
