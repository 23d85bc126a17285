#pragma once

#include "ncreportitem.h"

#include <QVector>

/*!
    A band of the page: page header or footer, group header or footer, the band printed once
    per row of a detail, or the report header or footer printed once for the whole report. Its
    height is in millimetres; a section of height 0 is not printed.
*/
struct NCREPORT_EXPORT NCReportSection {
    enum SectionType { PageHeader, PageFooter, GroupHeader, GroupFooter, Detail, ReportHeader, ReportFooter };

    explicit NCReportSection(SectionType type = Detail)
        : type(type)
    {
    }

    SectionType type;
    qreal height = 0;
    QVector<NCReportItem> items;

    bool isEmpty() const { return height <= 0; }
};
