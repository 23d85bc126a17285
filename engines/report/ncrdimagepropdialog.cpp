#include "ncrdimagepropdialog.h"

#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString fileAttribute = QStringLiteral("file");

} // namespace

NCRDImagePropDialog::NCRDImagePropDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Image properties"), parent)
    // The engine reads the file attribute followed by the element's text.
    , m_resource(createLineEdit("resource", element.attribute(fileAttribute) + element.text()))
{
    setObjectName(QStringLiteral("NCRDImagePropDialog"));
    m_resource->setPlaceholderText(tr("A file, or a resource such as :/logo.png"));
    addRow(addSourceForm("gridLayout"), 1, tr("File:"), m_resource);
    addItemPanels();
}

NCRDImagePropDialog::~NCRDImagePropDialog() = default;

void NCRDImagePropDialog::writeProperties()
{
    setElementText(QString());
    setOptionalAttribute(fileAttribute, m_resource->text());
}
