#include "ncrdmainwindow.h"

#include "ncrddatapanel.h"
#include "ncrddocument.h"
#include "ncrdpropertypanel.h"
#include "ncreport.h"
#include "ncreportdef.h"
#include "ncreportpreviewwindow.h"
#ifdef NCREPORT_WITH_MAIL
#include "ncrdmaildialog.h"
#endif

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUndoView>

NCRDMainWindow::NCRDMainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , m_def(std::make_unique<NCReportDef>())
    , m_undoGroup(new QUndoGroup(this))
    , m_dataPanel(new NCRDDataPanel)
    , m_propertyPanel(new NCRDPropertyPanel)
    , m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("NCRDMainWindow"));
    setWindowTitle(tr("Report designer"));
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setTabsClosable(true);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window)
            m_currentWindow = window;
        showDocument(activeDocument());
    });
    createActions();
    createEditActions();
    createDocks();
}

void NCRDMainWindow::createDocks()
{
    const auto addDock = [this](QWidget* panel, const QString& title, const char* name, const QKeySequence& key) {
        auto* dock = new QDockWidget(title, this);
        dock->setObjectName(QLatin1String(name));
        dock->setAccessibleName(title);
        dock->setWidget(panel);
        addDockWidget(Qt::LeftDockWidgetArea, dock);
        QAction* toggle = dock->toggleViewAction();
        toggle->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
        toggle->setShortcut(key);
        return toggle;
    };
    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("menuView"));
    viewMenu->addAction(addDock(m_dataPanel, tr("Data"), "dataDock", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)));
    viewMenu->addAction(
        addDock(m_propertyPanel, tr("Properties"), "propertyDock", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)));
}

void NCRDMainWindow::showDocument(NCRDDocument* document)
{
    if (document)
        m_undoGroup->setActiveStack(document->undoStack());
    m_dataPanel->setDocument(document);
    m_propertyPanel->setDocument(document);
}

NCRDMainWindow::~NCRDMainWindow()
{
    // QWidget closes the MDI area's windows after this object is gone, and each close activates
    // another window: that signal must not reach a half-destroyed main window.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

void NCRDMainWindow::createActions()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("menuFile"));
    QToolBar* fileBar = addToolBar(tr("File"));
    fileBar->setObjectName(QStringLiteral("fileToolBar"));
    const auto add = [&](const char* name, const QString& text, QKeySequence::StandardKey key,
                         void (NCRDMainWindow::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        fileMenu->addAction(action);
        fileBar->addAction(action);
        return action;
    };
    add("actionOpen", tr("&Open..."), QKeySequence::Open, &NCRDMainWindow::open);
    add("actionSave", tr("&Save"), QKeySequence::Save, &NCRDMainWindow::save);
    add("actionSaveAs", tr("Save &as..."), QKeySequence::SaveAs, &NCRDMainWindow::saveAs);
    add("actionPrint", tr("&Print..."), QKeySequence::Print, &NCRDMainWindow::print);
    QAction* preview = add("actionPreview", tr("Pre&view"), QKeySequence::UnknownKey, &NCRDMainWindow::preview);
    preview->setShortcut(QKeySequence(Qt::Key_F5));
#ifdef NCREPORT_WITH_MAIL
    add("actionSendMail", tr("Send by &e-mail..."), QKeySequence::UnknownKey, &NCRDMainWindow::sendByMail);
#endif
    auto* dataSources = new QAction(tr("&Data sources..."), this);
    dataSources->setObjectName(QStringLiteral("actionDataSources"));
    connect(dataSources, &QAction::triggered, this, [this] {
        if (NCRDDocument* document = activeDocument())
            document->editDataSources();
    });
    auto* variables = new QAction(tr("&Variables..."), this);
    variables->setObjectName(QStringLiteral("actionVariables"));
    connect(variables, &QAction::triggered, this, [this] {
        if (NCRDDocument* document = activeDocument())
            document->editVariables();
    });
    QMenu* reportMenu = menuBar()->addMenu(tr("&Report"));
    reportMenu->setObjectName(QStringLiteral("menuReport"));
    reportMenu->addAction(dataSources);
    reportMenu->addAction(variables);
    // Then the current document's section commands (add a group, a detail, a header or footer;
    // remove and reorder), which work on its selection or outline row.
    connect(reportMenu, &QMenu::aboutToShow, this, [this, reportMenu, dataSources, variables] {
        reportMenu->clear();
        reportMenu->addAction(dataSources);
        reportMenu->addAction(variables);
        const NCRDDocument* document = activeDocument();
        if (!document)
            return;
        reportMenu->addSeparator();
        for (const char* name : {"actionProperties", "actionAddItem", "actionAddSection", "actionRemove", "actionMoveUp",
                                 "actionMoveDown"}) {
            if (QAction* action = document->action(QLatin1String(name)))
                reportMenu->addAction(action);
        }
    });
    fileMenu->addSeparator();
    auto* closeAction = new QAction(tr("&Close"), this);
    closeAction->setObjectName(QStringLiteral("actionClose"));
    closeAction->setShortcut(QKeySequence::Close);
    connect(closeAction, &QAction::triggered, m_mdiArea, &QMdiArea::closeActiveSubWindow);
    fileMenu->addAction(closeAction);
    auto* quitAction = new QAction(tr("E&xit"), this);
    quitAction->setObjectName(QStringLiteral("actionExit"));
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    fileMenu->addAction(quitAction);
}

void NCRDMainWindow::createEditActions()
{
    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->setObjectName(QStringLiteral("menuEdit"));
    QAction* undo = m_undoGroup->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undoGroup->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    editMenu->addAction(undo);
    editMenu->addAction(redo);

    auto* history = new QDockWidget(tr("History"), this);
    history->setObjectName(QStringLiteral("historyDock"));
    history->setAccessibleName(history->windowTitle());
    auto* view = new QUndoView(m_undoGroup, history);
    view->setObjectName(QStringLiteral("historyView"));
    view->setAccessibleName(tr("History"));
    view->setEmptyLabel(tr("<opened>"));
    history->setWidget(view);
    addDockWidget(Qt::RightDockWidgetArea, history);
    history->hide();
    QAction* showHistory = history->toggleViewAction();
    showHistory->setObjectName(QStringLiteral("actionHistory"));
    showHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    editMenu->addSeparator();
    editMenu->addAction(showHistory);
}

NCRDDocument* NCRDMainWindow::activeDocument() const
{
    // currentSubWindow(), not activeSubWindow(): the designer keeps its current document while
    // another window (a dialog of its own) has the focus. The area has none when it was
    // activated without ever having shown the document it was given while hidden (a file opened
    // before the designer appears): the window made current last stands in then.
    const QMdiSubWindow* window = m_mdiArea->currentSubWindow();
    if (!window && m_currentWindow && m_mdiArea->subWindowList().contains(m_currentWindow))
        window = m_currentWindow;
    return window ? qobject_cast<NCRDDocument*>(window->widget()) : nullptr;
}

QList<NCRDDocument*> NCRDMainWindow::documents() const
{
    QList<NCRDDocument*> result;
    for (const QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (auto* document = qobject_cast<NCRDDocument*>(window->widget()))
            result.append(document);
    }
    return result;
}

void NCRDMainWindow::bindItemModels(NCRDDocument* document) const
{
    const auto models = m_def->itemModels();
    for (auto it = models.cbegin(); it != models.cend(); ++it)
        document->report()->addItemModel(it.key(), it.value());
}

NCRDDocument* NCRDMainWindow::openReportFile(const QString& fileName)
{
    // A child of the window first, so that whoever watches the window sees the document come.
    auto document = std::make_unique<NCRDDocument>(this);
    document->setCustomDataSourceProvider(m_provider);
    if (!document->openFile(fileName)) {
        m_errorString = document->errorString();
        return nullptr;
    }
    document->reportDef()->setZintPath(m_def->zintPath());
    bindItemModels(document.get());
    m_undoGroup->addStack(document->undoStack());
    showDocument(document.get());
    QMdiSubWindow* window = m_mdiArea->addSubWindow(document.get());
    // The tabbed area maximises a document only when it activates one while it is visible; a
    // file opened before the window is shown (the designer's own start) would stay small.
    window->showMaximized();
    m_mdiArea->setActiveSubWindow(window);
    m_currentWindow = window;
    return document.release();
}

QPrinter* NCRDMainWindow::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

bool NCRDMainWindow::printReport()
{
    m_pdfFileName.clear();
    NCRDDocument* document = activeDocument();
    if (!document) {
        m_errorString = tr("No report is open");
        return false;
    }
    bindItemModels(document);
    QPrinter* target = printer();
    // With no printer installed Qt's default printer is a PDF writer without a file, which
    // prints nowhere: the PDF then goes beside the report.
    if (target->outputFormat() == QPrinter::PdfFormat && target->outputFileName().isEmpty())
        return printBeside(document);
    if (document->print(target))
        return true;
    m_errorString = document->errorString();
    return false;
}

QString NCRDMainWindow::pdfBeside(const NCRDDocument* document) const
{
    const QFileInfo report(document->fileName());
    return report.dir().filePath(report.completeBaseName() + QStringLiteral(".pdf"));
}

bool NCRDMainWindow::previewReport()
{
    NCRDDocument* document = activeDocument();
    if (!document || !document->report()) {
        m_errorString = tr("No report is open");
        return false;
    }
    bindItemModels(document);
    // The window lays out a report of its own, read from the document as it is now: editing
    // goes on while the pages come, and reads the document's report again.
    const std::unique_ptr<NCReport> report = document->reportCopy();
    if (!report) {
        m_errorString = document->errorString();
        return false;
    }
    auto* window = new NCReportPreviewWindow(this, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    m_previewWindow = window;
    // The run lets events through: this window may be gone when it returns.
    const QPointer<NCRDMainWindow> alive(this);
    const bool ok = window->run(report.get());
    if (alive && !ok)
        m_errorString = report->error().toString();
    return ok;
}

NCReportPreviewWindow* NCRDMainWindow::previewWindow() const
{
    return m_previewWindow;
}

void NCRDMainWindow::preview()
{
    // A run that fails says why in the preview window's own status bar.
    const QPointer<NCReportPreviewWindow> before = m_previewWindow;
    if (activeDocument() && !previewReport() && m_previewWindow == before)
        showError();
}

bool NCRDMainWindow::printBeside(NCRDDocument* document)
{
    if (document->fileName().isEmpty()) {
        m_errorString = tr("No printer is installed, and the report has no file to write the PDF beside");
        return false;
    }
    const QString pdf = pdfBeside(document);
    QPrinter* target = printer();
    target->setOutputFileName(pdf);
    const bool printed = document->print(target);
    // The next print asks again where to go.
    target->setOutputFileName(QString());
    target->setOutputFormat(QPrinter::PdfFormat);
    if (!printed) {
        m_errorString = document->errorString();
        return false;
    }
    m_pdfFileName = pdf;
    statusBar()->showMessage(tr("No printer is installed: the report was written to %1").arg(QDir::toNativeSeparators(pdf)));
    return true;
}

void NCRDMainWindow::showError()
{
    QMessageBox::warning(this, windowTitle(), m_errorString);
}

void NCRDMainWindow::open()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open report"), QString(),
                                                          tr("Reports (*.xml);;All files (*)"));
    if (!fileName.isEmpty() && !openReportFile(fileName))
        showError();
}

void NCRDMainWindow::save()
{
    NCRDDocument* document = activeDocument();
    if (!document)
        return;
    if (document->fileName().isEmpty()) {
        saveAs();
        return;
    }
    if (!document->save()) {
        m_errorString = document->errorString();
        showError();
    }
}

void NCRDMainWindow::saveAs()
{
    NCRDDocument* document = activeDocument();
    if (!document)
        return;
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Save report"), document->fileName(),
                                                          tr("Reports (*.xml);;All files (*)"));
    if (!fileName.isEmpty() && !document->saveAs(fileName)) {
        m_errorString = document->errorString();
        showError();
    }
}

void NCRDMainWindow::print()
{
    if (!activeDocument())
        return;
    QPrintDialog dialog(printer(), this);
    if (dialog.exec() == QDialog::Accepted && !printReport())
        showError();
}

void NCRDMainWindow::sendByMail()
{
#ifdef NCREPORT_WITH_MAIL
    if (NCRDDocument* document = activeDocument()) {
        bindItemModels(document);
        NCRDMailDialog::sendReport(this, document->report());
    }
#endif
}

void NCRDMainWindow::closeEvent(QCloseEvent* event)
{
    m_mdiArea->closeAllSubWindows();
    if (!m_mdiArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    Q_EMIT aboutToClose();
    event->accept();
}
