#include "mirokittest.h"
#include "reportdesignertest.h"
#include "reporttest.h"

#include <ncrdbanditem.h>
#include <ncrdcanvas.h>
#include <ncrdcanvasitem.h>
#include <ncrdcanvasview.h>
#include <ncrddatapanel.h>
#include <ncrddocument.h>
#include <ncrdmainwindow.h>
#include <ncrdpropertypanel.h>
#include <ncrdfieldpropdialog.h>
#include <ncrdreportxml.h>
#include <ncreportpreviewwindow.h>
#include <ncreportrecordedpages.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QDockWidget>
#include <QMenuBar>
#include <QToolBar>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolTip>
#include <QMimeData>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoGroup>
#include <QUndoStack>

#include <functional>

using namespace reporttest;

namespace {

// Bands of 15, 8, 5, 7, 6, 9, 5, 10 and 8 mm from a top margin of 15 mm; the detail's items at
// x 10, 60 and 100, the label one millimetre lower than the fields.
const char layoutReport[] = R"(<report name="Ventas" pageSize="A4" leftMargin="10" topMargin="15" rightMargin="10" bottomMargin="10">
  <datasources>
    <datasource id="ventas" type="3" delimiter=";" header="true"><string>ciudad;cliente;importe</string><string>León;Ana;10</string></datasource>
  </datasources>
  <pageHeader height="15"><label x="0" y="0" width="100" height="8" bold="true" unknown="kept">Ventas</label></pageHeader>
  <reportHeader height="8"/>
  <detail id="lineas" dataSource="ventas" height="6">
    <group id="pais" expression="%CONST"><header height="5"/><footer height="5"/></group>
    <group id="ciudad" expression="$D{ventas.ciudad}"><header height="7"/><footer height="9"/></group>
    <field x="10" y="0" width="40" height="6">$D{ventas.cliente}</field>
    <field x="60" y="0" width="30" height="6" align="right" source="datasource">importe</field>
    <label x="100" y="1" width="30" height="5">Nota</label>
  </detail>
  <reportFooter height="10"/>
  <pageFooter height="8"/>
</report>
)";

constexpr qreal detailTop = 15 + 15 + 8 + 5 + 7;

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::KeyboardModifiers modifiers = {})
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

// Enters `value` into a property editor as a user would: typed into boxes and fields, picked
// from lists, ticked.
void enter(QWidget* editor, const QString& value)
{
    if (auto* box = qobject_cast<QAbstractSpinBox*>(editor)) {
        box->clear();
        QTest::keyClicks(box, value);
    } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        if (check->isChecked() != (value == QLatin1String("true")))
            check->click();
    } else if (auto* field = qobject_cast<QLineEdit*>(editor)) {
        field->clear();
        QTest::keyClicks(field, value);
    } else if (auto* list = qobject_cast<QComboBox*>(editor); list && list->isEditable()) {
        list->lineEdit()->clear();
        QTest::keyClicks(list->lineEdit(), value);
    } else {
        // A list, or the alignment's pair of lists.
        auto* choice = list ? list : editor->findChild<QComboBox*>(QStringLiteral("horizontal"));
        QVERIFY(choice);
        const int index = choice->findData(value);
        QVERIFY(index >= 0);
        choice->setCurrentIndex(index);
    }
}

// Everything the tests do on a report: the document shown at 100 %, positions in millimetres.
struct Fixture {
    QTemporaryDir dir;
    QString fileName;
    NCRDDocument document;

    explicit Fixture(const QByteArray& xml = layoutReport)
    {
        fileName = dir.filePath(QStringLiteral("informe.xml"));
        document.resize(1300, 900);
        document.show();
        if (open(xml)) {
            view()->setZoom(100);
            view()->horizontalScrollBar()->setValue(0);
            view()->verticalScrollBar()->setValue(0);
        }
    }

    // Writes `xml` to the report's file and opens that in the document.
    bool open(const QByteArray& xml)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(xml) < 0)
            return false;
        file.close();
        return document.openFile(fileName);
    }

    NCRDCanvasView* view() const { return document.canvasView(); }
    NCRDCanvas* canvas() const { return document.canvas(); }
    QWidget* viewport() const { return view()->viewport(); }
    QString xml() const { return document.xml().toString(); }
    QDomElement element(const QString& tag, int index = 0) const
    {
        return document.xml().elementsByTagName(tag).at(index).toElement();
    }
    NCRDCanvasItem* item(const QString& tag, int index = 0) const { return canvas()->itemFor(element(tag, index)); }
    // The viewport point of a page point (millimetres from the paper's corner).
    QPoint at(const QPointF& page) const { return view()->mapFromScene(page); }
    QPoint atItem(const QString& tag, int index = 0) const { return at(item(tag, index)->sceneGeometry().center()); }
    void click(const QPoint& pos, Qt::KeyboardModifiers modifiers = {}) const
    {
        sendMouse(viewport(), QEvent::MouseButtonPress, pos, modifiers);
        sendMouse(viewport(), QEvent::MouseButtonRelease, pos, modifiers);
    }
    // Presses, moves there in a few steps (past the drag distance) and releases.
    void drag(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers = {}) const
    {
        sendMouse(viewport(), QEvent::MouseButtonPress, from, modifiers);
        for (int step = 1; step <= 4; ++step)
            sendMouse(viewport(), QEvent::MouseMove, from + (to - from) * step / 4, modifiers);
        sendMouse(viewport(), QEvent::MouseButtonRelease, to, modifiers);
    }
    void trigger(const char* name) const
    {
        QAction* action = document.findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    qreal number(const QDomElement& element, const char* attribute) const
    {
        return element.attribute(QLatin1String(attribute)).toDouble();
    }
};

QStringList bandLabels(const NCRDCanvas* canvas)
{
    QStringList labels;
    for (const NCRDBandItem* band : canvas->bands())
        labels.append(band->label());
    return labels;
}

// A report whose detail holds `items`, over the layout report's data source.
QByteArray detailReport(const QString& items, const QString& height = QStringLiteral("6"))
{
    return QStringLiteral("<report name=\"x\"><datasources><datasource id=\"ds\" type=\"3\"><string>a</string></datasource>"
                          "</datasources><detail id=\"d\" dataSource=\"ds\" height=\"%1\">%2</detail></report>\n")
        .arg(height, items)
        .toUtf8();
}

// Two data sources (an item model first), a parameter and a variable.
const char panelReport[] = R"(<report name="Datos">
  <datasources>
    <datasource id="clientes" type="4" itemModel="clientes"/>
    <datasource id="ventas" type="3" delimiter=";" header="true"><string>ciudad;cliente;importe</string></datasource>
  </datasources>
  <parameters><parameter name="desde" value="2026-01-01"/></parameters>
  <variables><variable id="total" expression="$D{ventas.importe}"/></variables>
  <detail id="d" dataSource="ventas" height="6"/>
</report>
)";

QStringList rowTexts(const QAbstractItemModel* model, const QModelIndex& parent)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(parent); ++row)
        texts.append(model->index(row, 0, parent).data().toString());
    return texts;
}

// Whether the page shows the document as it stands: each band over its section with the items
// of that section in their order in the file, each where its attributes place it and found there.
void verifyPageShowsTheDocument(const Fixture& fixture)
{
    for (const NCRDBandItem* band : fixture.canvas()->bands()) {
        QList<QDomElement> elements;
        for (QDomElement element = band->element().firstChildElement(); !element.isNull();
             element = element.nextSiblingElement()) {
            if (element.tagName() != QLatin1String("group"))
                elements.append(element);
        }
        QCOMPARE(band->height(), fixture.number(band->element(), "height"));
        const QList<QGraphicsItem*> children = band->childItems();
        QCOMPARE(children.size(), elements.size());
        for (int i = 0; i < children.size(); ++i) {
            const auto* item = qgraphicsitem_cast<const NCRDCanvasItem*>(children.at(i));
            QVERIFY(item);
            QCOMPARE(item->element(), elements.at(i));
            const QRectF geometry = NCRDCanvasItem::geometryOf(item->element());
            QCOMPARE(item->sceneGeometry(), geometry.normalized().translated(band->pos()));
            QCOMPARE(item->scenePos(), item->sceneGeometry().topLeft());
            QVERIFY(fixture.canvas()->items(item->sceneGeometry().center()).contains(const_cast<NCRDCanvasItem*>(item)));
        }
    }
}

} // namespace

class tst_NCRDCanvas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thePageShowsTheBandsInPrintOrder()
    {
        Fixture fixture;
        QCOMPARE(bandLabels(fixture.canvas()),
                 QStringList({"Page header", "Report header", "Group header pais", "Group header ciudad", "Detail lineas",
                              "Group footer ciudad", "Group footer pais", "Report footer", "Page footer"}));
        // A4 in millimetres, the bands one under the other from the top margin.
        QCOMPARE(fixture.canvas()->pageRect(), QRectF(0, 0, 210, 297));
        qreal top = 15;
        for (const NCRDBandItem* band : fixture.canvas()->bands()) {
            QCOMPARE(band->sceneRect().topLeft(), QPointF(10, top));
            QCOMPARE(band->width(), 190.0);
            top += band->height();
        }
        QCOMPARE(fixture.item("field", 0)->sceneGeometry(), QRectF(20, detailTop, 40, 6));
        QCOMPARE(fixture.canvas()->canvasItems().size(), 4);
        // Fields show their expressions.
        QCOMPARE(NCRDCanvasItem::displayText(fixture.item("field", 1)->item()), QStringLiteral("$D{importe}"));
    }

    // Reports opened one after the other into a document: more bands and fewer, more items and
    // fewer, items of other kinds and sizes at the places of earlier ones.
    void eachReportOpenedShowsItsOwnPage()
    {
        const QList<QByteArray> reports{
            detailReport(QStringLiteral("<field x=\"1\" y=\"1\" width=\"20\" height=\"4\">$D{a}</field>"
                                        "<line x1=\"30\" y1=\"5\" x2=\"10\" y2=\"1\" lineWidth=\"4\"/>"
                                        "<label x=\"50\" y=\"0\" width=\"10\" height=\"5\">a</label>"),
                         QStringLiteral("8")),
            detailReport(QStringLiteral("<field x=\"1\" y=\"1\" width=\"150\" height=\"4\">$D{a}</field>")),
            QByteArray(layoutReport),
            detailReport(QStringLiteral("<rectangle x=\"5\" y=\"2\" width=\"60\" height=\"3\"/>")),
            detailReport(QString(), QStringLiteral("0")),
            QByteArray(layoutReport),
        };
        Fixture fixture(reports.first());
        for (int i = 0; i < reports.size(); ++i) {
            QVERIFY2(fixture.open(reports.at(i)), qPrintable(fixture.document.errorString()));
            verifyPageShowsTheDocument(fixture);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("After report %1").arg(i)));
        }
        QCOMPARE(bandLabels(fixture.canvas()),
                 QStringList({"Page header", "Report header", "Group header pais", "Group header ciudad", "Detail lineas",
                              "Group footer ciudad", "Group footer pais", "Report footer", "Page footer"}));
    }

    // Elements in document order, backwards, of several parents mixed, repeated, the root, none.
    void pathsOfManyElementsAreEachElementsPath()
    {
        QDomDocument xml;
        QVERIFY(xml.setContent(QByteArray(layoutReport)));
        // Every element in document order, and the same backwards.
        QList<QDomElement> all;
        const std::function<void(const QDomElement&)> collect = [&](const QDomElement& element) {
            all.append(element);
            for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
                collect(child);
        };
        collect(xml.documentElement());
        QCOMPARE(all.size(), 20);
        const QList<QDomElement> backwards(all.crbegin(), all.crend());
        // Fields, a group's header, nothing, the root, a data source's string.
        const QList<QDomElement> mixed{all.at(16), all.at(15), all.at(16), all.at(13), QDomElement(), all.at(0), all.at(17), all.at(3)};
        for (const QList<QDomElement>& elements : {all, backwards, mixed}) {
            const QVector<QVector<int>> paths = NCRDDocument::elementPaths(elements);
            QCOMPARE(paths.size(), elements.size());
            for (int i = 0; i < elements.size(); ++i)
                QCOMPARE(paths.at(i), NCRDDocument::elementPath(elements.at(i)));
        }
    }

    void keysMoveTheSelection_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<double>("gridStep");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("an arrow moves one grid step") << int(Qt::Key_Right) << Qt::KeyboardModifiers() << 1.0
                                                      << QPointF(11, 0);
        QTest::newRow("Shift and an arrow move a tenth of a millimetre")
            << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1.0 << QPointF(10, 0.1);
        QTest::newRow("the grid step is a setting") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << 2.5
                                                    << QPointF(7.5, 0);
    }

    void keysMoveTheSelection()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(double, gridStep);
        Fixture fixture;
        const QString original = fixture.xml();
        fixture.document.findChild<QDoubleSpinBox*>(QStringLiteral("gridStep"))->setValue(gridStep);
        fixture.click(fixture.atItem("field"));
        QCOMPARE(fixture.canvas()->selectedElements(), QList<QDomElement>{fixture.element("field")});
        QTest::keyClick(fixture.view(), Qt::Key(key), modifiers);
        const QDomElement field = fixture.element("field");
        QTEST(QPointF(fixture.number(field, "x"), fixture.number(field, "y")), "position");
        QTEST(fixture.item("field")->geometry().topLeft(), "position");
        QVERIFY(fixture.document.isModified());
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
        QVERIFY(!fixture.document.isModified());
    }

    // The whole session with the mouse, then undone and redone step by step.
    void editsWithTheMouseAreUndoneAndRedone()
    {
        Fixture fixture;
        const QString original = fixture.xml();
        const QPointF detail(10, detailTop);

        // A field drawn with the tool on the detail band.
        fixture.trigger("actionTool_field");
        fixture.drag(fixture.at(detail + QPointF(140, 1)), fixture.at(detail + QPointF(170, 5)));
        QDomElement drawn = fixture.element("field", 2);
        QCOMPARE(drawn.parentNode().toElement().tagName(), QStringLiteral("detail"));
        QCOMPARE(NCRDCanvasItem::geometryOf(drawn), QRectF(140, 1, 30, 4));
        QCOMPARE(fixture.canvas()->selectedElements(), QList<QDomElement>{drawn});
        QCOMPARE(fixture.canvas()->tool(), QString());

        // Dragged 20 mm to the right.
        const QPoint grip = fixture.atItem("field", 2);
        fixture.drag(grip, grip + fixture.at(QPointF(20, 0)) - fixture.at(QPointF(0, 0)));
        drawn = fixture.element("field", 2);
        QCOMPARE(NCRDCanvasItem::geometryOf(drawn), QRectF(160, 1, 30, 4));

        // Made larger by its bottom right handle.
        fixture.drag(fixture.at(detail + QPointF(190, 5)), fixture.at(detail + QPointF(195, 6)));
        QCOMPARE(NCRDCanvasItem::geometryOf(fixture.element("field", 2)), QRectF(160, 1, 35, 5));

        // Three items aligned to the top of the one clicked last.
        fixture.click(fixture.atItem("field", 0));
        fixture.click(fixture.atItem("field", 1), Qt::ShiftModifier);
        fixture.click(fixture.atItem("label", 1), Qt::ShiftModifier);
        QCOMPARE(fixture.canvas()->selectedElements().size(), 3);
        fixture.trigger("actionAlignTop");
        for (const auto& [tag, index] : {std::pair{"field", 0}, std::pair{"field", 1}, std::pair{"label", 1}})
            QCOMPARE(fixture.number(fixture.element(QLatin1String(tag), index), "y"), 1.0);

        // The detail made 4 mm taller by its lower edge.
        fixture.drag(fixture.at(detail + QPointF(180, 6)), fixture.at(detail + QPointF(180, 10)));
        QCOMPARE(fixture.number(fixture.element("detail"), "height"), 10.0);
        QCOMPARE(fixture.canvas()->bands().at(5)->sceneRect().top(), detailTop + 10);

        const QString edited = fixture.xml();
        QUndoStack* stack = fixture.document.undoStack();
        QCOMPARE(stack->count(), 5);
        while (stack->canUndo())
            stack->undo();
        QCOMPARE(fixture.xml(), original);
        QVERIFY(!fixture.document.isModified());
        QCOMPARE(fixture.canvas()->canvasItems().size(), 4);
        QCOMPARE(fixture.canvas()->bands().at(5)->sceneRect().top(), detailTop + 6);
        while (stack->canRedo())
            stack->redo();
        QCOMPARE(fixture.xml(), edited);
        QCOMPARE(fixture.item("field", 2)->geometry(), QRectF(160, 1, 35, 5));
    }

    void anItemDraggedIntoAnotherBandMovesThere()
    {
        Fixture fixture;
        const QString original = fixture.xml();
        const QPoint grip = fixture.atItem("label", 1);
        // Up into the page header, 20 mm below its top.
        fixture.drag(grip, fixture.at(QPointF(115, 15 + 3.5)));
        const QDomElement label = fixture.element("label", 1);
        QCOMPARE(label.text(), QStringLiteral("Nota"));
        QCOMPARE(label.parentNode().toElement().tagName(), QStringLiteral("pageHeader"));
        QCOMPARE(fixture.item("label", 1)->band()->label(), QStringLiteral("Page header"));
        QCOMPARE(fixture.document.reportDef()->pageHeader().items.size(), 2);
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
    }

    void clicksAndRubberBandsSelect()
    {
        Fixture fixture;
        fixture.click(fixture.atItem("field", 0));
        fixture.click(fixture.atItem("label", 1), Qt::ShiftModifier);
        QCOMPARE(fixture.canvas()->selectedElements().size(), 2);
        fixture.click(fixture.atItem("field", 0), Qt::ControlModifier);
        QCOMPARE(fixture.canvas()->selectedElements(), QList<QDomElement>{fixture.element("label", 1)});
        // The outline follows the canvas, and the canvas the outline.
        QCOMPARE(fixture.document.currentElement(), fixture.element("label", 1));
        QVERIFY(fixture.document.setCurrentElement(fixture.element("field", 1)));
        QCOMPARE(fixture.canvas()->selectedElements(), QList<QDomElement>{fixture.element("field", 1)});
        fixture.trigger("actionSelectAllInBand");
        QCOMPARE(fixture.canvas()->selectedElements().size(), 3);
        // A rubber band from an empty place over the first two fields of the detail.
        const QPointF detail(10, detailTop);
        fixture.drag(fixture.at(detail + QPointF(95, 3)), fixture.at(detail + QPointF(5, 5)));
        QCOMPARE(fixture.canvas()->selectedElements(),
                 QList<QDomElement>({fixture.element("field", 0), fixture.element("field", 1)}));
        // A click on an empty place clears it.
        fixture.click(fixture.at(detail + QPointF(95, 3)));
        QVERIFY(fixture.canvas()->selectedElements().isEmpty());
    }

    void itemsSnapToTheGridAndToOtherItems_data()
    {
        QTest::addColumn<bool>("grid");
        QTest::addColumn<QPointF>("by");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("the grid rounds to whole millimetres") << true << QPointF(20.4, 0) << QPointF(120, 1);
        QTest::newRow("without the grid the item goes where it is dropped") << false << QPointF(20.4, 0)
                                                                              << QPointF(120.4, 1);
        QTest::newRow("a left edge near another item's meets it") << false << QPointF(-39.8, 0) << QPointF(60, 1);
    }

    void itemsSnapToTheGridAndToOtherItems()
    {
        QFETCH(bool, grid);
        QFETCH(QPointF, by);
        Fixture fixture;
        fixture.view()->setZoom(200);
        fixture.canvas()->setSnapToGrid(grid);
        const QPointF start = fixture.item("label", 1)->sceneGeometry().center();
        fixture.view()->centerOn(start);
        fixture.drag(fixture.at(start), fixture.at(start + by));
        const QDomElement label = fixture.element("label", 1);
        QFETCH(QPointF, position);
        QVERIFY2(qAbs(position.x() - fixture.number(label, "x")) < 0.15 && qAbs(position.y() - fixture.number(label, "y")) < 0.15,
                 qPrintable(QStringLiteral("%1 %2").arg(fixture.number(label, "x")).arg(fixture.number(label, "y"))));
    }

    void zoomStaysInItsRange_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QVector<int>>("wheel");
        QTest::addColumn<int>("expected");
        QTest::newRow("below the smallest zoom") << 5 << QVector<int>{} << 25;
        QTest::newRow("above the largest zoom") << 1000 << QVector<int>{} << 400;
        QTest::newRow("a notch of the wheel with Ctrl is a step") << 100 << QVector<int>{120} << 125;
        QTest::newRow("small touchpad deltas add up to a step") << 100 << QVector<int>{40, 40, 40} << 125;
        QTest::newRow("turning back zooms out") << 100 << QVector<int>{-120, -120} << 67;
    }

    void zoomStaysInItsRange()
    {
        QFETCH(int, zoom);
        QFETCH(QVector<int>, wheel);
        Fixture fixture;
        fixture.view()->setZoom(zoom);
        for (const int delta : wheel) {
            const QPointF pos(100, 100);
            QWheelEvent event(pos, QPointF(fixture.viewport()->mapToGlobal(pos.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(fixture.viewport(), &event);
        }
        QTEST(fixture.view()->zoom(), "expected");
        QCOMPARE(fixture.view()->transform().m11(), fixture.view()->pixelsPerMillimetre());
    }

    void fittingShowsThePage()
    {
        Fixture fixture;
        fixture.view()->fitPage();
        const QRect page = fixture.view()->mapFromScene(fixture.canvas()->pageRect()).boundingRect();
        QVERIFY2(fixture.viewport()->rect().contains(page), qPrintable(QStringLiteral("%1 %2 %3 %4 in %5 %6 zoom %7").arg(page.x()).arg(page.y()).arg(page.width()).arg(page.height()).arg(fixture.viewport()->width()).arg(fixture.viewport()->height()).arg(fixture.view()->zoom())));
        fixture.view()->fitWidth();
        const QRect wide = fixture.view()->mapFromScene(fixture.canvas()->pageRect()).boundingRect();
        QVERIFY(wide.width() > page.width());
        QVERIFY(wide.width() <= fixture.viewport()->width());
    }

    void clipboardCommands_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("items");
        QTest::addColumn<QPointF>("lastPosition");
        QTest::newRow("a copy is pasted where it was") << QStringList{"actionCopy", "actionPaste"} << 5 << QPointF(100, 1);
        QTest::newRow("a duplicate goes a grid step away") << QStringList{"actionDuplicate"} << 5 << QPointF(101, 2);
        QTest::newRow("a cut item is gone") << QStringList{"actionCut"} << 3 << QPointF(60, 0);
        QTest::newRow("a cut item comes back on paste") << QStringList{"actionCut", "actionPaste"} << 4 << QPointF(100, 1);
        QTest::newRow("brought to the back, the item paints first")
            << QStringList{"actionSendToBack"} << 4 << QPointF(60, 0);
        QTest::newRow("deleted") << QStringList{"actionDelete"} << 3 << QPointF(60, 0);
    }

    void clipboardCommands()
    {
        QFETCH(QStringList, actions);
        Fixture fixture;
        const QString original = fixture.xml();
        fixture.click(fixture.atItem("label", 1));
        for (const QString& action : qAsConst(actions))
            fixture.trigger(action.toLatin1().constData());
        QTEST(int(fixture.canvas()->canvasItems().size()), "items");
        const QDomElement last = fixture.element("detail").lastChildElement();
        QTEST(NCRDCanvasItem::geometryOf(last).topLeft(), "lastPosition");
        QCOMPARE(fixture.document.reportDef()->details().value(0).section.items.size(), fixture.canvas()->canvasItems().size() - 1);
        while (fixture.document.undoStack()->canUndo())
            fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
    }

    void foreignClipboardTextPastesNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("not XML") << QByteArray("<items><label");
        QTest::newRow("sections rather than items") << QByteArray("<items><detail id=\"x\"/><group/></items>");
    }

    void foreignClipboardTextPastesNothing()
    {
        QFETCH(QByteArray, data);
        Fixture fixture;
        auto* mime = new QMimeData;
        mime->setData(QStringLiteral("application/x-ncreport-items"), data);
        QApplication::clipboard()->setMimeData(mime);
        fixture.trigger("actionPaste");
        QCOMPARE(fixture.document.undoStack()->count(), 0);
        QCOMPARE(fixture.canvas()->canvasItems().size(), 4);
    }

    void aDoubleClickOpensThePropertyDialogAndItsChangeIsUndone()
    {
        Fixture fixture;
        const QString original = fixture.xml();
        bool found = false;
        onModal<NCRDFieldPropDialog>([&](NCRDFieldPropDialog* dialog) {
            auto* x = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("spX"));
            found = x != nullptr;
            if (x)
                x->setValue(33);
            dialog->accept();
        });
        const QPoint pos = fixture.atItem("field");
        sendMouse(fixture.viewport(), QEvent::MouseButtonPress, pos);
        sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, pos);
        sendMouse(fixture.viewport(), QEvent::MouseButtonDblClick, pos);
        sendMouse(fixture.viewport(), QEvent::MouseButtonRelease, pos);
        QVERIFY(found);
        QCOMPARE(fixture.number(fixture.element("field"), "x"), 33.0);
        QCOMPARE(fixture.item("field")->geometry().x(), 33.0);
        QVERIFY(fixture.document.isModified());
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
        QVERIFY(!fixture.document.isModified());
    }

    void theModifiedMarkFollowsTheSavedState()
    {
        Fixture fixture;
        QSignalSpy changes(&fixture.document, &NCRDDocument::modificationChanged);
        fixture.canvas()->selectElements({fixture.element("field")});
        fixture.canvas()->moveSelection(QPointF(1, 0));
        QVERIFY(fixture.document.isModified());
        QVERIFY(fixture.document.save());
        QVERIFY(!fixture.document.isModified());
        fixture.document.undoStack()->undo();
        QVERIFY(fixture.document.isModified());
        fixture.document.undoStack()->redo();
        QVERIFY(!fixture.document.isModified());
        QCOMPARE(changes.count(), 4);
    }

    // Reports the engine reads but whose layout is odd: the canvas shows them, marks what lies
    // out of its band, and saving changes nothing.
    void oddLayoutsOpenAndSaveUnchanged_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("outside");
        QTest::newRow("items out of their band and the page")
            << detailReport(QStringLiteral("<label x=\"-5\" y=\"0\" width=\"10\" height=\"4\">a</label>"
                                           "<label x=\"150\" y=\"4\" width=\"90\" height=\"4\">b</label>"
                                           "<line x1=\"0\" y1=\"8\" x2=\"-20\" y2=\"2\"/>"))
            << 3 << 3;
        QTest::newRow("zero sizes, overlapping items and a band of no height")
            << detailReport(QStringLiteral("<label x=\"0\" y=\"0\" width=\"0\" height=\"0\"/>"
                                           "<field x=\"0\" y=\"0\" width=\"0\" height=\"0\">$D{a}</field>"),
                            QStringLiteral("0"))
            << 2 << 0;
        QString many;
        for (int i = 0; i < 3000; ++i)
            many += QStringLiteral("<field x=\"%1\" y=\"%2\" width=\"8\" height=\"3\">$D{a}</field>").arg(i % 20 * 9).arg(i / 20 % 50);
        QTest::newRow("three thousand items") << detailReport(many, QStringLiteral("60")) << 3000 << 0;
    }

    void oddLayoutsOpenAndSaveUnchanged()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, outside);
        Fixture fixture(xml);
        QTEST(int(fixture.canvas()->canvasItems().size()), "items");
        int marked = 0;
        for (const NCRDCanvasItem* item : fixture.canvas()->canvasItems())
            marked += item->isOutside() ? 1 : 0;
        QCOMPARE(marked, outside);
        // Painted without a fault at any zoom.
        for (const int zoom : {25, 400}) {
            fixture.view()->setZoom(zoom);
            QVERIFY(!fixture.viewport()->grab().isNull());
        }
        // Everything moved and moved back.
        const QString original = fixture.xml();
        for (NCRDCanvasItem* item : fixture.canvas()->canvasItems())
            item->setSelected(true);
        QVERIFY(fixture.canvas()->moveSelection(QPointF(0, 1)));
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
        QVERIFY(fixture.document.saveAs(fixture.dir.filePath(QStringLiteral("copia.xml"))));
        NCRDDocument reopened;
        QVERIFY(reopened.openFile(fixture.dir.filePath(QStringLiteral("copia.xml"))));
        QCOMPARE(reopened.xml().toString(), original);
    }

    void theDataPanelListsWhatTheReportCanPrint()
    {
        Fixture fixture(panelReport);
        QStandardItemModel clientes;
        fillTable(clientes, {QStringLiteral("Nombre,Ciudad")});
        fixture.document.report()->addItemModel(QStringLiteral("clientes"), &clientes);
        NCRDDataPanel panel;
        panel.setDocument(&fixture.document);
        const QAbstractItemModel* model = panel.model();
        const QModelIndex sources = model->index(0, 0);
        QCOMPARE(model->rowCount(sources), 2);
        // The item model's headers at once; the string list's columns once expanded (opened).
        QCOMPARE(rowTexts(model, model->index(0, 0, sources)), QStringList({"Nombre", "Ciudad"}));
        QCOMPARE(model->rowCount(model->index(1, 0, sources)), 0);
        panel.expand(model->index(1, 0, sources));
        QCOMPARE(rowTexts(model, model->index(1, 0, sources)), QStringList({"ciudad", "cliente", "importe"}));
        QCOMPARE(rowTexts(model, model->index(1, 0)), QStringList({"desde"}));
        QCOMPARE(rowTexts(model, model->index(2, 0)), QStringList({"total"}));
        // A column drags as its reference.
        std::unique_ptr<QMimeData> data(model->mimeData({model->index(1, 0, model->index(1, 0, sources))}));
        QVERIFY(data);
        QCOMPARE(data->text(), QStringLiteral("$D{ventas.cliente}"));
    }

    void enterInTheDataPanelAddsFieldsBesideTheItemsOfTheSection()
    {
        Fixture fixture;
        const QString original = fixture.xml();
        NCRDDataPanel panel;
        panel.setDocument(&fixture.document);
        const QAbstractItemModel* model = panel.model();
        const QModelIndex ventas = model->index(0, 0, model->index(0, 0));
        panel.expand(ventas);
        panel.setCurrentIndex(model->index(2, 0, ventas));
        fixture.canvas()->selectElements({fixture.element("field", 0)});
        QTest::keyClick(&panel, Qt::Key_Return, Qt::AltModifier);
        const QDomElement detail = fixture.element("detail");
        const QDomElement added = detail.lastChildElement(QStringLiteral("field"));
        QCOMPARE(added.text(), QStringLiteral("$D{ventas.importe}"));
        // Right of the label that ends furthest right (x 100, 30 wide).
        QCOMPARE(added.attribute(QStringLiteral("x")).toDouble(), 130.0);
        QCOMPARE(fixture.element("pageHeader").lastChildElement(QStringLiteral("label")).text(), QStringLiteral("importe"));
        QCOMPARE(fixture.document.undoStack()->count(), 1);
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
    }

    void droppedColumnsBecomeFields_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QStringList>("pageHeader");
        QTest::newRow("a column dropped on a band is a field there") << Qt::KeyboardModifiers() << QStringList{"Ventas"};
        QTest::newRow("with Alt, its name goes above it in the page header")
            << Qt::KeyboardModifiers(Qt::AltModifier) << QStringList{"Ventas", "importe"};
    }

    void droppedColumnsBecomeFields()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Fixture fixture;
        const QString original = fixture.xml();
        auto* data = new QMimeData;
        data->setData(NCRDDataPanel::mimeType, "$D{ventas.importe}");
        const QPoint pos = fixture.at(QPointF(10, detailTop) + QPointF(140.2, 0.1));
        QDragEnterEvent enter(pos, Qt::CopyAction, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(fixture.viewport(), &enter);
        QDragMoveEvent move(pos, Qt::CopyAction, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(fixture.viewport(), &move);
        QVERIFY(move.isAccepted());
        QDropEvent drop(pos, Qt::CopyAction, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(fixture.viewport(), &drop);
        const QDomElement field = fixture.element("field", 2);
        QCOMPARE(field.text(), QStringLiteral("$D{ventas.importe}"));
        QCOMPARE(NCRDCanvasItem::geometryOf(field).topLeft(), QPointF(140, 0));
        QStringList labels;
        for (QDomElement label = fixture.element("pageHeader").firstChildElement(); !label.isNull();
             label = label.nextSiblingElement())
            labels.append(label.text());
        QTEST(labels, "pageHeader");
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
        delete data;
    }

    void thePropertyPanelEditsWhatIsSelected_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("refused");
        QTest::newRow("an item's position typed in millimetres") << QStringList{"field"} << "x" << "25" << "25" << false;
        QTest::newRow("two items' font size together") << QStringList{"field", "label"} << "fontSize" << "14" << "14" << false;
        QTest::newRow("bold ticked for two items") << QStringList{"field", "label"} << "bold" << "true" << "true" << false;
        QTest::newRow("a field's format picked from its list") << QStringList{"field"} << "format" << "currency" << "currency" << false;
        QTest::newRow("a colour typed by name") << QStringList{"field"} << "color" << "navy" << "navy" << false;
        QTest::newRow("a colour the engine cannot read is not applied") << QStringList{"field"} << "color" << "#zz" << "" << true;
        QTest::newRow("a horizontal alignment leaves the vertical default out")
            << QStringList{"label"} << "align" << "right" << "right" << false;
        QTest::newRow("the report's page size when nothing is selected") << QStringList{} << "pageSize" << "A5" << "A5" << false;
        QTest::newRow("the report's orientation") << QStringList{} << "orientation" << "landscape" << "landscape" << false;
        QTest::newRow("a margin that leaves no room stops at the last one that did")
            << QStringList{} << "leftMargin" << "300" << "30" << true;
        QTest::newRow("a detail's sort") << QStringList{"detail"} << "sort" << "cliente desc" << "cliente desc" << false;
    }

    void thePropertyPanelEditsWhatIsSelected()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, attribute);
        QFETCH(QString, entered);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        Fixture fixture;
        const QString original = fixture.xml();
        NCRDPropertyPanel panel;
        panel.setDocument(&fixture.document);
        QList<QDomElement> elements;
        for (const QString& tag : qAsConst(selected))
            elements.append(tag == QLatin1String("label") ? fixture.element(tag, 1) : fixture.element(tag));
        if (selected == QStringList{"detail"})
            fixture.document.setCurrentElement(elements.first());
        else
            fixture.canvas()->selectElements(elements);
        if (elements.isEmpty()) {
            fixture.document.findChild<QTreeWidget*>(QStringLiteral("sectionTree"))->setCurrentItem(nullptr);
            elements.append(fixture.document.xml().documentElement());
        }
        QCOMPARE(panel.elements(), elements);
        QWidget* editor = panel.editor(attribute);
        QVERIFY(editor);
        QVERIFY(!editor->accessibleName().isEmpty());
        // Entered as a user does, a character at a time where it is typed: one step of the stack.
        enter(editor, entered);
        for (const QDomElement& element : qAsConst(elements))
            QCOMPARE(element.attribute(attribute), expected);
        QCOMPARE(fixture.document.undoStack()->count(), expected.isEmpty() ? 0 : 1);
        QCOMPARE(editor->toolTip().isEmpty(), !refused);
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
    }

    void thePropertyPanelShowsTheValuesOfWhatIsSelected()
    {
        Fixture fixture;
        NCRDPropertyPanel panel;
        panel.setDocument(&fixture.document);
        fixture.canvas()->selectElements({fixture.element("field", 1)});
        QCOMPARE(qobject_cast<QDoubleSpinBox*>(panel.editor("x"))->value(), 60.0);
        QCOMPARE(qobject_cast<QComboBox*>(panel.editor("align")->findChild<QComboBox*>("horizontal"))->currentData().toString(),
                 QStringLiteral("right"));
        QCOMPARE(qobject_cast<QComboBox*>(panel.editor("source"))->currentData().toString(), QStringLiteral("datasource"));
        // Values that differ are left blank, and the list of a value unset shows the default.
        fixture.canvas()->selectElements({fixture.element("field", 0), fixture.element("field", 1)});
        QVERIFY(qobject_cast<QDoubleSpinBox*>(panel.editor("x"))->cleanText().isEmpty());
        QCOMPARE(qobject_cast<QComboBox*>(panel.editor("source"))->currentIndex(), -1);
        QCOMPARE(qobject_cast<QCheckBox*>(panel.editor("bold"))->checkState(), Qt::Unchecked);
        fixture.canvas()->selectElements({fixture.element("field", 0), fixture.element("label", 0)});
        QCOMPARE(qobject_cast<QCheckBox*>(panel.editor("bold"))->checkState(), Qt::PartiallyChecked);
        QCOMPARE(fixture.document.undoStack()->count(), 0);
    }

    void aGroupsHeaderAndFooterAreTickedOnAndOff()
    {
        Fixture fixture;
        const QString original = fixture.xml();
        NCRDPropertyPanel panel;
        panel.setDocument(&fixture.document);
        QVERIFY(fixture.document.setCurrentElement(fixture.element("group", 1)));
        auto* footer = qobject_cast<QCheckBox*>(panel.editor("#footer"));
        QVERIFY(footer);
        QVERIFY(footer->isChecked());
        const int bands = bandLabels(fixture.canvas()).size();
        footer->click();
        QVERIFY(fixture.element("group", 1).firstChildElement("footer").isNull());
        QCOMPARE(bandLabels(fixture.canvas()).size(), bands - 1);
        QVERIFY(!fixture.element("group", 1).firstChildElement("header").isNull());
        qobject_cast<QCheckBox*>(panel.editor("#footer"))->click();
        QCOMPARE(fixture.element("group", 1).firstChildElement("footer").attribute("height"), QStringLiteral("6"));
        QCOMPARE(bandLabels(fixture.canvas()).size(), bands);
        QCOMPARE(fixture.document.undoStack()->count(), 2);
        fixture.document.undoStack()->undo();
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
    }

    void theCanvasMenuWorksOnTheBandClicked_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("added");
        QTest::newRow("a group added to the band's detail")
            << "Group footer ciudad" << QStringList{"actionAddSection", "actionAddGroup"} << "group" << 1;
        QTest::newRow("a detail added from any band")
            << "Page footer" << QStringList{"actionAddSection", "actionAddDetail"} << "detail" << 1;
        QTest::newRow("a group's header removed") << "Group header pais" << QStringList{"actionRemove"} << "header" << -1;
        QTest::newRow("the report footer removed") << "Report footer" << QStringList{"actionRemove"} << "reportFooter" << -1;
        QTest::newRow("a label added to the band") << "Report header" << QStringList{"actionAddItem", "actionAdd_label"}
                                                   << "label" << 1;
    }

    void theCanvasMenuWorksOnTheBandClicked()
    {
        QFETCH(QString, band);
        QFETCH(QStringList, commands);
        QFETCH(QString, tag);
        QFETCH(int, added);
        Fixture fixture;
        const QString original = fixture.xml();
        const int before = fixture.document.xml().elementsByTagName(tag).size();
        const int index = bandLabels(fixture.canvas()).indexOf(band);
        QVERIFY(index >= 0);
        const QDomElement section = fixture.canvas()->bands().at(index)->element();
        const std::unique_ptr<QMenu> menu = fixture.document.createCanvasMenu(section);
        QCOMPARE(fixture.document.currentElement(), section);
        QList<QAction*> actions = menu->actions();
        QAction* command = nullptr;
        for (const QString& name : qAsConst(commands)) {
            const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                            [&](const QAction* action) { return action->objectName() == name; });
            QVERIFY2(found != actions.cend(), qPrintable(name));
            command = *found;
            if (command->menu())
                actions = command->menu()->actions();
        }
        QVERIFY(command->isEnabled());
        command->trigger();
        QCOMPARE(fixture.document.xml().elementsByTagName(tag).size(), before + added);
        if (tag == QLatin1String("label"))
            QCOMPARE(fixture.element("label", 1).parentNode().toElement(), section);
        QCOMPARE(fixture.document.undoStack()->count(), 1);
        fixture.document.undoStack()->undo();
        QCOMPARE(fixture.xml(), original);
    }

    void anItemsToolTipIsItsText()
    {
        Fixture fixture;
        QHelpEvent event(QEvent::ToolTip, fixture.atItem("field", 1),
                         fixture.viewport()->mapToGlobal(fixture.atItem("field", 1)));
        QApplication::sendEvent(fixture.viewport(), &event);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("$D{importe}"));
        QToolTip::hideText();
    }

    void theCanvasMenuOverAnItemSelectsItAndOffersItsCommands()
    {
        Fixture fixture;
        fixture.canvas()->selectElements({fixture.element("label", 0)});
        QString shown;
        // The menu runs its own loop: it is read and closed from there.
        QTimer::singleShot(0, [&shown] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                for (const QAction* action : popup->actions())
                    shown += action->objectName() + QLatin1Char(' ');
                popup->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, fixture.atItem("field", 1),
                                fixture.viewport()->mapToGlobal(fixture.atItem("field", 1)));
        QApplication::sendEvent(fixture.viewport(), &event);
        QCOMPARE(fixture.canvas()->selectedElements(), QList<QDomElement>{fixture.element("field", 1)});
        QVERIFY2(shown.contains(QLatin1String("actionCut ")) && shown.contains(QLatin1String("actionAlign ")), qPrintable(shown));
        QVERIFY2(!shown.contains(QLatin1String("actionAddSection")), qPrintable(shown));
    }

    void reportHeaderAndFooterAreAddedAndRemoved()
    {
        Fixture fixture(detailReport(QStringLiteral("<label x=\"0\" y=\"0\" width=\"9\" height=\"4\">a</label>")));
        fixture.trigger("actionAddReportHeader");
        fixture.trigger("actionAddReportFooter");
        QCOMPARE(bandLabels(fixture.canvas()), QStringList({"Report header", "Detail d", "Report footer"}));
        QVERIFY(fixture.document.setCurrentElement(fixture.element("reportHeader")));
        fixture.trigger("actionRemove");
        QCOMPARE(bandLabels(fixture.canvas()), QStringList({"Detail d", "Report footer"}));
        fixture.document.undoStack()->undo();
        QCOMPARE(bandLabels(fixture.canvas()), QStringList({"Report header", "Detail d", "Report footer"}));
    }

    void theMainWindowPreviewsAndShowsTheCurrentDocumentInItsDocks()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("ventas.xml"));
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(layoutReport) > 0);
        file.close();
        NCRDMainWindow window;
        window.reportDef()->setZintPath(QStringLiteral("/opt/zint/"));
        NCRDDocument* document = window.openReportFile(fileName);
        QVERIFY(document);
        QCOMPARE(window.dataPanel()->document(), document);
        QCOMPARE(window.propertyPanel()->document(), document);
        QCOMPARE(window.undoGroup()->activeStack(), document->undoStack());
        // The Report menu carries the document's section commands.
        auto* reportMenu = window.findChild<QMenu*>(QStringLiteral("menuReport"));
        QVERIFY(reportMenu);
        reportMenu->popup(QPoint());
        QVERIFY(reportMenu->actions().contains(document->action(QStringLiteral("actionAddSection"))));
        reportMenu->close();
        QAction* preview = window.findChild<QAction*>(QStringLiteral("actionPreview"));
        QVERIFY(preview);
        QCOMPARE(preview->shortcut(), QKeySequence(Qt::Key_F5));
        // An edit not saved yet is what the preview shows.
        const QDomElement label = document->xml().documentElement().firstChildElement(QStringLiteral("pageHeader")).firstChildElement();
        QVERIFY(document->setElementAttribute({label}, QStringLiteral("#text"), QStringLiteral("Editado")));
        QCOMPARE(document->reportDef()->zintPath(), QStringLiteral("/opt/zint/"));
        preview->trigger();
        QPointer<NCReportPreviewWindow> shown = window.previewWindow();
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->pageCount(), 1);
        QCOMPARE(shown->recordedPages()->find(QStringLiteral("Editado")).size(), 1);
        QVERIFY(shown->recordedPages()->find(QStringLiteral("Ventas")).isEmpty());
        QVERIFY(window.pdfFileName().isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("ventas.pdf"))));
        // Editing and closing the report leave the pages on show.
        document->undoStack()->undo();
        const QPointer<NCRDDocument> edited = document;
        QVERIFY(document->parentWidget()->close());
        QTRY_VERIFY(!edited);
        QCOMPARE(shown->recordedPages()->find(QStringLiteral("Editado")).size(), 1);
        shown->close();
        QTRY_VERIFY(!shown);
    }

    void everyCommandHasAKeyOrAMenuAndEveryControlAName()
    {
        Fixture fixture;
        NCRDMainWindow window;
        NCRDDocument* document = window.openReportFile(fixture.fileName);
        QVERIFY(document);
        window.show();
        // What the menu bar reaches, the Report menu filled as it is when opened.
        auto* reportMenu = window.findChild<QMenu*>(QStringLiteral("menuReport"));
        reportMenu->popup(QPoint());
        reportMenu->close();
        QSet<const QAction*> reached;
        std::function<void(const QList<QAction*>&)> reach = [&](const QList<QAction*>& actions) {
            for (const QAction* action : actions) {
                reached.insert(action);
                if (action->menu())
                    reach(action->menu()->actions());
            }
        };
        reach(window.menuBar()->actions());
        QList<QAction*> commands = window.findChildren<QAction*>();
        for (QAction* action : commands) {
            if (action->objectName().isEmpty() || action->isSeparator() || action->menu())
                continue;
            QVERIFY2(!action->shortcut().isEmpty() || reached.contains(action), qPrintable(action->objectName()));
        }
        QList<QWidget*> named{document->canvasView(), document->canvasView()->findChild<QWidget*>("horizontalRuler"),
                              document->canvasView()->findChild<QWidget*>("verticalRuler"), window.dataPanel(),
                              window.propertyPanel()};
        for (QToolBar* bar : document->findChildren<QToolBar*>()) {
            named.append(bar);
            for (QAction* action : bar->actions()) {
                if (!action->isSeparator())
                    named.append(bar->widgetForAction(action));
            }
        }
        for (QDockWidget* dock : window.findChildren<QDockWidget*>())
            named.append(dock);
        for (QWidget* editor : window.propertyPanel()->findChildren<QWidget*>()) {
            if (editor->objectName().startsWith(QLatin1String("property_")))
                named.append(editor);
        }
        for (const QWidget* widget : qAsConst(named)) {
            QVERIFY(widget);
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }

    // A document as wide as it is beside the docks of a 1400-pixel window shows every command of
    // its tool bars: none is folded behind a bar's extension button.
    void noCommandIsFoldedAwayAtAUsualWidth()
    {
        NCRDDocument document;
        document.resize(1000, 700);
        document.show();
        QVERIFY(QTest::qWaitForWindowExposed(&document));
        for (QToolBar* bar : document.findChildren<QToolBar*>()) {
            for (QAction* action : bar->actions()) {
                if (!action->isSeparator())
                    QVERIFY2(bar->widgetForAction(action)->isVisible(), qPrintable(action->text()));
            }
        }
    }

    // Every report file of the repository, opened and saved without a change, reads as it did.
    void reportFilesSaveAsTheyWereRead()
    {
        QTemporaryDir dir;
        int checked = 0;
        for (const char* folder : {"examples", "fuzz/report/corpus/reportxml"}) {
            QDirIterator it(QStringLiteral(MIROKIT_SOURCE_DIR "/") + QLatin1String(folder), QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString fileName = it.next();
                QFile file(fileName);
                if (!file.open(QIODevice::ReadOnly) || !file.readAll().contains("<report"))
                    continue;
                NCRDDocument document;
                // The corpus holds reports the engine refuses on purpose.
                if (!document.openFile(fileName))
                    continue;
                const QString copy = dir.filePath(QString::number(checked) + QStringLiteral(".xml"));
                QVERIFY(document.saveAs(copy));
                QFile original(fileName), saved(copy);
                QVERIFY(original.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
                QDomDocument before, after;
                NCReportError error;
                QVERIFY(NCRDReportXml::read(original.readAll(), before, error));
                QVERIFY(NCRDReportXml::read(saved.readAll(), after, error));
                QCOMPARE(after.toString(), before.toString());
                ++checked;
            }
        }
        QVERIFY(checked >= 3);
    }
};

MIROKIT_TEST_MAIN(tst_NCRDCanvas)
#include "tst_ncrdcanvas.moc"
