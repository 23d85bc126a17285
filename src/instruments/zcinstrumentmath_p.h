#pragma once

// Number conversions shared by the drawn instruments (not part of the public headers).

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace ZCInstrumentMath {

// The integer part of a double, clamped to the int range: converting a value beyond it is
// undefined behaviour, and instruments take their values from callers and scripts. NaN gives 0.
inline int truncatedToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return int(qBound(double(std::numeric_limits<int>::min()), std::trunc(value),
                      double(std::numeric_limits<int>::max())));
}

// The same for a 64-bit sum of ints that may have left the int range.
inline int clampedToInt(qint64 value)
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), value, qint64(std::numeric_limits<int>::max())));
}

} // namespace ZCInstrumentMath
