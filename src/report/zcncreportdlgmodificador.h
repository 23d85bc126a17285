#pragma once

#include "mirokit_global.h"

#include <QObject>
#include <QPointer>

class ZCNCReportDesigner;

/*!
    An adaptation attached to one of the report engine's dialogs as the designer sees it open:
    a child of the dialog, so it lives as long as the dialog. The dialog's widgets are found by
    their object names.
*/
class MIROKIT_EXPORT ZCNCReportDlgModificador : public QObject
{
    Q_OBJECT

public:
    ZCNCReportDlgModificador(ZCNCReportDesigner* designer, QWidget* dialog);
    ~ZCNCReportDlgModificador() override;

    // The current index of the dialog's combo box of that name; -1 when there is none.
    int GetSourceTypeComboValue(const QString& name);

protected:
    QPointer<ZCNCReportDesigner> m_designer;
    QWidget* m_dialog;
};
