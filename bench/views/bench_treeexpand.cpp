// Expanding a whole tree of 100,000 nodes: ZCTreeView::expandWhithChilds against Qt's
// QTreeView::expandRecursively, each followed by the layout it causes.
#include "timing.h"

#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>
#include <Mirokit/ZCTreeView.h>

#include <QApplication>

namespace {

// 10 x 100 x 100 nodes, all loaded up front so that only the views are measured.
class WideTree : public ZCTreeModel
{
public:
    WideTree()
    {
        m_titulos = QStringList{QStringLiteral("Nodo")};
        int serial = 0;
        for (int a = 0; a < 10; ++a) {
            ZCTreeItem* first = GetRootItem()->AddChild(reinterpret_cast<void*>(quintptr(++serial)));
            for (int b = 0; b < 100; ++b) {
                ZCTreeItem* second = first->AddChild(reinterpret_cast<void*>(quintptr(++serial)));
                for (int c = 0; c < 100; ++c)
                    second->AddChild(reinterpret_cast<void*>(quintptr(++serial)))->SetEstaCargado(true);
            }
        }
    }

    void CargarChilds(ZCTreeItem* item) override { item->SetEstaCargado(true); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        return static_cast<ZCTreeItem*>(index.internalPointer())->GetDataInt();
    }
};

double timeExpansion(QTreeView& view, const std::function<void()>& expand)
{
    return bench::bestOfRounds([&] { view.collapseAll(); },
                               [&] {
                                   expand();
                                   // Asking for a neighbour runs the pending layout.
                                   view.indexBelow(view.model()->index(0, 0));
                               });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    WideTree model;

    ZCTreeView ours;
    ours.setModel(&model);
    ours.resize(400, 300);
    ours.show();
    QTreeView baseline;
    baseline.setModel(&model);
    baseline.resize(400, 300);
    baseline.show();
    QCoreApplication::processEvents();

    const double oursTime = timeExpansion(ours, [&] { ours.expandWhithChilds(QModelIndex()); });
    const double baselineTime = timeExpansion(baseline, [&] { baseline.expandRecursively(QModelIndex()); });
    bench::report(QStringLiteral("expand 101,010 nodes vs expandRecursively"), oursTime, baselineTime);
    return 0;
}
