#include "zcncreportevaluator.h"

#include <ncreportitemmodeldatasource.h>

namespace {

const QLatin1String dataSourceStart("$D{");

} // namespace

NCReportDataSource* NCReportGetCurrentDataSource(NCReportDirector* director)
{
    if (!director || !director->reportDef())
        return nullptr;
    const NCReportDef* def = director->reportDef();
    const int index = director->currentDetailIndex();
    if (index < 0 || index >= def->details().size())
        return nullptr;
    return def->dataSource(def->details().at(index).dataSourceId);
}

ZCNCReportEvaluator::ZCNCReportEvaluator() = default;

ZCNCReportEvaluator::ZCNCReportEvaluator(const NCReportEvaluator& other)
    : NCReportEvaluator(other)
{
}

ZCNCReportEvaluator::~ZCNCReportEvaluator() = default;

bool ZCNCReportEvaluator::getDataSourceValue(const QString& expression, QVariant& result)
{
    if (expression.isEmpty())
        return false;
    if (expression == QLatin1String("%CONST")) {
        result = QStringLiteral("0");
        return true;
    }
    QString text = expression;
    if (text.startsWith(QLatin1String("$P{")))
        evaluate(text, NCReportItem::Template);
    m_currentDataSource = nullptr;
    m_currentColumn = -1;

    Reference reference;
    if (!parseReference(text, reference))
        return false;
    NCReportDataSource* source =
        reference.dataSourceId.isEmpty() ? NCReportGetCurrentDataSource(director()) : dataSource(reference.dataSourceId);
    if (!source)
        return false;
    m_currentDataSource = source;
    if (!source->isOpen()) {
        evaluateFunctionValue(source, reference.function, reference.column, result);
        return true;
    }
    return readValue(source, reference, result);
}

// Splits the expression into data source, column, function and row, and takes the item role off
// the column.
bool ZCNCReportEvaluator::parseReference(const QString& expression, Reference& reference)
{
    QString text = expression;
    const int start = text.indexOf(dataSourceStart);
    if (start >= 0) {
        const int end = text.indexOf(QLatin1Char('}'), start + dataSourceStart.size());
        if (end < 0)
            return false;
        text = text.mid(start + dataSourceStart.size(), end - start - dataSourceStart.size());
    }

    const int dot = text.indexOf(QLatin1Char('.'));
    NCReportDataSource* named = dot > 0 ? dataSource(text.left(dot)) : nullptr;
    NCReportDataSource* source = named ? named : NCReportGetCurrentDataSource(director());
    if (qobject_cast<NCReportItemModelDataSource*>(source)) {
        if (named)
            reference.dataSourceId = named->id();
        reference.column = dot > 0 ? text.mid(dot + 1) : text;
        if (reference.column.endsWith(QLatin1String("()"))) {
            const QString name = reference.column.left(reference.column.size() - 2);
            if (NCReportDataSource::isFunctionName(name)) {
                reference.function = name;
                reference.column.clear();
            }
        }
    } else if (!parseDataSourceExpression(text, reference.dataSourceId, reference.column, reference.function,
                                          reference.row)) {
        return false;
    }
    getItemRoleInfo(reference.column);
    return true;
}

bool ZCNCReportEvaluator::readValue(NCReportDataSource* source, const Reference& reference, QVariant& result)
{
    if (!reference.function.isEmpty())
        return evaluateFunctionValue(source, reference.function, reference.column, result);
    return readColumn(source, reference.column, reference.row, result);
}
