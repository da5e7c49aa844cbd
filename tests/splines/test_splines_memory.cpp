// Built without sanitizers: it lowers the address-space limit so that a large
// reservation fails, as it would on a machine short of memory.

#include "Splines.hh"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

class LowAddressSpace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
        rlimit lowered = saved;
        lowered.rlim_cur = rlim_t(1) << 30;
        if (saved.rlim_cur != RLIM_INFINITY && saved.rlim_cur < lowered.rlim_cur)
            lowered.rlim_cur = saved.rlim_cur;
        ASSERT_EQ(setrlimit(RLIMIT_AS, &lowered), 0);
    }
    void TearDown() override { setrlimit(RLIMIT_AS, &saved); }

    rlimit saved{};
};

} // namespace

TEST_F(LowAddressSpace, FailedReservationRaisesAndLeavesAnEmptyUsableSpline)
{
    // 100 million points: 1.8 GB for a linear spline (2n + 2n/8 doubles), 2.7 GB for
    // a cubic one.
    struct Case {
        std::unique_ptr<Splines::Spline> spline;
        const char* text;
        const Splines::SplineMalloc& (*pool)(const Splines::Spline&);
    };
    Case cases[] = {
        {std::make_unique<Splines::LinearSpline>("LinearSpline", false),
         "Memory allocation failed: std::bad_alloc\nTry to allocate 200000000 bytes for "
         "LinearSpline_memory\n",
         [](const Splines::Spline& s) -> const Splines::SplineMalloc& {
             return static_cast<const Splines::LinearSpline&>(s).memory;
         }},
        {std::make_unique<Splines::CubicSpline>("CubicSpline", false),
         "Memory allocation failed: std::bad_alloc\nTry to allocate 300000000 bytes for "
         "CubicSpline_memory\n",
         [](const Splines::Spline& s) -> const Splines::SplineMalloc& {
             return static_cast<const Splines::CubicSplineBase&>(s).memory;
         }},
    };
    const std::vector<double> x = {0, 1, 2}, y = {0, 2, 4};
    for (Case& c : cases) {
        Splines::Spline& s = *c.spline;
        s.buildFromPoints(x.data(), 1, y.data(), 1, 3);
        std::string message;
        try {
            s.reservePoints(100000000);
        } catch (const std::runtime_error& e) {
            message = e.what();
        }
        EXPECT_EQ(message, c.text) << s.name();
        // The old block is gone; nothing may point into it.
        EXPECT_EQ(s.npts, 0u);
        EXPECT_EQ(s.capacity, 0u);
        EXPECT_EQ(s.X, nullptr);
        EXPECT_EQ(c.pool(s).block, nullptr);
        EXPECT_EQ(c.pool(s).reservedValues, 0u);
        EXPECT_THROW(s(1.0), std::runtime_error);

        s.buildFromPoints(x.data(), 1, y.data(), 1, 3);
        EXPECT_DOUBLE_EQ(s(1.5), 3.0) << s.name();
    }
}
