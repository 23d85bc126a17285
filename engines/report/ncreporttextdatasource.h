#pragma once

#include "ncreportstringlistdatasource.h"

/*!
    Rows of a delimited text file (the source, UTF-8), one row a line; empty lines are skipped.
    Fields are split as the string-list data source splits them; a line break inside a quoted
    field is part of the field.
*/
class NCREPORT_EXPORT NCReportTextDataSource : public NCReportStringListDataSource
{
    Q_OBJECT

public:
    NCReportTextDataSource(const QString& id, QObject* parent = nullptr);
    ~NCReportTextDataSource() override;

    // The records of a file's text: its lines, but for line breaks inside quoted fields (a
    // quote opens one only at the start of a field, which the delimiter tells).
    static QStringList splitRecords(const QString& text, QChar delimiter);

protected:
    bool readStrings(QStringList& strings, QString& error) override;
};
