// Random delimited text through the readers of text files and string lists (fields separated by
// ';'): no crash, and what they read survives being written back with every field quoted, as
// RFC 4180 writes it, and read again.
#include <ncreportstringlistdatasource.h>
#include <ncreporttextdatasource.h>

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <cstdlib>

namespace {

const QChar delimiter = QLatin1Char(';');

QVector<QStringList> rowsOf(const QString& text)
{
    QVector<QStringList> rows;
    for (const QString& record : NCReportTextDataSource::splitRecords(text, delimiter))
        rows.append(NCReportStringListDataSource::splitFields(record, delimiter));
    return rows;
}

QString quoted(const QVector<QStringList>& rows)
{
    QString text;
    for (const QStringList& fields : rows) {
        for (int i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += delimiter;
            text += QLatin1Char('"') + QString(fields.at(i)).replace(QLatin1String("\""), QLatin1String("\"\""))
                + QLatin1Char('"');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const QVector<QStringList> rows = rowsOf(text);
    qsizetype characters = 0;
    for (const QStringList& fields : rows) {
        if (fields.isEmpty())
            std::abort();
        for (const QString& field : fields)
            characters += field.size();
    }
    // Quotes and delimiters only ever go: the fields hold no more than the text.
    if (characters > text.size())
        std::abort();
    if (rowsOf(quoted(rows)) != rows)
        std::abort();
    return 0;
}
