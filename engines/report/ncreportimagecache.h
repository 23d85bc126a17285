#pragma once

#include "ncreport_global.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QString>

/*!
    The images a report run paints, by path (a file or a resource) and the size they are painted
    at, within a budget of bytes: when an image no longer fits, the least recently used ones go.
    An image item whose path comes from the data may name a new file on every row; the run keeps
    what the budget holds.

    An image is decoded no larger than the box it is painted in (at the output's resolution), so
    a photo shown small costs what it shows. The images a page has painted stay, whatever the
    budget, until the page after it has painted its own: images that do not fit the budget
    together but appear on every page (a logo in the page header) are decoded once, and since
    each stays the same QImage, an output that writes every image once (a PDF) writes them once.

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

    // The image at `path`, scaled down (keeping its proportions) to fit `bounds` when it is
    // larger; an empty `bounds` gives it whole.
    QImage image(const QString& path, const QSize& bounds = QSize());
    // A new page starts: the images of the page before are kept until this one has asked for its
    // own.
    void startPage();
    // What the cached images (and the paths that gave none) take, in bytes; the images held for
    // the pages being painted come on top.
    int cachedBytes() const { return m_images.totalCost(); }

private:
    static QImage read(const QString& path, const QSize& bounds);

    QCache<QString, QImage> m_images;
    QHash<QString, QImage> m_pageImages;
    QHash<QString, QImage> m_previousPageImages;
};
