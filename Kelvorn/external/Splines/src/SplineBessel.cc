#include "Splines.hh"

namespace Splines
{

BesselSpline::BesselSpline(std::string name, bool checkRange)
    : CubicSplineBase(std::move(name), checkRange)
{
}

namespace
{

// Slopes of one run of n >= 2 points with increasing x: at inner points the slope of
// the parabola through the point and its neighbours, at the ends the chord slope
// corrected by half the change to the next chord.
void besselSlopes(const double* x, const double* y, double* yp, std::uint32_t n)
{
    const auto chord = [&](std::uint32_t k) { return (y[k + 1] - y[k]) / (x[k + 1] - x[k]); };
    if (n == 2) {
        yp[0] = yp[1] = chord(0);
        return;
    }
    for (std::uint32_t k = 1; k + 1 < n; ++k) {
        const double hL = x[k] - x[k - 1];
        const double hR = x[k + 1] - x[k];
        yp[k] = (hR * chord(k - 1) + hL * chord(k)) / (hL + hR);
    }
    yp[0] = 1.5 * chord(0) - 0.5 * chord(1);
    yp[n - 1] = 1.5 * chord(n - 2) - 0.5 * chord(n - 3);
}

} // namespace

void BesselSpline::build()
{
    requireTwoPoints("BesselSpline");
    forEachRun([this](std::uint32_t first, std::uint32_t n) {
        besselSlopes(X + first, Y + first, Yp + first, n);
    });
}

} // namespace Splines
