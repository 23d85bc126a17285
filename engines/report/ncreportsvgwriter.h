#pragma once

#include "ncreport_global.h"

#include <QString>

class NCReportRecordedPages;

/*!
    Writes recorded pages as SVG files into a folder, one a page (page-0001.svg, page-0002.svg,
    ...), the paper's full size in millimetres, text kept as text.
*/
class NCREPORT_EXPORT NCReportSvgWriter
{
public:
    static QString pageFileName(int page);
    // Creates the folder when it is missing. Each file is written whole or not at all; false
    // with `error` saying which and why, at the first that cannot be written.
    static bool write(const NCReportRecordedPages& pages, const QString& folder, QString* error = nullptr);
};
