#include "ncreportxmldatasource.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

// Collects rows as name/value pairs, then lays them out in columns.
class RowCollector
{
public:
    void startRow() { rows.append(QHash<int, QString>()); }
    void set(const QString& name, const QString& value)
    {
        int column = columns.indexOf(name);
        if (column < 0) {
            column = columns.size();
            columns.append(name);
        }
        rows.last().insert(column, value);
    }
    void fill(NCReportTableDataSource::Table& table) const
    {
        table.columns = columns;
        table.rows.reserve(rows.size());
        for (const QHash<int, QString>& values : rows) {
            QVector<QVariant> row(columns.size());
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                row[it.key()] = it.value();
            table.rows.append(row);
        }
    }

private:
    QStringList columns;
    QVector<QHash<int, QString>> rows;
};

} // namespace

NCReportXMLDataSource::NCReportXMLDataSource(const QString& id, QObject* parent)
    : NCReportTableDataSource(id, XML, parent)
{
}

NCReportXMLDataSource::~NCReportXMLDataSource() = default;

bool NCReportXMLDataSource::readTable(Table& table, QString& error)
{
    QByteArray content;
    if (source().startsWith(QLatin1Char('<'))) {
        content = source().toUtf8();
    } else if (!readFile(source(), content, error)) {
        return false;
    }

    QXmlStreamReader xml(content);
    RowCollector rows;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (depth == 2) {
                rows.startRow();
                for (const QXmlStreamAttribute& attribute : xml.attributes())
                    rows.set(attribute.name().toString(), attribute.value().toString());
            } else if (depth == 3) {
                rows.set(xml.name().toString(), xml.readElementText(QXmlStreamReader::IncludeChildElements));
                --depth;
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    if (xml.hasError()) {
        error = tr("Line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    rows.fill(table);
    return true;
}
