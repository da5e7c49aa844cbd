// The inversion: the slowness update, the coverage, a synthetic survey
// recovered from a wrong start model, and independence of the thread count.

#include "Splines.hh"
#include "grid.h"
#include "logger.h"
#include "surveyfixture.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>

namespace
{

// ---- updateSlowness on one cell at 1000 m/s ----

struct UpdateCase {
    const char* name;
    double coorslow, coorcount;
    double minVelocity, maxVelocity;
    double velocity; // after the update
    int rayDensity;
};

class SlownessUpdate : public ::testing::TestWithParam<UpdateCase>
{
};

TEST_P(SlownessUpdate, LimitsAndClamps)
{
    const UpdateCase& c = GetParam();
    TomoDocument doc;
    doc.topography = fixture::flatGround();
    doc.grid = std::make_unique<Grid>(1, 1, 2, 1.0, std::vector<double>{0.001}, *doc.topography);
    doc.minVelocity = c.minVelocity;
    doc.maxVelocity = c.maxVelocity;
    doc.rayDensity = {0};
    const std::vector<double> out = doc.updateSlowness({c.coorslow}, {c.coorcount});
    EXPECT_NEAR(1.0 / doc.grid->cells[0].slowness, c.velocity, 1e-9);
    EXPECT_EQ(out[0], doc.grid->cells[0].slowness);
    EXPECT_EQ(doc.rayDensity[0], c.rayDensity);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlownessUpdate,
    ::testing::Values(UpdateCase{"asksFor2000", 0.0005, 1, 250, 3500, 1400, 1},
                      UpdateCase{"asksFor300", 0.001 - 1.0 / 300, 1, 250, 3500, 600, 1},
                      UpdateCase{"asksFor300WithMinimum700", 0.001 - 1.0 / 300, 1, 700, 3500, 700,
                                 1},
                      UpdateCase{"negativeSlowness", 0.002, 1, 250, 3500, 1000, 1},
                      UpdateCase{"crossedLimits", 0.001 - 1.0 / 1200, 1, 3000, 2000, 2000, 1},
                      UpdateCase{"noCorrection", 0.0, 1, 250, 3500, 1000, 1},
                      UpdateCase{"notANumber", NAN, 1, 250, 3500, 1000, 1},
                      UpdateCase{"noRay", 0.0, 0, 250, 3500, 1000, 0}),
    [](const ::testing::TestParamInfo<UpdateCase>& param) {
        return std::string(param.param.name);
    });

// ---- coverage ----

class Coverage : public ::testing::Test
{
protected:
    void make(uint32_t cols)
    {
        doc.topography = fixture::flatGround();
        doc.grid = std::make_unique<Grid>(5, cols, 3, 10.0, *doc.topography);
        doc.rayDensity.assign(5 * cols, 0);
        doc.xShift = 1.0;
        for (GridCell& cell : doc.grid->cells)
            cell.to_be_draw = false;
    }
    bool drawn(uint32_t row, uint32_t c) const
    {
        return doc.grid->cells[row * doc.grid->col + c].to_be_draw;
    }

    TomoDocument doc;
};

// One covered column is one boundary point: no curve, and no exception.
TEST_F(Coverage, SingleColumnKeepsTheOldBoundary)
{
    make(1);
    doc.rayDensity[3] = 1;
    doc.computeCoverage();
    EXPECT_FALSE(drawn(0, 0)); // row 0 is never visited
    EXPECT_TRUE(drawn(1, 0));
    EXPECT_TRUE(drawn(3, 0));
    EXPECT_FALSE(drawn(4, 0));
    EXPECT_EQ(doc.coverageBottom, nullptr);
    doc.computeCoverageBottom();
    EXPECT_EQ(doc.coverageBottom, nullptr);
}

TEST_F(Coverage, TwoColumnsGiveAStraightBoundary)
{
    make(2);
    doc.rayDensity[3 * 2 + 0] = 2; // deepest covered: row 3 in column 0
    doc.rayDensity[1 * 2 + 0] = 1;
    doc.rayDensity[2 * 2 + 1] = 1; // row 2 in column 1
    doc.computeCoverage();
    EXPECT_TRUE(drawn(1, 0) && drawn(3, 0) && !drawn(4, 0));
    EXPECT_TRUE(drawn(2, 1) && !drawn(3, 1));
    ASSERT_NE(doc.coverageBottom, nullptr);
    // Centres (5, 35) and (15, 25) in grid x; the curve is in profile x.
    EXPECT_NEAR((*doc.coverageBottom)(4.0), 35.0, 1e-12);
    EXPECT_NEAR((*doc.coverageBottom)(9.0), 30.0, 1e-12);

    doc.coverageBottom.reset();
    doc.computeCoverageBottom();
    ASSERT_NE(doc.coverageBottom, nullptr);
    EXPECT_NEAR((*doc.coverageBottom)(14.0), 25.0, 1e-12);
}

TEST_F(Coverage, InformationDensityFollowsTheCellCount)
{
    make(2);
    doc.info_density = {0.5, 0.25};
    doc.resetInfoDensity();
    EXPECT_EQ(doc.info_density,
              (std::vector<double>{0.5, 0.25, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0}));
    doc.info_density[9] = 3.0;
    doc.resetInfoDensity();
    EXPECT_EQ(doc.info_density[9], 3.0);
}

// ---- the synthetic survey ----

// One spread of 24 receivers at 0, 2, ..., 46 m, shots at -1, 11, 23, 35
// and 47 m, on 50 x 10 cells of 1 m with 6 nodes per side. True model: 500
// m/s over 2000 m/s at 5 m. Picks are the true model's graph times. The
// document starts on the built-in depth model.
class SyntheticSurvey : public ::testing::Test
{
protected:
    // hilly: receivers and shots on ground that rises and falls by metres.
    static void build(TomoDocument& doc, bool hilly = false)
    {
        std::vector<double> receivers;
        for (int x = 0; x <= 46; x += 2)
            receivers.push_back(x);
        fixture::setSurvey(doc, receivers, {-1, 11, 23, 35, 47});
        if (hilly) {
            const auto ground = [](double x) { return 2.5 * std::sin(x / 6.0) + 0.05 * x; };
            for (Point2D& p : doc.goephonesStringSet[0])
                p.z = ground(p.x);
            for (TravelTime& record : doc.ttArray)
                record.shotPos2d.z = ground(record.shotPos2d.x);
        }
        doc.topography.reset();
        ASSERT_EQ(doc.prepareProfile(), 50.0);
        ASSERT_EQ(doc.xShift, 2.0);
        ASSERT_TRUE(doc.createGrid(50, 10, 1.0, 6));
        std::unique_ptr<Grid> start = std::move(doc.grid);
        doc.grid = std::make_unique<Grid>(
            10, 50, 6, 1.0,
            fixture::slownessByRow(10, 50, [](uint32_t r) { return r < 5 ? 500.0 : 2000.0; }),
            *doc.topography);
        doc.computeRayPaths();
        for (TravelTime& record : doc.ttArray) {
            record.ttMisurati = record.ttCalcolati;
            for (double t : record.ttMisurati)
                ASSERT_GT(t, 0.0);
        }
        doc.grid = std::move(start);
        doc.minVelocity = 250.0;
        doc.maxVelocity = 3500.0;
    }

    // Relative RMS misfit (%) over the picked receivers.
    static double relativeMisfit(const TomoDocument& doc)
    {
        double sum = 0.0;
        int n = 0;
        for (const TravelTime& record : doc.ttArray)
            for (size_t r = 0; r < record.ttMisurati.size(); ++r) {
                const double m = record.ttMisurati[r];
                if (m > 0.0) {
                    const double e = (m - record.ttCalcolati[r]) / m;
                    sum += e * e;
                    ++n;
                }
            }
        return std::sqrt(sum / n) * 100.0;
    }

    static std::vector<double> slowness(const TomoDocument& doc)
    {
        std::vector<double> s;
        for (const GridCell& cell : doc.grid->cells)
            s.push_back(cell.slowness);
        return s;
    }

    static std::vector<std::vector<double>> computedTimes(const TomoDocument& doc)
    {
        std::vector<std::vector<double>> t;
        for (const TravelTime& record : doc.ttArray)
            t.push_back(record.ttCalcolati);
        return t;
    }
};

TEST_F(SyntheticSurvey, WrongStartModelIsRecoveredIdenticallyOnOneAndAllThreads)
{
    TomoDocument single, multi;
    build(single);
    build(multi);
    single.computeRayPaths();
    EXPECT_GT(relativeMisfit(single), 50.0); // the built-in start model is far off

    double afterFirst = 0.0;
    double previous = INFINITY;
    for (int iteration = 1; iteration <= 10; ++iteration) {
        SCOPED_TRACE("external iteration " + std::to_string(iteration));
        const std::vector<double> a = single.runTomography(20, 1, false, false, 0);
        const std::vector<double> b = multi.runTomography(20, 1, true, false, 0);
        ASSERT_FALSE(a.empty());
        ASSERT_EQ(a, b); // bit for bit
        ASSERT_EQ(computedTimes(single), computedTimes(multi));
        ASSERT_EQ(single.rayPaths, multi.rayPaths);
        ASSERT_EQ(slowness(single), slowness(multi));
        EXPECT_TRUE(single.has_tomographic_info);
        single.computeRayPaths(); // reading the misfit does not change the run
        const double misfit = relativeMisfit(single);
        std::cout << "external iteration " << iteration << ": relative misfit " << misfit << " %\n";
        EXPECT_LT(misfit, previous);
        previous = misfit;
        if (iteration == 1)
            afterFirst = misfit;
    }

    single.applySmoothing(false, 0, 1);
    single.computeRayPaths();
    const double final = relativeMisfit(single);
    EXPECT_LT(final, 2.0);
    EXPECT_LT(final, afterFirst);

    // The times on the final grid are what a second tracing gives.
    const auto times = computedTimes(single);
    single.computeRayPaths();
    EXPECT_EQ(computedTimes(single), times);

    // Near-surface velocity between the first and the last receiver.
    double sum = 0.0;
    int n = 0;
    for (uint32_t r = 0; r < 2; ++r)
        for (uint32_t c = 2; c <= 47; ++c, ++n)
            sum += 1.0 / single.grid->cells[r * 50 + c].slowness;
    EXPECT_NEAR(sum / n, 500.0, 75.0);
}

// Five shots on 1, 2 and 8 threads: batches {0..4}, {0,1}{2,3}{4} (shot 4 in
// slot 0 again) and one batch of five.
TEST_F(SyntheticSurvey, ThreadCountDoesNotChangeABit)
{
    struct Result {
        std::vector<double> model;
        std::vector<std::vector<double>> times;
        std::vector<std::vector<int>> paths;
        std::vector<double> slowness;
        std::vector<int> density;
    };
    std::vector<Result> results;
    for (int threads : {1, 2, 8, 0}) {
        TomoDocument doc;
        build(doc);
        Result r;
        r.model = doc.runTomography_fast(threads, 5, 2, true, 3);
        r.times = computedTimes(doc);
        r.paths = doc.rayPaths;
        r.slowness = slowness(doc);
        r.density = doc.rayDensity;
        results.push_back(r);
    }
    ASSERT_FALSE(results[0].paths.empty());
    for (size_t k = 1; k < results.size(); ++k) {
        SCOPED_TRACE("run " + std::to_string(k));
        EXPECT_EQ(results[k].model, results[0].model);
        EXPECT_EQ(results[k].times, results[0].times);
        EXPECT_EQ(results[k].paths, results[0].paths);
        EXPECT_EQ(results[k].slowness, results[0].slowness);
        EXPECT_EQ(results[k].density, results[0].density);
    }
}

// The model is written into the grid after each external iteration. Run
// beside the former rule, a grid built afresh from the returned model after
// each iteration, the run must not change by a bit.
TEST_F(SyntheticSurvey, ModelWrittenIntoTheGridRunsAsOnAFreshGrid)
{
    TomoDocument inPlace, rebuilt;
    build(inPlace, true);
    build(rebuilt, true);
    ASSERT_NE(inPlace.grid->nodes[0].z, inPlace.grid->nodes[60].z); // not flat
    for (int iteration = 1; iteration <= 3; ++iteration) {
        SCOPED_TRACE("external iteration " + std::to_string(iteration));
        const Grid* kept = inPlace.grid.get();
        const std::vector<double> a = inPlace.runTomography(20, 2, true, false, 3);
        const std::vector<double> b = rebuilt.runTomography(20, 2, true, false, 3);
        ASSERT_FALSE(a.empty());
        ASSERT_EQ(a, b);
        EXPECT_EQ(inPlace.grid.get(), kept);
        const Grid& g = *rebuilt.grid;
        rebuilt.grid =
            std::make_unique<Grid>(g.righe, g.col, g.nV, g.aLato, b, *rebuilt.topography);
        rebuilt.computeCoverage();
        ASSERT_EQ(slowness(inPlace), slowness(rebuilt));
        for (size_t i = 0; i < inPlace.grid->numberOfCells(); ++i)
            ASSERT_EQ(inPlace.grid->cells[i].to_be_draw, rebuilt.grid->cells[i].to_be_draw) << i;
        inPlace.computeRayPaths();
        rebuilt.computeRayPaths();
        ASSERT_EQ(computedTimes(inPlace), computedTimes(rebuilt));
        ASSERT_EQ(inPlace.rayPaths, rebuilt.rayPaths);
        ASSERT_EQ(relativeMisfit(inPlace), relativeMisfit(rebuilt));
    }
}

TEST_F(SyntheticSurvey, OneSolverIterationCountsEachCellAtMostOnce)
{
    TomoDocument doc;
    build(doc);
    doc.runTomography_fast(1, 1, 1, false, 0);
    int crossed = 0;
    for (int d : doc.rayDensity) {
        EXPECT_TRUE(d == 0 || d == 1);
        crossed += d;
    }
    EXPECT_GT(crossed, 0);
}

TEST_F(SyntheticSurvey, WithoutPicksOnlyTheSmoothingChangesTheModel)
{
    TomoDocument doc;
    build(doc);
    for (TravelTime& record : doc.ttArray)
        record.ttMisurati.assign(record.ttMisurati.size(), 0.0);
    const std::vector<double> smoothed = doc.uniformSmoothing(1, 0.7);
    EXPECT_EQ(doc.runTomography(20, 1, true, false, 0), smoothed);
    for (size_t i = 0; i < smoothed.size(); ++i)
        EXPECT_EQ(doc.grid->cells[i].slowness, smoothed[i]);
}

TEST(Inversion, GridWithoutCellsIsRefusedAndKept)
{
    const std::string path = testenv::freshDir("inversion") + "/log.txt";
    Logger logger(path);
    TomoDocument doc(&logger);
    fixture::setSurvey(doc, {0, 1, 2}, {0.0});
    doc.grid = std::make_unique<Grid>();
    const Grid* empty = doc.grid.get();
    EXPECT_TRUE(doc.runTomography(5, 1, true, false, 0).empty());
    EXPECT_EQ(doc.grid.get(), empty);
    EXPECT_FALSE(doc.has_tomographic_info);
    EXPECT_EQ(fixture::errorLines(path), 1);
}

} // namespace
