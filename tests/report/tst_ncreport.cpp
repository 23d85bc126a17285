#include "messagelogcapture.h"
#include "mirokittest.h"
#include "reporttest.h"

#include <ncrdreportxml.h>
#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportevaluator.h>
#include <ncreportitemmodeldatasource.h>
#include <ncreportsqldatasource.h>
#include <ncreportstringlistdatasource.h>
#include <ncreporttextdatasource.h>
#include <ncreportxmldatasource.h>
#include <ncreportxmldefreader.h>

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace reporttest;

namespace {

const QString stringList = QStringLiteral(
    "<datasource id=\"ds\" type=\"3\" delimiter=\";\" header=\"true\"><string>ciudad;nombre;importe</string>"
    "<string>Madrid;Ana;10</string><string>Madrid;Luis;20</string><string>Soria;\"Eva; la de Soria\";5</string>"
    "</datasource>");

// A string-list source opened by hand, for the evaluator.
struct OpenSource {
    NCReportDef def;
    NCReportEvaluator evaluator;
    NCReportStringListDataSource* source = new NCReportStringListDataSource(QStringLiteral("ds"));
    OpenSource()
    {
        source->setDelimiter(QLatin1Char(';'));
        source->setHeader(true);
        source->setStrings({QStringLiteral("ciudad;nombre;importe"), QStringLiteral("Madrid;Ana;10"),
                            QStringLiteral("Madrid;Luis;20"), QStringLiteral("Soria;Eva;5")});
        def.addDataSource(source);
        source->open();
        source->seek(1);
        evaluator.setReportDef(&def);
        evaluator.setParameters({{QStringLiteral("moneda"), QStringLiteral("EUR")}});
    }
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return file.fileName();
}

// An SQLite file with a table p of two people; its name.
QString createPeople(const QTemporaryDir& dir)
{
    const QString file = dir.filePath(QStringLiteral("p.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(file);
        QSqlQuery fill(db.open() ? db : QSqlDatabase());
        fill.exec(QStringLiteral("CREATE TABLE p (nombre TEXT, edad INTEGER)"));
        fill.exec(QStringLiteral("INSERT INTO p VALUES ('Ana', 30), ('Luis', 41)"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return file;
}

// The text of each page of a PDF file on one line.
QStringList pagesOf(const QString& pdf)
{
    QStringList pages;
    for (const QString& page : pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts))
        pages.append(textLines(page).join(QLatin1Char(' ')));
    pages.removeAll(QString());
    return pages;
}

} // namespace

class TestNCReport : public QObject
{
    Q_OBJECT

private slots:
    void loadingStopsAtTheFirstFault_data();
    void loadingStopsAtTheFirstFault();
    void definitionReadsEveryPart();
    void dataSourcesReadTheirRows_data();
    void dataSourcesReadTheirRows();
    void sqlParametersAreBoundNeverPasted_data();
    void sqlParametersAreBoundNeverPasted();
    void evaluatorResolvesReferences_data();
    void evaluatorResolvesReferences();
    void rowAfterACommaLeavesTheCursorWhereItWas();
    void itemModelReportPrintsOneLinePerRow();
    void groupsPrintHeadersFootersAndTotals();
    void longReportsBreakPagesUnderTheHeader();
    void imagesShowThePages();
    void runFailuresAreReported_data();
    void runFailuresAreReported();
    void conditionsDecideWhatPrints_data();
    void conditionsDecideWhatPrints();
    void pageBreakConditionsStartPages_data();
    void pageBreakConditionsStartPages();
    void numbersPrintWithoutBinaryNoise_data();
    void numbersPrintWithoutBinaryNoise();
    void fieldsPrintInTheirFormat_data();
    void fieldsPrintInTheirFormat();
    void reportHeaderAndFooterPrintOnce_data();
    void reportHeaderAndFooterPrintOnce();
    void sortOrdersTheRowsBeforeTheyGroup_data();
    void sortOrdersTheRowsBeforeTheyGroup();
};

void TestNCReport::loadingStopsAtTheFirstFault_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("no report at all") << QByteArray() << 0 << "No report file or report text is given";
    QTest::newRow("a document of blanks") << QByteArray(" \n") << 1 << "Premature end of document.";
    QTest::newRow("another root element") << QByteArray("<informe/>") << 1 << "The document is not a report: <informe>";
    QTest::newRow("a document that is not well formed") << QByteArray("<report>\n<pageHeader height=\"1\">\n</report>") << 3
        << "Opening and ending tag mismatch.";
    QTest::newRow("an unknown element")
        << report(stringList, QStringLiteral("<label x=\"0\" y=\"0\" width=\"1\" height=\"1\"/>"),
                  QStringLiteral("<pie/>")) << 3 << "Unknown element <pie>";
    QTest::newRow("a data source without id")
        << QByteArray("<report><datasources>\n<datasource type=\"3\"/></datasources></report>") << 2
        << "The attribute id is missing";
    QTest::newRow("an unknown data source type")
        << QByteArray("<report><datasources>\n<datasource id=\"a\" type=\"9\"/></datasources></report>") << 2
        << "Unknown data source type 9";
    QTest::newRow("a data source type that is not a number")
        << QByteArray("<report><datasources><datasource id=\"a\" type=\"1.5\"/></datasources></report>") << 1
        << "The attribute type is not a whole number: 1.5";
    QTest::newRow("a data source defined twice")
        << QByteArray("<report><datasources><datasource id=\"a\" type=\"3\"/>\n<datasource id=\"a\" type=\"1\"/>"
                      "</datasources></report>") << 2 << "The data source a is defined twice";
    QTest::newRow("a detail over an unknown data source")
        << QByteArray("<report>\n<detail id=\"d\" dataSource=\"nada\" height=\"5\"/></report>") << 2
        << "The detail d uses the unknown data source nada";
    QTest::newRow("a section with a negative height")
        << QByteArray("<report><pageHeader height=\"-2\"/></report>") << 1 << "A section cannot have a negative height";
    QTest::newRow("a coordinate that is not a number")
        << report(stringList, QStringLiteral("\n<field x=\"abc\" y=\"0\" width=\"1\" height=\"1\"/>")) << 5
        << "The attribute x is not a valid number: abc";
    QTest::newRow("a coordinate beyond any paper")
        << report(stringList, QStringLiteral("<line x1=\"0\" y1=\"0\" x2=\"1e300\" y2=\"1\"/>")) << 4
        << "The attribute x2 is not a valid number: 1e300";
    QTest::newRow("an unknown page size") << QByteArray("<report pageSize=\"A9\"/>") << 1 << "Unknown page size A9";
    QTest::newRow("margins that leave no room")
        << QByteArray("<report leftMargin=\"150\" rightMargin=\"150\"/>") << 1 << "The margins leave no room on the page";
    QTest::newRow("a variable reset by an unknown group")
        << report(stringList, QString(), QStringLiteral("<variables><variable id=\"v\" resetGroup=\"g\"/></variables>"))
        << 3 << "The variable v is reset by the unknown group g";
    QTest::newRow("a delimiter of two characters")
        << QByteArray("<report><datasources><datasource id=\"a\" type=\"3\" delimiter=\";;\"/></datasources></report>")
        << 1 << "The delimiter must be one character: ;;";
    QTest::newRow("an element inside an item's text")
        << report(stringList, QStringLiteral("<label x=\"0\" y=\"0\" width=\"1\" height=\"1\">a<b/></label>")) << 4
        << "Expected character data.";
    QTest::newRow("an unknown colour")
        << report(stringList, QStringLiteral("<label x=\"0\" y=\"0\" width=\"1\" height=\"1\" color=\"rojo\"/>")) << 4
        << "The attribute color is not a colour: rojo";
    QTest::newRow("an unknown locale") << QByteArray("<report locale=\"xx_YY\"/>") << 1 << "Unknown locale xx_YY";
    const auto field = [](const char* attributes) {
        return report(stringList, QStringLiteral("\n<field x=\"0\" y=\"0\" width=\"1\" height=\"1\" %1/>")
                                      .arg(QLatin1String(attributes)));
    };
    QTest::newRow("an unknown format") << field("format=\"moneda\"") << 5 << "Unknown format moneda";
    QTest::newRow("negative decimals") << field("format=\"number\" decimals=\"-1\"") << 5
                                       << "The decimals must be between 0 and 15";
    QTest::newRow("decimals beyond a double's") << field("format=\"currency\" decimals=\"16\"") << 5
                                                << "The decimals must be between 0 and 15";
    QTest::newRow("a date format of no letters") << field("format=\"date\" dateFormat=\"'hoy'\"") << 5
                                                 << "The date format 'hoy' shows nothing of the date";
    QTest::newRow("a date format of only time letters") << field("format=\"date\" dateFormat=\"HH:mm\"") << 5
                                                        << "The date format HH:mm shows nothing of the date";
    const auto sorted = [](const char* sort) {
        return QString::fromUtf8(report(stringList, QString()))
            .replace(QStringLiteral("<detail "), QStringLiteral("<detail sort=\"%1\" ").arg(QLatin1String(sort)))
            .toUtf8();
    };
    QTest::newRow("a sort entry that is only a direction") << sorted("ciudad, desc") << 4
                                                           << "The sort ciudad, desc names no column in one of its entries";
    QTest::newRow("an empty sort entry") << sorted("ciudad,,importe") << 4
                                         << "The sort ciudad,,importe names no column in one of its entries";
    QTest::newRow("a date format that names nothing of a date and time")
        << field("format=\"datetime\" dateFormat=\"-- --\"") << 5 << "The date format -- -- shows nothing of the date";
}

void TestNCReport::loadingStopsAtTheFirstFault()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, line);
    QFETCH(QString, message);
    NCReport report;
    report.setReportSource(::report(stringList, QString()));
    QVERIFY(report.load());
    NCReportDef* loaded = report.reportDef();

    report.setReportSource(xml);
    QVERIFY(!report.load());
    QCOMPARE(report.error().line, line);
    if (!message.isEmpty())
        QCOMPARE(report.error().message, message);
    QVERIFY(!report.error().message.isEmpty());
    // Nothing half-read replaces what was loaded before.
    QCOMPARE(report.reportDef(), loaded);
    QCOMPARE(report.reportName(), QStringLiteral("Prueba"));

    // A document parsed already stops at the same fault, which it cannot place on a line.
    QDomDocument document;
    NCReportError parseError;
    if (xml.isEmpty() || !NCRDReportXml::read(xml, document, parseError))
        return;
    report.setReportDocument(document);
    QVERIFY(!report.load());
    QCOMPARE(report.error().message, message);
    QCOMPARE(report.error().line, 0);
    QCOMPARE(report.reportDef(), loaded);
}

void TestNCReport::definitionReadsEveryPart()
{
    const QByteArray xml = "<report name=\"Ventas\" pageSize=\"A5\" orientation=\"landscape\" leftMargin=\"5\">"
                           "<datasources><datasource id=\"q\" type=\"0\" database=\"x.db\">SELECT 1</datasource>"
                           "<datasource id=\"t\" type=\"1\" file=\"a.csv\"/><datasource id=\"x\" type=\"2\" file=\"a.xml\"/>"
                           "<datasource id=\"s\" type=\"3\"/>"
                           "<datasource id=\"m\" type=\"4\" itemModel=\"clientes\" parent=\"$D{s.dwDir}\"/></datasources>"
                           "<parameters><parameter name=\"p\" value=\"7\"/></parameters>"
                           "<variables><variable id=\"n\" function=\"count\" resetGroup=\"g\"/></variables>"
                           "<pageHeader height=\"12\"><label x=\"0\" y=\"0\" width=\"50\" height=\"6\" bold=\"true\" "
                           "align=\"right bottom\">Título</label></pageHeader>"
                           "<detail id=\"d\" dataSource=\"m\" height=\"5\"><group id=\"g\" expression=\"$D{m.a}\">"
                           "<header height=\"4\"/><footer height=\"3\"/></group>"
                           "<barcode x=\"0\" y=\"0\" width=\"30\" height=\"5\" barcodeType=\"0\">$D{m.b}</barcode>"
                           "</detail></report>";
    // From its text, and from a document parsed already.
    for (const bool parsed : {false, true}) {
        NCReport report;
        QDomDocument document;
        NCReportError parseError;
        QVERIFY(NCRDReportXml::read(xml, document, parseError));
        if (parsed)
            report.setReportDocument(document);
        else
            report.setReportSource(xml);
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const NCReportDef* def = report.reportDef();
        QCOMPARE(def->reportName(), QStringLiteral("Ventas"));
        QCOMPARE(def->pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(def->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(def->pageLayout().margins().left(), 5.0);

        const QStringList classes{"NCReportSqlDataSource", "NCReportTextDataSource", "NCReportXMLDataSource",
                                  "NCReportStringListDataSource", "NCReportItemModelDataSource"};
        QCOMPARE(def->dataSources().size(), classes.size());
        for (int type = 0; type < classes.size(); ++type) {
            QCOMPARE(def->dataSources().at(type)->metaObject()->className(), classes.at(type));
            QCOMPARE(int(def->dataSources().at(type)->dataSourceType()), type);
        }
        auto* model = qobject_cast<NCReportItemModelDataSource*>(def->dataSource(QStringLiteral("m")));
        QCOMPARE(model->itemModelId(), QStringLiteral("clientes"));
        QCOMPARE(model->parentReference(), QStringLiteral("$D{s.dwDir}"));
        QCOMPARE(qobject_cast<NCReportSqlDataSource*>(def->dataSources().at(0))->source(), QStringLiteral("SELECT 1"));

        QCOMPARE(def->parameters().value(QStringLiteral("p")).toString(), QStringLiteral("7"));
        QCOMPARE(def->variables().at(0).function, NCReportVariable::Count);
        const NCReportItem& title = def->pageHeader().items.at(0);
        QCOMPARE(title.text, QStringLiteral("Título"));
        QVERIFY(title.bold);
        QCOMPARE(title.alignment, Qt::AlignRight | Qt::AlignBottom);
        const NCReportDetail& detail = def->details().at(0);
        QCOMPARE(detail.groups.at(0).expression, QStringLiteral("$D{m.a}"));
        QCOMPARE(detail.groups.at(0).footer.height, 3.0);
        QCOMPARE(detail.section.items.at(0).type, NCReportItem::Barcode);
        QCOMPARE(detail.section.items.at(0).sourceType, NCReportItem::Template);
        QCOMPARE(detail.section.items.at(0).barcodeType, 0);

        // A model registered before or after loading reaches the item-model source.
        QStandardItemModel clientes;
        report.addItemModel(QStringLiteral("clientes"), &clientes);
        QCOMPARE(model->itemModel(), &clientes);
        QVERIFY(report.load());
        auto* reloaded = qobject_cast<NCReportItemModelDataSource*>(report.reportDef()->dataSource(QStringLiteral("m")));
        QCOMPARE(reloaded->itemModel(), &clientes);
    }
}

void TestNCReport::dataSourcesReadTheirRows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("string list with a header and a quoted delimiter")
        << 3 << "delimiter=\";\" header=\"true\""
        << "<string>ciudad;nombre</string><string>Madrid;Ana</string><string>Soria;\"Eva; de Soria\"</string>"
        << QStringList{"ciudad", "nombre"} << QStringList{"Madrid|Ana", "Soria|Eva; de Soria"};
    QTest::newRow("string list without a header, rows of different length")
        << 3 << "" << "<string>a\tb</string><string>c</string><string>\"d\"\"e\"</string>" << QStringList{"col0", "col1"}
        << QStringList{"a|b", "c|", "d\"e|"};
    QTest::newRow("text file") << 1 << "delimiter=\",\" header=\"true\"" << "FILE:nombre,edad\nAna,30\n\nLuis,41\n"
                               << QStringList{"nombre", "edad"} << QStringList{"Ana|30", "Luis|41"};
    QTest::newRow("text file whose quoted fields hold line breaks, as spreadsheets write them")
        << 1 << "delimiter=\",\" header=\"true\""
        << "FILE:nombre,nota\r\nAna,\"dos\r\nlíneas\"\r\n\"Luis\",\"dice \"\"sí,\n\"\"\"\r\nEva,\"\"\r\n"
        << QStringList{"nombre", "nota"} << QStringList{"Ana|dos\r\nlíneas", "Luis|dice \"sí,\n\"", "Eva|"};
    QTest::newRow("XML elements and attributes as columns")
        << 2 << "" << "<![CDATA[<filas><f n=\"1\"><a>x</a></f><f><b>y</b><a>z</a></f></filas>]]>"
        << QStringList{"n", "a", "b"} << QStringList{"1|x|", "|z|y"};
    QTest::newRow("XML file") << 2 << "" << "FILE:<r><f><a>1</a></f></r>" << QStringList{"a"} << QStringList{"1"};
    QTest::newRow("SQL over an SQLite file") << 0 << "" << "SELECT nombre, edad FROM p ORDER BY edad"
                                             << QStringList{"nombre", "edad"} << QStringList{"Ana|30", "Luis|41"};
}

void TestNCReport::dataSourcesReadTheirRows()
{
    QFETCH(int, type);
    QFETCH(QString, attributes);
    QFETCH(QString, content);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    if (content.startsWith(QLatin1String("FILE:"))) {
        attributes += QStringLiteral(" file=\"%1\"").arg(writeFile(dir, QStringLiteral("datos"), content.mid(5).toUtf8()));
        content.clear();
    } else if (type == NCReportDataSource::Sql) {
        attributes = QStringLiteral("database=\"%1\"").arg(createPeople(dir));
    }
    NCReport report;
    report.setReportSource(
        ::report(QStringLiteral("<datasource id=\"ds\" type=\"%1\" %2>%3</datasource>").arg(type).arg(attributes, content),
                 QString()));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    NCReportDataSource* source = report.reportDef()->dataSource(QStringLiteral("ds"));
    QVERIFY2(source->open(), qPrintable(source->errorString()));
    QStringList names;
    for (int column = 0; column < source->columnCount(); ++column)
        names.append(source->columnName(column));
    QCOMPARE(names, columns);
    QCOMPARE(rowsOf(source), rows);
    QVERIFY(!source->seek(rows.size()));
    source->close();
    QVERIFY(!source->isOpen());
    QCOMPARE(source->currentRow(), -1);
}

void TestNCReport::sqlParametersAreBoundNeverPasted_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("error");
    const QString byName = QStringLiteral("SELECT nombre FROM p WHERE nombre = $P{quien}");
    QTest::newRow("a plain value selects its row") << byName << QVariant("Ana") << QStringList{"Ana"} << "";
    QTest::newRow("a quote in the value is part of the value")
        << byName << QVariant("x' OR '1'='1") << QStringList() << "";
    QTest::newRow("a second statement in the value is part of the value")
        << byName << QVariant("Ana'; DROP TABLE p; --") << QStringList() << "";
    QTest::newRow("a reference inside quotes is plain text")
        << "SELECT '$P{quien}' FROM p LIMIT 1" << QVariant("Ana") << QStringList{"$P{quien}"} << "";
    QTest::newRow("a number compares as a number")
        << "SELECT nombre FROM p WHERE edad > $P{quien} ORDER BY edad" << QVariant(35) << QStringList{"Luis"} << "";
    QTest::newRow("an unknown parameter is an error")
        << "SELECT nombre FROM p WHERE nombre = $P{otro}" << QVariant("Ana") << QStringList()
        << "The query uses the unknown parameter otro";
    QTest::newRow("a reference without its closing brace is an error naming the data source")
        << "SELECT nombre FROM p WHERE nombre = $P{quien OR 1" << QVariant("Ana") << QStringList()
        << "The query of the data source q has a $P{ without its closing brace";
    QTest::newRow("a reference inside quotes is text, one left open after it an error")
        << "SELECT nombre FROM p WHERE nombre = '$P{' OR nombre = $P{quien" << QVariant("Ana") << QStringList()
        << "The query of the data source q has a $P{ without its closing brace";
}

void TestNCReport::sqlParametersAreBoundNeverPasted()
{
    QFETCH(QString, query);
    QFETCH(QVariant, value);
    QFETCH(QStringList, rows);
    QFETCH(QString, error);
    QTemporaryDir dir;
    NCReportSqlDataSource source(QStringLiteral("q"));
    source.setDatabaseFile(createPeople(dir));
    source.setSource(query);
    source.setParameters({{QStringLiteral("quien"), value}});
    QCOMPARE(source.open(), error.isEmpty());
    QCOMPARE(source.errorString(), error);
    QCOMPARE(rowsOf(&source), rows);
    source.close();
    // The table is still there for the next row, whatever the value held.
    source.setSource(QStringLiteral("SELECT count(*) FROM p"));
    QVERIFY(source.open());
    QVERIFY(source.first());
    QCOMPARE(source.value(0).toInt(), 2);
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestNCReport::evaluatorResolvesReferences_data()
{
    QTest::addColumn<int>("sourceType");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    const int ds = NCReportItem::DataSource;
    const int tpl = NCReportItem::Template;
    QTest::newRow("a column of a named source at the cursor") << ds << "ds.nombre" << true << "Luis";
    QTest::newRow("a column given by its number") << ds << "ds.2" << false << "";
    QTest::newRow("a row after a comma") << ds << "ds.nombre,2" << true << "Eva";
    QTest::newRow("a row beyond the source") << ds << "ds.nombre,9" << false << "";
    QTest::newRow("a negative row") << ds << "ds.nombre,-1" << false << "";
    QTest::newRow("count") << ds << "ds.count()" << true << "3";
    QTest::newRow("sum of a column") << ds << "ds.sum(importe)" << true << "35";
    QTest::newRow("average") << ds << "ds.avg(importe)" << true << "11.6666666666667";
    QTest::newRow("minimum and maximum") << tpl << "$D{ds.min(importe)}-$D{ds.max(importe)}" << true << "5-20";
    QTest::newRow("row number") << ds << "ds.rowNumber()" << true << "2";
    QTest::newRow("an unknown function") << ds << "ds.median(importe)" << false << "";
    QTest::newRow("an unknown source") << ds << "otra.nombre" << false << "";
    QTest::newRow("an unknown column") << ds << "ds.edad" << false << "";
    QTest::newRow("no source named and no detail running") << ds << "nombre" << false << "";
    QTest::newRow("a wrapped expression") << ds << "$D{ds.ciudad}" << true << "Madrid";
    QTest::newRow("a wrapped expression without its brace") << ds << "$D{ds.ciudad" << false << "";
    QTest::newRow("a template mixing references")
        << tpl << "$D{ds.nombre} paga $D{ds.importe} $P{moneda}" << true << "Luis paga 20 EUR";
    QTest::newRow("a template with an unclosed reference") << tpl << "Hola $D{ds.nombre" << false << "";
    QTest::newRow("a dollar that starts nothing") << tpl << "$ 5 y $X{a}" << true << "$ 5 y $X{a}";
    QTest::newRow("a parameter") << int(NCReportItem::Parameter) << "moneda" << true << "EUR";
    QTest::newRow("an unknown parameter") << tpl << "$P{nada}" << false << "";
    QTest::newRow("a variable with no report running") << tpl << "$V{pageNumber}" << false << "";
    QTest::newRow("a display role by name") << ds << "ds.nombre:display" << true << "Luis";
    QTest::newRow("a role the table does not have") << ds << "ds.nombre:user" << true << "";
    QTest::newRow("static text stays") << int(NCReportItem::Static) << "$D{ds.nombre}" << true << "$D{ds.nombre}";
}

void TestNCReport::evaluatorResolvesReferences()
{
    QFETCH(int, sourceType);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    OpenSource fixture;
    QString result = text;
    QCOMPARE(fixture.evaluator.evaluate(result, NCReportItem::SourceType(sourceType)), ok);
    if (ok)
        QCOMPARE(result, expected);
    QCOMPARE(fixture.source->currentRow(), 1);
}

void TestNCReport::rowAfterACommaLeavesTheCursorWhereItWas()
{
    OpenSource fixture;
    QVariant value;
    QVERIFY(fixture.evaluator.getDataSourceValue(QStringLiteral("ds.nombre,0"), value));
    QCOMPARE(value.toString(), QStringLiteral("Ana"));
    QVERIFY(fixture.evaluator.getDataSourceValue(QStringLiteral("ds.nombre"), value));
    QCOMPARE(value.toString(), QStringLiteral("Luis"));
    QCOMPARE(fixture.evaluator.currentDataSource(), fixture.source);
    QCOMPARE(fixture.evaluator.currentColumn(), 1);
}

void TestNCReport::itemModelReportPrintsOneLinePerRow()
{
    REQUIRE_PDFTOTEXT();
    QStandardItemModel model;
    fillTable(model, {"Código,Nombre,Ciudad", "1,Ana,Cádiz", "2,José,León", "3,Íñigo,Ávila"});
    NCReport report;
    report.addItemModel(QStringLiteral("clientes"), &model);
    report.setReportSource(::report(
        QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\"/>"),
        QStringLiteral("<field x=\"0\" y=\"0\" width=\"20\" height=\"6\">$D{ds.Código}</field>"
                       "<field x=\"30\" y=\"0\" width=\"60\" height=\"6\">$D{Nombre} de $D{ds.Ciudad}</field>")));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("clientes.pdf"));
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QCOMPARE(textLines(pdfText(pdf)), (QStringList{"1 Ana de Cádiz", "2 José de León", "3 Íñigo de Ávila"}));
}

void TestNCReport::groupsPrintHeadersFootersAndTotals()
{
    REQUIRE_PDFTOTEXT();
    NCReport report;
    report.setReportSource(::report(
        stringList,
        QStringLiteral("<group id=\"g\" expression=\"$D{ds.ciudad}\">"
                       "<header height=\"6\"><field x=\"0\" y=\"0\" width=\"80\" height=\"6\">== $D{ciudad}</field></header>"
                       "<footer height=\"6\"><field x=\"0\" y=\"0\" width=\"80\" height=\"6\">"
                       "Total $D{ciudad}: $V{total} en $V{filas} filas</field></footer></group>"
                       "<field x=\"10\" y=\"0\" width=\"80\" height=\"6\">$D{nombre} $D{importe} $V{acumulado}</field>"),
        QStringLiteral("<variables><variable id=\"total\" expression=\"$D{ds.importe}\" resetGroup=\"g\"/>"
                       "<variable id=\"filas\" function=\"count\" resetGroup=\"g\"/>"
                       "<variable id=\"acumulado\" expression=\"$D{ds.importe}\"/></variables>"
                       "<pageFooter height=\"8\"><field x=\"0\" y=\"0\" width=\"80\" height=\"6\">"
                       "Página $V{pageNumber}, general $V{acumulado}</field></pageFooter>")));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("grupos.pdf"));
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QCOMPARE(textLines(pdfText(pdf)),
             (QStringList{"== Madrid", "Ana 10 10", "Luis 20 30", "Total Madrid: 30 en 2 filas", "== Soria",
                          "Eva; la de Soria 5 35", "Total Soria: 5 en 1 filas", "Página 1, general 35"}));
}

void TestNCReport::longReportsBreakPagesUnderTheHeader()
{
    REQUIRE_PDFTOTEXT();
    QStringList lines{QStringLiteral("n")};
    for (int row = 1; row <= 120; ++row)
        lines.append(QString::number(row));
    QStandardItemModel model;
    fillTable(model, lines);
    NCReport report;
    report.addItemModel(QStringLiteral("m"), &model);
    // 277 mm of A4 minus 20 of header and 17 of footer: 240 mm, forty rows of 6 mm a page.
    report.setReportSource(::report(
        QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"m\"/>"),
        QStringLiteral("<field x=\"0\" y=\"0\" width=\"20\" height=\"6\">fila $D{n}</field>"),
        QStringLiteral("<pageHeader height=\"20\"><field x=\"0\" y=\"0\" width=\"80\" height=\"6\">Cabecera "
                       "$V{pageNumber}</field></pageHeader><pageFooter height=\"17\"/>")));
    QVERIFY(report.load());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("largo.pdf"));
    QVERIFY(report.runReportToPdf(pdf));
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (int page = 0; page < 3; ++page) {
        const QStringList pageLines = textLines(pages.at(page));
        QCOMPARE(pageLines.size(), 41);
        QCOMPARE(pageLines.first(), QStringLiteral("Cabecera %1").arg(page + 1));
        QCOMPARE(pageLines.at(1), QStringLiteral("fila %1").arg(page * 40 + 1));
        QCOMPARE(pageLines.last(), QStringLiteral("fila %1").arg(page * 40 + 40));
    }
}

void TestNCReport::imagesShowThePages()
{
    NCReport report;
    report.setReportSource(::report(stringList,
                                    QStringLiteral("<rectangle x=\"0\" y=\"0\" width=\"10\" height=\"5\" fill=\"#ff0000\"/>"),
                                    QStringLiteral("<pageHeader height=\"10\"><line x1=\"0\" y1=\"5\" x2=\"190\" y2=\"5\" "
                                                   "lineWidth=\"1\" color=\"#0000ff\"/></pageHeader>")));
    QVERIFY(report.load());
    QVector<QImage> pages;
    QVERIFY(report.runReportToImages(pages, 72));
    QCOMPARE(pages.size(), 1);
    // A4 at 72 dpi, margins of 10 mm (28 pixels): the header's line 15 mm down, the first
    // row's red box under the header.
    QCOMPARE(pages.at(0).size(), QSize(595, 842));
    const int margin = qRound(10 / 25.4 * 72);
    QCOMPARE(pages.at(0).pixelColor(300, margin + qRound(5 / 25.4 * 72)), QColor(Qt::blue));
    QCOMPARE(pages.at(0).pixelColor(margin + 10, margin + qRound(12 / 25.4 * 72)), QColor(Qt::red));
    QCOMPARE(pages.at(0).pixelColor(5, 5), QColor(Qt::white));
}

void TestNCReport::runFailuresAreReported_data()
{
    QTest::addColumn<QString>("dataSource");
    QTest::addColumn<QString>("message");
    QTest::newRow("an item model that is not registered")
        << "<datasource id=\"ds\" type=\"4\" itemModel=\"nada\"/>"
        << "The data source ds cannot be opened: No item model is registered as \"nada\"";
    QTest::newRow("a text file that does not exist")
        << "<datasource id=\"ds\" type=\"1\" file=\"/nonexistent/a.csv\"/>"
        << "The data source ds cannot be opened: Cannot read the file /nonexistent/a.csv: it does not exist";
    QTest::newRow("a device in place of a file")
        << "<datasource id=\"ds\" type=\"2\" file=\"/dev/zero\"/>"
        << "The data source ds cannot be opened: Cannot read the file /dev/zero: it is not a regular file";
    QTest::newRow("an XML source that is not well formed")
        << "<datasource id=\"ds\" type=\"2\"><![CDATA[<a><b>]]></datasource>"
        << "The data source ds cannot be opened: Line 1: Premature end of document.";
    // Each row a new attribute after a shared one: rows x columns would be 12.5 million cells.
    QString spread;
    for (int row = 0; row < 5000; ++row)
        spread += QStringLiteral("<r a=\"1\" c%1=\"2\"/>").arg(row);
    QTest::newRow("an XML source whose every row brings a column of its own")
        << "<datasource id=\"ds\" type=\"2\"><![CDATA[<t>" + spread + "</t>]]></datasource>"
        << "The data source ds cannot be opened: The XML data has too many values: at most 10000000 can be read";
    QTest::newRow("a connection that does not exist")
        << "<datasource id=\"ds\" type=\"0\" connection=\"nada\">SELECT 1</datasource>"
        << "The data source ds cannot be opened: The database connection \"nada\" is not open";
}

void TestNCReport::runFailuresAreReported()
{
    QFETCH(QString, dataSource);
    QFETCH(QString, message);
    NCReport report;
    report.setReportSource(::report(dataSource, QString()));
    QVERIFY(report.load());
    QVector<QImage> pages;
    QVERIFY(!report.runReportToImages(pages));
    QCOMPARE(report.error().message, message);
    QVERIFY(!report.director());
}

void TestNCReport::conditionsDecideWhatPrints_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<bool>("warns");
    const QStringList everyone{"Ana", "Luis", "Eva; la de Soria"};
    QTest::newRow("no condition prints every row") << "" << everyone << false;
    QTest::newRow("numbers compare as numbers, not as text") << "$D{importe} >= 10" << QStringList{"Ana", "Luis"} << false;
    QTest::newRow("texts compare as texts") << "$D{ciudad} == Soria" << QStringList{"Eva; la de Soria"} << false;
    QTest::newRow("not equal") << "$D{ciudad}!=Soria" << QStringList{"Ana", "Luis"} << false;
    QTest::newRow("a value alone holds when it is not zero") << "$D{importe}" << everyone << false;
    QTest::newRow("a parameter saying false holds nowhere") << "$P{mostrar}" << QStringList() << false;
    QTest::newRow("a value that is not a number passes no comparison") << "nan >= 10" << QStringList() << false;
    QTest::newRow("but differs from every number") << "$D{importe} != NaN" << everyone << false;
    QTest::newRow("a comparison inside a reference is no comparison") << "$D{ds.sum(importe)} < 36" << everyone << false;
    QTest::newRow("an unknown column prints nothing and warns") << "$D{ds.nada} > 1" << QStringList() << true;
    QTest::newRow("an unclosed reference prints nothing and warns") << "$D{importe > 1" << QStringList() << true;
}

void TestNCReport::conditionsDecideWhatPrints()
{
    REQUIRE_PDFTOTEXT();
    QFETCH(QString, condition);
    QFETCH(bool, warns);
    NCReport report;
    report.setReportSource(::report(
        stringList, QStringLiteral("<field x=\"0\" y=\"0\" width=\"80\" height=\"6\" printWhen=\"%1\">$D{nombre}</field>")
                        .arg(condition.toHtmlEscaped())));
    report.addParameter(QStringLiteral("mostrar"), QStringLiteral("False"));
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("condiciones.pdf"));
    MessageLogCapture log;
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QTEST(textLines(pdfText(pdf)), "printed");
    // Said once for the run, not once per row.
    const QStringList warnings = log.texts(QtWarningMsg).filter(condition);
    QCOMPARE(warnings.size(), warns ? 1 : 0);
}

void TestNCReport::pageBreakConditionsStartPages_data()
{
    QTest::addColumn<QString>("detailBreak");
    QTest::addColumn<QString>("groupBreak");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("no condition keeps one page") << "" << "" << QStringList{"Madrid Ana Luis Soria Eva; la de Soria"};
    QTest::newRow("a row that meets the detail's condition starts a page")
        << "$D{nombre} == Luis" << "" << QStringList{"Madrid Ana", "Luis Soria Eva; la de Soria"};
    QTest::newRow("a group meeting its condition starts a page")
        << "" << "$D{ciudad} == Soria" << QStringList{"Madrid Ana Luis", "Soria Eva; la de Soria"};
    QTest::newRow("the first row never leaves an empty page") << "$D{importe} > 0" << ""
                                                              << QStringList{"Madrid Ana", "Luis", "Soria Eva; la de Soria"};
}

void TestNCReport::pageBreakConditionsStartPages()
{
    REQUIRE_PDFTOTEXT();
    QFETCH(QString, detailBreak);
    QFETCH(QString, groupBreak);
    QString xml = QString::fromUtf8(::report(
        stringList, QStringLiteral("<group id=\"g\" expression=\"$D{ciudad}\" pageBreak=\"%1\">"
                                   "<header height=\"6\"><field x=\"0\" y=\"0\" width=\"80\" height=\"6\">$D{ciudad}</field>"
                                   "</header></group><field x=\"0\" y=\"0\" width=\"80\" height=\"6\">$D{nombre}</field>")
                            .arg(groupBreak.toHtmlEscaped())));
    xml.replace(QStringLiteral("<detail "), QStringLiteral("<detail pageBreak=\"%1\" ").arg(detailBreak.toHtmlEscaped()));
    NCReport report;
    report.setReportSource(xml.toUtf8());
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("saltos.pdf"));
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QTEST(pagesOf(pdf), "pages");
}

void TestNCReport::numbersPrintWithoutBinaryNoise_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("a sum that binary fractions round down") << QVariant(100.1 + 110.3) << "210.4";
    QTest::newRow("a sum that they round up") << QVariant(0.1 + 0.2) << "0.3";
    QTest::newRow("a whole amount has no decimals") << QVariant(35.0) << "35";
    QTest::newRow("a negative amount") << QVariant(-2.5 - 0.1) << "-2.6";
    QTest::newRow("negative zero is zero") << QVariant(-0.0) << "0";
    QTest::newRow("large amounts keep plain notation") << QVariant(123456789012.25) << "123456789012.25";
    QTest::newRow("a third keeps fifteen digits") << QVariant(35.0 / 3) << "11.6666666666667";
    QTest::newRow("beyond any amount, exponents") << QVariant(1e20) << "1e+20";
    QTest::newRow("a tiny value is not rounded to zero") << QVariant(1.5e-7) << "1.5e-07";
    QTest::newRow("a float") << QVariant(0.1f) << "0.1";
    QTest::newRow("a whole number stays as it is") << QVariant(42) << "42";
    QTest::newRow("text of a number is printed as written") << QVariant(QStringLiteral("210.40")) << "210.40";
}

void TestNCReport::numbersPrintWithoutBinaryNoise()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QCOMPARE(NCReportEvaluator::valueText(value), text);
    // The same in a template, and under a locale with a decimal comma.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    OpenSource fixture;
    fixture.evaluator.setParameters({{QStringLiteral("x"), value}});
    QString printed = QStringLiteral("[$P{x}]");
    QVERIFY(fixture.evaluator.evaluate(printed, NCReportItem::Template));
    QLocale::setDefault(previous);
    QCOMPARE(printed, QLatin1Char('[') + text + QLatin1Char(']'));
}

void TestNCReport::fieldsPrintInTheirFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("printed");
    const QString es = QStringLiteral("es_ES");
    QTest::newRow("a sum as money in Spanish") << es << "format=\"currency\"" << "$P{x}" << QVariant(100.1 + 110.3)
                                               << "210,40 €";
    QTest::newRow("money without decimals") << es << "format=\"currency\" decimals=\"0\"" << "$P{x}"
                                            << QVariant(12345.5) << "12.346 €";
    QTest::newRow("money in American English") << "en_US" << "format=\"currency\"" << "$P{x}" << QVariant(1234.5)
                                               << "$1,234.50";
    QTest::newRow("a number with grouping") << es << "format=\"number\"" << "$P{x}" << QVariant(1234567.891)
                                            << "1.234.567,89";
    QTest::newRow("a negative amount in the thousands is grouped") << es << "format=\"currency\"" << "$P{x}"
                                                                  << QVariant(-1234.5) << "-1.234,50 €";
    QTest::newRow("a number below a thousand has no separator") << es << "format=\"number\"" << "$P{x}"
                                                                << QVariant(999.5) << "999,50";
    QTest::newRow("a number held as text") << es << "format=\"number\" decimals=\"3\"" << "$P{x}" << QVariant("2.5")
                                           << "2,500";
    QTest::newRow("what rounds to nothing is zero") << es << "format=\"currency\"" << "$P{x}" << QVariant(-0.001)
                                                    << "0,00 €";
    QTest::newRow("a word under a number format prints as text") << es << "format=\"number\"" << "$P{x}"
                                                                 << QVariant("Soria") << "Soria";
    QTest::newRow("each value of a template in the format") << es << "format=\"currency\"" << "Total $P{x} ($P{x})"
                                                            << QVariant(35.5) << "Total 35,50 € (35,50 €)";
    QTest::newRow("a date in its own format") << es << "format=\"date\" dateFormat=\"dd/MM/yyyy\"" << "$P{x}"
                                              << QVariant(QDate(2026, 1, 5)) << "05/01/2026";
    QTest::newRow("a date held as ISO text, with month names") << es << "format=\"date\" dateFormat=\"d 'de' MMMM\""
                                                               << "$P{x}" << QVariant("2026-01-05") << "5 de enero";
    QTest::newRow("a date in the locale's short format") << es << "format=\"date\"" << "$P{x}"
                                                         << QVariant(QDate(2026, 1, 5))
                                                         << QLocale(es).toString(QDate(2026, 1, 5), QLocale::ShortFormat);
    QTest::newRow("a date and time") << es << "format=\"datetime\" dateFormat=\"dd/MM/yyyy HH:mm\"" << "$P{x}"
                                     << QVariant(QDateTime(QDate(2026, 1, 5), QTime(9, 30))) << "05/01/2026 09:30";
    QTest::newRow("a number under a date format prints as text") << es << "format=\"date\"" << "$P{x}" << QVariant(42)
                                                                 << "42";
    QTest::newRow("text, the default, keeps the C locale") << es << "" << "$P{x}" << QVariant(100.1 + 110.3) << "210.4";
}

void TestNCReport::fieldsPrintInTheirFormat()
{
    REQUIRE_PDFTOTEXT();
    QFETCH(QString, locale);
    QFETCH(QString, attributes);
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    NCReport report;
    report.setReportSource(QString::fromUtf8(::report(stringList, QString(),
                                                      QStringLiteral("<pageHeader height=\"8\"><field x=\"0\" y=\"0\" "
                                                                     "width=\"120\" height=\"6\" %1>%2</field>"
                                                                     "</pageHeader>")
                                                          .arg(attributes, field)))
                               .replace(QStringLiteral("<report "), QStringLiteral("<report locale=\"%1\" ").arg(locale))
                               .toUtf8());
    report.addParameter(QStringLiteral("x"), value);
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("formato.pdf"));
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QTEST(textLines(pdfText(pdf)).join(QLatin1Char(' ')), "printed");
}

void TestNCReport::reportHeaderAndFooterPrintOnce_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("pages");
    // A4 without its margins is 277 mm: page header 10, page footer 7, report header 8, rows of
    // 60 and a report footer of 20. Four rows fill the first page.
    QTest::newRow("no rows: both on one page")
        << 0 << QStringList{"Cabecera Informe de ventas Total general: 0,00 €, media Página 1 de 1"};
    QTest::newRow("one row between them")
        << 1 << QStringList{"Cabecera Informe de ventas fila 1 Total general: 1,00 €, media 1,00 € Página 1 de 1"};
    QTest::newRow("a footer that no longer fits starts the last page")
        << 4
        << QStringList{"Cabecera Informe de ventas fila 1 fila 2 fila 3 fila 4 Página 1 de 2",
                       "Cabecera Total general: 10,00 €, media 2,50 € Página 2 de 2"};
    QTest::newRow("the footer follows the last row on its page")
        << 5
        << QStringList{"Cabecera Informe de ventas fila 1 fila 2 fila 3 fila 4 Página 1 de 2",
                       "Cabecera fila 5 Total general: 15,00 €, media 3,00 € Página 2 de 2"};
}

void TestNCReport::reportHeaderAndFooterPrintOnce()
{
    REQUIRE_PDFTOTEXT();
    QFETCH(int, rows);
    QStringList lines{QStringLiteral("n")};
    for (int row = 1; row <= rows; ++row)
        lines.append(QString::number(row));
    QStandardItemModel model;
    fillTable(model, lines);
    const QString line = QStringLiteral("<field x=\"0\" y=\"0\" width=\"120\" height=\"6\" %1>%2</field>");
    QString xml = QString::fromUtf8(::report(
        QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"m\"/>"), line.arg(QString(), QStringLiteral("fila $D{n}")),
        QStringLiteral("<variables><variable id=\"total\" expression=\"$D{n}\"/>"
                       "<variable id=\"media\" expression=\"$D{n}\" function=\"avg\"/></variables>"
                       "<pageHeader height=\"10\">%1</pageHeader><pageFooter height=\"7\">%2</pageFooter>"
                       "<reportHeader height=\"8\">%3</reportHeader><reportFooter height=\"20\">%4</reportFooter>")
            .arg(line.arg(QString(), QStringLiteral("Cabecera")),
                 line.arg(QString(), QStringLiteral("Página $V{pageNumber} de $V{pageCount}")),
                 line.arg(QString(), QStringLiteral("Informe de ventas")),
                 line.arg(QStringLiteral("format=\"currency\""), QStringLiteral("Total general: $V{total}, media $V{media}")))));
    xml.replace(QStringLiteral("dataSource=\"ds\" height=\"6\""), QStringLiteral("dataSource=\"ds\" height=\"60\""));
    xml.replace(QStringLiteral("<report "), QStringLiteral("<report locale=\"es_ES\" "));
    NCReport report;
    report.addItemModel(QStringLiteral("m"), &model);
    report.setReportSource(xml.toUtf8());
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("totales.pdf"));
    QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
    QTEST(pagesOf(pdf), "pages");
}

void TestNCReport::sortOrdersTheRowsBeforeTheyGroup_data()
{
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("error");
    QTest::newRow("no sort: groups follow the rows as they come")
        << "" << "[Burgos] Luis 20 [Ávila] Ana 100 [Burgos] Eva 9 [Zamora] Pío 5 [Ávila] Íñigo 100 [Cádiz] Sol" << "";
    QTest::newRow("text in the locale's order, accented letters beside their own")
        << "ciudad" << "[Ávila] Ana 100 Íñigo 100 [Burgos] Luis 20 Eva 9 [Cádiz] Sol [Zamora] Pío 5" << "";
    QTest::newRow("numbers as numbers, empty cells first")
        << "importe" << "[Cádiz] Sol [Zamora] Pío 5 [Burgos] Eva 9 Luis 20 [Ávila] Ana 100 Íñigo 100" << "";
    QTest::newRow("descending, rows that tie keep their order")
        << "importe desc" << "[Ávila] Ana 100 Íñigo 100 [Burgos] Luis 20 Eva 9 [Zamora] Pío 5 [Cádiz] Sol" << "";
    QTest::newRow("two columns, the second descending")
        << "ciudad asc, importe desc" << "[Ávila] Ana 100 Íñigo 100 [Burgos] Luis 20 Eva 9 [Cádiz] Sol [Zamora] Pío 5"
        << "";
    QTest::newRow("a column the data source lacks stops the run")
        << "ciudad, apellido" << ""
        << "The detail d is sorted by apellido, a column its data source ds does not have";
}

void TestNCReport::sortOrdersTheRowsBeforeTheyGroup()
{
    REQUIRE_PDFTOTEXT();
    QFETCH(QString, sort);
    QFETCH(QString, error);
    QStandardItemModel model;
    fillTable(model, {"ciudad,nombre,importe", "Burgos,Luis,20", "Ávila,Ana,100", "Burgos,Eva,9", "Zamora,Pío,5",
                      "Ávila,Íñigo,100", "Cádiz,Sol,"});
    QString xml = QString::fromUtf8(::report(
        QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"m\"/>"),
        QStringLiteral("<group id=\"g\" expression=\"$D{ciudad}\"><header height=\"6\"><field x=\"0\" y=\"0\" "
                       "width=\"80\" height=\"6\">[$D{ciudad}]</field></header></group>"
                       "<field x=\"10\" y=\"0\" width=\"80\" height=\"6\">$D{nombre} $D{importe}</field>")));
    xml.replace(QStringLiteral("<report "), QStringLiteral("<report locale=\"es_ES\" "));
    xml.replace(QStringLiteral("<detail "), QStringLiteral("<detail sort=\"%1\" ").arg(sort));
    NCReport report;
    report.addItemModel(QStringLiteral("m"), &model);
    report.setReportSource(xml.toUtf8());
    QVERIFY2(report.load(), qPrintable(report.error().toString()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("orden.pdf"));
    QCOMPARE(report.runReportToPdf(pdf), error.isEmpty());
    QCOMPARE(report.error().message, error);
    if (error.isEmpty())
        QTEST(pagesOf(pdf).join(QLatin1Char(' ')), "printed");
    // The data source runs in its own order again afterwards.
    NCReportDataSource* source = report.reportDef()->dataSource(QStringLiteral("ds"));
    QVERIFY(source->open());
    QVERIFY(source->first());
    QCOMPARE(source->value(1).toString(), QStringLiteral("Luis"));
}

MIROKIT_TEST_MAIN(TestNCReport)
#include "tst_ncreport.moc"
