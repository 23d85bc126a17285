#include "zdateeditbrowser.h"

#include "zdateedit.h"

ZDateEditBrowser::ZDateEditBrowser(QWidget* parent, bool focusOnButton)
    : ZAbstractDateBrowser(parent)
    , m_dateEdit(new ZDateEdit(this))
{
    connect(m_dateEdit, &QDateTimeEdit::dateChanged, this, &ZDateEditBrowser::dateChanged);
    SetDateEdit(m_dateEdit, focusOnButton);
}

ZDateEditBrowser::~ZDateEditBrowser() = default;
