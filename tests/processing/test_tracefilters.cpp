#include "capturedstdout.h"
#include "referencefile.h"
#include "tracefilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

using Filter = int (*)(const std::vector<double>&, int, double, double, std::vector<double>&);

struct ImpulseCase {
    const char* reference;
    Filter filter;
    int order;
    double cutoff;
};

std::vector<double> unitImpulse(size_t n)
{
    std::vector<double> x(n, 0.0);
    x[0] = 1.0;
    return x;
}

TEST(ButterworthFilters, ImpulseResponsesMatchScipy)
{
    const ImpulseCase cases[] = {
        {"impulse_lowpass_4_0.05.txt", lowPassFilter, 4, 0.05},
        {"impulse_highpass_4_0.05.txt", highPassFilter, 4, 0.05},
        {"impulse_lowpass_2_0.01.txt", lowPassFilter, 2, 0.01},
        {"impulse_highpass_2_0.01.txt", highPassFilter, 2, 0.01},
        {"impulse_lowpass_3_0.3.txt", lowPassFilter, 3, 0.3},
        {"impulse_highpass_3_0.3.txt", highPassFilter, 3, 0.3},
    };
    for (const ImpulseCase& c : cases) {
        const std::vector<double> expected = readReference(c.reference);
        std::vector<double> out{9.0, 9.0, 9.0};
        ASSERT_EQ(c.filter(unitImpulse(512), c.order, 1000.0, c.cutoff, out), 0) << c.reference;
        ASSERT_EQ(out.size(), expected.size()) << c.reference;
        for (size_t i = 0; i < out.size(); ++i)
            ASSERT_NEAR(out[i], expected[i], 1e-5) << c.reference << " sample " << i;
    }
}

// Amplitude of the settled response to a unit sine: sqrt(2) x RMS of the tail,
// which does not depend on where the samples fall on the wave.
double settledGain(Filter filter, double f)
{
    std::vector<double> x(8000);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = std::sin(2.0 * M_PI * f * double(i));
    std::vector<double> y;
    EXPECT_EQ(filter(x, 4, 1.0, 0.05, y), 0);
    double sum = 0.0;
    for (size_t i = y.size() - 2000; i < y.size(); ++i)
        sum += y[i] * y[i];
    return std::sqrt(2.0) * std::sqrt(sum / 2000.0);
}

TEST(ButterworthFilters, GainFollowsTheButterworthFormula)
{
    struct GainCase {
        Filter filter;
        double f;
        double gain;
    };
    // 1 / sqrt(1 + (tan(pi f) / tan(pi fc))^(2n)), ratio inverted for the high-pass.
    const GainCase cases[] = {
        {lowPassFilter, 0.025, 0.99815}, {lowPassFilter, 0.05, 0.70711},
        {lowPassFilter, 0.1, 0.05637},   {highPassFilter, 0.1, 0.99841},
        {highPassFilter, 0.05, 0.70711}, {highPassFilter, 0.025, 0.06085},
    };
    for (const GainCase& c : cases)
        EXPECT_NEAR(settledGain(c.filter, c.f), c.gain, c.gain * 1e-3)
            << (c.filter == lowPassFilter ? "low-pass" : "high-pass") << " at f = " << c.f;
}

TEST(ButterworthFilters, ConstantInputSettles)
{
    const std::vector<double> constant(2000, 3.0);
    std::vector<double> low, high;
    ASSERT_EQ(lowPassFilter(constant, 2, 1.0, 0.05, low), 0);
    ASSERT_EQ(highPassFilter(constant, 2, 1.0, 0.05, high), 0);
    EXPECT_NEAR(low.back(), 3.0, 1e-4);
    EXPECT_NEAR(high.back(), 0.0, 1e-4);
}

TEST(ButterworthFilters, SamplingFrequencyHasNoInfluence)
{
    const std::vector<double> x = readReference("random_1000.txt");
    std::vector<double> a, b;
    ASSERT_EQ(lowPassFilter(x, 3, 100.0, 0.1, a), 0);
    ASSERT_EQ(lowPassFilter(x, 3, 48000.0, 0.1, b), 0);
    EXPECT_EQ(a, b);
}

TEST(ButterworthFilters, RefuseParametersTheLibraryCannotDesign)
{
    struct Refusal {
        int order;
        double cutoff;
    };
    const Refusal cases[] = {{0, 0.1},
                             {-3, 0.1},
                             {2, 0.0},
                             {2, 0.5},
                             // rounds to 0.5 in the float the design takes
                             {2, 0.5 - 1e-8},
                             // rounds to 0
                             {2, 1e-50},
                             {2, 0.6},
                             {2, -0.1},
                             {2, std::numeric_limits<double>::quiet_NaN()}};
    for (Filter filter : {lowPassFilter, highPassFilter}) {
        for (const Refusal& c : cases) {
            std::vector<double> out{1.0, 2.0};
            testing::internal::CaptureStdout();
            const int result = filter(unitImpulse(64), c.order, 1000.0, c.cutoff, out);
            const std::string printed = capturedStdout();
            EXPECT_EQ(result, 1) << "order " << c.order << " cut-off " << c.cutoff;
            EXPECT_EQ(out, (std::vector<double>{1.0, 2.0}));
            EXPECT_EQ(printed, "") << "order " << c.order << " cut-off " << c.cutoff;
        }
    }
}

TEST(ButterworthFilters, LargestFloatBelowHalfStillFilters)
{
    const double cutoff = double(std::nextafter(0.5f, 0.0f));
    for (Filter filter : {lowPassFilter, highPassFilter}) {
        std::vector<double> out;
        testing::internal::CaptureStdout();
        ASSERT_EQ(filter(unitImpulse(64), 2, 1000.0, cutoff, out), 0);
        capturedStdout();
        ASSERT_EQ(out.size(), 64u);
        for (double v : out)
            EXPECT_TRUE(std::isfinite(v));
    }
}

TEST(ButterworthFilters, OutputIsReplacedAndTheFilterDescribed)
{
    std::vector<double> out(5, 42.0);
    testing::internal::CaptureStdout();
    ASSERT_EQ(highPassFilter(unitImpulse(10), 2, 1.0, 0.2, out), 0);
    EXPECT_NE(capturedStdout().find("iir filter"), std::string::npos);
    EXPECT_EQ(out.size(), 10u);

    ASSERT_EQ(lowPassFilter({}, 2, 1.0, 0.2, out), 0);
    EXPECT_TRUE(out.empty());
}

TEST(AutomaticGainControl, WorkedValues)
{
    struct AgcCase {
        std::vector<double> input;
        std::vector<double> expectedStart;
    };
    // The gain starts at 1 / RMS of the whole trace (3 / sqrt(12.5), 1 / sqrt(25.5));
    // the second sample of {3, 4} has had one loop step at the default bandwidth.
    const AgcCase cases[] = {
        {{3.0, 4.0}, {0.848528, 1.131387}},
        {{1, 2, 3, 4, 5, 6, 7, 8}, {0.198030}},
    };
    for (const AgcCase& c : cases) {
        std::vector<double> out{5.0};
        applyAGC(c.input, out);
        ASSERT_EQ(out.size(), c.input.size());
        for (size_t i = 0; i < c.expectedStart.size(); ++i)
            EXPECT_NEAR(out[i], c.expectedStart[i], 1e-6) << "sample " << i;
    }
}

TEST(AutomaticGainControl, SilentAndEmptyTraces)
{
    std::vector<double> out{1.0};
    applyAGC(std::vector<double>(16, 0.0), out);
    ASSERT_EQ(out.size(), 16u);
    for (double v : out)
        EXPECT_EQ(v, 0.0);

    testing::internal::CaptureStderr();
    applyAGC({}, out);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(out.empty());
}

} // namespace
