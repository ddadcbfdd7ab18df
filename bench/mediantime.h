#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace pictova::bench {

// Median of `runs` timings of `work`, in microseconds.
template <typename Work> double medianMicros(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The same in milliseconds.
template <typename Work> double medianMillis(int runs, Work work)
{
    return medianMicros(runs, work) / 1000.0;
}

} // namespace pictova::bench
