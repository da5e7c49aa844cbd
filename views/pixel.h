#pragma once
// Conversion of computed drawing coordinates to whole pixels.

#include <cmath>

// v truncated toward zero, after clamping to [lo, hi]. Not-a-number gives lo:
// converting NaN or an out-of-range double to int is undefined.
inline int clampedPixel(double v, double lo, double hi)
{
    if (!(v >= lo))
        return int(std::trunc(lo));
    if (v > hi)
        return int(std::trunc(hi));
    return int(std::trunc(v));
}

// Bounds a few times the drawing's size on either side: far enough out that
// clipped geometry keeps its slopes on screen, near enough for int arithmetic.
inline double pixelLow(double size)
{
    return -4.0 * std::fmax(size, 1.0);
}
inline double pixelHigh(double size)
{
    return 5.0 * std::fmax(size, 1.0);
}
