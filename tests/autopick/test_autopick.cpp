#include "autopick.h"
#include "tomodocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace
{

constexpr double Dt = 0.00025; // s, a common refraction sampling interval

// The first break of a synthetic gather: a 30 Hz decaying sine that starts at
// onset (s), plus Gaussian noise of deviation sigma (wavelet amplitude 1).
std::vector<double> syntheticTrace(double onset, size_t n, double sigma, std::mt19937& rng)
{
    std::normal_distribution<double> noise(0.0, sigma);
    std::vector<double> s(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const double tau = i * Dt - onset;
        if (tau >= 0.0)
            s[i] = std::sin(2.0 * M_PI * 30.0 * tau) * std::exp(-tau / 0.03);
        if (sigma > 0.0)
            s[i] += noise(rng);
    }
    return s;
}

double mean(const std::vector<double>& s)
{
    double sum = 0.0;
    for (double v : s)
        sum += v;
    return s.empty() ? 0.0 : sum / s.size();
}

// One shot on one spread, with its record filled directly, as the survey set-up
// would leave it. Traces are ordinary and empty until a test fills them.
TomoDocument oneShot(double shotX, const std::vector<double>& receiverX)
{
    TomoDocument doc;
    std::vector<Point2D> spread;
    TraceSet set;
    for (double x : receiverX) {
        spread.push_back({x, 0.0});
        Trace t;
        t.kind = Trace::Ordinary;
        t.sampleInterval = Dt;
        t.sourceX = shotX;
        t.receiverX = x;
        set.traces.push_back(t);
    }
    TravelTime tt;
    tt.shotPos2d = {shotX, 0.0};
    tt.ttMisurati.assign(receiverX.size(), 0.0);
    tt.ttCalcolati.assign(receiverX.size(), 0.0);
    doc.goephonesStringSet.push_back(spread);
    doc.traceSets.push_back(set);
    doc.ttArray.push_back(tt);
    return doc;
}

// n zeros, then m samples alternating +1 and -1: an onset at sample n.
std::vector<double> stepOnset(size_t n, size_t m)
{
    std::vector<double> s(n, 0.0);
    for (size_t i = 0; i < m; ++i)
        s.push_back(i % 2 == 0 ? 1.0 : -1.0);
    return s;
}

struct PickerCase {
    const char* name;
    std::vector<double> samples;
    double mean;
    int expected;
};

std::vector<PickerCase> pickerCases()
{
    // Spikes every 10 samples repeat the same window sums, so er has equal
    // maxima at 25, 35, ..., 75.
    std::vector<double> periodic(100, 0.0);
    for (size_t i = 5; i < periodic.size(); i += 10)
        periodic[i] = 1.0;
    // A wave whose onset sample is a zero crossing: only the exact window
    // bounds (sample i in the before window, not one more after it) give 30.
    std::vector<double> crossing(30, 0.0);
    for (int j = 0; j < 60; ++j)
        crossing.push_back(std::sin(2.0 * M_PI * j / 8.0));
    // A loud burst of 10 samples at 25 and a quiet sustained arrival at 70
    // (mean exactly 0): amplitude x ratio cubed is 1 x 10^3 against 0.2 x 20^3.
    std::vector<double> twoEvents(100, 0.0);
    for (size_t i = 0; i < 10; ++i)
        twoEvents[25 + i] = i % 2 == 0 ? 1.0 : -1.0;
    for (size_t i = 0; i < 30; ++i)
        twoEvents[70 + i] = i % 2 == 0 ? 0.2 : -0.2;
    std::mt19937 rng(1);
    // 2 m at 1000 m/s: the onset at sample 8 lies before the first candidate.
    const std::vector<double> early = syntheticTrace(0.002, 2000, 0.0, rng);
    return {
        {"onset_after_samples_at_the_mean", stepOnset(50, 50), 0.0, 50},
        {"forty_samples_have_no_candidate", stepOnset(20, 20), 0.0, -1},
        {"forty_one_samples_have_one", stepOnset(20, 21), mean(stepOnset(20, 21)), 20},
        {"flat_trace_gives_only_nan", std::vector<double>(100, 0.3), 0.3, -1},
        {"first_of_equal_maxima", periodic, 0.1, 25},
        {"onset_on_a_zero_crossing", crossing, mean(crossing), 30},
        {"sustained_arrival_beats_short_burst", twoEvents, 0.0, 70},
        {"onset_before_the_window", early, mean(early), 20},
        {"empty", {}, 0.0, -1},
    };
}

TEST(EnergyRatioPick, Table)
{
    for (const PickerCase& c : pickerCases())
        EXPECT_EQ(energyRatioPick(c.samples, c.mean, 20), c.expected) << c.name;
}

TEST(AutoPickTrace, StoresIndexTimesIntervalFromTheChosenSamples)
{
    TomoDocument doc = oneShot(0.0, {10.0});
    Trace& t = doc.traceSets[0].traces[0];
    t.samples = stepOnset(60, 100);
    t.filtered = stepOnset(80, 80);
    doc.ttArray[0].ttMisurati[0] = Pick::Unusable; // a user's mark is overwritten

    EXPECT_EQ(doc.autoPickTrace(0, 0, false), 60);
    EXPECT_DOUBLE_EQ(doc.ttArray[0].ttMisurati[0], 60 * Dt);
    EXPECT_EQ(doc.autoPickTrace(0, 0, true), 80);
    EXPECT_DOUBLE_EQ(doc.ttArray[0].ttMisurati[0], 80 * Dt);
}

TEST(AutoPickTrace, TwoPolarityPicksTheDifferenceOverTheShorterRecording)
{
    TomoDocument doc = oneShot(0.0, {10.0});
    Trace& t = doc.traceSets[0].traces[0];
    t.kind = Trace::TwoPolarity;
    // Both recordings share a disturbance at sample 24 that the difference
    // cancels; the shear wave (onset 30) has opposite signs.
    const std::vector<double> wave = stepOnset(30, 70);
    t.samplesDX = wave;
    t.samplesSX.resize(60);
    for (size_t i = 0; i < t.samplesSX.size(); ++i)
        t.samplesSX[i] = -wave[i];
    t.samplesDX[24] += 3.0;
    t.samplesSX[24] += 3.0;

    int index = -2;
    ASSERT_NO_THROW(index = doc.autoPickTrace(0, 0, false));
    EXPECT_EQ(index, 30);
    ASSERT_EQ(t.samples.size(), 60u);
    for (size_t i = 0; i < t.samples.size(); ++i)
        EXPECT_EQ(t.samples[i], t.samplesDX[i] - t.samplesSX[i]) << i;
}

TEST(AutoPickTrace, TracesWithoutAUsablePickEndRejected)
{
    // Receivers at 10, 20 and 30 m: a 40-sample trace (no pick), a trace without
    // a sample interval (infinite time), and a good trace of a 1000 m/s ground.
    TomoDocument doc = oneShot(0.0, {10.0, 20.0, 30.0});
    std::vector<Trace>& traces = doc.traceSets[0].traces;
    traces[0].samples = stepOnset(20, 20);
    std::mt19937 rng(7);
    traces[1].samples = syntheticTrace(0.020, 2000, 0.0, rng);
    traces[1].sampleInterval = DBL_MAX;
    traces[2].samples = syntheticTrace(0.030, 2000, 0.0, rng);

    std::vector<double>& picks = doc.ttArray[0].ttMisurati;
    EXPECT_EQ(doc.autoPickTrace(0, 0, false), -1);
    EXPECT_EQ(picks[0], 0.0);
    EXPECT_GT(doc.autoPickTrace(1, 0, false), 0);
    EXPECT_TRUE(std::isinf(picks[1]));
    EXPECT_GT(doc.autoPickTrace(2, 0, false), 0);

    testing::internal::CaptureStdout();
    doc.rejectInconsistentPicks(0);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(picks[0], Pick::Rejected);
    EXPECT_EQ(picks[1], Pick::Rejected);
    EXPECT_NEAR(picks[2], 0.030, 2 * Dt);
}

TEST(AutoPickTrace, MissingTracesAndRecords)
{
    TomoDocument empty;
    testing::internal::CaptureStderr();
    EXPECT_EQ(empty.autoPickTrace(0, 0, false), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[ERROR] No trace exists. \n");

    TomoDocument doc = oneShot(0.0, {10.0});
    doc.traceSets[0].traces[0].samples = stepOnset(50, 50);
    doc.ttArray[0].ttMisurati[0] = 0.042;
    testing::internal::CaptureStderr();
    EXPECT_EQ(doc.autoPickTrace(3, 0, false), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[ERROR] Trace 3 does not exist.\n");
    EXPECT_EQ(doc.ttArray[0].ttMisurati[0], 0.042);

    EXPECT_THROW(doc.autoPickTrace(0, 1, false), std::out_of_range);
    doc.ttArray[0].ttMisurati.clear();
    EXPECT_THROW(doc.autoPickTrace(0, 0, false), std::out_of_range);
    doc.ttArray.clear();
    EXPECT_THROW(doc.autoPickTrace(0, 0, false), std::out_of_range);
}

struct RejectCase {
    const char* name;
    double shotX;
    std::vector<double> receiverX;
    std::vector<double> picks;
    std::vector<double> expected;
};

const double R = Pick::Rejected;

const RejectCase rejectCases[] = {
    // 1000, 1000, then 100 m/s below the threshold of 500
    {"slow_far_pick", 0.0, {5, 10, 15}, {0.005, 0.010, 0.150}, {0.005, 0.010, R}},
    // 10 000 m/s goes without raising the threshold, so 750 m/s stays
    {"too_fast_leaves_threshold", 0.0, {5, 10, 15}, {0.005, 0.001, 0.020}, {0.005, R, 0.020}},
    // 2048 m/s allows down to exactly 1024 (binary fractions keep it exact)
    {"half_the_fastest_is_the_floor",
     0.0,
     {8, 16, 32},
     {0.00390625, 0.015625, 0.0313},
     {0.00390625, 0.015625, R}},
    // a fast left side does not condemn a slow right side
    {"sides_apart", 100.0, {105, 95}, {0.010, 0.0025}, {0.010, 0.0025}},
    // same distance: channel 1 (500 m/s) is judged before channel 0 (2000 m/s)
    {"later_channel_first_on_ties", 0.0, {10, 10}, {0.005, 0.020}, {0.005, 0.020}},
    // on the shot: no pick is 0/0 and stays, a time there is 0 m/s
    {"on_the_shot", 0.0, {0, 0}, {0.0, 0.001}, {0.0, R}},
    // unpicked (infinitely fast), unusable and rejected marks all end rejected
    {"no_times_away_from_the_shot", 0.0, {5, 10, 15, 20}, {0.005, 0.0, -2.0, R}, {0.005, R, R, R}},
    {"slower_than_200_at_first", 0.0, {-10, 10}, {0.060, 0.010}, {R, 0.010}},
};

TEST(RejectInconsistentPicks, Table)
{
    for (const RejectCase& c : rejectCases) {
        TomoDocument doc = oneShot(c.shotX, c.receiverX);
        doc.ttArray[0].ttMisurati = c.picks;
        testing::internal::CaptureStdout();
        doc.rejectInconsistentPicks(0);
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(doc.ttArray[0].ttMisurati, c.expected) << c.name;

        size_t lines = 0, rejectedLines = 0;
        for (size_t at = 0; (at = out.find('\n', at)) != std::string::npos; ++at)
            ++lines;
        for (size_t at = 0; (at = out.find(" - Rejected\n", at)) != std::string::npos; ++at)
            ++rejectedLines;
        const auto rejected = std::count(c.expected.begin(), c.expected.end(), R);
        EXPECT_EQ(rejectedLines, size_t(rejected)) << c.name;
        EXPECT_EQ(lines, c.receiverX.size() + rejected) << c.name;
    }
}

TEST(RejectInconsistentPicks, MissingShotSpreadOrPicks)
{
    TomoDocument doc = oneShot(0.0, {5, 10});
    EXPECT_THROW(doc.rejectInconsistentPicks(1), std::out_of_range);
    doc.ttArray[0].ttMisurati.pop_back();
    EXPECT_THROW(doc.rejectInconsistentPicks(0), std::out_of_range);
    doc.ttArray[0].indexStesa = 1;
    EXPECT_THROW(doc.rejectInconsistentPicks(0), std::out_of_range);
}

struct GatherCase {
    const char* name;
    std::vector<double> receiverX;
    double sigma;     // noise relative to the wavelet amplitude
    double tolerance; // s
    unsigned seeds;
};

std::vector<double> receivers(double from, double to)
{
    std::vector<double> x;
    for (double v = from; v <= to; v += 2.0)
        x.push_back(v);
    return x;
}

std::vector<double> twoSided()
{
    std::vector<double> x = receivers(-32, -10);
    for (double v : receivers(10, 32))
        x.push_back(v);
    return x;
}

// Offsets start at 10 m so that every onset lies after the picker's window.
// Without noise a pick may be late by 2 samples; with noise at 1 % of the
// wavelet, by 2 ms either way.
const GatherCase gatherCases[] = {
    {"one_side_clean", receivers(10, 56), 0.0, 2 * Dt, 1},
    {"one_side_noisy", receivers(10, 56), 0.01, 0.002, 10},
    {"two_sides_noisy", twoSided(), 0.01, 0.002, 10},
};

TEST(AutoPick, SyntheticGatherAtOneThousandMetresPerSecond)
{
    for (const GatherCase& c : gatherCases)
        for (unsigned seed = 0; seed < c.seeds; ++seed) {
            TomoDocument doc = oneShot(0.0, c.receiverX);
            std::mt19937 rng(seed);
            std::vector<Trace>& traces = doc.traceSets[0].traces;
            for (size_t k = 0; k < traces.size(); ++k)
                traces[k].samples =
                    syntheticTrace(std::fabs(c.receiverX[k]) / 1000.0, 2000, c.sigma, rng);

            testing::internal::CaptureStdout();
            for (uint32_t k = 0; k < traces.size(); ++k)
                doc.autoPickTrace(k, 0, false);
            doc.rejectInconsistentPicks(0);
            testing::internal::GetCapturedStdout();

            const std::vector<double>& picks = doc.ttArray[0].ttMisurati;
            for (size_t k = 0; k < picks.size(); ++k)
                EXPECT_NEAR(picks[k], std::fabs(c.receiverX[k]) / 1000.0, c.tolerance)
                    << c.name << " seed " << seed << " receiver " << c.receiverX[k];
        }
}
} // namespace
