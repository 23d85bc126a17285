#pragma once

#include "mirokit_global.h"

#include <QLineEdit>

/*!
    Line edit for an IPv4 address: four groups of three positions joined by dots, each group a
    number from 0 to 255. A partly typed address is acceptable while blanks (`_`) remain.
*/
class MIROKIT_EXPORT ZCIPEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ZCIPEdit(QWidget* parent = nullptr);
};
