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
    QVector<NCReportGroup> groups;
};
