#include "zcncreportdialog.h"

#include <ncrdmainwindow.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QVBoxLayout>

ZCNCReportDialog::ZCNCReportDialog(NCRDMainWindow* mainWindow, QWidget* parent)
    : QDialog(parent)
    , m_mainWindow(mainWindow)
{
    const bool maximized = mainWindow->isMaximized();
    const QSize size = mainWindow->size();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mainWindow);
    connect(mainWindow, &NCRDMainWindow::aboutToClose, this, &QWidget::close);
    setWindowTitle(tr("Editor de informes"));
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::WindowMaximizeButtonHint);
    if (maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        resize(size);
}

ZCNCReportDialog::~ZCNCReportDialog() = default;

NCRDMainWindow* ZCNCReportDialog::mainWindow() const
{
    return m_mainWindow;
}

bool ZCNCReportDialog::closeDocuments()
{
    if (!m_mainWindow)
        return true;
    m_mainWindow->mdiArea()->closeAllSubWindows();
    // Closed document windows delete themselves later.
    QCoreApplication::processEvents();
    return m_mainWindow->mdiArea()->subWindowList().isEmpty();
}

void ZCNCReportDialog::closeEvent(QCloseEvent* event)
{
    if (closeDocuments())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void ZCNCReportDialog::done(int result)
{
    if (closeDocuments())
        QDialog::done(result);
}
