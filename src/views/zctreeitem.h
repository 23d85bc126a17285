#pragma once

#include "mirokit_global.h"

#include <QtGlobal>

#include <vector>

/*!
    A node of ZCTreeModel: an opaque data pointer chosen by the caller, a node type and the owned
    children in display order. Deleting an item unlinks it from its parent and frees its subtree.

    Items are not copyable: a copy would share the children with the original and one of the two
    would free them under the other.
*/
class MIROKIT_EXPORT ZCTreeItem
{
public:
    ZCTreeItem();
    ZCTreeItem(void* data, ZCTreeItem* parent);
    ZCTreeItem(void* data, int tipo, ZCTreeItem* parent);
    virtual ~ZCTreeItem();

    ZCTreeItem(const ZCTreeItem&) = delete;
    ZCTreeItem& operator=(const ZCTreeItem&) = delete;

    bool GetEstaCargado() const { return m_cargado; }
    void SetEstaCargado(bool cargado) { m_cargado = cargado; }
    bool GetEstaAceptado() const { return m_aceptado; }
    void SetEstaAceptado(bool aceptado) { m_aceptado = aceptado; }

    ZCTreeItem* GetParent() const { return m_parent; }
    void* GetData() const { return m_data; }
    int GetDataInt() const { return int(quintptr(m_data)); }
    unsigned int GetDataUInt() const { return static_cast<unsigned int>(quintptr(m_data)); }
    int GetTipoNodo() const { return m_tipo; }

    ZCTreeItem* AddChild(void* data);
    ZCTreeItem* AddChild(void* data, int tipo);
    // A position outside 0..NumeroChilds() is clamped to the nearest end.
    ZCTreeItem* InsertChild(int pos, void* data);
    ZCTreeItem* InsertChild(int pos, void* data, int tipo);

    ZCTreeItem* GetChild(int i) const;
    int NumeroChilds() const { return int(m_children.size()); }
    int GetRow() const;
    bool EsDescendienteDe(const ZCTreeItem* p) const;

    ZCTreeItem* FindData(void* data);
    ZCTreeItem* FindData(void* data, int tipo);

    void DeleteAllChilds();
    void ReinitRoot(void* data);
    // Positions out of range leave the children as they are.
    void swapChilds(int i, int j);
    void InvertirOrdenChilds();

private:
    template <typename Match>
    ZCTreeItem* findFirst(Match matches);
    void unlinkFromParent();

    bool m_cargado = false;
    bool m_aceptado = false;
    ZCTreeItem* m_parent = nullptr;
    void* m_data = nullptr;
    int m_tipo = -1;
    std::vector<ZCTreeItem*> m_children;
    // Where this item was last seen in its parent's list; makes GetRow() constant time as long as
    // the siblings before it do not move.
    mutable int m_rowHint = 0;
};
