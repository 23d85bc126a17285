#include "ncreporttextdatasource.h"

#include "ncreportdelimited_p.h"

namespace {

// The text from `start` to `end`, a line: the "\r" of a "\r\n" goes, a blank line is skipped.
void appendRecord(QStringList& records, const QString& text, int start, int end)
{
    if (end > start && text.at(end - 1) == QLatin1Char('\r'))
        --end;
    if (end > start)
        records.append(text.mid(start, end - start));
}

} // namespace

NCReportTextDataSource::NCReportTextDataSource(const QString& id, QObject* parent)
    : NCReportStringListDataSource(id, Text, parent)
{
}

NCReportTextDataSource::~NCReportTextDataSource() = default;

bool NCReportTextDataSource::readStrings(QStringList& strings, QString& error)
{
    QByteArray content;
    if (!readFile(source(), content, error))
        return false;
    strings = splitRecords(QString::fromUtf8(content), delimiter());
    return true;
}

QStringList NCReportTextDataSource::splitRecords(const QString& text, QChar delimiter)
{
    // Quotes come first: a line break inside a quoted field (as spreadsheets write one) belongs
    // to the field. The fields of each record are split by the same rules later.
    QStringList records;
    NCReportDelimitedReader reader(text, delimiter, true);
    int start = 0;
    while (!reader.atEnd()) {
        if (reader.step() == NCReportDelimitedReader::RecordEnd) {
            const int end = int(reader.position());
            appendRecord(records, text, start, end);
            start = end + 1;
        }
    }
    appendRecord(records, text, start, text.size());
    return records;
}
