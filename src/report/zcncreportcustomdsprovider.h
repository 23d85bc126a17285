#pragma once

#include "mirokit_global.h"

#include <ncreportcustomdsprovider.h>

/*!
    The data-source provider the library gives the report engine: the engine's own SQL, text,
    XML and string-list sources, and the library's item-model source
    (ZCNCReportItemModelDataSource) for type 4. A report run with it evaluates with the
    library's evaluator (ZCNCReportEvaluator) unless the host gave the report another.
*/
class MIROKIT_EXPORT ZCNCReportCustomDSProvider : public NCReportCustomDSProvider
{
    Q_OBJECT

public:
    explicit ZCNCReportCustomDSProvider(QObject* parent = nullptr);
    ~ZCNCReportCustomDSProvider() override;

    NCReportDataSource* createCustomDataSource(const QString& id, int type, QObject* parent) override;
    std::unique_ptr<NCReportEvaluator> createEvaluator() const override;
};
