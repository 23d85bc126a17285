#pragma once

#include "ncrdpropertydialog.h"

class QLineEdit;

/*!
    The properties of a label: its text ("resource", in the grid "gridLayout" beside the
    source type "comboSourceType"), its place and its print condition. A label whose source
    type is not static text is evaluated like a field.
*/
class NCREPORT_EXPORT NCRDTextPropDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDTextPropDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDTextPropDialog() override;

protected:
    void writeProperties() override;

private:
    QLineEdit* m_resource;
};
