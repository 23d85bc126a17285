#pragma once

#include "ncrdpropertydialog.h"

/*!
    The height of a section that has no other property: the page header and footer, and a
    group's header and footer ("spHeight" in the grid "laySection").
*/
class NCREPORT_EXPORT NCRDSectionDialog : public NCRDPropertyDialog
{
    Q_OBJECT

public:
    explicit NCRDSectionDialog(const QDomElement& element, QWidget* parent = nullptr);
    ~NCRDSectionDialog() override;

protected:
    // The height is a length, which the base writes.
    void writeProperties() override {}
};
