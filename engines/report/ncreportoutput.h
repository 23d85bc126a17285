#pragma once

#include "ncreport_global.h"

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

    QString errorString() const { return m_errorString; }

protected:
    void setErrorString(const QString& text) { m_errorString = text; }

private:
    QString m_errorString;
};
