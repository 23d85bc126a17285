#include "ncreportrecordingoutput.h"

NCReportRecordingOutput::NCReportRecordingOutput()
    : m_pages(std::make_shared<NCReportRecordedPages>())
{
}

NCReportRecordingOutput::~NCReportRecordingOutput() = default;

bool NCReportRecordingOutput::begin(const QPageLayout& layout)
{
    m_pages = std::make_shared<NCReportRecordedPages>();
    m_pages->setPageLayout(layout);
    m_cancelled = false;
    return true;
}

bool NCReportRecordingOutput::cancelUnless(bool goOn)
{
    if (goOn)
        return true;
    m_cancelled = true;
    setErrorString(tr("The run was cancelled"));
    return false;
}

bool NCReportRecordingOutput::pageComplete()
{
    return cancelUnless(m_pages->pageCount() == 0 || !m_pageHandler || m_pageHandler(m_pages->pageCount()));
}

bool NCReportRecordingOutput::pageCounted(int)
{
    return !m_cancelled && cancelUnless(!m_pageHandler || m_pageHandler(0));
}

void NCReportRecordingOutput::recordReport(const QString& name, const QLocale& locale)
{
    m_pages->setReportName(name);
    m_pages->setLocale(locale);
}

bool NCReportRecordingOutput::recordPage()
{
    if (m_cancelled || !pageComplete())
        return false;
    m_pages->addPage();
    return true;
}

void NCReportRecordingOutput::recordBand(const NCReportSection& section, NCReportBand&& band)
{
    m_pages->addBand(section, std::move(band));
}

bool NCReportRecordingOutput::end()
{
    m_pages->fillPageCount();
    // The last page is complete; a cancel now has nothing left to stop.
    if (!m_cancelled && m_pages->pageCount() > 0 && m_pageHandler)
        m_pageHandler(m_pages->pageCount());
    return true;
}
