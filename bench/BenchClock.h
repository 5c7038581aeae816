#pragma once
#include <algorithm>
#include <chrono>
#include <vector>

// Milliseconds taken by `work`.
template <typename Work>
double MillisecondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> taken = std::chrono::steady_clock::now() - start;
    return taken.count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
