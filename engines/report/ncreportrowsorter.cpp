#include "ncreportrowsorter.h"

#include "ncreportdatasource.h"
#include "ncreportvalueformat.h"

#include <QCollator>
#include <QSet>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// What a cell holds, in the order kinds sort in.
enum class Kind { Empty, Number, Text };

// One column's cells, read once, in a form that compares quickly: a number, or the collator's
// key of the text (comparing keys is far cheaper than collating the texts every time).
class SortColumn
{
public:
    SortColumn(bool descending, int rows)
        : m_descending(descending)
    {
        m_kinds.reserve(rows);
        m_numbers.reserve(rows);
        m_texts.reserve(rows);
    }

    void append(const QVariant& value, const QCollator& collator)
    {
        double number = 0;
        QDate date;
        QDateTime dateTime;
        if (NCReportValueFormat::readNumber(value, number)) {
            add(Kind::Number, number, -1);
            return;
        }
        if (NCReportValueFormat::readDate(value, date, dateTime)) {
            add(Kind::Number, wallClock(date, dateTime), -1);
            return;
        }
        const QString text = value.toString();
        if (text.isEmpty()) {
            add(Kind::Empty, 0, -1);
            return;
        }
        m_keys.push_back(collator.sortKey(text));
        add(Kind::Text, 0, int(m_keys.size()) - 1);
    }

    // <0, 0 or >0 as row a sorts before, with or after row b, the direction included.
    int compare(int a, int b) const
    {
        const int order = compareAscending(a, b);
        return m_descending ? -order : order;
    }

private:
    // Days by their Julian day and times by the clock, in milliseconds: a date never goes through
    // its local midnight, which does not exist where daylight saving time begins at midnight.
    // Below 2^53 for any date a report shows, so exact in a double.
    static double wallClock(const QDate& date, const QDateTime& dateTime)
    {
        constexpr double millisecondsPerDay = 24 * 60 * 60 * 1000;
        if (dateTime.isNull())
            return double(date.toJulianDay()) * millisecondsPerDay;
        const QDateTime local = dateTime.toLocalTime();
        return double(local.date().toJulianDay()) * millisecondsPerDay + local.time().msecsSinceStartOfDay();
    }

    void add(Kind kind, double number, int text)
    {
        m_kinds.push_back(kind);
        m_numbers.push_back(number);
        m_texts.push_back(text);
    }

    int compareAscending(int a, int b) const
    {
        if (m_kinds[a] != m_kinds[b])
            return m_kinds[a] < m_kinds[b] ? -1 : 1;
        switch (m_kinds[a]) {
        case Kind::Number:
            return m_numbers[a] < m_numbers[b] ? -1 : (m_numbers[b] < m_numbers[a] ? 1 : 0);
        case Kind::Text:
            return m_keys[m_texts[a]].compare(m_keys[m_texts[b]]);
        case Kind::Empty:
            break;
        }
        return 0;
    }

    bool m_descending;
    std::vector<Kind> m_kinds;
    std::vector<double> m_numbers;
    std::vector<int> m_texts;
    std::vector<QCollatorSortKey> m_keys;
};

} // namespace

NCReportRowSorter::NCReportRowSorter(const QLocale& locale)
    : m_locale(locale)
{
}

bool NCReportRowSorter::sort(NCReportDataSource* source, const QVector<NCReportSortKey>& keys, QVector<int>& order,
                             QString& missingColumn) const
{
    const int rows = source->rowCount();
    // A column that comes again (under another name that the source reads as the same column)
    // cannot change the order: each is read once, so keys cost no more than the source's cells.
    QVector<int> columnIndexes;
    QVector<NCReportSortKey> uniqueKeys;
    QSet<QString> byName;
    for (const NCReportSortKey& key : keys) {
        const int index = source->columnIndexByName(key.column);
        if (index < 0 && index != NCReportDataSource::ColumnByName) {
            missingColumn = key.column;
            return false;
        }
        const bool repeated = index >= 0 ? columnIndexes.contains(index) : byName.contains(key.column);
        if (repeated)
            continue;
        if (index < 0)
            byName.insert(key.column);
        columnIndexes.append(index);
        uniqueKeys.append(key);
    }
    const QCollator collator(m_locale);
    std::vector<SortColumn> columns;
    columns.reserve(size_t(uniqueKeys.size()));
    for (const NCReportSortKey& key : qAsConst(uniqueKeys))
        columns.emplace_back(key.descending, rows);
    for (int row = 0; source->seek(row); ++row) {
        for (int key = 0; key < uniqueKeys.size(); ++key) {
            const int index = columnIndexes.at(key);
            columns[size_t(key)].append(index >= 0 ? source->value(index) : source->valueByName(uniqueKeys.at(key).column),
                                        collator);
        }
    }
    source->seek(-1);

    order.resize(rows);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (const SortColumn& column : columns) {
            if (const int result = column.compare(a, b))
                return result < 0;
        }
        return false;
    });
    return true;
}
