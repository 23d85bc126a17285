#pragma once

// Timing of one job that needs a fresh fixture each round (a tree to delete, a collapsed view),
// with the fixture built outside the measurement.

#include "benchmark.h"

namespace bench {

inline double bestOfRounds(const std::function<void()>& setup, const std::function<void()>& job,
                           int rounds = 3)
{
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        setup();
        QElapsedTimer timer;
        timer.start();
        job();
        const double elapsed = double(timer.nsecsElapsed());
        best = round == 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

inline double report(const QString& name, double ours, double baseline)
{
    const double ratio = ours / baseline;
    QTextStream(stdout) << name << ": ours " << formatTime(ours) << ", baseline " << formatTime(baseline)
                        << ", ratio " << QString::number(ratio, 'f', 2) << Qt::endl;
    return ratio;
}

} // namespace bench
