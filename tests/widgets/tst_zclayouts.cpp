#include "mirokittest.h"

#include <Mirokit/ZCFlowLayout.h>
#include <Mirokit/ZCScroller.h>
#include <Mirokit/ZCSplitter.h>
#include <Mirokit/ZCSplitterHandle.h>

#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScroller>

#include <algorithm>
#include <memory>

namespace {

// A window holding a flow layout without margins, filled from a description such as
// "w100 s60 t1 w100": fixed-size widgets 100 pixels long along the flow (20 across), a 60-pixel
// spacing and a stretch of factor 1.
struct Flow {
    Flow(ZCFlowLayout::EOrientacion orientation, int spacing, const QString& items = QString())
        : layout(new ZCFlowLayout(orientation, &window))
    {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(spacing);
        for (const QString& item : items.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            add(item);
    }
    void add(const QString& item)
    {
        const int value = item.mid(1).toInt();
        if (item.startsWith(QLatin1Char('w')))
            addWidget(value);
        else if (item.startsWith(QLatin1Char('s')))
            layout->addSpacing(value);
        else
            layout->addStretch(value);
    }
    QLabel* addWidget(int length)
    {
        auto* label = new QLabel;
        const bool rows = layout->GetOrientacion() == ZCFlowLayout::Filas;
        label->setFixedSize(rows ? length : 20, rows ? 20 : length);
        layout->addWidget(label);
        widgets.append(label);
        return label;
    }
    void show(const QSize& size)
    {
        window.resize(size);
        window.show();
        settle();
    }
    static void settle() { QCoreApplication::processEvents(); }
    // The line of each widget still alive: lines are told apart by their top (rows) or left edge.
    QString lines() const
    {
        const bool rows = layout->GetOrientacion() == ZCFlowLayout::Filas;
        QList<int> starts;
        for (const QLabel* label : widgets)
            if (label)
                starts.append(rows ? label->y() : label->x());
        QList<int> distinct = starts;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        QStringList result;
        for (int start : starts)
            result.append(QString::number(distinct.indexOf(start)));
        return result.join(QLatin1Char(','));
    }
    QWidget window;
    ZCFlowLayout* layout;
    QList<QPointer<QLabel>> widgets;
};

// Buttons B0, B1 and B2, 80 pixels wide, in a flow or, to hold it up against, in a plain box
// layout, in a shown window; the label L is for the operations that bring in a widget.
struct Buttons {
    explicit Buttons(bool flow)
        : layout(flow ? static_cast<QBoxLayout*>(new ZCFlowLayout(ZCFlowLayout::Filas, &window))
                      : new QBoxLayout(QBoxLayout::LeftToRight, &window))
    {
        for (int i = 0; i < 3; ++i) {
            auto* button = new QPushButton(QStringLiteral("B%1").arg(i));
            button->setObjectName(button->text());
            button->setFixedWidth(80);
            if (auto* flowLayout = qobject_cast<ZCFlowLayout*>(layout))
                flowLayout->addWidget(button);
            else
                layout->addWidget(button);
            buttons.append(button);
        }
        label->setObjectName(QStringLiteral("L"));
        window.resize(300, 100);
        window.show();
        Flow::settle();
    }
    ~Buttons()
    {
        if (!label->parent())
            delete label;
    }
    static QString nameOf(QLayoutItem* item)
    {
        if (!item)
            return QStringLiteral("null");
        return item->widget() ? item->widget()->objectName() : item->layout() ? QStringLiteral("layout") : QStringLiteral("spacer");
    }
    QString items() const
    {
        QStringList names;
        for (int i = 0; i < layout->count(); ++i)
            names.append(nameOf(layout->itemAt(i)));
        return names.join(QLatin1Char(' '));
    }
    // What the operation returns, then the items it leaves.
    QString apply(const QString& operation)
    {
        QStringList result;
        if (operation == QLatin1String("replace")) {
            QLayoutItem* replaced = layout->replaceWidget(buttons.at(0), label);
            result << nameOf(replaced);
            delete replaced; // the caller's, as Qt's documentation says
        } else if (operation == QLatin1String("indexOf")) {
            for (QWidget* widget : QList<QWidget*>{buttons.at(0), buttons.at(1), buttons.at(2), label})
                result << QString::number(layout->indexOf(widget));
        } else if (operation == QLatin1String("insert")) {
            layout->insertWidget(1, label);
        } else if (operation == QLatin1String("take")) {
            while (QLayoutItem* item = layout->takeAt(0)) {
                result << nameOf(item);
                delete item;
            }
        } else if (operation == QLatin1String("remove")) {
            layout->removeWidget(buttons.at(1));
            result << (buttons.at(1)->parentWidget() == &window ? QStringLiteral("kept") : QStringLiteral("lost"));
        } else if (operation == QLatin1String("align")) {
            result << QString::number(layout->setAlignment(buttons.at(1), Qt::AlignTop));
            result << QString::number(int(layout->itemAt(1)->alignment()));
        } else if (operation == QLatin1String("stretch")) {
            layout->setStretch(2, 3);
            result << QString::number(layout->stretch(2));
        }
        result << QStringLiteral("|") << items();
        return result.join(QLatin1Char(' '));
    }

    QWidget window;
    QBoxLayout* layout;
    QList<QPushButton*> buttons;
    QLabel* label = new QLabel(QStringLiteral("L"));
};

// Three empty sections in a splitter of the given mode, sized 100 each.
struct Splitter : ZCSplitter {
    Splitter(Qt::Orientation orientation, ETipoRedimensionado mode) : ZCSplitter(orientation, mode)
    {
        for (int i = 0; i < 3; ++i)
            addWidget(new QWidget);
        setChildrenCollapsible(false);
        const int handles = 2 * handleWidth();
        resize(orientation == Qt::Horizontal ? QSize(300 + handles, 80) : QSize(80, 300 + handles));
        show();
        setSizes({100, 100, 100});
    }
    int length() const { return orientation() == Qt::Horizontal ? width() : height(); }
    using QSplitter::moveSplitter;
};

} // namespace

class TestZCLayouts : public QObject
{
    Q_OBJECT

private slots:
    void flowWrapsItemsIntoLines_data();
    void flowWrapsItemsIntoLines();
    void flowReflowsWhenTheWidthOrAnItemChanges();
    void flowPlacesWidgetsAddedLater();
    void flowForgetsDeletedAndMovedItems();
    void twoFlowsOfTheSameSizeBothArrange();
    void flowMinimumIsTheLargestItem();
    void flowAnswersForTheItemsAddedToIt();
    void flowEmptiedAndRefilled_data();
    void flowEmptiedAndRefilled();
    void flowItemsBehaveAsInABoxLayout_data();
    void flowItemsBehaveAsInABoxLayout();
    void flowAlignmentReachesTheLines_data();
    void flowAlignmentReachesTheLines();
    void growModeDragsResizeTheSplitter_data();
    void growModeDragsResizeTheSplitter();
    void aDragStartsFromTheSizesTheWindowGave_data();
    void aDragStartsFromTheSizesTheWindowGave();
    void storedSizesOfOtherSectionsAreNotApplied();
    void kineticScrollingTargetsTheViewport();
};

void TestZCLayouts::flowWrapsItemsIntoLines_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("extent"); // along the flow
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("lines");

    const int rows = ZCFlowLayout::Filas;
    const int columns = ZCFlowLayout::Columnas;
    QTest::newRow("three 100-pixel widgets in 250 pixels wrap after two") << rows << 250 << 6 << "w100 w100 w100" << "0,0,1";
    QTest::newRow("in 320 pixels the three share a row") << rows << 320 << 6 << "w100 w100 w100" << "0,0,0";
    QTest::newRow("widgets that end exactly at the edge fit") << rows << 206 << 6 << "w100 w100" << "0,0";
    QTest::newRow("one pixel less and the second wraps") << rows << 205 << 6 << "w100 w100" << "0,1";
    QTest::newRow("a widget wider than the row gets a row of its own") << rows << 150 << 6 << "w200 w50 w50" << "0,1,1";
    QTest::newRow("spacing takes its size along the row") << rows << 250 << 6 << "w100 s60 w100" << "0,1";
    QTest::newRow("a stretch takes no room") << rows << 206 << 6 << "w100 t1 w100" << "0,0";
    QTest::newRow("columns wrap to the right") << columns << 100 << 6 << "w40 w40 w40" << "0,0,1";
    QTest::newRow("columns with room keep one column") << columns << 140 << 10 << "w40 w40 w40" << "0,0,0";
    QTest::newRow("spacing runs down a column") << columns << 100 << 0 << "w40 s30 w40" << "0,1";
}

void TestZCLayouts::flowWrapsItemsIntoLines()
{
    QFETCH(int, orientation);
    QFETCH(int, extent);
    QFETCH(int, spacing);
    QFETCH(QString, items);
    Flow flow(ZCFlowLayout::EOrientacion(orientation), spacing, items);
    flow.show(orientation == ZCFlowLayout::Filas ? QSize(extent, 200) : QSize(200, extent));
    QTEST(flow.lines(), "lines");
}

void TestZCLayouts::flowReflowsWhenTheWidthOrAnItemChanges()
{
    Flow flow(ZCFlowLayout::Filas, 6, QStringLiteral("w100 w100 w100 w100"));
    flow.show(QSize(220, 200));
    QCOMPARE(flow.lines(), QStringLiteral("0,0,1,1"));
    flow.window.resize(440, 200);
    flow.settle();
    QCOMPARE(flow.lines(), QStringLiteral("0,0,0,0"));
    flow.window.resize(100, 200);
    flow.settle();
    QCOMPARE(flow.lines(), QStringLiteral("0,1,2,3"));
    // A widget that grows pushes the rest along, with no resize of the window.
    flow.window.resize(440, 200);
    flow.settle();
    flow.widgets.first()->setFixedWidth(250);
    flow.settle();
    QCOMPARE(flow.lines(), QStringLiteral("0,0,1,1"));
}

void TestZCLayouts::flowPlacesWidgetsAddedLater()
{
    Flow flow(ZCFlowLayout::Filas, 6, QStringLiteral("w100"));
    flow.show(QSize(250, 200));
    QLabel* later = flow.addWidget(100);
    flow.addWidget(100);
    flow.settle();
    QVERIFY(later->isVisible());
    QCOMPARE(flow.lines(), QStringLiteral("0,0,1"));
    QCOMPARE(later->y(), flow.widgets.first()->y());
}

void TestZCLayouts::flowForgetsDeletedAndMovedItems()
{
    Flow flow(ZCFlowLayout::Filas, 6, QStringLiteral("w100 w100 w100 w100"));
    auto* inner = new QHBoxLayout;
    inner->addWidget(new QLabel(QStringLiteral("interior")));
    flow.layout->addLayout(inner);
    flow.show(QSize(220, 200));
    delete flow.widgets.at(1);
    QWidget elsewhere;
    flow.widgets.takeAt(2)->setParent(&elsewhere);
    delete inner;
    flow.settle();
    QCOMPARE(flow.lines(), QStringLiteral("0,0"));
    flow.window.resize(110, 200);
    flow.settle();
    QCOMPARE(flow.lines(), QStringLiteral("0,1"));
}

void TestZCLayouts::twoFlowsOfTheSameSizeBothArrange()
{
    QWidget window;
    auto* outer = new QHBoxLayout(&window);
    QList<QLabel*> labels;
    for (int flowIndex = 0; flowIndex < 2; ++flowIndex) {
        auto* flow = new ZCFlowLayout;
        outer->addLayout(flow);
        for (int i = 0; i < 3; ++i) {
            labels.append(new QLabel(QStringLiteral("etiqueta")));
            labels.last()->setFixedSize(100, 20);
            flow->addWidget(labels.last());
        }
    }
    window.resize(500, 300);
    window.show();
    Flow::settle();
    for (int i : {0, 3})
        QVERIFY(labels.at(i + 2)->y() > labels.at(i)->y());
    QCOMPARE(labels.at(2)->y(), labels.at(5)->y());
}

void TestZCLayouts::flowMinimumIsTheLargestItem()
{
    Flow flow(ZCFlowLayout::Filas, 6, QStringLiteral("w100 w150 w80"));
    flow.layout->setContentsMargins(4, 5, 6, 7);
    QCOMPARE(flow.layout->minimumSize(), QSize(150 + 10, 20 + 12));
}

void TestZCLayouts::flowAnswersForTheItemsAddedToIt()
{
    Flow flow(ZCFlowLayout::Filas, 6, QStringLiteral("w100 s60 w100"));
    auto* inner = new QHBoxLayout;
    flow.layout->addLayout(inner);
    flow.show(QSize(250, 200));
    QCOMPARE(flow.layout->count(), 4);
    QCOMPARE(flow.layout->itemAt(0)->widget(), flow.widgets.at(0).data());
    QVERIFY(flow.layout->itemAt(1)->spacerItem());
    QCOMPARE(flow.layout->itemAt(2)->widget(), flow.widgets.at(1).data());
    QCOMPARE(flow.layout->itemAt(3)->layout(), inner);
    QCOMPARE(flow.layout->itemAt(4), nullptr);
    QCOMPARE(flow.layout->itemAt(-1), nullptr);
    QCOMPARE(flow.layout->indexOf(flow.widgets.at(1)), 2);
    QCOMPARE(flow.layout->indexOf(inner), 3);
    QCOMPARE(flow.layout->indexOf(&flow.window), -1);

    // A layout taken out belongs to the caller, free to go into another layout.
    QCOMPARE(flow.layout->takeAt(3), inner);
    QCOMPARE(inner->parent(), nullptr);
    delete inner;
    QCOMPARE(flow.layout->takeAt(3), nullptr);
    QCOMPARE(flow.layout->count(), 3);
}

void TestZCLayouts::flowEmptiedAndRefilled_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("every item taken out and deleted") << "take";
    QTest::newRow("every widget removed, then deleted") << "remove";
    QTest::newRow("every widget deleted") << "delete";
}

// Emptied in the usual ways of emptying a layout, a flow keeps working: what is added later is
// laid out as in a new one.
void TestZCLayouts::flowEmptiedAndRefilled()
{
    QFETCH(QString, how);
    Flow flow(ZCFlowLayout::Filas, 6, QStringLiteral("w100 w100 s10 w100"));
    flow.layout->addLayout(new QHBoxLayout);
    flow.show(QSize(250, 200));
    if (how == QLatin1String("take")) {
        while (QLayoutItem* item = flow.layout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
    } else {
        for (const QPointer<QLabel>& label : qAsConst(flow.widgets)) {
            if (how == QLatin1String("remove")) {
                flow.layout->removeWidget(label);
                QCOMPARE(label->parentWidget(), &flow.window);
            }
            delete label;
        }
        // The spacing and the layout are left.
        QCOMPARE(flow.layout->count(), 2);
        while (QLayoutItem* item = flow.layout->takeAt(0))
            delete item;
    }
    QCOMPARE(flow.layout->count(), 0);
    flow.widgets.clear();
    flow.settle();

    for (int i = 0; i < 3; ++i)
        flow.addWidget(100);
    flow.settle();
    QCOMPARE(flow.layout->count(), 3);
    Flow fresh(ZCFlowLayout::Filas, 6, QStringLiteral("w100 w100 w100"));
    fresh.show(QSize(250, 200));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(flow.widgets.at(i)->geometry(), fresh.widgets.at(i)->geometry());
}

void TestZCLayouts::flowItemsBehaveAsInABoxLayout_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("replaceWidget returns the widget's item and puts the new one in its place") << "replace";
    QTest::newRow("indexOf finds each widget at its place and no other") << "indexOf";
    QTest::newRow("insertWidget puts the widget at the index given") << "insert";
    QTest::newRow("takeAt until null takes every item in order") << "take";
    QTest::newRow("removeWidget takes the widget out, which stays in the window") << "remove";
    QTest::newRow("setAlignment of a widget reaches its item") << "align";
    QTest::newRow("setStretch reaches the item at the index given") << "stretch";
}

// The flow's items are a box layout's: Qt's own operations on them, virtual or not, do to a flow
// what they do to a QBoxLayout, and whatever the flow still holds is laid out afterwards.
void TestZCLayouts::flowItemsBehaveAsInABoxLayout()
{
    QFETCH(QString, operation);
    Buttons box(false);
    Buttons flow(true);
    QCOMPARE(flow.apply(operation), box.apply(operation));
    for (const QSize& size : {QSize(200, 100), QSize(400, 100), QSize(90, 300)}) {
        flow.window.resize(size);
        Flow::settle();
        for (int i = 0; i < flow.layout->count(); ++i) {
            const QWidget* widget = flow.layout->itemAt(i)->widget();
            QTRY_VERIFY(widget->isVisible());
            QVERIFY(flow.window.rect().contains(widget->geometry()));
        }
    }
}

void TestZCLayouts::flowAlignmentReachesTheLines_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("without alignment a lone widget takes its line's width") << 0;
    QTest::newRow("aligned left and top it keeps its size hint") << int(Qt::AlignLeft | Qt::AlignTop);
}

void TestZCLayouts::flowAlignmentReachesTheLines()
{
    QFETCH(int, alignment);
    Flow flow(ZCFlowLayout::Filas, 6);
    QList<QPushButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        buttons.append(new QPushButton(QStringLiteral("Botón")));
        flow.layout->addWidget(buttons.last());
    }
    // Set after the items, as a host may.
    flow.layout->setAlignment(Qt::Alignment(alignment));
    const int hint = buttons.first()->sizeHint().width();
    flow.show(QSize(2 * hint + 6 + 40, 200));
    QPushButton* lone = buttons.last();
    QVERIFY(lone->y() > buttons.first()->y());
    QCOMPARE(lone->x(), 0);
    QCOMPARE(lone->width(), alignment ? hint : flow.window.width());
    if (alignment)
        QCOMPARE(buttons.first()->geometry(), QRect(QPoint(0, 0), buttons.first()->sizeHint()));
}

void TestZCLayouts::growModeDragsResizeTheSplitter_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("handle");
    QTest::addColumn<int>("drag");
    QTest::addColumn<int>("growth");
    QTest::addColumn<QList<int>>("sizes");

    const int h = Qt::Horizontal;
    const int grow = ZCSplitter::Crecer;
    QTest::newRow("the first handle 50 to the right widens the splitter") << h << grow << 1 << 50 << 50 << QList<int>{150, 100, 100};
    QTest::newRow("the second handle 30 to the left narrows it") << h << grow << 2 << -30 << -30 << QList<int>{100, 70, 100};
    QTest::newRow("a vertical splitter grows downwards") << int(Qt::Vertical) << grow << 1 << 40 << 40 << QList<int>{140, 100, 100};
    QTest::newRow("without grow mode the next section pays") << h << int(ZCSplitter::Normal) << 1 << 50 << 0 << QList<int>{150, 50, 100};
}

void TestZCLayouts::growModeDragsResizeTheSplitter()
{
    QFETCH(int, orientation);
    QFETCH(int, mode);
    QFETCH(int, handle);
    QFETCH(int, drag);
    QFETCH(int, growth);
    Splitter splitter{Qt::Orientation(orientation), ZCSplitter::ETipoRedimensionado(mode)};
    const int before = splitter.length();
    QVERIFY(!splitter.NecesitaResizearSecciones());
    const QList<int> sizes = splitter.sizes();
    int edge = 0;
    for (int i = 0; i < handle; ++i)
        edge += sizes.at(i) + (i > 0 ? splitter.handleWidth() : 0);
    splitter.moveSplitter(edge + drag, handle);
    QCOMPARE(splitter.length() - before, growth);
    QTEST(splitter.sizes(), "sizes");
}

void TestZCLayouts::aDragStartsFromTheSizesTheWindowGave_data()
{
    QTest::addColumn<int>("resizedBy");
    QTest::newRow("a splitter its window widened") << 300;
    QTest::newRow("a splitter its window narrowed") << -60;
    QTest::newRow("a splitter left as it was") << 0;
}

// Whatever the sections became by a resize, a handle dragged 10 pixels makes the section
// before it and the splitter 10 pixels larger.
void TestZCLayouts::aDragStartsFromTheSizesTheWindowGave()
{
    QFETCH(int, resizedBy);
    Splitter splitter(Qt::Horizontal, ZCSplitter::Crecer);
    splitter.setOpaqueResize(true);
    splitter.resize(splitter.width() + resizedBy, splitter.height());
    QTRY_COMPARE(splitter.sizes().at(0) + splitter.sizes().at(1) + splitter.sizes().at(2),
                 300 + resizedBy);
    const int before = splitter.width();
    QList<int> expected = splitter.sizes();
    expected[0] += 10;

    QSplitterHandle* handle = splitter.handle(1);
    const QPoint from = handle->rect().center();
    const QPoint to = from + QPoint(10, 0);
    QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);

    QCOMPARE(splitter.width(), before + 10);
    QCOMPARE(splitter.sizes(), expected);
}

void TestZCLayouts::storedSizesOfOtherSectionsAreNotApplied()
{
    Splitter splitter(Qt::Horizontal, ZCSplitter::Crecer);
    splitter.addWidget(new QLabel(QStringLiteral("cuarta")));
    QVERIFY(splitter.NecesitaResizearSecciones());
    const int before = splitter.width();
    const QList<int> sizes = splitter.sizes();
    splitter.moveSplitter(sizes.at(0) + 20, 1);
    QCOMPARE(splitter.width(), before);
    QCOMPARE(splitter.sizes().size(), 4);
    // From then on the sections as they were after that move are the stored ones.
    QVERIFY(!splitter.NecesitaResizearSecciones());
    splitter.moveSplitter(splitter.sizes().at(0) + 10, 1);
    QCOMPARE(splitter.width(), before + 10);
}

void TestZCLayouts::kineticScrollingTargetsTheViewport()
{
    QListView view;
    ZCScroller::GrabGesture(&view);
    QVERIFY(QScroller::hasScroller(view.viewport()));
    QCOMPARE(view.verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
    QCOMPARE(view.horizontalScrollMode(), QAbstractItemView::ScrollPerPixel);

    // Only a touch gesture makes its target accept touch events.
    QScrollArea area;
    ZCScroller::GrabGesture(&area);
    QVERIFY(QScroller::hasScroller(area.viewport()));
    QVERIFY(area.viewport()->testAttribute(Qt::WA_AcceptTouchEvents));

    QLabel plain;
    ZCScroller::GrabGesture(&plain);
    QVERIFY(QScroller::hasScroller(&plain));
    QVERIFY(!plain.testAttribute(Qt::WA_AcceptTouchEvents));
    ZCScroller::GrabGesture(nullptr);
}

MIROKIT_TEST_MAIN(TestZCLayouts)
#include "tst_zclayouts.moc"
