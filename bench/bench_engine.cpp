// Speed of the tomography engine on fixed synthetic surveys:
//   - one single-source shortest-path search: the engine (with its own
//     buffers, and with the caller's as the inversion's lanes run it)
//     against the ordered-set reference and Boost.Graph on the same graph;
//   - one external inversion iteration (20 solver iterations) on 1, 2, 4 and
//     8 threads, and its serial steps alone;
//   - grid construction, with the graph's bytes per directed edge.
// Surveys: 48 shots on a line of 1 m cells: 120 x 40 and 240 x 80 cells with
// 6 nodes per side, 240 x 60 cells with 8 (graphs 0, 1 and 2).

#include "Splines.hh"
#include "dijkstracomputepathsthread.h"
#include "dijkstraorderedset.h"
#include "grid.h"
#include "tomodocument.h"

#include <benchmark/benchmark.h>
#include <boost/graph/compressed_sparse_row_graph.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <boost/property_map/property_map.hpp>

#include <sched.h>

#include <cmath>
#include <iostream>
#include <memory>
#include <thread>

namespace
{

struct Size {
    uint32_t cols, rows, nV;
};
const Size sizes[] = {{120, 40, 6}, {240, 80, 6}, {240, 60, 8}};

// 48 shots, one on each receiver, receivers evenly spread over the line;
// picks from a model whose velocity grows with depth (500 m/s plus 40 m/s
// per metre); the document's grid is the built-in start model.
std::unique_ptr<TomoDocument> survey(const Size& size)
{
    auto doc = std::make_unique<TomoDocument>();
    std::vector<Point2D> spread;
    const double spacing = (size.cols - 2.0) / 47.0;
    for (int i = 0; i < 48; ++i)
        spread.push_back({i * spacing, 0.0});
    doc->goephonesStringSet = {spread};
    for (int i = 0; i < 48; ++i) {
        TravelTime record;
        record.traceSetID = static_cast<uint32_t>(i);
        record.shotPos2d = spread[i];
        record.ttMisurati.assign(48, 0.0);
        record.ttCalcolati.assign(48, 0.0);
        doc->ttArray.push_back(record);
    }
    const uint32_t cols = static_cast<uint32_t>(std::ceil(doc->prepareProfile()));
    doc->createGrid(cols, size.rows, 1.0, size.nV);

    std::vector<double> truth;
    for (uint32_t r = 0; r < size.rows; ++r)
        truth.insert(truth.end(), cols, 1.0 / (500.0 + 40.0 * (r + 0.5)));
    std::unique_ptr<Grid> start = std::move(doc->grid);
    doc->grid = std::make_unique<Grid>(size.rows, cols, size.nV, 1.0, truth, *doc->topography);
    doc->computeRayPaths();
    for (TravelTime& record : doc->ttArray)
        record.ttMisurati = record.ttCalcolati;
    doc->grid = std::move(start);
    doc->resetTomographyResults();
    return doc;
}

const TomoDocument& cachedSurvey(int which)
{
    static std::unique_ptr<TomoDocument> docs[3];
    if (!docs[which]) {
        std::cout.setstate(std::ios::failbit); // set-up progress lines
        docs[which] = survey(sizes[which]);
        std::cout.clear();
    }
    return *docs[which];
}

int32_t middleSource(const Grid& grid)
{
    return grid.surfaceNodeIndex(grid.col * grid.aLato / 2.0);
}

void graphCounters(benchmark::State& state, const Grid& grid)
{
    state.counters["nodes"] = static_cast<double>(grid.nodes.size());
    state.counters["edges"] = static_cast<double>(grid.numberOfEdges());
}

void BM_Dijkstra_Engine(benchmark::State& state)
{
    const Grid& grid = *cachedSurvey(static_cast<int>(state.range(0))).grid;
    std::vector<int32_t> previous;
    GridEdgeVector edges;
    for (auto _ : state) {
        DijkstraComputePaths(middleSource(grid), grid.edgeRows(), previous, edges);
        benchmark::DoNotOptimize(previous.data());
        benchmark::DoNotOptimize(edges.data());
    }
    graphCounters(state, grid);
}

// As a lane of the inversion runs it: the buffers are kept from one search
// to the next.
void BM_Dijkstra_EngineCallerBuffers(benchmark::State& state)
{
    const Grid& grid = *cachedSurvey(static_cast<int>(state.range(0))).grid;
    std::vector<int32_t> previous;
    GridEdgeVector edges;
    PathSearchScratch scratch;
    for (auto _ : state) {
        DijkstraComputePaths(middleSource(grid), grid.edgeRows(), previous, edges, nullptr,
                             scratch);
        benchmark::DoNotOptimize(previous.data());
        benchmark::DoNotOptimize(edges.data());
    }
    graphCounters(state, grid);
}

void BM_Dijkstra_OrderedSetReference(benchmark::State& state)
{
    const Grid& grid = *cachedSurvey(static_cast<int>(state.range(0))).grid;
    std::vector<int32_t> previous;
    GridEdgeVector edges;
    for (auto _ : state) {
        DijkstraComputePathsOrderedSet(middleSource(grid), grid.edgeRows(), previous, edges);
        benchmark::DoNotOptimize(previous.data());
        benchmark::DoNotOptimize(edges.data());
    }
    graphCounters(state, grid);
}

struct EdgeWeight {
    double weight;
};
using BoostGraph =
    boost::compressed_sparse_row_graph<boost::directedS, boost::no_property, EdgeWeight>;

void BM_Dijkstra_BoostGraph(benchmark::State& state)
{
    const Grid& grid = *cachedSurvey(static_cast<int>(state.range(0))).grid;
    std::vector<std::pair<int32_t, int32_t>> pairs;
    std::vector<EdgeWeight> weights;
    pairs.reserve(grid.numberOfEdges());
    weights.reserve(grid.numberOfEdges());
    const EdgeRows rows = grid.edgeRows();
    for (size_t v = 0; v < rows.nodeCount; ++v)
        for (uint64_t k = rows.first[v]; k < rows.first[v + 1]; ++k) {
            pairs.emplace_back(static_cast<int32_t>(v), rows.target[k]);
            weights.push_back({rows.weight[k]});
        }
    const BoostGraph graph(boost::edges_are_sorted, pairs.begin(), pairs.end(), weights.begin(),
                           grid.nodes.size());
    std::vector<BoostGraph::vertex_descriptor> predecessor(grid.nodes.size());
    std::vector<double> distance(grid.nodes.size());
    const auto search = [&] {
        const auto index = boost::get(boost::vertex_index, graph);
        boost::dijkstra_shortest_paths(
            graph, static_cast<BoostGraph::vertex_descriptor>(middleSource(grid)),
            boost::predecessor_map(boost::make_iterator_property_map(predecessor.begin(), index))
                .distance_map(boost::make_iterator_property_map(distance.begin(), index))
                .weight_map(boost::get(&EdgeWeight::weight, graph)));
    };

    // Same graph, same answer: the times must agree with the engine's.
    std::vector<int32_t> previous;
    GridEdgeVector edges;
    std::vector<double> ours;
    DijkstraComputePaths(middleSource(grid), grid.edgeRows(), previous, edges, &ours);
    search();
    if (ours != distance) {
        state.SkipWithError("Boost.Graph and the engine disagree on the times");
        return;
    }
    for (auto _ : state) {
        search();
        benchmark::DoNotOptimize(predecessor.data());
        benchmark::DoNotOptimize(distance.data());
    }
    graphCounters(state, grid);
}

unsigned usableCpus()
{
    cpu_set_t set;
    return sched_getaffinity(0, sizeof set, &set) == 0 ? static_cast<unsigned>(CPU_COUNT(&set))
                                                       : std::thread::hardware_concurrency();
}

// A fresh copy of a cached survey with its start grid.
void copySurvey(const TomoDocument& master, TomoDocument& doc)
{
    doc = TomoDocument();
    doc.goephonesStringSet = master.goephonesStringSet;
    doc.ttArray = master.ttArray;
    doc.xShift = master.xShift;
    doc.topographyX = master.topographyX;
    doc.topographyZ = master.topographyZ;
    doc.topography = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    doc.topography->buildFromPoints(doc.topographyX.data(), 1, doc.topographyZ.data(), 1,
                                    static_cast<uint32_t>(doc.topographyX.size()));
    const Grid& g = *master.grid;
    doc.grid = std::make_unique<Grid>(g.righe, g.col, g.nV, g.aLato, *doc.topography);
}

// One external iteration from the start model on range(1) threads. The
// survey is copied back before each run so that every run starts from the
// same grid.
void BM_InversionIteration(benchmark::State& state)
{
    const TomoDocument& master = cachedSurvey(static_cast<int>(state.range(0)));
    const unsigned threads = static_cast<unsigned>(state.range(1));
    TomoDocument doc;
    for (auto _ : state) {
        state.PauseTiming();
        std::cout.setstate(std::ios::failbit); // the run's progress lines
        copySurvey(master, doc);
        state.ResumeTiming();

        benchmark::DoNotOptimize(doc.runTomographyOnThreads(threads, 20, 5, false, 3));

        state.PauseTiming();
        std::cout.clear();
        state.ResumeTiming();
    }
    state.counters["threads"] = threads;
    state.counters["usable_cpus"] = usableCpus();
}

// The steps of an iteration that run on the calling thread alone: the 20
// slowness updates, the smoothing, writing the model into the grid and the
// coverage. They bound the speed-up of the iteration.
void BM_InversionSerialSteps(benchmark::State& state)
{
    const TomoDocument& master = cachedSurvey(static_cast<int>(state.range(0)));
    TomoDocument doc;
    std::cout.setstate(std::ios::failbit);
    copySurvey(master, doc);
    doc.runTomographyOnThreads(1, 1, 5, false, 3); // rays, counts and flags
    std::cout.clear();
    const std::vector<double> coorslow(doc.grid->numberOfCells(), 0.0);
    const std::vector<double> coorcount = doc.coorcount;
    for (auto _ : state) {
        for (int k = 0; k < 20; ++k)
            benchmark::DoNotOptimize(doc.updateSlowness(coorslow, coorcount));
        const std::vector<double> model = doc.rayBasedSmoothing(5, 0.7);
        if (!doc.grid->setModel(model)) {
            state.SkipWithError("the smoothed model was refused");
            return;
        }
        doc.computeCoverage();
    }
}

void BM_GridConstruction(benchmark::State& state)
{
    const Size size = sizes[state.range(0)];
    Splines::LinearSpline ground("LinearSpline", false);
    const double x[] = {0.0, 1000.0}, z[] = {0.0, 0.0};
    ground.buildFromPoints(x, 1, z, 1, 2);
    std::cout.setstate(std::ios::failbit); // "step 1"
    double bytesPerEdge = 0.0;
    for (auto _ : state) {
        Grid grid(size.rows, size.cols, size.nV, 1.0, ground);
        bytesPerEdge = double(grid.graphBytes()) / grid.numberOfEdges();
        benchmark::DoNotOptimize(grid.nodes.data());
    }
    std::cout.clear();
    Grid grid(size.rows, size.cols, size.nV, 1.0, ground);
    graphCounters(state, grid);
    state.counters["bytes_per_edge"] = bytesPerEdge;
}

} // namespace

BENCHMARK(BM_Dijkstra_Engine)->ArgName("graph")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dijkstra_EngineCallerBuffers)
    ->ArgName("graph")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dijkstra_OrderedSetReference)
    ->ArgName("graph")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dijkstra_BoostGraph)
    ->ArgName("graph")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InversionIteration)
    ->ArgNames({"graph", "threads"})
    ->ArgsProduct({{0, 1}, {1, 2, 4, 8}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_InversionSerialSteps)->ArgName("graph")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridConstruction)->ArgName("graph")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
