// How report values are read, printed and ordered: numbers of every width, dates where a day
// does not begin at midnight, delimited text with stray quotes, sort keys, and the data sources
// that the report header and footer read.
#include "mirokittest.h"
#include "reporttest.h"

#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportdetail.h>
#include <ncreportevaluator.h>
#include <ncreportitemmodeldatasource.h>
#include <ncreportrowsorter.h>
#include <ncreportstringlistdatasource.h>
#include <ncreporttextdatasource.h>

#include <QStandardItemModel>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>

using namespace reporttest;

namespace {

// Every test here runs where daylight saving time began at midnight on 4 November 2018: that day
// had no 00:00, so a date taken for its local midnight is no moment at all under Qt 5. Set
// before main(), ahead of any date work.
const bool timeZoneSet = [] {
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
    return true;
}();

// An item model of one column "v" holding `values` as they are, whatever their type.
void fillColumn(QStandardItemModel& model, const QVariantList& values)
{
    model.clear();
    model.setHorizontalHeaderLabels({QStringLiteral("v")});
    for (const QVariant& value : values) {
        auto* item = new QStandardItem;
        item->setData(value, Qt::DisplayRole);
        model.appendRow(item);
    }
}

// The values of column 0 of `source` in the order `keys` sort its rows.
QVariantList sortedValues(NCReportDataSource* source, const QVector<NCReportSortKey>& keys)
{
    QVector<int> order;
    QString missing;
    if (!source->open() || !NCReportRowSorter(QLocale(QLocale::Spanish, QLocale::Spain)).sort(source, keys, order, missing))
        return {};
    source->setRowOrder(order);
    QVariantList values;
    for (int row = 0; source->seek(row); ++row)
        values.append(source->value(0));
    source->close();
    return values;
}

// The detail of a report over a three-column string list, sorted by `sort`.
QByteArray sortedReport(const QString& sort)
{
    return QString::fromUtf8(report(QStringLiteral("<datasource id=\"ds\" type=\"3\" delimiter=\";\">"
                                                   "<string>Soria;Eva;5</string><string>Ávila;Ana;10</string></datasource>"),
                                    QString()))
        .replace(QStringLiteral("<detail "), QStringLiteral("<detail sort=\"%1\" ").arg(sort))
        .toUtf8();
}

} // namespace

class TestNCReportValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Q_UNUSED(timeZoneSet);
        QCOMPARE(qgetenv("TZ"), QByteArray("America/Sao_Paulo"));
    }

    void numbersOfEveryWidthPrintAndSortAsNumbers_data()
    {
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("printed");
        const auto list = [](auto a, auto b, auto c, auto d) {
            return QVariantList{QVariant::fromValue(a), QVariant::fromValue(b), QVariant::fromValue(c), QVariant::fromValue(d)};
        };
        QTest::newRow("short") << list(short(10), short(100), short(2), short(-9)) << "10,00 100,00 2,00 -9,00";
        QTest::newRow("unsigned short") << list(ushort(10), ushort(100), ushort(2), ushort(1234))
                                        << "10,00 100,00 2,00 1.234,00";
        QTest::newRow("long") << list(long(10), long(100), long(2), long(-9)) << "10,00 100,00 2,00 -9,00";
        QTest::newRow("unsigned long") << list(ulong(10), ulong(100), ulong(2), ulong(1234))
                                       << "10,00 100,00 2,00 1.234,00";
        QTest::newRow("qint8") << list(qint8(10), qint8(100), qint8(2), qint8(-9)) << "10,00 100,00 2,00 -9,00";
        QTest::newRow("char") << list(char(10), char(100), char(2), char(9)) << "10,00 100,00 2,00 9,00";
        QTest::newRow("quint8") << list(quint8(10), quint8(100), quint8(2), quint8(9)) << "10,00 100,00 2,00 9,00";
    }

    void numbersOfEveryWidthPrintAndSortAsNumbers()
    {
        QFETCH(QVariantList, values);
        const QLocale spanish(QLocale::Spanish, QLocale::Spain);
        NCReportValueFormat format;
        format.type = NCReportValueFormat::Number;
        QStringList printed;
        for (const QVariant& value : values)
            printed.append(format.text(value, spanish));
        QTEST(printed.join(QLatin1Char(' ')), "printed");
        // Without a format too, in the C locale.
        QCOMPARE(NCReportEvaluator::valueText(values.last()), QString::number(values.last().toDouble()));

        QStandardItemModel model;
        fillColumn(model, values);
        NCReportItemModelDataSource source(QStringLiteral("ds"));
        source.setItemModel(&model);
        QVariantList ascending = values;
        std::sort(ascending.begin(), ascending.end(), [](const QVariant& a, const QVariant& b) {
            return a.toDouble() < b.toDouble();
        });
        QCOMPARE(sortedValues(&source, {{QStringLiteral("v"), false}}), ascending);
    }

    void datesPrintAndSortAsDates_data()
    {
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("dates")
            << QVariantList{QDate(2018, 11, 5), QDate(2018, 11, 4), QDate(2018, 11, 6), QDate(2018, 11, 3)}
            << "5/11/18 4/11/18 6/11/18 3/11/18" << QList<int>{3, 1, 0, 2};
        QTest::newRow("dates held as ISO text") << QVariantList{"2018-11-05", "2018-11-04", "2018-11-06", "2018-11-03"}
                                                << "5/11/18 4/11/18 6/11/18 3/11/18" << QList<int>{3, 1, 0, 2};
        QTest::newRow("dates among dates and times")
            << QVariantList{QDateTime(QDate(2018, 11, 5), QTime(0, 0)), QDate(2018, 11, 4),
                            QDateTime(QDate(2018, 11, 4), QTime(23, 0)), QDate(2018, 11, 3)}
            << "5/11/18 4/11/18 4/11/18 3/11/18" << QList<int>{3, 1, 2, 0};
    }

    void datesPrintAndSortAsDates()
    {
        QFETCH(QVariantList, values);
        QFETCH(QList<int>, order);
        const QLocale spanish(QLocale::Spanish, QLocale::Spain);
        NCReportValueFormat format;
        format.type = NCReportValueFormat::Date;
        format.dateFormat = QStringLiteral("d/M/yy");
        QStringList printed;
        for (const QVariant& value : values)
            printed.append(format.text(value, spanish));
        QTEST(printed.join(QLatin1Char(' ')), "printed");

        QStandardItemModel model;
        fillColumn(model, values);
        NCReportItemModelDataSource source(QStringLiteral("ds"));
        source.setItemModel(&model);
        QVariantList sorted;
        for (int row : order)
            sorted.append(values.at(row));
        QCOMPARE(sortedValues(&source, {{QStringLiteral("v"), false}}), sorted);
    }

    void dateFormatsShowingOnlyTheWeekdayAreAccepted_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("the weekday's name") << "format=\"date\" dateFormat=\"dddd\"";
        QTest::newRow("the weekday's short name, of a date and time") << "format=\"datetime\" dateFormat=\"'el' ddd\"";
    }

    void dateFormatsShowingOnlyTheWeekdayAreAccepted()
    {
        QFETCH(QString, field);
        NCReport report;
        report.setReportSource(
            ::report(QStringLiteral("<datasource id=\"ds\" type=\"3\"/>"),
                     QStringLiteral("<field x=\"0\" y=\"0\" width=\"9\" height=\"5\" %1>$D{col0}</field>").arg(field)));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
    }

    void quotesOpenAFieldOnlyAtItsStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("an inch mark inside a field is text")
            << "Monitor 24\";199\nTeclado;20\nRatón;15\nCable;3\n"
            << QStringList{"Monitor 24\"|199", "Teclado|20", "Ratón|15", "Cable|3"};
        QTest::newRow("inch marks in two fields of a line")
            << "Tubo 1\" a 2\";4\nCodo;5\n" << QStringList{"Tubo 1\" a 2\"|4", "Codo|5"};
        QTest::newRow("a quote after the text of a field is text")
            << "24\";\"x\"\n7;8\n" << QStringList{"24\"|x", "7|8"};
        QTest::newRow("a quoted field holds the delimiter and a doubled quote")
            << "\"a;b\";\"di \"\"sí\"\"\"\n1;2\n" << QStringList{"a;b|di \"sí\"", "1|2"};
        QTest::newRow("a quoted field holds a line break") << "\"dos\nlíneas\";1\n" << QStringList{"dos\nlíneas|1"};
        QTest::newRow("a quoted field after a field with an inch mark")
            << "5\";\"x;\ny\"\n" << QStringList{"5\"|x;\ny"};
    }

    void quotesOpenAFieldOnlyAtItsStart()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("datos.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        NCReportTextDataSource fromFile(QStringLiteral("f"));
        fromFile.setDelimiter(QLatin1Char(';'));
        fromFile.setSource(file.fileName());
        QVERIFY2(fromFile.open(), qPrintable(fromFile.errorString()));
        QCOMPARE(rowsOf(&fromFile), rows);

        // Lines given as strings split the same way.
        if (std::any_of(rows.cbegin(), rows.cend(), [](const QString& row) { return row.contains(QLatin1Char('\n')); }))
            return;
        NCReportStringListDataSource fromStrings(QStringLiteral("s"));
        fromStrings.setDelimiter(QLatin1Char(';'));
        fromStrings.setStrings(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
        QVERIFY(fromStrings.open());
        QCOMPARE(rowsOf(&fromStrings), rows);
    }

    void repeatedSortColumnsAreDropped_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QString>("kept");
        QTest::newRow("a column named twice keeps its first direction") << "col1 desc, col0, col1" << "col1 desc, col0";
        QTest::newRow("a column named thousands of times") << QStringLiteral("col0, ").repeated(1999) + QStringLiteral("col0")
                                                           << "col0";
        QTest::newRow("as many columns as the source has") << "col2, col1 desc, col0" << "col2, col1 desc, col0";
    }

    void repeatedSortColumnsAreDropped()
    {
        QFETCH(QString, sort);
        NCReport report;
        report.setReportSource(sortedReport(sort));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        QStringList kept;
        for (const NCReportSortKey& key : report.reportDef()->details().at(0).sort)
            kept.append(key.column + (key.descending ? QStringLiteral(" desc") : QString()));
        QTEST(kept.join(QStringLiteral(", ")), "kept");
        QVector<QImage> pages;
        QVERIFY2(report.runReportToImages(pages, 10), qPrintable(report.error().toString()));
    }

    void moreSortColumnsThanTheSourceHasAreALoadError_data()
    {
        QTest::addColumn<QString>("dataSource");
        QTest::newRow("a string list") << "<datasource id=\"ds\" type=\"3\" delimiter=\";\">"
                                          "<string>Soria;Eva;5</string></datasource>";
        QTest::newRow("a string list with a header") << "<datasource id=\"ds\" type=\"3\" delimiter=\";\" header=\"true\">"
                                                        "<string>a;b;c</string><string>1;2;3;4;5</string></datasource>";
        QTest::newRow("an item model registered before loading") << "<datasource id=\"ds\" type=\"4\" itemModel=\"m\"/>";
    }

    void moreSortColumnsThanTheSourceHasAreALoadError()
    {
        QFETCH(QString, dataSource);
        QStandardItemModel model(1, 3);
        NCReport report;
        report.addItemModel(QStringLiteral("m"), &model);
        report.setReportSource(QString::fromUtf8(::report(dataSource, QString()))
                                   .replace(QStringLiteral("<detail "), QStringLiteral("<detail sort=\"a, b, c, col0\" "))
                                   .toUtf8());
        QVERIFY(!report.load());
        QCOMPARE(report.error().toString(),
                 QStringLiteral("4: The detail d is sorted by 4 columns, more than its data source ds has (3)"));
    }

    void reportHeaderAndFooterReadTheDetailSources()
    {
        REQUIRE_PDFTOTEXT();
        QByteArray xml = report(
            QStringLiteral("<datasource id=\"p\" type=\"3\" delimiter=\";\" header=\"true\"><string>nombre;importe</string>"
                           "<string>Ana;10</string><string>Luis;30</string><string>Eva;20</string></datasource>"),
            QStringLiteral("<field x=\"0\" y=\"0\" width=\"90\" height=\"6\">fila $D{nombre}</field>"),
            QStringLiteral("<reportHeader height=\"8\"><field x=\"0\" y=\"0\" width=\"190\" height=\"6\">"
                           "$D{p.count()} filas desde $D{p.nombre}</field></reportHeader>"
                           "<reportFooter height=\"8\"><field x=\"0\" y=\"0\" width=\"190\" height=\"6\">"
                           "$D{p.count()} filas hasta $D{p.nombre}, suma $D{p.sum(importe)}</field></reportFooter>"));
        xml.replace("dataSource=\"ds\"", "dataSource=\"p\" sort=\"importe desc\"");
        NCReport report;
        report.setReportSource(xml);
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cabecera.pdf"));
        QVERIFY2(report.runReportToPdf(pdf), qPrintable(report.error().toString()));
        QCOMPARE(textLines(pdfText(pdf)), (QStringList{"3 filas desde Luis", "fila Luis", "fila Eva", "fila Ana",
                                                       "3 filas hasta Ana, suma 60"}));
        // The run closes what it opened.
        QVERIFY(!report.reportDef()->dataSource(QStringLiteral("p"))->isOpen());
    }
};

MIROKIT_TEST_MAIN(TestNCReportValues)
#include "tst_ncreportvalues.moc"
