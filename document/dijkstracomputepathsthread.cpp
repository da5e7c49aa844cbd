#include "dijkstracomputepathsthread.h"

#include "logger.h"
#include "raybatches.h"
#include "tomodocument.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <thread>

namespace {

// A 4-ary min-heap of (time, node) ordered like the pairs of an ordered set.
// Improving a node pushes a new entry; the stale one is skipped when popped,
// so nodes come out in exactly the order of a set with erase-on-improvement.
class NodeQueue {
public:
    struct Entry {
        double time;
        int32_t node;
    };

    bool empty() const { return heap.empty(); }

    void push(Entry e)
    {
        size_t i = heap.size();
        heap.push_back(e);
        while (i > 0) {
            const size_t parent = (i - 1) / 4;
            if (!before(e, heap[parent]))
                break;
            heap[i] = heap[parent];
            i = parent;
        }
        heap[i] = e;
    }

    Entry pop()
    {
        const Entry top = heap.front();
        const Entry last = heap.back();
        heap.pop_back();
        const size_t n = heap.size();
        if (n == 0)
            return top;
        size_t i = 0;
        for (;;) {
            const size_t first = 4 * i + 1;
            if (first >= n)
                break;
            size_t best = first;
            const size_t end = std::min(first + 4, n);
            for (size_t c = first + 1; c < end; ++c)
                if (before(heap[c], heap[best]))
                    best = c;
            if (!before(heap[best], last))
                break;
            heap[i] = heap[best];
            i = best;
        }
        heap[i] = last;
        return top;
    }

private:
    static bool before(const Entry& a, const Entry& b)
    {
        return a.time < b.time || (a.time == b.time && a.node < b.node);
    }
    std::vector<Entry> heap;
};

} // namespace

void DijkstraComputePaths(int32_t source, const std::vector<GridNode>& nodes,
                          std::vector<int32_t>& previous, std::vector<GridEdge>& predecessorEdges,
                          std::vector<double>* distances)
{
    const size_t n = nodes.size();
    std::vector<double> local;
    std::vector<double>& minDistance = distances ? *distances : local;
    minDistance.assign(n, std::numeric_limits<double>::infinity());
    previous.assign(n, -1);
    predecessorEdges.assign(n, GridEdge{});
    if (source < 0 || size_t(source) >= n)
        return;

    minDistance[source] = 0.0;
    NodeQueue queue;
    queue.push({0.0, source});
    while (!queue.empty()) {
        const NodeQueue::Entry u = queue.pop();
        if (u.time != minDistance[u.node])
            continue; // superseded by a shorter time
        for (const GridEdge& e : nodes[u.node].edges) {
            const double alt = u.time + e.weight;
            if (minDistance[e.target] > alt) {
                minDistance[e.target] = alt;
                predecessorEdges[e.target] = e;
                previous[e.target] = u.node;
                queue.push({alt, e.target});
            }
        }
    }
}

std::vector<int32_t> DijkstraGetShortestPathTo(int32_t target, const std::vector<int32_t>& previous)
{
    std::vector<int32_t> path;
    for (int32_t v = target; v != -1; v = previous[v])
        path.push_back(v);
    std::reverse(path.begin(), path.end());
    return path;
}

void ShotRayTracer::trace()
{
    const Grid& grid = *document->grid;
    const std::vector<Point2D>& spread = document->goephonesStringSet[spreadIndex];
    if (paths.empty()) {
        std::vector<int32_t> previous;
        DijkstraComputePaths(sourceNode, grid.nodes, previous, predecessorEdges);
        paths.resize(spread.size());
        for (size_t r = 0; r < spread.size(); ++r)
            paths[r] = DijkstraGetShortestPathTo(
                grid.surfaceNodeIndex(document->xShift + spread[r].x), previous);
    }
    for (uint32_t r = 0; r < spread.size(); ++r)
        computePathTravelTime(r);
}

void ShotRayTracer::computePathTravelTime(uint32_t receiver)
{
    const std::vector<GridCell>& cells = document->grid->cells;
    TravelTime& record = document->ttArray[shotIndex];
    const std::vector<int32_t>& path = paths[receiver];

    double time = 0.0;
    double pathLength = 0.0;
    for (int32_t u : path) {
        const GridEdge& e = predecessorEdges[u];
        if (e.cell != GridEdge{}.cell) {
            pathLength += e.length;
            time += e.length * cells[e.cell].slowness;
        }
    }
    record.ttCalcolati[receiver] = time;

    const double measured = record.ttMisurati[receiver];
    // A path of length 0 gives an infinite or undefined residual here, but it
    // crosses no cell, so nothing of it reaches the sums below.
    const double residual = (measured <= 0.0 ? 0.0 : time - measured) / pathLength;
    if (residual == 0.0)
        return;
    for (int32_t u : path) {
        const GridEdge& e = predecessorEdges[u];
        if (e.cell != GridEdge{}.cell) {
            (*correctionSums)[e.cell] += residual * e.length;
            (*lengthSums)[e.cell] += e.length;
        }
    }
}

void ShotRayTracer::clearPaths()
{
    std::vector<std::vector<int32_t>>().swap(paths);
}

DijkstraComputePathsThread::~DijkstraComputePathsThread()
{
    clearPaths();
}

void DijkstraComputePathsThread::run()
{
    // An exception must not leave a thread's run(); the runner reports it.
    failed = false;
    try {
        trace();
    } catch (const std::exception&) {
        failed = true;
    }
}

// ---- the batch runner ----

void logLine(const TomoDocument& doc, const std::string& text, int level)
{
    if (doc.logger)
        doc.logger->writeLog(text, level);
    else
        (level == 1 ? std::cerr : std::cout) << text << std::endl;
}

unsigned hardwareThreads()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

RayBatchRunner::RayBatchRunner(TomoDocument& doc, unsigned threads, bool verbose)
    : doc(doc), threads(std::max(1u, threads)), verbose(verbose)
{
    const size_t cellCount = doc.grid->numberOfCells();
    slotCorrection.assign(this->threads, std::vector<double>(cellCount, 0.0));
    slotLength.assign(this->threads, std::vector<double>(cellCount, 0.0));
    workers.resize(doc.ttArray.size());
    for (uint32_t i = 0; i < doc.ttArray.size(); ++i) {
        TravelTime& record = doc.ttArray[i];
        const std::string why = skipReason(i);
        if (!why.empty()) {
            logLine(doc, "Shot " + std::to_string(i) + " skipped by the ray tracing: " + why, 1);
            std::fill(record.ttCalcolati.begin(), record.ttCalcolati.end(), 0.0);
            continue;
        }
        auto worker = std::make_unique<DijkstraComputePathsThread>();
        worker->shotIndex = i;
        worker->document = &doc;
        worker->spreadIndex = record.indexStesa;
        worker->sourceNode = doc.grid->surfaceNodeIndex(record.shotPos2d.x + doc.xShift);
        workers[i] = std::move(worker);
    }
}

RayBatchRunner::~RayBatchRunner() = default;

std::string RayBatchRunner::skipReason(uint32_t shot) const
{
    const TravelTime& record = doc.ttArray[shot];
    if (record.indexStesa >= doc.goephonesStringSet.size())
        return "its spread " + std::to_string(record.indexStesa) + " does not exist";
    const std::vector<Point2D>& spread = doc.goephonesStringSet[record.indexStesa];
    if (record.ttMisurati.size() < spread.size() || record.ttCalcolati.size() < spread.size())
        return "it has fewer times than its spread has receivers";
    const Grid& grid = *doc.grid;
    if (grid.surfaceNodeIndex(record.shotPos2d.x + doc.xShift) == Grid::NoNode)
        return "the shot lies outside the grid";
    for (const Point2D& p : spread)
        if (grid.surfaceNodeIndex(p.x + doc.xShift) == Grid::NoNode)
            return "a receiver lies outside the grid";
    return {};
}

void RayBatchRunner::trace(std::vector<double>* correctionTotals, std::vector<double>* lengthTotals)
{
    runBatches(true, 0, correctionTotals, lengthTotals);
}

void RayBatchRunner::retrace(int iteration, std::vector<double>* correctionTotals,
                             std::vector<double>* lengthTotals)
{
    runBatches(false, iteration, correctionTotals, lengthTotals);
}

void RayBatchRunner::runBatches(bool first, int iteration, std::vector<double>* correctionTotals,
                                std::vector<double>* lengthTotals)
{
    const size_t n = workers.size();
    for (size_t start = 0; start < n; start += threads) {
        const size_t end = std::min(start + threads, n);
        const std::string range = std::to_string(start) + " to " + std::to_string(end - 1);
        if (verbose)
            logLine(doc, first ? "[RUNNIG DIJKSTRA] Traces from " + range
                               : "[INTERNAL RUN " + std::to_string(iteration) +
                                     "][RUNNIG SOLVEART] Traces from " + range);
        for (size_t i = start; i < end; ++i) {
            const size_t slot = i - start;
            std::fill(slotCorrection[slot].begin(), slotCorrection[slot].end(), 0.0);
            std::fill(slotLength[slot].begin(), slotLength[slot].end(), 0.0);
            DijkstraComputePathsThread* worker = workers[i].get();
            if (!worker)
                continue;
            if (first) {
                const std::string line = " --- Creating and running thread " + std::to_string(i);
                if (verbose)
                    logLine(doc, line);
                else
                    std::cout << line << '\n';
            }
            worker->correctionSums = &slotCorrection[slot];
            worker->lengthSums = &slotLength[slot];
            worker->start(QThread::InheritPriority);
        }
        for (size_t i = start; i < end; ++i)
            if (workers[i])
                workers[i]->wait();

        if (verbose)
            std::cout << " --- Updating coorslow and coorcount " << std::endl;
        for (size_t i = start; i < end; ++i) {
            DijkstraComputePathsThread* worker = workers[i].get();
            if (worker && worker->failed) {
                logLine(doc, "Shot " + std::to_string(i) + " skipped: its ray tracing failed", 1);
                TravelTime& record = doc.ttArray[i];
                std::fill(record.ttCalcolati.begin(), record.ttCalcolati.end(), 0.0);
                workers[i].reset();
                continue;
            }
            if (!worker)
                continue;
            const size_t slot = i - start;
            if (correctionTotals)
                for (size_t c = 0; c < slotCorrection[slot].size(); ++c)
                    (*correctionTotals)[c] += slotCorrection[slot][c];
            if (lengthTotals)
                for (size_t c = 0; c < slotLength[slot].size(); ++c)
                    (*lengthTotals)[c] += slotLength[slot][c];
            if (first)
                for (const std::vector<int32_t>& path : worker->paths)
                    doc.rayPaths.push_back(path);
        }
    }
    std::cout.flush();
}

void TomoDocument::computeRayPaths()
{
    if (!grid || grid->numberOfCells() == 0) {
        logLine(*this, "Ray tracing refused: there is no grid with cells", 1);
        return;
    }
    const size_t cellCount = grid->numberOfCells();
    rayPaths.clear();
    coorcount.assign(cellCount, 0.0);
    rayDensity.assign(cellCount, 0);
    RayBatchRunner runner(*this, hardwareThreads(), false);
    runner.trace(nullptr, nullptr);
}
