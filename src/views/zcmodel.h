#pragma once

#include "mirokit_global.h"

#include <QAbstractItemModel>
#include <QStringList>

/*!
    Base of the library's flat models: the subclass fills the column titles, whose number is the
    model's column count, and supplies rowCount() and data(). Headers answer with the titles and
    fall back to section numbers.
*/
class MIROKIT_EXPORT ZCModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit ZCModel(QObject* parent = nullptr);
    ~ZCModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Label of an entry for pie charts; only the second argument 0 (the display role) is answered.
    virtual QVariant GetPieData(int section, int role) const;

protected:
    QStringList m_titulos;

private:
    QVariant titleOrNumber(int section) const;
};
