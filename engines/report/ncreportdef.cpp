#include "ncreportdef.h"

#include "ncreportitemmodeldatasource.h"

#include <QPageSize>

NCReportDef::NCReportDef(QObject* parent)
    : QObject(parent)
    , m_pageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                   QPageLayout::Millimeter)
{
}

NCReportDef::~NCReportDef() = default;

bool NCReportDef::addDataSource(NCReportDataSource* dataSource)
{
    if (!dataSource)
        return false;
    if (this->dataSource(dataSource->id())) {
        delete dataSource;
        return false;
    }
    dataSource->setParent(this);
    m_dataSources.append(dataSource);
    bindItemModel(dataSource);
    return true;
}

NCReportDataSource* NCReportDef::dataSource(const QString& id) const
{
    for (NCReportDataSource* dataSource : m_dataSources) {
        if (dataSource->id() == id)
            return dataSource;
    }
    return nullptr;
}

void NCReportDef::addItemModel(const QString& id, QAbstractItemModel* model)
{
    m_itemModels.insert(id, model);
    for (NCReportDataSource* dataSource : qAsConst(m_dataSources))
        bindItemModel(dataSource);
}

QHash<QString, QAbstractItemModel*> NCReportDef::itemModels() const
{
    QHash<QString, QAbstractItemModel*> models;
    for (auto it = m_itemModels.cbegin(); it != m_itemModels.cend(); ++it) {
        if (it.value())
            models.insert(it.key(), it.value());
    }
    return models;
}

void NCReportDef::bindItemModel(NCReportDataSource* dataSource) const
{
    auto* itemModelSource = qobject_cast<NCReportItemModelDataSource*>(dataSource);
    if (itemModelSource && m_itemModels.contains(itemModelSource->itemModelId()))
        itemModelSource->setItemModel(m_itemModels.value(itemModelSource->itemModelId()));
}
