#include "ncrdsectiondialog.h"

#include <QDoubleSpinBox>
#include <QGridLayout>

NCRDSectionDialog::NCRDSectionDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Section properties"), parent)
{
    setObjectName(QStringLiteral("NCRDSectionDialog"));
    addRow(addForm("laySection"), 0, tr("Height:"), createLengthBox("spHeight", element, QStringLiteral("height"), 0));
    addButtons();
}

NCRDSectionDialog::~NCRDSectionDialog() = default;
