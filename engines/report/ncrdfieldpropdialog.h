#pragma once

#include "ncreport_global.h"

#include <QDialog>
#include <QDomElement>

class QComboBox;
class QLineEdit;
class QTextEdit;

/*!
    The properties of a field, image or barcode of the report: its text (an expression), how
    the text is read (the source type, in the order of NCReportItem::SourceType) and the
    condition under which it prints ("printWhen", kept in the report for the designer).
    Accepting writes them into the item's element.

    The children carry fixed object names ("editor", "comboSourceType", "printWhenPanel",
    "printWhen", layouts "verticalLayout" and "gridLayout_3") by which adaptations find them.
*/
class NCREPORT_EXPORT NCRDFieldPropDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NCRDFieldPropDialog(const QDomElement& item, QWidget* parent = nullptr);
    ~NCRDFieldPropDialog() override;

    void accept() override;

private:
    QDomElement m_item;
    QTextEdit* m_editor;
    QComboBox* m_sourceType;
    QLineEdit* m_printWhen;
};
