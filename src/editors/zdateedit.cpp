#include "zdateedit.h"

ZDateEdit::ZDateEdit(QWidget* parent)
    : ZDateEdit(QDate(2000, 1, 1), parent)
{
}

ZDateEdit::ZDateEdit(const QDate& date, QWidget* parent)
    : ZDateTimeEdit(date.isValid() ? date : QDate(2000, 1, 1), QVariant::Date, parent)
{
    // The base's Init ran while this object was not a ZDateEdit yet: judged again here, and a
    // null date leaves the editor empty.
    SetIsValidDate(date.isValid());
}

ZDateEdit::~ZDateEdit() = default;
