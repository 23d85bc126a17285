#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCDrag.h>
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

// Every index of column 0 under `parent`, in pre-order.
QModelIndexList subtree(const QAbstractItemModel& model, const QModelIndex& parent)
{
    QModelIndexList result;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex child = model.index(row, 0, parent);
        result.append(child);
        result.append(subtree(model, child));
    }
    return result;
}

int expandedCount(const QTreeView& view)
{
    int count = 0;
    for (const QModelIndex& index : subtree(*view.model(), QModelIndex()))
        count += view.isExpanded(index) ? 1 : 0;
    return count;
}

// Four columns of which 1 and 3 are editable, three rows.
TableModel* editableGrid(QObject* parent)
{
    auto* model = new TableModel({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                  QStringLiteral("D")}, parent);
    const QStringList row{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    model->setRows({row, row, row});
    model->setEditableColumns({1, 3});
    return model;
}

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The cursor actions are protected: a subclass names them for the tests.
struct TabProbe : ZCTreeView {
    enum Move { Next, Previous, Down };
    static QModelIndex move(QTreeView* view, Move move)
    {
        const CursorAction actions[] = {MoveNext, MovePrevious, MoveDown};
        return moveCursor(view, actions[move], Qt::NoModifier);
    }
};

// Counts the key presses that children leave unaccepted.
class KeySink : public QWidget
{
public:
    int received = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++received;
        event->accept();
    }
};

} // namespace

class TestZCViews : public QObject
{
    Q_OBJECT

private slots:
    void readOnlySwitchRestoresRememberedTriggers();

    void expandWithChildsReachesEveryDescendant();
    void collapseWithChildsClosesTheWholeSubtree();
    void expandedPathsRoundTrip();
    void expandedPathsAreRelativeToTheRootIndex();
    void restoringStopsAtARowThatIsGone();

    void tabMovesOverEditableCells_data();
    void tabMovesOverEditableCells();
    void tabKeysFollowTheEditableCells();
    void treeWidgetTabsLikeTheTreeView();

    void spaceActivatesTheCurrentItem_data();
    void spaceActivatesTheCurrentItem();
    void otherKeysReachTheBaseClass();

    void dragStartsAtTheThreshold_data();
    void dragStartsAtTheThreshold();
    void dragIsAnnouncedOncePerPress_data();
    void dragIsAnnouncedOncePerPress();
    void tableDragIsAnnouncedInsteadOfRun();
    void dragObjectBelongsToItsSource();

    void footerSectionsMayShrinkToNothing();
    void checkboxHeaderShowsRowSelection();
    void headerBoxLayout_data();
    void headerBoxLayout();
    void headerBoxScalesTitleAndTakesNewText();
};

void TestZCViews::readOnlySwitchRestoresRememberedTriggers()
{
    const auto check = [](auto& view) {
        const auto qtDefault = view.editTriggers();
        QCOMPARE(qtDefault, QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
        QVERIFY(!view.IsReadOnly());
        view.SetReadOnly(false);
        QCOMPARE(int(view.editTriggers()), 5);

        view.SetReadOnly(true);
        QVERIFY(view.IsReadOnly());
        view.setEditTriggers(QAbstractItemView::AllEditTriggers);
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

void TestZCViews::expandWithChildsReachesEveryDescendant()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
    view.show();
    const QModelIndex middle = model.index(1, 0);
    view.expandWhithChilds(middle);

    QVERIFY(view.isExpanded(middle));
    const QModelIndexList below = subtree(model, middle);
    QCOMPARE(below.size(), 12);
    for (const QModelIndex& index : below)
        QVERIFY2(view.isExpanded(index), qPrintable(index.data().toString()));
    QVERIFY(!view.isExpanded(model.index(0, 0)));
    QVERIFY(!view.isExpanded(model.index(2, 0)));
    // The layout follows: the last grandchild of the middle item is on screen below it.
    QVERIFY(view.visualRect(below.last()).top() > view.visualRect(middle).top());

    QTreeView reference;
    reference.setModel(&model);
    reference.expandRecursively(middle);
    QCOMPARE(expandedCount(view), 13);
    QCOMPARE(expandedCount(reference), expandedCount(view));
}

void TestZCViews::collapseWithChildsClosesTheWholeSubtree()
{
    LazyTreeModel model(2, 3);
    ZCTreeView view;
    view.setModel(&model);
    view.expandWhithChilds(QModelIndex());
    QCOMPARE(expandedCount(view), 14);
    view.collapseWhithChilds(model.index(0, 0));
    QCOMPARE(expandedCount(view), 7);
    view.collapseWhithChilds(QModelIndex());
    QCOMPARE(expandedCount(view), 0);
}

void TestZCViews::expandedPathsRoundTrip()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
    view.expand(model.index(2, 0));
    view.expand(model.index(0, 0, model.index(2, 0)));

    Paths paths{{9}};
    view.GetExpandedIndexes(paths);
    QCOMPARE(paths, (Paths{{9}, {2}, {2, 0}}));
    paths.removeFirst();

    LazyTreeModel copy(3, 3);
    ZCTreeView restored;
    restored.setModel(&copy);
    restored.SetExpandedIndexes(paths);
    QVERIFY(restored.isExpanded(copy.index(2, 0)));
    QVERIFY(restored.isExpanded(copy.index(0, 0, copy.index(2, 0))));
    QCOMPARE(expandedCount(restored), 2);
}

void TestZCViews::expandedPathsAreRelativeToTheRootIndex()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
    const QModelIndex root = model.index(1, 0);
    view.setRootIndex(root);
    view.expand(model.index(2, 0, root));
    view.expand(model.index(0, 0)); // outside the shown subtree
    Paths paths;
    view.GetExpandedIndexes(paths);
    QCOMPARE(paths, Paths{{2}});
}

void TestZCViews::restoringStopsAtARowThatIsGone()
{
    LazyTreeModel model(3, 3);
    ZCTreeView view;
    view.setModel(&model);
    view.SetExpandedIndexes({{7, 0}, {1, 5, 0}, {0}});
    QCOMPARE(expandedCount(view), 2);
    QVERIFY(view.isExpanded(model.index(0, 0)));
    QVERIFY(view.isExpanded(model.index(1, 0)));
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
    TableModel* model = editableGrid(this);
    ZCTreeView view;
    view.setModel(model);
    view.setCurrentIndex(model->index(from.y(), from.x()));
    const QModelIndex target = TabProbe::move(&view, TabProbe::Move(action));
    QCOMPARE(QPoint(target.column(), target.row()), to);
    delete model;
}

void TestZCViews::tabKeysFollowTheEditableCells()
{
    TableModel* model = editableGrid(this);
    ZCTreeView view;
    view.setModel(model);
    view.setTabKeyNavigation(true);
    view.setCurrentIndex(model->index(0, 1));
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(view.currentIndex(), model->index(0, 3));
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(view.currentIndex(), model->index(1, 1));
    QTest::keyClick(&view, Qt::Key_Backtab);
    QCOMPARE(view.currentIndex(), model->index(0, 3));
    delete model;
}

void TestZCViews::treeWidgetTabsLikeTheTreeView()
{
    ZCTreeWidget widget;
    widget.setColumnCount(4);
    widget.setTabKeyNavigation(true);
    for (int row = 0; row < 2; ++row) {
        auto* item = new QTreeWidgetItem(&widget, {QStringLiteral("a"), QStringLiteral("b"),
                                                    QStringLiteral("c"), QStringLiteral("d")});
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    }
    // Only the second row is editable: Tab from the first row's column 2 goes down to it.
    widget.topLevelItem(1)->setFlags(widget.topLevelItem(1)->flags() | Qt::ItemIsEditable);
    widget.setCurrentItem(widget.topLevelItem(0), 2);
    QTest::keyClick(&widget, Qt::Key_Tab);
    QCOMPARE(widget.currentItem(), widget.topLevelItem(1));
    QCOMPARE(widget.currentColumn(), 0);
}

void TestZCViews::spaceActivatesTheCurrentItem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withCurrent");

    for (const QString& kind : {QStringLiteral("list"), QStringLiteral("table"), QStringLiteral("tree")}) {
        QTest::newRow(qPrintable(kind + QStringLiteral(" with a current item activates it"))) << kind << true;
        QTest::newRow(qPrintable(kind + QStringLiteral(" without a current item does nothing"))) << kind << false;
    }
}

void TestZCViews::spaceActivatesTheCurrentItem()
{
    QFETCH(QString, kind);
    QFETCH(bool, withCurrent);
    TableModel* model = editableGrid(this);
    KeySink parent;
    QAbstractItemView* view = kind == QLatin1String("list") ? static_cast<QAbstractItemView*>(new ZCListView(&parent))
        : kind == QLatin1String("table")                    ? static_cast<QAbstractItemView*>(new ZCTableView(&parent))
                                                            : new ZCTreeView(&parent);
    view->setModel(model);
    if (withCurrent)
        view->setCurrentIndex(model->index(2, 0));
    else
        view->selectionModel()->clearCurrentIndex();
    QSignalSpy activated(view, &QAbstractItemView::activated);

    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(activated.count(), withCurrent ? 1 : 0);
    if (withCurrent)
        QCOMPARE(activated.first().first().toModelIndex(), model->index(2, 0));
    QCOMPARE(parent.received, 0); // consumed, not passed on
    delete model;
}

void TestZCViews::otherKeysReachTheBaseClass()
{
    TableModel* model = editableGrid(this);
    ZCListView view;
    view.setModel(model);
    view.setCurrentIndex(model->index(0, 0));
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentIndex(), model->index(1, 0));
    delete model;
}

void TestZCViews::dragStartsAtTheThreshold_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("announced");

    const int threshold = QApplication::startDragDistance();
    for (const QString& kind : {QStringLiteral("list"), QStringLiteral("tree"), QStringLiteral("combo")}) {
        QTest::newRow(qPrintable(kind + QStringLiteral(": one pixel short of the distance is no drag")))
            << kind << threshold - 1 << 0;
        QTest::newRow(qPrintable(kind + QStringLiteral(": exactly the distance starts a drag")))
            << kind << threshold << 1;
    }
}

namespace {

struct DragSource {
    QWidget* widget;
    QWidget* mouseTarget;
};

DragSource makeDragSource(const QString& kind, QAbstractItemModel* model)
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

void TestZCViews::dragStartsAtTheThreshold()
{
    QFETCH(QString, kind);
    QFETCH(int, distance);
    QFETCH(int, announced);
    TableModel* model = editableGrid(this);
    const DragSource source = makeDragSource(kind, model);
    QSignalSpy spy(source.widget, SIGNAL(iniciarDrag(QWidget*)));

    const QPoint press(5, 5);
    sendMouse(source.mouseTarget, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    // Manhattan distance: split between both axes.
    const QPoint moved = press + QPoint(distance / 2, distance - distance / 2);
    sendMouse(source.mouseTarget, QEvent::MouseMove, moved, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(spy.count(), announced);
    if (announced)
        QCOMPARE(spy.first().first().value<QWidget*>(), source.widget);
    QCOMPARE(pressPositionOf(source.widget), press);
    delete source.widget;
    delete model;
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
    TableModel* model = editableGrid(this);
    const DragSource source = makeDragSource(kind, model);
    QSignalSpy spy(source.widget, SIGNAL(iniciarDrag(QWidget*)));
    QCOMPARE(pressPositionOf(source.widget), QPoint(0, 0));
    const int far = QApplication::startDragDistance() * 3;
    QWidget* target = source.mouseTarget;

    sendMouse(target, QEvent::MouseButtonPress, QPoint(4, 4), Qt::RightButton, Qt::RightButton);
    sendMouse(target, QEvent::MouseMove, QPoint(4 + far, 4), Qt::NoButton, Qt::RightButton);
    QCOMPARE(spy.count(), 0); // only the left button drags
    QCOMPARE(pressPositionOf(source.widget), QPoint(0, 0));
    sendMouse(target, QEvent::MouseButtonRelease, QPoint(4 + far, 4), Qt::RightButton, Qt::NoButton);

    sendMouse(target, QEvent::MouseButtonPress, QPoint(4, 4), Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        sendMouse(target, QEvent::MouseMove, QPoint(4 + far * step, 4), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    sendMouse(target, QEvent::MouseButtonRelease, QPoint(4 + far * 4, 4), Qt::LeftButton, Qt::NoButton);

    // A new press may start a new drag, also when the release was swallowed by a drag loop.
    sendMouse(target, QEvent::MouseButtonPress, QPoint(6, 6), Qt::LeftButton, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, QPoint(6 + far, 6), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    sendMouse(target, QEvent::MouseButtonPress, QPoint(8, 8), Qt::LeftButton, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, QPoint(8 + far, 8), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(spy.count(), 3);
    delete source.widget;
    delete model;
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
    QVERIFY(view.dragEnabled());
    QSignalSpy spy(&view, &ZCDragTableView::iniciarDrag);

    const QPoint cell = view.visualRect(model.index(0, 0)).center();
    const int far = QApplication::startDragDistance() * 2;
    QWidget* viewport = view.viewport();
    sendMouse(viewport, QEvent::MouseButtonPress, cell, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, cell + QPoint(far, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, cell + QPoint(far * 2, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, cell + QPoint(far * 3, 0), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QWidget*>(), &view);
}

void TestZCViews::dragObjectBelongsToItsSource()
{
    ZCDragListView source;
    auto* drag = new ZCDrag(&source);
    QCOMPARE(drag->parent(), &source);
    QCOMPARE(drag->source(), &source);
}

void TestZCViews::footerSectionsMayShrinkToNothing()
{
    QStandardItemModel model(1, 3);
    ZCFootView footer(Qt::Horizontal);
    footer.setModel(&model);
    QCOMPARE(footer.minimumSectionSize(), 0);
    footer.resizeSection(1, 0);
    QCOMPARE(footer.sectionSize(1), 0);
    QCOMPARE(footer.orientation(), Qt::Horizontal);
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

void TestZCViews::headerBoxLayout_data()
{
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<bool>("separator");
    QTest::addColumn<int>("topMargin");
    QTest::addColumn<int>("labels");

    QTest::newRow("a title alone sits 15 pixels from the top") << QString() << false << 15 << 1;
    QTest::newRow("a subtitle pushes the texts to 25 pixels") << QStringLiteral("Paso 1 de 3") << false << 25 << 2;
    QTest::newRow("a separator adds a one-pixel black line") << QString() << true << 15 << 2;
}

void TestZCViews::headerBoxLayout()
{
    QFETCH(QString, subtitle);
    QFETCH(bool, separator);
    QFETCH(int, topMargin);
    QFETCH(int, labels);
    ZCHeaderBox box(Qt::white, QColor(20, 60, 120), QStringLiteral("Importar datos"), 1.0, subtitle, separator);

    QCOMPARE(box.layout()->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(box.layout()->spacing(), 0);
    const QLayout* texts = box.layout()->itemAt(0)->layout();
    QVERIFY(texts);
    QCOMPARE(texts->contentsMargins(), QMargins(20, topMargin, 20, 15));
    QCOMPARE(texts->spacing(), 17);
    QCOMPARE(box.findChildren<QLabel*>().size(), labels);
    QCOMPARE(box.palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(box.palette().color(QPalette::Window), QColor(20, 60, 120));
    QVERIFY(box.autoFillBackground());
    if (separator) {
        const QWidget* line = box.layout()->itemAt(1)->widget();
        QCOMPARE(line->maximumHeight(), 1);
        QCOMPARE(line->palette().color(QPalette::Window), QColor(Qt::black));
    }
}

void TestZCViews::headerBoxScalesTitleAndTakesNewText()
{
    ZCHeaderBox plain(Qt::black, Qt::white, QStringLiteral("Título"), 1.0, QString(), false);
    ZCHeaderBox large(Qt::black, Qt::white, QStringLiteral("Título"), 1.5, QString(), false);
    const auto title = [](const ZCHeaderBox& box) { return box.findChildren<QLabel*>().first(); };
    QCOMPARE(title(large)->font().pointSize(), int(title(plain)->font().pointSize() * 1.5));
    large.SetTexto(QStringLiteral("Resumen"));
    QCOMPARE(title(large)->text(), QStringLiteral("Resumen"));
}

MIROKIT_TEST_MAIN(TestZCViews)
#include "tst_zcviews.moc"
