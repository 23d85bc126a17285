#include "zcncreportcustomdsprovider.h"

#include "zcncreportevaluator.h"
#include "zcncreportitemmodeldatasource.h"

ZCNCReportCustomDSProvider::ZCNCReportCustomDSProvider(QObject* parent)
    : NCReportCustomDSProvider(parent)
{
}

ZCNCReportCustomDSProvider::~ZCNCReportCustomDSProvider() = default;

NCReportDataSource* ZCNCReportCustomDSProvider::createCustomDataSource(const QString& id, int type, QObject* parent)
{
    if (type == NCReportDataSource::ItemModel)
        return new ZCNCReportItemModelDataSource(id, parent);
    return NCReportCustomDSProvider::createCustomDataSource(id, type, parent);
}

std::unique_ptr<NCReportEvaluator> ZCNCReportCustomDSProvider::createEvaluator() const
{
    return std::make_unique<ZCNCReportEvaluator>();
}
