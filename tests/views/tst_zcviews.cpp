#include "messagelogcapture.h"
#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCDragComboBox.h>
#include <Mirokit/ZCDragListView.h>
#include <Mirokit/ZCDragTableView.h>
#include <Mirokit/ZCDragTreeView.h>
#include <Mirokit/ZCFootView.h>
#include <Mirokit/ZCHeaderBox.h>
#include <Mirokit/ZCListView.h>
#include <Mirokit/ZCTableView.h>
#include <Mirokit/ZCTreeView.h>
#include <Mirokit/ZCTreeWidget.h>
#include <Mirokit/ZCVerticalHeaderCheckbox.h>

#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>

namespace {

int expandedCount(const QTreeView& view, const QModelIndex& parent = QModelIndex())
{
    int count = 0;
    for (int row = 0; row < view.model()->rowCount(parent); ++row) {
        const QModelIndex child = view.model()->index(row, 0, parent);
        count += (view.isExpanded(child) ? 1 : 0) + expandedCount(view, child);
    }
    return count;
}

// Three rows of four columns, of which 1 and 3 are editable.
QStandardItemModel* editableGrid()
{
    auto* model = new QStandardItemModel(3, 4);
    for (int cell = 0; cell < 12; ++cell) {
        auto* item = new QStandardItem(QStringLiteral("x"));
        item->setEditable(cell % 2);
        model->setItem(cell / 4, cell % 4, item);
    }
    return model;
}

// A press or release of `button`, or a move while it is held.
void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A drag source announces one drag per left-button press, once the pointer is the start-drag distance away.
template <typename Source>
void checkDragOncePerPress(Source* source, QWidget* target)
{
    QSignalSpy spy(source, SIGNAL(iniciarDrag(QWidget*)));
    const int threshold = QApplication::startDragDistance(), far = threshold * 3;
    sendMouse(target, QEvent::MouseButtonPress, QPoint(4, 4), Qt::RightButton);
    sendMouse(target, QEvent::MouseMove, QPoint(4 + far, 4), Qt::RightButton);
    sendMouse(target, QEvent::MouseButtonRelease, QPoint(4 + far, 4), Qt::RightButton);
    QCOMPARE(spy.count(), 0); // only the left button drags
    QCOMPARE(source->pressPosition(), QPoint(0, 0));

    // Manhattan distance, split between both axes: one pixel short is no drag, the distance is.
    const QPoint press(5, 5);
    sendMouse(target, QEvent::MouseButtonPress, press);
    sendMouse(target, QEvent::MouseMove, press + QPoint((threshold - 1) / 2, threshold - 1 - (threshold - 1) / 2));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(source->pressPosition(), press);
    for (int step = 0; step <= 3; ++step)
        sendMouse(target, QEvent::MouseMove, press + QPoint(threshold / 2 + far * step, threshold - threshold / 2));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QWidget*>(), source);
    sendMouse(target, QEvent::MouseButtonRelease, press);

    // A new press may start a new drag, also when the release was swallowed by a drag loop.
    for (const int at : {6, 8}) {
        sendMouse(target, QEvent::MouseButtonPress, QPoint(at, at));
        sendMouse(target, QEvent::MouseMove, QPoint(at + far, at));
    }
    QCOMPARE(spy.count(), 3);
}

// The cursor actions are protected: a subclass names them for the tests.
struct TabProbe : ZCTreeView {
    static QModelIndex move(QTreeView* view, int action) { return moveCursor(view, CursorAction(action), Qt::NoModifier); }
    enum { Next = MoveNext, Previous = MovePrevious, Down = MoveDown };
};

// Counts the key presses that its children leave unaccepted.
struct KeySink : QWidget {
    int received = 0;
    void keyPressEvent(QKeyEvent*) override { ++received; }
};

} // namespace

class TestZCViews : public QObject
{
    Q_OBJECT

private slots:
    void readOnlySwitchRestoresRememberedTriggers();
    void subtreesExpandCollapseAndRoundTripAsPaths();
    void tabMovesOverEditableCells_data();
    void tabMovesOverEditableCells();
    void treeWidgetTabsOverEditableCells();
    void spaceActivatesTheCurrentItem_data();
    void spaceActivatesTheCurrentItem();
    void dragIsAnnouncedOncePerPress();
    void headersAndFooters();
};

void TestZCViews::readOnlySwitchRestoresRememberedTriggers()
{
    const auto check = [](auto& view) {
        view.SetReadOnly(false); // nothing remembered yet: the library's own editable triggers
        QCOMPARE(view.editTriggers(), QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked);
        view.SetReadOnly(true);
        QVERIFY(view.IsReadOnly());
        view.setEditTriggers(QAbstractItemView::AllEditTriggers); // leaves read-only by itself
        QVERIFY(!view.IsReadOnly());
        view.SetReadOnly(true);
        view.SetReadOnly(false);
        QCOMPARE(view.editTriggers(), QAbstractItemView::AllEditTriggers);
    };
    ZCTreeView treeView;
    check(treeView);
    ZCTreeWidget treeWidget;
    check(treeWidget);
}

void TestZCViews::subtreesExpandCollapseAndRoundTripAsPaths()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
    view.show();
    const QModelIndex middle = model.index(1, 0);
    view.expandWhithChilds(middle);
    QCOMPARE(expandedCount(view, middle), 12);
    QCOMPARE(expandedCount(view), 13);
    // The layout follows: the last grandchild of the middle item is on screen below it.
    const QModelIndex lastGrandchild = model.index(2, 0, model.index(2, 0, middle));
    QVERIFY(view.visualRect(lastGrandchild).top() > view.visualRect(middle).top());
    view.expandWhithChilds(QModelIndex());
    view.collapseWhithChilds(model.index(0, 0));
    QCOMPARE(expandedCount(view), 26);
    view.collapseWhithChilds(QModelIndex());
    QCOMPARE(expandedCount(view), 0);

    // Expanded items are listed as row paths, relative to the root index, after what is given.
    using Paths = QList<QList<int>>;
    view.expand(model.index(2, 0));
    view.expand(model.index(0, 0, model.index(2, 0)));
    Paths paths{{9}};
    view.GetExpandedIndexes(paths);
    QCOMPARE(paths, (Paths{{9}, {2}, {2, 0}}));
    view.setRootIndex(model.index(2, 0));
    paths.clear();
    view.GetExpandedIndexes(paths);
    QCOMPARE(paths, Paths{{0}});

    // Restoring stops at a row that is gone.
    LazyTreeModel copy(3, 3);
    ZCTreeView restored;
    restored.setModel(&copy);
    restored.SetExpandedIndexes({{2}, {2, 0}, {7, 0}, {1, 5, 0}});
    QVERIFY(restored.isExpanded(copy.index(0, 0, copy.index(2, 0))));
    QVERIFY(restored.isExpanded(copy.index(1, 0)));
    QCOMPARE(expandedCount(restored), 3);
}

void TestZCViews::tabMovesOverEditableCells_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QPoint>("from"); // (column, row)
    QTest::addColumn<QPoint>("to");

    const int next = TabProbe::Next, previous = TabProbe::Previous;
    const QPoint none(-1, -1);
    QTest::newRow("Tab from a plain cell lands on the next editable one") << next << QPoint(0, 0) << QPoint(1, 0);
    QTest::newRow("Tab from column 1 lands on column 3") << next << QPoint(1, 0) << QPoint(3, 0);
    QTest::newRow("Tab from column 3 lands on column 1 of the row below") << next << QPoint(3, 0) << QPoint(1, 1);
    QTest::newRow("Tab from the last editable cell has nowhere to go") << next << QPoint(3, 2) << none;
    QTest::newRow("Backtab from column 3 lands on column 1") << previous << QPoint(3, 1) << QPoint(1, 1);
    QTest::newRow("Backtab from column 1 lands on column 3 of the row above") << previous << QPoint(1, 1) << QPoint(3, 0);
    QTest::newRow("Backtab from the first editable cell has nowhere to go") << previous << QPoint(1, 0) << none;
    QTest::newRow("other moves are left to the tree view") << int(TabProbe::Down) << QPoint(1, 0) << none;
}

void TestZCViews::tabMovesOverEditableCells()
{
    QFETCH(int, action);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    const QScopedPointer<QStandardItemModel> model(editableGrid());
    ZCTreeView view;
    view.setModel(model.data());
    view.setCurrentIndex(model->index(from.y(), from.x()));
    const QModelIndex target = TabProbe::move(&view, action);
    QCOMPARE(QPoint(target.column(), target.row()), to);
}

void TestZCViews::treeWidgetTabsOverEditableCells()
{
    // Only the second row is editable: Tab from the first row's last cell goes down to it.
    ZCTreeWidget widget;
    widget.setColumnCount(4);
    widget.setTabKeyNavigation(true);
    for (const bool editable : {false, true}) {
        auto* item = new QTreeWidgetItem(&widget, cells("a,b,c"));
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    }
    widget.setCurrentItem(widget.topLevelItem(0), 2);
    QTest::keyClick(&widget, Qt::Key_Tab);
    QCOMPARE(widget.currentItem(), widget.topLevelItem(1));
    QCOMPARE(widget.currentColumn(), 0);
}

void TestZCViews::spaceActivatesTheCurrentItem_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("withCurrent");
    for (int kind = 0; kind < 3; ++kind) {
        const char* name = kind == 0 ? "list" : kind == 1 ? "table" : "tree";
        QTest::addRow("%s with a current item activates it", name) << kind << true;
        QTest::addRow("%s without a current item does nothing", name) << kind << false;
    }
}

void TestZCViews::spaceActivatesTheCurrentItem()
{
    QFETCH(int, kind);
    QFETCH(bool, withCurrent);
    const QScopedPointer<QStandardItemModel> model(editableGrid());
    KeySink parent;
    QAbstractItemView* view = kind == 0 ? static_cast<QAbstractItemView*>(new ZCListView(&parent))
        : kind == 1                     ? static_cast<QAbstractItemView*>(new ZCTableView(&parent))
                                        : new ZCTreeView(&parent);
    view->setModel(model.data());
    view->setCurrentIndex(withCurrent ? model->index(1, 0) : QModelIndex());
    QSignalSpy activated(view, &QAbstractItemView::activated);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(activated.count(), withCurrent ? 1 : 0);
    QCOMPARE(parent.received, 0); // consumed, not passed on
    if (!withCurrent)
        return;
    QCOMPARE(activated.first().first().toModelIndex(), model->index(1, 0));
    QTest::keyClick(view, Qt::Key_Down); // other keys still reach the base class
    QCOMPARE(view->currentIndex(), model->index(2, 0));
}

void TestZCViews::dragIsAnnouncedOncePerPress()
{
    const QScopedPointer<QStandardItemModel> model(editableGrid());
    ZCDragComboBox combo;
    combo.setModel(model.data());
    checkDragOncePerPress(&combo, &combo);
    ZCDragListView list;
    ZCDragTreeView tree;
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(&list), static_cast<QAbstractItemView*>(&tree)}) {
        view->setModel(model.data());
        view->resize(200, 200);
    }
    checkDragOncePerPress(&list, list.viewport());
    checkDragOncePerPress(&tree, tree.viewport());

    // The table view keeps Qt's own drag detection but announces the drag instead of running it.
    ZCDragTableView table;
    table.setModel(model.data());
    table.show();
    QSignalSpy spy(&table, &ZCDragTableView::iniciarDrag);
    const QPoint cell = table.visualRect(model->index(0, 0)).center();
    sendMouse(table.viewport(), QEvent::MouseButtonPress, cell);
    for (int step = 1; step <= 3; ++step)
        sendMouse(table.viewport(), QEvent::MouseMove, cell + QPoint(QApplication::startDragDistance() * 2 * step, 0));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QWidget*>(), &table);
}

void TestZCViews::headersAndFooters()
{
    QStandardItemModel model(3, 2);
    model.setVerticalHeaderLabels({QString(), QString(), QString()});
    ZCFootView footer(Qt::Horizontal);
    footer.setModel(&model);
    footer.resizeSection(1, 0);
    QCOMPARE(footer.sectionSize(1), 0); // footer sections may shrink to nothing

    ZCTableView table;
    auto* header = new ZCVerticalHeaderCheckbox(Qt::Vertical, &table);
    table.setVerticalHeader(header);
    table.setModel(&model);
    table.resize(300, 200);
    table.show();
    const auto sectionImage = [header](int row) {
        return header->viewport()->grab(QRect(0, header->sectionViewportPosition(row), header->width(), header->sectionSize(row))).toImage();
    };
    QCOMPARE(sectionImage(0), sectionImage(1));
    // Empty row labels would give a header too narrow for the box.
    QStyleOptionButton box;
    box.initFrom(header);
    const QRect indicator = header->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, header);
    QVERIFY(header->width() >= indicator.width());
    QVERIFY(header->sectionSize(0) >= indicator.height());
    table.selectRow(0);
    QVERIFY(sectionImage(0) != sectionImage(1));
    table.selectRow(1);
    table.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(sectionImage(0), sectionImage(1));

    const ZCHeaderBox plain(Qt::black, Qt::white, QStringLiteral("Título"), 1.0, QString(), false);
    const ZCHeaderBox large(Qt::black, Qt::white, QStringLiteral("Título"), 1.5, QStringLiteral("Paso 1"), true);
    QCOMPARE(large.findChildren<QLabel*>().size(), 3); // title, subtitle and separator line
    const auto pointSize = [](const ZCHeaderBox& box) { return box.findChildren<QLabel*>().first()->font().pointSize(); };
    QCOMPARE(pointSize(large), int(pointSize(plain) * 1.5));
    // A scale that gives no font size keeps the title's size (a NaN made no integer at all).
    const MessageLogCapture log;
    for (const double scale : {qQNaN(), qInf(), 0.0, -2.0, 1e12}) {
        const ZCHeaderBox odd(Qt::black, Qt::white, QStringLiteral("Título"), scale, QString(), false);
        QCOMPARE(pointSize(odd), pointSize(plain));
    }
    QVERIFY(log.texts(QtWarningMsg).isEmpty());
}

MIROKIT_TEST_MAIN(TestZCViews)
#include "tst_zcviews.moc"
