#pragma once

#include "ncrdpropertydialog.h"

class QComboBox;
class QLineEdit;

/*!
    The properties of a detail: its id, the data source whose rows it runs, the height of its
    section (in the grid "layDetail") and the condition under which a row starts a new page
    ("pageBreakCond" in the layout "layPbreak").
*/
class NCREPORT_EXPORT NCRDDetailDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDDetailDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDDetailDialog() override;

protected:
    void writeProperties() override;

private:
    QLineEdit* m_id;
    QComboBox* m_dataSource;
};
