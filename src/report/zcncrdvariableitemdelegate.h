#pragma once

#include "mirokit_global.h"

#include <QItemDelegate>
#include <QPointer>

class NCRDVariableDialog;
class NCRDVariableItemDelegate;
class ZCNCReportDesigner;

/*!
    The delegate of the engine's variable table with the platform's formula editor for the
    expression column (1); the other columns keep the engine's own delegate.
*/
class MIROKIT_EXPORT ZCNCRDVariableItemDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    //! functionChoice: the function column is chosen from a combo box, as in the engine's delegate.
    ZCNCRDVariableItemDelegate(NCRDVariableDialog* dialog, bool functionChoice, ZCNCReportDesigner* designer);
    ~ZCNCRDVariableItemDelegate() override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    NCRDVariableItemDelegate* m_engineDelegate;
    QPointer<ZCNCReportDesigner> m_designer;
};
