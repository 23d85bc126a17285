#include "messagelogcapture.h"
#include "mirokittest.h"
#include "reportdesignertest.h"
#include "reporttest.h"

#include <Mirokit/ZCNCReportDatasourceControl.h>
#include <Mirokit/ZCNCReportDesigner.h>
#include <Mirokit/ZCNCReportDialog.h>
#include <Mirokit/ZCNCReportFieldEditControl.h>
#include <Mirokit/ZCSettings.h>
#include <ncrddatapanel.h>
#include <ncrddocument.h>
#include <ncrdmainwindow.h>
#include <ncreport.h>
#include <ncreportdef.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace reporttest;

namespace {

// The platform's side: counts the refreshes and, at the first, registers its model and sends
// printing to a PDF file (the window exists by then, the printing has not happened yet).
class Designer : public StubDesigner<>
{
public:
    void ActualizaItemModels() override
    {
        ++refreshes;
        if (!mainWindow() || !mainWindow()->reportDef()->itemModels().isEmpty())
            return;
        AddItemModel(QStringLiteral("clientes"), registered ? registered : &model);
        // Without a file name, the printer Qt gives when none is installed.
        mainWindow()->printer()->setOutputFileName(pdf);
        mainWindow()->printer()->setOutputFormat(QPrinter::PdfFormat);
    }
    int refreshes = 0;
    QStandardItemModel model;
    // The model registered as "clientes" in place of `model`.
    QAbstractItemModel* registered = nullptr;
    QString pdf;
};

const QByteArray clientesReport = report(
    QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\" parent=\"$D{otra.dwDir}\"/>"
                   "<datasource id=\"otra\" type=\"4\" itemModel=\"sinRegistrar\"/>"),
    QStringLiteral("<field x=\"0\" y=\"0\" width=\"50\" height=\"6\">$D{nombre}</field>"));

} // namespace

class tst_ZCNCReportDesigner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_fileName = m_dir.filePath(QStringLiteral("clientes.xml"));
        QFile file(m_fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(clientesReport);
    }

    void splitsModelIds_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("parts");
        const QString kept = QStringLiteral("sin tocar");
        QTest::newRow("three parts fill the three outputs") << "a;b;c" << QStringList{"a", "b", "c"};
        QTest::newRow("two parts leave the third as it was") << "a;b" << QStringList{"a", "b", kept};
        QTest::newRow("two separators in a row give an empty middle part") << "a;;c" << QStringList{"a", "", "c"};
        QTest::newRow("no separator sets only the first") << "a" << QStringList{"a", kept, kept};
        QTest::newRow("an empty id empties the first") << "" << QStringList{"", kept, kept};
        QTest::newRow("parts beyond the third are dropped") << "a;b;c;d" << QStringList{"a", "b", "c"};
    }

    void splitsModelIds()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, parts);
        QString a = QStringLiteral("sin tocar"), b = a, c = a;
        ZCNCReportDesigner::DescomponerIdModelo(id, a, b, c);
        QCOMPARE((QStringList{a, b, c}), parts);
        if (id.count(QLatin1Char(';')) == 2) {
            QString joined;
            ZCNCReportDesigner::ComponerIdModelo(a, b, c, joined);
            QCOMPARE(joined, id);
        }
    }

    void zintPath_data()
    {
        QTest::addColumn<QString>("zintdir");
        QTest::addColumn<QString>("zintPath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing set gives nothing") << "" << "" << "";
        QTest::newRow("zintdir gets a trailing slash") << "/opt/zint" << "" << "/opt/zint/";
        QTest::newRow("zintdir with its slash stays") << "/opt/zint/" << "" << "/opt/zint/";
        QTest::newRow("zintdir wins over ZintPath") << "/opt/zint" << "/usr/zint" << "/opt/zint/";
        QTest::newRow("ZintPath when zintdir is empty") << "" << "/usr/zint" << "/usr/zint/";
    }

    void zintPath()
    {
        QFETCH(QString, zintdir);
        QFETCH(QString, zintPath);
        {
            ZCSettings settings(QStringLiteral("Dunmar"), QStringLiteral("VavUveruz"), nullptr);
            settings.clear();
            if (!zintdir.isEmpty())
                settings.setValue(QStringLiteral("zintdir"), zintdir);
            if (!zintPath.isEmpty())
                settings.setValue(QStringLiteral("ZintPath"), zintPath);
        }
        QTEST(ZCNCReportDesigner::GetZintPath(), "expected");
        Designer designer;
        QScopedPointer<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
        QTEST(window->reportDef()->zintPath(), "expected");
        ZCSettings(QStringLiteral("Dunmar"), QStringLiteral("VavUveruz"), nullptr).clear();
    }

    void theLastDesignerIsTheCurrentOne()
    {
        auto first = std::make_unique<Designer>();
        QCOMPARE(GetNCReportDesigner(), first.get());
        auto second = std::make_unique<Designer>();
        QCOMPARE(GetNCReportDesigner(), second.get());
        first.reset();
        QCOMPARE(GetNCReportDesigner(), second.get());
        second.reset();
        QCOMPARE(GetNCReportDesigner(), nullptr);
    }

    void execDialogPrintsWithTheModelsBound()
    {
        REQUIRE_PDFTOTEXT();
        QCoreApplication::setApplicationName(QStringLiteral("Anfitrion"));
        Designer designer;
        fillTable(designer.model, {QStringLiteral("nombre"), QStringLiteral("Ana"), QStringLiteral("Luis")});
        designer.pdf = m_dir.filePath(QStringLiteral("clientes.pdf"));
        designer.SetArgumentos({QStringLiteral("-print"), m_fileName, QStringLiteral("-otra")});
        QString nameWhileRunning;
        QString title;
        onModal<ZCNCReportDialog>([&](ZCNCReportDialog* dialog) {
            nameWhileRunning = QCoreApplication::applicationName();
            title = dialog->windowTitle();
            dialog->accept();
        });
        QCOMPARE(designer.ExecDialog(nullptr), int(QDialog::Accepted));
        QCOMPARE(nameWhileRunning, QStringLiteral("VavUveruz"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Anfitrion"));
        QCOMPARE(title, QStringLiteral("Editor de informes"));
        QCOMPARE(textLines(pdfText(designer.pdf)), (QStringList{QStringLiteral("Ana"), QStringLiteral("Luis")}));
        QCOMPARE(designer.refreshes, 2);
    }

    void aReportInTheArgumentsIsCurrentFromTheStart()
    {
        Designer designer;
        designer.SetArgumento(m_fileName);
        NCRDMainWindow* window = designer.CreateMainWindow(nullptr);
        const QList<QPair<QString, QString>> expected{{"ds", "clientes"}, {"otra", "sinRegistrar"}};
        QList<QPair<QString, QString>> list;
        designer.GetDataSourcesItemsModels(list);
        QCOMPARE(list, expected);
        // And it stays current once the dialog shows and is activated.
        ZCNCReportDialog dialog(window, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        designer.GetDataSourcesItemsModels(list);
        QCOMPARE(list, expected);
        QVERIFY(window->activeDocument());
        QCOMPARE(window->activeDocument()->fileName(), m_fileName);
    }

    void printingWithoutAPrinterSaysWhereThePdfWent()
    {
        REQUIRE_PDFTOTEXT();
        Designer designer;
        fillTable(designer.model, {QStringLiteral("nombre"), QStringLiteral("Ana")});
        designer.SetArgumentos({QStringLiteral("--print"), m_fileName});
        const QString pdf = m_dir.filePath(QStringLiteral("clientes.pdf"));
        QFile::remove(pdf);
        MessageLogCapture log;
        QScopedPointer<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
        QCOMPARE(textLines(pdfText(pdf)), QStringList{QStringLiteral("Ana")});
        QVERIFY2(log.contains(QtWarningMsg, QStringLiteral("No hay ninguna impresora instalada: el informe se ha guardado en ")
                                                + QDir::toNativeSeparators(pdf)),
                 qPrintable(log.texts(QtWarningMsg).join(QLatin1Char('\n'))));
    }

    void printingReadsTheLibrarysModels_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<int>("warnings");
        QTest::newRow("a title") << "$D{Nombre} $D{ds.Importe}" << QStringList{"1 Ana 10", "2 Luis 20"} << 0;
        QTest::newRow("the constant marker") << "$D{%CONST}" << QStringList{"1 0", "2 0"} << 0;
        QTest::newRow("an unknown name prints nothing") << "[$D{apellido}]" << QStringList{"1", "2"} << 1;
    }

    // The designer's "-print" with a model of the library's kind, whose titles answer only the
    // display role: the report reads it through the library's data source and evaluator.
    void printingReadsTheLibrarysModels()
    {
        REQUIRE_PDFTOTEXT();
        QFETCH(QString, field);
        QFile file(m_fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(report(QStringLiteral("<datasource id=\"ds\" type=\"4\" itemModel=\"clientes\"/>"),
                          QStringLiteral("<field x=\"0\" y=\"0\" width=\"10\" height=\"6\">$D{Código}</field>"
                                         "<field x=\"20\" y=\"0\" width=\"50\" height=\"6\">%1</field>")
                              .arg(field.toHtmlEscaped())));
        file.close();
        LibraryTable model({QStringLiteral("Código,Nombre,Importe"), QStringLiteral("1,Ana,10"),
                            QStringLiteral("2,Luis,20")});
        Designer designer;
        designer.registered = &model;
        designer.pdf = m_dir.filePath(QStringLiteral("clientes.pdf"));
        designer.SetArgumentos({m_fileName, QStringLiteral("-print")});
        MessageLogCapture log;
        QScopedPointer<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
        QTEST(textLines(pdfText(designer.pdf)), "printed");
        QTEST(int(log.texts(QtWarningMsg).filter(QStringLiteral("has no column apellido")).size()), "warnings");
    }

    void dataSourcesOfTheCurrentDocument()
    {
        Designer designer;
        QScopedPointer<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
        QList<QPair<QString, QString>> list{{QStringLiteral("x"), QStringLiteral("y")}};
        designer.GetDataSourcesItemsModels(list);
        QVERIFY(list.isEmpty());
        designer.ActualizaModelosDataSources();

        QVERIFY(window->openReportFile(m_fileName));
        designer.GetDataSourcesItemsModels(list);
        QCOMPARE(list, (QList<QPair<QString, QString>>{{"ds", "clientes"}, {"otra", "sinRegistrar"}}));
        designer.ActualizaModelosDataSources();
        // Formula editors offer those data sources, with their item models as data.
        ZCNCReportFieldEditControl control(true, nullptr);
        QCOMPARE(control.dataSourceCombo()->count(), 2);
        QCOMPARE(control.dataSourceCombo()->itemData(1).toString(), QStringLiteral("sinRegistrar"));
        QHash<QString, QAbstractItemModel*> models;
        designer.GetItemModels(models);
        QCOMPARE(models.value(QStringLiteral("clientes")), &designer.model);

        NCReport report;
        report.setReportFile(m_fileName);
        QMap<QString, QPair<QString, QString>> ids;
        QString name = QStringLiteral("x");
        NCReportGetDataSourceItemModelId(&report, ids, name);
        QCOMPARE(name, QStringLiteral("Prueba"));
        QCOMPARE(ids.value(QStringLiteral("ds")), qMakePair(QStringLiteral("clientes"), QStringLiteral("otra")));
        QCOMPARE(ids.value(QStringLiteral("otra")), qMakePair(QStringLiteral("sinRegistrar"), QString()));
        report.setReportFile(m_dir.filePath(QStringLiteral("no-existe.xml")));
        NCReportGetDataSourceItemModelId(&report, ids, name);
        QVERIFY(ids.isEmpty());
        QVERIFY(name.isEmpty());
    }

    void theDataDockListsTheColumnsOfTheHostsModelsAfterEdits()
    {
        Designer designer;
        fillTable(designer.model, {QStringLiteral("nombre,ciudad")});
        designer.SetArgumento(m_fileName);
        QScopedPointer<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
        designer.ActualizaModelosDataSources();
        const QAbstractItemModel* data = window->dataPanel()->model();
        const QModelIndex ds = data->index(0, 0, data->index(0, 0));
        QCOMPARE(ds.data().toString(), QStringLiteral("ds"));
        QCOMPARE(data->rowCount(ds), 2);
        // An edit reads the report again: its data source still has the host's model.
        NCRDDocument* document = window->activeDocument();
        QVERIFY(document->setElementAttribute({document->xml().documentElement()}, QStringLiteral("name"),
                                              QStringLiteral("Otro")));
        const QModelIndex again = data->index(0, 0, data->index(0, 0));
        QCOMPARE(data->rowCount(again), 2);
        QCOMPARE(data->index(1, 0, again).data().toString(), QStringLiteral("ciudad"));
    }

    void aCancelledSaveQuestionKeepsTheDialogOpen()
    {
        Designer designer;
        designer.SetArgumento(m_fileName);
        int questions = 0;
        onModal<ZCNCReportDialog>([&](ZCNCReportDialog* dialog) {
            NCRDDocument* document = dialog->mainWindow()->activeDocument();
            auto* tree = document->findChild<QTreeWidget*>();
            QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::Editable);
            (*it)->setText(1, QStringLiteral("cambiado"));
            answerNextMessageBox(QMessageBox::Cancel);
            dialog->reject();
            ++questions;
            QVERIFY(dialog->isVisible());
            answerNextMessageBox(QMessageBox::Discard);
            dialog->reject();
            ++questions;
        });
        QCOMPARE(designer.ExecDialog(nullptr), int(QDialog::Rejected));
        QCOMPARE(questions, 2);
    }

    void childrenDeletedBeforeTheirTurnAreSkipped()
    {
        Designer designer;
        QScopedPointer<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
        auto* gone = new NCRDDocument(window.data());
        delete gone;
        auto* kept = new NCRDDocument(window.data());
        QCoreApplication::sendPostedEvents(&designer, QEvent::MetaCall);
        // The adapted document passes its own children on: the designer filters its events.
        QSignalSpy added(&designer, &ZCNCReportDesigner::childAdded);
        new QWidget(kept);
        QCOMPARE(added.count(), 1);
    }

private:
    QTemporaryDir m_dir;
    QString m_fileName;
};

MIROKIT_TEST_MAIN(tst_ZCNCReportDesigner)
#include "tst_zcncreportdesigner.moc"
