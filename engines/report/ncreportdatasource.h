#pragma once

#include "ncreport_global.h"

#include <QObject>
#include <QVariant>
#include <QVector>

/*!
    Rows of data a report runs through. A data source is known by its id inside a report
    definition; it has a cursor on its current row, and values are read from that row by column
    index or name and by item role (roles other than Qt::DisplayRole mean something only to item
    models). The source's own settings (a query, a file, a list) are given before open().

    Data-source functions compute over every row (count, sum, avg, min, max) or tell about the
    cursor (rowNumber); computing leaves the cursor where it was.
*/
class NCREPORT_EXPORT NCReportDataSource : public QObject
{
    Q_OBJECT

public:
    // The numbering the report file and the data-source provider use.
    enum DataSourceType { Sql = 0, Text = 1, XML = 2, StringList = 3, ItemModel = 4 };

    // columnIndexByName(): the column is read by its name, not by an index.
    static constexpr int ColumnByName = -2;

    ~NCReportDataSource() override;

    QString id() const { return m_id; }
    DataSourceType dataSourceType() const { return m_type; }

    // The reference to a parent data source, as written in the report ("$D{parent.dwDir}").
    QString parentReference() const { return m_parentReference; }
    void setParentReference(const QString& reference) { m_parentReference = reference; }

    // Values for the $P{...} references of the source's own settings (an SQL query's).
    void setParameters(const QVariantMap& parameters) { m_parameters = parameters; }
    const QVariantMap& parameters() const { return m_parameters; }

    bool open();
    void close();
    bool isOpen() const { return m_open; }
    QString errorString() const { return m_errorString; }

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString columnName(int column) const = 0;

    // The cursor: -1 before the first row, where seek(-1) puts it back. seek() refuses a row
    // outside the source.
    int currentRow() const { return m_currentRow; }
    // Runs the cursor through the source's rows in `order` (a permutation of them): its row i is
    // the source's row order.at(i). Empty gives the source's own order back; false, and nothing
    // changed, for a list that is not one entry per row. close() forgets it.
    bool setRowOrder(const QVector<int>& order);
    bool seek(int row);
    bool first() { return seek(0); }
    bool next() { return seek(m_currentRow + 1); }

    // The value at the current row; an invalid variant outside the rows or columns.
    virtual QVariant value(int column, int role = Qt::DisplayRole) const = 0;
    QVariant valueByName(const QString& column, int role = Qt::DisplayRole);
    // The index of a column, -1 when the source has no such column, or ColumnByName.
    virtual int columnIndexByName(const QString& name);

    static const QStringList& functionNames();
    static bool isFunctionName(const QString& name) { return functionNames().contains(name); }
    // Computes `function` over `column` (count and rowNumber need none); false for an unknown
    // function or a closed source.
    bool evaluateFunction(const QString& function, const QString& column, QVariant& result,
                          int role = Qt::DisplayRole);

protected:
    NCReportDataSource(const QString& id, DataSourceType type, QObject* parent);

    // The source's own number of the cursor's row, which value() reads; -1 before the first.
    int sourceRow() const { return m_rowOrder.isEmpty() || m_currentRow < 0 ? m_currentRow : m_rowOrder.at(m_currentRow); }

    // Reads or connects to the data; on failure says why in `error`.
    virtual bool openSource(QString& error) = 0;
    virtual void closeSource() {}

private:
    QVariant aggregate(const QString& function, int column, int role);

    QString m_id;
    DataSourceType m_type;
    QString m_parentReference;
    QVariantMap m_parameters;
    QString m_errorString;
    int m_currentRow = -1;
    QVector<int> m_rowOrder;
    bool m_open = false;
};
