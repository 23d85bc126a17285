#pragma once

#include "ncreporterror.h"

#include <QCache>
#include <QImage>
#include <QPointer>
#include <QVector>

class NCReport;

/*!
    A report's pages as images for a viewer, within a budget of bytes whatever the number of
    pages: a page is painted when it is asked for, and when the budget is full the pages viewed
    least recently are dropped.

    Painting a page runs the report (the pages before it are laid out and painted nowhere) and
    keeps it together with the pages after it that fit half the budget, so that paging forward
    runs the report once per handful of pages. The report is not to change while a preview is
    in use; reset() forgets what was painted.
*/
class NCREPORT_EXPORT NCReportPreview
{
public:
    static constexpr qint64 defaultBudgetBytes = qint64(128) << 20;

    explicit NCReportPreview(NCReport* report, int dotsPerInch = 96, qint64 budgetBytes = defaultBudgetBytes);
    ~NCReportPreview();
    Q_DISABLE_COPY(NCReportPreview)

    // -1 when the report cannot run (error() says why).
    int pageCount();
    // Page `index` counted from 0; a null image when there is no such page or the report cannot run.
    QImage page(int index);
    // What the kept pages take.
    qint64 cachedBytes() const { return m_pages.totalCost(); }
    void reset();

    NCReportError error() const { return m_error; }

private:
    // Runs the report keeping `count` pages from `first`, which it also caches.
    QVector<QImage> render(int first, int count);

    QPointer<NCReport> m_report;
    int m_dotsPerInch;
    int m_pageCount = -1;
    // Half the budget, in bytes (QCache counts in int, which holds any budget given).
    QCache<int, QImage> m_pages;
    NCReportError m_error;
};
