#pragma once

#include "mirokit_global.h"

#include <ncrdmainwindow.h>

/*!
    The engine's designer window as the platform runs it inside ZCNCReportDialog: without the
    Exit command, since closing the dialog closes the designer, and with the library's
    data-source provider, so that its reports read the host's models by the library's rules.
*/
class MIROKIT_EXPORT ZCNCReportMainWindow : public NCRDMainWindow
{
    Q_OBJECT

public:
    explicit ZCNCReportMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~ZCNCReportMainWindow() override;
};
