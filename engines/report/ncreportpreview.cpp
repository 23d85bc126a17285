#include "ncreportpreview.h"

#include "ncreport.h"
#include "ncreportdef.h"
#include "ncreportimageoutput.h"

#include <limits>

NCReportPreview::NCReportPreview(NCReport* report, int dotsPerInch, qint64 budgetBytes)
    : m_report(report)
    , m_dotsPerInch(dotsPerInch)
    , m_pages(int(qBound<qint64>(0, budgetBytes / 2, std::numeric_limits<int>::max())))
{
}

NCReportPreview::~NCReportPreview() = default;

void NCReportPreview::reset()
{
    m_pages.clear();
    m_pageCount = -1;
    m_error = NCReportError();
}

int NCReportPreview::pageCount()
{
    if (m_pageCount < 0)
        render(0, 0);
    return m_pageCount;
}

QImage NCReportPreview::page(int index)
{
    if (const QImage* cached = m_pages.object(index))
        return *cached;
    if (index < 0 || (m_pageCount >= 0 && index >= m_pageCount) || !m_report)
        return QImage();
    const qint64 pageBytes = NCReportImageOutput::pageBytes(m_report->reportDef()->pageLayout(), m_dotsPerInch);
    const int ahead = int(qBound<qint64>(1, m_pages.maxCost() / qMax<qint64>(1, pageBytes),
                                         m_pageCount >= 0 ? m_pageCount - index : std::numeric_limits<int>::max()));
    return render(index, ahead).value(0);
}

QVector<QImage> NCReportPreview::render(int first, int count)
{
    m_pageCount = -1;
    if (!m_report)
        return {};
    // Half the budget for the pages kept, half for those the run paints; a page larger than
    // that is painted all the same, and shown without being kept.
    const qint64 pageBytes = NCReportImageOutput::pageBytes(m_report->reportDef()->pageLayout(), m_dotsPerInch);
    NCReportImageOutput output(m_dotsPerInch, qMax<qint64>(m_pages.maxCost(), pageBytes));
    output.setPageRange(first, count);
    if (!m_report->run(&output)) {
        m_error = m_report->error();
        return {};
    }
    m_error = NCReportError();
    m_pageCount = output.pageCount();
    const QVector<QImage> pages = output.pages();
    // Backwards, so that the page asked for is the one viewed most recently.
    for (int i = pages.size() - 1; i >= 0; --i)
        m_pages.insert(first + i, new QImage(pages.at(i)), int(pages.at(i).sizeInBytes()));
    return pages;
}
