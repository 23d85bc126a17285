#include "ncreportstringlistdatasource.h"

#include "ncreportdelimited_p.h"

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
    QStringList fields;
    QString field;
    NCReportDelimitedReader reader(line, delimiter, false);
    while (!reader.atEnd()) {
        switch (reader.step()) {
        case NCReportDelimitedReader::Text:
            field += line.at(reader.position());
            break;
        case NCReportDelimitedReader::FieldEnd:
            fields.append(field);
            field.clear();
            break;
        case NCReportDelimitedReader::Quote:
        case NCReportDelimitedReader::RecordEnd:
            break;
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
