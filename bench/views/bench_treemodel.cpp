// Building and tearing down a tree of a million nodes, against QStandardItemModel with the same
// shape; and the linearity of DeleteAllChilds and ReinitRoot (a million children against four
// times a quarter of a million: a ratio near 1 means linear).
#include "timing.h"

#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>

#include <QCoreApplication>
#include <QStandardItemModel>

#include <memory>

namespace {

class FilledTree : public ZCTreeModel
{
public:
    void CargarChilds(ZCTreeItem* item) override { item->SetEstaCargado(true); }
    QVariant data(const QModelIndex&, int) const override { return QVariant(); }
};

void* tag(int value)
{
    return reinterpret_cast<void*>(quintptr(value));
}

void fill(ZCTreeItem* parent, int top, int children)
{
    int serial = 0;
    for (int i = 0; i < top; ++i) {
        ZCTreeItem* item = parent->AddChild(tag(++serial), 1);
        for (int j = 0; j < children; ++j)
            item->AddChild(tag(++serial), 2);
    }
}

void buildAndDropOurs(int top, int children)
{
    auto model = std::make_unique<FilledTree>();
    fill(model->GetRootItem(), top, children);
}

void buildAndDropStandard(int top, int children)
{
    auto model = std::make_unique<QStandardItemModel>();
    for (int i = 0; i < top; ++i) {
        auto* item = new QStandardItem;
        QList<QStandardItem*> kids;
        kids.reserve(children);
        for (int j = 0; j < children; ++j)
            kids.append(new QStandardItem);
        item->appendRows(kids);
        model->appendRow(item);
    }
}

double timeClearing(int children, void (*clear)(ZCTreeItem*))
{
    std::unique_ptr<ZCTreeItem> root;
    return bench::bestOfRounds(
        [&] {
            root = std::make_unique<ZCTreeItem>();
            fill(root.get(), 1, children);
        },
        [&] { clear(root.get()); });
}

void compareLinearity(const QString& name, void (*clear)(ZCTreeItem*))
{
    // The item under test is the single top-level child holding all the others.
    const double million = timeClearing(1000000, clear);
    const double quarter = timeClearing(250000, clear);
    bench::report(name, million, 4 * quarter);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    bench::compare(QStringLiteral("build and tear down 1000 x 1000 nodes vs QStandardItemModel"),
                   [] { buildAndDropOurs(1000, 1000); }, [] { buildAndDropStandard(1000, 1000); }, 1);
    compareLinearity(QStringLiteral("DeleteAllChilds of 1M children vs 4 x 250k"),
                     [](ZCTreeItem* root) { root->GetChild(0)->DeleteAllChilds(); });
    compareLinearity(QStringLiteral("ReinitRoot over 1M grandchildren vs 4 x 250k"),
                     [](ZCTreeItem* root) { root->ReinitRoot(nullptr); });
    compareLinearity(QStringLiteral("delete a subtree of 1M children vs 4 x 250k"),
                     [](ZCTreeItem* root) { delete root->GetChild(0); });
    return 0;
}
