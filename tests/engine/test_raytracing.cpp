// Ray tracing against physics (closed forms), against the ordered-set
// reference search, and under the shot checks of the batch runner.

#include "dijkstracomputepathsthread.h"
#include "dijkstraorderedset.h"
#include "logger.h"
#include "surveyfixture.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <string>

namespace
{

using fixture::deepestNode;

// One shot at document x 0 over receivers at `receivers`, traced on `grid`.
struct TracedShot {
    TomoDocument doc;
    std::vector<double> times;
};

void trace(TracedShot& shot, const std::vector<double>& receivers, std::unique_ptr<Grid> grid)
{
    fixture::setSurvey(shot.doc, receivers, {0.0});
    shot.doc.grid = std::move(grid);
    shot.doc.computeRayPaths();
    shot.times = shot.doc.ttArray[0].ttCalcolati;
}

std::unique_ptr<Grid> layeredGrid(uint32_t rows, uint32_t cols, uint32_t nV, double a,
                                  const std::function<double(uint32_t)>& velocity)
{
    auto ground = fixture::flatGround();
    return std::make_unique<Grid>(rows, cols, nV, a, fixture::slownessByRow(rows, cols, velocity),
                                  *ground);
}

// A homogeneous half-space has no horizontal edges at the surface, so the
// shortest path dips to the first side nodes at depth delta: the exact graph
// time is ((n - 2) a + 2 sqrt(a^2 + delta^2)) / v for n >= 2.
TEST(RayTracingPhysics, HomogeneousHalfSpaceGivesTheExactGraphTime)
{
    const double v = 1000.0, a = 1.0;
    std::vector<double> receivers;
    for (int n = 0; n <= 30; ++n)
        receivers.push_back(n);

    double previousExcess = INFINITY;
    for (uint32_t nV : {3u, 5u, 6u, 9u}) {
        SCOPED_TRACE("nV " + std::to_string(nV));
        const double delta = a / (nV - 1);
        TracedShot shot;
        trace(shot, receivers, layeredGrid(4, 40, nV, a, [&](uint32_t) { return v; }));
        const Grid& grid = *shot.doc.grid;
        for (int n = 0; n <= 30; ++n) {
            const double diagonal = std::sqrt(a * a + delta * delta);
            const double expected = n == 0   ? 0.0
                                    : n == 1 ? (diagonal + delta) / v
                                             : ((n - 2) * a + 2.0 * diagonal) / v;
            const double t = shot.times[n];
            EXPECT_LE(n / v, t) << "n " << n;
            EXPECT_NEAR(t, expected, 1e-9 * expected) << "n " << n;
            if (n > 0) {
                EXPECT_NEAR(deepestNode(grid, shot.doc.rayPaths[n]), delta, 1e-12) << "n " << n;
            }
        }
        const double excess = shot.times[20] - 20.0 / v;
        EXPECT_LT(excess, previousExcess);
        previousExcess = excess;
    }
}

// 500 m/s over 2000 m/s at 5 m: the graph time lies between the analytic
// first arrival (every graph path is a physical path of this model) and 3 %
// above it.
double twoLayerTime(double x)
{
    const double v1 = 500.0, v2 = 2000.0, h = 5.0;
    return std::min(x / v1, x / v2 + 2.0 * h * std::sqrt(v2 * v2 - v1 * v1) / (v1 * v2));
}

TEST(RayTracingPhysics, TwoLayerHeadWaveWithinThreePercent)
{
    const std::vector<double> receivers = {2, 10, 13, 20, 40, 60};
    TracedShot shot;
    trace(shot, receivers,
          layeredGrid(15, 80, 9, 1.0, [](uint32_t r) { return r < 5 ? 500.0 : 2000.0; }));
    for (size_t k = 0; k < receivers.size(); ++k) {
        const double tan = twoLayerTime(receivers[k]);
        EXPECT_GE(shot.times[k], tan) << "X " << receivers[k];
        EXPECT_LE(shot.times[k], 1.03 * tan) << "X " << receivers[k];
    }
    const Grid& grid = *shot.doc.grid;
    EXPECT_LE(deepestNode(grid, shot.doc.rayPaths[1]), 5.0); // X 10: direct wave
    const double headDepth = deepestNode(grid, shot.doc.rayPaths[5]);
    EXPECT_GT(headDepth, 5.0); // X 60: head wave along the interface
    EXPECT_LE(headDepth, 6.0);
}

// The excess over the analytic time is not monotonic in the node count, but
// it stays within the tolerance for every count, and under 0.1 ms for the
// head wave far out.
TEST(RayTracingPhysics, TwoLayerToleranceHoldsForOtherNodeCounts)
{
    const std::vector<double> receivers = {10, 13, 20, 40, 60};
    for (uint32_t nV : {5u, 7u, 8u, 12u}) {
        SCOPED_TRACE("nV " + std::to_string(nV));
        TracedShot shot;
        trace(shot, receivers,
              layeredGrid(15, 80, nV, 1.0, [](uint32_t r) { return r < 5 ? 500.0 : 2000.0; }));
        for (size_t k = 0; k < receivers.size(); ++k) {
            const double tan = twoLayerTime(receivers[k]);
            EXPECT_GE(shot.times[k], tan) << "X " << receivers[k];
            EXPECT_LE(shot.times[k], 1.03 * tan) << "X " << receivers[k];
        }
        EXPECT_LE(shot.times.back(), twoLayerTime(60.0) + 1e-4);
    }
}

// v = v0 + g z, with each cell at the velocity of its centre depth. Closed
// form for source and receiver at the surface: t = (2/g) asinh(g X / 2 v0).
// The staircase may be faster than the medium, so the bound is two-sided.
TEST(RayTracingPhysics, ConstantGradientWithinThreePercentAndCloserWithSmallerCells)
{
    const double v0 = 500.0, g = 50.0;
    const std::vector<double> receivers = {10, 20, 40, 60};
    auto gradient = [&](uint32_t rows, uint32_t cols, double a) {
        TracedShot shot;
        trace(shot, receivers,
              layeredGrid(rows, cols, 9, a, [&](uint32_t r) { return v0 + g * (r + 0.5) * a; }));
        return shot.times;
    };
    const std::vector<double> coarse = gradient(25, 80, 1.0);
    const std::vector<double> fine = gradient(50, 160, 0.5);
    for (size_t k = 0; k < receivers.size(); ++k) {
        const double exact = 2.0 / g * std::asinh(g * receivers[k] / (2.0 * v0));
        const double errorCoarse = std::fabs(coarse[k] - exact) / exact;
        const double errorFine = std::fabs(fine[k] - exact) / exact;
        EXPECT_LE(errorCoarse, 0.03) << "X " << receivers[k];
        EXPECT_LE(errorFine, 0.03) << "X " << receivers[k];
        EXPECT_LT(errorFine, errorCoarse) << "X " << receivers[k];
    }
}

// ---- the queue against the ordered-set reference ----

void expectSameSearch(const Grid& grid, int32_t source)
{
    std::vector<int32_t> previous, previousRef;
    GridEdgeVector edges, edgesRef;
    std::vector<double> times, timesRef;
    DijkstraComputePaths(source, grid.edgeRows(), previous, edges, &times);
    DijkstraComputePathsOrderedSet(source, grid.edgeRows(), previousRef, edgesRef, &timesRef);
    ASSERT_EQ(previous, previousRef);
    ASSERT_EQ(times, timesRef); // bit for bit
    ASSERT_EQ(edges.size(), edgesRef.size());
    for (size_t v = 0; v < edges.size(); ++v)
        ASSERT_EQ(std::memcmp(&edges[v], &edgesRef[v], sizeof(GridEdge)), 0) << "node " << v;
}

struct QueueCase {
    const char* name;
    uint32_t rows, cols, nV;
    double a;
    std::function<double(uint32_t row, uint32_t col)> velocity;
    std::vector<double> groundX, groundZ; // the ground's elevation
    bool heap;                            // weights spread too far for the buckets
};

class QueueAgainstOrderedSet : public ::testing::TestWithParam<QueueCase>
{
};

TEST_P(QueueAgainstOrderedSet, SamePredecessorsEdgesAndTimes)
{
    const QueueCase& c = GetParam();
    Splines::LinearSpline ground("LinearSpline", false);
    ground.buildFromPoints(c.groundX.data(), 1, c.groundZ.data(), 1,
                           static_cast<uint32_t>(c.groundX.size()));
    std::vector<double> slowness;
    for (uint32_t r = 0; r < c.rows; ++r)
        for (uint32_t col = 0; col < c.cols; ++col)
            slowness.push_back(1.0 / c.velocity(r, col));
    const Grid grid(c.rows, c.cols, c.nV, c.a, slowness, ground);
    ASSERT_EQ(grid.numberOfCells(), size_t(c.rows) * c.cols);
    const EdgeRows rows = grid.edgeRows();
    // Half the smallest weight wide, the ring holds 4096 buckets.
    EXPECT_EQ(rows.largestWeight / rows.smallestWeight > 2046.0, c.heap);
    // Sources at the left end and inside, where symmetric ties abound.
    for (double x : {1.0, 17.0}) {
        SCOPED_TRACE("source x " + std::to_string(x));
        expectSameSearch(grid, grid.surfaceNodeIndex(x));
    }
}

// Deterministic scatter in [0, 1) from a cell's number.
double scatter(uint32_t i)
{
    return double((uint64_t(i) * 2654435761u) % 1000003u) / 1000003.0;
}

const std::vector<double> flatX = {0.0, 10000.0}, flatZ = {0.0, 0.0};

const auto caseName = [](const ::testing::TestParamInfo<QueueCase>& param) {
    return std::string(param.param.name);
};

INSTANTIATE_TEST_SUITE_P(
    AnalyticGrids, QueueAgainstOrderedSet,
    ::testing::Values(QueueCase{"homogeneous", 4, 40, 5, 1.0,
                                [](uint32_t, uint32_t) { return 1000.0; }, flatX, flatZ, false},
                      QueueCase{"twoLayer", 15, 80, 9, 1.0,
                                [](uint32_t r, uint32_t) { return r < 5 ? 500.0 : 2000.0; }, flatX,
                                flatZ, false},
                      QueueCase{"gradient", 25, 80, 9, 1.0,
                                [](uint32_t r, uint32_t) { return 500.0 + 50.0 * (r + 0.5); },
                                flatX, flatZ, false}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    UnevenGrids, QueueAgainstOrderedSet,
    ::testing::Values(QueueCase{"hilly",
                                12,
                                40,
                                6,
                                1.0,
                                [](uint32_t r, uint32_t) { return 400.0 + 150.0 * r; },
                                {0.0, 6.0, 9.0, 9.5, 20.0, 31.0, 50.0},
                                {0.0, 2.0, 0.5, 3.5, 1.0, 4.0, 2.0},
                                false},
                      QueueCase{"randomVelocities", 12, 40, 6, 0.5,
                                [](uint32_t r, uint32_t c) {
                                    return 250.0 + 3250.0 * scatter(r * 40 + c);
                                },
                                flatX, flatZ, false},
                      QueueCase{"heapFallback", 10, 40, 5, 1.0,
                                [](uint32_t r, uint32_t) { return r < 3 ? 200.0 : 500000.0; },
                                flatX, flatZ, true},
                      // Mirrored about grid x 17 in exact binary coordinates, slow at the
                      // axis: nodes under the source are reached from both sides at equal
                      // times bit for bit, and the side expanded first must win.
                      QueueCase{"symmetricTies", 10, 34, 5, 1.0,
                                [](uint32_t r, uint32_t c) {
                                    return 300.0 + 50.0 * r + 400.0 * std::fabs(c - 16.5);
                                },
                                flatX, flatZ, false}),
    caseName);

// One caller's buffers serve searches on graphs of other sizes and with the
// other queue in between: nothing of one search may reach the next.
TEST(Dijkstra, CallersBuffersCarryNothingFromOneSearchToTheNext)
{
    auto ground = fixture::flatGround();
    const Grid large(12, 40, 6, 1.0,
                     fixture::slownessByRow(12, 40, [](uint32_t r) { return 400.0 + 150.0 * r; }),
                     *ground);
    const Grid small(3, 10, 4, 1.0, *ground);
    const Grid spread(6, 20, 5, 1.0,
                      fixture::slownessByRow(6, 20, [](uint32_t r) { return r < 2 ? 200.0 : 5e5; }),
                      *ground);
    PathSearchScratch scratch;
    const std::pair<const Grid*, double> searches[] = {{&large, 17.0},  {&small, 2.0},
                                                       {&spread, 1.0},  {&large, 3.0},
                                                       {&spread, 11.0}, {&small, 9.0}};
    for (const auto& [grid, x] : searches) {
        SCOPED_TRACE("source x " + std::to_string(x) + " on " +
                     std::to_string(grid->numberOfCells()) + " cells");
        const int32_t source = grid->surfaceNodeIndex(x);
        std::vector<int32_t> previous, previousAlone;
        GridEdgeVector edges, edgesAlone;
        std::vector<double> times, timesAlone;
        DijkstraComputePaths(source, grid->edgeRows(), previous, edges, &times, scratch);
        DijkstraComputePaths(source, grid->edgeRows(), previousAlone, edgesAlone, &timesAlone);
        ASSERT_EQ(previous, previousAlone);
        ASSERT_EQ(times, timesAlone);
        ASSERT_EQ(edges.size(), edgesAlone.size());
        for (size_t v = 0; v < edges.size(); ++v)
            ASSERT_EQ(std::memcmp(&edges[v], &edgesAlone[v], sizeof(GridEdge)), 0) << v;
        // Without a distance vector the times stay in the buffers.
        std::vector<int32_t> previousNoTimes;
        DijkstraComputePaths(source, grid->edgeRows(), previousNoTimes, edges, nullptr, scratch);
        ASSERT_EQ(previousNoTimes, previousAlone);
    }
}

// Random graphs with many zero weights and equal weights: a zero-weight edge
// puts its end node into the bucket being emptied, which must still give the
// heap's order.
TEST(Dijkstra, ZeroAndEqualWeightsKeepTheOrderOfTheOrderedSet)
{
    const int32_t n = 300;
    uint64_t state = 12345;
    const auto draw = [&](uint64_t range) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return (state >> 33) % range;
    };
    std::vector<uint64_t> first = {0};
    std::vector<int32_t> target;
    std::vector<double> weight;
    std::vector<uint32_t> cell;
    for (int32_t v = 0; v < n; ++v) {
        const uint64_t degree = draw(7);
        for (uint64_t k = 0; k < degree; ++k) {
            target.push_back(static_cast<int32_t>(draw(n)));
            weight.push_back(0.25 * double(draw(4))); // 0, 0.25, 0.5, 0.75
            cell.push_back(static_cast<uint32_t>(target.size()));
        }
        first.push_back(target.size());
    }
    EdgeRows graph;
    graph.nodeCount = n;
    graph.first = first.data();
    graph.target = target.data();
    graph.weight = weight.data();
    graph.length = weight.data();
    graph.cell = cell.data();
    graph.measureWeights();
    ASSERT_EQ(graph.smallestWeight, 0.25);
    for (int32_t source : {0, 17, 150, 299}) {
        SCOPED_TRACE("source " + std::to_string(source));
        std::vector<int32_t> previous, previousRef;
        GridEdgeVector edges, edgesRef;
        std::vector<double> times, timesRef;
        DijkstraComputePaths(source, graph, previous, edges, &times);
        DijkstraComputePathsOrderedSet(source, graph, previousRef, edgesRef, &timesRef);
        ASSERT_EQ(previous, previousRef);
        ASSERT_EQ(times, timesRef);
        for (size_t v = 0; v < edges.size(); ++v)
            ASSERT_EQ(std::memcmp(&edges[v], &edgesRef[v], sizeof(GridEdge)), 0) << "node " << v;
    }
}

// Hand-made graph: 0 -> 1 (2), 0 -> 2 (1), 2 -> 1 (1), 0 -> 3 (1), 3 -> 1 (1);
// node 4 is never reached. Node 1 is reached at time 2 three ways; the edge
// relaxed first (0 -> 1) must stay.
TEST(Dijkstra, FirstRelaxedEdgeWinsTiesAndUnreachedNodesKeepDefaults)
{
    const uint64_t first[] = {0, 3, 3, 4, 5, 5};
    const int32_t target[] = {1, 2, 3, 1, 1};
    const double weight[] = {2.0, 1.0, 1.0, 1.0, 1.0};
    const uint32_t cell[] = {10, 11, 12, 13, 14};
    EdgeRows graph;
    graph.nodeCount = 5;
    graph.first = first;
    graph.target = target;
    graph.weight = weight;
    graph.length = weight;
    graph.cell = cell;
    graph.measureWeights();

    for (bool reference : {false, true}) {
        SCOPED_TRACE(reference ? "ordered set" : "heap");
        std::vector<int32_t> previous;
        GridEdgeVector edges;
        std::vector<double> times;
        using Search = void (*)(int32_t, const EdgeRows&, std::vector<int32_t>&, GridEdgeVector&,
                                std::vector<double>*);
        const Search search =
            reference ? DijkstraComputePathsOrderedSet : static_cast<Search>(DijkstraComputePaths);
        search(0, graph, previous, edges, &times);
        EXPECT_EQ(previous, (std::vector<int32_t>{-1, 0, 0, 0, -1}));
        EXPECT_EQ(edges[1].cell, 10u);
        EXPECT_EQ(times[1], 2.0);
        EXPECT_TRUE(std::isinf(times[4]));
        EXPECT_EQ(edges[4].target, 0x7FFFFFFF);
        EXPECT_EQ(edges[4].cell, 0xFFFFFFFFu);
        EXPECT_EQ(DijkstraGetShortestPathTo(1, previous), (std::vector<int32_t>{0, 1}));
        EXPECT_EQ(DijkstraGetShortestPathTo(0, previous), (std::vector<int32_t>{0}));
        EXPECT_EQ(DijkstraGetShortestPathTo(4, previous), (std::vector<int32_t>{4}));
    }
}

// ---- the worker ----

class ShotWorker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fixture::setSurvey(doc, {0, 3, 6, 9, 12}, {0.0});
        doc.grid = layeredGrid(4, 16, 5, 1.0, [](uint32_t r) { return 800.0 + 400.0 * r; });
        correction.assign(doc.grid->numberOfCells(), 0.0);
        length.assign(doc.grid->numberOfCells(), 0.0);
        worker.document = &doc;
        worker.shotIndex = 0;
        worker.spreadIndex = 0;
        worker.sourceNode = doc.grid->surfaceNodeIndex(1.0);
        worker.correctionSums = &correction;
        worker.lengthSums = &length;
    }
    static double sum(const std::vector<double>& v)
    {
        double s = 0.0;
        for (double x : v)
            s += std::fabs(x);
        return s;
    }

    TomoDocument doc;
    ShotRayTracer worker;
    std::vector<double> correction, length;
};

TEST_F(ShotWorker, ReceiversWithoutPicksGetTimesButAddNoSums)
{
    doc.ttArray[0].ttMisurati = {0.0, 0.0, -2.0, -99.0, 0.0};
    worker.trace();
    const std::vector<double>& t = doc.ttArray[0].ttCalcolati;
    EXPECT_EQ(worker.paths[0], (std::vector<int32_t>{worker.sourceNode})); // on the source
    EXPECT_EQ(t[0], 0.0);
    for (int r = 1; r < 5; ++r)
        EXPECT_GT(t[r], 0.0) << r;
    EXPECT_EQ(sum(correction), 0.0);
    EXPECT_EQ(sum(length), 0.0);

    // A pick on the source node itself divides by a path length of 0, but
    // the path crosses no cell: nothing reaches the sums.
    doc.ttArray[0].ttMisurati[0] = 0.004;
    worker.trace();
    EXPECT_EQ(sum(correction), 0.0);

    // A real pick spreads its residual over the cells its ray crosses, with
    // the whole ray length counted.
    doc.ttArray[0].ttMisurati[4] = 0.02;
    worker.trace();
    std::vector<int32_t> previous;
    GridEdgeVector arrivals;
    DijkstraComputePaths(worker.sourceNode, doc.grid->edgeRows(), previous, arrivals);
    double rayLength = 0.0;
    for (int32_t u : worker.paths[4])
        rayLength += arrivals[u].length;
    EXPECT_NEAR(sum(length), rayLength, 1e-12);
    EXPECT_NEAR(sum(correction), std::fabs(t[4] - 0.02), 1e-15);
}

TEST_F(ShotWorker, StartedAgainItKeepsItsPathsAndFollowsTheSlowness)
{
    worker.trace();
    const auto paths = worker.paths;
    const auto times = doc.ttArray[0].ttCalcolati;
    for (GridCell& cell : doc.grid->cells)
        cell.slowness *= 2.0;
    worker.trace();
    EXPECT_EQ(worker.paths, paths);
    for (size_t r = 0; r < times.size(); ++r)
        EXPECT_EQ(doc.ttArray[0].ttCalcolati[r], 2.0 * times[r]);
}

// ---- the batch runner's shot checks ----

class RayTracingLog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = testenv::freshDir("raylog") + "/log.txt";
        logger = std::make_unique<Logger>(path);
        doc.logger = logger.get();
    }
    int errorLines() const { return fixture::errorLines(path); }

    std::string path;
    std::unique_ptr<Logger> logger;
    TomoDocument doc;
};

// Receivers 0 .. 115 m need 47 columns of 2.5 m (ceil of 117 / 2.5): with
// 46 the receiver at 115 m is past the last surface node.
TEST_F(RayTracingLog, ShotsOutsideTheGridAreSkippedAndZeroed)
{
    std::vector<double> receivers;
    for (int x = 0; x <= 115; x += 5)
        receivers.push_back(x);
    fixture::setSurvey(doc, receivers, {0.0, 115.0});
    for (TravelTime& record : doc.ttArray)
        record.ttCalcolati.assign(receivers.size(), 7.0);

    doc.grid = std::make_unique<Grid>(4, 46, 6, 2.5, *doc.topography);
    doc.computeRayPaths();
    EXPECT_EQ(errorLines(), 2);
    EXPECT_TRUE(doc.rayPaths.empty());
    for (const TravelTime& record : doc.ttArray)
        EXPECT_EQ(record.ttCalcolati, std::vector<double>(receivers.size(), 0.0));

    doc.grid = std::make_unique<Grid>(4, 47, 6, 2.5, *doc.topography);
    doc.computeRayPaths();
    EXPECT_EQ(errorLines(), 2);
    EXPECT_EQ(doc.rayPaths.size(), 48u);
    EXPECT_GT(doc.ttArray[1].ttCalcolati[0], 0.0);

    // The narrow grid again, installed directly: stale times must not survive.
    doc.grid = std::make_unique<Grid>(4, 46, 6, 2.5, *doc.topography);
    doc.computeRayPaths();
    EXPECT_EQ(errorLines(), 4);
    for (const TravelTime& record : doc.ttArray)
        EXPECT_EQ(record.ttCalcolati, std::vector<double>(receivers.size(), 0.0));
}

TEST_F(RayTracingLog, RecordsThatDoNotFitTheirSpreadAreSkipped)
{
    std::vector<double> receivers;
    for (int x = 0; x < 24; ++x)
        receivers.push_back(x);
    fixture::setSurvey(doc, receivers, {0.0, 5.0, 10.0});
    doc.goephonesStringSet.push_back(doc.goephonesStringSet[0]);
    doc.ttArray[1].indexStesa = 5;        // no such spread
    doc.ttArray[2].ttMisurati.resize(23); // one pick short
    doc.grid = std::make_unique<Grid>(3, 30, 5, 1.0, *doc.topography);
    doc.computeRayPaths();
    EXPECT_EQ(errorLines(), 2);
    EXPECT_EQ(doc.rayPaths.size(), 24u); // only shot 0
    EXPECT_GT(doc.ttArray[0].ttCalcolati[10], 0.0);
    EXPECT_EQ(doc.ttArray[2].ttCalcolati[10], 0.0);
}

TEST_F(RayTracingLog, AGridWithoutCellsIsRefused)
{
    fixture::setSurvey(doc, {0, 1, 2}, {0.0});
    doc.rayPaths = {{1, 2, 3}};
    doc.grid = std::make_unique<Grid>();
    doc.computeRayPaths();
    EXPECT_EQ(errorLines(), 1);
    EXPECT_EQ(doc.rayPaths, (std::vector<std::vector<int>>{{1, 2, 3}}));

    doc.grid.reset();
    doc.computeRayPaths();
    EXPECT_EQ(errorLines(), 2);
}

} // namespace
