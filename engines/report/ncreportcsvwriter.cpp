#include "ncreportcsvwriter.h"

#include "ncreportevaluator.h"
#include "ncreportexport_p.h"
#include "ncreportrecordedpages.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString quoted(const QString& field)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(field.cbegin(), field.cend(), [](QChar c) { return special.contains(c); }))
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The name a field's expression reads: the column of "$D{ventas.Importe}" or of a data-source
// field "ventas.Importe:edit", the name of "$P{...}" and "$V{...}"; other text as it is.
QString fieldName(const NCReportItem& item)
{
    static const QRegularExpression oneReference(QStringLiteral("^\\$[DPV]\\{([^}]*)\\}$"));
    QString name = item.text.trimmed();
    if (item.sourceType == NCReportItem::Static)
        return name;
    if (item.sourceType == NCReportItem::Template) {
        const QRegularExpressionMatch match = oneReference.match(name);
        if (!match.hasMatch())
            return name;
        name = match.captured(1);
    }
    return name.section(QLatin1Char(':'), 0, 0).section(QLatin1Char(','), 0, 0).section(QLatin1Char('.'), -1);
}

QByteArray record(const QVector<QString>& fields)
{
    QByteArray line;
    for (int index = 0; index < fields.size(); ++index) {
        if (index > 0)
            line += ',';
        line += quoted(fields.at(index)).toUtf8();
    }
    return line + "\r\n";
}

// The label printed above a field in one of `headers` (sections): the one over most of the
// field and not much wider than it.
QString labelAbove(const NCReportRecordedPages& pages, const QVector<int>& headers, const NCReportItem& field)
{
    QString best;
    qreal bestShare = 0.5;
    for (int index : headers) {
        for (const NCReportItem& label : pages.section(index).items) {
            if (label.type != NCReportItem::Label)
                continue;
            const qreal overlap = qMin(label.geometry.right(), field.geometry.right())
                - qMax(label.geometry.left(), field.geometry.left());
            const qreal share = overlap / qMax(label.geometry.width(), field.geometry.width());
            if (share > bestShare) {
                bestShare = share;
                best = label.text.trimmed();
            }
        }
    }
    return best;
}

// Where a band was printed: its page and its place on the page.
struct BandAt {
    int page;
    int band;
};

// The sections whose labels head the columns of a detail: the group headers printed right
// before its first row (across a page break), and for the report's first detail the page and
// report headers too; what other details print above their rows is theirs.
QVector<int> headersOf(const NCReportRecordedPages& pages, BandAt firstRow, bool firstDetail)
{
    QVector<int> headers;
    for (int page = firstRow.page; page >= 0; --page) {
        const QVector<NCReportBand>& bands = pages.bands(page);
        for (int band = (page == firstRow.page ? firstRow.band : int(bands.size())) - 1; band >= 0; --band) {
            const int section = bands.at(band).section;
            switch (pages.section(section).type) {
            case NCReportSection::GroupHeader:
                headers.append(section);
                break;
            case NCReportSection::PageHeader:
            case NCReportSection::ReportHeader:
                if (firstDetail)
                    headers.append(section);
                break;
            case NCReportSection::PageFooter:
                break;
            default:
                return headers;
            }
        }
    }
    return headers;
}

// A value as the data gives it.
QString valueText(const NCReportBandItem& printed)
{
    const QVariant& value = printed.value;
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return printed.text;
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(Qt::ISODate);
    case QMetaType::QTime:
        return value.toTime().toString(Qt::ISODate);
    default:
        return NCReportEvaluator::valueText(value);
    }
}

} // namespace

QByteArray NCReportCsvWriter::toCsv(const NCReportRecordedPages& pages)
{
    // The details in the order they print, each field of each a column of the file, headed by
    // its label or its name: fields of different details under the same heading share a column.
    QVector<QString> header;
    QHash<QString, QVector<int>> columnsHeaded;
    // By section: the column of each of its items, -1 for those that are not fields.
    QHash<int, QVector<int>> detailColumns;
    for (int page = 0; page < pages.pageCount(); ++page) {
        const QVector<NCReportBand>& bands = pages.bands(page);
        for (int band = 0; band < bands.size(); ++band) {
            const int detail = bands.at(band).section;
            const NCReportSection& section = pages.section(detail);
            if (section.type != NCReportSection::Detail || detailColumns.contains(detail))
                continue;
            QVector<int> fields;
            for (int index = 0; index < section.items.size(); ++index) {
                if (section.items.at(index).type == NCReportItem::Field)
                    fields.append(index);
            }
            std::stable_sort(fields.begin(), fields.end(), [&section](int a, int b) {
                return section.items.at(a).geometry.x() < section.items.at(b).geometry.x();
            });
            const QVector<int> headers = headersOf(pages, {page, band}, detailColumns.isEmpty());
            QVector<int>& columns = detailColumns[detail];
            columns.fill(-1, section.items.size());
            QHash<QString, int> headedHere;
            for (int field : qAsConst(fields)) {
                const NCReportItem& item = section.items.at(field);
                const QString label = labelAbove(pages, headers, item);
                const QString heading = label.isEmpty() ? fieldName(item) : label;
                // A heading a detail prints twice is two columns.
                QVector<int>& headed = columnsHeaded[heading];
                const int nth = headedHere[heading]++;
                if (nth == headed.size()) {
                    headed.append(header.size());
                    header.append(heading);
                }
                columns[field] = headed.at(nth);
            }
        }
    }
    if (detailColumns.isEmpty())
        return QByteArray();

    QByteArray csv = record(header);
    QVector<QString> fields;
    for (int page = 0; page < pages.pageCount(); ++page) {
        for (const NCReportBand& band : pages.bands(page)) {
            const auto columns = detailColumns.constFind(band.section);
            if (columns == detailColumns.constEnd())
                continue;
            fields.fill(QString(), header.size());
            for (const NCReportBandItem& printed : band.items) {
                const int column = columns->value(printed.item, -1);
                if (column >= 0)
                    fields[column] = valueText(printed);
            }
            csv += record(fields);
        }
    }
    return csv;
}

bool NCReportCsvWriter::write(const NCReportRecordedPages& pages, const QString& fileName, QString* error)
{
    return NCReportExport::writeFile(fileName, error, [&pages](QIODevice& file, QString&) {
        const QByteArray csv = toCsv(pages);
        return file.write(csv) == csv.size();
    });
}
