#include "ncreportoutput.h"

#include "ncreportband.h"

NCReportOutput::~NCReportOutput() = default;

void NCReportOutput::recordBand(const NCReportSection&, NCReportBand&&)
{
}

void NCReportOutput::recordReport(const QString&, const QLocale&)
{
}

bool NCReportOutput::pageCounted(int)
{
    return true;
}
