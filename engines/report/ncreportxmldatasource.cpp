#include "ncreportxmldatasource.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

// The table is read whole into memory. Rows that bring attributes of their own must not multiply
// into rows x columns cells: a row keeps only the columns up to its last value (the shorter rows
// read as empty there), and a table larger than this is refused.
constexpr qint64 maximumValues = 10000000;

// Collects rows as name/value pairs, then lays them out in columns.
class RowCollector
{
public:
    void startRow() { rows.append(QHash<int, QString>()); }
    void set(const QString& name, const QString& value)
    {
        auto known = columnIndex.constFind(name);
        if (known == columnIndex.cend()) {
            known = columnIndex.insert(name, columns.size());
            columns.append(name);
        }
        rows.last().insert(known.value(), value);
    }
    bool fill(NCReportTableDataSource::Table& table, QString& error) const
    {
        qint64 values = 0;
        for (const QHash<int, QString>& row : rows)
            values += width(row);
        if (values > maximumValues) {
            error = NCReportXMLDataSource::tr("The XML data has too many values: at most %1 can be read")
                        .arg(maximumValues);
            return false;
        }
        table.columns = columns;
        table.rows.reserve(rows.size());
        for (const QHash<int, QString>& values : rows) {
            QVector<QVariant> row(width(values));
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                row[it.key()] = it.value();
            table.rows.append(row);
        }
        return true;
    }

private:
    static int width(const QHash<int, QString>& row)
    {
        int last = -1;
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            last = qMax(last, it.key());
        return last + 1;
    }

    QStringList columns;
    QHash<QString, int> columnIndex;
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
    return rows.fill(table, error);
}
