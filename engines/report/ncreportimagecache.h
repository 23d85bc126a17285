#pragma once

#include "ncreport_global.h"

#include <QCache>
#include <QImage>
#include <QString>

/*!
    The images a report run paints, by path (a file or a resource), within a budget of bytes:
    when an image no longer fits, the least recently used ones go. An image item whose path
    comes from the data may name a new file on every row; the run keeps what the budget holds.

    A file is read only when it is a regular file or a resource (a device or a pipe may never
    end), and only when its header tells a size of at most largestImagePixels: a file naming a
    huge image is refused before it is decoded. Refused and unreadable paths give a null image.
*/
class NCREPORT_EXPORT NCReportImageCache
{
public:
    // The largest image decoded, as in the cover flow: beyond it a file is taken for broken or
    // hostile.
    static constexpr qint64 largestImagePixels = 100'000'000;
    static constexpr int defaultBudgetBytes = 64 << 20;

    explicit NCReportImageCache(int budgetBytes = defaultBudgetBytes);
    ~NCReportImageCache();
    Q_DISABLE_COPY(NCReportImageCache)

    QImage image(const QString& path);
    // What the cached images (and the paths that gave none) take, in bytes.
    int cachedBytes() const { return m_images.totalCost(); }

private:
    static QImage read(const QString& path);

    QCache<QString, QImage> m_images;
};
