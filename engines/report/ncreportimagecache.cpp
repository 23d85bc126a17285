#include "ncreportimagecache.h"

#include <QFileInfo>
#include <QImageReader>

#include <limits>

NCReportImageCache::NCReportImageCache(int budgetBytes)
    : m_images(budgetBytes)
{
}

NCReportImageCache::~NCReportImageCache() = default;

QImage NCReportImageCache::image(const QString& path, const QSize& bounds)
{
    const QSize box = bounds.isEmpty() ? QSize() : bounds;
    const QString key = QString::number(box.width()) + QLatin1Char('x') + QString::number(box.height())
        + QLatin1Char(' ') + path;
    if (const auto onPage = m_pageImages.constFind(key); onPage != m_pageImages.cend())
        return *onPage;
    QImage image;
    if (const QImage* cached = m_images.object(key)) {
        image = *cached;
    } else if (const auto onPreviousPage = m_previousPageImages.constFind(key);
               onPreviousPage != m_previousPageImages.cend()) {
        image = *onPreviousPage;
    } else {
        image = read(path, box);
        // A path that gives no image costs its own bytes, so that endless new paths are bounded too.
        const qint64 cost = image.sizeInBytes() + qint64(sizeof(QImage)) + key.size() * qint64(sizeof(QChar));
        // An image larger than the whole budget is not cached; the page keeps it all the same.
        m_images.insert(key, new QImage(image), int(qMin<qint64>(cost, std::numeric_limits<int>::max())));
    }
    if (!image.isNull())
        m_pageImages.insert(key, image);
    return image;
}

void NCReportImageCache::startPage()
{
    m_previousPageImages = std::move(m_pageImages);
    m_pageImages.clear();
}

QImage NCReportImageCache::read(const QString& path, const QSize& bounds)
{
    if (!path.startsWith(QLatin1Char(':')) && !QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    // A size the header does not tell is as suspect as one too large.
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > largestImagePixels)
        return QImage();
    if (bounds.isValid() && (size.width() > bounds.width() || size.height() > bounds.height()))
        reader.setScaledSize(size.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}
