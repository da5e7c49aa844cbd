// The tomographic grid: graph sizes, node geometry, cell models, the snap of
// surface positions to nodes, and the refusals that keep a bad grid empty.

#include "Splines.hh"
#include "dijkstracomputepathsthread.h"
#include "grid.h"
#include "surveyfixture.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace
{

static_assert(sizeof(GridEdge) == 24, "the graph's memory budget counts on 24-byte edges");

std::unique_ptr<Splines::LinearSpline> groundAt(std::vector<double> x, std::vector<double> z)
{
    auto spline = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    spline->buildFromPoints(x.data(), 1, z.data(), 1, static_cast<uint32_t>(x.size()));
    return spline;
}

struct SizeCase {
    uint32_t rows, cols, nV;
    size_t nodes, edges;
};

class GridSize : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(GridSize, NodesAndEdgesMatchTheNumbering)
{
    const SizeCase c = GetParam();
    auto ground = fixture::flatGround();
    Grid grid(c.rows, c.cols, c.nV, 1.0, *ground);

    const size_t H = (c.nV - 1) * c.cols + 1, V = (c.nV - 2) * (c.cols + 1);
    EXPECT_EQ(grid.nodes.size(), c.nodes);
    EXPECT_EQ(grid.nodes.size(), H * (c.rows + 1) + V * c.rows);
    const EdgeRows rows = grid.edgeRows();
    ASSERT_EQ(rows.nodeCount, grid.nodes.size());
    EXPECT_EQ(rows.first[0], 0u);
    size_t edges = 0;
    for (size_t i = 0; i < grid.nodes.size(); ++i) {
        const GridNode& node = grid.nodes[i];
        EXPECT_EQ(node.id, i);
        EXPECT_NE(node.x, DBL_MAX) << "node " << i << " never positioned";
        ASSERT_LE(rows.first[i], rows.first[i + 1]) << "node " << i;
        edges += rows.first[i + 1] - rows.first[i];
        // The tie-break of the ray tracer relies on cell-index order.
        for (uint64_t k = rows.first[i] + 1; k < rows.first[i + 1]; ++k)
            EXPECT_LE(rows.cell[k - 1], rows.cell[k]) << "node " << i;
    }
    EXPECT_EQ(edges, c.edges);
    EXPECT_EQ(rows.edgeCount(), c.edges);
    EXPECT_EQ(grid.numberOfEdges(), c.edges);
    EXPECT_EQ(edges, size_t(c.rows) * c.cols * (12 * c.nV * c.nV - 24 * c.nV + 8));
    if (c.nV == 2) {
        EXPECT_TRUE(grid.cells[0].left.empty());
        EXPECT_TRUE(grid.cells[0].right.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, GridSize,
                         ::testing::Values(SizeCase{2, 3, 6, 80, 1776},
                                           SizeCase{3, 4, 5, 113, 2256}, SizeCase{1, 1, 2, 4, 8}));

TEST(GridGeometry, NodesFollowTheGroundAndSideNodesStepDownFromTheUpperCorner)
{
    for (double elevation : {0.0, 10.0}) {
        SCOPED_TRACE("elevation " + std::to_string(elevation));
        auto ground = groundAt({0.0, 100.0}, {elevation, elevation});
        Grid grid(3, 4, 5, 1.0, *ground);
        for (uint32_t i = 0; i < grid.cells.size(); ++i) {
            const GridCell& cell = grid.cells[i];
            const double r = i / 4, c = i % 4;
            for (int k = 0; k < 5; ++k) {
                EXPECT_DOUBLE_EQ(cell.top[k]->z, r - elevation);
                EXPECT_DOUBLE_EQ(cell.bottom[k]->z, r + 1 - elevation);
                EXPECT_DOUBLE_EQ(cell.top[k]->x, c + 0.25 * k);
            }
            for (int j = 0; j < 3; ++j) {
                EXPECT_DOUBLE_EQ(cell.left[j]->z, r + (j + 1) * 0.25 - elevation);
                EXPECT_DOUBLE_EQ(cell.left[j]->x, c);
                EXPECT_DOUBLE_EQ(cell.right[j]->x, c + 1);
            }
        }
        const auto centre = grid.cellCentre(0);
        EXPECT_DOUBLE_EQ(centre.first, 0.5);
        EXPECT_DOUBLE_EQ(centre.second, 0.5 - elevation);
    }
}

// Velocity of the cell row whose upper line lies at `depth`.
double builtInVelocityAt(double depth, double cellSide)
{
    auto ground = fixture::flatGround();
    const uint32_t row = static_cast<uint32_t>(std::lround(depth / cellSide));
    Grid grid(row + 1, 1, 2, cellSide, *ground);
    return 1.0 / grid.cells[row].slowness;
}

TEST(GridModels, BuiltInDepthModelJumpsAtThreeAndTwentyMetres)
{
    EXPECT_NEAR(builtInVelocityAt(2.9, 0.1), 461.0, 1e-9);
    EXPECT_DOUBLE_EQ(builtInVelocityAt(3.0, 0.5), 1150.0);
    EXPECT_DOUBLE_EQ(builtInVelocityAt(20.0, 0.5), 2000.0);
    EXPECT_DOUBLE_EQ(builtInVelocityAt(20.5, 0.5), 3012.5);
}

// A natural cubic through a sharp step overshoots to negative velocities;
// those rows must be held at the minimum velocity, not turned into negative
// slowness.
TEST(GridModels, VelocitySplineIsHeldAtTheMinimumVelocity)
{
    Splines::CubicSpline velocity("CubicSpline", false);
    const double d[] = {0.0, 10.0, 10.5, 20.0};
    const double v[] = {300.0, 400.0, 2500.0, 2600.0};
    velocity.buildFromPoints(d, 1, v, 1, 4);
    for (int r = 1; r <= 9; ++r)
        ASSERT_LT(velocity(r), 0.0) << "the case needs an overshoot at depth " << r;

    auto ground = fixture::flatGround();
    Grid grid(11, 2, 3, 1.0, *ground, velocity, 250.0);
    ASSERT_EQ(grid.numberOfCells(), 22u);
    for (int r = 0; r <= 10; ++r) {
        const double expected = r == 0 ? 300.0 : r == 10 ? 400.0 : 250.0;
        EXPECT_DOUBLE_EQ(1.0 / grid.cells[r * 2].slowness, expected) << "row " << r;
        EXPECT_TRUE(grid.cells[r * 2].to_be_draw);
    }
}

TEST(GridModels, SavedGridKeepsItsFlags)
{
    auto ground = fixture::flatGround();
    std::vector<bool> flags = {true, false, false, true, false, true};
    Grid grid(2, 3, 4, 1.0, std::vector<double>(6, 0.002), flags, *ground);
    ASSERT_EQ(grid.numberOfCells(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(grid.cells[i].to_be_draw, flags[i]) << i;
        EXPECT_EQ(grid.cells[i].slowness, 0.002);
    }
}

struct SavedCase {
    const char* name;
    std::vector<double> slowness;
    size_t flags;
    uint32_t nV;
};

class CorruptSavedGrid : public ::testing::TestWithParam<SavedCase>
{
};

TEST_P(CorruptSavedGrid, IsRejectedWithoutAnException)
{
    const SavedCase& c = GetParam();
    auto ground = fixture::flatGround();
    ::testing::internal::CaptureStderr();
    Grid grid(3, 4, c.nV, 1.0, c.slowness, std::vector<bool>(c.flags, true), *ground);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(grid.numberOfCells(), 0u);
    EXPECT_TRUE(grid.nodes.empty());
    EXPECT_NE(err.find(" : Error creating the grid "), std::string::npos) << err;
}

std::vector<double> twelveWith(double bad)
{
    std::vector<double> s(12, 0.001);
    s[7] = bad;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CorruptSavedGrid,
    ::testing::Values(SavedCase{"elevenValues", std::vector<double>(11, 0.001), 12, 6},
                      SavedCase{"elevenFlags", std::vector<double>(12, 0.001), 11, 6},
                      SavedCase{"zeroSlowness", twelveWith(0.0), 12, 6},
                      SavedCase{"negativeSlowness", twelveWith(-0.001), 12, 6},
                      SavedCase{"nanSlowness", twelveWith(NAN), 12, 6},
                      SavedCase{"oneNodePerSide", std::vector<double>(12, 0.001), 12, 1}),
    [](const ::testing::TestParamInfo<SavedCase>& param) { return std::string(param.param.name); });

// 0.1 m cells on a 3 km line with 16 nodes per side: about 2.6e10 nodes, past
// what a node number can hold. It must be refused before anything is allocated.
TEST(GridRefusal, OversizedGridIsLeftEmpty)
{
    auto ground = fixture::flatGround();
    ::testing::internal::CaptureStderr();
    Grid grid(30000, 30000, 16, 0.1, *ground);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(grid.numberOfCells(), 0u);
    EXPECT_TRUE(grid.nodes.empty());
    EXPECT_NE(err.find(" : Error creating the grid "), std::string::npos) << err;
    EXPECT_EQ(grid.surfaceNodeIndex(1.0), Grid::NoNode);
}

TEST(GridRefusal, FailingSurfaceSplineLeavesTheGridEmpty)
{
    Splines::LinearSpline empty("LinearSpline", false);
    ::testing::internal::CaptureStderr();
    Grid grid(2, 2, 4, 1.0, empty);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(grid.numberOfCells(), 0u);
    EXPECT_NE(err.find("npts == 0"), std::string::npos) << err;
    EXPECT_NE(err.find(" : Error creating the grid "), std::string::npos) << err;
}

// Side nodes are spaced down from the upper corner, so under a steep step the
// last one may lie below the lower corner. Weights must still be usable.
TEST(GridGeometry, FiveMetreStepKeepsEveryWeightFiniteAndPositive)
{
    auto ground = groundAt({0.0, 10.0, 10.5, 40.0}, {0.0, 0.0, 5.0, 5.0});
    Grid grid(6, 30, 6, 1.0, *ground);
    ASSERT_EQ(grid.numberOfCells(), 180u);
    const EdgeRows rows = grid.edgeRows();
    for (size_t k = 0; k < rows.edgeCount(); ++k) {
        ASSERT_TRUE(std::isfinite(rows.weight[k]) && rows.weight[k] >= 0.0);
        ASSERT_TRUE(std::isfinite(rows.length[k]));
    }
    std::vector<int32_t> previous;
    GridEdgeVector edges;
    std::vector<double> times;
    DijkstraComputePaths(grid.surfaceNodeIndex(1.0), rows, previous, edges, &times);
    EXPECT_TRUE(std::isfinite(times[grid.surfaceNodeIndex(29.0)]));
}

// Every edge of the graph in node order, as whole records.
std::vector<GridEdge> allEdges(const Grid& grid)
{
    const EdgeRows rows = grid.edgeRows();
    std::vector<GridEdge> edges;
    for (size_t k = 0; k < rows.edgeCount(); ++k)
        edges.push_back(rows.edge(k));
    return edges;
}

void expectSameGraph(const Grid& a, const Grid& b)
{
    ASSERT_EQ(a.numberOfCells(), b.numberOfCells());
    for (size_t i = 0; i < a.numberOfCells(); ++i) {
        EXPECT_EQ(a.cells[i].slowness, b.cells[i].slowness) << "cell " << i;
        EXPECT_EQ(a.cells[i].to_be_draw, b.cells[i].to_be_draw) << "cell " << i;
    }
    ASSERT_EQ(a.nodes.size(), b.nodes.size());
    for (size_t i = 0; i < a.nodes.size(); ++i) {
        EXPECT_EQ(a.nodes[i].x, b.nodes[i].x) << "node " << i;
        EXPECT_EQ(a.nodes[i].z, b.nodes[i].z) << "node " << i;
    }
    const EdgeRows ra = a.edgeRows(), rb = b.edgeRows();
    ASSERT_EQ(ra.nodeCount, rb.nodeCount);
    for (size_t i = 0; i <= ra.nodeCount; ++i)
        ASSERT_EQ(ra.first[i], rb.first[i]) << "node " << i;
    // The queue's width follows the weights.
    EXPECT_EQ(ra.smallestWeight, rb.smallestWeight);
    EXPECT_EQ(ra.largestWeight, rb.largestWeight);
    const std::vector<GridEdge> ea = allEdges(a), eb = allEdges(b);
    ASSERT_EQ(ea.size(), eb.size());
    for (size_t k = 0; k < ea.size(); ++k)
        ASSERT_EQ(std::memcmp(&ea[k], &eb[k], sizeof(GridEdge)), 0) << "edge " << k;
}

// A model with a different slowness in nearly every cell.
std::vector<double> scatteredModel(size_t cells)
{
    std::vector<double> s;
    for (size_t i = 0; i < cells; ++i)
        s.push_back(1.0 / (250.0 + double(i * 7919 % 3251)));
    return s;
}

struct GroundCase {
    const char* name;
    std::vector<double> x, z;
};

class ModelWrittenIntoTheGrid : public ::testing::TestWithParam<GroundCase>
{
};

// The inversion writes each new model into its grid instead of building a
// second one: the result must be the grid a fresh build from that model gives.
TEST_P(ModelWrittenIntoTheGrid, EqualsAFreshBuildEdgeForEdge)
{
    const GroundCase& c = GetParam();
    auto ground = groundAt(c.x, c.z);
    Grid updated(6, 30, 6, 1.0, *ground);
    ASSERT_EQ(updated.numberOfCells(), 180u);
    updated.cells[0].to_be_draw = false;
    updated.cells[77].to_be_draw = false;
    const std::vector<double> model = scatteredModel(180);
    ASSERT_TRUE(updated.setModel(model));
    const Grid fresh(6, 30, 6, 1.0, model, *ground);
    expectSameGraph(updated, fresh);
}

INSTANTIATE_TEST_SUITE_P(Grounds, ModelWrittenIntoTheGrid,
                         ::testing::Values(GroundCase{"flat", {0.0, 100.0}, {0.0, 0.0}},
                                           GroundCase{"hilly",
                                                      {0.0, 7.0, 10.0, 10.5, 19.0, 40.0},
                                                      {0.0, 1.5, 0.2, 4.0, 2.5, 3.0}}),
                         [](const ::testing::TestParamInfo<GroundCase>& param) {
                             return std::string(param.param.name);
                         });

struct RefusedModelCase {
    const char* name;
    size_t size;
    size_t badCell;
    double badValue;
};

class RefusedModel : public ::testing::TestWithParam<RefusedModelCase>
{
};

TEST_P(RefusedModel, LeavesTheGridAsItWas)
{
    const RefusedModelCase& c = GetParam();
    auto ground = groundAt({0.0, 100.0}, {0.0, 0.0});
    Grid grid(6, 30, 6, 1.0, *ground);
    grid.cells[5].to_be_draw = false;
    const Grid before(6, 30, 6, 1.0, *ground);
    std::vector<double> model = scatteredModel(c.size);
    if (c.badCell < model.size())
        model[c.badCell] = c.badValue;
    EXPECT_FALSE(grid.setModel(model));
    EXPECT_FALSE(grid.cells[5].to_be_draw);
    grid.cells[5].to_be_draw = true;
    expectSameGraph(grid, before);
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedModel,
                         ::testing::Values(RefusedModelCase{"tooFew", 179, 999, 0.0},
                                           RefusedModelCase{"tooMany", 181, 999, 0.0},
                                           RefusedModelCase{"notANumber", 180, 179, NAN},
                                           RefusedModelCase{"infinite", 180, 3, INFINITY},
                                           RefusedModelCase{"zero", 180, 100, 0.0},
                                           RefusedModelCase{"negative", 180, 0, -0.001},
                                           // finite, but length x slowness overflows on the last
                                           // cell's edges, after all others were checked
                                           RefusedModelCase{"productOverflows", 180, 179, DBL_MAX},
                                           // only the diagonals (sqrt 2 m) of cell 42 overflow;
                                           // its shorter edges stay finite
                                           RefusedModelCase{"onlyTheLongestEdgesOverflow", 180, 42,
                                                            DBL_MAX / 1.3}),
                         [](const ::testing::TestParamInfo<RefusedModelCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(GridSurface, SmoothingReplacesInnerSamplesByTheMeanOfTheirNeighbours)
{
    Grid grid;
    for (int k = 0; k < 9; ++k)
        grid.surfaceValues.push_back(k * k);
    std::vector<double> expected = grid.surfaceValues;
    expected[4] = 23.5;
    EXPECT_EQ(grid.smoothedSurface(), expected);

    grid.surfaceValues.pop_back();
    EXPECT_EQ(grid.smoothedSurface(), grid.surfaceValues);
}

struct SnapCase {
    uint32_t nV;
    double x;
    int32_t node;
};

class SurfaceNodeIndex : public ::testing::TestWithParam<SnapCase>
{
};

TEST_P(SurfaceNodeIndex, SnapsOnlyWhatLiesOnANode)
{
    const SnapCase c = GetParam();
    auto ground = fixture::flatGround();
    Grid grid(1, 10, c.nV, 1.0, *ground);
    EXPECT_EQ(grid.surfaceNodeIndex(c.x), c.node);
}

INSTANTIATE_TEST_SUITE_P(Cases, SurfaceNodeIndex,
                         ::testing::Values(SnapCase{11, 2.9, 29}, // 2.9 / 0.1 = 28.999999999999996
                                           SnapCase{11, 0.3, 3}, SnapCase{5, -0.125, 0},
                                           SnapCase{5, 10.0, 40}, SnapCase{5, 9.9, 39},
                                           SnapCase{5, 10.25, Grid::NoNode},
                                           SnapCase{5, -0.25, Grid::NoNode}));

} // namespace
