#pragma once

// The covers that ZCCoverFlow draws, kept between paints (not part of the public headers).

#include <QCache>
#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

/*!
    Draws covers and keeps them rendered: a cover is an image with its reflection hanging under
    it, scaled and turned in perspective about the vertical axis through its centre.

    The scaling, the turn and the reflection depend only on the image, its drawn size and its
    angle; the position is a translation applied after the projection. So a cover is rendered
    once, at the device pixel ratio, and afterwards only copied to wherever the selection puts it.

    The reflection is the image mirrored under its bottom edge, fading from about 40 % of the
    picture at the top to nothing, over black: it replaces whatever lies under it on the cover
    flow's black ground, so it is made opaque once here rather than composed on every paint.

    Rendered covers are costed by their bytes and the least recently used are dropped first. The
    budget grows to what one paint draws, so that a paint never pushes out the covers the next one
    needs; the cache therefore stays bounded by what fits on the widget.
*/
class ZCCoverCache
{
public:
    explicit ZCCoverCache(int budgetBytes = 32 * 1024 * 1024);

    // Draws `image` centred at `centre`, scaled to `size` and turned by `angle` degrees.
    void draw(QPainter* painter, const QImage& image, const QPoint& centre, const QSize& size, int angle);

    // Brackets one paint: afterwards the budget holds at least what that paint drew.
    void beginPaint() { m_paintBytes = 0; }
    void endPaint();

    qint64 bytes() const { return m_cache.totalCost(); }
    qint64 peakBytes() const { return m_peakBytes; }
    qint64 budgetBytes() const { return m_cache.maxCost(); }

private:
    struct Cover {
        QImage pixels;   // at the device pixel ratio
        QPointF topLeft; // from the cover's centre, in logical pixels
    };
    struct Key {
        qint64 image;
        QSize size;
        int angle;
        int devicePixelRatioPercent;
        bool operator==(const Key& other) const
        {
            return image == other.image && size == other.size && angle == other.angle
                && devicePixelRatioPercent == other.devicePixelRatioPercent;
        }
        friend uint qHash(const Key& key, uint seed = 0)
        {
            return qHash(key.image, seed) ^ qHash(key.size.width() * 31 + key.size.height(), seed)
                ^ qHash(key.angle * 1000 + key.devicePixelRatioPercent, seed);
        }
    };

    // The cover from the cache or newly rendered; without pixels when it is too large to keep.
    Cover rendered(const QImage& image, const QSize& size, int angle, qreal devicePixelRatio);

    QCache<Key, Cover> m_cache;
    qint64 m_paintBytes = 0;
    qint64 m_peakBytes = 0;
};
