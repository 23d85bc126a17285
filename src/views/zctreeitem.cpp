#include "zctreeitem.h"

#include <algorithm>

ZCTreeItem::ZCTreeItem() = default;

ZCTreeItem::ZCTreeItem(void* data, ZCTreeItem* parent)
    : ZCTreeItem(data, 0, parent)
{
}

ZCTreeItem::ZCTreeItem(void* data, int tipo, ZCTreeItem* parent)
    : m_parent(parent)
    , m_data(data)
    , m_tipo(tipo)
{
}

ZCTreeItem::~ZCTreeItem()
{
    unlinkFromParent();
    DeleteAllChilds();
}

ZCTreeItem* ZCTreeItem::AddChild(void* data)
{
    return InsertChild(NumeroChilds(), data, 0);
}

ZCTreeItem* ZCTreeItem::AddChild(void* data, int tipo)
{
    return InsertChild(NumeroChilds(), data, tipo);
}

ZCTreeItem* ZCTreeItem::InsertChild(int pos, void* data)
{
    return InsertChild(pos, data, 0);
}

ZCTreeItem* ZCTreeItem::InsertChild(int pos, void* data, int tipo)
{
    const int row = qBound(0, pos, NumeroChilds());
    auto* child = new ZCTreeItem(data, tipo, this);
    child->m_rowHint = row;
    m_children.insert(m_children.begin() + row, child);
    m_cargado = true;
    return child;
}

ZCTreeItem* ZCTreeItem::GetChild(int i) const
{
    if (i < 0 || i >= NumeroChilds())
        return nullptr;
    return m_children[size_t(i)];
}

int ZCTreeItem::GetRow() const
{
    if (!m_parent)
        return 0;
    const std::vector<ZCTreeItem*>& siblings = m_parent->m_children;
    if (m_rowHint >= 0 && size_t(m_rowHint) < siblings.size() && siblings[size_t(m_rowHint)] == this)
        return m_rowHint;
    const auto found = std::find(siblings.cbegin(), siblings.cend(), this);
    if (found == siblings.cend())
        return -1;
    m_rowHint = int(found - siblings.cbegin());
    return m_rowHint;
}

bool ZCTreeItem::EsDescendienteDe(const ZCTreeItem* p) const
{
    for (const ZCTreeItem* ancestor = m_parent; ancestor; ancestor = ancestor->m_parent) {
        if (ancestor == p)
            return true;
    }
    return false;
}

// Pre-order walk with an explicit stack, so a very deep chain cannot exhaust the call stack.
template <typename Match>
ZCTreeItem* ZCTreeItem::findFirst(Match matches)
{
    std::vector<ZCTreeItem*> pending{this};
    while (!pending.empty()) {
        ZCTreeItem* item = pending.back();
        pending.pop_back();
        if (matches(item))
            return item;
        pending.insert(pending.end(), item->m_children.rbegin(), item->m_children.rend());
    }
    return nullptr;
}

ZCTreeItem* ZCTreeItem::FindData(void* data)
{
    return findFirst([data](const ZCTreeItem* item) { return item->m_data == data; });
}

ZCTreeItem* ZCTreeItem::FindData(void* data, int tipo)
{
    return findFirst([data, tipo](const ZCTreeItem* item) {
        return item->m_data == data && item->m_tipo == tipo;
    });
}

void ZCTreeItem::DeleteAllChilds()
{
    // Children are detached before they are deleted, so no destructor searches a sibling list,
    // and the subtree is freed level by level instead of recursively.
    std::vector<ZCTreeItem*> doomed;
    doomed.swap(m_children);
    m_cargado = false;
    while (!doomed.empty()) {
        ZCTreeItem* item = doomed.back();
        doomed.pop_back();
        doomed.insert(doomed.end(), item->m_children.begin(), item->m_children.end());
        item->m_children.clear();
        item->m_parent = nullptr;
        delete item;
    }
}

void ZCTreeItem::ReinitRoot(void* data)
{
    DeleteAllChilds();
    // The parent no longer owns an item that forgets it, so it must not keep listing it either.
    unlinkFromParent();
    m_data = data;
    m_tipo = -1;
    m_cargado = false;
    m_aceptado = false;
}

void ZCTreeItem::swapChilds(int i, int j)
{
    if (i < 0 || j < 0 || i >= NumeroChilds() || j >= NumeroChilds())
        return;
    std::swap(m_children[size_t(i)], m_children[size_t(j)]);
}

void ZCTreeItem::InvertirOrdenChilds()
{
    std::vector<ZCTreeItem*> pending{this};
    while (!pending.empty()) {
        ZCTreeItem* item = pending.back();
        pending.pop_back();
        std::reverse(item->m_children.begin(), item->m_children.end());
        pending.insert(pending.end(), item->m_children.begin(), item->m_children.end());
    }
}

void ZCTreeItem::unlinkFromParent()
{
    if (!m_parent)
        return;
    const int row = GetRow();
    if (row >= 0)
        m_parent->m_children.erase(m_parent->m_children.begin() + row);
    m_parent = nullptr;
}
