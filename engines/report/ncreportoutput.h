#pragma once

#include "ncreport_global.h"

#include <QLocale>
#include <QPageLayout>
#include <QString>

struct NCReportBand;
struct NCReportSection;
class QPainter;

/*!
    Where the director paints a report's pages. Painters come in page coordinates whose origin
    is the top left corner of the printable area (inside the margins).
*/
class NCREPORT_EXPORT NCReportOutput
{
public:
    virtual ~NCReportOutput();

    virtual bool begin(const QPageLayout& layout) = 0;
    // The painter of a new page; the first call gives the first page. Null on failure.
    virtual QPainter* newPage() = 0;
    virtual bool end() = 0;

    // Outputs that keep the pages as laid out rather than painted (see NCReportRecordingOutput)
    // say so: the director then starts their pages with recordPage() instead of newPage() and
    // hands them every printed section as a band instead of painting it.
    virtual bool recordsPages() const { return false; }
    // False stops the run, errorString() saying why.
    virtual bool recordPage() { return false; }
    virtual void recordBand(const NCReportSection& section, NCReportBand&& band);
    // The name and locale of the report being recorded, told after begin(): the recorded pages
    // keep them, and print the number of pages in that locale once it is known.
    virtual void recordReport(const QString& name, const QLocale& locale);

    // A report that needs its number of pages to lay itself out (a condition that asks for it)
    // is first laid out without output, only to count them; this is told of each page counted,
    // and false cancels the run, errorString() saying why.
    virtual bool pageCounted(int pages);

    QString errorString() const { return m_errorString; }

protected:
    void setErrorString(const QString& text) { m_errorString = text; }

private:
    QString m_errorString;
};
