#pragma once

#include "ncreportoutput.h"
#include "ncreportrecordedpages.h"

#include <QCoreApplication>

#include <functional>
#include <memory>

/*!
    Keeps a run's pages as laid out (NCReportRecordedPages) instead of painting them, for a
    preview and for outputs that replay them.

    A handler may follow the run: it is called as each page is complete, with the number of
    pages complete so far, and returning false cancels the run before the next page starts.
    A report that needs its number of pages to lay itself out is counted first: the handler is
    then called with 0 after every page counted, and may cancel too. The pages made before a
    failure or a cancel stay in pages().

    Texts that print the number of pages get it when the run ends (see
    NCReportRecordedPages::fillPageCount()), before the handler hears of the last page; a run
    that fails or is cancelled gives them the number of pages it made.
*/
class NCREPORT_EXPORT NCReportRecordingOutput : public NCReportOutput
{
    Q_DECLARE_TR_FUNCTIONS(NCReportRecordingOutput)

public:
    using PageHandler = std::function<bool(int completePages)>;

    NCReportRecordingOutput();
    ~NCReportRecordingOutput() override;

    void setPageHandler(PageHandler handler) { m_pageHandler = std::move(handler); }
    // The pages of the last run (a new recording each run), or of the run in progress.
    std::shared_ptr<NCReportRecordedPages> pages() const { return m_pages; }
    bool wasCancelled() const { return m_cancelled; }

    bool begin(const QPageLayout& layout) override;
    QPainter* newPage() override { return nullptr; }
    bool end() override;

    bool recordsPages() const override { return true; }
    bool recordPage() override;
    void recordBand(const NCReportSection& section, NCReportBand&& band) override;
    void recordReport(const QString& name, const QLocale& locale) override;
    bool pageCounted(int pages) override;

private:
    bool pageComplete();
    bool cancelUnless(bool goOn);

    std::shared_ptr<NCReportRecordedPages> m_pages;
    PageHandler m_pageHandler;
    bool m_cancelled = false;
};
