#include "zcmodelindex.h"

#include <QAbstractProxyModel>

namespace {

const QAbstractProxyModel* proxyOf(const QModelIndex& index)
{
    const QAbstractItemModel* model = index.model();
    if (!model || !model->inherits("QAbstractProxyModel"))
        return nullptr;
    return static_cast<const QAbstractProxyModel*>(model);
}

QModelIndex innermostSource(QModelIndex index)
{
    while (index.isValid()) {
        const QAbstractProxyModel* proxy = proxyOf(index);
        if (!proxy)
            break;
        index = proxy->mapToSource(index);
    }
    return index;
}

} // namespace

ZCModelIndex::ZCModelIndex() = default;

ZCModelIndex::ZCModelIndex(const QModelIndex& index)
    : QModelIndex(index)
{
}

ZCModelIndex::ZCModelIndex(const ZCModelIndex& other) = default;
ZCModelIndex& ZCModelIndex::operator=(const ZCModelIndex& other) = default;
ZCModelIndex::~ZCModelIndex() = default;

bool ZCModelIndex::EsProxyModel() const
{
    return proxyOf(*this) != nullptr;
}

QModelIndex ZCModelIndex::GetSourceIndex() const
{
    const QAbstractProxyModel* proxy = isValid() ? proxyOf(*this) : nullptr;
    return proxy ? proxy->mapToSource(*this) : QModelIndex(*this);
}

ZCModelIndexSource::ZCModelIndexSource(const QModelIndex& index)
    : ZCModelIndex(innermostSource(index))
{
}

ZCModelIndexSource::ZCModelIndexSource(const ZCModelIndexSource& other) = default;
ZCModelIndexSource& ZCModelIndexSource::operator=(const ZCModelIndexSource& other) = default;
ZCModelIndexSource::~ZCModelIndexSource() = default;
