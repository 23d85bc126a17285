#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCModelIndex.h>

#include <QAbstractItemModelTester>
#include <QIdentityProxyModel>
#include <QSortFilterProxyModel>

#include <memory>
#include <type_traits>

using Tester = QAbstractItemModelTester;

// Sharing children between two copies would free them twice, so items cannot be copied.
static_assert(!std::is_copy_constructible<ZCTreeItem>::value && !std::is_copy_assignable<ZCTreeItem>::value,
              "tree items own their children");

namespace {

void* tag(quintptr value)
{
    return reinterpret_cast<void*>(value);
}

QVector<int> childTags(const ZCTreeItem& item)
{
    QVector<int> tags;
    for (int i = 0; i < item.NumeroChilds(); ++i)
        tags.append(item.GetChild(i)->GetDataInt());
    return tags;
}

// Root with children 1, 2, 3; each child n has children n*10+1 and n*10+2.
std::unique_ptr<ZCTreeItem> twoLevelTree()
{
    auto root = std::make_unique<ZCTreeItem>();
    for (quintptr n = 1; n <= 3; ++n) {
        ZCTreeItem* child = root->AddChild(tag(n), 1);
        child->AddChild(tag(n * 10 + 1), 2);
        child->AddChild(tag(n * 10 + 2), 2);
    }
    return root;
}

struct SmallTable : TableModel {
    SmallTable() : TableModel(cells("Código,Nombre,Población"), {cells("1,José,Cádiz"), cells("2,Ana,León")}) {}
};

} // namespace

class TestZCModels : public QObject
{
    Q_OBJECT

private slots:
    void indexRefusesWhatIsNotThere_data();
    void indexRefusesWhatIsNotThere();
    void flatModelPassesTheModelTester();
    void modelIndexCrossesEveryProxy();
    void insertPositionIsClampedToTheList_data();
    void insertPositionIsClampedToTheList();
    void rowsFollowSwapsInsertsAndReversal();
    void descendantAndFindData();
    void deletingAndReinitUnlinkFromTheParent();
    void bigTreesAreFreedAndWalkedWithoutRecursion();
    void treeModelPassesTheModelTesterAcrossReloads();
    void loadsChildrenOncePerItem_data();
    void loadsChildrenOncePerItem();
};

void TestZCModels::indexRefusesWhatIsNotThere_data()
{
    QTest::addColumn<bool>("tree"); // a 3x3 tree of 2 columns, or the 2-row table of 3 columns
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("parentKind"); // 0 top level, 1 column 0 of row 0, 2 column 1 of row 0, 3 the table's index

    QTest::newRow("table: a row past the end") << false << 2 << 0 << 0;
    QTest::newRow("table: a column past the titles") << false << 0 << 3 << 0;
    QTest::newRow("table: a cell under another cell of a flat model") << false << 0 << 0 << 1;
    QTest::newRow("tree: a row past the end") << true << 3 << 0 << 0;
    QTest::newRow("tree: a column past the titles") << true << 0 << 2 << 0;
    QTest::newRow("tree: a child under a column other than the first") << true << 0 << 0 << 2;
    QTest::newRow("tree: a child under an index of another model") << true << 0 << 0 << 3;
}

void TestZCModels::indexRefusesWhatIsNotThere()
{
    QFETCH(bool, tree);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, parentKind);
    SmallTable table;
    LazyTreeModel lazy(3, 2);
    QAbstractItemModel* model = tree ? static_cast<QAbstractItemModel*>(&lazy) : &table;
    QCOMPARE(lazy.rowCount(), 3); // counted first, as a view does
    const QModelIndex parent = parentKind == 3 ? table.index(0, 0) : model->index(0, parentKind - 1);
    QVERIFY(!model->index(row, column, parentKind ? parent : QModelIndex()).isValid());
    if (parentKind > 1) { // and nothing lies under such a parent, nor above it
        QCOMPARE(model->rowCount(parent), 0);
        QVERIFY(!model->parent(parent).isValid());
    }
}

void TestZCModels::flatModelPassesTheModelTester()
{
    SmallTable model;
    // Titles where there are any, else section numbers; rows are always numbered.
    QCOMPARE(model.headerData(1, Qt::Horizontal), QVariant("Nombre"));
    QCOMPARE(model.headerData(-1, Qt::Horizontal), QVariant("-1"));
    QCOMPARE(model.headerData(0, Qt::Vertical), QVariant("0"));
    QCOMPARE(model.GetPieData(1, Qt::DisplayRole), QVariant("Nombre"));
    QCOMPARE(model.GetPieData(5, Qt::DisplayRole), QVariant("5"));
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!model.GetPieData(1, Qt::ToolTipRole).isValid());

    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.insertRow(1, cells("3,Íñigo"));
    model.removeRow(0);
    model.reset({}, {cells("1")}); // no columns: rows but no indexes
    QVERIFY(!model.index(0, 0).isValid());
    model.reset(cells("Uno"), {});
}

void TestZCModels::modelIndexCrossesEveryProxy()
{
    SmallTable model;
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.sort(1); // "Ana" first
    QIdentityProxyModel outer;
    outer.setSourceModel(&sorted);

    QVERIFY(ZCModelIndex(sorted.index(0, 0)).EsProxyModel());
    QVERIFY(!ZCModelIndex(model.index(0, 0)).EsProxyModel());
    QVERIFY(!ZCModelIndex().EsProxyModel());
    // One level down only, and a plain index is its own source.
    QCOMPARE(ZCModelIndex(outer.index(0, 1)).GetSourceIndex(), sorted.index(0, 1));
    QCOMPARE(ZCModelIndex(sorted.index(0, 1)).GetSourceIndex(), model.index(1, 1));
    QCOMPARE(ZCModelIndex(model.index(1, 2)).GetSourceIndex(), model.index(1, 2));
    QCOMPARE(ZCModelIndexSource(outer.index(0, 2)).data().toString(), QStringLiteral("León"));
    QVERIFY(!ZCModelIndexSource(QModelIndex()).isValid());
}

void TestZCModels::insertPositionIsClampedToTheList_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("at the front") << 0 << QVector<int>{9, 1, 2};
    QTest::newRow("between two children") << 1 << QVector<int>{1, 9, 2};
    QTest::newRow("far past the end goes to the end") << 40 << QVector<int>{1, 2, 9};
    QTest::newRow("a negative position goes to the front") << -3 << QVector<int>{9, 1, 2};
}

void TestZCModels::insertPositionIsClampedToTheList()
{
    QFETCH(int, position);
    QFETCH(QVector<int>, expected);
    ZCTreeItem root;
    root.AddChild(tag(1));
    root.AddChild(tag(2));
    QCOMPARE(root.InsertChild(position, tag(9), 3)->GetRow(), expected.indexOf(9));
    QCOMPARE(childTags(root), expected);
    QVERIFY(root.GetEstaCargado());
}

void TestZCModels::rowsFollowSwapsInsertsAndReversal()
{
    const auto root = twoLevelTree();
    QCOMPARE(root->GetChild(3), nullptr);
    QCOMPARE(root->GetChild(-1), nullptr);
    QCOMPARE(root->GetRow(), 0);
    const ZCTreeItem stray(tag(8), root.get()); // a parent given, but not listed
    QCOMPARE(stray.GetRow(), -1);

    root->swapChilds(0, 3); // positions out of range, or the same twice, change nothing
    root->swapChilds(-1, 2);
    root->swapChilds(1, 1);
    QCOMPARE(childTags(*root), (QVector<int>{1, 2, 3}));
    ZCTreeItem* last = root->GetChild(2);
    root->InsertChild(0, tag(4));
    QCOMPARE(last->GetRow(), 3);
    root->swapChilds(0, 3);
    QCOMPARE(last->GetRow(), 0);
    QCOMPARE(childTags(*root), (QVector<int>{3, 1, 2, 4}));

    root->InvertirOrdenChilds(); // every level
    QCOMPARE(childTags(*root), (QVector<int>{4, 2, 1, 3}));
    QCOMPARE(childTags(*root->GetChild(3)), (QVector<int>{32, 31}));
    QCOMPARE(root->GetChild(2)->GetChild(0)->GetRow(), 0);
}

void TestZCModels::descendantAndFindData()
{
    const auto root = twoLevelTree();
    ZCTreeItem* child = root->GetChild(1);
    ZCTreeItem* grandchild = child->GetChild(0);
    QVERIFY(grandchild->EsDescendienteDe(root.get()));
    QVERIFY(!grandchild->EsDescendienteDe(grandchild));
    QVERIFY(!grandchild->EsDescendienteDe(root->GetChild(0)));
    QVERIFY(!root->EsDescendienteDe(grandchild));

    // Pre-order: the deep 7 under the first child comes before the later 7 at the top.
    ZCTreeItem* deep = root->GetChild(0)->AddChild(tag(7), 1);
    ZCTreeItem* later = root->AddChild(tag(7), 2);
    QCOMPARE(root->FindData(tag(7)), deep);
    QCOMPARE(root->FindData(tag(7), 2), later);
    QCOMPARE(root->FindData(tag(7), 3), nullptr);
    QCOMPARE(root->FindData(nullptr), root.get());
    QCOMPARE(child->FindData(tag(7)), nullptr);
}

void TestZCModels::deletingAndReinitUnlinkFromTheParent()
{
    const auto root = twoLevelTree();
    delete root->GetChild(1);
    QCOMPARE(childTags(*root), (QVector<int>{1, 3}));
    QCOMPARE(root->GetChild(1)->GetRow(), 1);

    std::unique_ptr<ZCTreeItem> detached(root->GetChild(0));
    detached->ReinitRoot(tag(42));
    QCOMPARE(childTags(*root), (QVector<int>{3}));
    QCOMPARE(detached->GetParent(), nullptr);
    QCOMPARE(detached->NumeroChilds(), 0);
    QVERIFY(!detached->GetEstaCargado());
    root->DeleteAllChilds();
    QVERIFY(!root->GetEstaCargado());
}

void TestZCModels::bigTreesAreFreedAndWalkedWithoutRecursion()
{
    ZCTreeItem wide;
    for (int i = 0; i < 200000; ++i)
        wide.AddChild(tag(quintptr(i)));
    QElapsedTimer timer;
    timer.start();
    wide.DeleteAllChilds();
    // One search of the sibling list per child would take minutes at this size.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));

    constexpr int depth = 300000;
    auto root = std::make_unique<ZCTreeItem>();
    ZCTreeItem* bottom = root.get();
    for (int i = 1; i <= depth; ++i)
        bottom = bottom->AddChild(tag(quintptr(i)));
    QCOMPARE(root->FindData(tag(depth)), bottom);
    QVERIFY(bottom->EsDescendienteDe(root.get()));
    root->InvertirOrdenChilds();
    QCOMPARE(bottom->GetRow(), 0);
    root.reset(); // frees the whole chain

    // The tree model over such a chain maps every index back to the root.
    constexpr int length = 200000;
    auto model = std::make_unique<LazyTreeModel>(1, length);
    auto tester = std::make_unique<Tester>(model.get(), Tester::FailureReportingMode::Fatal);
    QModelIndex deepest;
    for (int level = 0; level < length; ++level) {
        QCOMPARE(model->rowCount(deepest), 1);
        deepest = model->index(0, 0, deepest);
    }
    QCOMPARE(model->rowCount(deepest), 0);
    int steps = 0;
    for (QModelIndex up = deepest; up.isValid(); up = model->parent(up))
        ++steps;
    QCOMPARE(steps, length);
    tester.reset();
    model.reset(); // the chain is freed without recursion
}

void TestZCModels::treeModelPassesTheModelTesterAcrossReloads()
{
    LazyTreeModel model(3, 3);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.reloadChildren(model.index(1, 0), 5);
    QCOMPARE(model.rowCount(model.index(1, 0)), 5);
    model.reloadChildren(model.index(1, 0), 0);
    QCOMPARE(model.rowCount(model.index(1, 0)), 0);
    model.unloadAll();
    model.unloadAll(77);
    QCOMPARE(model.GetRootItem()->GetDataInt(), 77);
    QCOMPARE(model.rowCount(), 3);
    const QModelIndex child = model.index(0, 0, model.index(2, 0));
    QCOMPARE(model.creaIndex(model.item(child), 1), child.sibling(0, 1));
    QVERIFY(!model.creaIndex(model.GetRootItem(), 0).isValid());
    QVERIFY(!model.creaIndex(nullptr, 0).isValid());
    QVERIFY(!model.creaIndex(model.item(child), 5).isValid());

    LazyTreeModel noColumns(2, 2);
    noColumns.setTitles({});
    Tester noColumnsTester(&noColumns, Tester::FailureReportingMode::Fatal);
    QCOMPARE(noColumns.rowCount(), 2);
    QVERIFY(!noColumns.index(0, 0).isValid());
}

void TestZCModels::loadsChildrenOncePerItem_data()
{
    QTest::addColumn<int>("barren"); // 0 finds children, 1 finds none silently, 2 says it has none
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("expectedLoads");
    QTest::newRow("an item with children is asked once") << 0 << 2 << 1;
    QTest::newRow("silent about finding nothing, it is asked at every count") << 1 << 0 << 3;
    QTest::newRow("marked loaded with nothing, it is asked once") << 2 << 0 << 1;
}

void TestZCModels::loadsChildrenOncePerItem()
{
    QFETCH(int, barren);
    QFETCH(int, rows);
    QFETCH(int, expectedLoads);
    LazyTreeModel model(2, 3);
    model.m_barren = barren ? 1 : 0; // the first top-level item
    model.m_markBarrenLoaded = barren == 2;
    QVERIFY(!model.index(0, 0).isValid()); // only rowCount loads, index takes what is there
    QVERIFY(model.m_loads.isEmpty());
    QCOMPARE(model.rowCount(), 2);
    const QModelIndex first = model.index(0, 0);
    QCOMPARE(model.m_loads.value(model.GetRootItem()), 1);
    QCOMPARE(model.m_loads.value(model.item(first)), 0); // not asked before its own rowCount
    for (int i = 0; i < 3; ++i)
        QCOMPARE(model.rowCount(first), rows);
    QCOMPARE(model.m_loads.value(model.item(first)), expectedLoads);
}

MIROKIT_TEST_MAIN(TestZCModels)
#include "tst_zcmodels.moc"
