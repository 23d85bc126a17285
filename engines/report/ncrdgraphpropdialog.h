#pragma once

#include "ncrdpropertydialog.h"

class QDoubleSpinBox;
class QLineEdit;

/*!
    The properties of a graphic item, a line or a rectangle: its ends or its place, the line
    width and colour and a rectangle's fill (in the grid "layGraph"), and its print condition.
    Colours are names or "#rrggbb"; an empty one is the engine's default.
*/
class NCREPORT_EXPORT NCRDGraphPropDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDGraphPropDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDGraphPropDialog() override;

protected:
    void writeProperties() override;

private:
    QDoubleSpinBox* m_lineWidth;
    QLineEdit* m_color;
    QLineEdit* m_fill = nullptr;
};
