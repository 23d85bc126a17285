#pragma once

#include "mirokit_global.h"

#include <QModelIndex>
#include <QObject>
#include <QPointer>

class QDataWidgetMapper;
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
    // The cell of the mapper's model that `widget` shows at the mapper's current row; invalid
    // for a widget the mapper does not map. Writing goes through the index, as a cell never set
    // has no item to write into.
    static QModelIndex mappedIndex(const QDataWidgetMapper* mapper, QWidget* widget);

    QPointer<ZCNCReportDesigner> m_designer;
    QWidget* m_dialog;
};
