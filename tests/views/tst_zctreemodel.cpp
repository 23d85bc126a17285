#include "mirokittest.h"
#include "testmodels.h"

#include <QAbstractItemModelTester>

#include <memory>

using Tester = QAbstractItemModelTester;

class TestZCTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void passesTheModelTesterAcrossReloads();
    void loadsChildrenOncePerItem_data();
    void loadsChildrenOncePerItem();
    void indexRefusesWhatIsNotThere_data();
    void indexRefusesWhatIsNotThere();
    void parentAndCreaIndexLeadBackToTheItem();
    void reversingKeepsPersistentIndexesOnTheirItems();
    void veryDeepChainMapsBackToTheRoot();
};

void TestZCTreeModel::passesTheModelTesterAcrossReloads()
{
    LazyTreeModel model(3, 3);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.reloadChildren(model.index(1, 0), 5);
    QCOMPARE(model.rowCount(model.index(1, 0)), 5);
    model.reloadChildren(model.index(1, 0), 0);
    QCOMPARE(model.rowCount(model.index(1, 0)), 0);
    model.reverse();
    model.unloadAll();
    model.reverse();
    model.unloadAll(77);
    QCOMPARE(model.GetRootItem()->GetDataInt(), 77);
    QCOMPARE(model.rowCount(), 3);

    LazyTreeModel noColumns(2, 2);
    noColumns.setTitles({});
    Tester noColumnsTester(&noColumns, Tester::FailureReportingMode::Fatal);
    QCOMPARE(noColumns.rowCount(), 2);
    QVERIFY(!noColumns.index(0, 0).isValid());
}

void TestZCTreeModel::loadsChildrenOncePerItem_data()
{
    QTest::addColumn<int>("barren"); // 0 finds children, 1 finds none silently, 2 says it has none
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("expectedLoads");
    QTest::newRow("an item with children is asked once") << 0 << 2 << 1;
    QTest::newRow("silent about finding nothing, it is asked at every count") << 1 << 0 << 3;
    QTest::newRow("marked loaded with nothing, it is asked once") << 2 << 0 << 1;
}

void TestZCTreeModel::loadsChildrenOncePerItem()
{
    QFETCH(int, barren);
    QFETCH(int, rows);
    QFETCH(int, expectedLoads);
    LazyTreeModel model(2, 3);
    if (barren)
        model.setBarren(1, barren == 2); // the first top-level item
    const QModelIndex first = model.index(0, 0);
    QCOMPARE(model.loadsOf(model.GetRootItem()), 1);
    QCOMPARE(model.loadsOf(model.item(first)), 0); // not asked before its own rowCount
    for (int i = 0; i < 3; ++i)
        QCOMPARE(model.rowCount(first), rows);
    QCOMPARE(model.loadsOf(model.item(first)), expectedLoads);
}

void TestZCTreeModel::indexRefusesWhatIsNotThere_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("parentKind"); // 0 root, 1 the second column of row 0, 2 another model's index
    QTest::addColumn<bool>("valid");

    QTest::newRow("the last row in the last column") << 2 << 1 << 0 << true;
    QTest::newRow("a column past the titles") << 0 << 2 << 0 << false;
    QTest::newRow("a negative column") << 0 << -1 << 0 << false;
    QTest::newRow("a row past the children") << 3 << 0 << 0 << false;
    QTest::newRow("a negative row") << -1 << 0 << 0 << false;
    QTest::newRow("under a column other than the first") << 0 << 0 << 1 << false;
    QTest::newRow("under an index of another model") << 0 << 0 << 2 << false;
}

void TestZCTreeModel::indexRefusesWhatIsNotThere()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, parentKind);
    QFETCH(bool, valid);
    LazyTreeModel model(3, 2);
    TableModel other({QStringLiteral("A")});
    other.setRows({{QStringLiteral("x")}});
    const QModelIndex parent = parentKind == 0 ? QModelIndex() : parentKind == 1 ? model.index(0, 1) : other.index(0, 0);
    QCOMPARE(model.index(row, column, parent).isValid(), valid);
    if (parentKind != 0) {
        QCOMPARE(model.rowCount(parent), 0);
        QVERIFY(!model.parent(parent).isValid());
    }
}

void TestZCTreeModel::parentAndCreaIndexLeadBackToTheItem()
{
    LazyTreeModel model(3, 3);
    const QModelIndex top = model.index(2, 0);
    const QModelIndex parent = model.index(0, 0, top);
    const QModelIndex grandchild = model.index(1, 0, parent);
    QVERIFY(!model.parent(top).isValid());
    QCOMPARE(model.parent(grandchild), parent);
    QCOMPARE(model.parent(parent), top);
    QCOMPARE(model.parent(grandchild.sibling(1, 1)), parent);
    QCOMPARE(grandchild.sibling(1, 1).data().toString(), QStringLiteral("3"));

    ZCTreeItem* item = model.item(parent);
    QCOMPARE(model.creaIndex(item, 1), parent.sibling(0, 1));
    QVERIFY(!model.creaIndex(model.GetRootItem(), 0).isValid());
    QVERIFY(!model.creaIndex(nullptr, 0).isValid());
    QVERIFY(!model.creaIndex(item, 5).isValid());
}

void TestZCTreeModel::reversingKeepsPersistentIndexesOnTheirItems()
{
    LazyTreeModel model(3, 2);
    const QPersistentModelIndex last(model.index(2, 0));
    const QPersistentModelIndex child(model.index(0, 1, model.index(0, 0)));
    ZCTreeItem* lastItem = model.item(last);
    ZCTreeItem* childItem = model.item(child);
    model.reverse();
    QCOMPARE(last.row(), 0);
    QCOMPARE(model.item(last), lastItem);
    QCOMPARE(child.row(), 2);
    QCOMPARE(child.parent().row(), 2);
    QCOMPARE(model.item(child), childItem);
}

void TestZCTreeModel::veryDeepChainMapsBackToTheRoot()
{
    constexpr int length = 200000;
    auto model = std::make_unique<LazyTreeModel>(1, length);
    auto tester = std::make_unique<Tester>(model.get(), Tester::FailureReportingMode::Fatal);
    QModelIndex bottom;
    for (int depth = 0; depth < length; ++depth)
        bottom = model->index(0, 0, bottom);
    QCOMPARE(model->rowCount(bottom), 0);

    int steps = 0;
    for (QModelIndex up = bottom; up.isValid(); up = model->parent(up))
        ++steps;
    QCOMPARE(steps, length);
    tester.reset();
    model.reset(); // the chain is freed without recursion
}

MIROKIT_TEST_MAIN(TestZCTreeModel)
#include "tst_zctreemodel.moc"
