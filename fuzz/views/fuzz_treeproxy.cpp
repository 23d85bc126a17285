// Random mutations of a lazily loaded tree model and random filter patterns (invalid ones and
// ones broken by normalisation included), with Qt's model tester in fatal mode watching both the
// tree and the filter proxy over it.
#include "fuzzinput.h"

#include <Mirokit/ZCSortFilterProxyModel.h>
#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QHash>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using Input = FuzzInput;

class FuzzTree : public ZCTreeModel
{
public:
    FuzzTree()
    {
        m_titulos = QStringList{QStringLiteral("Nombre"), QStringLiteral("Notas"), QStringLiteral("Vacía")};
    }

    // Items down to depth 3 load (serial mod 3) children the first time they are counted.
    void CargarChilds(ZCTreeItem* item) override
    {
        item->SetEstaCargado(true);
        if (depthOf(item) >= 3)
            return;
        for (int i = 0; i < item->GetDataInt() % 3; ++i)
            item->AddChild(newTag(), 1);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return QVariant();
        const ZCTreeItem* item = itemFromIndex(index);
        switch (index.column()) {
        case 0:
            return m_labels.value(item->GetDataInt(), QStringLiteral("n%1").arg(item->GetDataInt()));
        case 1:
            return item->GetTipoNodo() == 2 ? QStringLiteral("añadido") : QStringLiteral("León");
        default:
            return QString();
        }
    }

    ZCTreeItem* pick(Input& input)
    {
        ZCTreeItem* item = GetRootItem();
        while (!input.atEnd() && input.next(3) != 0) {
            const int rows = rowCount(creaIndex(item, 0));
            if (rows == 0)
                break;
            item = item->GetChild(input.next(rows));
        }
        return item;
    }

    QModelIndex indexOf(ZCTreeItem* item) const { return creaIndex(item, 0); }

    void insert(ZCTreeItem* parent, int position)
    {
        const QModelIndex parentIndex = indexOf(parent);
        const int rows = rowCount(parentIndex);
        const int row = qBound(0, position, rows);
        beginInsertRows(parentIndex, row, row);
        parent->InsertChild(position, newTag(), 2); // out-of-range positions are clamped
        endInsertRows();
    }

    void remove(ZCTreeItem* item)
    {
        if (item == GetRootItem())
            return;
        const int row = item->GetRow();
        beginRemoveRows(indexOf(item->GetParent()), row, row);
        delete item;
        endRemoveRows();
    }

    void clearChildren(ZCTreeItem* item)
    {
        const QModelIndex index = indexOf(item);
        const int rows = rowCount(index);
        if (rows == 0)
            return;
        beginRemoveRows(index, 0, rows - 1);
        item->DeleteAllChilds();
        item->SetEstaCargado(true);
        endRemoveRows();
    }

    void reinit(int data)
    {
        beginResetModel();
        GetRootItem()->ReinitRoot(reinterpret_cast<void*>(quintptr(data)));
        endResetModel();
    }

    // Reorders children in place; persistent indexes follow their items.
    template <typename Change>
    void reorder(Change change)
    {
        emit layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        QVector<ZCTreeItem*> items;
        for (const QModelIndex& index : before)
            items.append(itemFromIndex(index));
        change();
        QModelIndexList after;
        for (int i = 0; i < before.size(); ++i)
            after.append(creaIndex(items.at(i), before.at(i).column()));
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }

    void relabel(ZCTreeItem* item, const QString& label)
    {
        if (item == GetRootItem())
            return;
        m_labels.insert(item->GetDataInt(), label);
        emit dataChanged(indexOf(item), indexOf(item));
    }

private:
    static int depthOf(const ZCTreeItem* item)
    {
        int depth = 0;
        for (const ZCTreeItem* p = item->GetParent(); p; p = p->GetParent())
            ++depth;
        return depth;
    }

    void* newTag() { return reinterpret_cast<void*>(quintptr(++m_serial)); }

    int m_serial = 10;
    QHash<int, QString> m_labels;
};

QString text(Input& input)
{
    // Accents, a combining mark, a tab and the metacharacters that make patterns invalid.
    static const QString alphabet = QStringLiteral("aeinoAEáéíñÑüJosLl\u0301\t .*+?()[]{}^$|\\");
    QString result;
    const int length = input.next(8);
    for (int i = 0; i < length; ++i)
        result.append(alphabet.at(input.next(alphabet.size())));
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_treeproxy";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });

    Input input(data, size);
    FuzzTree tree;
    ZCSortFilterProxyModel proxy;
    QAbstractItemModelTester treeTester(&tree, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester proxyTester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
    proxy.setSourceModel(&tree);

    int steps = 0;
    while (!input.atEnd() && ++steps < 64) {
        switch (input.next(10)) {
        case 0: {
            ZCTreeItem* parent = tree.pick(input);
            tree.insert(parent, input.next(8) - 2);
            break;
        }
        case 1:
            tree.remove(tree.pick(input));
            break;
        case 2:
            tree.clearChildren(tree.pick(input));
            break;
        case 3:
            tree.reinit(input.next(7));
            break;
        case 4: {
            ZCTreeItem* item = tree.pick(input);
            tree.reorder([item] { item->InvertirOrdenChilds(); });
            break;
        }
        case 5: {
            ZCTreeItem* item = tree.pick(input);
            const int i = input.next(6) - 1, j = input.next(6) - 1;
            tree.reorder([item, i, j] { item->swapChilds(i, j); });
            break;
        }
        case 6:
            proxy.setFilterRegularExpression(text(input));
            break;
        case 7:
            switch (input.next(6)) {
            case 0: proxy.SetFiltrarAllCols(!proxy.GetFiltrarAllCols()); break;
            case 1: proxy.SetNormalizado(!proxy.GetNormalizado()); break;
            case 2: proxy.setFilterCaseSensitivity(Qt::CaseSensitivity(input.next(2))); break;
            case 3: proxy.SetVisibilidadColumna(input.next(4), input.next(2) == 1); break;
            case 4: proxy.setFilterKeyColumn(input.next(5) - 1); break;
            default: proxy.setRecursiveFilteringEnabled(!proxy.isRecursiveFilteringEnabled()); break;
            }
            break;
        case 8: {
            ZCTreeItem* found = tree.GetRootItem()->FindData(reinterpret_cast<void*>(quintptr(input.next(40))));
            if (found && found != tree.GetRootItem() && found->GetRow() < 0)
                std::abort();
            break;
        }
        default:
            tree.relabel(tree.pick(input), text(input));
            break;
        }
        // The first found index must never lead to a freed item.
        const QModelIndex first = proxy.GetPrimerIndexEncontrado();
        if (first.isValid() && (first.model() != &tree || tree.index(first.row(), 0, first.parent()) != first))
            std::abort();
    }
    return 0;
}
