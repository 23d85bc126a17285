#pragma once

#include "ncreport_global.h"

#include <QString>

class NCReportRecordedPages;

/*!
    Writes recorded pages as one self-contained HTML file (well-formed XML, so XHTML readers
    take it too): a sheet of the paper's size per page, each page followed by a page break when
    printed (CSS break-after), every item in its place in millimetres. Text is text, in reading
    order (band by band, top to bottom, left to right within a line), with the report's fonts,
    colours and alignment; images and barcodes are PNG data URIs, an image printed on many
    pages written once.
*/
class NCREPORT_EXPORT NCReportHtmlWriter
{
public:
    static QByteArray toHtml(const NCReportRecordedPages& pages);
    // Writes the file whole or not at all; false with `error` saying which file and why.
    static bool write(const NCReportRecordedPages& pages, const QString& fileName, QString* error = nullptr);
};
