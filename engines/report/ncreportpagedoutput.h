#pragma once

#include "ncreportoutput.h"

#include <QCoreApplication>
#include <QPainter>

class QPagedPaintDevice;

/*!
    Pages painted on a paged device: a QPdfWriter for PDF files or a QPrinter. The device gets
    the report's page layout; it belongs to the caller and must outlive the output.
*/
class NCREPORT_EXPORT NCReportPagedOutput : public NCReportOutput
{
    Q_DECLARE_TR_FUNCTIONS(NCReportPagedOutput)

public:
    explicit NCReportPagedOutput(QPagedPaintDevice* device);
    ~NCReportPagedOutput() override;

    bool begin(const QPageLayout& layout) override;
    QPainter* newPage() override;
    bool end() override;

private:
    QPagedPaintDevice* m_device;
    QPainter m_painter;
    bool m_firstPage = true;
};
