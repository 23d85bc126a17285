#include "zcncreportmainwindow.h"

#include "zcncreportcustomdsprovider.h"

#include <QAction>

ZCNCReportMainWindow::ZCNCReportMainWindow(QWidget* parent, Qt::WindowFlags flags)
    : NCRDMainWindow(parent, flags)
{
    delete findChild<QAction*>(QStringLiteral("actionExit"));
    // Reports opened, previewed or printed here read the host's models as the library does.
    setCustomDataSourceProvider(new ZCNCReportCustomDSProvider(this));
}

ZCNCReportMainWindow::~ZCNCReportMainWindow() = default;
