#include "zcncrdvariableitemdelegate.h"

#include "zcncreportdesigner.h"
#include "zcncreportfieldeditcontrol.h"

#include <ncrdvariabledialog.h>

#include <QLayout>
#include <QLineEdit>

namespace {

constexpr int expressionColumn = NCRDVariableDialog::ExpressionColumn;

// The formula editor's line edit, which holds the text the model reads and writes.
QLineEdit* formulaLineEdit(QWidget* editor)
{
    const auto* control = qobject_cast<ZCNCReportFieldEditControl*>(editor);
    return control ? qobject_cast<QLineEdit*>(control->editor()) : nullptr;
}

} // namespace

ZCNCRDVariableItemDelegate::ZCNCRDVariableItemDelegate(NCRDVariableDialog* dialog, bool functionChoice,
                                                       ZCNCReportDesigner* designer)
    : QItemDelegate(dialog)
    , m_engineDelegate(new NCRDVariableItemDelegate(dialog, functionChoice))
    , m_designer(designer)
{
    m_engineDelegate->setParent(this);
}

ZCNCRDVariableItemDelegate::~ZCNCRDVariableItemDelegate() = default;

QWidget* ZCNCRDVariableItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const
{
    if (index.column() != expressionColumn || !m_designer)
        return m_engineDelegate->createEditor(parent, option, index);
    auto* lineEdit = new QLineEdit;
    ZCNCReportFieldEditControl* control = m_designer->CreateFieldEditControl(false, lineEdit, parent);
    if (!control) {
        delete lineEdit;
        return m_engineDelegate->createEditor(parent, option, index);
    }
    if (control->layout())
        control->layout()->setContentsMargins(0, 0, 0, 0);
    connect(control, &ZCNCReportFieldEditControl::textEdited, lineEdit, &QLineEdit::setText);
    connect(lineEdit, &QLineEdit::textChanged, control, &ZCNCReportFieldEditControl::SetText);
    return control;
}

void ZCNCRDVariableItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (QLineEdit* lineEdit = formulaLineEdit(editor))
        lineEdit->setText(index.data(Qt::EditRole).toString());
    else
        m_engineDelegate->setEditorData(editor, index);
}

void ZCNCRDVariableItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (const QLineEdit* lineEdit = formulaLineEdit(editor))
        model->setData(index, lineEdit->text(), Qt::EditRole);
    else
        m_engineDelegate->setModelData(editor, model, index);
}

void ZCNCRDVariableItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                      const QModelIndex& index) const
{
    // The formula editor is wider than its cell would allow: it keeps at least its size hint.
    QRect rect = option.rect;
    if (formulaLineEdit(editor))
        rect.setWidth(qMax(rect.width(), editor->sizeHint().width()));
    editor->setGeometry(rect);
    Q_UNUSED(index)
}
