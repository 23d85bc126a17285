#pragma once

#include "ncrdpropertydialog.h"

class QLineEdit;
class QSpinBox;

/*!
    The properties of a barcode: the source type ("comboSourceType"), the symbology by the
    barcode painter's type code and the data ("wColumn", an expression) in rows 0 to 2 of the grid
    "layGrid", its place and its print condition.
*/
class NCREPORT_EXPORT NCRDBarcodePropDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDBarcodePropDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDBarcodePropDialog() override;

protected:
    void writeProperties() override;

private:
    QSpinBox* m_type;
    QLineEdit* m_data;
};
