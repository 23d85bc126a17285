#include "zcmodel.h"

ZCModel::ZCModel(QObject* parent)
    : QAbstractItemModel(parent)
{
}

ZCModel::~ZCModel() = default;

QModelIndex ZCModel::index(int row, int column, const QModelIndex& parent) const
{
    // The model is flat: an index under another index would have no way back to its parent.
    if (parent.isValid() || row < 0 || column < 0 || column >= columnCount())
        return QModelIndex();
    if (row >= rowCount(parent))
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex ZCModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int ZCModel::columnCount(const QModelIndex&) const
{
    return m_titulos.size();
}

QVariant ZCModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QString::number(section);
    return titleOrNumber(section);
}

QVariant ZCModel::GetPieData(int section, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return titleOrNumber(section);
}

QVariant ZCModel::titleOrNumber(int section) const
{
    if (section >= 0 && section < m_titulos.size())
        return m_titulos.at(section);
    return QString::number(section);
}
