#pragma once

#include "ncrdpropertydialog.h"

class QLineEdit;

/*!
    The properties of an image: the file or resource it shows ("resource", in the grid
    "gridLayout" beside the source type "comboSourceType"; with another source type than
    static text, an expression giving the path), its place and its print condition.
*/
class NCREPORT_EXPORT NCRDImagePropDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDImagePropDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDImagePropDialog() override;

protected:
    void writeProperties() override;

private:
    QLineEdit* m_resource;
};
