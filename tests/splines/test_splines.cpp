#include "Splines.hh"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{

template <typename S>
void build(S& spline, const std::vector<double>& x, const std::vector<double>& y)
{
    spline.buildFromPoints(x.data(), 1, y.data(), 1, std::uint32_t(std::min(x.size(), y.size())));
}

} // namespace

TEST(LinearSpline, InterpolatesAndHoldsEndValuesOutside)
{
    Splines::LinearSpline s("LinearSpline", false);
    build(s, {0, 10}, {0, 5});
    struct Case {
        double x, value, slope;
    };
    const Case cases[] = {{5, 2.5, 0.5}, {-3, 0, 0}, {12, 5, 0}, {0, 0, 0.5}, {10, 5, 0.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_DOUBLE_EQ(s(c.x), c.value);
        EXPECT_DOUBLE_EQ(s.derivative(c.x), c.slope);
        EXPECT_EQ(s.secondDerivative(c.x), 0.0);
        EXPECT_EQ(s.thirdDerivative(c.x), 0.0);
    }
}

TEST(BesselSpline, ReproducesAParabolaOnEvenSpacing)
{
    Splines::BesselSpline s("BesselSpline", false);
    build(s, {0, 1, 2, 3, 4, 5}, {0, 1, 4, 9, 16, 25});
    for (double x : {0.3, 2.7, 4.9})
        EXPECT_NEAR(s(x), x * x, 1e-12) << x;
}

TEST(CubicSpline, NaturalSplineThroughThreePoints)
{
    // Natural spline through (0,0), (1,1), (2,0): M = (0, -3, 0), so on [0,1]
    // s(x) = 1.5x - 0.5x^3 and on [1,2] its mirror image.
    Splines::CubicSpline s("CubicSpline", false);
    build(s, {0, 1, 2}, {0, 1, 0});
    const double slopes[] = {1.5, 0.0, -1.5};
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(s.Yp[k], slopes[k], 1e-15);
    for (double x : {0.25, 0.5, 0.9}) {
        EXPECT_NEAR(s(x), 1.5 * x - 0.5 * x * x * x, 1e-14) << x;
        EXPECT_NEAR(s(2 - x), 1.5 * x - 0.5 * x * x * x, 1e-14) << x;
    }
    EXPECT_NEAR(s.secondDerivative(1.0), -3.0, 1e-14);
}
