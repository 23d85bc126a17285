#include "mirokittest.h"
#include "reportdesignertest.h"
#include "reporttest.h"

#include <Mirokit/ZCNCReportDatasourceControl.h>
#include <Mirokit/ZCNCReportDesigner.h>
#include <Mirokit/ZCNCReportFieldEditControl.h>
#include <Mirokit/ZCNCReportFieldPropDlgModificador.h>
#include <ncrddocument.h>
#include <ncrddatasourcedialog.h>
#include <ncrdfieldpropdialog.h>
#include <ncrdgraphpropdialog.h>
#include <ncrdvariabledialog.h>
#include <ncreportitemmodeldatasource.h>
#include <ncrdmainwindow.h>
#include <ncreportdef.h>

#include <QComboBox>
#include <QDataWidgetMapper>
#include <QDomDocument>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTableView>
#include <QTextEdit>
#include <QTreeWidget>

using namespace reporttest;

namespace {

// A formula editor that notes its setting and, asked to, answers every text it is shown with a
// text of its own, as an editor that reformats would.
class Control : public ZCNCReportFieldEditControl
{
    Q_OBJECT

public:
    using ZCNCReportFieldEditControl::ZCNCReportFieldEditControl;
    int setting = -1;
    bool echo = false;

protected:
    void SetBoolSetting(bool on) override { setting = on; }
    void SetTextEditor(const QString& text) override
    {
        if (echo)
            Q_EMIT textEdited(QStringLiteral("eco ") + text);
    }
};

// Notes what it is given to show.
class DataSourceControl : public ZCNCReportDatasourceControl
{
    Q_OBJECT

public:
    using ZCNCReportDatasourceControl::ZCNCReportDatasourceControl;
    QStringList shown;

public slots:
    void SetContenido(QString tabla, QString relacionItemModel, QString relacion) override
    {
        shown = QStringList{tabla, relacionItemModel, relacion};
    }
};

// Notes the chart dialogs it is handed.
class Designer : public StubDesigner<Control, DataSourceControl>
{
public:
    void OnGraphPropDialog(NCRDGraphPropDialog* dialog) override { graphDialogs.append(dialog); }
    QList<QPointer<NCRDGraphPropDialog>> graphDialogs;
};

// Whether `control` sits in the same row or column as `field`: in `layout` itself or in a row
// layout that is one of its items.
bool isNextTo(QLayout* layout, QWidget* field, QWidget* control)
{
    if (!layout)
        return false;
    if (layout->indexOf(field) >= 0 && layout->indexOf(control) >= 0)
        return true;
    for (int i = 0; i < layout->count(); ++i) {
        QLayout* row = layout->itemAt(i)->layout();
        if (row && row->indexOf(field) >= 0 && row->indexOf(control) >= 0)
            return true;
    }
    return false;
}

// Every kind of item and section the designer has a property dialog for.
const QByteArray everyKindReport = report(
    QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\"/>"),
    QStringLiteral("<group id=\"g\" expression=\"$D{ciudad}\"><header height=\"6\"/></group>"
                   "<field x=\"0\" y=\"0\" width=\"50\" height=\"6\" source=\"datasource\">nombre</field>"
                   "<label x=\"0\" y=\"0\" width=\"50\" height=\"6\" source=\"datasource\">ciudad</label>"
                   "<image x=\"0\" y=\"0\" width=\"9\" height=\"9\" file=\"logo.png\"/>"
                   "<barcode x=\"0\" y=\"0\" width=\"30\" height=\"9\">C$D{codigo}</barcode>"
                   "<rectangle x=\"0\" y=\"0\" width=\"30\" height=\"9\"/>"));

QString written(const QDomElement& element, const QString& attribute)
{
    return attribute.isEmpty() ? element.text() : element.attribute(attribute);
}

const QByteArray dataSourcesReport = report(
    QStringLiteral("<datasource id=\"padre\" type=\"4\" itemModel=\"tabla_padre\"/>"
                   "<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\" parent=\"$D{padre.dwDir}\"/>"
                   "<datasource id=\"notas\" type=\"3\"><string>a</string></datasource>"),
    QString());

const QByteArray fieldReport = report(QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\"/>"),
                                      QStringLiteral("<field x=\"0\" y=\"0\" width=\"50\" height=\"6\" "
                                                     "source=\"datasource\">nombre</field>"));

// A designer with a window showing the report `xml`, saved in `dir`, and adapting it.
std::unique_ptr<NCRDMainWindow> designerWindow(Designer& designer, const QTemporaryDir& dir, const QByteArray& xml)
{
    const QString fileName = dir.filePath(QStringLiteral("informe.xml"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        return nullptr;
    file.close();
    designer.SetArgumento(fileName);
    std::unique_ptr<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
    QCoreApplication::sendPostedEvents(&designer, QEvent::MetaCall);
    return window;
}

// A field element of its own document.
QDomElement fieldElement(QDomDocument& xml, const QString& source)
{
    xml.setContent(QStringLiteral("<field source=\"%1\">nombre</field>").arg(source));
    return xml.documentElement();
}

} // namespace

class tst_ZCNCReportModificadores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldDialogsAreAdaptedAsTheyOpen()
    {
        QTemporaryDir dir;
        Designer designer;
        const auto window = designerWindow(designer, dir, fieldReport);
        QVERIFY(window);
        NCRDDocument* document = window->activeDocument();
        auto* tree = document->findChild<QTreeWidget*>();
        QTreeWidgetItemIterator row(tree, QTreeWidgetItemIterator::Editable);

        bool adapted = false;
        onModal<NCRDFieldPropDialog>([&](NCRDFieldPropDialog* dialog) {
            QCoreApplication::sendPostedEvents(&designer, QEvent::MetaCall);
            auto* layout = dialog->findChild<QVBoxLayout*>(QStringLiteral("verticalLayout"));
            auto* editor = qobject_cast<Control*>(layout->itemAt(0)->widget());
            auto* grid = dialog->findChild<QGridLayout*>(QStringLiteral("gridLayout_3"));
            auto* printWhenRow = grid->itemAtPosition(1, 0)->layout();
            adapted = editor && printWhenRow && qobject_cast<Control*>(printWhenRow->itemAt(1)->widget())
                && editor->isVisibleTo(dialog) && editor->setting == 0;
            // The formula editor's text goes into the dialog's editor and, accepted, the report.
            Q_EMIT editor->textEdited(QStringLiteral("apellido"));
            dialog->accept();
        });
        Q_EMIT tree->itemActivated(*row, 0);
        QVERIFY(adapted);
        QCOMPARE(tree->currentItem()->text(1), QStringLiteral("apellido"));
        QVERIFY(document->isModified());
    }

    void openedDialogsAreAdaptedByClass_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<bool>("constant");
        QTest::addColumn<bool>("accepted");
        // The form row (column 1) of the grid that holds both; -1 for layouts that are not grids.
        QTest::addColumn<int>("formRow");
        QTest::newRow("a field's editor goes on top of its text") << "field" << "editor" << "verticalLayout" << ""
                                                                  << false << true << -1;
        QTest::newRow("a barcode's data gets one beside it in row 2") << "barcode" << "wColumn" << "layGrid" << ""
                                                                      << false << true << 2;
        QTest::newRow("a label's text gets one beside it") << "label" << "resource" << "gridLayout" << "" << false
                                                           << true << 1;
        QTest::newRow("an image's file gets one beside it") << "image" << "resource" << "gridLayout" << "file" << false
                                                            << true << 1;
        QTest::newRow("a detail's page break gets one beside it")
            << "detail" << "pageBreakCond" << "layPbreak" << "pageBreak" << false << true << -1;
        QTest::newRow("a group's expression gets one offering %CONST")
            << "group" << "wGroupExp" << "layGroupProp" << "expression" << true << true << 1;
        QTest::newRow("a group's page break gets one too") << "group" << "pageBreakCond" << "layPbreak" << "pageBreak"
                                                           << false << true << -1;
        QTest::newRow("a cancelled dialog changes nothing") << "group" << "wGroupExp" << "layGroupProp"
                                                            << "expression" << true << false << 1;
        QTest::newRow("a graphic item's dialog goes to the platform") << "rectangle" << "" << "" << "" << false << true << -1;
    }

    void openedDialogsAreAdaptedByClass()
    {
        QFETCH(QString, tag);
        QFETCH(QString, field);
        QFETCH(QString, attribute);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        Designer designer;
        const auto window = designerWindow(designer, dir, everyKindReport);
        QVERIFY(window);
        designer.ActualizaModelosDataSources();
        NCRDDocument* document = window->activeDocument();
        QVERIFY(document->setCurrentElement(document->xml().elementsByTagName(tag).at(0).toElement()));
        const QString before = written(document->currentElement(), attribute);

        QString layoutName;
        bool placed = false;
        bool constant = false;
        QPointer<QDialog> opened;
        onModal<NCRDPropertyDialog>([&](NCRDPropertyDialog* dialog) {
            QCoreApplication::sendPostedEvents(&designer, QEvent::MetaCall);
            opened = dialog;
            QFETCH(QString, layout);
            auto* lineOrText = dialog->findChild<QWidget*>(field);
            QFETCH(int, formRow);
            auto* grid = dialog->findChild<QGridLayout*>(layout);
            for (Control* control : dialog->findChildren<Control*>()) {
                if (!isNextTo(dialog->findChild<QLayout*>(layout), lineOrText, control))
                    continue;
                placed = formRow < 0 || (grid && isNextTo(grid->itemAtPosition(formRow, 1)->layout(), lineOrText, control));
                constant = control->dataSourceCombo()->itemData(0).toString() == QLatin1String("%CONST");
                Q_EMIT control->textEdited(QStringLiteral("$D{ds.otra} > 1"));
            }
            if (accepted)
                dialog->accept();
            else
                dialog->reject();
        });
        QCOMPARE(document->editProperties(), accepted);
        QVERIFY(!opened);
        if (field.isEmpty()) {
            QCOMPARE(designer.graphDialogs.size(), 1);
            return;
        }
        QVERIFY(placed);
        QTEST(constant, "constant");
        QVERIFY(designer.graphDialogs.isEmpty());
        const QDomElement element = document->xml().elementsByTagName(tag).at(0).toElement();
        QCOMPARE(written(element, attribute), accepted ? QStringLiteral("$D{ds.otra} > 1") : before);
        QCOMPARE(document->isModified(), accepted);
    }

    void sourceTypesShowTheFormulaEditor_data()
    {
        QTest::addColumn<bool>("withDataSources");
        QTest::addColumn<int>("sourceType");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("setting");
        QTest::newRow("type 1 shows it with the setting off") << true << 1 << true << 0;
        QTest::newRow("type 10 shows it with the setting on") << true << 10 << true << 1;
        QTest::newRow("other types hide it") << true << 3 << false << -1;
        QTest::newRow("type 1 without data sources hides it") << false << 1 << false << -1;
        QTest::newRow("type 10 without data sources hides it") << false << 10 << false << -1;
    }

    void sourceTypesShowTheFormulaEditor()
    {
        QFETCH(bool, withDataSources);
        QFETCH(int, sourceType);
        Designer designer;
        QDomDocument xml;
        NCRDFieldPropDialog dialog(fieldElement(xml, QStringLiteral("static")));
        ZCNCReportFieldPropDlgModificador modifier(&designer, &dialog, nullptr);
        auto* control = static_cast<Control*>(modifier.CambiaTextEditPorFormula(QStringLiteral("editor"), false,
                                                                                withDataSources ? "%CONST" : ""));
        QVERIFY(control);
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboSourceType"));
        combo->addItems({"5", "6", "7", "8", "9", "10"});
        modifier.SetComboSourceType(QStringLiteral("comboSourceType"), control, nullptr);
        QVERIFY(!control->isVisibleTo(&dialog));
        combo->setCurrentIndex(sourceType);
        QTEST(control->isVisibleTo(&dialog), "shown");
        QTEST(control->setting, "setting");
        QCOMPARE(modifier.GetSourceTypeComboValue(QStringLiteral("comboSourceType")), sourceType);
        QCOMPARE(modifier.GetSourceTypeComboValue(QStringLiteral("noExiste")), -1);
    }

    void printWhenGetsAFormulaEditorOnlyWithItsPanel()
    {
        Designer designer;
        QDomDocument xml;
        NCRDFieldPropDialog withPanel(fieldElement(xml, QStringLiteral("template")));
        ZCNCReportFieldPropDlgModificador adapted(&designer, &withPanel, nullptr);
        auto* printWhen = withPanel.findChild<QLineEdit*>(QStringLiteral("printWhen"));
        auto* control = withPanel.findChild<Control*>();
        QVERIFY(control);
        // Both ways, without feeding each other in a loop.
        Q_EMIT control->textEdited(QStringLiteral("$D{importe} > 0"));
        QCOMPARE(printWhen->text(), QStringLiteral("$D{importe} > 0"));
        printWhen->setText(QStringLiteral("$D{total}"));
        QCOMPARE(control->fullText(), QStringLiteral("$D{total}"));
        QCOMPARE(printWhen->text(), QStringLiteral("$D{total}"));

        QDialog plain;
        new QLineEdit(&plain);
        ZCNCReportFieldPropDlgModificador none(&designer, &plain, nullptr);
        QVERIFY(!plain.findChild<Control*>());
    }

    void theMapperModelFollowsTheFormulaEditor_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("column1");
        QTest::newRow("a mapped field writes its cell, unset before") << "wColumn" << "cambiado";
        QTest::newRow("a field the mapper does not map writes nothing") << "sinMapear" << "";
    }

    void theMapperModelFollowsTheFormulaEditor()
    {
        QFETCH(QString, field);
        Designer designer;
        QStandardItemModel model(2, 2);
        model.setData(model.index(0, 0), QStringLiteral("fila 0"));
        model.setData(model.index(1, 0), QStringLiteral("fila 1"));
        QDialog dialog;
        auto* mapped = new QLineEdit(&dialog);
        mapped->setObjectName(QStringLiteral("wColumn"));
        new QLineEdit(&dialog);
        dialog.findChildren<QLineEdit*>().at(1)->setObjectName(QStringLiteral("sinMapear"));
        QDataWidgetMapper mapper;
        mapper.setModel(&model);
        mapper.addMapping(mapped, 1);
        mapper.toFirst();
        ZCNCReportFieldPropDlgModificador modifier(&designer, &dialog, &mapper);
        auto* control = static_cast<Control*>(modifier.CambiaLineEditPorFormula(field, false, QString()));
        QVERIFY(control);
        control->echo = true;
        // Moving the mapper gives the editor the row's text; its answer is not written back.
        mapper.toNext();
        QCOMPARE(model.data(model.index(1, 1)), QVariant());
        Q_EMIT control->textEdited(QStringLiteral("cambiado"));
        QTEST(model.data(model.index(1, 1)).toString(), "column1");
        QCOMPARE(model.data(model.index(0, 1)), QVariant());
    }

    void theDataSourceDialogTakesThePlatformsControl_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("reference");
        QTest::newRow("a parent is written as its reference") << "notas" << "$D{notas.dwDir}";
        QTest::newRow("no parent writes an empty reference") << "" << "";
    }

    void theDataSourceDialogTakesThePlatformsControl()
    {
        QFETCH(QString, parent);
        QFETCH(QString, reference);
        QTemporaryDir dir;
        Designer designer;
        const auto window = designerWindow(designer, dir, dataSourcesReport);
        QVERIFY(window);

        QStringList shown;
        QString current;
        QList<QPair<QString, QString>> editing;
        bool hidden = false;
        onModal<NCRDDataSourceDialog>([&](NCRDDataSourceDialog* dialog) {
            QCoreApplication::sendPostedEvents(&designer, QEvent::MetaCall);
            auto* grid = dialog->findChild<QGridLayout*>(QStringLiteral("gridLayout_5"));
            auto* control = qobject_cast<DataSourceControl*>(grid->itemAtPosition(0, 1)->widget());
            hidden = dialog->findChild<QLineEdit*>(QStringLiteral("modelID"))->isHidden()
                && dialog->findChild<QPlainTextEdit*>(QStringLiteral("wItemModelSpec"))->isHidden();
            dialog->mapper()->setCurrentIndex(1);
            shown = control->shown;
            designer.GetCurrentDataSourceEnEdicion(current);
            designer.GetDataSourcesItemsModelsEnEdicion(editing);
            Q_EMIT control->contenidoChanged(QStringLiteral("nuevo"), parent);
            dialog->accept();
        });
        QVERIFY(window->activeDocument()->editDataSources());
        QVERIFY(hidden);
        QCOMPARE(shown, (QStringList{"clientes", "tabla_padre", "padre"}));
        QCOMPARE(current, QStringLiteral("ds"));
        QCOMPARE(editing, (QList<QPair<QString, QString>>{{"padre", "tabla_padre"}, {"ds", "clientes"}}));

        auto* source = qobject_cast<NCReportItemModelDataSource*>(
            window->activeDocument()->reportDef()->dataSource(QStringLiteral("ds")));
        QCOMPARE(source->itemModelId(), QStringLiteral("nuevo"));
        QCOMPARE(source->parentReference(), reference);
        // With the dialog gone, the queries about it give nothing.
        QVERIFY(!ZCNCReportDesigner::GetDataSourceDialog());
        designer.GetDataSourcesItemsModelsEnEdicion(editing);
        QVERIFY(editing.isEmpty());
        QVERIFY(designer.GetCurrentItemModelIdRelacionEnEdicion().isEmpty());
    }

    void theVariableTableEditsExpressionsWithAFormulaEditor()
    {
        QTemporaryDir dir;
        Designer designer;
        const auto window = designerWindow(designer, dir, report(
            QStringLiteral("<datasource id=\"ds\" type=\"3\"><string>1</string></datasource>"), QString(),
            QStringLiteral("<variables><variable id=\"total\" expression=\"$D{ds.col0}\" function=\"max\"/>"
                           "</variables>")));
        QVERIFY(window);
        QString shownExpression;
        QString function;
        onModal<NCRDVariableDialog>([&](NCRDVariableDialog* dialog) {
            QCoreApplication::sendPostedEvents(&designer, QEvent::MetaCall);
            QTableView* view = dialog->tableView();
            QAbstractItemDelegate* delegate = view->itemDelegate();
            const QModelIndex expression = dialog->model()->index(0, NCRDVariableDialog::ExpressionColumn);
            std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), expression));
            auto* control = qobject_cast<Control*>(editor.get());
            if (!control)
                return dialog->reject();
            delegate->setEditorData(control, expression);
            shownExpression = control->fullText();
            Q_EMIT control->textEdited(QStringLiteral("$D{ds.col1}"));
            delegate->setModelData(control, dialog->model(), expression);
            // Other columns keep the engine's editors.
            const QModelIndex functionIndex = dialog->model()->index(0, NCRDVariableDialog::FunctionColumn);
            std::unique_ptr<QWidget> combo(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), functionIndex));
            delegate->setEditorData(combo.get(), functionIndex);
            if (auto* box = qobject_cast<QComboBox*>(combo.get()))
                function = box->currentText();
            dialog->accept();
        });
        QVERIFY(window->activeDocument()->editVariables());
        QCOMPARE(shownExpression, QStringLiteral("$D{ds.col0}"));
        QCOMPARE(function, QStringLiteral("max"));
        const NCReportVariable variable = window->activeDocument()->reportDef()->variables().value(0);
        QCOMPARE(variable.expression, QStringLiteral("$D{ds.col1}"));
        QCOMPARE(variable.function, NCReportVariable::Maximum);
    }

    void aModifierOutlivingItsDesignerWritesNothing()
    {
        auto designer = std::make_unique<Designer>();
        QDomDocument xml;
        NCRDFieldPropDialog dialog(fieldElement(xml, QStringLiteral("static")));
        ZCNCReportFieldPropDlgModificador modifier(designer.get(), &dialog, nullptr);
        designer.reset();
        QVERIFY(!modifier.CambiaTextEditPorFormula(QStringLiteral("editor"), false, QString()));
    }
};

MIROKIT_TEST_MAIN(tst_ZCNCReportModificadores)
#include "tst_zcncreportmodificadores.moc"
