#pragma once

#include "ncreport_global.h"

#include <QDialog>
#include <QDomElement>
#include <QItemDelegate>

class QStandardItemModel;
class QTableView;

/*!
    The variables of a report in a table ("tableView"): id, expression, function and the group
    that resets them. Accepting writes the rows into the report's "variables" element.
*/
class NCREPORT_EXPORT NCRDVariableDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { IdColumn, ExpressionColumn, FunctionColumn, ResetGroupColumn, ColumnCount };

    explicit NCRDVariableDialog(const QDomElement& variables, QWidget* parent = nullptr);
    ~NCRDVariableDialog() override;

    QTableView* tableView() const { return m_view; }
    QStandardItemModel* model() const { return m_model; }

    void accept() override;

private:
    QDomElement m_variables;
    QStandardItemModel* m_model;
    QTableView* m_view;
};

/*!
    The variable table's delegate: the function is chosen from a combo box when `functionChoice`
    is set; every other cell is edited as text.
*/
class NCREPORT_EXPORT NCRDVariableItemDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    NCRDVariableItemDelegate(NCRDVariableDialog* dialog, bool functionChoice);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    bool m_functionChoice;
};
