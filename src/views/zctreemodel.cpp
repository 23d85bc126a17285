#include "zctreemodel.h"

#include "zctreeitem.h"

ZCTreeModel::ZCTreeModel(QObject* parent)
    : ZCModel(parent)
    , m_root(new ZCTreeItem)
{
}

ZCTreeModel::~ZCTreeModel() = default;

ZCTreeItem* ZCTreeModel::itemFromIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return m_root.get();
    // An index of another model carries a pointer that means nothing here.
    if (index.model() != this)
        return nullptr;
    return static_cast<ZCTreeItem*>(index.internalPointer());
}

QModelIndex ZCTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    // Only column 0 has children, as in every Qt tree model; other columns are leaves.
    if (column < 0 || column >= columnCount() || (parent.isValid() && parent.column() != 0))
        return QModelIndex();
    // The children as they stand: loading is rowCount()'s job alone, and a view always counts
    // the rows before it asks for them.
    const ZCTreeItem* parentItem = itemFromIndex(parent);
    ZCTreeItem* child = parentItem ? parentItem->GetChild(row) : nullptr;
    if (!child)
        return QModelIndex();
    return createIndex(row, column, child);
}

QModelIndex ZCTreeModel::parent(const QModelIndex& index) const
{
    const ZCTreeItem* item = itemFromIndex(index);
    if (!index.isValid() || !item)
        return QModelIndex();
    const ZCTreeItem* parentItem = item->GetParent();
    if (!parentItem || parentItem == m_root.get())
        return QModelIndex();
    return createIndex(parentItem->GetRow(), 0, const_cast<ZCTreeItem*>(parentItem));
}

int ZCTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    ZCTreeItem* item = itemFromIndex(parent);
    if (!item)
        return 0;
    if (!item->GetEstaCargado())
        const_cast<ZCTreeModel*>(this)->CargarChilds(item);
    return item->NumeroChilds();
}

QModelIndex ZCTreeModel::creaIndex(ZCTreeItem* item, int column) const
{
    if (!item || item == m_root.get())
        return QModelIndex();
    const int row = item->GetRow();
    if (row < 0 || column < 0 || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column, item);
}

ZCTreeItem* ZCTreeModel::GetRootItem() const
{
    return m_root.get();
}
