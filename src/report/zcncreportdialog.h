#pragma once

#include "mirokit_global.h"

#include <QDialog>
#include <QPointer>

class NCRDMainWindow;

/*!
    The modal dialog the report designer runs in. It closes only when every document of the
    designer window has closed: a document whose save question is cancelled keeps it open.
*/
class MIROKIT_EXPORT ZCNCReportDialog : public QDialog
{
    Q_OBJECT

public:
    // Takes the window into its layout, with its size or maximised state.
    ZCNCReportDialog(NCRDMainWindow* mainWindow, QWidget* parent = nullptr);
    ~ZCNCReportDialog() override;

    NCRDMainWindow* mainWindow() const;

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool closeDocuments();

    QPointer<NCRDMainWindow> m_mainWindow;
};
