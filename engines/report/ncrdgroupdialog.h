#pragma once

#include "ncrdpropertydialog.h"

class QLineEdit;

/*!
    The properties of a group: its id, the expression whose change starts a new group
    ("wGroupExp", row 1 of the grid "layGroupProp"), the heights of its header and footer, and
    the condition under which a group starts a new page ("pageBreakCond" in "layPbreak"). A
    header or footer the group does not have yet is added when it is given a height.
*/
class NCREPORT_EXPORT NCRDGroupDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDGroupDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDGroupDialog() override;

protected:
    void writeProperties() override;

private:
    // The group's band of that tag, or a new one not yet in the group.
    QDomElement band(const QString& tag) const;

    QLineEdit* m_id;
    QLineEdit* m_expression;
    QDomElement m_header;
    QDomElement m_footer;
};
