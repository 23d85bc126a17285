#include "mirokittest.h"
#include "reporttest.h"

#include <ncreport.h>
#include <ncreportpreviewwindow.h>
#include <ncreportrecordedpages.h>

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

using namespace reporttest;

namespace {

// `rows` rows, a page for every row, each page saying "Row n"; `sections` go before the detail.
QByteArray pagePerRow(int rows, const QString& detailExtra = QString(), const QString& sections = QString())
{
    QString lines;
    for (int row = 0; row < rows; ++row)
        lines += QStringLiteral("<string>%1</string>").arg(row + 1);
    return QStringLiteral("<report name=\"Filas\"><datasources><datasource id=\"ds\" type=\"3\">%1</datasource>"
                          "</datasources>%3<detail id=\"d\" dataSource=\"ds\" height=\"80\" pageBreak=\"1\" %2>"
                          "<field x=\"0\" y=\"0\" width=\"150\" height=\"15\" fontSize=\"30\">Row $D{col0}</field>"
                          "</detail></report>")
        .arg(lines, detailExtra, sections)
        .toUtf8();
}

struct Fixture {
    explicit Fixture(int rows, const QString& detailExtra = QString())
    {
        report.setReportSource(pagePerRow(rows, detailExtra));
        loaded = report.load();
        window.resize(900, 700);
    }
    NCReport report;
    NCReportPreviewWindow window;
    bool loaded = false;
};

QString statusOf(const NCReportPreviewWindow& window)
{
    return window.findChild<QLabel*>(QStringLiteral("statusMessage"))->text();
}

} // namespace

class TestNCReportPreviewWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every window starts from the defaults: the zoom and page mode a window leaves behind
    // come back in the next one.
    void init() { QSettings().remove(QStringLiteral("NCReport/PreviewWindow")); }

    void theFirstPageShowsBeforeTheRunEnds()
    {
        Fixture f(30);
        QVERIFY(f.loaded);
        QVector<int> shownAtEachPage;
        connect(&f.window, &NCReportPreviewWindow::pagesAdded, this,
                [&](int pages) { shownAtEachPage.append(f.window.pageCount() == pages && f.window.isRunning()); });
        QVERIFY(f.window.run(&f.report));
        QCOMPARE(shownAtEachPage.size(), 30);
        QVERIFY(!shownAtEachPage.contains(0));
        QCOMPARE(f.window.pageCount(), 30);
        QVERIFY(!f.window.isRunning());
        QVERIFY(f.window.action(NCReportPreviewWindow::Print)->isEnabled());
    }

    void cancelStopsTheRunAndKeepsThePagesMade()
    {
        Fixture f(40);
        QVERIFY(f.loaded);
        auto* cancel = f.window.findChild<QToolButton*>(QStringLiteral("cancelButton"));
        connect(&f.window, &NCReportPreviewWindow::pagesAdded, this, [&](int pages) {
            if (pages == 2)
                cancel->click();
        });
        QVERIFY(!f.window.run(&f.report));
        QCOMPARE(f.window.pageCount(), 2);
        QVERIFY(statusOf(f.window).contains(QLatin1String("Cancelled")));
        QVERIFY(cancel->isHidden());
    }

    void aReportThatPrintsItsNumberOfPagesShowsItsFirstPageAtOnce_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cancelAfter");
        QTest::newRow("a run to the end") << 40 << 0;
        QTest::newRow("a long run cancelled on its first page") << 5000 << 1;
    }

    void aReportThatPrintsItsNumberOfPagesShowsItsFirstPageAtOnce()
    {
        QFETCH(int, rows);
        QFETCH(int, cancelAfter);
        CountingProvider provider;
        NCReport report;
        report.setCustomDataSourceProvider(&provider);
        report.setReportSource(pagePerRow(rows, QString(),
                                          QStringLiteral("<pageFooter height=\"20\"><field x=\"0\" y=\"0\" width=\"190\" "
                                                         "height=\"20\" fontSize=\"40\">Page $V{pageNumber} of "
                                                         "$V{pageCount}</field></pageFooter>")));
        QVERIFY2(report.load(), qPrintable(report.error().toString()));
        const int readsToLoad = provider.reads;
        NCReportPreviewWindow window;
        window.resize(900, 700);
        window.view()->setZoomMode(NCReportPreviewView::FitPage);
        window.view()->setContinuous(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList events;
        QImage shownFirst;
        connect(&window, &NCReportPreviewWindow::pagesAdded, this, [&](int pages) {
            events.append(QStringLiteral("page %1 after %2 reads").arg(pages).arg(provider.reads - readsToLoad));
            if (pages == 1)
                shownFirst = window.view()->grab().toImage();
            if (pages == cancelAfter)
                window.cancel();
        });
        connect(&window, &NCReportPreviewWindow::runFinished, this,
                [&](bool ok) { events.append(ok ? QStringLiteral("finished") : QStringLiteral("stopped")); });
        QCOMPARE(window.run(&report), cancelAfter == 0);
        const int pages = cancelAfter ? cancelAfter : rows;
        QCOMPARE(events.size(), pages + 1);
        QCOMPARE(events.first(), QStringLiteral("page 1 after 1 reads"));
        QCOMPARE(events.last(), cancelAfter ? QStringLiteral("stopped") : QStringLiteral("finished"));
        QCOMPARE(provider.reads - readsToLoad, 1);
        QCOMPARE(window.recordedPages()->find(QStringLiteral("Page 1 of %1").arg(pages)).size(), 1);

        // The page shown before the number of pages was known shows it now, as in a window
        // opened on the finished recording.
        NCReportPreviewWindow again;
        again.resize(900, 700);
        again.view()->setZoomMode(NCReportPreviewView::FitPage);
        again.view()->setContinuous(false);
        again.setRecordedPages(window.recordedPages());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCoreApplication::processEvents();
        const QImage shownLast = window.view()->grab().toImage();
        QCOMPARE(shownLast, again.view()->grab().toImage());
        QVERIFY(shownLast != shownFirst);
    }

    void aRunThatFailsShowsItsPagesAndTheError()
    {
        Fixture f(3);
        QByteArray xml = pagePerRow(3);
        xml.replace("</report>", "<detail id=\"e\" dataSource=\"ds\" height=\"10\" sort=\"falta\"/></report>");
        f.report.setReportSource(xml);
        QVERIFY(f.report.load());
        QVERIFY(!f.window.run(&f.report));
        QCOMPARE(f.window.pageCount(), 3);
        QVERIFY2(statusOf(f.window).contains(QLatin1String("falta")), qPrintable(statusOf(f.window)));
    }

    void closingDuringARunCancelsItAndClosesAfter()
    {
        Fixture f(40);
        QVERIFY(f.loaded);
        f.window.show();
        connect(&f.window, &NCReportPreviewWindow::pagesAdded, this, [&](int pages) {
            if (pages == 1)
                f.window.close();
        });
        QVERIFY(!f.window.run(&f.report));
        QCOMPARE(f.window.pageCount(), 1);
        QVERIFY(!f.window.isVisible());
    }

    void commandsMoveThroughPagesAndZoom_data()
    {
        QTest::addColumn<QVector<int>>("commands");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("percent");
        using W = NCReportPreviewWindow;
        QTest::newRow("next twice, then back one") << QVector<int>{W::NextPage, W::NextPage, W::PreviousPage} << 1 << 100;
        QTest::newRow("last, then next stays on the last") << QVector<int>{W::LastPage, W::NextPage} << 9 << 100;
        QTest::newRow("last, then first") << QVector<int>{W::LastPage, W::FirstPage} << 0 << 100;
        QTest::newRow("previous on the first page stays") << QVector<int>{W::PreviousPage} << 0 << 100;
        QTest::newRow("zoom in twice") << QVector<int>{W::ZoomIn, W::ZoomIn} << 0 << 156;
        QTest::newRow("zoom out stops at 10 %") << QVector<int>(14, W::ZoomOut) << 0 << 10;
        QTest::newRow("zoom in stops at 400 %") << QVector<int>(10, W::ZoomIn) << 0 << 400;
    }

    void commandsMoveThroughPagesAndZoom()
    {
        QFETCH(QVector<int>, commands);
        QFETCH(int, page);
        QFETCH(int, percent);
        Fixture f(10);
        QVERIFY(f.loaded);
        QVERIFY(f.window.run(&f.report));
        f.window.view()->setZoom(1);
        for (int command : commands) {
            QAction* action = f.window.action(NCReportPreviewWindow::Command(command));
            if (action->isEnabled())
                action->trigger();
        }
        QCOMPARE(f.window.currentPage(), page);
        QCOMPARE(qRound(f.window.view()->zoom() * 100), percent);
        QCOMPARE(f.window.findChild<QSpinBox*>(QStringLiteral("pageBox"))->value(), page + 1);
    }

    void controlAndTheWheelZoomAndFittingFollowsTheWindow()
    {
        Fixture f(3);
        QVERIFY(f.loaded);
        f.window.show();
        QVERIFY(f.window.run(&f.report));
        NCReportPreviewView* view = f.window.view();
        view->setZoom(1);
        QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QCOMPARE(view->zoom(), 1.25);
        f.window.action(NCReportPreviewWindow::FitWidth)->trigger();
        QCOMPARE(view->zoomMode(), NCReportPreviewView::FitWidth);
        const qreal wide = view->zoom();
        f.window.resize(f.window.width() + 300, f.window.height());
        QTRY_VERIFY(view->zoom() > wide);
        // A whole page fits the view.
        f.window.action(NCReportPreviewWindow::FitPage)->trigger();
        QVERIFY(view->pageRect(0).height() <= view->viewport()->height());
        QVERIFY(!f.window.action(NCReportPreviewWindow::FitWidth)->isChecked());
    }

    void thePageBoxSpeaksTheEngineCatalogue()
    {
        QTranslator spanish;
        QVERIFY(spanish.load(QStringLiteral(":/Resources/ncreport_es.qm")));
        QCoreApplication::installTranslator(&spanish);
        Fixture f(5);
        QVERIFY(f.loaded);
        QVERIFY(f.window.run(&f.report));
        f.window.action(NCReportPreviewWindow::NextPage)->trigger();
        f.window.action(NCReportPreviewWindow::NextPage)->trigger();
        const QString text = f.window.findChild<QSpinBox*>(QStringLiteral("pageBox"))->text();
        QCoreApplication::removeTranslator(&spanish);
        QCOMPARE(text, QStringLiteral("Página 3 de 5"));
    }

    void findHighlightsEveryMatchAndShowsTheCurrent()
    {
        Fixture f(12);
        QVERIFY(f.loaded);
        QVERIFY(f.window.run(&f.report));
        f.window.action(NCReportPreviewWindow::NextPage)->trigger();
        f.window.action(NCReportPreviewWindow::NextPage)->trigger();
        // "Row 1", "Row 10", "Row 11", "Row 12": the first from the current page on is Row 10.
        f.window.find(QStringLiteral("row 1"));
        QCOMPARE(f.window.matches().size(), 4);
        QCOMPARE(f.window.currentMatch(), 1);
        QCOMPARE(f.window.currentPage(), 9);
        f.window.action(NCReportPreviewWindow::FindNext)->trigger();
        f.window.action(NCReportPreviewWindow::FindNext)->trigger();
        QCOMPARE(f.window.currentPage(), 11);
        f.window.action(NCReportPreviewWindow::FindNext)->trigger();
        QCOMPARE(f.window.currentPage(), 0);
        f.window.action(NCReportPreviewWindow::FindPrevious)->trigger();
        QCOMPARE(f.window.currentPage(), 11);
        f.window.find(QStringLiteral("nada"));
        QVERIFY(f.window.matches().isEmpty());
        QCOMPARE(f.window.currentMatch(), -1);
    }

    void printingAndExportReplayThePages()
    {
        REQUIRE_PDFTOTEXT();
        QTemporaryDir dir;
        Fixture f(5);
        QVERIFY(f.loaded);
        QVERIFY(f.window.run(&f.report));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("impreso.pdf")));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        printer.setCopyCount(2);
        QVERIFY(f.window.printTo(&printer));
        QCOMPARE(textLines(pdfText(printer.outputFileName())),
                 QStringList({QStringLiteral("Row 2"), QStringLiteral("Row 3"), QStringLiteral("Row 2"), QStringLiteral("Row 3")}));

        const QString exported = dir.filePath(QStringLiteral("informe.pdf"));
        QVERIFY(f.window.exportTo(NCReportPreviewWindow::Pdf, exported));
        QCOMPARE(textLines(pdfText(exported)).size(), 5);
    }

    void anExportThatCannotBeWrittenSaysWhereAndLeavesNothing()
    {
        QTemporaryDir dir;
        Fixture f(2);
        QVERIFY(f.loaded);
        QVERIFY(f.window.run(&f.report));
        const QString target = dir.filePath(QStringLiteral("falta/informe.pdf"));
        QVERIFY(!f.window.exportTo(NCReportPreviewWindow::Pdf, target));
        QVERIFY(statusOf(f.window).contains(target));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }

    void zoomPageModeAndThumbnailsComeBackInTheNextWindow()
    {
        {
            NCReportPreviewWindow window;
            window.show();
            window.view()->setZoom(1.5);
            window.action(NCReportPreviewWindow::Continuous)->trigger();
            window.findChild<QDockWidget*>(QStringLiteral("thumbnailDock"))->hide();
        }
        NCReportPreviewWindow window;
        QCOMPARE(window.view()->zoomMode(), NCReportPreviewView::FixedZoom);
        QCOMPARE(window.view()->zoom(), 1.5);
        QVERIFY(!window.view()->isContinuous());
        QVERIFY(!window.action(NCReportPreviewWindow::Thumbnails)->isChecked());
    }

    void aReportRunsIntoAWindowOfItsOwn()
    {
        Fixture f(4);
        QVERIFY(f.loaded);
        QVERIFY(f.report.runReportToPreview());
        NCReportPreviewWindow* shown = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<NCReportPreviewWindow*>(widget); window && window != &f.window)
                shown = window;
        }
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->pageCount(), 4);
        QCOMPARE(shown->windowTitle(), QStringLiteral("Filas"));
        const QPointer<NCReportPreviewWindow> alive(shown);
        shown->close();
        QTRY_VERIFY(!alive);
    }
};

MIROKIT_TEST_MAIN(TestNCReportPreviewWindow)
#include "tst_ncreportpreviewwindow.moc"
