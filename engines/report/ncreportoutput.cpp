#include "ncreportoutput.h"

#include "ncreportband.h"

NCReportOutput::~NCReportOutput() = default;

void NCReportOutput::recordBand(const NCReportSection&, NCReportBand&&)
{
}
