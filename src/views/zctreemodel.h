#pragma once

#include "zcmodel.h"

#include <memory>

class ZCTreeItem;

/*!
    Base of the library's tree models. The tree is made of ZCTreeItem nodes under a root that is
    never shown; each index carries its item as internal pointer. Children are loaded on demand:
    the first rowCount() of an item that is not loaded calls CargarChilds(), which the subclass
    implements with AddChild()/InsertChild() (or SetEstaCargado(true) when there is nothing).
    rowCount() is the only place that loads: index() answers from the children already there.

    Subclasses bracket changes of the tree (DeleteAllChilds, ReinitRoot, InvertirOrdenChilds,
    new children of loaded items) with the usual reset, row or layout notifications.
*/
class MIROKIT_EXPORT ZCTreeModel : public ZCModel
{
    Q_OBJECT

public:
    explicit ZCTreeModel(QObject* parent = nullptr);
    ~ZCTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;

    virtual void CargarChilds(ZCTreeItem* item) = 0;

    QModelIndex creaIndex(ZCTreeItem* item, int column) const;
    ZCTreeItem* GetRootItem() const;

protected:
    ZCTreeItem* itemFromIndex(const QModelIndex& index) const;

private:
    std::unique_ptr<ZCTreeItem> m_root;
};
