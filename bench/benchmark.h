#pragma once

// Benchmarks compare our code with a baseline (plain Qt doing the nearest job) in the same
// process and report the ratio; they are not tests and never gate CI.

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

// Best of several rounds, in nanoseconds per call; the best round is the least disturbed one.
inline double nanosecondsPerCall(const std::function<void()>& job, int iterations, int rounds = 5)
{
    job();  // warm caches and lazy initialisation outside the measurement
    std::vector<double> results;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < iterations; ++i)
            job();
        results.push_back(double(timer.nsecsElapsed()) / iterations);
    }
    return *std::min_element(results.begin(), results.end());
}

inline QString formatTime(double nanoseconds)
{
    if (nanoseconds >= 1e6)
        return QString::number(nanoseconds / 1e6, 'f', 3) + QStringLiteral(" ms");
    if (nanoseconds >= 1e3)
        return QString::number(nanoseconds / 1e3, 'f', 3) + QStringLiteral(" us");
    return QString::number(nanoseconds, 'f', 1) + QStringLiteral(" ns");
}

// Prints "name: ours <t>, baseline <t>, ratio <r>" and returns the ratio.
inline double compare(const QString& name, const std::function<void()>& ours,
                      const std::function<void()>& baseline, int iterations)
{
    const double oursTime = nanosecondsPerCall(ours, iterations);
    const double baselineTime = nanosecondsPerCall(baseline, iterations);
    const double ratio = oursTime / baselineTime;
    QTextStream(stdout) << name << ": ours " << formatTime(oursTime) << ", baseline "
                        << formatTime(baselineTime) << ", ratio " << QString::number(ratio, 'f', 2)
                        << Qt::endl;
    return ratio;
}

} // namespace bench
