#pragma once
// Tick steps of the travel-time charts (the plot on screen and the exported
// chart), shared so that both label their axes alike.

#include <cmath>

struct TickSteps {
    double major;
    double minor;
};

// Steps of the time grid and time axis, from the largest time in ms.
inline TickSteps chartTimeSteps(double tms)
{
    if (tms < 10.0)
        return {2.0, 1.0};
    if (tms <= 25.0)
        return {2.5, 1.25};
    if (tms <= 50.0)
        return {5.0, 2.5};
    if (tms <= 250.0)
        return {10.0, 2.0};
    if (tms <= 500.0)
        return {50.0, 10.0};
    const double major = std::trunc(tms / 10.0);
    return {major, std::trunc(major / 5.0)};
}

struct DistanceSteps {
    long long major;
    long long minor; // 0: no minor ticks
};

// Steps of the distance axis, from the receiver span in metres (finite, and
// small enough for whole-metre ticks).
inline DistanceSteps chartDistanceSteps(double span)
{
    if (span < 10.0)
        return {1, 0};
    if (span < 20.0)
        return {2, 1};
    if (span < 50.0)
        return {5, 1};
    if (span < 100.0)
        return {10, 2};
    const long long major = (long long)(span / 10.0);
    return {major, major / 5};
}

// The values (ms) of the time grid and the major time ticks: every step from
// 0 up to tms, then the first one above tms while its row lies below the
// plot's top y0 (rows grow downwards).
template <class Row, class F>
void forEachTimeGridValue(double tms, double step, double y0, Row row, F f)
{
    int k = 0;
    for (; k * step <= tms; ++k)
        f(k * step);
    if (row(k * step) > y0)
        f(k * step);
}
