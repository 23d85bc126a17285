#pragma once

// Turning wheel rotation into whole steps (not part of the public headers); Mirokit's widgets
// use it too (ZCWheelSteps).

#include <QtGlobal>

/*!
    Converts wheel angle deltas into whole steps and keeps the remainder between events, so
    that a touchpad's many small deltas add up to the same steps as a mouse wheel's notches.
    A change of direction drops what was left over from the other direction.

    steps(delta, multiplier, divisor) returns trunc((remainder + delta × multiplier) / divisor):
    a widget that moves `n` steps per notch of 120 passes multiplier n and divisor 120.
*/
class NCReportWheelSteps
{
public:
    int steps(int angleDelta, int multiplier, int divisor)
    {
        if (divisor == 0)
            return 0;
        const qint64 scaled = qint64(angleDelta) * multiplier;
        if ((scaled > 0 && m_remainder < 0) || (scaled < 0 && m_remainder > 0))
            m_remainder = 0;
        m_remainder += scaled;
        const qint64 whole = m_remainder / divisor;
        m_remainder -= whole * divisor;
        return int(qBound(qint64(-0x7fffffff), whole, qint64(0x7fffffff)));
    }

    void reset() { m_remainder = 0; }

private:
    qint64 m_remainder = 0;
};
