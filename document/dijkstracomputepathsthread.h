#pragma once
// First-arrival rays as shortest travel-time paths on the grid's node graph,
// and the worker that traces the rays of one shot.

#include "grid.h"

#include <QThread>

#include <cstdint>
#include <memory>
#include <vector>

class TomoDocument;

// The path search's working buffers, kept by a caller that runs many
// searches (one per shot of a lane) so that no search allocates and faults
// in fresh memory. They carry nothing from one search to the next.
struct PathSearchScratch {
    PathSearchScratch();
    ~PathSearchScratch();
    PathSearchScratch(const PathSearchScratch&) = delete;
    PathSearchScratch& operator=(const PathSearchScratch&) = delete;

    std::vector<int32_t> previous;
    struct Work; // per node state and the queues
    std::unique_ptr<Work> work;
};

// Single-source shortest travel times (s) from node `source` over `graph`.
// On return previous[v] is the node before v on its shortest path (-1 for the
// source and for nodes never reached) and predecessorEdges[v] the edge the
// path arrives by (a default edge, cell 0xFFFFFFFF, where there is none).
// When `distances` is given it receives the times (+infinity where unreached).
//
// Nodes are expanded in increasing (time, node number) order and a recorded
// predecessor is replaced only by a strictly shorter time, so of equal
// candidates the edge relaxed first wins: with the grid's edge order, the
// lower-numbered cell. Edge weights must be finite and >= 0, and the graph's
// smallestWeight and largestWeight must be those of its weights.
// The queue is a ring of time buckets of half the smallest weight, about
// O(E + N + T / width) time for a largest time T; a graph whose weights
// spread too far for the ring (largest / smallest > 2046) takes a 4-ary
// heap, O(E log N). Memory besides the outputs: 16 bytes a node, and in the
// ring 16 bytes for each time a node improves (3 to 5 times a node on survey
// grids).
void DijkstraComputePaths(int32_t source, const EdgeRows& graph, std::vector<int32_t>& previous,
                          GridEdgeVector& predecessorEdges,
                          std::vector<double>* distances = nullptr);
// The same with the caller's buffers; `distances` may be null.
void DijkstraComputePaths(int32_t source, const EdgeRows& graph, std::vector<int32_t>& previous,
                          GridEdgeVector& predecessorEdges, std::vector<double>* distances,
                          PathSearchScratch& scratch);

// The node path from the search's source to `target`, source first. A target
// never reached gives [target]; the source gives [source]. `target` must be a
// node number of the graph `previous` came from.
std::vector<int32_t> DijkstraGetShortestPathTo(int32_t target,
                                               const std::vector<int32_t>& previous);

// The rays of one shot: the body of a ray-tracing worker, callable on any
// thread. It reads the document's grid (nodes, edges, cell slowness), xShift,
// spreads and the shot's ttMisurati; it writes only the shot's ttCalcolati,
// its own members and the two sum vectors it points at. The caller makes sure
// that the spread, the time vectors and every source and receiver node are
// valid, and keeps the grid's geometry unchanged between calls.
class ShotRayTracer
{
public:
    // The first call searches from sourceNode and keeps one path per receiver;
    // every call then computes the times and sums along the kept paths with
    // the cells' slowness at that moment.
    void trace();
    // Time of receiver r along its path, into ttCalcolati[r]; the residual
    // (time - pick) / path length, spread over the crossed cells by segment
    // length, into correctionSums and lengthSums. A receiver without a
    // positive pick, or whose path crosses no cell, adds nothing.
    void computePathTravelTime(uint32_t receiver);
    void clearPaths();
    // The cells the kept paths cross, in increasing order.
    std::vector<uint32_t> crossedCells() const;

    uint32_t shotIndex = 0;
    TomoDocument* document = nullptr;
    uint32_t spreadIndex = 0;
    int32_t sourceNode = Grid::NoNode;
    std::vector<std::vector<int32_t>> paths;       // per receiver, source first
    std::vector<double>* correctionSums = nullptr; // per cell, not owned
    std::vector<double>* lengthSums = nullptr;     // per cell, not owned
    // Buffers for the search, kept by a caller that traces many shots on one
    // thread so that each search need not fault in fresh memory. Not owned;
    // null: the search allocates its own.
    PathSearchScratch* scratch = nullptr;

private:
    // The cell-crossing steps of every path in path order (the arrival edges
    // of its nodes), side by side: the solver runs sum them over and over.
    struct Segment {
        double length;
        uint32_t cell;
    };
    std::vector<Segment> segments;
    std::vector<size_t> segmentStart; // receiver r: [segmentStart[r], segmentStart[r + 1])
};

// A ray-tracing worker thread for one shot; run again, it keeps its paths and
// only recomputes times and sums.
class DijkstraComputePathsThread : public QThread, public ShotRayTracer
{
    Q_OBJECT
public:
    using QThread::QThread;
    ~DijkstraComputePathsThread() override;

    // The body of run() on the calling thread: the batch runner's lanes
    // trace their shots this way rather than start a thread per shot.
    void traceHere();

    // Set when the last run ended in an exception (for instance out of
    // memory); its results are then incomplete.
    bool failed = false;

protected:
    void run() override;
};
