#pragma once

#include "ncreportgroup.h"
#include "ncreportrowsorter.h"

/*!
    The rows of one data source run through a detail section, inside its groups (outermost
    first).
*/
struct NCREPORT_EXPORT NCReportDetail {
    QString id;
    QString dataSourceId;
    NCReportSection section;
    // A condition evaluated before each row: where it holds, the row starts a new page.
    QString pageBreakCondition;
    // The columns the rows are ordered by before they run; empty keeps the source's order.
    QVector<NCReportSortKey> sort;
    QVector<NCReportGroup> groups;
};
