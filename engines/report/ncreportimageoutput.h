#pragma once

#include "ncreportoutput.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QVector>

/*!
    Pages painted into images at a resolution, for a preview: white pages of the paper's full
    size, margins included.

    The images kept are bounded twice: only the pages of the range are kept (the others are
    laid out and painted nowhere, so that the pages in the range come out as in the whole
    report), and their bytes stay within the budget: a page beyond it ends the run with an
    error instead of asking for more memory. pageCount() counts every page of the run.
*/
class NCREPORT_EXPORT NCReportImageOutput : public NCReportOutput
{
    Q_DECLARE_TR_FUNCTIONS(NCReportImageOutput)

public:
    static constexpr qint64 defaultBudgetBytes = qint64(256) << 20;

    explicit NCReportImageOutput(int dotsPerInch = 96, qint64 budgetBytes = defaultBudgetBytes);
    ~NCReportImageOutput() override;

    // The pages kept: `count` pages from `first` (counted from 0), all of them for a negative
    // count. Set before the run.
    void setPageRange(int first, int count = -1);

    bool begin(const QPageLayout& layout) override;
    QPainter* newPage() override;
    bool end() override;

    QVector<QImage> pages() const { return m_pages; }
    int pageCount() const { return m_pageCount; }
    // What one page takes as an image of that layout at that resolution.
    static qint64 pageBytes(const QPageLayout& layout, int dotsPerInch);
    // A white page of the paper's full size at that resolution; null when it would be empty or
    // too large for an image.
    static QImage blankPage(const QPageLayout& layout, int dotsPerInch);

private:
    bool isKept(int page) const;
    static QImage blankImage(const QSize& size, int dotsPerInch);

    int m_dotsPerInch;
    qint64 m_budgetBytes;
    int m_firstPage = 0;
    int m_pageLimit = -1;
    int m_pageCount = 0;
    QPageLayout m_layout;
    QVector<QImage> m_pages;
    // Where the pages outside the range are painted: one pixel at the pages' resolution.
    QImage m_scratch;
    QPainter m_painter;
};
