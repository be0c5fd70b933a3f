#pragma once

#include <QElapsedTimer>
#include <QList>

#include <algorithm>

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of the work over some rounds, in milliseconds.
template <class Work> double medianMs(int rounds, Work work)
{
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    return median(times);
}
