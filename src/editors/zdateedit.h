#pragma once

#include "zdatetimeedit.h"

/*!
    The date-only form of ZDateTimeEdit. A default one starts on 1 January 2000, not empty;
    its emptiness is decided by the date alone.
*/
class MIROKIT_EXPORT ZDateEdit : public ZDateTimeEdit
{
    Q_OBJECT

public:
    explicit ZDateEdit(QWidget* parent = nullptr);
    ZDateEdit(const QDate& date, QWidget* parent);
    ~ZDateEdit() override;
};
