#include "Splines.hh"

#include "GenericContainer.hh"

#include <algorithm>
#include <vector>

namespace Splines
{

CubicSpline::CubicSpline(std::string name, bool checkRange)
    : CubicSplineBase(std::move(name), checkRange)
{
}

CubicSpline::~CubicSpline() = default;

namespace
{

// Slopes of one run of n >= 2 points with increasing x whose second derivatives at the
// ends are d0 and dn: solve the tridiagonal system for the second derivatives M at the
// points (no pivoting needed: the inner rows are diagonally dominant), then take the
// slopes of the cubic pieces.
void cubicSlopes(const double* x, const double* y, double* yp, std::uint32_t n, double d0,
                 double dn)
{
    std::vector<double> M(n);
    M[0] = d0;
    M[n - 1] = dn;
    if (n >= 3) {
        std::vector<double> L(n, 0.0), D(n, 1.0), U(n, 0.0), Z(n);
        Z[0] = d0;
        Z[n - 1] = dn;
        for (std::uint32_t k = 1; k + 1 < n; ++k) {
            const double hL = x[k] - x[k - 1];
            const double hR = x[k + 1] - x[k];
            const double span = x[k + 1] - x[k - 1];
            L[k] = hL / span;
            D[k] = 2;
            U[k] = hR / span;
            Z[k] = 6 * ((y[k + 1] - y[k]) / hR - (y[k] - y[k - 1]) / hL) / span;
        }
        for (std::uint32_t k = 0; k + 1 < n; ++k) {
            Z[k] /= D[k];
            U[k] /= D[k];
            D[k + 1] -= U[k] * L[k + 1];
            Z[k + 1] -= L[k + 1] * Z[k];
        }
        Z[n - 1] /= D[n - 1];
        for (std::uint32_t k = n - 1; k-- > 0;)
            Z[k] -= Z[k + 1] * U[k];
        M = std::move(Z);
    }
    for (std::uint32_t k = 0; k + 1 < n; ++k) {
        const double h = x[k + 1] - x[k];
        yp[k] = (y[k + 1] - y[k]) / h - (M[k] / 3 + M[k + 1] / 6) * h;
    }
    yp[n - 1] = yp[n - 2] + (M[n - 2] + M[n - 1]) * (x[n - 1] - x[n - 2]) * 0.5;
}

} // namespace

void CubicSpline::build()
{
    requireTwoPoints("CubicSpline");
    // The imposed second derivatives belong to the ends of the whole curve; inner runs
    // end naturally.
    forEachRun([this](std::uint32_t first, std::uint32_t n) {
        const double d0 = first == 0 ? ddy_begin : 0.0;
        const double dn = first + n == npts ? ddy_end : 0.0;
        cubicSlopes(X + first, Y + first, Yp + first, n, d0, dn);
    });
}

void CubicSpline::setup(const GenericContainer& gc)
{
    std::vector<double> xs, ys;
    readSetupPoints(gc, "CubicSpline", xs, ys);
    ddy_begin = ddy_end = 0.0;
    gc.getRealIfPresent("ddy_begin", ddy_begin);
    gc.getRealIfPresent("ddy_end", ddy_end);
    buildFromPoints(xs.data(), 1, ys.data(), 1, std::uint32_t(std::min(xs.size(), ys.size())));
}

} // namespace Splines
