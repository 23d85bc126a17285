#pragma once

#include "ncreporterror.h"

#include <QCache>
#include <QImage>
#include <QPointer>

#include <memory>

class NCReport;
class NCReportRecordedPages;

/*!
    A report's pages as images for a viewer, within a budget of bytes whatever the number of
    pages: a page is painted when it is asked for, and when the budget is full the pages viewed
    least recently are dropped.

    The report runs once, when the first page or the page count is asked for, and its pages are
    recorded (NCReportRecordedPages); images are painted from the recording, so paging through
    a long report never runs it again. A preview may also be made over pages recorded before.
    The report is not to change while a preview is in use; reset() forgets the recording.
*/
class NCREPORT_EXPORT NCReportPreview
{
public:
    static constexpr qint64 defaultBudgetBytes = qint64(128) << 20;

    explicit NCReportPreview(NCReport* report, int dotsPerInch = 96, qint64 budgetBytes = defaultBudgetBytes);
    explicit NCReportPreview(std::shared_ptr<const NCReportRecordedPages> pages, int dotsPerInch = 96,
                             qint64 budgetBytes = defaultBudgetBytes);
    ~NCReportPreview();
    Q_DISABLE_COPY(NCReportPreview)

    // -1 when the report cannot run (error() says why).
    int pageCount();
    // Page `index` counted from 0; a null image when there is no such page or the report cannot run.
    QImage page(int index);
    // What the kept images take.
    qint64 cachedBytes() const { return m_images.totalCost(); }
    // The recording the images come from, made by the first call that needs it; null when the
    // report cannot run.
    std::shared_ptr<const NCReportRecordedPages> recordedPages();
    // Forgets the images and, for a preview of a report, the recording: the next page asked
    // for runs the report again.
    void reset();

    NCReportError error() const { return m_error; }

private:
    QPointer<NCReport> m_report;
    std::shared_ptr<const NCReportRecordedPages> m_pages;
    int m_dotsPerInch;
    // In bytes (QCache counts in int, which holds any budget given).
    QCache<int, QImage> m_images;
    NCReportError m_error;
};
