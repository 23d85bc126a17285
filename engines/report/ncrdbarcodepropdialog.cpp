#include "ncrdbarcodepropdialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {

const QString typeAttribute = QStringLiteral("barcodeType");

} // namespace

NCRDBarcodePropDialog::NCRDBarcodePropDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Barcode properties"), parent)
    , m_type(new QSpinBox(this))
    , m_data(createLineEdit("wColumn", element.text()))
{
    setObjectName(QStringLiteral("NCRDBarcodePropDialog"));
    m_type->setObjectName(QStringLiteral("spBarcodeType"));
    m_type->setRange(0, 99);
    // The engine's default symbology when the item names none.
    m_type->setValue(element.attribute(typeAttribute, QStringLiteral("7")).toInt());
    m_type->setToolTip(tr("The type code of the barcode painter"));
    QGridLayout* grid = addSourceForm("layGrid");
    addRow(grid, 1, tr("Symbology:"), m_type);
    addRow(grid, 2, tr("Data:"), m_data);
    addItemPanels();
}

NCRDBarcodePropDialog::~NCRDBarcodePropDialog() = default;

void NCRDBarcodePropDialog::writeProperties()
{
    setElementText(m_data->text());
    element().setAttribute(typeAttribute, m_type->value());
}
