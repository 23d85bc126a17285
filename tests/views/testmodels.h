#pragma once

// Small concrete models over the library's model bases, shared by the views tests.

#include <Mirokit/ZCModel.h>
#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>

#include <QHash>
#include <QVector>

// A flat table of strings that can grow, shrink and be reset with proper notifications.
class TableModel : public ZCModel
{
public:
    explicit TableModel(const QStringList& titles = {}, QObject* parent = nullptr)
        : ZCModel(parent)
    {
        m_titulos = titles;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rows.size();
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return QVariant();
        return m_rows.at(index.row()).value(index.column());
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const Qt::ItemFlags result = ZCModel::flags(index);
        return index.isValid() && m_editableColumns.contains(index.column()) ? result | Qt::ItemIsEditable
                                                                            : result;
    }

    void setTitles(const QStringList& titles)
    {
        beginResetModel();
        m_titulos = titles;
        endResetModel();
    }

    void setRows(const QVector<QStringList>& rows)
    {
        beginResetModel();
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

    QVector<int> m_editableColumns;

private:
    QVector<QStringList> m_rows;
};

// A finite tree loaded on demand: items down to `depth` get `fanout` children, numbered serially,
// their type being their depth. Column 0 reads "nodo <n>", column 1 the depth. Barren items find
// nothing and only say so if asked.
class LazyTreeModel : public ZCTreeModel
{
public:
    explicit LazyTreeModel(int fanout = 3, int depth = 3)
        : m_fanout(fanout)
        , m_depth(depth)
    {
        m_titulos = QStringList{QStringLiteral("Nombre"), QStringLiteral("Nivel")};
    }

    void CargarChilds(ZCTreeItem* item) override
    {
        ++m_loads[item];
        if (m_barren.contains(item->GetDataInt())) {
            if (m_markBarrenLoaded)
                item->SetEstaCargado(true);
        } else if (depthOf(item) >= m_depth) {
            item->SetEstaCargado(true);
        } else {
            addChildren(item, m_fanout);
        }
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

    int loadsOf(ZCTreeItem* item) const { return m_loads.value(item); }
    ZCTreeItem* item(const QModelIndex& index) const { return itemFromIndex(index); }
    void setBarren(int serial, bool markLoaded)
    {
        m_barren.append(serial);
        m_markBarrenLoaded = markLoaded;
    }
    void setLabel(int serial, const QString& label) { m_labels.insert(serial, label); }
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
        target->SetEstaCargado(true);
        if (count == 0)
            return;
        beginInsertRows(parent, 0, count - 1);
        addChildren(target, count);
        endInsertRows();
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

    // Reverses every level under the root; persistent indexes follow their items.
    void reverse()
    {
        emit layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        QVector<ZCTreeItem*> items;
        for (const QModelIndex& index : before)
            items.append(itemFromIndex(index));
        GetRootItem()->InvertirOrdenChilds();
        QModelIndexList after;
        for (int i = 0; i < before.size(); ++i)
            after.append(creaIndex(items.at(i), before.at(i).column()));
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }

private:
    void addChildren(ZCTreeItem* item, int count)
    {
        for (int i = 0; i < count; ++i)
            item->AddChild(reinterpret_cast<void*>(quintptr(++m_serial)), depthOf(item) + 1);
    }

    int m_fanout;
    int m_depth;
    int m_serial = 0;
    bool m_markBarrenLoaded = false;
    QVector<int> m_barren;
    QHash<int, QString> m_labels;
    QHash<ZCTreeItem*, int> m_loads;
};
