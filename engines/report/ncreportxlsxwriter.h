#pragma once

#include "ncreport_global.h"

#include <QLocale>
#include <QString>

class NCReportRecordedPages;
struct NCReportValueFormat;

/*!
    Writes recorded pages as a spreadsheet (XLSX, one worksheet) that reads like the report:
    each printed line a row (the page header once at the top, group headers and footers and the
    report's own header and footer in their places, page footers left out), each text item a
    column, items at the same place across the page in different sections sharing it. Columns
    are as wide as their items.

    Numbers are numbers and dates are dates, with the field's format as the cell's number
    format ("#,##0.00 €" for money under es_ES); text is text. Bold, italic, colours and
    alignment are kept.
*/
class NCREPORT_EXPORT NCReportXlsxWriter
{
public:
    // Writes the file whole or not at all; false with `error` saying which file and why.
    static bool write(const NCReportRecordedPages& pages, const QString& fileName, QString* error = nullptr);

    // The spreadsheet number format of a field's format in a locale; empty for plain text.
    static QString numberFormat(const NCReportValueFormat& format, const QLocale& locale);
    // A date format of QDate and QTime letters ("dd/MM/yyyy") in a spreadsheet's letters.
    static QString dateFormat(const QString& qtFormat);
};
