#include "ncrdtextpropdialog.h"

#include <QGridLayout>
#include <QLineEdit>

NCRDTextPropDialog::NCRDTextPropDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Text properties"), parent)
    , m_resource(createLineEdit("resource", element.text()))
{
    setObjectName(QStringLiteral("NCRDTextPropDialog"));
    addRow(addSourceForm("gridLayout"), 1, tr("Text:"), m_resource);
    addItemPanels();
}

NCRDTextPropDialog::~NCRDTextPropDialog() = default;

void NCRDTextPropDialog::writeProperties()
{
    setElementText(m_resource->text());
}
