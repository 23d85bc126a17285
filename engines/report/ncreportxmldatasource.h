#pragma once

#include "ncreporttabledatasource.h"

/*!
    Rows of an XML document: every child element of the root element is a row, and every child
    element or attribute of a row is a column of that name (columns in the order they first
    appear). The source is a file name, or the document itself when it begins with '<'.
*/
class NCREPORT_EXPORT NCReportXMLDataSource : public NCReportTableDataSource
{
    Q_OBJECT

public:
    NCReportXMLDataSource(const QString& id, QObject* parent = nullptr);
    ~NCReportXMLDataSource() override;

protected:
    bool readTable(Table& table, QString& error) override;
};
