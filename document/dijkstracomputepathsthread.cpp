#include "dijkstracomputepathsthread.h"

#include "logger.h"
#include "raybatches.h"
#include "tomodocument.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <limits>
#include <system_error>
#include <thread>
#include <tuple>

namespace
{

// A queued node, and the order both queues keep: by time, then by node
// number, as an ordered set of (time, node) pairs has it.
struct Entry {
    double time;
    int32_t node;
};

bool before(const Entry& a, const Entry& b)
{
    return a.time < b.time || (a.time == b.time && a.node < b.node);
}

// A 4-ary min-heap of queued nodes ordered by (time, node number), the order
// of an ordered set of pairs, with decrease-key: each node is queued at most
// once, as in a set with erase-on-improvement, so nodes come out in exactly
// the same order.
class NodeQueue
{
public:
    static constexpr int32_t NeverQueued = -1;
    static constexpr int32_t Expanded = -2;

    // Empties the queue for a search over `nodes` nodes, keeping the memory.
    void reset(size_t nodes)
    {
        heap.clear();
        slot.assign(nodes, NeverQueued);
    }

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

// What the search knows of a node, in one place: a relaxation that improves
// a node writes a single cache line, the one its time was read from.
struct NodeState {
    double time;      // +infinity until reached
    int32_t previous; // -1 until reached
    uint32_t arrival; // the arrival edge, counted from the start of previous's row
};

// Starts loading the edges of a node the search will soon expand, while the
// current node's edges are relaxed: the rows lie scattered over large arrays
// and the search otherwise waits on every one. Always inlined: GCC takes a
// function that only prefetches for one without effect, and drops its calls.
[[gnu::always_inline]] inline void prefetchLines(const void* from, const void* to)
{
    // From the line that holds the first byte, so that a row's last line is
    // not missed.
    for (uintptr_t p = reinterpret_cast<uintptr_t>(from) & ~uintptr_t(63),
                   end = reinterpret_cast<uintptr_t>(to);
         p < end; p += 64)
        __builtin_prefetch(reinterpret_cast<const void*>(p));
}

[[gnu::always_inline]] inline void prefetchEdges(const EdgeRows& graph, int32_t node)
{
    const uint64_t first = graph.first[node], last = graph.first[node + 1];
    prefetchLines(graph.target + first, graph.target + last);
    prefetchLines(graph.weight + first, graph.weight + last);
}

// The heap as the search drives it: a node is pushed once and decreased
// afterwards.
class HeapSearchQueue
{
public:
    explicit HeapSearchQueue(NodeQueue& heap) : heap(heap) {}
    void start(size_t nodes, int32_t source)
    {
        heap.reset(nodes);
        heap.push(0.0, source);
    }
    bool next(double& time, int32_t& node)
    {
        if (heap.empty())
            return false;
        std::tie(time, node) = heap.pop();
        return true;
    }
    // The node the search will expand next, if nothing improves before; -1
    // if none is at hand. The heap knows no further.
    int32_t following(size_t) const { return heap.empty() ? -1 : heap.front(); }
    void improved(double time, int32_t node)
    {
        if (heap.queued(node))
            heap.decrease(time, node);
        else
            heap.push(time, node);
    }

private:
    NodeQueue& heap;
};

// An exact bucket queue: a ring of buckets of equal time width, at most half
// the smallest positive edge weight, so that a relaxed node nearly always
// lands in a later bucket than the one being emptied. Each improvement adds
// an entry; entries whose time is no longer their node's are stale and are
// dropped when their bucket comes due, so nothing is looked up or moved when
// a node improves. The bucket being emptied is then sorted by (time, node
// number), and an entry that still falls into it (a zero weight, or
// rounding) is put in its place there: nodes come out in exactly the heap's
// order. Pending times never lie more than the largest weight beyond the
// bucket being emptied, so the ring needs that many widths; beyond
// MaxBuckets the heap serves instead.
class BucketQueue
{
public:
    static constexpr size_t MaxBuckets = 4096;
    // How far ahead in the bucket being emptied the edges are prefetched.
    static constexpr size_t LookAhead = 2;

    // Sizes the ring for `graph`; false when the graph needs the heap.
    bool fits(const EdgeRows& graph)
    {
        if (!(graph.smallestWeight > 0.0))
            return false;
        const double width = graph.smallestWeight * 0.5;
        const double span = graph.largestWeight / width + 3.0; // rounding margin
        if (!(span <= double(MaxBuckets)))
            return false;
        size_t size = 16;
        while (double(size) < span)
            size <<= 1;
        inverseWidth = 1.0 / width;
        mask = size - 1;
        if (ring.size() < size)
            ring.resize(size);
        return true;
    }

    // A search from `source` over nodes whose current state is `nodes`.
    void start(const NodeState* nodes, int32_t source)
    {
        state = nodes;
        for (std::vector<Entry>& bucket : ring)
            bucket.clear();
        pending = 0;
        bucket = 0;
        current.assign(1, {0.0, source});
    }

    bool next(double& time, int32_t& node)
    {
        for (;;) {
            while (!current.empty()) {
                const Entry e = current.back();
                current.pop_back();
                if (live(e)) { // checked again: it may have improved since
                    time = e.time;
                    node = e.node;
                    return true;
                }
            }
            if (pending == 0)
                return false;
            std::vector<Entry>& due = ring[++bucket & mask];
            if (due.empty())
                continue;
            pending -= due.size();
            current.clear();
            for (const Entry& e : due)
                if (live(e))
                    current.push_back(e);
            due.clear();
            sortDescending();
        }
    }

    // The node the search expands after the next `k`, if nothing improves
    // before (it may be stale); -1 if none is at hand.
    int32_t following(size_t k) const
    {
        return current.size() <= k ? -1 : current[current.size() - 1 - k].node;
    }

    // The node's time became `time`.
    void improved(double time, int32_t node)
    {
        // Times are far below 2^63 widths: the signed conversion is one instruction.
        const uint64_t index = static_cast<uint64_t>(static_cast<int64_t>(time * inverseWidth));
        if (index <= bucket) {
            const Entry e{time, node};
            // Descending order: after every entry that does not come before it.
            current.insert(std::partition_point(current.begin(), current.end(),
                                                [&](const Entry& x) { return !before(x, e); }),
                           e);
            return;
        }
        // Field by field, not a whole entry built on the stack and copied.
        Entry& added = ring[index & mask].emplace_back();
        added.time = time;
        added.node = node;
        ++pending;
    }

private:
    // A node's times only fall, so an entry with its node's time is the one
    // entry that will give it.
    bool live(const Entry& e) const { return e.time == state[e.node].time; }
    // Buckets hold a few dozen entries: insertion sort, smallest last.
    void sortDescending()
    {
        Entry* a = current.data();
        const size_t n = current.size();
        for (size_t i = 1; i < n; ++i) {
            const Entry e = a[i];
            size_t j = i;
            for (; j > 0 && before(a[j - 1], e); --j)
                a[j] = a[j - 1];
            a[j] = e;
        }
    }

    std::vector<std::vector<Entry>> ring;
    std::vector<Entry> current; // the bucket being emptied, in descending order
    const NodeState* state = nullptr;
    double inverseWidth = 0.0;
    uint64_t mask = 0;
    uint64_t bucket = 0; // index of the bucket being emptied
    size_t pending = 0;  // entries in the ring, stale ones included
};

} // namespace

struct PathSearchScratch::Work {
    std::vector<NodeState> nodes;
    NodeQueue heap;
    BucketQueue buckets;
};

PathSearchScratch::PathSearchScratch() : work(std::make_unique<Work>()) {}
PathSearchScratch::~PathSearchScratch() = default;

namespace
{

template <typename Queue>
void expandAll(const EdgeRows& graph, Queue& queue, NodeState* state)
{
    const uint64_t* first = graph.first;
    const int32_t* target = graph.target;
    const double* weight = graph.weight;
    double d = 0.0;
    int32_t u = 0;
    while (queue.next(d, u)) {
        // The rows of a node a little ahead, and where the rows of the one
        // after that start.
        const int32_t ahead = queue.following(BucketQueue::LookAhead);
        if (ahead >= 0)
            prefetchEdges(graph, ahead);
        const int32_t further = queue.following(2 * BucketQueue::LookAhead);
        if (further >= 0)
            __builtin_prefetch(&first[further]);
        const uint64_t begin = first[u], end = first[u + 1];
        for (uint64_t e = begin; e < end; ++e) {
            const int32_t v = target[e];
            const double alt = d + weight[e];
            NodeState& s = state[v];
            if (s.time > alt) {
                s.time = alt;
                s.previous = u;
                s.arrival = static_cast<uint32_t>(e - begin);
                queue.improved(alt, v);
            }
        }
    }
}

// The search itself; its result stays in scratch.work->nodes.
void searchPaths(int32_t source, const EdgeRows& graph, PathSearchScratch& scratch)
{
    std::vector<NodeState>& nodes = scratch.work->nodes;
    nodes.assign(graph.nodeCount, {std::numeric_limits<double>::infinity(), -1, 0});
    if (source < 0 || size_t(source) >= graph.nodeCount)
        return;
    NodeState* state = nodes.data();
    state[source].time = 0.0;
    BucketQueue& buckets = scratch.work->buckets;
    if (buckets.fits(graph)) {
        buckets.start(state, source);
        expandAll(graph, buckets, state);
    } else {
        HeapSearchQueue heap(scratch.work->heap);
        heap.start(graph.nodeCount, source);
        expandAll(graph, heap, state);
    }
}

// The number of the edge the search reached `node` by; the node must have
// been reached from another.
uint64_t arrivalEdge(const EdgeRows& graph, const NodeState& node)
{
    return graph.first[node.previous] + node.arrival;
}

} // namespace

void DijkstraComputePaths(int32_t source, const EdgeRows& graph, std::vector<int32_t>& previous,
                          GridEdgeVector& predecessorEdges, std::vector<double>* distances,
                          PathSearchScratch& scratch)
{
    searchPaths(source, graph, scratch);
    const NodeState* state = scratch.work->nodes.data();
    const size_t n = graph.nodeCount;
    previous.resize(n);
    for (size_t v = 0; v < n; ++v)
        previous[v] = state[v].previous;
    if (distances) {
        distances->resize(n);
        for (size_t v = 0; v < n; ++v)
            (*distances)[v] = state[v].time;
    }
    // The arrays of every arrival edge lie far apart: ask for them a few
    // nodes ahead. Its target is the node itself.
    predecessorEdges.resize(n);
    GridEdge* out = predecessorEdges.data();
    constexpr size_t ahead = 16;
    for (size_t v = 0; v < n; ++v) {
        if (v + ahead < n && state[v + ahead].previous >= 0) {
            const uint64_t e = arrivalEdge(graph, state[v + ahead]);
            __builtin_prefetch(graph.weight + e);
            __builtin_prefetch(graph.length + e);
            __builtin_prefetch(graph.cell + e);
        }
        if (state[v].previous < 0) {
            out[v] = GridEdge{};
        } else {
            const uint64_t e = arrivalEdge(graph, state[v]);
            out[v] = {graph.weight[e], graph.length[e], static_cast<int32_t>(v), graph.cell[e]};
        }
    }
}

void DijkstraComputePaths(int32_t source, const EdgeRows& graph, std::vector<int32_t>& previous,
                          GridEdgeVector& predecessorEdges, std::vector<double>* distances)
{
    PathSearchScratch scratch;
    DijkstraComputePaths(source, graph, previous, predecessorEdges, distances, scratch);
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
        PathSearchScratch local;
        PathSearchScratch& buffers = scratch ? *scratch : local;
        std::vector<int32_t>& previous = buffers.previous;
        // Only the arrival edges on the paths are read: no whole edge per
        // grid node, which for every lane of a large survey would cost
        // hundreds of megabytes.
        const EdgeRows rows = grid.edgeRows();
        searchPaths(sourceNode, rows, buffers);
        const std::vector<NodeState>& nodes = buffers.work->nodes;
        previous.resize(nodes.size());
        for (size_t v = 0; v < nodes.size(); ++v)
            previous[v] = nodes[v].previous;
        paths.resize(spread.size());
        segments.clear();
        segmentStart.assign(1, 0);
        for (size_t r = 0; r < spread.size(); ++r) {
            paths[r] = DijkstraGetShortestPathTo(
                grid.surfaceNodeIndex(document->xShift + spread[r].x), previous);
            for (int32_t u : paths[r])
                if (previous[u] >= 0) {
                    const uint64_t e = arrivalEdge(rows, nodes[u]);
                    segments.push_back({rows.length[e], rows.cell[e]});
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

std::vector<uint32_t> ShotRayTracer::crossedCells() const
{
    std::vector<uint32_t> cells;
    cells.reserve(segments.size());
    for (const Segment& s : segments)
        cells.push_back(s.cell);
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
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

namespace
{

} // namespace

// One lane's sum vectors, all 0.0 between shots, and its search buffers.
struct RayBatchRunner::Lane {
    std::vector<double> correction;
    std::vector<double> length;
    PathSearchScratch search;
};

RayBatchRunner::RayBatchRunner(TomoDocument& doc, unsigned threads, bool verbose)
    : doc(doc), threads(std::max(1u, threads)), verbose(verbose)
{
    const size_t cellCount = doc.grid->numberOfCells();
    workers.resize(doc.ttArray.size());
    shotSums.resize(doc.ttArray.size());
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
    const size_t laneCount = std::max<size_t>(1, std::min<size_t>(this->threads, workers.size()));
    for (size_t k = 0; k < laneCount; ++k) {
        lanes.push_back(std::make_unique<Lane>());
        lanes.back()->correction.assign(cellCount, 0.0);
        lanes.back()->length.assign(cellCount, 0.0);
    }
    blocks.resize(laneCount);
}

RayBatchRunner::~RayBatchRunner()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    for (std::thread& t : pool)
        t.join();
}

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

void RayBatchRunner::traceShot(Lane& lane, size_t shot)
{
    DijkstraComputePathsThread* worker = workers[shot].get();
    if (!worker)
        return;
    worker->correctionSums = &lane.correction;
    worker->lengthSums = &lane.length;
    ShotSums& sums = shotSums[shot];
    if (firstRun) {
        worker->scratch = &lane.search;
        worker->traceHere();
        try {
            if (!worker->failed)
                sums.cells = worker->crossedCells();
            sums.correction.resize(sums.cells.size());
            sums.length.resize(sums.cells.size());
            const size_t cellCount = lane.correction.size();
            sums.blockStart.resize(blocks.size() + 1);
            for (size_t b = 0; b <= blocks.size(); ++b)
                sums.blockStart[b] =
                    static_cast<size_t>(std::lower_bound(sums.cells.begin(), sums.cells.end(),
                                                         cellCount * b / blocks.size()) -
                                        sums.cells.begin());
        } catch (const std::exception&) {
            worker->failed = true;
        }
        worker->scratch = nullptr;
    } else {
        worker->traceHere();
    }
    if (worker->failed) {
        std::fill(lane.correction.begin(), lane.correction.end(), 0.0);
        std::fill(lane.length.begin(), lane.length.end(), 0.0);
        return;
    }
    // Only the cells the shot's rays cross can have sums.
    for (size_t k = 0; k < sums.cells.size(); ++k) {
        const uint32_t c = sums.cells[k];
        sums.correction[k] = lane.correction[c];
        sums.length[k] = lane.length[c];
        lane.correction[c] = 0.0;
        lane.length[c] = 0.0;
    }
}

void RayBatchRunner::takeShots(Lane& lane)
{
    for (;;) {
        // A thread that wakes late may draw the next run's shots here: it
        // joins that run, whose settings were published with the counter.
        const size_t shot = nextShot.fetch_add(1, std::memory_order_acq_rel);
        if (shot >= workers.size())
            return;
        traceShot(lane, shot);
        addFinishedShots(shot);
    }
}

void RayBatchRunner::addFinishedShots(size_t shot)
{
    // Each block of cells takes the sums of the finished shots that follow
    // its last added one, from one lane at a time; other lanes meanwhile
    // trace on or serve other blocks.
    const size_t n = workers.size();
    std::unique_lock<std::mutex> lock(mutex);
    shotDone[shot] = 1;
    for (size_t b = 0; b < blocks.size(); ++b) {
        Block& block = blocks[b];
        if (block.adding)
            continue;
        block.adding = true;
        while (block.added < n && shotDone[block.added]) {
            const size_t i = block.added;
            lock.unlock();
            addSums(i, b);
            lock.lock();
            if (++block.added == n)
                finished.notify_one();
        }
        block.adding = false;
    }
}

void RayBatchRunner::addSums(size_t shot, size_t block)
{
    const DijkstraComputePathsThread* worker = workers[shot].get();
    if (!worker || worker->failed)
        return;
    const ShotSums& sums = shotSums[shot];
    for (size_t k = sums.blockStart[block]; k < sums.blockStart[block + 1]; ++k) {
        if (addCorrectionTo)
            (*addCorrectionTo)[sums.cells[k]] += sums.correction[k];
        if (addLengthTo)
            (*addLengthTo)[sums.cells[k]] += sums.length[k];
    }
}

void RayBatchRunner::poolThread(Lane& lane)
{
    unsigned seen = 0;
    for (;;) {
        // The solver runs follow each other within microseconds, and waking a
        // sleeping thread costs more than one of them: wait busily a little.
        const auto spinEnd = std::chrono::steady_clock::now() + std::chrono::microseconds(500);
        unsigned now = run.load(std::memory_order_acquire);
        while (now == seen && !stopping.load(std::memory_order_relaxed) &&
               std::chrono::steady_clock::now() < spinEnd) {
            std::this_thread::yield();
            now = run.load(std::memory_order_acquire);
        }
        if (now == seen) {
            std::unique_lock<std::mutex> lock(mutex);
            ++sleeping;
            wake.wait(lock,
                      [&] { return stopping || run.load(std::memory_order_relaxed) != seen; });
            --sleeping;
            if (stopping)
                return;
            now = run.load(std::memory_order_relaxed);
        }
        seen = now;
        takeShots(lane);
    }
}

void RayBatchRunner::startPool()
{
    // A thread that cannot be started leaves its shots to the others.
    try {
        for (size_t k = 1; k < lanes.size(); ++k)
            pool.emplace_back(&RayBatchRunner::poolThread, this, std::ref(*lanes[k]));
    } catch (const std::system_error&) {
    }
}

void RayBatchRunner::runLanes(bool first, std::vector<double>* correctionTotals,
                              std::vector<double>* lengthTotals)
{
    if (lanes.size() > 1 && pool.empty())
        startPool();
    // The calling thread takes shots too and waits only for shots, not for
    // threads: on a busy machine a thread may not wake before the run is over.
    bool wakeSleepers = false;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        firstRun = first;
        addCorrectionTo = correctionTotals;
        addLengthTo = lengthTotals;
        shotDone.assign(workers.size(), 0);
        for (Block& block : blocks)
            block.added = 0;
        nextShot.store(0, std::memory_order_release);
        run.fetch_add(1, std::memory_order_release);
        wakeSleepers = sleeping > 0;
    }
    if (wakeSleepers)
        wake.notify_all();
    takeShots(*lanes[0]);
    std::unique_lock<std::mutex> lock(mutex);
    finished.wait(lock, [&] {
        return std::all_of(blocks.begin(), blocks.end(),
                           [&](const Block& block) { return block.added == workers.size(); });
    });
}

void RayBatchRunner::runBatches(bool first, int iteration, std::vector<double>* correctionTotals,
                                std::vector<double>* lengthTotals)
{
    const size_t n = workers.size();
    const auto batchRange = [&](size_t start) {
        return std::to_string(start) + " to " + std::to_string(std::min(start + threads, n) - 1);
    };
    for (size_t start = 0; start < n; start += threads) {
        if (verbose)
            logLine(doc, first ? "[RUNNIG DIJKSTRA] Traces from " + batchRange(start)
                               : "[INTERNAL RUN " + std::to_string(iteration) +
                                     "][RUNNIG SOLVEART] Traces from " + batchRange(start));
        if (first)
            for (size_t i = start; i < std::min(start + threads, n); ++i) {
                if (!workers[i])
                    continue;
                const std::string line = " --- Creating and running thread " + std::to_string(i);
                if (verbose)
                    logLine(doc, line);
                else
                    std::cout << line << '\n';
            }
    }

    runLanes(first, correctionTotals, lengthTotals);

    for (size_t start = 0; start < n; start += threads) {
        if (verbose)
            std::cout << " --- Updating coorslow and coorcount " << std::endl;
        for (size_t i = start; i < std::min(start + threads, n); ++i) {
            DijkstraComputePathsThread* worker = workers[i].get();
            if (!worker)
                continue;
            if (worker->failed) {
                logLine(doc, "Shot " + std::to_string(i) + " skipped: its ray tracing failed", 1);
                TravelTime& record = doc.ttArray[i];
                std::fill(record.ttCalcolati.begin(), record.ttCalcolati.end(), 0.0);
                workers[i].reset();
                continue;
            }
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
