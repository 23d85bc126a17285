#include "ncreportpreview.h"

#include "ncreport.h"
#include "ncreportrecordedpages.h"

#include <limits>

namespace {

int cacheCost(qint64 budgetBytes)
{
    return int(qBound(qint64(0), budgetBytes, qint64(std::numeric_limits<int>::max())));
}

} // namespace

NCReportPreview::NCReportPreview(NCReport* report, int dotsPerInch, qint64 budgetBytes)
    : m_report(report)
    , m_dotsPerInch(qBound(1, dotsPerInch, 2400))
    , m_images(cacheCost(budgetBytes))
{
}

NCReportPreview::NCReportPreview(std::shared_ptr<const NCReportRecordedPages> pages, int dotsPerInch,
                                 qint64 budgetBytes)
    : m_pages(std::move(pages))
    , m_dotsPerInch(qBound(1, dotsPerInch, 2400))
    , m_images(cacheCost(budgetBytes))
{
}

NCReportPreview::~NCReportPreview() = default;

void NCReportPreview::reset()
{
    m_images.clear();
    if (m_report)
        m_pages.reset();
    m_error = NCReportError();
}

std::shared_ptr<const NCReportRecordedPages> NCReportPreview::recordedPages()
{
    if (!m_pages && m_report) {
        m_pages = m_report->recordPages();
        m_error = m_report->error();
    }
    return m_pages;
}

int NCReportPreview::pageCount()
{
    const auto pages = recordedPages();
    return pages ? pages->pageCount() : -1;
}

QImage NCReportPreview::page(int index)
{
    if (const QImage* cached = m_images.object(index))
        return *cached;
    const auto pages = recordedPages();
    if (!pages)
        return QImage();
    const QImage image = pages->pageImage(index, m_dotsPerInch);
    // A page larger than the whole budget is shown without being kept.
    if (!image.isNull() && image.sizeInBytes() <= m_images.maxCost())
        m_images.insert(index, new QImage(image), int(image.sizeInBytes()));
    return image;
}
