#include "mirokittest.h"

#include <Mirokit/ZCTreeItem.h>

#include <memory>
#include <type_traits>

// Sharing children between two copies would free them twice, so items cannot be copied.
static_assert(!std::is_copy_constructible<ZCTreeItem>::value, "tree items own their children");
static_assert(!std::is_copy_assignable<ZCTreeItem>::value, "tree items own their children");

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

// Root with children 1, 2, 3; each child n has children n*10+1 .. n*10+2.
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

} // namespace

class TestZCTreeItem : public QObject
{
    Q_OBJECT

private slots:
    void insertPositionIsClampedToTheList_data();
    void insertPositionIsClampedToTheList();
    void rowsOfRootUnlistedAndSwappedItems();
    void descendantAndFindData();
    void deletingUnlinksAndUnloads();
    void reinitRootForgetsEverythingAndLeavesItsParent();
    void reverseOrderReachesEveryLevel();
    void veryDeepChainIsWalkedWithoutRecursion();
    void manyChildrenAreFreedInOnePass();
};

void TestZCTreeItem::insertPositionIsClampedToTheList_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QVector<int>>("expected");

    QTest::newRow("at the front") << 0 << QVector<int>{9, 1, 2};
    QTest::newRow("between two children") << 1 << QVector<int>{1, 9, 2};
    QTest::newRow("at the end") << 2 << QVector<int>{1, 2, 9};
    QTest::newRow("far past the end goes to the end") << 40 << QVector<int>{1, 2, 9};
    QTest::newRow("a negative position goes to the front") << -3 << QVector<int>{9, 1, 2};
}

void TestZCTreeItem::insertPositionIsClampedToTheList()
{
    QFETCH(int, position);
    QFETCH(QVector<int>, expected);
    ZCTreeItem root;
    root.AddChild(tag(1));
    root.AddChild(tag(2));
    ZCTreeItem* inserted = root.InsertChild(position, tag(9), 3);
    QCOMPARE(childTags(root), expected);
    QCOMPARE(inserted->GetRow(), expected.indexOf(9));
    QVERIFY(root.GetEstaCargado());
}

void TestZCTreeItem::rowsOfRootUnlistedAndSwappedItems()
{
    const auto root = twoLevelTree();
    QCOMPARE(root->GetChild(3), nullptr);
    QCOMPARE(root->GetChild(-1), nullptr);
    QCOMPARE(root->GetRow(), 0);

    const ZCTreeItem stray(tag(8), root.get()); // a parent given, but not listed
    QCOMPARE(stray.GetRow(), -1);
    QCOMPARE(root->NumeroChilds(), 3);

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
}

void TestZCTreeItem::descendantAndFindData()
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

void TestZCTreeItem::deletingUnlinksAndUnloads()
{
    const auto root = twoLevelTree();
    delete root->GetChild(1);
    QCOMPARE(childTags(*root), (QVector<int>{1, 3}));
    QCOMPARE(root->GetChild(1)->GetRow(), 1);
    root->DeleteAllChilds();
    QCOMPARE(root->NumeroChilds(), 0);
    QVERIFY(!root->GetEstaCargado());
}

void TestZCTreeItem::reinitRootForgetsEverythingAndLeavesItsParent()
{
    const auto root = twoLevelTree();
    std::unique_ptr<ZCTreeItem> detached(root->GetChild(0));
    detached->SetEstaAceptado(true);
    detached->ReinitRoot(tag(42));
    QCOMPARE(detached->GetDataInt(), 42);
    QCOMPARE(detached->GetTipoNodo(), -1);
    QCOMPARE(detached->GetParent(), nullptr);
    QCOMPARE(detached->NumeroChilds(), 0);
    QVERIFY(!detached->GetEstaCargado());
    QVERIFY(!detached->GetEstaAceptado());
    QCOMPARE(childTags(*root), (QVector<int>{2, 3}));
}

void TestZCTreeItem::reverseOrderReachesEveryLevel()
{
    const auto root = twoLevelTree();
    root->InvertirOrdenChilds();
    QCOMPARE(childTags(*root), (QVector<int>{3, 2, 1}));
    QCOMPARE(childTags(*root->GetChild(0)), (QVector<int>{32, 31}));
    QCOMPARE(childTags(*root->GetChild(2)), (QVector<int>{12, 11}));
    QCOMPARE(root->GetChild(1)->GetChild(0)->GetRow(), 0);
}

void TestZCTreeItem::veryDeepChainIsWalkedWithoutRecursion()
{
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
}

void TestZCTreeItem::manyChildrenAreFreedInOnePass()
{
    ZCTreeItem root;
    for (int i = 0; i < 200000; ++i)
        root.AddChild(tag(quintptr(i)));
    QElapsedTimer timer;
    timer.start();
    root.DeleteAllChilds();
    // One search of the sibling list per child would take minutes at this size.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

MIROKIT_TEST_MAIN(TestZCTreeItem)
#include "tst_zctreeitem.moc"
