#include "ncreportcustomdsprovider.h"

#include "ncreportevaluator.h"
#include "ncreportitemmodeldatasource.h"
#include "ncreportsqldatasource.h"
#include "ncreporttextdatasource.h"
#include "ncreportxmldatasource.h"

NCReportCustomDSProvider::NCReportCustomDSProvider(QObject* parent)
    : QObject(parent)
{
}

NCReportCustomDSProvider::~NCReportCustomDSProvider() = default;

NCReportDataSource* NCReportCustomDSProvider::createCustomDataSource(const QString& id, int type, QObject* parent)
{
    switch (type) {
    case NCReportDataSource::Sql:
        return new NCReportSqlDataSource(id, parent);
    case NCReportDataSource::Text:
        return new NCReportTextDataSource(id, parent);
    case NCReportDataSource::XML:
        return new NCReportXMLDataSource(id, parent);
    case NCReportDataSource::StringList:
        return new NCReportStringListDataSource(id, parent);
    case NCReportDataSource::ItemModel:
        return new NCReportItemModelDataSource(id, parent);
    default:
        return nullptr;
    }
}

std::unique_ptr<NCReportEvaluator> NCReportCustomDSProvider::createEvaluator() const
{
    return std::make_unique<NCReportEvaluator>();
}
