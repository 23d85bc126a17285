#pragma once

// Turning wheel rotation into whole steps (not part of the public headers): the report
// engine's helper, which the engine's preview shares with the library's widgets.

#include "ncreportwheelsteps_p.h"

class ZCWheelSteps : public NCReportWheelSteps
{
};
