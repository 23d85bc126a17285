#include "zcncreportmainwindow.h"

#include <QAction>

ZCNCReportMainWindow::ZCNCReportMainWindow(QWidget* parent, Qt::WindowFlags flags)
    : NCRDMainWindow(parent, flags)
{
    delete findChild<QAction*>(QStringLiteral("actionExit"));
}

ZCNCReportMainWindow::~ZCNCReportMainWindow() = default;
