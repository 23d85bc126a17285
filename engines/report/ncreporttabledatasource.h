#pragma once

#include "ncreportdatasource.h"

#include <QStringList>
#include <QVector>

/*!
    A data source that reads all of its rows into memory when it opens: SQL results, text files,
    XML and string lists. Subclasses only fill the table; the cursor, values and column names
    live here. Every value answers Qt::DisplayRole and Qt::EditRole alike.
*/
class NCREPORT_EXPORT NCReportTableDataSource : public NCReportDataSource
{
    Q_OBJECT

public:
    struct Table {
        QStringList columns;
        QVector<QVector<QVariant>> rows;
    };

    ~NCReportTableDataSource() override;

    // The query, the file name or the inline content, as each type reads it.
    QString source() const { return m_source; }
    void setSource(const QString& source) { m_source = source; }

    int rowCount() const override { return m_table.rows.size(); }
    int columnCount() const override { return m_table.columns.size(); }
    QString columnName(int column) const override { return m_table.columns.value(column); }
    QVariant value(int column, int role = Qt::DisplayRole) const override;

protected:
    NCReportTableDataSource(const QString& id, DataSourceType type, QObject* parent);

    virtual bool readTable(Table& table, QString& error) = 0;

    // The content of the regular file `fileName` (devices and pipes are refused: they may never
    // end); false with the reason in `error`.
    bool readFile(const QString& fileName, QByteArray& content, QString& error) const;
    // Column names for rows that came without any: "col0", "col1", ... up to `count`.
    static QStringList numberedColumns(int count);

private:
    bool openSource(QString& error) override;
    void closeSource() override;

    QString m_source;
    Table m_table;
};
