#include "mirokittest.h"
#include "reporttest.h"

#include <ncreport.h>
#include <ncreportpreview.h>
#include <ncreportrecordedpages.h>
#include <ncreportrecordingoutput.h>

#include <QPdfWriter>
#include <QTemporaryDir>

using namespace reporttest;

namespace {

QString strings(const QStringList& rows)
{
    QString xml;
    for (const QString& row : rows)
        xml += QStringLiteral("<string>%1</string>").arg(row);
    return xml;
}

// Sales of three cities, grouped with totals, a page header with a picture, "Page n of m" and a
// page break before every city.
QByteArray salesReport(const QString& imageFile)
{
    return QStringLiteral(
               "<report name=\"Ventas\" pageSize=\"A5\">"
               "<datasources><datasource id=\"ds\" type=\"3\" delimiter=\";\" header=\"true\">%1</datasource></datasources>"
               "<variables><variable id=\"total\" expression=\"$D{ds.importe}\" resetGroup=\"ciudad\"/></variables>"
               "<pageHeader height=\"12\"><image x=\"0\" y=\"0\" width=\"10\" height=\"10\" file=\"%2\"/>"
               "<label x=\"12\" y=\"0\" width=\"60\" height=\"8\" bold=\"true\" color=\"#1f4e79\">Ventas</label></pageHeader>"
               "<pageFooter height=\"6\"><field x=\"0\" y=\"0\" width=\"80\" height=\"5\" align=\"right\">"
               "Page $V{pageNumber} of $V{pageCount}</field></pageFooter>"
               "<detail id=\"d\" dataSource=\"ds\" height=\"6\">"
               "<group id=\"ciudad\" expression=\"$D{ds.ciudad}\" pageBreak=\"1\">"
               "<header height=\"7\"><rectangle x=\"0\" y=\"0\" width=\"80\" height=\"6\" fill=\"#dde8f3\"/>"
               "<field x=\"1\" y=\"0\" width=\"60\" height=\"6\" bold=\"true\">$D{ciudad}</field></header>"
               "<footer height=\"7\"><line x1=\"40\" y1=\"0.5\" x2=\"80\" y2=\"0.5\"/>"
               "<field x=\"0\" y=\"1\" width=\"80\" height=\"6\" align=\"right\">$V{total}</field></footer></group>"
               "<field x=\"2\" y=\"0\" width=\"40\" height=\"6\">$D{nombre}</field>"
               "<label x=\"44\" y=\"0\" width=\"10\" height=\"6\" printWhen=\"$D{importe} &gt; 15\">*</label>"
               "<barcode x=\"55\" y=\"0.5\" width=\"10\" height=\"5\" barcodeType=\"7\">C$D{codigo}</barcode>"
               "<field x=\"60\" y=\"0\" width=\"20\" height=\"6\" align=\"right\" source=\"datasource\">importe</field>"
               "</detail></report>")
        .arg(strings({QStringLiteral("ciudad;nombre;importe;codigo"), QStringLiteral("Madrid;Ana;10;1001"),
                      QStringLiteral("Madrid;Luis;20.5;1002"), QStringLiteral("Soria;Eva;5;1003"),
                      QStringLiteral("Soria;Íñigo;30;1004"), QStringLiteral("Teruel;Juan;7.25;1005")}),
             imageFile)
        .toUtf8();
}

// `rows` rows of a number and a picture each, a page for every row; `sections` go before the
// detail.
QByteArray pagePerRow(int rows, const QString& imageFile = QString(), const QString& sections = QString())
{
    QStringList lines;
    for (int row = 0; row < rows; ++row)
        lines.append(QString::number(row + 1));
    const QString image = imageFile.isEmpty() ? QString()
                                              : QStringLiteral("<image x=\"0\" y=\"20\" width=\"50\" height=\"50\" file=\"%1\"/>")
                                                    .arg(imageFile);
    return QStringLiteral("<report name=\"Paginas\" locale=\"en_US\"><datasources><datasource id=\"ds\" type=\"3\">%1"
                          "</datasource></datasources>%3<detail id=\"d\" dataSource=\"ds\" height=\"80\" pageBreak=\"1\">"
                          "<field x=\"0\" y=\"0\" width=\"150\" height=\"15\" fontSize=\"30\">Row $D{col0}</field>%2"
                          "</detail></report>")
        .arg(strings(lines), image, sections)
        .toUtf8();
}

QString writeImage(const QTemporaryDir& dir, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    const QString fileName = dir.filePath(QStringLiteral("logo.png"));
    return image.save(fileName, "PNG") ? fileName : QString();
}

// A footer that prints the number of pages twice: in a sentence and alone, as a number of the
// report's locale.
const QString pageCountFooter = QStringLiteral(
    "<pageFooter height=\"6\"><field x=\"0\" y=\"0\" width=\"80\" height=\"5\" format=\"number\" decimals=\"0\">"
    "Page $V{pageNumber} of $V{pageCount}</field><field x=\"100\" y=\"0\" width=\"20\" height=\"5\" format=\"number\" "
    "decimals=\"0\">$V{pageCount}</field></pageFooter>");

// The texts printed on page `page`, top to bottom.
QStringList textsOf(const NCReportRecordedPages& pages, int page)
{
    QStringList texts;
    for (const NCReportBand& band : pages.bands(page)) {
        for (const NCReportBandItem& item : band.items)
            texts.append(item.text);
    }
    return texts;
}

// The band items that printed `text`, over every page.
QVector<NCReportBandItem> printed(const NCReportRecordedPages& pages, const QString& text)
{
    QVector<NCReportBandItem> found;
    for (int page = 0; page < pages.pageCount(); ++page) {
        for (const NCReportBand& band : pages.bands(page)) {
            for (const NCReportBandItem& item : band.items) {
                if (item.text == text)
                    found.append(item);
            }
        }
    }
    return found;
}

} // namespace

class TestNCReportRecording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replayingTheRecordingPaintsWhatARunPaints_data()
    {
        QTest::addColumn<bool>("salesReport");
        QTest::addColumn<bool>("pageCount");
        QTest::newRow("a grouped report with a picture, totals, conditions and page numbers") << true << false;
        QTest::newRow("the same printing the number of pages, painted from its recording") << true << true;
        QTest::newRow("a page for every row") << false << false;
    }

    void replayingTheRecordingPaintsWhatARunPaints()
    {
        QFETCH(bool, salesReport);
        QFETCH(bool, pageCount);
        QTemporaryDir dir;
        NCReport report;
        QByteArray xml = salesReport ? ::salesReport(writeImage(dir, QSize(40, 40))) : pagePerRow(5);
        if (!pageCount)
            xml.replace(" of $V{pageCount}", "");
        report.setReportSource(xml);
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        QVector<QImage> painted;
        QVERIFY2(report.runReportToImages(painted, 72), qPrintable(report.error().toString()));
        const auto recorded = report.recordPages();
        QVERIFY(recorded);
        QCOMPARE(recorded->pageCount(), painted.size());
        QVERIFY(painted.size() >= 3);
        for (int page = 0; page < painted.size(); ++page)
            QVERIFY2(recorded->pageImage(page, 72) == painted.at(page), qPrintable(QString::number(page)));
        QVERIFY(recorded->pageImage(painted.size(), 72).isNull());
    }

    void pagingThroughAPreviewRunsTheReportOnce()
    {
        CountingProvider provider;
        NCReport report;
        report.setCustomDataSourceProvider(&provider);
        report.setReportSource(pagePerRow(300));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const qint64 budget = qint64(8) << 20; // two or three pages at 96 dpi
        // Loading reads the inline strings once, to check the columns the detail uses.
        const int readsToLoad = provider.reads;
        NCReportPreview preview(&report, 96, budget);
        QCOMPARE(provider.reads, readsToLoad);
        QCOMPARE(preview.pageCount(), 300);
        for (int page = 0; page < 300; page += 7)
            QVERIFY(!preview.page(page).isNull());
        const QImage first = preview.page(0);
        QCOMPARE(preview.page(299), preview.page(299));
        QVERIFY(preview.cachedBytes() <= budget);
        QCOMPARE(provider.reads, readsToLoad + 1);
        QVERIFY(preview.page(300).isNull());
        QVERIFY(preview.page(-1).isNull());

        // A preview of the same recording paints the same pages without a run.
        NCReportPreview again(preview.recordedPages(), 96, budget);
        QCOMPARE(again.page(0), first);
        QCOMPARE(provider.reads, readsToLoad + 1);

        preview.reset();
        QCOMPARE(preview.page(0), first);
        QCOMPARE(provider.reads, readsToLoad + 2);
    }

    void anImagePrintedOnEveryPageIsHeldOnce()
    {
        QTemporaryDir dir;
        const QSize size(600, 600);
        NCReport report;
        report.setReportSource(pagePerRow(400, writeImage(dir, size)));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const auto recorded = report.recordPages();
        QVERIFY(recorded);
        QCOMPARE(recorded->pageCount(), 400);
        const qint64 imageBytes = qint64(size.width()) * size.height() * 4;
        QVERIFY2(recorded->memoryBytes() < imageBytes + (qint64(1) << 20), qPrintable(QString::number(recorded->memoryBytes())));
        const qint64 key = recorded->bands(0).first().images.value(0).cacheKey();
        QCOMPARE(recorded->bands(399).first().images.value(0).cacheKey(), key);
    }

    void fieldsKeepTheValuesTheyPrint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("a total that is one reference stays a number") << QStringLiteral("30.5") << QVariant(30.5);
        QTest::newRow("a column keeps what its source holds") << QStringLiteral("Íñigo") << QVariant(QStringLiteral("Íñigo"));
        QTest::newRow("text around references has no single value") << QStringLiteral("Page 1 of 3") << QVariant();
        QTest::newRow("a label has no value") << QStringLiteral("Ventas") << QVariant();
    }

    void fieldsKeepTheValuesTheyPrint()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        NCReport report;
        report.setReportSource(salesReport(QString()));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const auto recorded = report.recordPages();
        QVERIFY(recorded);
        const QVector<NCReportBandItem> items = printed(*recorded, text);
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.first().value, value);
    }

    void findListsEveryMatchInReadingOrder()
    {
        NCReport report;
        report.setReportSource(salesReport(QString()));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const auto recorded = report.recordPages();
        QVERIFY(recorded);
        QCOMPARE(recorded->pageCount(), 3);
        const QVector<NCReportRecordedPages::Match> pages = recorded->find(QStringLiteral("page "));
        QCOMPARE(pages.size(), 3);
        for (int page = 0; page < 3; ++page)
            QCOMPARE(pages.at(page).page, page);
        const QVector<NCReportRecordedPages::Match> soria = recorded->find(QStringLiteral("SORIA"));
        QCOMPARE(soria.size(), 1);
        QCOMPARE(soria.first().page, 1);
        // The group header's field, placed on the paper: under the margin and the page header.
        const QMarginsF margins = recorded->pageLayout().margins(QPageLayout::Millimeter);
        QCOMPARE(soria.first().rect, QRectF(margins.left() + 1, margins.top() + 12, 60, 6));
        QVERIFY(recorded->find(QStringLiteral("Soria"), Qt::CaseSensitive).size() == 1);
        QVERIFY(recorded->find(QStringLiteral("SORIA"), Qt::CaseSensitive).isEmpty());
        QVERIFY(recorded->find(QString()).isEmpty());
    }

    void aCancelledRunStopsBeforeTheNextPageAndKeepsWhatItMade()
    {
        NCReport report;
        report.setReportSource(pagePerRow(50));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        NCReportRecordingOutput output;
        QVector<int> seen;
        output.setPageHandler([&](int pages) {
            seen.append(pages);
            return pages < 3;
        });
        QVERIFY(!report.run(&output));
        QVERIFY(output.wasCancelled());
        QVERIFY2(report.error().message.contains(QLatin1String("cancelled")), qPrintable(report.error().toString()));
        QCOMPARE(seen, QVector<int>({1, 2, 3}));
        QCOMPARE(output.pages()->pageCount(), 3);
        QCOMPARE(printed(*output.pages(), QStringLiteral("Row 3")).size(), 1);
    }

    void aReportThatPrintsItsNumberOfPagesIsLaidOutOnce_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cancelAfter");
        QTest::addColumn<int>("pages");
        QTest::newRow("a run to the end") << 1100 << 0 << 1100;
        QTest::newRow("a long run cancelled on its second page keeps two pages of two") << 5000 << 2 << 2;
    }

    void aReportThatPrintsItsNumberOfPagesIsLaidOutOnce()
    {
        QFETCH(int, rows);
        QFETCH(int, cancelAfter);
        QFETCH(int, pages);
        CountingProvider provider;
        NCReport report;
        report.setCustomDataSourceProvider(&provider);
        report.setReportSource(pagePerRow(rows, QString(), pageCountFooter));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const int readsToLoad = provider.reads;
        NCReportRecordingOutput output;
        QVector<int> readsAtEachPage;
        output.setPageHandler([&](int complete) {
            readsAtEachPage.append(provider.reads - readsToLoad);
            return complete != cancelAfter;
        });
        QCOMPARE(report.run(&output), cancelAfter == 0);
        // Every page is handed over as it is laid out, the data read once: nothing ran before.
        QCOMPARE(readsAtEachPage, QVector<int>(pages, 1));
        QCOMPARE(provider.reads - readsToLoad, 1);
        const auto& recorded = *output.pages();
        QCOMPARE(recorded.pageCount(), pages);
        QVERIFY(!recorded.isPageCountPending());
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QString total = english.toString(pages);
        for (int page : {0, pages - 1}) {
            QCOMPARE(textsOf(recorded, page),
                     QStringList({QStringLiteral("Row %1").arg(page + 1),
                                  QStringLiteral("Page %1 of %2").arg(english.toString(page + 1), total), total}));
        }
        // The number alone is a number for the outputs that keep values.
        QCOMPARE(recorded.bands(0).last().items.last().value, QVariant(pages));
    }

    void aReportThatNeedsItsNumberOfPagesToLayItselfOutCountsThemAndCanBeCancelled()
    {
        CountingProvider provider;
        NCReport report;
        report.setCustomDataSourceProvider(&provider);
        // The last page alone prints an end mark.
        report.setReportSource(pagePerRow(
            40, QString(),
            QStringLiteral("<pageFooter height=\"6\"><label x=\"0\" y=\"0\" width=\"20\" height=\"5\" "
                           "printWhen=\"$V{pageNumber} == $V{pageCount}\">End</label></pageFooter>")));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const int readsToLoad = provider.reads;
        const auto recorded = report.recordPages();
        QVERIFY2(recorded, qPrintable(report.error().toString()));
        QCOMPARE(recorded->pageCount(), 40);
        QCOMPARE(provider.reads - readsToLoad, 2);
        QCOMPARE(recorded->find(QStringLiteral("End")).size(), 1);
        QCOMPARE(recorded->find(QStringLiteral("End")).first().page, 39);

        NCReportRecordingOutput output;
        QVector<int> seen;
        output.setPageHandler([&](int complete) {
            seen.append(complete);
            return seen.size() < 3;
        });
        QVERIFY(!report.run(&output));
        QVERIFY(output.wasCancelled());
        // Cancelled while counting, after its third page: nothing was recorded.
        QCOMPARE(seen, QVector<int>({0, 0, 0}));
        QCOMPARE(output.pages()->pageCount(), 0);
    }

    void aRunThatFailsMidwayKeepsThePagesItMade()
    {
        QByteArray xml = pagePerRow(4);
        xml.replace("</report>", "<detail id=\"e\" dataSource=\"ds\" height=\"10\" sort=\"falta\"/></report>");
        NCReport report;
        report.setReportSource(xml);
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        NCReportRecordingOutput output;
        QVERIFY(!report.run(&output));
        QVERIFY(report.error().message.contains(QLatin1String("falta")));
        QCOMPARE(output.pages()->pageCount(), 4);
        QVERIFY(!report.recordPages());
    }

    void printingReplaysTheChosenPagesAndCopies()
    {
        REQUIRE_PDFTOTEXT();
        QTemporaryDir dir;
        NCReport report;
        report.setReportSource(pagePerRow(6));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const auto recorded = report.recordPages();
        QVERIFY(recorded);
        const QString fileName = dir.filePath(QStringLiteral("copias.pdf"));
        {
            QPdfWriter writer(fileName);
            QVERIFY(recorded->print(&writer, 1, 2, 2));
        }
        const QStringList pages = pdfText(fileName).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QStringList rows;
        for (const QString& page : pages) {
            if (!page.trimmed().isEmpty())
                rows.append(textLines(page).join(QLatin1Char(' ')));
        }
        QCOMPARE(rows, QStringList({QStringLiteral("Row 2"), QStringLiteral("Row 3"), QStringLiteral("Row 2"),
                                    QStringLiteral("Row 3")}));
        // A range without pages prints nothing.
        QPdfWriter empty(dir.filePath(QStringLiteral("nada.pdf")));
        QVERIFY(!recorded->print(&empty, 4, 2));
    }
};

MIROKIT_TEST_MAIN(TestNCReportRecording)
#include "tst_ncreportrecording.moc"
