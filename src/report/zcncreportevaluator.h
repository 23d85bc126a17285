#pragma once

#include "mirokit_global.h"

#include <ncreportevaluator.h>

/*!
    The evaluator of the library's reports. Data-source expressions get extra rules: "%CONST" is
    the text "0"; a leading parameter reference is evaluated first; on an item-model source the
    column is looked up by header name (ZCNCReportItemModelDataSource) and "function()" calls a
    data-source function; on the other sources "column,row" reads another row and leaves the
    cursor where it was.
*/
class MIROKIT_EXPORT ZCNCReportEvaluator : public NCReportEvaluator
{
public:
    ZCNCReportEvaluator();
    ZCNCReportEvaluator(const NCReportEvaluator& other);
    ~ZCNCReportEvaluator() override;

    bool getDataSourceValue(const QString& expression, QVariant& result) override;

private:
    struct Reference {
        QString dataSourceId;
        QString column;
        QString function;
        int row = -1;
    };

    bool parseReference(const QString& expression, Reference& reference);
    bool readValue(NCReportDataSource* dataSource, const Reference& reference, QVariant& result);
};

// The data source of the detail the director is running; null outside a detail.
MIROKIT_EXPORT NCReportDataSource* NCReportGetCurrentDataSource(NCReportDirector* director);
