#include "Splines.hh"
#include "errortext.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

using Points = std::vector<double>;

void build(Splines::Spline& spline, const Points& x, const Points& y)
{
    spline.buildFromPoints(x.data(), 1, y.data(), 1, std::uint32_t(std::min(x.size(), y.size())));
}

enum class Kind { Linear, Bessel, Cubic };

std::unique_ptr<Splines::Spline> make(Kind kind)
{
    switch (kind) {
    case Kind::Linear:
        return std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    case Kind::Bessel:
        return std::make_unique<Splines::BesselSpline>("BesselSpline", false);
    case Kind::Cubic:
        break;
    }
    return std::make_unique<Splines::CubicSpline>("CubicSpline", false);
}

// The cubic through (x0, y0) and (x1, y1) with slopes m0 and m1, in the textbook
// Hermite basis.
double hermite(double x0, double y0, double m0, double x1, double y1, double m1, double x)
{
    const double h = x1 - x0;
    const double t = (x - x0) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + t) * h * m0 + (-2 * t3 + 3 * t2) * y1 +
           (t3 - t2) * h * m1;
}

const double notANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

// ---------------------------------------------------------------------------
// Against scipy.interpolate.CubicSpline and numpy.interp (tests/fixtures/splines).

class ScipyReference : public ::testing::Test
{
protected:
    struct Row {
        int order;
        double x, value;
    };

    void SetUp() override
    {
        std::ifstream in(testenv::fixture("splines/reference.txt"));
        ASSERT_TRUE(in) << "missing reference.txt";
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string tag;
            fields >> tag;
            Row row{0, 0, 0};
            if (tag == "x" || tag == "y") {
                for (double v; fields >> v;)
                    (tag == "x" ? x : y).push_back(v);
            } else if (tag == "linear") {
                fields >> row.x >> row.value;
                rows[tag].push_back(row);
            } else if (tag == "natural" || tag == "ends") {
                fields >> row.order >> row.x >> row.value;
                rows[tag].push_back(row);
            }
        }
        ASSERT_EQ(x.size(), 8u);
        ASSERT_EQ(y.size(), 8u);
    }

    static double evaluate(const Splines::Spline& s, int order, double at)
    {
        switch (order) {
        case 0:
            return s(at);
        case 1:
            return s.derivative(at);
        case 2:
            return s.secondDerivative(at);
        default:
            return s.thirdDerivative(at);
        }
    }

    Points x, y;
    std::map<std::string, std::vector<Row>> rows;
};

TEST_F(ScipyReference, CubicSplineValuesAndDerivativesInsideAndOutside)
{
    struct Case {
        const char* curve;
        double ddyBegin, ddyEnd;
    };
    for (const Case& c : {Case{"natural", 0.0, 0.0}, Case{"ends", 2.0, -1.0}}) {
        Splines::CubicSpline s("CubicSpline", false);
        s.ddy_begin = c.ddyBegin;
        s.ddy_end = c.ddyEnd;
        build(s, x, y);
        ASSERT_EQ(rows[c.curve].size(), 200u);
        for (const Row& r : rows[c.curve])
            EXPECT_NEAR(evaluate(s, r.order, r.x), r.value,
                        1e-10 * std::max(1.0, std::abs(r.value)))
                << c.curve << " order " << r.order << " at " << r.x;
    }
}

TEST_F(ScipyReference, LinearSplineMatchesNumpyInterp)
{
    Splines::LinearSpline s("LinearSpline", false);
    build(s, x, y);
    ASSERT_EQ(rows["linear"].size(), 50u);
    for (const Row& r : rows["linear"])
        EXPECT_NEAR(s(r.x), r.value, 1e-13) << r.x;
}

// ---------------------------------------------------------------------------
// Closed forms.

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

TEST(LinearSpline, AtAnInnerPointUsesTheIntervalToItsRight)
{
    Splines::LinearSpline s("LinearSpline", false);
    build(s, {0, 1, 3}, {0, 2, 3});
    EXPECT_EQ(s(1.0), 2.0);
    EXPECT_EQ(s.derivative(1.0), 0.5);
    EXPECT_EQ(s(3.0), 3.0);
    EXPECT_EQ(s.derivative(3.0), 0.5);
}

TEST(BesselSpline, ReproducesAParabolaOnEvenSpacing)
{
    Splines::BesselSpline s("BesselSpline", false);
    build(s, {0, 1, 2, 3, 4, 5}, {0, 1, 4, 9, 16, 25});
    for (double x : {0.3, 2.7, 4.9})
        EXPECT_NEAR(s(x), x * x, 1e-12) << x;
}

TEST(BesselSpline, SlopesFromThreePointEstimates)
{
    // Chords 1 and 2; inner (2*1 + 1*2)/3; ends 1.5*1 - 0.5*2 and 1.5*2 - 0.5*1.
    Splines::BesselSpline s("BesselSpline", false);
    build(s, {0, 1, 3}, {0, 1, 5});
    const double slopes[] = {0.5, 4.0 / 3.0, 2.5};
    const double x[] = {0, 1, 3};
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(s.Yp[k], slopes[k]) << k;
        EXPECT_DOUBLE_EQ(s.derivative(x[k]), slopes[k]) << k;
    }
}
TEST(CubicSpline, NaturalSplineThroughThreePoints)
{
    // M = (0, -3, 0): on [0,1] s(x) = 1.5x - 0.5x^3, and on [1,2] its mirror image.
    Splines::CubicSpline s("CubicSpline", false);
    build(s, {0, 1, 2}, {0, 1, 0});
    const double slopes[] = {1.5, 0.0, -1.5};
    const double second[] = {0.0, -3.0, 0.0};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(s.Yp[k], slopes[k], 1e-15) << k;
        EXPECT_NEAR(s.secondDerivative(k), second[k], 1e-14) << k;
    }
    for (double x : {0.25, 0.5, 0.9}) {
        EXPECT_NEAR(s(x), 1.5 * x - 0.5 * x * x * x, 1e-14) << x;
        EXPECT_NEAR(s(2 - x), 1.5 * x - 0.5 * x * x * x, 1e-14) << x;
    }
}

TEST(CubicKinds, TwoPointsGiveTheStraightLineAlsoOutside)
{
    for (Kind kind : {Kind::Bessel, Kind::Cubic}) {
        auto s = make(kind);
        build(*s, {1, 3}, {2, 6});
        for (double x : {-4.0, 1.0, 2.2, 3.0, 10.0}) {
            EXPECT_NEAR((*s)(x), 2 * x, 1e-13) << s->name() << " at " << x;
            EXPECT_NEAR(s->derivative(x), 2.0, 1e-13) << s->name() << " at " << x;
            EXPECT_NEAR(s->secondDerivative(x), 0.0, 1e-13) << s->name() << " at " << x;
        }
    }
}

// ---------------------------------------------------------------------------
// Runs: where x stops increasing, the cubic kinds start an independent curve.

TEST(CubicKinds, RunsAreBuiltIndependently)
{
    const Points x = {0, 1, 2, 2, 3, 4}, y = {1, 3, 2, -1, 0, 4};
    struct Case {
        Kind kind;
        double ddyBegin, ddyEnd;
    };
    for (const Case& c :
         {Case{Kind::Bessel, 0, 0}, Case{Kind::Cubic, 0, 0}, Case{Kind::Cubic, 1.5, -2.0}}) {
        auto whole = make(c.kind), left = make(c.kind), right = make(c.kind);
        // The imposed second derivatives hold at the ends of the whole curve only.
        if (c.kind == Kind::Cubic) {
            auto& w = static_cast<Splines::CubicSpline&>(*whole);
            w.ddy_begin = static_cast<Splines::CubicSpline&>(*left).ddy_begin = c.ddyBegin;
            w.ddy_end = static_cast<Splines::CubicSpline&>(*right).ddy_end = c.ddyEnd;
        }
        build(*whole, x, y);
        build(*left, {0, 1, 2}, {1, 3, 2});
        build(*right, {2, 3, 4}, {-1, 0, 4});
        const auto& slopes = static_cast<Splines::CubicSplineBase&>(*whole).Yp;
        const auto& leftSlopes = static_cast<Splines::CubicSplineBase&>(*left).Yp;
        const auto& rightSlopes = static_cast<Splines::CubicSplineBase&>(*right).Yp;
        for (int k = 0; k < 3; ++k) {
            EXPECT_DOUBLE_EQ(slopes[k], leftSlopes[k]) << whole->name() << " " << k;
            EXPECT_DOUBLE_EQ(slopes[k + 3], rightSlopes[k]) << whole->name() << " " << k;
        }
        for (double at : {0.5, 1.7})
            EXPECT_DOUBLE_EQ((*whole)(at), (*left)(at)) << whole->name() << " at " << at;
        // At the repeated abscissa the curve takes the value of the run on the right.
        for (double at : {2.0, 2.5, 3.9})
            EXPECT_DOUBLE_EQ((*whole)(at), (*right)(at)) << whole->name() << " at " << at;
    }
}

TEST(CubicKinds, OnePointRunHasSlopeZeroAfterARebuildInTheSameBlock)
{
    // The first build leaves a non-zero slope at index 3; the second build's last point
    // (x = 1.5 after 2) is a run of its own and must not inherit it.
    struct Case {
        Kind kind;
        double lastSlopeOfFirstRun; // at x = 2 of the run (0,0), (1,1), (2,4)
    };
    for (const Case& c : {Case{Kind::Bessel, 4.0}, Case{Kind::Cubic, 3.5}}) {
        auto s = make(c.kind);
        auto& cubic = static_cast<Splines::CubicSplineBase&>(*s);
        build(*s, {0, 1, 2, 3}, {0, 1, 4, 9});
        ASSERT_NE(cubic.Yp[3], 0.0);
        const double* block = s->X;
        build(*s, {0, 1, 2, 1.5}, {0, 1, 4, 9});
        ASSERT_EQ(s->X, block);
        EXPECT_EQ(cubic.Yp[3], 0.0) << s->name();
        EXPECT_DOUBLE_EQ(cubic.Yp[2], c.lastSlopeOfFirstRun) << s->name();
        EXPECT_NEAR((*s)(2.5), hermite(2, 4, c.lastSlopeOfFirstRun, 1.5, 9, 0.0, 2.5), 1e-12)
            << s->name();
    }
}

// ---------------------------------------------------------------------------
// Interval search.

TEST(Search, FindsTheSameIntervalWhateverTheHint)
{
    // Repeated abscissae at the start, inside and at the end: the interval is the last
    // one of non-zero width starting at or before x, else the first of non-zero width.
    const Points x = {1, 1, 2, 3, 3, 3.5, 5, 6, 6.5, 9, 9};
    const int n = int(x.size());
    const auto reference = [&](double at) {
        int found = -1;
        for (int k = 0; k + 1 < n; ++k)
            if (x[k + 1] > x[k] && x[k] <= at)
                found = k;
        for (int k = 0; found < 0; ++k)
            if (x[k + 1] > x[k])
                found = k;
        return found;
    };
    Points probes = x;
    for (int k = 0; k + 1 < n; ++k)
        probes.push_back(0.5 * (x[k] + x[k + 1]));
    for (double at : {-5.0, 0.99, 9.01, 100.0})
        probes.push_back(at);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(0.0, 10.0);
    for (int i = 0; i < 300; ++i)
        probes.push_back(uniform(random));
    std::shuffle(probes.begin(), probes.end(), random);

    Splines::LinearSpline s("LinearSpline", false);
    build(s, x, Points(x.size(), 0.0));
    for (double at : probes)
        ASSERT_EQ(s.search(at), reference(at)) << "x " << at << " after hint " << s.lastInterval;
}

TEST(Search, RepeatedAbscissaNeverGivesAZeroWidthInterval)
{
    // Through (2,2) and (2,5) the curve jumps; at x = 2 it takes the right-hand value,
    // whichever interval the previous evaluation left as the hint.
    const Points x = {0, 1, 2, 2, 3, 4}, y = {0, 1, 2, 5, 6, 7};
    for (double before : {notANumber, 0.5, 1.5, 2.0, 2.5, 3.5, 9.0}) {
        Splines::LinearSpline s("LinearSpline", false);
        build(s, x, y);
        if (!std::isnan(before))
            s(before);
        EXPECT_EQ(s(2.0), 5.0) << "after " << before;
        EXPECT_EQ(s.derivative(2.0), 1.0) << "after " << before;
    }
    // A repeated last abscissa falls back to the interval before it.
    Splines::LinearSpline end("LinearSpline", false);
    build(end, {0, 1, 2, 2}, {0, 1, 2, 5});
    EXPECT_EQ(end(2.0), 2.0);
    EXPECT_EQ(end.search(2.0), 1);
    for (Kind kind : {Kind::Bessel, Kind::Cubic}) {
        auto s = make(kind);
        build(*s, x, y);
        s->search(3.5);
        EXPECT_DOUBLE_EQ((*s)(2.0), 5.0) << s->name();
    }
}

TEST(Search, StaysInBoundsForNaNAndForPointsThatDoNotIncrease)
{
    // Every comparison with NaN is false, and points that go back (runs) break the
    // ordering the search relies on; either way it must stay inside the arrays (the
    // sanitizer build reports any stray read) and return an interval that exists.
    const Points probes = {notANumber, -1.0, 0.25, 0.75, 1.0, 1.5, 2.0, 2.5, 3.5, 4.0, 5.0};
    for (const Points& x : {Points{0, 1, 2, 4}, Points{2, 1, 3, 0.5}, Points{3, 2, 1, 0}}) {
        Splines::LinearSpline s("LinearSpline", false);
        build(s, x, {1, 0, 2, 3});
        for (double hint : probes)
            for (double at : probes) {
                s.search(hint);
                const std::int32_t i = s.search(at);
                EXPECT_GE(i, 0);
                EXPECT_LE(i, 2);
            }
    }
}

TEST(Search, NaNGivesNaN)
{
    for (Kind kind : {Kind::Linear, Kind::Bessel, Kind::Cubic}) {
        auto s = make(kind);
        build(*s, {0, 1, 2, 4}, {1, 0, 2, 3});
        EXPECT_TRUE(std::isnan((*s)(notANumber))) << s->name();
        EXPECT_TRUE(std::isnan(s->derivative(notANumber))) << s->name();
        if (kind != Kind::Linear) {
            EXPECT_TRUE(std::isnan(s->secondDerivative(notANumber)));
            EXPECT_TRUE(std::isnan(s->thirdDerivative(notANumber)));
        }
    }
}

// ---------------------------------------------------------------------------
// Failures and the states they leave.

TEST(SplineErrors, TextsAfterTheHeader)
{
    struct Case {
        const char* what;
        std::function<void()> action;
        const char* text;
    };
    const Case cases[] = {
        {"one-point Bessel build",
         [] {
             Splines::BesselSpline s("BesselSpline", false);
             build(s, {0}, {1});
         },
         "BesselSpline::build(): npts = 1 not enought points\n"},
        {"one-point cubic build",
         [] {
             Splines::CubicSpline s("CubicSpline", false);
             build(s, {0}, {1});
         },
         "CubicSpline::build(): npts = 1 not enought points\n"},
        {"empty cubic evaluated",
         [] {
             Splines::CubicSpline s("CubicSpline", false);
             s(0.5);
         },
         "\nsearch(0.5) empty spline\n"},
        {"empty linear evaluated",
         [] {
             Splines::LinearSpline s("LinearSpline", false);
             s(1.0);
         },
         "in LinearSpline::operator(), npts == 0!\n"},
        {"empty linear derivative",
         [] {
             Splines::LinearSpline s("LinearSpline", false);
             s.derivative(1.0);
         },
         "in LinearSpline::operator(), npts == 0!\n"},
        {"range check",
         [] {
             Splines::BesselSpline s("BesselSpline", true);
             build(s, {0, 1, 2.5}, {0, 1, 0});
             s(3.0);
         },
         "method search( 3 ) out of range: [0, 2.5]\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(afterHeader(errorOf(c.action)), c.text) << c.what;
}

TEST(SplineErrors, HeaderNamesTheSplineAndTheSourceOfTheCheck)
{
    Splines::BesselSpline s("coverage", false);
    const std::string message = errorOf([&] { build(s, {0}, {1}); });
    const std::string header = message.substr(0, message.find('\n'));
    EXPECT_EQ(header.rfind("In spline: coverage line: ", 0), 0u) << header;
    EXPECT_NE(header.find(" file: "), std::string::npos) << header;
    EXPECT_NE(header.find("SplineBessel.cc"), std::string::npos) << header;
}

TEST(SplineErrors, FailedBuildLeavesAnEmptySpline)
{
    // A spline that held a curve, rebuilt with one point: no stale slopes may be read.
    for (Kind kind : {Kind::Bessel, Kind::Cubic}) {
        auto s = make(kind);
        build(*s, {0, 1, 2}, {0, 1, 0});
        EXPECT_THROW(build(*s, {0}, {1}), std::runtime_error);
        EXPECT_EQ(s->npts, 0u) << s->name();
        double value = 42.0;
        EXPECT_EQ(afterHeader(errorOf([&] { value = (*s)(0.5); })), "\nsearch(0.5) empty spline\n");
        EXPECT_EQ(value, 42.0);
    }
}

TEST(LinearSpline, OnePointIsAConstant)
{
    Splines::LinearSpline s("LinearSpline", false);
    build(s, {0}, {7});
    for (double x : {-1.0, 0.0, 1.0}) {
        EXPECT_EQ(s(x), 7.0) << x;
        EXPECT_EQ(s.derivative(x), 0.0) << x;
    }
}

TEST(SplineMalloc, HandingOutBeyondTheRequestRaises)
{
    Splines::SplineMalloc pool("p_memory");
    pool.allocate(4);
    pool(3);
    EXPECT_EQ(errorOf([&] { pool(2); }),
              "\nMalloc<p_memory>::operator () (2) -- SplineMalloc EXAUSTED\n"
              "request = 5 > 4 = available\n");
}

// ---------------------------------------------------------------------------
// Storage.

TEST(SplineStorage, BlockIsReusedByBuildsThatFitAndGrowsWithSlack)
{
    // The line y = 2x through x = 0 .. n-1.
    const auto buildLine = [](Splines::Spline& s, unsigned n) {
        Points x(n);
        for (unsigned i = 0; i < n; ++i)
            x[i] = i;
        Points y = x;
        for (double& v : y)
            v *= 2.0;
        build(s, x, y);
    };
    struct Case {
        Kind kind;
        unsigned perPoint; // doubles per point
    };
    for (const Case& c : {Case{Kind::Linear, 2}, Case{Kind::Bessel, 3}, Case{Kind::Cubic, 3}}) {
        auto s = make(c.kind);
        const auto reserved = [&] {
            return c.kind == Kind::Linear
                       ? static_cast<Splines::LinearSpline&>(*s).memory.reservedValues
                       : static_cast<Splines::CubicSplineBase&>(*s).memory.reservedValues;
        };
        buildLine(*s, 80);
        const unsigned m = 80 * c.perPoint;
        EXPECT_EQ(reserved(), m + m / 8) << s->name();
        const double* block = s->X;

        // 90 points fit: 270 doubles for the cubic kinds, 180 for the linear one.
        ASSERT_EQ(90 * c.perPoint, m + m / 8);
        buildLine(*s, 90);
        EXPECT_EQ(s->X, block) << s->name();
        EXPECT_EQ(reserved(), m + m / 8) << s->name();
        EXPECT_DOUBLE_EQ((*s)(88.5), 177.0) << s->name();

        buildLine(*s, 91);
        const unsigned grown = 91 * c.perPoint;
        EXPECT_EQ(reserved(), grown + grown / 8) << s->name();
        EXPECT_DOUBLE_EQ((*s)(89.5), 179.0) << s->name();

        s->clearPoints();
        EXPECT_EQ(s->npts, 0u);
        EXPECT_EQ(s->X, nullptr);
        EXPECT_EQ(reserved(), 0u);
        EXPECT_THROW((*s)(1.0), std::runtime_error);
    }
}

// ---------------------------------------------------------------------------
// Polynomial coefficients and text output.

TEST(IntervalCoefficients, SegmentPolynomialsReproduceTheCurve)
{
    const Points x = {0, 0.5, 2, 2.5, 4}, y = {1, -1, 0.5, 3, 2};
    for (Kind kind : {Kind::Linear, Kind::Bessel, Kind::Cubic}) {
        auto s = make(kind);
        build(*s, x, y);
        const unsigned segments = 4, order = s->splineOrder();
        for (bool transpose : {true, false}) {
            std::vector<double> cfs(order * segments), nodes(segments);
            ASSERT_EQ(s->intervalCoefficients(cfs.data(), nodes.data(), transpose), order);
            for (unsigned i = 0; i < segments; ++i) {
                EXPECT_EQ(nodes[i], x[i]);
                for (double f : {0.0, 0.3, 0.8}) {
                    const double u = f * (x[i + 1] - x[i]);
                    double p = 0.0; // highest power first
                    for (unsigned j = 0; j < order; ++j)
                        p = p * u + cfs[transpose ? order * i + j : j * segments + i];
                    EXPECT_NEAR(p, (*s)(x[i] + u), 1e-12)
                        << s->name() << " segment " << i << " transpose " << transpose;
                }
            }
        }
    }
    // With one point there are no segments and nothing is written.
    auto one = make(Kind::Linear);
    build(*one, {1}, {2});
    double cfs = -1, nodes = -1;
    EXPECT_EQ(one->intervalCoefficients(&cfs, &nodes, true), 2u);
    EXPECT_EQ(cfs, -1);
    EXPECT_EQ(nodes, -1);
}

TEST(SplineText, PrintInfoAndWriteSegments)
{
    Splines::LinearSpline linear("topo", false);
    build(linear, {0, 10}, {1, -2.5});
    Splines::CubicSpline cubic("CubicSpline", false);
    build(cubic, {0, 1, 2}, {0, 1, 0});
    Splines::BesselSpline empty("BesselSpline", false);
    struct Case {
        const Splines::Spline& spline;
        const char* info;
        const char* segments;
    };
    const Case cases[] = {
        {linear,
         "Spline `topo` of type: linear of order: 2\nxMin = 0 xMax = 10\nyMin = -2.5 yMax = 1\n",
         "segment N.   0 X:[ 0, 10 ] Y:[ 1, -2.5 ] slope: -0.35\n"},
        {cubic,
         "Spline `CubicSpline` of type: cubic of order: 4\nxMin = 0 xMax = 2\nyMin = 0 yMax = 1\n",
         "segment N.   0 X:[0, 1] Y:[0, 1] Yp:[1.5, 0] slope: 1\n"
         "segment N.   1 X:[1, 2] Y:[1, 0] Yp:[0, -1.5] slope: -1\n"},
        {empty, "Spline `BesselSpline` of type: bessel of order: 4\n", ""},
    };
    for (const Case& c : cases) {
        std::ostringstream info, segments;
        c.spline.printInfo(info);
        c.spline.writeSegments(segments);
        EXPECT_EQ(info.str(), c.info);
        EXPECT_EQ(segments.str(), c.segments);
    }
}
