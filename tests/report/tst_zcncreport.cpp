#include "messagelogcapture.h"
#include "mirokittest.h"
#include "reporttest.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>
#include <Mirokit/ZCNCReportEvaluator.h>
#include <Mirokit/ZCNCReportFieldEditControl.h>
#include <Mirokit/ZCNCReportItemModelDataSource.h>

#include <ncreport.h>
#include <ncreportbarcodepainter.h>
#include <ncreportstringlistdatasource.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>

using namespace reporttest;

namespace {

// A table that records what a report announces through setHeaderData() on section -1.
class AnnouncingModel : public QStandardItemModel
{
public:
    QStringList announced;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override
    {
        if (section == -1 && orientation == Qt::Horizontal && role == Qt::EditRole) {
            announced.append(value.toString());
            return true;
        }
        return QStandardItemModel::setHeaderData(section, orientation, value, role);
    }
};

// A report definition holding an item-model source "m" over three clients, at row 1, and a
// string-list source "s", at row 0; the evaluator knows the parameter "campo".
struct Fixture {
    AnnouncingModel model;
    NCReport report;
    ZCNCReportCustomDSProvider provider;
    ZCNCReportEvaluator evaluator;
    NCReportDataSource* items = nullptr;
    NCReportDataSource* strings = nullptr;

    Fixture()
    {
        fillTable(model, {"Código,Nombre,col2", "1,Ana,x", "2,José,y", "3,Eva,z"});
        model.setData(model.index(1, 1), QStringLiteral("cliente 2"), Qt::UserRole);
        report.setCustomDataSourceProvider(&provider);
        report.addItemModel(QStringLiteral("clientes"), &model);
        report.setReportSource(::report(QStringLiteral("<datasource id=\"m\" type=\"4\" itemModel=\"clientes\"/>"
                                                       "<datasource id=\"s\" type=\"3\" header=\"true\" delimiter=\";\">"
                                                       "<string>nombre;n</string><string>a;1</string><string>b;2</string>"
                                                       "<string>c;3</string></datasource>"),
                                       QString())
                                   .replace("dataSource=\"ds\"", "dataSource=\"m\""));
        if (!report.load())
            qFatal("%s", qPrintable(report.error().toString()));
        items = report.reportDef()->dataSource(QStringLiteral("m"));
        strings = report.reportDef()->dataSource(QStringLiteral("s"));
        items->open();
        items->seek(1);
        strings->open();
        strings->first();
        evaluator.setReportDef(report.reportDef());
        evaluator.setParameters({{QStringLiteral("campo"), QStringLiteral("m.Nombre")}});
        model.announced.clear();
    }
};

// The platform's editor in miniature: a line edit that shows what the control hands it and
// reports what the user types.
class LineFormula : public ZCNCReportFieldEditControl
{
public:
    explicit LineFormula(bool wrap)
        : ZCNCReportFieldEditControl(wrap, new QLineEdit)
    {
        connect(lineEdit(), &QLineEdit::textChanged, this, &LineFormula::emitTextEdited);
    }
    QLineEdit* lineEdit() const { return static_cast<QLineEdit*>(editor()); }
    void addEntries(const QStringList& entries)
    {
        for (const QString& entry : entries) {
            const QStringList parts = entry.split(QLatin1Char('|'));
            if (parts.first().isEmpty())
                AddDataSourceVacio(parts.value(1));
            else
                dataSourceCombo()->addItem(parts.first(), parts.value(1));
        }
    }
    int editorCalls = 0;

protected:
    void SetTextEditor(const QString& text) override
    {
        ++editorCalls;
        lineEdit()->setText(text);
    }
};

} // namespace

class TestZCNCReport : public QObject
{
    Q_OBJECT

private slots:
    void providerCreatesTheLibrarysItemModelSource_data();
    void providerCreatesTheLibrarysItemModelSource();
    void columnIndexByNamePrefersHeaders_data();
    void columnIndexByNamePrefersHeaders();
    void getDataSourceValueFollowsEachPath_data();
    void getDataSourceValueFollowsEachPath();
    void constantTouchesNoDataSource();
    void copiedEvaluatorKeepsItsState();
    void composingBuildsTheExpression_data();
    void composingBuildsTheExpression();
    void receivingSplitsTheExpression_data();
    void receivingSplitsTheExpression();
    void composingAndReceivingDoNotLoop();
    void textEditFeedsTheControl();
    void reportOverAnItemModelPrintsOneLinePerRow();
    void theProviderBringsTheLibrarysEvaluator();
    void libraryModelsPrintByTheirTitles_data();
    void libraryModelsPrintByTheirTitles();
    void barcodesArePaintedByTheLibrary();
};

void TestZCNCReport::providerCreatesTheLibrarysItemModelSource_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("className");
    QTest::newRow("SQL is the engine's") << 0 << "NCReportSqlDataSource";
    QTest::newRow("text is the engine's") << 1 << "NCReportTextDataSource";
    QTest::newRow("XML is the engine's") << 2 << "NCReportXMLDataSource";
    QTest::newRow("string list is the engine's") << 3 << "NCReportStringListDataSource";
    QTest::newRow("item model is the library's") << 4 << "ZCNCReportItemModelDataSource";
    QTest::newRow("an unknown type gives nothing") << 5 << "";
    QTest::newRow("a negative type gives nothing") << -1 << "";
}

void TestZCNCReport::providerCreatesTheLibrarysItemModelSource()
{
    QFETCH(int, type);
    QFETCH(QString, className);
    QObject parent;
    ZCNCReportCustomDSProvider provider;
    NCReportDataSource* source = provider.createCustomDataSource(QStringLiteral("id"), type, &parent);
    QCOMPARE(source ? QString::fromLatin1(source->metaObject()->className()) : QString(), className);
    if (source) {
        QCOMPARE(source->parent(), &parent);
        QCOMPARE(source->id(), QStringLiteral("id"));
    }
}

void TestZCNCReport::columnIndexByNamePrefersHeaders_data()
{
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::newRow("a header text") << "a,b,Nombre" << "Nombre" << 2;
    QTest::newRow("col and a number that no header matches") << "a,b,c,d" << "col3" << 3;
    QTest::newRow("a header with the same text wins over the number") << "col3,b,c,d" << "col3" << 0;
    QTest::newRow("a plain number") << "a,b,c" << "2" << 2;
    QTest::newRow("a name that matches nothing is no column") << "a,b,c" << "apellido" << -1;
    QTest::newRow("col and text that is not a number is no column") << "a,b" << "colores" << -1;
    QTest::newRow("a negative number is no column") << "a,b" << "-1" << -1;
    QTest::newRow("col and a negative number is no column") << "a,b" << "col-1" << -1;
    QTest::newRow("headers are compared whole and with case") << "Nombre" << "nombre" << -1;
}

void TestZCNCReport::columnIndexByNamePrefersHeaders()
{
    QFETCH(QString, headers);
    QFETCH(QString, name);
    QFETCH(int, column);
    // Every header role alike: a table of edit-role headers and one of the library's models,
    // whose titles answer only the display role.
    AnnouncingModel table;
    table.setHorizontalHeaderLabels(headers.split(QLatin1Char(',')));
    LibraryTable libraryModel({headers});
    ZCNCReportItemModelDataSource source(QStringLiteral("m"));
    source.setItemModel(&table);
    QCOMPARE(source.columnIndexByName(name), column);
    QCOMPARE(table.announced, QStringList{name});
    source.setItemModel(&libraryModel);
    QCOMPARE(source.columnIndexByName(name), column);
    QCOMPARE(libraryModel.announced, QStringList{name});

    // Without a model only the numeric reading is left.
    source.setItemModel(nullptr);
    QCOMPARE(source.columnIndexByName(QStringLiteral("col4")), 4);
}

void TestZCNCReport::getDataSourceValueFollowsEachPath_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("column");
    QTest::newRow("an empty expression") << "" << false << QVariant() << -1;
    QTest::newRow("an item-model column by header") << "m.Nombre" << true << QVariant("José") << 1;
    QTest::newRow("an item-model column by col and number") << "m.col0" << true << QVariant("2") << 0;
    QTest::newRow("a header named col2 wins") << "m.col2" << true << QVariant("y") << 2;
    QTest::newRow("an unknown item-model column reads nothing") << "m.apellido" << false << QVariant() << -1;
    QTest::newRow("a negative column") << "m.-3" << false << QVariant() << -1;
    QTest::newRow("an item role") << "m.Nombre:user" << true << QVariant("cliente 2") << 1;
    QTest::newRow("a wrapped expression") << "$D{m.Nombre}" << true << QVariant("José") << 1;
    QTest::newRow("a wrapped expression never closed") << "$D{m.Nombre" << false << QVariant() << -1;
    QTest::newRow("a function on an item model") << "m.count()" << true << QVariant(3) << -1;
    QTest::newRow("row number on an item model") << "m.rowNumber()" << true << QVariant(2) << -1;
    QTest::newRow("a parameter that names the column") << "$P{campo}" << true << QVariant("José") << 1;
    QTest::newRow("an unknown parameter") << "$P{nada}" << false << QVariant() << -1;
    QTest::newRow("another source's column") << "s.nombre" << true << QVariant("a") << 0;
    QTest::newRow("another source's row after a comma") << "s.nombre,2" << true << QVariant("c") << 0;
    QTest::newRow("another source's function") << "s.sum(n)" << true << QVariant(6.0) << -1;
    QTest::newRow("another source's unknown column") << "s.apellido" << false << QVariant() << -1;
    QTest::newRow("a row beyond the other source") << "s.nombre,7" << false << QVariant() << -1;
    QTest::newRow("an unknown source and no detail running") << "x.Nombre" << false << QVariant() << -1;
}

void TestZCNCReport::getDataSourceValueFollowsEachPath()
{
    QFETCH(QString, expression);
    QFETCH(bool, ok);
    QFETCH(QVariant, value);
    QFETCH(int, column);
    Fixture fixture;
    QVariant result;
    QCOMPARE(fixture.evaluator.getDataSourceValue(expression, result), ok);
    if (ok)
        QCOMPARE(result, value);
    QCOMPARE(fixture.evaluator.currentColumn(), column);
    // Whatever was read, both cursors stay where the report had them.
    QCOMPARE(fixture.items->currentRow(), 1);
    QCOMPARE(fixture.strings->currentRow(), 0);
}

void TestZCNCReport::constantTouchesNoDataSource()
{
    Fixture fixture;
    QVariant result;
    QVERIFY(fixture.evaluator.getDataSourceValue(QStringLiteral("m.Nombre"), result));
    QVERIFY(fixture.evaluator.getDataSourceValue(QStringLiteral("%CONST"), result));
    QCOMPARE(result, QVariant(QStringLiteral("0")));
    QCOMPARE(fixture.model.announced, QStringList{"Nombre"});
    // The state of the last real read stays.
    QCOMPARE(fixture.evaluator.currentDataSource(), fixture.items);

    // A closed source is not read: the answer is true and the value untouched.
    fixture.items->close();
    result = QStringLiteral("antes");
    QVERIFY(fixture.evaluator.getDataSourceValue(QStringLiteral("m.Nombre"), result));
    QCOMPARE(result, QVariant(QStringLiteral("antes")));
}

void TestZCNCReport::copiedEvaluatorKeepsItsState()
{
    Fixture fixture;
    QVariant result;
    fixture.evaluator.getDataSourceValue(QStringLiteral("m.Nombre:user"), result);
    const NCReportEvaluator& base = fixture.evaluator;
    ZCNCReportEvaluator copy(base);
    QCOMPARE(copy.currentDataSource(), fixture.items);
    QCOMPARE(copy.currentColumn(), 1);
    QCOMPARE(copy.itemRole(), int(Qt::UserRole));
    QCOMPARE(copy.reportDef(), fixture.report.reportDef());
    QVERIFY(copy.getDataSourceValue(QStringLiteral("$P{campo}"), result));
}

void TestZCNCReport::composingBuildsTheExpression_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("emitted");
    QTest::newRow("no entries pass the typed text unchanged")
        << true << QStringList() << -1 << "" << "importe * 2" << QStringList{"importe * 2"};
    QTest::newRow("one data source: no prefix, wrapped")
        << true << QStringList{"ventas|m"} << 0 << "" << "importe" << QStringList{"$D{importe}"};
    QTest::newRow("two data sources: the chosen one in front")
        << true << QStringList{"ventas|m", "clientes|c"} << 1 << "" << "nombre" << QStringList{"$D{clientes.nombre}"};
    QTest::newRow("the stored expression keeps its surroundings")
        << true << QStringList{"ventas|m", "clientes|c"} << 0 << "Total: $D{ventas.a} EUR" << "importe"
        << QStringList{"Total: $D{ventas.importe} EUR"};
    QTest::newRow("only the first reference is replaced")
        << true << QStringList{"ventas|m", "clientes|c"} << 0 << "$D{a}+$D{b}" << "x" << QStringList{"$D{ventas.x}+$D{b}"};
    QTest::newRow("without wrapping the expression is bare")
        << false << QStringList{"ventas|m", "clientes|c"} << 0 << "" << "importe" << QStringList{"ventas.importe"};
    QTest::newRow("an empty text is not wrapped")
        << true << QStringList{"ventas|m", "clientes|c"} << 0 << "$D{ventas.a}" << "" << QStringList{""};
    QTest::newRow("the no-data-source entry sends its value")
        << true << QStringList{"|%CONST", "ventas|m"} << 0 << "" << "importe" << QStringList{"%CONST"};
    QTest::newRow("a stored reference never closed is an error")
        << true << QStringList{"ventas|m", "clientes|c"} << 0 << "Total: $D{ventas.a" << "importe" << QStringList();
}

void TestZCNCReport::composingBuildsTheExpression()
{
    QFETCH(bool, wrap);
    QFETCH(QStringList, entries);
    QFETCH(int, current);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QStringList, emitted);
    LineFormula control(wrap);
    control.addEntries(entries);
    control.SetText(stored);
    control.dataSourceCombo()->setCurrentIndex(current);
    QSignalSpy spy(&control, &ZCNCReportFieldEditControl::textEdited);
    control.lineEdit()->setText(typed);
    if (typed.isEmpty() && !control.lineEdit()->text().isEmpty())
        control.lineEdit()->clear();
    QStringList texts;
    for (const QList<QVariant>& arguments : qAsConst(spy))
        texts.append(arguments.at(0).toString());
    QCOMPARE(texts.value(texts.size() - 1), emitted.value(0));
    QCOMPARE(texts.size() > 0, !emitted.isEmpty());
}

void TestZCNCReport::receivingSplitsTheExpression_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("current");
    QTest::newRow("the reference's data source is chosen and taken off")
        << true << QStringList{"ventas|m", "clientes|c"} << "Total: $D{clientes.nombre} EUR" << "nombre" << 1;
    QTest::newRow("no entry matches: the first is chosen")
        << true << QStringList{"ventas|m", "clientes|c"} << "$D{otros.a}" << "otros.a" << 0;
    QTest::newRow("a prefix must end at the dot")
        << true << QStringList{"ventas|m", "ventasmes|c"} << "$D{ventasmes.a}" << "a" << 1;
    QTest::newRow("without wrapping the whole text is split")
        << false << QStringList{"ventas|m", "clientes|c"} << "clientes.nombre" << "nombre" << 1;
    QTest::newRow("a reference never closed is shown whole")
        << true << QStringList{"ventas|m"} << "$D{ventas.a" << "$D{ventas.a" << 0;
    QTest::newRow("the no-data-source value chooses its entry")
        << true << QStringList{"|%CONST", "ventas|m"} << "%CONST" << "" << 0;
    QTest::newRow("no entries at all") << true << QStringList() << "$D{a.b}" << "a.b" << -1;
}

void TestZCNCReport::receivingSplitsTheExpression()
{
    QFETCH(bool, wrap);
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, current);
    LineFormula control(wrap);
    control.addEntries(entries);
    control.dataSourceCombo()->setCurrentIndex(entries.size() - 1);
    QSignalSpy spy(&control, &ZCNCReportFieldEditControl::textEdited);
    control.SetText(text);
    QCOMPARE(control.lineEdit()->text(), shown);
    QCOMPARE(control.dataSourceCombo()->currentIndex(), current);
    QCOMPARE(control.fullText(), text);
    // Showing the text is not an edit.
    QCOMPARE(spy.count(), 0);
}

void TestZCNCReport::composingAndReceivingDoNotLoop()
{
    // The dialog's own field and the control feed each other, as the property dialogs wire them.
    QLineEdit field;
    LineFormula control(true);
    control.addEntries({"ventas|m", "clientes|c"});
    connect(&control, &ZCNCReportFieldEditControl::textEdited, &field, &QLineEdit::setText);
    connect(&field, &QLineEdit::textChanged, &control, &ZCNCReportFieldEditControl::SetText);
    QSignalSpy edits(&control, &ZCNCReportFieldEditControl::textEdited);

    field.setText(QStringLiteral("Suma $D{clientes.total}"));
    QCOMPARE(control.lineEdit()->text(), QStringLiteral("total"));
    QCOMPARE(edits.count(), 0);
    QCOMPARE(control.editorCalls, 1);

    control.lineEdit()->setText(QStringLiteral("neto"));
    QCOMPARE(field.text(), QStringLiteral("Suma $D{clientes.neto}"));
    QCOMPARE(edits.count(), 1);
    // The field's change did not come back into the editor.
    QCOMPARE(control.editorCalls, 1);
    QCOMPARE(control.fullText(), QStringLiteral("Suma $D{clientes.total}"));
}

void TestZCNCReport::textEditFeedsTheControl()
{
    QTextEdit textEdit;
    LineFormula control(false);
    // A protected slot: the property dialogs connect it by name; it reads the sending text edit.
    QObject::connect(&textEdit, SIGNAL(textChanged()), &control, SLOT(onSetTextFromTextEdit()));
    textEdit.setPlainText(QStringLiteral("a.b"));
    QCOMPARE(control.fullText(), QStringLiteral("a.b"));
    QCOMPARE(control.lineEdit()->text(), QStringLiteral("a.b"));
}

void TestZCNCReport::reportOverAnItemModelPrintsOneLinePerRow()
{
    REQUIRE_PDFTOTEXT();
    QStandardItemModel model;
    fillTable(model, {"Código,Nombre,Importe", "1,Ana,10", "2,José,20", "3,Íñigo,30"});
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    report.setCustomDataSourceProvider(&provider);
    report.setEvaluator(std::make_unique<ZCNCReportEvaluator>());
    report.addItemModel(QStringLiteral("clientes"), &model);
    report.setReportSource(
        ::report(QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\"/>"),
                 QStringLiteral("<field x=\"0\" y=\"0\" width=\"15\" height=\"6\">$D{col0}</field>"
                                "<field x=\"20\" y=\"0\" width=\"30\" height=\"6\">$D{ds.Nombre}</field>"
                                "<field x=\"60\" y=\"0\" width=\"40\" height=\"6\" source=\"datasource\">Importe</field>"
                                "<field x=\"110\" y=\"0\" width=\"30\" height=\"6\">$V{total}</field>"),
                 QStringLiteral("<variables><variable id=\"total\" expression=\"$D{Importe}\"/></variables>")));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QVERIFY(qobject_cast<ZCNCReportItemModelDataSource*>(report.reportDef()->dataSource(QStringLiteral("ds"))));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("clientes.pdf"));
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QCOMPARE(textLines(pdfText(pdf)), (QStringList{"1 Ana 10 10", "2 José 20 30", "3 Íñigo 30 60"}));
}

void TestZCNCReport::theProviderBringsTheLibrarysEvaluator()
{
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    report.setCustomDataSourceProvider(&provider);
    QVERIFY(dynamic_cast<ZCNCReportEvaluator*>(report.evaluator()));
    // The host's own evaluator stays whatever provider comes; taking it away gives the provider's.
    report.setEvaluator(std::make_unique<NCReportEvaluator>());
    report.setCustomDataSourceProvider(&provider);
    QVERIFY(!dynamic_cast<ZCNCReportEvaluator*>(report.evaluator()));
    report.setEvaluator(nullptr);
    QVERIFY(dynamic_cast<ZCNCReportEvaluator*>(report.evaluator()));
    report.setCustomDataSourceProvider(nullptr);
    QVERIFY(!dynamic_cast<ZCNCReportEvaluator*>(report.evaluator()));
}

void TestZCNCReport::libraryModelsPrintByTheirTitles_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("a title") << "$D{Nombre}" << QStringList{"1 Ana", "2 José"} << QStringList();
    QTest::newRow("a title after the data source") << "$D{ds.Importe}" << QStringList{"1 10", "2 20"} << QStringList();
    QTest::newRow("col and a number") << "$D{col1}" << QStringList{"1 Ana", "2 José"} << QStringList();
    QTest::newRow("the constant marker is the library's") << "$D{%CONST}" << QStringList{"1 0", "2 0"} << QStringList();
    QTest::newRow("an unknown name prints nothing and warns once")
        << "[$D{apellido}]" << QStringList{"1", "2"} << QStringList{"The data source ds has no column apellido"};
}

// A report run with nothing but the library's provider, over a model of the library's kind.
void TestZCNCReport::libraryModelsPrintByTheirTitles()
{
    REQUIRE_PDFTOTEXT();
    QFETCH(QString, field);
    QFETCH(QStringList, printed);
    LibraryTable model({"Código,Nombre,Importe", "1,Ana,10", "2,José,20"});
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    report.setCustomDataSourceProvider(&provider);
    report.addItemModel(QStringLiteral("clientes"), &model);
    report.setReportSource(::report(QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\"/>"),
                                    QStringLiteral("<field x=\"0\" y=\"0\" width=\"10\" height=\"6\">$D{Código}</field>"
                                                   "<field x=\"20\" y=\"0\" width=\"60\" height=\"6\">%1</field>")
                                        .arg(field.toHtmlEscaped())));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("clientes.pdf"));
    MessageLogCapture log;
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QCOMPARE(textLines(pdfText(pdf)), printed);
    QTEST(log.texts(QtWarningMsg).filter(QStringLiteral("no column")), "warnings");
}

void TestZCNCReport::barcodesArePaintedByTheLibrary()
{
    QVERIFY(NCReportBarcodePainter::installed());
    NCReport report;
    report.setReportSource(::report(
        QStringLiteral("<datasource id=\"ds\" type=\"3\"><string>4512345678906</string><string>no es EAN</string>"
                       "</datasource>"),
        QStringLiteral("<barcode x=\"0\" y=\"0\" width=\"60\" height=\"20\" barcodeType=\"0\">$D{col0}</barcode>"),
        QString()).replace("height=\"6\"", "height=\"30\""));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QVector<QImage> pages;
    QVERIFY(report.runReportToImages(pages, 150));
    // Rows of ink across the symbol: EAN-13 bars for good data, a dashed frame otherwise.
    const auto changesAlongRow = [&](int yMillimetres) {
        const QImage& page = pages.at(0);
        const int y = qRound((10 + yMillimetres) / 25.4 * 150);
        int changes = 0;
        for (int x = 1; x < page.width(); ++x)
            changes += (page.pixel(x, y) == page.pixel(x - 1, y)) ? 0 : 1;
        return changes;
    };
    QVERIFY2(changesAlongRow(10) >= 59, qPrintable(QString::number(changesAlongRow(10))));
    QVERIFY2(changesAlongRow(32) <= 8, qPrintable(QString::number(changesAlongRow(32))));
}

MIROKIT_TEST_MAIN(TestZCNCReport)
#include "tst_zcncreport.moc"
