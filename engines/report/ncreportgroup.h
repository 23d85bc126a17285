#pragma once

#include "ncreportsection.h"

/*!
    A group of consecutive rows of a detail sharing the value of an expression (a template such
    as "$D{ventas.ciudad}"): its header is printed before the first row of each group, its footer
    after the last one.
*/
struct NCREPORT_EXPORT NCReportGroup {
    QString id;
    QString expression;
    // A condition evaluated as each group starts: where it holds, its header starts a new page.
    QString pageBreakCondition;
    NCReportSection header{NCReportSection::GroupHeader};
    NCReportSection footer{NCReportSection::GroupFooter};
};
