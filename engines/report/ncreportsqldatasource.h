#pragma once

#include "ncreporttabledatasource.h"

/*!
    Rows of an SQL query (the source). The query runs on the connection the host registered
    with QSqlDatabase under connectionName(), or, when databaseFile() is set, on an SQLite file
    that the data source opens for the time it reads.

    A "$P{name}" in the query, outside quoted text, is a report parameter: the query is prepared
    with a placeholder there and the parameter's value is bound to it, so a value can never
    change the query itself. Inside quotes "$P{" is plain text.
*/
class NCREPORT_EXPORT NCReportSqlDataSource : public NCReportTableDataSource
{
    Q_OBJECT

public:
    NCReportSqlDataSource(const QString& id, QObject* parent = nullptr);
    ~NCReportSqlDataSource() override;

    QString connectionName() const { return m_connectionName; }
    void setConnectionName(const QString& name) { m_connectionName = name; }
    QString databaseFile() const { return m_databaseFile; }
    void setDatabaseFile(const QString& fileName) { m_databaseFile = fileName; }

    // The query with a "?" for each parameter reference, and the parameter names in order;
    // false when a reference has no closing brace.
    static bool prepareQuery(const QString& query, QString& prepared, QStringList& parameterNames);

protected:
    bool readTable(Table& table, QString& error) override;

private:
    bool runQuery(const QString& connection, Table& table, QString& error) const;

    QString m_connectionName;
    QString m_databaseFile;
};
