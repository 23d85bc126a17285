#pragma once

#include "ncreport_global.h"

#include <QPageLayout>
#include <QString>

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

    QString errorString() const { return m_errorString; }

protected:
    void setErrorString(const QString& text) { m_errorString = text; }

private:
    QString m_errorString;
};
