#include "dijkstracomputepathsthread.h"

#include "logger.h"
#include "raybatches.h"
#include "tomodocument.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <thread>

namespace
{

// A 4-ary min-heap of queued nodes ordered by (time, node number), the order
// of an ordered set of pairs, with decrease-key: each node is queued at most
// once, as in a set with erase-on-improvement, so nodes come out in exactly
// the same order.
class NodeQueue
{
public:
    static constexpr int32_t NeverQueued = -1;
    static constexpr int32_t Expanded = -2;

    explicit NodeQueue(size_t nodes) : slot(nodes, NeverQueued) {}

    bool empty() const { return heap.empty(); }
    // The node that would be popped next.
    int32_t front() const { return heap.front().node; }
    bool queued(int32_t node) const { return slot[node] >= 0; }

    void push(double time, int32_t node)
    {
        heap.push_back({time, node});
        siftUp(heap.size() - 1, {time, node});
    }
    // The node's time became smaller.
    void decrease(double time, int32_t node)
    {
        siftUp(static_cast<size_t>(slot[node]), {time, node});
    }

    std::pair<double, int32_t> pop()
    {
        const Entry top = heap.front();
        slot[top.node] = Expanded;
        const Entry last = heap.back();
        heap.pop_back();
        const size_t n = heap.size();
        if (n > 0) {
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
                place(i, heap[best]);
                i = best;
            }
            place(i, last);
        }
        return {top.time, top.node};
    }

private:
    struct Entry {
        double time;
        int32_t node;
    };
    static bool before(const Entry& a, const Entry& b)
    {
        return a.time < b.time || (a.time == b.time && a.node < b.node);
    }
    void place(size_t i, const Entry& e)
    {
        heap[i] = e;
        slot[e.node] = static_cast<int32_t>(i);
    }
    void siftUp(size_t i, Entry e)
    {
        while (i > 0) {
            const size_t parent = (i - 1) / 4;
            if (!before(e, heap[parent]))
                break;
            place(i, heap[parent]);
            i = parent;
        }
        place(i, e);
    }

    std::vector<Entry> heap;
    std::vector<int32_t> slot; // position in heap, or NeverQueued / Expanded
};

// Starts loading the edge list of the node the queue will most likely expand
// next, while the current node's edges are relaxed: the lists lie scattered
// over a large array and the search otherwise waits on every one.
void prefetchEdges(const GridNode& node)
{
    const char* p = reinterpret_cast<const char*>(node.edges.begin());
    const char* end = reinterpret_cast<const char*>(node.edges.end());
    for (; p < end; p += 64)
        __builtin_prefetch(p);
}

} // namespace

void DijkstraComputePaths(int32_t source, const std::vector<GridNode>& nodes,
                          std::vector<int32_t>& previous, GridEdgeVector& predecessorEdges,
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

    double* time = minDistance.data();
    int32_t* before = previous.data();
    GridEdge* arrival = predecessorEdges.data();
    time[source] = 0.0;
    NodeQueue queue(n);
    queue.push(0.0, source);
    while (!queue.empty()) {
        const auto [d, u] = queue.pop();
        if (!queue.empty())
            prefetchEdges(nodes[queue.front()]);
        for (const GridEdge& e : nodes[u].edges) {
            const double alt = d + e.weight;
            if (time[e.target] > alt) {
                time[e.target] = alt;
                arrival[e.target] = e;
                before[e.target] = u;
                if (queue.queued(e.target)) {
                    queue.decrease(alt, e.target);
                } else {
                    queue.push(alt, e.target);
                    __builtin_prefetch(&nodes[e.target]); // read when it is next in line
                }
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
        segments.clear();
        segmentStart.assign(1, 0);
        for (size_t r = 0; r < spread.size(); ++r) {
            paths[r] = DijkstraGetShortestPathTo(
                grid.surfaceNodeIndex(document->xShift + spread[r].x), previous);
            for (int32_t u : paths[r]) {
                const GridEdge& e = predecessorEdges[u];
                if (e.cell != GridEdge{}.cell)
                    segments.push_back({e.length, e.cell});
            }
            segmentStart.push_back(segments.size());
        }
    }
    for (uint32_t r = 0; r < spread.size(); ++r)
        computePathTravelTime(r);
}

void ShotRayTracer::computePathTravelTime(uint32_t receiver)
{
    const std::vector<GridCell>& cells = document->grid->cells;
    TravelTime& record = document->ttArray[shotIndex];
    const Segment* first = segments.data() + segmentStart[receiver];
    const Segment* last = segments.data() + segmentStart[receiver + 1];

    double time = 0.0;
    double pathLength = 0.0;
    for (const Segment* s = first; s != last; ++s) {
        pathLength += s->length;
        time += s->length * cells[s->cell].slowness;
    }
    record.ttCalcolati[receiver] = time;

    const double measured = record.ttMisurati[receiver];
    // A path of length 0 gives an infinite or undefined residual here, but it
    // crosses no cell, so nothing of it reaches the sums below.
    const double residual = (measured <= 0.0 ? 0.0 : time - measured) / pathLength;
    if (residual == 0.0)
        return;
    for (const Segment* s = first; s != last; ++s) {
        (*correctionSums)[s->cell] += residual * s->length;
        (*lengthSums)[s->cell] += s->length;
    }
}

void ShotRayTracer::clearPaths()
{
    std::vector<std::vector<int32_t>>().swap(paths);
    std::vector<Segment>().swap(segments);
    std::vector<size_t>().swap(segmentStart);
}

DijkstraComputePathsThread::~DijkstraComputePathsThread()
{
    clearPaths();
}

void DijkstraComputePathsThread::run()
{
    traceHere();
}

void DijkstraComputePathsThread::traceHere()
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
            // A solver run only sums along kept paths, a few microseconds per
            // shot: starting a thread for it would cost more than the work.
            if (first)
                worker->start(QThread::InheritPriority);
            else
                worker->traceHere();
        }
        if (first)
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
