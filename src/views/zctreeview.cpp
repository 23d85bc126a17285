#include "zctreeview.h"

#include "zcitemviewkeys_p.h"

#include <vector>

namespace {

bool stopsTab(const QModelIndex& cell)
{
    return !cell.isValid() || cell.flags().testFlag(Qt::ItemIsEditable);
}

// The first column from `from` towards `end` (exclusive, stepping by `step`) whose cell stops
// the tab, or `end` when none does.
int scanRow(const QModelIndex& cellInRow, int from, int end, int step)
{
    for (int column = from; column != end; column += step) {
        if (stopsTab(cellInRow.sibling(cellInRow.row(), column)))
            return column;
    }
    return end;
}

QModelIndex cellAt(const QModelIndex& cellInRow, int column, int columns)
{
    if (column < 0 || column >= columns)
        return QModelIndex();
    return cellInRow.sibling(cellInRow.row(), column);
}

int columnsOf(const QModelIndex& index)
{
    return index.model()->columnCount(index.parent());
}

QModelIndex nextEditable(const QTreeView* view, const QModelIndex& current)
{
    if (!current.isValid())
        return QModelIndex();
    const int columns = columnsOf(current);
    const int column = scanRow(current, current.column() + 1, columns, 1);
    if (column < columns)
        return cellAt(current, column, columns);
    const QModelIndex below = view->indexBelow(current.sibling(current.row(), 0));
    if (!below.isValid())
        return QModelIndex();
    const int belowColumns = columnsOf(below);
    return cellAt(below, scanRow(below, 0, belowColumns, 1), belowColumns);
}

QModelIndex previousEditable(const QTreeView* view, const QModelIndex& current)
{
    if (!current.isValid())
        return QModelIndex();
    const int columns = columnsOf(current);
    const int column = scanRow(current, current.column() - 1, -1, -1);
    if (column >= 0)
        return cellAt(current, column, columns);
    const QModelIndex above = view->indexAbove(current.sibling(current.row(), columns - 1));
    if (!above.isValid())
        return QModelIndex();
    const int aboveColumns = columnsOf(above);
    return cellAt(above, scanRow(above, aboveColumns - 1, -1, -1), aboveColumns);
}

} // namespace

ZCTreeView::ZCTreeView(QWidget* parent)
    : QTreeView(parent)
{
}

ZCTreeView::~ZCTreeView() = default;

void ZCTreeView::setEditTriggers(EditTriggers triggers)
{
    m_editTriggers = triggers;
    QTreeView::setEditTriggers(triggers);
}

void ZCTreeView::SetReadOnly(bool readOnly)
{
    QTreeView::setEditTriggers(readOnly ? NoEditTriggers : m_editTriggers);
}

bool ZCTreeView::IsReadOnly() const
{
    return editTriggers() == NoEditTriggers;
}

void ZCTreeView::expandWhithChilds(const QModelIndex& index)
{
    applyToSubtree(index, &QTreeView::expand);
}

void ZCTreeView::collapseWhithChilds(const QModelIndex& index)
{
    applyToSubtree(index, &QTreeView::collapse);
}

void ZCTreeView::applyToSubtree(const QModelIndex& index, void (QTreeView::*apply)(const QModelIndex&))
{
    const QAbstractItemModel* itemModel = model();
    if (!itemModel)
        return;
    // With a layout pending, expand() and collapse() only record the new state; the items are
    // laid out once afterwards instead of once per item.
    scheduleDelayedItemsLayout();
    std::vector<QModelIndex> pending{index};
    while (!pending.empty()) {
        const QModelIndex current = pending.back();
        pending.pop_back();
        (this->*apply)(current);
        for (int row = itemModel->rowCount(current) - 1; row >= 0; --row) {
            const QModelIndex child = itemModel->index(row, 0, current);
            if (child.isValid())
                pending.push_back(child);
        }
    }
}

void ZCTreeView::GetExpandedIndexes(QList<QList<int>>& out) const
{
    const QAbstractItemModel* itemModel = model();
    if (!itemModel)
        return;
    struct Level {
        QModelIndex parent;
        int rows;
        int next;
    };
    QList<int> path;
    std::vector<Level> levels{{rootIndex(), itemModel->rowCount(rootIndex()), 0}};
    while (!levels.empty()) {
        if (levels.back().next >= levels.back().rows) {
            levels.pop_back();
            if (!levels.empty())
                path.removeLast();
            continue;
        }
        const QModelIndex child = itemModel->index(levels.back().next++, 0, levels.back().parent);
        if (child.isValid() && isExpanded(child)) {
            path.append(child.row());
            out.append(path);
            levels.push_back({child, itemModel->rowCount(child), 0});
        }
    }
}

void ZCTreeView::SetExpandedIndexes(const QList<QList<int>>& paths)
{
    const QAbstractItemModel* itemModel = model();
    if (!itemModel)
        return;
    scheduleDelayedItemsLayout();
    for (const QList<int>& path : paths) {
        QModelIndex current = rootIndex();
        for (const int row : path) {
            // A row that no longer exists ends the path; going on from an invalid index would
            // wrongly expand items of the top level. hasIndex() counts the rows first, which
            // loads the children of a lazy tree.
            if (!itemModel->hasIndex(row, 0, current))
                break;
            current = itemModel->index(row, 0, current);
            expand(current);
        }
    }
}

QModelIndex ZCTreeView::moveCursor(QTreeView* view, CursorAction action, Qt::KeyboardModifiers)
{
    const QAbstractItemModel* itemModel = view->model();
    if (!itemModel)
        return QModelIndex();
    switch (action) {
    case MoveNext:
        return nextEditable(view, itemModel->buddy(view->currentIndex()));
    case MovePrevious:
        return previousEditable(view, view->currentIndex());
    default:
        return QModelIndex();
    }
}

QModelIndex ZCTreeView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = moveCursor(this, action, modifiers);
    return target.isValid() ? target : QTreeView::moveCursor(action, modifiers);
}

void ZCTreeView::keyPressEvent(QKeyEvent* event)
{
    if (!ZCItemViewKeys::activateOnSpace(this, state() == EditingState, event))
        QTreeView::keyPressEvent(event);
}
