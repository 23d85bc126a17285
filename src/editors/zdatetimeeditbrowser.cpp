#include "zdatetimeeditbrowser.h"

#include "zdatetimeedit.h"

ZDateTimeEditBrowser::ZDateTimeEditBrowser(QWidget* parent, bool focusOnButton)
    : ZAbstractDateBrowser(parent)
    , m_dateTimeEdit(new ZDateTimeEdit(this))
{
    connect(m_dateTimeEdit, &QDateTimeEdit::dateTimeChanged, this, &ZDateTimeEditBrowser::dateTimeChanged);
    SetDateEdit(m_dateTimeEdit, focusOnButton);
}

ZDateTimeEditBrowser::~ZDateTimeEditBrowser() = default;

QDateTime ZDateTimeEditBrowser::maximumDateTime() const { return m_dateTimeEdit->maximumDateTime(); }
void ZDateTimeEditBrowser::setMaximumDateTime(const QDateTime& dateTime) { m_dateTimeEdit->setMaximumDateTime(dateTime); }
QDateTime ZDateTimeEditBrowser::minimumDateTime() const { return m_dateTimeEdit->minimumDateTime(); }
void ZDateTimeEditBrowser::setMinimumDateTime(const QDateTime& dateTime) { m_dateTimeEdit->setMinimumDateTime(dateTime); }
