// Median wall time of n runs of a piece of work, in milliseconds.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

inline double mediana(int n, const std::function<void()> &f)
{
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer e;
        e.start();
        f();
        t.push_back(e.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}
