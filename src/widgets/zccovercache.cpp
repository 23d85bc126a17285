#include "zccovercache_p.h"

#include <QLinearGradient>
#include <QPainter>

#include <limits>

namespace {

// Covers larger than this are drawn directly instead of kept: an image so wide that its turned
// edge comes close to the eye has a projection without bounds.
constexpr qreal largestCoverPixels = 16 * 1024 * 1024;

// The image over its reflection, each of the image's size.
QImage withReflection(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    QImage composed(w, 2 * h, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&composed);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image);
    painter.fillRect(0, h, w, h, Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, h, image.mirrored(false, true));
    // Black laid over the mirror image leaves 100/255 of it at the top edge and nothing at the bottom.
    QLinearGradient fade(0, h, 0, 2 * h);
    fade.setColorAt(0, QColor(0, 0, 0, 255 - 100));
    fade.setColorAt(1, Qt::black);
    painter.fillRect(0, h, w, h, fade);
    return composed;
}

// From the pixels of withReflection(image) to offsets from the cover's centre: the image's
// centre (in integer pixels) to the origin, scaled to `size`, then turned about the vertical axis.
QTransform projection(const QImage& image, const QSize& size, int angle)
{
    QTransform transform;
    transform.rotate(angle, Qt::YAxis);
    transform.scale(qreal(size.width()) / image.width(), qreal(size.height()) / image.height());
    transform.translate(-(image.width() / 2), -(image.height() / 2));
    return transform;
}

} // namespace

ZCCoverCache::ZCCoverCache(int budgetBytes)
    : m_cache(budgetBytes)
{
}

void ZCCoverCache::draw(QPainter* painter, const QImage& image, const QPoint& centre, const QSize& size,
                        int angle)
{
    if (image.isNull() || size.isEmpty())
        return;
    const Cover cover = rendered(image, size, angle, painter->device()->devicePixelRatioF());
    if (!cover.pixels.isNull()) {
        painter->drawImage(QPointF(centre) + cover.topLeft, cover.pixels);
        return;
    }
    painter->save();
    painter->translate(centre);
    painter->setTransform(projection(image, size, angle), true);
    painter->drawImage(0, 0, withReflection(image));
    painter->restore();
}

void ZCCoverCache::endPaint()
{
    if (m_paintBytes > m_cache.maxCost())
        m_cache.setMaxCost(int(qMin<qint64>(m_paintBytes, std::numeric_limits<int>::max())));
}

ZCCoverCache::Cover ZCCoverCache::rendered(const QImage& image, const QSize& size, int angle,
                                           qreal devicePixelRatio)
{
    const Key key{image.cacheKey(), size, angle, qRound(devicePixelRatio * 100)};
    if (const Cover* cover = m_cache.object(key)) {
        m_paintBytes += cover->pixels.sizeInBytes();
        return *cover;
    }
    const QTransform device = projection(image, size, angle) * QTransform::fromScale(devicePixelRatio,
                                                                                     devicePixelRatio);
    const QRectF bounds = device.mapRect(QRectF(0, 0, image.width(), 2 * image.height()));
    if (!(bounds.width() * bounds.height() <= largestCoverPixels)) // false for NaN too
        return Cover();

    const QRect pixelBounds = bounds.toAlignedRect();
    Cover cover;
    cover.pixels = QImage(pixelBounds.size(), QImage::Format_ARGB32_Premultiplied);
    cover.pixels.fill(Qt::transparent);
    {
        QPainter painter(&cover.pixels);
        painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
        painter.setTransform(device * QTransform::fromTranslate(-pixelBounds.x(), -pixelBounds.y()));
        painter.drawImage(0, 0, withReflection(image));
    }
    cover.pixels.setDevicePixelRatio(devicePixelRatio);
    cover.topLeft = QPointF(pixelBounds.topLeft()) / devicePixelRatio;

    const int cost = int(cover.pixels.sizeInBytes());
    m_paintBytes += cost;
    // A single cover larger than the whole budget raises it rather than being dropped at once.
    if (cost > m_cache.maxCost())
        m_cache.setMaxCost(cost);
    m_cache.insert(key, new Cover(cover), cost);
    m_peakBytes = qMax(m_peakBytes, qint64(m_cache.totalCost()));
    return cover;
}
