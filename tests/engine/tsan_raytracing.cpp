// Race check of the ray tracing, built only in the ThreadSanitizer
// configuration (make tsan). The workers' body runs on std::thread exactly
// as the batch runner shares data between them: one document and grid read
// by all, one TravelTime record and one pair of sum vectors written by each.
// Qt's own thread class is left out because the Qt library is not
// instrumented and its waits would look like races.

#include "dijkstracomputepathsthread.h"
#include "surveyfixture.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{

struct Sums {
    std::vector<double> correction, length;
};

// Runs every shot's worker, `threads` at a time, and returns the per-shot sums.
std::vector<Sums> runBatches(std::vector<ShotRayTracer>& workers, size_t cells, unsigned threads)
{
    std::vector<Sums> sums(workers.size(),
                           Sums{std::vector<double>(cells, 0.0), std::vector<double>(cells, 0.0)});
    for (size_t start = 0; start < workers.size(); start += threads) {
        std::vector<std::thread> batch;
        for (size_t i = start; i < std::min(start + threads, workers.size()); ++i) {
            workers[i].correctionSums = &sums[i].correction;
            workers[i].lengthSums = &sums[i].length;
            batch.emplace_back([&workers, i] { workers[i].trace(); });
        }
        for (std::thread& t : batch)
            t.join();
    }
    return sums;
}

std::vector<ShotRayTracer> workersFor(TomoDocument& doc)
{
    std::vector<ShotRayTracer> workers(doc.ttArray.size());
    for (uint32_t i = 0; i < workers.size(); ++i) {
        workers[i].shotIndex = i;
        workers[i].document = &doc;
        workers[i].spreadIndex = doc.ttArray[i].indexStesa;
        workers[i].sourceNode = doc.grid->surfaceNodeIndex(doc.ttArray[i].shotPos2d.x + doc.xShift);
    }
    return workers;
}

TEST(RayTracingRaces, ConcurrentWorkersMatchOneThread)
{
    std::vector<double> receivers;
    for (int x = 0; x <= 46; x += 2)
        receivers.push_back(x);
    std::vector<std::vector<double>> times[2];
    std::vector<Sums> sums[2];
    for (int run = 0; run < 2; ++run) {
        TomoDocument doc;
        fixture::setSurvey(doc, receivers, {-1, 5, 11, 17, 23, 29, 35, 41, 47});
        doc.grid = std::make_unique<Grid>(8, 50, 5, 1.0, *doc.topography);
        for (TravelTime& record : doc.ttArray)
            record.ttMisurati.assign(receivers.size(), 0.02);
        std::vector<ShotRayTracer> workers = workersFor(doc);
        const unsigned threads = run == 0 ? 1 : 4;
        runBatches(workers, doc.grid->numberOfCells(), threads);
        // A solver run: the grid's slowness changes between batches only.
        for (GridCell& cell : doc.grid->cells)
            cell.slowness *= 0.9;
        sums[run] = runBatches(workers, doc.grid->numberOfCells(), threads);
        for (const TravelTime& record : doc.ttArray)
            times[run].push_back(record.ttCalcolati);
    }
    EXPECT_EQ(times[0], times[1]);
    for (size_t i = 0; i < sums[0].size(); ++i) {
        EXPECT_EQ(sums[0][i].correction, sums[1][i].correction);
        EXPECT_EQ(sums[0][i].length, sums[1][i].length);
    }
}

// The batch runner's own threads: the lanes draw shots from a shared counter,
// sleep or wait busily between solver runs, and hand their sums back through
// per-shot buffers. Several inversions in a row start and stop the pool.
TEST(RayTracingRaces, InversionLanesMatchOneThread)
{
    std::vector<double> receivers;
    for (int x = 0; x <= 46; x += 2)
        receivers.push_back(x);
    struct Run {
        std::vector<std::vector<double>> models, times;
        std::vector<std::vector<int>> paths;
    };
    Run runs[2];
    for (int k = 0; k < 2; ++k) {
        TomoDocument doc;
        fixture::setSurvey(doc, receivers, {-1, 5, 11, 17, 23, 29, 35, 41, 47});
        doc.grid = std::make_unique<Grid>(8, 50, 5, 1.0, *doc.topography);
        for (TravelTime& record : doc.ttArray)
            for (size_t r = 0; r < receivers.size(); ++r)
                record.ttMisurati[r] = 0.002 + 0.0004 * r;
        for (int iteration = 0; iteration < 2; ++iteration)
            runs[k].models.push_back(doc.runTomography_fast(k == 0 ? 1 : 4, 6, 2, false, 3));
        for (const TravelTime& record : doc.ttArray)
            runs[k].times.push_back(record.ttCalcolati);
        runs[k].paths = doc.rayPaths;
    }
    ASSERT_FALSE(runs[0].paths.empty());
    EXPECT_EQ(runs[0].models, runs[1].models);
    EXPECT_EQ(runs[0].times, runs[1].times);
    EXPECT_EQ(runs[0].paths, runs[1].paths);
}

} // namespace
