#pragma once

#include "ncreportstringlistdatasource.h"

/*!
    Rows of a delimited text file (the source, UTF-8), one row a line; empty lines are skipped.
    Fields are split as the string-list data source splits them.
*/
class NCREPORT_EXPORT NCReportTextDataSource : public NCReportStringListDataSource
{
    Q_OBJECT

public:
    NCReportTextDataSource(const QString& id, QObject* parent = nullptr);
    ~NCReportTextDataSource() override;

protected:
    bool readStrings(QStringList& strings, QString& error) override;
};
