#include "mirokittest.h"
#include "reportdesignertest.h"
#include "reporttest.h"

#include <ncrddocument.h>
#include <ncrdpropertydialog.h>
#include <ncrdmainwindow.h>
#include <ncreportdef.h>
#include <ncreportitemmodeldatasource.h>
#include <ncreportstringlistdatasource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#else
#include <QStringEncoder>
#endif
#include <QTreeWidget>

using namespace reporttest;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

const QString clientes = QStringLiteral(
    "<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\" parent=\"$D{otra.dwDir}\"/>");

// The text in the named encoding; UTF-16 starts with a byte-order mark, as Qt 5's codec writes it.
QByteArray encoded(const QString& text, const QByteArray& encoding)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return QTextCodec::codecForName(encoding)->fromUnicode(text);
#else
    QStringEncoder encoder(encoding.constData(), encoding.startsWith("UTF-16") ? QStringEncoder::Flag::WriteBom
                                                                                 : QStringEncoder::Flag::Default);
    return encoder.encode(text);
#endif
}

QString writeReport(const QTemporaryDir& dir, const QByteArray& xml)
{
    const QString fileName = dir.filePath(QStringLiteral("informe.xml"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        return QString();
    return fileName;
}

QTreeWidgetItem* firstEditableRow(NCRDDocument* document)
{
    auto* tree = document->findChild<QTreeWidget*>(QStringLiteral("sectionTree"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->flags() & Qt::ItemIsEditable)
            return *it;
    }
    return nullptr;
}

// The rows of the section tree, depth first: "tag id" or "tag".
QStringList treeRows(NCRDDocument* document)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(document->findChild<QTreeWidget*>(QStringLiteral("sectionTree"))); *it; ++it)
        rows.append((*it)->text(0));
    return rows;
}

} // namespace

class tst_NCRDMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_fileName = writeReport(m_dir, report(clientes, QStringLiteral("<field x=\"0\" y=\"0\" width=\"50\" "
                                                                        "height=\"6\">$D{nombre}</field>")));
        QVERIFY(!m_fileName.isEmpty());
    }

    void openEditSaveReopen()
    {
        NCRDMainWindow window;
        NCRDDocument* document = window.openReportFile(m_fileName);
        QVERIFY(document);
        QCOMPARE(window.activeDocument(), document);
        QCOMPARE(document->reportDef()->reportName(), QStringLiteral("Prueba"));
        // Opened before the window is shown, as the designer does, and still filling the area.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMdiSubWindow* subWindow = window.mdiArea()->subWindowList().value(0);
        QVERIFY(subWindow && subWindow->isMaximized());

        QTreeWidgetItem* row = firstEditableRow(document);
        QVERIFY(row);
        QCOMPARE(row->text(1), QStringLiteral("$D{nombre}"));
        row->setText(1, QStringLiteral("$D{importe} < 5 & más"));
        QVERIFY(document->isModified());
        QCOMPARE(document->reportDef()->details().value(0).section.items.value(0).text,
                 QStringLiteral("$D{importe} < 5 & más"));
        QVERIFY(document->save());
        QVERIFY(!document->isModified());

        NCRDDocument reopened;
        QVERIFY(reopened.openFile(m_fileName));
        QCOMPARE(firstEditableRow(&reopened)->text(1), QStringLiteral("$D{importe} < 5 & más"));
        // What the designer does not edit comes back as it was read.
        auto* source = qobject_cast<NCReportItemModelDataSource*>(reopened.reportDef()->dataSource(QStringLiteral("ds")));
        QVERIFY(source);
        QCOMPARE(source->parentReference(), QStringLiteral("$D{otra.dwDir}"));
    }

    void unreadableFilesOpenNothing_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("text that is not XML") << QByteArray("<report name=\"x\"><detail");
        QTest::newRow("XML that is not a report") << QByteArray("<informe/>");
        QTest::newRow("a report the engine refuses")
            << report(QStringLiteral("<datasource id=\"ds\" type=\"9\"/>"), QString());
    }

    void unreadableFilesOpenNothing()
    {
        QFETCH(QByteArray, xml);
        const QString fileName = writeReport(m_dir, xml);
        NCRDMainWindow window;
        QVERIFY(!window.openReportFile(fileName));
        QVERIFY(!window.errorString().isEmpty());
        QVERIFY(window.mdiArea()->subWindowList().isEmpty());
        QVERIFY(!window.openReportFile(m_dir.filePath(QStringLiteral("no-existe.xml"))));
    }

    // The designer's engine reads the parsed document, which keeps no lines; the error still
    // names the line of the file.
    void aRefusedReportNamesTheLineOfItsFault()
    {
        const QByteArray xml = report(clientes, QStringLiteral("\n\n<field x=\"abc\" y=\"0\" width=\"1\" height=\"1\"/>"));
        const int line = xml.left(xml.indexOf("abc")).count('\n') + 1;
        const QString fileName = writeReport(m_dir, xml);
        NCRDDocument document;
        QVERIFY(!document.openFile(fileName));
        QCOMPARE(document.errorString(),
                 QStringLiteral("%1:%2: The attribute x is not a valid number: abc").arg(fileName).arg(line));
    }

    void reportHeaderAndFooterAreSectionsOfTheTree()
    {
        const QString fileName = writeReport(
            m_dir, report(clientes, QString(),
                          QStringLiteral("<reportHeader height=\"8\"><label x=\"0\" y=\"0\" width=\"50\" height=\"6\">"
                                         "Informe</label></reportHeader><reportFooter height=\"8\"/>")));
        NCRDDocument document;
        QVERIFY2(document.openFile(fileName), qPrintable(document.errorString()));
        QCOMPARE(treeRows(&document), (QStringList{"reportHeader", "label", "reportFooter", "detail d"}));
    }

    // Every section shows its rows, nested groups too; each item row shows what its item prints
    // from, and only those with a text take one typed in.
    void theOutlineShowsEverySectionOpenWithItsItemsTexts()
    {
        const QString fileName = writeReport(
            m_dir, report(clientes,
                          QStringLiteral("<group id=\"g\" expression=\"$D{nombre}\"><header height=\"6\">"
                                         "<field x=\"0\" y=\"0\" width=\"9\" height=\"6\">$D{nombre}</field></header>"
                                         "<footer height=\"6\"><image x=\"0\" y=\"0\" width=\"9\" height=\"6\" "
                                         "file=\"logo.png\"/></footer></group>"
                                         "<line x1=\"0\" y1=\"0\" x2=\"9\" y2=\"0\"/>"),
                          QStringLiteral("<pageHeader height=\"8\"><label x=\"0\" y=\"0\" width=\"50\" "
                                         "height=\"6\">Clientes &amp; más</label></pageHeader>")));
        NCRDDocument document;
        QVERIFY2(document.openFile(fileName), qPrintable(document.errorString()));
        const struct {
            const char* row;
            const char* text;
            bool editable;
            bool expanded;
        } expected[] = {{"pageHeader", "", false, true}, {"label", "Clientes & más", true, false},
                        {"detail d", "", false, true},   {"group g", "", false, true},
                        {"header", "", false, true},     {"field", "$D{nombre}", true, false},
                        {"footer", "", false, true},     {"image", "logo.png", true, false},
                        {"line", "", false, false}};
        QTreeWidgetItemIterator it(document.findChild<QTreeWidget*>(QStringLiteral("sectionTree")));
        for (const auto& row : expected) {
            QVERIFY(*it);
            QCOMPARE((*it)->text(0), QLatin1String(row.row));
            QCOMPARE((*it)->text(1), QString::fromUtf8(row.text));
            QCOMPARE(bool((*it)->flags() & Qt::ItemIsEditable), row.editable);
            QCOMPARE((*it)->isExpanded(), row.expanded);
            ++it;
        }
        QVERIFY(!*it);
    }

    void registeredModelsReachTheDocuments()
    {
        QStandardItemModel model;
        fillTable(model, {QStringLiteral("nombre"), QStringLiteral("Ana")});
        NCRDMainWindow window;
        window.reportDef()->addItemModel(QStringLiteral("clientes"), &model);
        NCRDDocument* document = window.openReportFile(m_fileName);
        QVERIFY(document);
        auto* source = qobject_cast<NCReportItemModelDataSource*>(document->reportDef()->dataSource(QStringLiteral("ds")));
        QCOMPARE(source->itemModel(), &model);
    }

    void printsTheCurrentDocument()
    {
        REQUIRE_PDFTOTEXT();
        QStandardItemModel model;
        fillTable(model, {QStringLiteral("nombre"), QStringLiteral("Ana"), QStringLiteral("Luis")});
        NCRDMainWindow window;
        QVERIFY(!window.printReport());
        QVERIFY(window.openReportFile(m_fileName));
        // Registered after the document opened: printing binds it all the same.
        window.reportDef()->addItemModel(QStringLiteral("clientes"), &model);
        const QString pdf = m_dir.filePath(QStringLiteral("informe.pdf"));
        window.printer()->setOutputFormat(QPrinter::PdfFormat);
        window.printer()->setOutputFileName(pdf);
        QVERIFY2(window.printReport(), qPrintable(window.errorString()));
        QCOMPARE(textLines(pdfText(pdf)), (QStringList{QStringLiteral("Ana"), QStringLiteral("Luis")}));
    }

    void withoutAPrinterThePdfGoesBesideTheReport()
    {
        REQUIRE_PDFTOTEXT();
        QStandardItemModel model;
        fillTable(model, {QStringLiteral("nombre"), QStringLiteral("Ana")});
        NCRDMainWindow window;
        window.reportDef()->addItemModel(QStringLiteral("clientes"), &model);
        QVERIFY(window.openReportFile(m_fileName));
        // Qt's default printer when none is installed.
        window.printer()->setOutputFileName(QString());
        window.printer()->setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir.filePath(QStringLiteral("informe.pdf"));
        QFile::remove(pdf);
        QVERIFY2(window.printReport(), qPrintable(window.errorString()));
        QCOMPARE(window.pdfFileName(), pdf);
        QCOMPARE(textLines(pdfText(pdf)), QStringList{QStringLiteral("Ana")});
        QVERIFY2(window.statusBar()->currentMessage().contains(QDir::toNativeSeparators(pdf)),
                 qPrintable(window.statusBar()->currentMessage()));
        // The printer is left as it was, to be asked again next time.
        QVERIFY(window.printer()->outputFileName().isEmpty());
    }

    void encodingsAndBlankTextsSurviveSaving_data()
    {
        QTest::addColumn<QByteArray>("encoding");
        QTest::newRow("a report declared Latin-1") << QByteArray("ISO-8859-1");
        QTest::newRow("a report declared UTF-16") << QByteArray("UTF-16");
        QTest::newRow("a report declared UTF-8") << QByteArray("UTF-8");
    }

    void encodingsAndBlankTextsSurviveSaving()
    {
        QFETCH(QByteArray, encoding);
        // A row of two empty fields and a blank label: white space that is all of its element.
        const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n").arg(QLatin1String(encoding))
            + QString::fromUtf8(report(QStringLiteral("<datasource id=\"ds\" type=\"3\"><string>a\tb</string>"
                                                      "<string>\t</string></datasource>"),
                                       QStringLiteral("<label x=\"0\" y=\"0\" width=\"50\" height=\"6\">Página</label>\n"
                                                      "<label x=\"0\" y=\"0\" width=\"50\" height=\"6\"> </label>")));
        const QString fileName = writeReport(m_dir, encoded(xml, encoding));
        QByteArray saved;
        // Saved twice: nothing changes from one save to the next.
        for (int save = 0; save < 2; ++save) {
            NCRDDocument document;
            QVERIFY2(document.openFile(fileName), qPrintable(document.errorString()));
            const QVector<NCReportItem>& labels = document.reportDef()->details().value(0).section.items;
            QCOMPARE(labels.size(), 2);
            QCOMPARE(labels.at(0).text, QStringLiteral("Página"));
            QCOMPARE(labels.at(1).text, QStringLiteral(" "));
            auto* strings = qobject_cast<NCReportStringListDataSource*>(document.reportDef()->dataSource(QStringLiteral("ds")));
            QVERIFY(strings);
            QCOMPARE(strings->strings(), (QStringList{QStringLiteral("a\tb"), QStringLiteral("\t")}));
            QVERIFY(document.save());
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), bytes.left(60).constData());
            QVERIFY(QString::fromUtf8(bytes).contains(QStringLiteral(">Página<")));
            if (save > 0)
                QCOMPARE(bytes, saved);
            saved = bytes;
        }
        // The engine reads the saved file as the designer does.
        NCReport report;
        report.setReportFile(fileName);
        QVERIFY(report.load());
        QCOMPARE(report.reportDef()->details().value(0).section.items.value(0).text, QStringLiteral("Página"));
    }

    void closingAsksToSaveModifiedDocuments_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("savedText");
        QTest::newRow("Cancel keeps the window and the document open")
            << QMessageBox::Cancel << false << QStringLiteral("$D{nombre}");
        QTest::newRow("Discard closes without saving") << QMessageBox::Discard << true << QStringLiteral("$D{nombre}");
        QTest::newRow("Save saves and closes") << QMessageBox::Save << true << QStringLiteral("cambiado");
    }

    void closingAsksToSaveModifiedDocuments()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, closed);
        QFETCH(QString, savedText);
        NCRDMainWindow window;
        window.show();
        QSignalSpy aboutToClose(&window, &NCRDMainWindow::aboutToClose);
        NCRDDocument* document = window.openReportFile(m_fileName);
        QVERIFY(document);
        firstEditableRow(document)->setText(1, QStringLiteral("cambiado"));

        answerNextMessageBox(answer);
        QCOMPARE(window.close(), closed);
        QCOMPARE(window.isVisible(), !closed);
        QCOMPARE(aboutToClose.count(), closed ? 1 : 0);
        QCOMPARE(window.documents().size(), closed ? 0 : 1);

        NCRDDocument saved;
        QVERIFY(saved.openFile(m_fileName));
        QCOMPARE(firstEditableRow(&saved)->text(1), savedText);
    }

    void sectionEditsAreSavedAndReadBack_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a label is added after the current item")
            << "field" << "label" << true << QStringList{"detail d", "field", "label", "label"};
        QTest::newRow("an item added to a section goes last") << "detail" << "line" << true
                                                              << QStringList{"detail d", "field", "label", "line"};
        QTest::newRow("a section of groups takes no items") << "group" << "field" << false
                                                            << QStringList{"detail d", "group g", "field", "label"};
        QTest::newRow("an item moves up") << "label" << "up" << true << QStringList{"detail d", "label", "field"};
        QTest::newRow("the last item does not move down") << "label" << "down" << false
                                                          << QStringList{"detail d", "field", "label"};
        QTest::newRow("a removed item is gone") << "field" << "remove" << true << QStringList{"detail d", "label"};
        QTest::newRow("a group goes first in a detail without groups")
            << "field" << "group" << true << QStringList{"detail d", "group group1", "field", "label"};
        QTest::newRow("a new group nests inside the others")
            << "group" << "group" << true << QStringList{"detail d", "group g", "group group1", "field", "label"};
        QTest::newRow("a detail is added after the last one")
            << "label" << "detail" << true << QStringList{"detail d", "field", "label", "detail detail1"};
        QTest::newRow("a page footer goes before the details")
            << "label" << "pageFooter" << true << QStringList{"pageFooter", "detail d", "field", "label"};
        QTest::newRow("a page header goes first")
            << "label" << "pageHeader" << true << QStringList{"pageHeader", "detail d", "field", "label"};
        QTest::newRow("a group used by a variable cannot be removed")
            << "group" << "remove" << false << QStringList{"detail d", "group g", "field", "label"};
    }

    void sectionEditsAreSavedAndReadBack()
    {
        QFETCH(QString, current);
        QFETCH(QString, edit);
        QFETCH(bool, done);
        // A group, reset by a variable, in the detail of reports that edit groups.
        const bool withGroup = current == QLatin1String("group");
        const QString group = withGroup ? QStringLiteral("<group id=\"g\" expression=\"$D{ciudad}\"/>") : QString();
        const QString fileName = writeReport(
            m_dir, report(clientes, group + QStringLiteral("<field x=\"0\" y=\"0\" width=\"50\" height=\"6\">$D{nombre}</field>"
                                                           "<label x=\"0\" y=\"0\" width=\"50\" height=\"6\">Hola</label>"),
                          withGroup ? QStringLiteral("<variables><variable id=\"t\" resetGroup=\"g\"/></variables>")
                                    : QString()));
        NCRDDocument document;
        QVERIFY(document.openFile(fileName));
        QVERIFY(document.setCurrentElement(document.xml().elementsByTagName(current).at(0).toElement()));
        // Through the section editor's tool bar, whose commands are enabled where they apply.
        static const QHash<QString, QString> actions{{"up", "actionMoveUp"},
                                                     {"down", "actionMoveDown"},
                                                     {"remove", "actionRemove"},
                                                     {"group", "actionAddGroup"},
                                                     {"detail", "actionAddDetail"},
                                                     {"pageHeader", "actionAddPageHeader"},
                                                     {"pageFooter", "actionAddPageFooter"}};
        auto* action = document.findChild<QAction*>(actions.value(edit, QStringLiteral("actionAdd_") + edit));
        QVERIFY(action);
        // The engine refuses a variable reset by a group that is gone: a message says so.
        if (!done && action->isEnabled())
            answerNextMessageBox(QMessageBox::Ok);
        action->trigger();
        QTEST(treeRows(&document), "rows");
        QCOMPARE(document.isModified(), done);
        QVERIFY(document.save());

        NCRDDocument reopened;
        QVERIFY(reopened.openFile(fileName));
        QTEST(treeRows(&reopened), "rows");
        QCOMPARE(reopened.xml().toString(), document.xml().toString());
    }

    void menuButtonsRunNothingThemselves()
    {
        NCRDDocument document;
        QVERIFY(document.openFile(m_fileName));
        for (const char* name : {"actionAddItem", "actionAddSection"}) {
            QAction* action = document.findChild<QAction*>(QLatin1String(name));
            QVERIFY(action && action->menu());
            action->trigger();
        }
        QVERIFY(!document.isModified());
    }

    void propertyDialogsWriteWhatTheyShow_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("child");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a field is moved") << "field" << "spX" << QByteArray("value") << QVariant(12.5) << "field" << "x"
                                          << "12.5";
        QTest::newRow("a line's width box moves its second end")
            << "line" << "spWidth" << QByteArray("value") << QVariant(80.0) << "line" << "x2" << "80";
        QTest::newRow("a barcode changes its symbology") << "barcode" << "spBarcodeType" << QByteArray("value")
                                                         << QVariant(3) << "barcode" << "barcodeType" << "3";
        QTest::newRow("a rectangle is filled") << "rectangle" << "wFill" << QByteArray("text") << QVariant("#ff0000")
                                               << "rectangle" << "fill" << "#ff0000";
        QTest::newRow("a label reads its text from the data source")
            << "label" << "comboSourceType" << QByteArray("currentIndex") << QVariant(1) << "label" << "source"
            << "datasource";
        QTest::newRow("an untouched label keeps its implicit source") << "label" << "resource" << QByteArray("text")
                                                                      << QVariant("Hola") << "label" << "source" << "";
        QTest::newRow("an image shows another file") << "image" << "resource" << QByteArray("text")
                                                     << QVariant(":/otro.png") << "image" << "file" << ":/otro.png";
        QTest::newRow("a group given a footer height gets a footer")
            << "group" << "spFooterHeight" << QByteArray("value") << QVariant(7.0) << "footer" << "height" << "7";
        QTest::newRow("a group's header is made taller")
            << "header" << "spHeight" << QByteArray("value") << QVariant(8.0) << "header" << "height" << "8";
        QTest::newRow("a detail's page break") << "detail" << "pageBreakCond" << QByteArray("text")
                                               << QVariant("$D{ds.nombre} == Ana") << "detail" << "pageBreak"
                                               << "$D{ds.nombre} == Ana";
        QTest::newRow("a colour the engine cannot read is undone")
            << "rectangle" << "wColor" << QByteArray("text") << QVariant("ningunColor") << "rectangle" << "color" << "";
    }

    void propertyDialogsWriteWhatTheyShow()
    {
        QFETCH(QString, tag);
        QFETCH(QString, child);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(QString, written);
        QFETCH(QString, attribute);
        QFETCH(QString, expected);
        const QString fileName = writeReport(
            m_dir, report(clientes, QStringLiteral(
                                        "<group id=\"g\" expression=\"$D{ciudad}\"><header height=\"5\"/></group>"
                                        "<field x=\"0\" y=\"0\" width=\"50\" height=\"6\">$D{nombre}</field>"
                                        "<label x=\"0\" y=\"0\" width=\"50\" height=\"6\">Hola</label>"
                                        "<line x1=\"0\" y1=\"0\" x2=\"50\" y2=\"0\"/>"
                                        "<rectangle x=\"0\" y=\"0\" width=\"9\" height=\"9\"/>"
                                        "<image x=\"0\" y=\"0\" width=\"9\" height=\"9\" file=\"logo.png\"/>"
                                        "<barcode x=\"0\" y=\"0\" width=\"30\" height=\"9\">C$D{codigo}</barcode>")));
        NCRDDocument document;
        QVERIFY(document.openFile(fileName));
        QVERIFY(document.setCurrentElement(document.xml().elementsByTagName(tag).at(0).toElement()));
        const bool refused = expected.isEmpty() && attribute == QLatin1String("color");
        bool set = false;
        onModal<NCRDPropertyDialog>([&](NCRDPropertyDialog* dialog) {
            QWidget* widget = dialog->findChild<QWidget*>(child);
            set = widget && widget->setProperty(property, value);
            if (refused)
                answerNextMessageBox(QMessageBox::Ok);
            dialog->accept();
        });
        QCOMPARE(document.editProperties(), !refused);
        QVERIFY(set);
        const QDomElement element = document.xml().elementsByTagName(written).at(0).toElement();
        QVERIFY(!element.isNull());
        QCOMPARE(element.attribute(attribute), expected);
        QCOMPARE(document.isModified(), !refused);
        // The edited row stays current, also when the edit is undone.
        QCOMPARE(document.currentElement().tagName(), tag);
    }

    void closingUnmodifiedDocumentsAsksNothing()
    {
        NCRDMainWindow window;
        window.show();
        QSignalSpy aboutToClose(&window, &NCRDMainWindow::aboutToClose);
        QVERIFY(window.openReportFile(m_fileName));
        QVERIFY(window.openReportFile(m_fileName));
        QVERIFY(window.close());
        QCOMPARE(aboutToClose.count(), 1);
    }

private:
    QTemporaryDir m_dir;
    QString m_fileName;
};

MIROKIT_TEST_MAIN(tst_NCRDMainWindow)
#include "tst_ncrdmainwindow.moc"
