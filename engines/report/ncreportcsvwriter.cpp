#include "ncreportcsvwriter.h"

#include "ncreportevaluator.h"
#include "ncreportexport_p.h"
#include "ncreportrecordedpages.h"

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

// The label printed above a field in a header: the one over most of the field and not much
// wider than it.
QString labelAbove(const NCReportRecordedPages& pages, const NCReportItem& field)
{
    QString best;
    qreal bestShare = 0.5;
    for (int index = 0; index < pages.sectionCount(); ++index) {
        const NCReportSection& section = pages.section(index);
        if (section.type != NCReportSection::PageHeader && section.type != NCReportSection::ReportHeader
            && section.type != NCReportSection::GroupHeader)
            continue;
        for (const NCReportItem& label : section.items) {
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
    // The detail: the section of the first detail row printed.
    int detail = -1;
    for (int page = 0; page < pages.pageCount() && detail < 0; ++page) {
        for (const NCReportBand& band : pages.bands(page)) {
            if (pages.section(band.section).type == NCReportSection::Detail) {
                detail = band.section;
                break;
            }
        }
    }
    if (detail < 0)
        return QByteArray();
    const NCReportSection& section = pages.section(detail);
    QVector<int> columns;
    for (int index = 0; index < section.items.size(); ++index) {
        if (section.items.at(index).type == NCReportItem::Field)
            columns.append(index);
    }
    std::stable_sort(columns.begin(), columns.end(), [&section](int a, int b) {
        return section.items.at(a).geometry.x() < section.items.at(b).geometry.x();
    });

    QVector<QString> fields;
    for (int column : columns) {
        const NCReportItem& item = section.items.at(column);
        const QString label = labelAbove(pages, item);
        fields.append(label.isEmpty() ? fieldName(item) : label);
    }
    QByteArray csv = record(fields);
    for (int page = 0; page < pages.pageCount(); ++page) {
        for (const NCReportBand& band : pages.bands(page)) {
            if (band.section != detail)
                continue;
            fields.fill(QString(), columns.size());
            for (const NCReportBandItem& printed : band.items) {
                const int column = columns.indexOf(printed.item);
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
