#include "ncreportimagecache.h"

#include <QFileInfo>
#include <QImageReader>

#include <limits>

NCReportImageCache::NCReportImageCache(int budgetBytes)
    : m_images(budgetBytes)
{
}

NCReportImageCache::~NCReportImageCache() = default;

QImage NCReportImageCache::image(const QString& path)
{
    if (const QImage* cached = m_images.object(path))
        return *cached;
    const QImage image = read(path);
    // A path that gives no image costs its own bytes, so that endless new paths are bounded too.
    const qint64 cost = image.sizeInBytes() + qint64(sizeof(QImage)) + path.size() * qint64(sizeof(QChar));
    // An image larger than the whole budget is painted without being kept.
    m_images.insert(path, new QImage(image), int(qMin<qint64>(cost, std::numeric_limits<int>::max())));
    return image;
}

QImage NCReportImageCache::read(const QString& path)
{
    if (!path.startsWith(QLatin1Char(':')) && !QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    // A size the header does not tell is as suspect as one too large.
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > largestImagePixels)
        return QImage();
    return reader.read();
}
