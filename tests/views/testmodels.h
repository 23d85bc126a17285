#pragma once

// Small concrete models over the library's model bases, shared by the views tests.

#include <Mirokit/ZCModel.h>
#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>

#include <QHash>
#include <QVector>

#include <algorithm>

// "a,,c" is three cells, the middle one empty.
inline QStringList cells(const char* csv)
{
    return QString::fromUtf8(csv).split(QLatin1Char(','));
}

// A flat table of strings with proper notifications.
class TableModel : public ZCModel
{
public:
    explicit TableModel(const QStringList& titles = {}, const QVector<QStringList>& rows = {})
        : m_rows(rows)
    {
        m_titulos = titles;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows.size(); }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return QVariant();
        return m_rows.at(index.row()).value(index.column());
    }

    void reset(const QStringList& titles, const QVector<QStringList>& rows)
    {
        beginResetModel();
        m_titulos = titles;
        m_rows = rows;
        endResetModel();
    }
    void insertRow(int row, const QStringList& cells)
    {
        beginInsertRows(QModelIndex(), row, row);
        m_rows.insert(row, cells);
        endInsertRows();
    }
    void removeRow(int row)
    {
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.remove(row);
        endRemoveRows();
    }
    void setCell(int row, int column, const QString& text)
    {
        m_rows[row][column] = text;
        emit dataChanged(index(row, column), index(row, column));
    }
    void moveRow(int from, int to)
    {
        beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
        m_rows.move(from, to);
        endMoveRows();
    }
    void insertColumn(int column, const QString& title, const QString& text)
    {
        beginInsertColumns(QModelIndex(), column, column);
        m_titulos.insert(column, title);
        for (QStringList& row : m_rows)
            row.insert(column, text);
        endInsertColumns();
    }
    void removeColumn(int column)
    {
        beginRemoveColumns(QModelIndex(), column, column);
        m_titulos.removeAt(column);
        for (QStringList& row : m_rows)
            row.removeAt(column);
        endRemoveColumns();
    }
    // The rows in reverse order, announced as a new layout.
    void reverseRows()
    {
        emit layoutAboutToBeChanged();
        const int last = m_rows.size() - 1;
        std::reverse(m_rows.begin(), m_rows.end());
        for (const QModelIndex& before : persistentIndexList())
            changePersistentIndex(before, index(last - before.row(), before.column()));
        emit layoutChanged();
    }

private:
    QVector<QStringList> m_rows;
};

// A finite tree loaded on demand: items down to `depth` get `fanout` children, numbered serially,
// their type being their depth. Column 0 reads "nodo <n>" (or m_labels[n]), column 1 the depth.
// Item m_barren finds no children, and says so only if m_markBarrenLoaded.
class LazyTreeModel : public ZCTreeModel
{
public:
    explicit LazyTreeModel(int fanout = 3, int depth = 3)
        : m_fanout(fanout)
        , m_depth(depth)
    {
        m_titulos = cells("Nombre,Nivel");
    }

    void CargarChilds(ZCTreeItem* item) override
    {
        ++m_loads[item];
        const bool barren = m_barren && item->GetDataInt() == m_barren;
        if (!barren && depthOf(item) < m_depth)
            addChildren(item, m_fanout);
        else if (!barren || m_markBarrenLoaded)
            item->SetEstaCargado(true);
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return QVariant();
        const ZCTreeItem* item = itemFromIndex(index);
        if (index.column() == 0)
            return m_labels.value(item->GetDataInt(), QStringLiteral("nodo %1").arg(item->GetDataInt()));
        return QString::number(depthOf(item));
    }

    static int depthOf(const ZCTreeItem* item) { return item->GetParent() ? item->GetTipoNodo() : 0; }
    ZCTreeItem* item(const QModelIndex& index) const { return itemFromIndex(index); }
    void setTitles(const QStringList& titles) { m_titulos = titles; }

    // Gives an item a new set of children through row notifications, the way a subtree is reloaded.
    void reloadChildren(const QModelIndex& parent, int count)
    {
        ZCTreeItem* target = itemFromIndex(parent);
        if (const int old = rowCount(parent)) {
            beginRemoveRows(parent, 0, old - 1);
            target->DeleteAllChilds();
            target->SetEstaCargado(true); // before the tester can ask for the children again
            endRemoveRows();
        }
        if (count > 0) {
            beginInsertRows(parent, 0, count - 1);
            addChildren(target, count);
            endInsertRows();
        }
    }

    // Forgets everything below the root (or gives it new data); it loads again on demand.
    void unloadAll(int rootData = -1)
    {
        beginResetModel();
        if (rootData < 0)
            GetRootItem()->DeleteAllChilds();
        else
            GetRootItem()->ReinitRoot(reinterpret_cast<void*>(quintptr(rootData)));
        m_loads.clear();
        endResetModel();
    }

    QHash<ZCTreeItem*, int> m_loads;
    QHash<int, QString> m_labels;
    int m_barren = 0;
    bool m_markBarrenLoaded = false;

private:
    void addChildren(ZCTreeItem* item, int count)
    {
        for (int i = 0; i < count; ++i)
            item->AddChild(reinterpret_cast<void*>(quintptr(++m_serial)), depthOf(item) + 1);
    }

    int m_fanout;
    int m_depth;
    int m_serial = 0;
};
