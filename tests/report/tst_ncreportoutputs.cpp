#include "mirokittest.h"
#include "reporttest.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>

#include <ncreport.h>
#include <ncreportrecordedpages.h>
#include <ncreportsvgwriter.h>
#include <ncreportvalueformat.h>
#include <ncreportxlsxwriter.h>

#include <QDomDocument>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

using namespace reporttest;

namespace {

// The customers of the example program's report (examples/clientes/clientes.xml): enough of them for three pages, each city's
// rows apart in the model so that the report's sort matters.
struct Customers {
    Customers()
    {
        model.setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                                         QStringLiteral("Alta"), QStringLiteral("Saldo")});
        const QStringList cities{QStringLiteral("Soria"), QStringLiteral("Ávila"), QStringLiteral("León")};
        for (int row = 0; row < 120; ++row) {
            QList<QStandardItem*> items;
            for (const QVariant& value : {QVariant(QStringLiteral("C%1").arg(row + 1, 3, 10, QLatin1Char('0'))),
                                          QVariant(QStringLiteral("Cliente, \"%1\"").arg(row + 1, 3, 10, QLatin1Char('0'))),
                                          QVariant(cities.at(row % 3)), QVariant(QDate(2024, 1 + row % 12, 1 + row % 28)),
                                          QVariant(row * 10.25)}) {
                auto* item = new QStandardItem;
                item->setData(value, Qt::DisplayRole);
                items.append(item);
            }
            model.appendRow(items);
            total += row * 10.25;
        }
        report.setCustomDataSourceProvider(&provider);
        report.addItemModel(QStringLiteral("clientes"), &model);
        report.setReportFile(QStringLiteral(MIROKIT_CLIENTES_REPORT));
    }

    QStandardItemModel model;
    ZCNCReportCustomDSProvider provider;
    NCReport report;
    double total = 0;
};

QString systemPython()
{
    return QStringLiteral(MIROKIT_SYSTEM_PYTHON);
}

// Runs a Python program on `file` with Debian's interpreter; its standard output as JSON.
QJsonDocument python(const QString& program, const QString& file, QString& error)
{
    QProcess process;
    process.start(systemPython(), {QStringLiteral("-c"), program, file});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        error = QString::fromUtf8(process.readAllStandardError());
        return QJsonDocument();
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput());
}

bool pythonHas(const QString& module)
{
    if (systemPython().isEmpty())
        return false;
    QProcess process;
    process.start(systemPython(), {QStringLiteral("-c"), QStringLiteral("import ") + module});
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

// The records of a CSV file as Python's csv module reads it in strict mode.
QJsonDocument csvRecords(const QString& file, QString& error)
{
    return python(QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], encoding='utf-8', newline='') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, strict=True))))\n"),
                  file, error);
}

// The texts of an element and its children, in document order.
void texts(const QDomNode& node, QStringList& out)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText())
            out.append(child.nodeValue());
        else
            texts(child, out);
    }
}

} // namespace

class TestNCReportOutputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theHtmlIsOneWellFormedDocumentInReadingOrder()
    {
        QTemporaryDir dir;
        Customers c;
        QVERIFY2(c.report.load(), qPrintable(c.report.error().toString()));
        const QString file = dir.filePath(QStringLiteral("clientes.html"));
        QVERIFY2(c.report.runReportToHtml(file), qPrintable(c.report.error().toString()));
        QFile html(file);
        QVERIFY(html.open(QIODevice::ReadOnly));
        QDomDocument document;
        QString parseError;
        QVERIFY2(document.setContent(&html, &parseError), qPrintable(parseError));
        QVERIFY(document.toString().contains(QLatin1String("break-after: page")));
        const QDomNodeList divs = document.elementsByTagName(QStringLiteral("div"));
        int pages = 0;
        for (int i = 0; i < divs.size(); ++i)
            pages += divs.at(i).toElement().attribute(QStringLiteral("class")) == QLatin1String("page");
        QCOMPARE(pages, c.report.recordPages()->pageCount());
        QVERIFY(pages >= 3);

        QStringList words;
        texts(document.documentElement().firstChildElement(QStringLiteral("body")), words);
        for (QString& word : words)
            word = word.simplified();
        // The page header, then the first city (Ávila, sorted) and its first customer, column
        // by column.
        QCOMPARE(words.mid(0, 6), QStringList({QStringLiteral("Clientes por ciudad"), QStringLiteral("Código"),
                                               QStringLiteral("Nombre"), QStringLiteral("Alta"), QStringLiteral("Saldo"),
                                               QStringLiteral("Ávila")}));
        QCOMPARE(words.mid(6, 4), QStringList({QStringLiteral("C002"), QStringLiteral("Cliente, \"002\""),
                                               QStringLiteral("02/02/2024"), QStringLiteral("10,25 €")}));
        // Fonts and alignment come along.
        QVERIFY(document.toString().contains(QLatin1String("font-weight:bold")));
        QVERIFY(document.toString().contains(QLatin1String("justify-content:flex-end;text-align:right")));
    }

    void everySvgPageRendersWithItsText()
    {
        QTemporaryDir dir;
        Customers c;
        QVERIFY2(c.report.load(), qPrintable(c.report.error().toString()));
        const QString folder = dir.filePath(QStringLiteral("svg"));
        QVERIFY2(c.report.runReportToSvg(folder), qPrintable(c.report.error().toString()));
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), c.report.recordPages()->pageCount());
        QCOMPARE(files.first(), QStringLiteral("page-0001.svg"));
        for (const QString& name : files) {
            QSvgRenderer renderer(QDir(folder).filePath(name));
            QVERIFY2(renderer.isValid(), qPrintable(name));
            QImage image(renderer.defaultSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            QImage white(image.size(), QImage::Format_RGB32);
            white.fill(Qt::white);
            QVERIFY2(image != white, qPrintable(name));
        }
        QFile first(QDir(folder).filePath(files.first()));
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(first.readAll());
        QVERIFY(svg.contains(QLatin1String("<text")));
        QVERIFY(svg.contains(QLatin1String("Clientes por ciudad")));
        QVERIFY(svg.contains(QLatin1String("C002")));
    }

    void everyPageTellsTheNumberOfPages_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("PDF, painted from the recording") << QStringLiteral("pdf");
        QTest::newRow("HTML") << QStringLiteral("html");
    }

    void everyPageTellsTheNumberOfPages()
    {
        QFETCH(QString, format);
        if (format == QLatin1String("pdf"))
            REQUIRE_PDFTOTEXT();
        QTemporaryDir dir;
        Customers c;
        QVERIFY2(c.report.load(), qPrintable(c.report.error().toString()));
        const QString target = dir.filePath(QStringLiteral("clientes.") + format);
        QStringList pages;
        if (format == QLatin1String("pdf")) {
            QVERIFY2(c.report.runReportToPdf(target), qPrintable(c.report.error().toString()));
            for (const QString& page : pdfText(target).split(QLatin1Char('\f'))) {
                if (!page.trimmed().isEmpty())
                    pages.append(textLines(page).join(QLatin1Char(' ')));
            }
        } else {
            QVERIFY2(c.report.runReportToHtml(target), qPrintable(c.report.error().toString()));
            QFile html(target);
            QVERIFY(html.open(QIODevice::ReadOnly));
            QDomDocument document;
            QVERIFY(document.setContent(&html));
            const QDomNodeList divs = document.elementsByTagName(QStringLiteral("div"));
            for (int i = 0; i < divs.size(); ++i) {
                if (divs.at(i).toElement().attribute(QStringLiteral("class")) != QLatin1String("page"))
                    continue;
                QStringList words;
                texts(divs.at(i), words);
                pages.append(words.join(QLatin1Char(' ')));
            }
        }
        QCOMPARE(pages.size(), 3);
        for (int page = 0; page < pages.size(); ++page) {
            const QString footer = QStringLiteral("Página %1 de 3").arg(page + 1);
            QVERIFY2(pages.at(page).contains(footer), qPrintable(footer + QLatin1String(": ") + pages.at(page)));
        }
    }

    void theCsvHoldsTheDetailRowsAsTheDataGivesThem()
    {
        if (!pythonHas(QStringLiteral("csv")))
            QSKIP("Debian's /usr/bin/python3 is not installed");
        QTemporaryDir dir;
        Customers c;
        QVERIFY2(c.report.load(), qPrintable(c.report.error().toString()));
        const QString file = dir.filePath(QStringLiteral("clientes.csv"));
        QVERIFY2(c.report.runReportToCsv(file), qPrintable(c.report.error().toString()));
        QString error;
        const QJsonDocument rows = csvRecords(file, error);
        QVERIFY2(rows.isArray(), qPrintable(error));
        const QJsonArray records = rows.array();
        QCOMPARE(records.size(), 121);
        QCOMPARE(records.at(0).toArray().toVariantList(),
                 QVariantList({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Alta"), QStringLiteral("Saldo")}));
        // Sorted by city then name: Ávila's first customer is row 2 of the model.
        QCOMPARE(records.at(1).toArray().toVariantList(),
                 QVariantList({QStringLiteral("C002"), QStringLiteral("Cliente, \"002\""), QStringLiteral("2024-02-02"),
                               QStringLiteral("10.25")}));
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.readLine().endsWith("\r\n"));
    }

    void theCsvHoldsTheRowsOfEveryDetailUnderOneHeader_data()
    {
        QTest::addColumn<QString>("returnsHeader");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the second detail heads its columns with its own labels")
            << QStringLiteral("<group id=\"g\" expression=\"1\"><header height=\"6\">"
                              "<label x=\"0\" y=\"0\" width=\"60\" height=\"6\">Cliente</label>"
                              "<label x=\"70\" y=\"0\" width=\"30\" height=\"6\">Motivo</label></header></group>")
            << QStringLiteral("[[\"Cliente\",\"Importe\",\"Motivo\"],[\"Ana\",\"10.5\",\"\"],[\"Luis, hijo\",\"20\",\"\"],"
                              "[\"Eva\",\"\",\"Caja \\\"rota\\\"\"]]");
        QTest::newRow("a detail without labels is headed by its field names, not the first detail's labels")
            << QString()
            << QStringLiteral("[[\"Cliente\",\"Importe\",\"cliente\",\"motivo\"],[\"Ana\",\"10.5\",\"\",\"\"],[\"Luis, hijo\",\"20\",\"\",\"\"],"
                              "[\"\",\"\",\"Eva\",\"Caja \\\"rota\\\"\"]]");
    }

    void theCsvHoldsTheRowsOfEveryDetailUnderOneHeader()
    {
        QFETCH(QString, returnsHeader);
        QFETCH(QString, expected);
        if (!pythonHas(QStringLiteral("csv")))
            QSKIP("Debian's /usr/bin/python3 is not installed");
        const QString field = QStringLiteral("<field x=\"%1\" y=\"0\" width=\"%2\" height=\"6\">$D{%3}</field>");
        NCReport report;
        report.setReportSource(
            QStringLiteral(
                "<report name=\"Movimientos\"><datasources>"
                "<datasource id=\"ventas\" type=\"3\" delimiter=\";\" header=\"true\"><string>cliente;importe</string>"
                "<string>Ana;10.5</string><string>\"Luis, hijo\";20</string></datasource>"
                "<datasource id=\"devoluciones\" type=\"3\" delimiter=\";\" header=\"true\"><string>cliente;motivo</string>"
                "<string>Eva;\"Caja \"\"rota\"\"\"</string></datasource></datasources>"
                "<pageHeader height=\"8\"><label x=\"0\" y=\"0\" width=\"60\" height=\"6\">Cliente</label>"
                "<label x=\"70\" y=\"0\" width=\"30\" height=\"6\">Importe</label></pageHeader>"
                "<detail id=\"v\" dataSource=\"ventas\" height=\"6\">%1%2</detail>"
                "<detail id=\"d\" dataSource=\"devoluciones\" height=\"6\">%3%4%5</detail></report>")
                .arg(field.arg(0).arg(60).arg(QStringLiteral("cliente")), field.arg(70).arg(30).arg(QStringLiteral("importe")),
                     returnsHeader, field.arg(0).arg(60).arg(QStringLiteral("cliente")),
                     field.arg(70).arg(30).arg(QStringLiteral("motivo")))
                .toUtf8());
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("movimientos.csv"));
        QVERIFY2(report.runReportToCsv(file), qPrintable(report.error().toString()));
        QString error;
        const QJsonDocument records = csvRecords(file, error);
        QVERIFY2(records.isArray(), qPrintable(error));
        QCOMPARE(QString::fromUtf8(records.toJson(QJsonDocument::Compact)), expected);
    }

    void theSpreadsheetKeepsNumbersDatesAndFormats()
    {
        if (!pythonHas(QStringLiteral("openpyxl")))
            QSKIP("Debian's python3-openpyxl is not installed for /usr/bin/python3");
        QTemporaryDir dir;
        Customers c;
        QVERIFY2(c.report.load(), qPrintable(c.report.error().toString()));
        const QString file = dir.filePath(QStringLiteral("clientes.xlsx"));
        QVERIFY2(c.report.runReportToXlsx(file), qPrintable(c.report.error().toString()));
        QString error;
        const QJsonDocument sheet = python(
            QStringLiteral("import json, sys, datetime, openpyxl\n"
                           "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                           "def cell(c):\n"
                           "    v = c.value\n"
                           "    if isinstance(v, datetime.datetime): v = v.date().isoformat()\n"
                           "    return [v, type(c.value).__name__, c.number_format, bool(c.font.b)]\n"
                           "print(json.dumps({'rows': [[cell(c) for c in row] for row in ws.iter_rows()],\n"
                           "    'widths': [ws.column_dimensions[k].width for k in 'ABCDEF']}))\n"),
            file, error);
        QVERIFY2(sheet.isObject(), qPrintable(error));
        const QJsonArray rows = sheet.object().value(QStringLiteral("rows")).toArray();
        const auto at = [&rows](int row, int column) { return rows.at(row).toArray().at(column).toArray(); };
        const auto findRow = [&rows](const QString& text) {
            for (int row = 0; row < rows.size(); ++row) {
                if (rows.at(row).toArray().at(0).toArray().at(0).toString() == text)
                    return row;
            }
            return -1;
        };
        // The page header once, its labels over the detail's columns. Columns start where
        // items start: 0, 22, 60, 110, 112 and 140 mm.
        QCOMPARE(at(0, 0).at(0).toString(), QStringLiteral("Clientes por ciudad"));
        QCOMPARE(at(1, 5).at(0).toString(), QStringLiteral("Saldo"));
        QVERIFY(at(1, 5).at(3).toBool());
        QCOMPARE(findRow(QStringLiteral("Clientes por ciudad")), 0);
        int headers = 0;
        for (const QJsonValue& row : rows)
            headers += row.toArray().at(0).toArray().at(0).toString() == QLatin1String("Clientes por ciudad");
        QCOMPARE(headers, 1);
        // A group header, then its first row: a text, a date as a date, money as a number.
        const int avila = findRow(QStringLiteral("Ávila"));
        QVERIFY(avila > 0);
        QCOMPARE(at(avila + 1, 0).at(0).toString(), QStringLiteral("C002"));
        QCOMPARE(at(avila + 1, 3).at(0).toString(), QStringLiteral("2024-02-02"));
        QCOMPARE(at(avila + 1, 3).at(1).toString(), QStringLiteral("datetime"));
        QCOMPARE(at(avila + 1, 3).at(2).toString(), QStringLiteral("dd/mm/yyyy"));
        QCOMPARE(at(avila + 1, 5).at(0).toDouble(), 10.25);
        QCOMPARE(at(avila + 1, 5).at(1).toString(), QStringLiteral("float"));
        QCOMPARE(at(avila + 1, 5).at(2).toString(), QStringLiteral("#,##0.00 €"));
        // The group footer is a row of its own, its sum a number.
        const int footer = findRow(QStringLiteral("Total Ávila"));
        QVERIFY(footer > avila);
        QCOMPARE(at(footer, 2).at(0).toDouble(), 40.0);
        QCOMPARE(at(footer, 2).at(2).toString(), QStringLiteral("#,##0"));
        // The grand total.
        const int total = findRow(QStringLiteral("Total general"));
        QCOMPARE(total, rows.size() - 1);
        QCOMPARE(at(total, 5).at(0).toDouble(), c.total);
        QCOMPARE(at(total, 5).at(2).toString(), QStringLiteral("#,##0.00 €"));
        // No page footer, and columns as wide as their items (Nombre's 88 mm the widest).
        QCOMPARE(findRow(QStringLiteral("Página 1 de 3")), -1);
        const QJsonArray widths = sheet.object().value(QStringLiteral("widths")).toArray();
        QVERIFY(widths.at(1).toDouble() > widths.at(0).toDouble() * 3);
    }

    void spreadsheetNumberFormatsFollowTheFieldAndLocale_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("money in Spain") << int(NCReportValueFormat::Currency) << 2 << QString() << "es_ES" << "#,##0.00 €";
        QTest::newRow("money in the United States") << int(NCReportValueFormat::Currency) << 2 << QString() << "en_US" << "$#,##0.00";
        QTest::newRow("a whole number") << int(NCReportValueFormat::Number) << 0 << QString() << "es_ES" << "#,##0";
        QTest::newRow("three decimals") << int(NCReportValueFormat::Number) << 3 << QString() << "C" << "#,##0.000";
        QTest::newRow("a date with words") << int(NCReportValueFormat::Date) << 2 << "d 'de' MMMM 'de' yyyy" << "es_ES"
                                          << "d \"de\" mmmm \"de\" yyyy";
        QTest::newRow("a date and time") << int(NCReportValueFormat::DateTime) << 2 << "dd/MM/yy HH:mm:ss" << "es_ES"
                                        << "dd/mm/yy hh:mm:ss";
        QTest::newRow("a twelve-hour time") << int(NCReportValueFormat::DateTime) << 2 << "h:mm AP" << "en_US" << "h:mm AM/PM";
        QTest::newRow("text has none") << int(NCReportValueFormat::Text) << 2 << QString() << "es_ES" << QString();
    }

    void spreadsheetNumberFormatsFollowTheFieldAndLocale()
    {
        QFETCH(int, type);
        QFETCH(int, decimals);
        QFETCH(QString, dateFormat);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        NCReportValueFormat format;
        format.type = NCReportValueFormat::Type(type);
        format.decimals = decimals;
        format.dateFormat = dateFormat;
        QCOMPARE(NCReportXlsxWriter::numberFormat(format, QLocale(locale)), expected);
    }

    void anOutputThatCannotBeWrittenSaysWhichAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("output");
        QTest::newRow("HTML") << "html";
        QTest::newRow("CSV") << "csv";
        QTest::newRow("XLSX") << "xlsx";
        QTest::newRow("SVG") << "svg";
    }

    void anOutputThatCannotBeWrittenSaysWhichAndLeavesNothing()
    {
        QFETCH(QString, output);
        QTemporaryDir dir;
        Customers c;
        QVERIFY2(c.report.load(), qPrintable(c.report.error().toString()));
        // A folder that does not exist, or (for SVG) a file where the folder should be.
        QFile blocker(dir.filePath(QStringLiteral("ocupado")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString target = output == QLatin1String("svg") ? blocker.fileName() + QStringLiteral("/svg")
                                                              : dir.filePath(QStringLiteral("falta/informe.") + output);
        bool ok = true;
        if (output == QLatin1String("html"))
            ok = c.report.runReportToHtml(target);
        else if (output == QLatin1String("csv"))
            ok = c.report.runReportToCsv(target);
        else if (output == QLatin1String("xlsx"))
            ok = c.report.runReportToXlsx(target);
        else
            ok = c.report.runReportToSvg(target);
        QVERIFY(!ok);
        QVERIFY2(c.report.error().message.contains(target), qPrintable(c.report.error().message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("ocupado")}));
    }
};

MIROKIT_TEST_MAIN(TestNCReportOutputs)
#include "tst_ncreportoutputs.moc"
