#pragma once

#include "ncreport_global.h"

#include <QLocale>
#include <QString>
#include <QVector>

class NCReportDataSource;

// One column a detail's rows are ordered by, and its direction.
struct NCREPORT_EXPORT NCReportSortKey {
    QString column;
    bool descending = false;
};

/*!
    Orders the rows of an open data source by a list of columns, before a detail runs them:
    numbers (and text that reads as one) as numbers, dates by day and time, text as the report's
    locale sorts it, so that "Ávila" comes before "Burgos" in Spanish. Within a column empty cells
    come first, then numbers and dates, then text; rows that tie on every column keep their order.
    A column named again is read once: it cannot change the order.
*/
class NCREPORT_EXPORT NCReportRowSorter
{
public:
    explicit NCReportRowSorter(const QLocale& locale);

    // The source's row numbers in sorted order. False, with the first column the source does not
    // have in `missingColumn`, when a key names no column of it. The cursor ends before the
    // first row.
    bool sort(NCReportDataSource* source, const QVector<NCReportSortKey>& keys, QVector<int>& order,
              QString& missingColumn) const;

private:
    QLocale m_locale;
};
