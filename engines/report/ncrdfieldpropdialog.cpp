#include "ncrdfieldpropdialog.h"

#include <QComboBox>
#include <QTextEdit>
#include <QVBoxLayout>

NCRDFieldPropDialog::NCRDFieldPropDialog(const QDomElement& item, QWidget* parent)
    : NCRDPropertyDialog(item, tr("Field properties"), parent)
    , m_editor(new QTextEdit(this))
{
    setObjectName(QStringLiteral("NCRDFieldPropDialog"));
    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setAcceptRichText(false);
    m_editor->setPlainText(item.text());
    mainLayout()->addWidget(m_editor);
    mainLayout()->addWidget(createSourceTypeCombo());
    addItemPanels();
}

NCRDFieldPropDialog::~NCRDFieldPropDialog() = default;

void NCRDFieldPropDialog::writeProperties()
{
    setElementText(m_editor->toPlainText());
}
