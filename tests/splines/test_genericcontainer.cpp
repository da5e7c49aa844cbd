#include "GenericContainer.hh"
#include "Splines.hh"
#include "errortext.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

using GC = GenericContainer;
using Reals = std::vector<double>;

GC points(GC x, GC y)
{
    return GC::map_type{{"x", std::move(x)}, {"y", std::move(y)}};
}

} // namespace

TEST(GenericContainer, CopiesEveryNumericKindToReals)
{
    struct Case {
        const char* what;
        GC container;
        Reals expected;
    };
    const Case cases[] = {
        {"nothing", GC(), {}},
        {"bool", GC(true), {1.0}},
        {"int", GC(std::int32_t(-3)), {-3.0}},
        {"long", GC(std::int64_t(1) << 40), {1099511627776.0}},
        {"real", GC(2.5), {2.5}},
        {"complex on the real axis", GC(GC::complex_type(3, 0)), {3.0}},
        {"vector of bools", GC(GC::vec_bool_type{true, false, true}), {1, 0, 1}},
        {"vector of ints", GC(GC::vec_int_type{4, -5}), {4, -5}},
        {"vector of longs", GC(GC::vec_long_type{7}), {7}},
        {"vector of reals", GC(GC::vec_real_type{0.5, 1.5}), {0.5, 1.5}},
        {"vector of complex", GC(GC::vec_complex_type{{1, 0}, {-2, 0}}), {1, -2}},
        {"int matrix", GC(GC::mat_int_type{2, 2, {1, 2, 3, 4}}), {1, 2, 3, 4}},
        {"long matrix", GC(GC::mat_long_type{1, 2, {8, 9}}), {8, 9}},
        {"real matrix", GC(GC::mat_real_type{2, 1, {0.25, 0.75}}), {0.25, 0.75}},
        {"complex matrix", GC(GC::mat_complex_type{1, 1, {{6, 0}}}), {6}},
        {"vector of real containers", GC(GC::vector_type{GC(1.0), GC(-2.0)}), {1, -2}},
        {"empty string vector", GC(GC::vec_string_type{}), {}},
        {"empty pointer vector", GC(GC::vec_pointer_type{}), {}},
        {"empty map", GC(GC::map_type{}), {}},
        {"empty matrix", GC(GC::mat_real_type{}), {}},
        {"empty vector of containers", GC(GC::vector_type{}), {}},
    };
    for (const Case& c : cases) {
        Reals out = {99.0}; // replaced, not appended to
        c.container.copyto_vec_real(out, "w");
        EXPECT_EQ(out, c.expected) << c.what;
        EXPECT_EQ(c.container.elementCount(), c.expected.size()) << c.what;
    }
}

TEST(GenericContainer, ElementCountOfKindsThatDoNotConvert)
{
    int target = 0;
    EXPECT_EQ(GC(static_cast<void*>(&target)).elementCount(), 1u);
    EXPECT_EQ(GC(std::string("abc")).elementCount(), 1u);
    EXPECT_EQ(GC(GC::vec_string_type{"a", "b"}).elementCount(), 2u);
    EXPECT_EQ(points(GC(1.0), GC(2.0)).elementCount(), 2u);
}

TEST(GenericContainer, Failures)
{
    const GC noY = GC::map_type{{"x", GC(GC::vec_real_type{0, 1})}};
    const GC mixed = GC::vector_type{GC(1.0), GC(std::int32_t(2))};
    struct Case {
        const char* what;
        std::function<void(Reals&)> action;
        std::string text;
        Reals kept; // what copyto_vec_real appended before failing
    };
    const Case cases[] = {
        {"missing key",
         [&](Reals&) { noY("y", "where: "); },
         "in GenericContainer: where: \noperator(): Cannot find key 'y'!\n",
         {}},
        {"key of a non-map",
         [](Reals&) {
             GC(2.5)
             ("x", "w ");
         },
         "in GenericContainer: w bad data type, expect: map_type but data stored is of type: "
         "real_type\n",
         {}},
        {"index past the end",
         [&](Reals&) { mixed(2, "v"); },
         "in GenericContainer: v\noperator () const, index 2 out of range\n",
         {}},
        {"index into a map",
         [&](Reals&) { noY(0); },
         "in GenericContainer: bad data type, expect: vector_type but data stored is of type: "
         "map_type\n",
         {}},
        {"int in a vector of containers",
         [&](Reals& out) { mixed.copyto_vec_real(out, "w"); },
         "in GenericContainer: bad data type, expect: real_type but data stored is of type: "
         "int_type\n",
         {1.0}},
        {"string",
         [](Reals& out) { GC(std::string("1.5")).copyto_vec_real(out, "s: "); },
         "in GenericContainer: s: \nbad data type: `string_type' cannot be converted in "
         "`vec_real_type'\n",
         {}},
        {"non-empty map",
         [&](Reals& out) { noY.copyto_vec_real(out); },
         "in GenericContainer: \nbad data type: `map_type' cannot be converted in "
         "`vec_real_type'\n",
         {}},
        {"complex off the real axis",
         [](Reals& out) {
             GC(GC::vec_complex_type{{1, 0}, {2, 0}, {3, 1}, {4, 0}}).copyto_vec_real(out, "c");
         },
         "in GenericContainer: c\ncopyto_vec_real: complex value with non-zero imaginary part "
         "cannot be converted in `vec_real_type'\n",
         {1.0, 2.0}},
    };
    for (const Case& c : cases) {
        Reals out;
        EXPECT_EQ(errorOf([&] { c.action(out); }), c.text) << c.what;
        EXPECT_EQ(out, c.kept) << c.what;
    }
}

TEST(GenericContainer, KeyQueriesNeverRaise)
{
    const GC map = GC::map_type{
        {"flag", GC(true)},
        {"count", GC(std::int32_t(5))},
        {"big", GC(std::int64_t(-6))},
        {"real", GC(0.25)},
        {"axis", GC(GC::complex_type(3, 0))},
        {"plane", GC(GC::complex_type(3, 1))},
        {"text", GC(std::string("7"))},
        {"list", GC(GC::vec_real_type{1.0})},
    };
    struct Case {
        const char* key;
        bool found;
        double value;
    };
    const Case cases[] = {
        {"flag", true, 1.0},   {"count", true, 5.0},  {"big", true, -6.0},
        {"real", true, 0.25},  {"axis", true, 3.0},   {"plane", false, -1.0},
        {"text", false, -1.0}, {"list", false, -1.0}, {"missing", false, -1.0},
    };
    for (const Case& c : cases) {
        double value = -1.0;
        EXPECT_EQ(map.getRealIfPresent(c.key, value), c.found) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
        EXPECT_EQ(map.hasKey(c.key), std::string(c.key) != "missing") << c.key;
    }
    for (const GC& other : {GC(), GC(2.5), GC(GC::vector_type{GC(1.0)})}) {
        double value = -1.0;
        EXPECT_FALSE(other.hasKey("x"));
        EXPECT_FALSE(other.getRealIfPresent("x", value));
        EXPECT_EQ(value, -1.0);
    }
}

// ---------------------------------------------------------------------------
// Filling a spline from a container.

TEST(SplineSetup, MissingFieldsAndBadFields)
{
    struct Case {
        const char* what;
        bool cubic;
        GC container;
        std::string text; // after the spline header when it has one
    };
    const Case cases[] = {
        {"not a map", false, GC(2.5), "Spline[LinearSpline]::setup missing `x` field!\n"},
        {"no y", false, GC::map_type{{"x", GC(1.0)}},
         "Spline[LinearSpline]::setup missing `y` field!\n"},
        {"cubic, not a map", true, GC(), "CubicSpline[CubicSpline]::setup missing `x` field!\n"},
        {"cubic, no y", true, GC::map_type{{"x", GC(1.0)}},
         "CubicSpline[CubicSpline]::setup missing `y` field!\n"},
        {"strings for x", false, points(GC(GC::vec_string_type{"0"}), GC(1.0)),
         "in GenericContainer: Spline[LinearSpline]::setup, field `x'\nbad data type: "
         "`vec_string_type' cannot be converted in `vec_real_type'\n"},
        {"int among the y containers", true,
         points(GC(GC::vec_real_type{0, 1}), GC(GC::vector_type{GC(1.0), GC(std::int32_t(2))})),
         "in GenericContainer: bad data type, expect: real_type but data stored is of type: "
         "int_type\n"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Splines::Spline> s;
        if (c.cubic)
            s = std::make_unique<Splines::CubicSpline>("CubicSpline", false);
        else
            s = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
        const std::vector<double> x = {5, 6}, y = {1, 2};
        s->buildFromPoints(x.data(), 1, y.data(), 1, 2);
        const std::string message = errorOf([&] { s->setup(c.container); });
        const bool fromSpline = message.rfind("In spline: ", 0) == 0;
        EXPECT_EQ(fromSpline ? afterHeader(message) : message, c.text) << c.what;
        // A container error comes before any change to the spline.
        EXPECT_EQ(s->npts, 2u) << c.what;
        EXPECT_EQ((*s)(5.5), 1.5) << c.what;
    }
}

TEST(SplineSetup, BuildsFromTheShorterOfXAndY)
{
    for (bool cubic : {false, true}) {
        std::unique_ptr<Splines::Spline> s;
        if (cubic)
            s = std::make_unique<Splines::CubicSpline>("CubicSpline", false);
        else
            s = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
        s->setup(points(GC(GC::vec_real_type{0, 1, 2}), GC(GC::vec_int_type{5, 6})));
        ASSERT_EQ(s->npts, 2u);
        EXPECT_EQ(s->X[0], 0.0);
        EXPECT_EQ(s->X[1], 1.0);
        EXPECT_EQ(s->Y[0], 5.0);
        EXPECT_EQ(s->Y[1], 6.0);
        EXPECT_DOUBLE_EQ((*s)(0.5), 5.5);
    }
}

TEST(SplineSetup, CubicEndSecondDerivativesAreResetUnlessGiven)
{
    const GC x = GC::vec_real_type{0, 1, 2}, y = GC::vec_real_type{0, 1, 0};
    Splines::CubicSpline direct("CubicSpline", false);
    direct.buildFromPoints(std::vector<double>{0, 1, 2}.data(), 1,
                           std::vector<double>{0, 1, 0}.data(), 1, 3);

    Splines::CubicSpline s("CubicSpline", false);
    s.setup(GC::map_type{{"x", x}, {"y", y}, {"ddy_begin", GC(5.0)}, {"ddy_end", GC(true)}});
    EXPECT_EQ(s.ddy_begin, 5.0);
    EXPECT_EQ(s.ddy_end, 1.0);
    EXPECT_DOUBLE_EQ(s.secondDerivative(0.0), 5.0);

    // No ddy keys, or ones that do not convert: the natural spline again.
    for (const GC& c : {points(x, y), GC(GC::map_type{{"x", x},
                                                      {"y", y},
                                                      {"ddy_begin", GC(std::string("2"))},
                                                      {"ddy_end", GC(GC::complex_type(1, 1))}})}) {
        s.setup(c);
        EXPECT_EQ(s.ddy_begin, 0.0);
        EXPECT_EQ(s.ddy_end, 0.0);
        const double slopes[] = {1.5, 0.0, -1.5};
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(s.Yp[k], slopes[k], 1e-15) << k;
            EXPECT_EQ(s.Yp[k], direct.Yp[k]) << k;
        }
    }
}

TEST(SplineSetup, OnePointLeavesTheSplineEmpty)
{
    Splines::CubicSpline s("CubicSpline", false);
    s.setup(points(GC(GC::vec_real_type{0, 1, 2}), GC(GC::vec_real_type{0, 1, 0})));
    const std::string message =
        errorOf([&] { s.setup(points(GC(GC::vec_real_type{0}), GC(GC::vec_real_type{3}))); });
    EXPECT_EQ(afterHeader(message), "CubicSpline::build(): npts = 1 not enought points\n");
    EXPECT_EQ(s.npts, 0u);
    EXPECT_THROW(s(0.5), std::runtime_error);
}
