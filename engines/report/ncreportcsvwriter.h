#pragma once

#include "ncreport_global.h"

#include <QString>

class NCReportRecordedPages;

/*!
    Writes the detail rows of recorded pages as delimited text (RFC 4180: commas, fields quoted
    where they hold a comma, a quote or a line break, lines ended by CR LF, UTF-8): one record
    per row printed by any detail, in the order they print, a field per field of the detail
    from left to right, under a header of the labels printed above the fields or, without one,
    the fields' names. With several details the header is every detail's columns, in the order
    they first print, fields under the same heading sharing a column, and each record fills the
    columns of its own detail, empty elsewhere. Values are written as the data gives them:
    numbers with a point and no grouping, dates in ISO 8601. Group headers and footers and
    everything else around the rows are left out.
*/
class NCREPORT_EXPORT NCReportCsvWriter
{
public:
    static QByteArray toCsv(const NCReportRecordedPages& pages);
    // Writes the file whole or not at all; false with `error` saying which file and why.
    static bool write(const NCReportRecordedPages& pages, const QString& fileName, QString* error = nullptr);
};
