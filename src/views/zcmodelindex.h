#pragma once

#include "mirokit_global.h"

#include <QModelIndex>

/*!
    A model index that knows whether it belongs to a proxy model and can map itself one level
    down to the proxy's source.
*/
class MIROKIT_EXPORT ZCModelIndex : public QModelIndex
{
public:
    ZCModelIndex();
    ZCModelIndex(const QModelIndex& index);
    ZCModelIndex(const ZCModelIndex& other);
    ZCModelIndex& operator=(const ZCModelIndex& other);
    virtual ~ZCModelIndex();

    bool EsProxyModel() const;
    QModelIndex GetSourceIndex() const;
};

/*!
    The index in the model at the bottom of a chain of proxies: built from an index of any layer,
    it maps through every proxy down to the innermost source model.
*/
class MIROKIT_EXPORT ZCModelIndexSource : public ZCModelIndex
{
public:
    ZCModelIndexSource(const QModelIndex& index);
    ZCModelIndexSource(const ZCModelIndexSource& other);
    ZCModelIndexSource& operator=(const ZCModelIndexSource& other);
    ~ZCModelIndexSource() override;
};
