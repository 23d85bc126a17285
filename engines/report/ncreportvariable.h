#pragma once

#include "ncreport_global.h"

#include <QString>

/*!
    A value accumulated over the rows of the report: the expression (a template) is evaluated on
    every detail row and combined with the function. The variable starts again with each group
    named by resetGroup, or runs over the whole report when that is empty.
*/
struct NCREPORT_EXPORT NCReportVariable {
    enum Function { Count, Sum, Average, Minimum, Maximum };

    QString id;
    QString expression;
    Function function = Sum;
    QString resetGroup;
};
