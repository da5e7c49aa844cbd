#pragma once
// Steps of a distance axis in metres, shared by the charts that draw one.

struct DistanceSteps {
    long long major;
    long long minor; // 0: no minor ticks
};

// From the span of the axis in metres; the span must be finite.
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
