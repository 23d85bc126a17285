#include "ncrdvariabledialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char* const attributes[] = {"id", "expression", "function", "resetGroup"};
const QStringList& functionNames()
{
    static const QStringList names{QStringLiteral("count"), QStringLiteral("sum"), QStringLiteral("avg"),
                                   QStringLiteral("min"), QStringLiteral("max")};
    return names;
}

} // namespace

NCRDVariableDialog::NCRDVariableDialog(const QDomElement& variables, QWidget* parent)
    : QDialog(parent)
    , m_variables(variables)
    , m_model(new QStandardItemModel(0, ColumnCount, this))
    , m_view(new QTableView(this))
{
    setObjectName(QStringLiteral("NCRDVariableDialog"));
    setWindowTitle(tr("Variables"));
    m_model->setHorizontalHeaderLabels({tr("Id"), tr("Expression"), tr("Function"), tr("Reset by group")});
    for (QDomElement e = variables.firstChildElement(QStringLiteral("variable")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("variable"))) {
        QList<QStandardItem*> row;
        for (const char* attribute : attributes)
            row.append(new QStandardItem(e.attribute(QLatin1String(attribute))));
        if (row.at(FunctionColumn)->text().isEmpty())
            row.at(FunctionColumn)->setText(QStringLiteral("sum"));
        m_model->appendRow(row);
    }
    m_view->setObjectName(QStringLiteral("tableView"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new NCRDVariableItemDelegate(this, true));
    m_view->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(buttons);
}

NCRDVariableDialog::~NCRDVariableDialog() = default;

void NCRDVariableDialog::accept()
{
    QDomElement e = m_variables.firstChildElement(QStringLiteral("variable"));
    for (int row = 0; row < m_model->rowCount() && !e.isNull(); ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            const QString value = m_model->index(row, column).data().toString();
            const QLatin1String attribute(attributes[column]);
            if (value.isEmpty())
                e.removeAttribute(attribute);
            else
                e.setAttribute(attribute, value);
        }
        e = e.nextSiblingElement(QStringLiteral("variable"));
    }
    QDialog::accept();
}

NCRDVariableItemDelegate::NCRDVariableItemDelegate(NCRDVariableDialog* dialog, bool functionChoice)
    : QItemDelegate(dialog)
    , m_functionChoice(functionChoice)
{
}

QWidget* NCRDVariableItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                const QModelIndex& index) const
{
    if (!m_functionChoice || index.column() != NCRDVariableDialog::FunctionColumn)
        return QItemDelegate::createEditor(parent, option, index);
    auto* combo = new QComboBox(parent);
    combo->addItems(functionNames());
    return combo;
}

void NCRDVariableItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(qMax(0, functionNames().indexOf(index.data(Qt::EditRole).toString())));
    else
        QItemDelegate::setEditorData(editor, index);
}

void NCRDVariableItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        model->setData(index, combo->currentText(), Qt::EditRole);
    else
        QItemDelegate::setModelData(editor, model, index);
}
