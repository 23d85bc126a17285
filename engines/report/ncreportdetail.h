#pragma once

#include "ncreportgroup.h"

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
    QVector<NCReportGroup> groups;
};
