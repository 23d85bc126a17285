#include "ncreportoutput.h"

NCReportOutput::~NCReportOutput() = default;
