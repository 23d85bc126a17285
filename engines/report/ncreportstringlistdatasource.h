#pragma once

#include "ncreporttabledatasource.h"

/*!
    Rows given as strings, each split into columns at the delimiter (a tab by default). A field
    that starts with '"' is quoted and may hold the delimiter; "" inside quotes is one quote; a
    '"' anywhere else is text (an inch mark: `Monitor 24";199`). With a header,
    the first string names the columns; otherwise they are "col0", "col1", ...
*/
class NCREPORT_EXPORT NCReportStringListDataSource : public NCReportTableDataSource
{
    Q_OBJECT

public:
    NCReportStringListDataSource(const QString& id, QObject* parent = nullptr);
    ~NCReportStringListDataSource() override;

    QStringList strings() const { return m_strings; }
    void setStrings(const QStringList& strings) { m_strings = strings; }
    QChar delimiter() const { return m_delimiter; }
    void setDelimiter(QChar delimiter) { m_delimiter = delimiter; }
    bool hasHeader() const { return m_hasHeader; }
    void setHeader(bool hasHeader) { m_hasHeader = hasHeader; }

    static QStringList splitFields(const QString& line, QChar delimiter);

protected:
    NCReportStringListDataSource(const QString& id, DataSourceType type, QObject* parent);

    bool readTable(Table& table, QString& error) override;
    // The strings to read; a text file source reads them from its file.
    virtual bool readStrings(QStringList& strings, QString& error);

private:
    QStringList m_strings;
    QChar m_delimiter = QLatin1Char('\t');
    bool m_hasHeader = false;
};
