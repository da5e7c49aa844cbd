// Memory and time of a large inversion: shots of 96 channels on a 600 m
// line, a grid 60 m deep with 6 nodes per side, external iterations of 20
// solver iterations each on all hardware threads, from the built-in start
// model. The picks are the analytic first arrivals of v = 500 + 40 z m/s, so
// that no second grid is ever built. Counters:
//   - peak_MB: the process's peak resident memory (VmHWM), survey and grid
//     included; graph_MB: what the grid holds; bytes_per_edge: graph_MB per
//     directed edge;
//   - s_per_iteration: wall time of one external iteration.
// The size comes from the environment: TERVANELO_BENCH_SHOTS (200),
// TERVANELO_BENCH_CELL (cell side in m, 0.5), TERVANELO_BENCH_ITERATIONS
// (external iterations, 10). bench/large_survey.sh sets the full survey and
// runs it under /usr/bin/time; the short run under the sanitizers takes a
// few shots on 1 m cells.

#include "Splines.hh"
#include "grid.h"
#include "tomodocument.h"

#include "residentmemory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace
{

constexpr int channels = 96;
constexpr double lineLength = 600.0; // m, first to last receiver
constexpr double depth = 60.0;       // m

double environment(const char* name, double fallback, double smallest)
{
    const char* text = std::getenv(name);
    if (!text)
        return fallback;
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || !std::isfinite(v) || v < smallest) {
        std::cerr << name << "=" << text << " is not a usable value; using " << fallback
                  << std::endl;
        return fallback;
    }
    return v;
}

// First arrival at offset x over v = v0 + g z (surface source and receiver).
double gradientTime(double x)
{
    const double v0 = 500.0, g = 40.0;
    return 2.0 / g * std::asinh(g * std::fabs(x) / (2.0 * v0));
}

void BM_LargeSurveyInversion(benchmark::State& state)
{
    const int shots = static_cast<int>(environment("TERVANELO_BENCH_SHOTS", 200, 1));
    const double cell = environment("TERVANELO_BENCH_CELL", 0.5, 0.05);
    const int iterations = static_cast<int>(environment("TERVANELO_BENCH_ITERATIONS", 10, 1));

    TomoDocument doc;
    std::vector<Point2D> spread;
    for (int i = 0; i < channels; ++i)
        spread.push_back({lineLength * i / (channels - 1), 0.0});
    doc.goephonesStringSet = {spread};
    for (int s = 0; s < shots; ++s) {
        TravelTime record;
        record.traceSetID = static_cast<uint32_t>(s);
        record.shotPos2d = {shots == 1 ? 0.0 : lineLength * s / (shots - 1), 0.0};
        for (const Point2D& r : spread)
            record.ttMisurati.push_back(gradientTime(r.x - record.shotPos2d.x));
        record.ttCalcolati.assign(channels, 0.0);
        doc.ttArray.push_back(std::move(record));
    }
    std::cout.setstate(std::ios::failbit); // set-up and progress lines
    const uint32_t cols = static_cast<uint32_t>(std::ceil(doc.prepareProfile() / cell));
    const uint32_t rows = static_cast<uint32_t>(std::lround(depth / cell));
    if (!doc.createGrid(cols, rows, cell, 6)) {
        std::cout.clear();
        state.SkipWithError("the grid could not be built");
        return;
    }
    doc.minVelocity = 250.0;
    doc.maxVelocity = 3500.0;

    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int k = 0; k < iterations; ++k)
            if (doc.runTomography(20, 5, true, false, 3).empty()) {
                std::cout.clear();
                state.SkipWithError("an external iteration was refused");
                return;
            }
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::cout.clear();
    const Grid& grid = *doc.grid;
    state.counters["shots"] = shots;
    state.counters["cell_m"] = cell;
    state.counters["edges"] = static_cast<double>(grid.numberOfEdges());
    state.counters["graph_MB"] = grid.graphBytes() / 1048576.0;
    state.counters["bytes_per_edge"] = double(grid.graphBytes()) / grid.numberOfEdges();
    state.counters["peak_MB"] = residentMB("VmHWM:");
    state.counters["s_per_iteration"] = seconds / iterations;
}

} // namespace

BENCHMARK(BM_LargeSurveyInversion)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

BENCHMARK_MAIN();
