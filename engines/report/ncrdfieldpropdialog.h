#pragma once

#include "ncrdpropertydialog.h"

class QTextEdit;

/*!
    The properties of a field of the report: its text (an expression), how the text is read
    (the source type), its place and the condition under which it prints ("printWhen").

    The children carry fixed object names ("editor", "comboSourceType", "printWhenPanel",
    "printWhen", layouts "verticalLayout" and "gridLayout_3") by which adaptations find them.
*/
class NCREPORT_EXPORT NCRDFieldPropDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDFieldPropDialog(const QDomElement& item, QWidget* parent = nullptr);
    ~NCRDFieldPropDialog() override;

protected:
    void writeProperties() override;

private:
    QTextEdit* m_editor;
};
