#include "ncreportstringlistdatasource.h"

NCReportStringListDataSource::NCReportStringListDataSource(const QString& id, QObject* parent)
    : NCReportStringListDataSource(id, StringList, parent)
{
}

NCReportStringListDataSource::NCReportStringListDataSource(const QString& id, DataSourceType type, QObject* parent)
    : NCReportTableDataSource(id, type, parent)
{
}

NCReportStringListDataSource::~NCReportStringListDataSource() = default;

QStringList NCReportStringListDataSource::splitFields(const QString& line, QChar delimiter)
{
    const QChar quote = QLatin1Char('"');
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (quoted) {
            if (ch != quote)
                field += ch;
            else if (i + 1 < line.size() && line.at(i + 1) == quote)
                field += line.at(++i);
            else
                quoted = false;
        } else if (ch == delimiter) {
            fields.append(field);
            field.clear();
        } else if (ch == quote) {
            quoted = true;
        } else {
            field += ch;
        }
    }
    fields.append(field);
    return fields;
}

bool NCReportStringListDataSource::readStrings(QStringList& strings, QString&)
{
    strings = m_strings;
    return true;
}

bool NCReportStringListDataSource::readTable(Table& table, QString& error)
{
    QStringList strings;
    if (!readStrings(strings, error))
        return false;
    int columns = 0;
    for (int i = 0; i < strings.size(); ++i) {
        const QStringList fields = splitFields(strings.at(i), m_delimiter);
        if (i == 0 && m_hasHeader) {
            table.columns = fields;
            continue;
        }
        table.rows.append(QVector<QVariant>(fields.begin(), fields.end()));
        columns = qMax(columns, int(fields.size()));
    }
    if (!m_hasHeader)
        table.columns = numberedColumns(columns);
    return true;
}
