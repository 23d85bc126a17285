#include "ncreporttextdatasource.h"

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
    strings = splitRecords(QString::fromUtf8(content));
    return true;
}

QStringList NCReportTextDataSource::splitRecords(const QString& text)
{
    // Quotes come first: a line break inside a quoted field (as spreadsheets write one) belongs
    // to the field. A quote inside a quoted field is doubled, so counting quotes is enough.
    QStringList records;
    bool quoted = false;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (ch == QLatin1Char('\n') && !quoted) {
            appendRecord(records, text, start, i);
            start = i + 1;
        }
    }
    appendRecord(records, text, start, text.size());
    return records;
}
