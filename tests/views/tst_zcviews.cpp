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
#include <QLayout>
#include <QSignalSpy>
#include <QStandardItemModel>

namespace {

using Paths = QList<QList<int>>;

int expandedCount(const QTreeView& view, const QModelIndex& parent = QModelIndex())
{
    int count = 0;
    for (int row = 0; row < view.model()->rowCount(parent); ++row) {
        const QModelIndex child = view.model()->index(row, 0, parent);
        count += (view.isExpanded(child) ? 1 : 0) + expandedCount(view, child);
    }
    return count;
}

// Four columns of which 1 and 3 are editable, three rows.
TableModel* editableGrid()
{
    auto* model = new TableModel({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    const QStringList row{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    model->setRows({row, row, row});
    model->m_editableColumns = {1, 3};
    return model;
}

// A press or release of `button`, or a move while it is held.
void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The cursor actions are protected: a subclass names them for the tests.
struct TabProbe : ZCTreeView {
    static QModelIndex move(QTreeView* view, int action)
    {
        return moveCursor(view, CursorAction(action), Qt::NoModifier);
    }
    enum { Next = MoveNext, Previous = MovePrevious, Down = MoveDown };
};

// Counts the key presses that children leave unaccepted.
struct KeySink : QWidget {
    int received = 0;
    void keyPressEvent(QKeyEvent* event) override
    {
        ++received;
        event->accept();
    }
};

// A drag source of the given kind, and the widget that receives its mouse events.
QPair<QWidget*, QWidget*> makeDragSource(const QString& kind, QAbstractItemModel* model)
{
    if (kind == QLatin1String("combo")) {
        auto* combo = new ZCDragComboBox;
        combo->setModel(model);
        return {combo, combo};
    }
    QAbstractItemView* view = kind == QLatin1String("list") ? static_cast<QAbstractItemView*>(new ZCDragListView)
                                                            : new ZCDragTreeView;
    view->setModel(model);
    view->resize(200, 200);
    return {view, view->viewport()};
}

QPoint pressPositionOf(QWidget* source)
{
    if (auto* list = qobject_cast<ZCDragListView*>(source))
        return list->pressPosition();
    if (auto* tree = qobject_cast<ZCDragTreeView*>(source))
        return tree->pressPosition();
    return qobject_cast<ZCDragComboBox*>(source)->pressPosition();
}

} // namespace

class TestZCViews : public QObject
{
    Q_OBJECT

private slots:
    void readOnlySwitchRestoresRememberedTriggers();
    void expandAndCollapseWithChildsReachEveryDescendant();
    void expandedPathsRoundTripRelativeToTheRoot();
    void tabMovesOverEditableCells_data();
    void tabMovesOverEditableCells();
    void treeWidgetTabsOverEditableCells();
    void spaceActivatesTheCurrentItem_data();
    void spaceActivatesTheCurrentItem();
    void dragIsAnnouncedOncePerPress_data();
    void dragIsAnnouncedOncePerPress();
    void tableDragIsAnnouncedInsteadOfRun();
    void footerSectionsMayShrinkToNothing();
    void checkboxHeaderShowsRowSelection();
    void headerBoxTexts();
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
        QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
        view.SetReadOnly(false);
        QCOMPARE(view.editTriggers(), QAbstractItemView::AllEditTriggers);
    };
    ZCTreeView treeView;
    check(treeView);
    ZCTreeWidget treeWidget;
    check(treeWidget);
}

void TestZCViews::expandAndCollapseWithChildsReachEveryDescendant()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
    view.show();
    const QModelIndex middle = model.index(1, 0);
    view.expandWhithChilds(middle);
    QCOMPARE(expandedCount(view), 13);
    QCOMPARE(expandedCount(view, middle), 12);
    // The layout follows: the last grandchild of the middle item is on screen below it.
    const QModelIndex lastGrandchild = model.index(2, 0, model.index(2, 0, middle));
    QVERIFY(view.visualRect(lastGrandchild).top() > view.visualRect(middle).top());

    view.expandWhithChilds(QModelIndex());
    QCOMPARE(expandedCount(view), 39);
    view.collapseWhithChilds(model.index(0, 0));
    QCOMPARE(expandedCount(view), 26);
    view.collapseWhithChilds(QModelIndex());
    QCOMPARE(expandedCount(view), 0);
}

void TestZCViews::expandedPathsRoundTripRelativeToTheRoot()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
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
    const QScopedPointer<TableModel> model(editableGrid());
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
        auto* item = new QTreeWidgetItem(&widget, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    }
    widget.setCurrentItem(widget.topLevelItem(0), 2);
    QTest::keyClick(&widget, Qt::Key_Tab);
    QCOMPARE(widget.currentItem(), widget.topLevelItem(1));
    QCOMPARE(widget.currentColumn(), 0);
}

void TestZCViews::spaceActivatesTheCurrentItem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withCurrent");
    for (const char* kind : {"list", "table", "tree"}) {
        QTest::addRow("%s with a current item activates it", kind) << QString::fromLatin1(kind) << true;
        QTest::addRow("%s without a current item does nothing", kind) << QString::fromLatin1(kind) << false;
    }
}

void TestZCViews::spaceActivatesTheCurrentItem()
{
    QFETCH(QString, kind);
    QFETCH(bool, withCurrent);
    const QScopedPointer<TableModel> model(editableGrid());
    KeySink parent;
    QAbstractItemView* view = kind == QLatin1String("list") ? static_cast<QAbstractItemView*>(new ZCListView(&parent))
        : kind == QLatin1String("table")                    ? static_cast<QAbstractItemView*>(new ZCTableView(&parent))
                                                            : new ZCTreeView(&parent);
    view->setModel(model.data());
    if (withCurrent)
        view->setCurrentIndex(model->index(1, 0));
    else
        view->selectionModel()->clearCurrentIndex();
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

void TestZCViews::dragIsAnnouncedOncePerPress_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("list view") << QStringLiteral("list");
    QTest::newRow("tree view") << QStringLiteral("tree");
    QTest::newRow("combo box") << QStringLiteral("combo");
}

void TestZCViews::dragIsAnnouncedOncePerPress()
{
    QFETCH(QString, kind);
    const QScopedPointer<TableModel> model(editableGrid());
    const auto source = makeDragSource(kind, model.data());
    const QScopedPointer<QWidget> owner(source.first);
    QSignalSpy spy(source.first, SIGNAL(iniciarDrag(QWidget*)));
    const int threshold = QApplication::startDragDistance(), far = threshold * 3;
    QWidget* target = source.second;

    sendMouse(target, QEvent::MouseButtonPress, QPoint(4, 4), Qt::RightButton);
    sendMouse(target, QEvent::MouseMove, QPoint(4 + far, 4), Qt::RightButton);
    QCOMPARE(spy.count(), 0); // only the left button drags
    QCOMPARE(pressPositionOf(source.first), QPoint(0, 0));
    sendMouse(target, QEvent::MouseButtonRelease, QPoint(4 + far, 4), Qt::RightButton);

    // Manhattan distance, split between both axes: one pixel short is no drag, the distance is.
    const QPoint press(5, 5);
    sendMouse(target, QEvent::MouseButtonPress, press, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, press + QPoint((threshold - 1) / 2, threshold - 1 - (threshold - 1) / 2), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(pressPositionOf(source.first), press);
    for (int step = 0; step <= 3; ++step) {
        sendMouse(target, QEvent::MouseMove, press + QPoint(threshold / 2 + far * step, threshold - threshold / 2), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }
    QCOMPARE(spy.first().first().value<QWidget*>(), source.first);
    sendMouse(target, QEvent::MouseButtonRelease, press, Qt::LeftButton);

    // A new press may start a new drag, also when the release was swallowed by a drag loop.
    for (const int at : {6, 8}) {
        sendMouse(target, QEvent::MouseButtonPress, QPoint(at, at), Qt::LeftButton);
        sendMouse(target, QEvent::MouseMove, QPoint(at + far, at), Qt::LeftButton);
    }
    QCOMPARE(spy.count(), 3);
}

void TestZCViews::tableDragIsAnnouncedInsteadOfRun()
{
    QStandardItemModel model(3, 2);
    for (int row = 0; row < 3; ++row)
        model.setItem(row, 0, new QStandardItem(QStringLiteral("fila %1").arg(row)));
    ZCDragTableView view;
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    QSignalSpy spy(&view, &ZCDragTableView::iniciarDrag);

    const QPoint cell = view.visualRect(model.index(0, 0)).center();
    const int far = QApplication::startDragDistance() * 2;
    sendMouse(view.viewport(), QEvent::MouseButtonPress, cell, Qt::LeftButton);
    for (int step = 1; step <= 3; ++step)
        sendMouse(view.viewport(), QEvent::MouseMove, cell + QPoint(far * step, 0), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QWidget*>(), &view);
}

void TestZCViews::footerSectionsMayShrinkToNothing()
{
    QStandardItemModel model(1, 3);
    ZCFootView footer(Qt::Horizontal);
    footer.setModel(&model);
    footer.resizeSection(1, 0);
    QCOMPARE(footer.sectionSize(1), 0);
}

void TestZCViews::checkboxHeaderShowsRowSelection()
{
    QStandardItemModel model(3, 2);
    model.setVerticalHeaderLabels({QString(), QString(), QString()});
    ZCTableView table;
    auto* header = new ZCVerticalHeaderCheckbox(Qt::Vertical, &table);
    table.setVerticalHeader(header);
    table.setModel(&model);
    table.resize(300, 200);
    table.show();

    const auto sectionImage = [header](int row) {
        const QRect rect(0, header->sectionViewportPosition(row), header->width(), header->sectionSize(row));
        return header->viewport()->grab(rect).toImage();
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
}

void TestZCViews::headerBoxTexts()
{
    const auto labels = [](const ZCHeaderBox& box) { return box.findChildren<QLabel*>(); };
    const ZCHeaderBox plain(Qt::black, Qt::white, QStringLiteral("Título"), 1.0, QString(), false);
    const ZCHeaderBox withSubtitle(Qt::black, Qt::white, QStringLiteral("Título"), 1.0, QStringLiteral("Paso 1"), false);
    const ZCHeaderBox withLine(Qt::black, Qt::white, QStringLiteral("Título"), 1.0, QString(), true);
    QCOMPARE(labels(plain).size(), 1);
    QCOMPARE(labels(withSubtitle).size(), 2);
    QCOMPARE(withLine.layout()->itemAt(1)->widget()->maximumHeight(), 1);

    const ZCHeaderBox large(Qt::black, Qt::white, QStringLiteral("Título"), 1.5, QString(), false);
    QCOMPARE(labels(large).first()->font().pointSize(), int(labels(plain).first()->font().pointSize() * 1.5));
}

MIROKIT_TEST_MAIN(TestZCViews)
#include "tst_zcviews.moc"
