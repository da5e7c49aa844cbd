#pragma once
// The tomographic grid: righe rows by col columns of square cells of side
// aLato (m), hung under the ground surface, with nV nodes on every cell side
// (corners included). Every cell carries one slowness (s/m). The nodes on the
// cell sides form a directed graph whose edges join two nodes on different
// sides of one cell and cost the time a ray needs to cross the cell along them.
//
// Coordinates: grid x = profile x + the document's xShift, so the grid starts at
// x = 0 and the surface nodes sit at x = k*delta, delta = aLato / (nV - 1);
// z is the negative elevation (0 at elevation 0, growing downwards).
//
// Node numbering, with H = (nV-1)*col + 1 nodes on one horizontal line,
// V = (nV-2)*(col+1) side nodes inside one row band and B = H + V:
//   horizontal line L (0..righe): nodes L*B + k, k = 0..H-1, at x = k*delta;
//   side level j (0..nV-3, from the top) of row r at column boundary c
//   (0..col): node r*B + H + j*(col+1) + c, at x = c*aLato.
// Nodes: H*(righe+1) + V*righe. Directed edges: righe*col*(12 nV^2 - 24 nV + 8).
//
// A node's edges run in cell-index order and, inside a cell, in the pair order
// top-left, top-right, top-bottom, bottom-left, right-left, right-bottom (each
// pair first in that direction, then back). The ray tracer's tie-break relies
// on this order. The edges live in compressed rows (EdgeRows): an offset per
// node and four parallel arrays, 24 bytes an edge in all.
//
// Construction never throws. A grid that cannot be built (bad arguments, a
// node count beyond INT32_MAX, not enough memory, a failing surface spline)
// is left empty, numberOfCells() == 0, after a line ending
// " : Error creating the grid " on standard error.
//
// A grid is never copied: cells and nodes point into its own vectors.

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace cereal
{
class XMLOutputArchive;
} // namespace cereal
namespace Splines
{
class LinearSpline;
class CubicSpline;
} // namespace Splines

// Storage for the graph's large arrays: from 1 MB up, whole 2 MB blocks
// offered transparent huge pages (on Linux). Fresh memory touched page by page
// costs more than building the graph or searching it. Throws std::bad_alloc.
void* allocateGraphMemory(size_t bytes);
void releaseGraphMemory(void* memory) noexcept;

template <typename T> struct GraphAllocator {
    using value_type = T;
    GraphAllocator() = default;
    template <typename U> GraphAllocator(const GraphAllocator<U>&) noexcept {}
    T* allocate(size_t n) { return static_cast<T*>(allocateGraphMemory(n * sizeof(T))); }
    void deallocate(T* p, size_t) noexcept { releaseGraphMemory(p); }
    template <typename U> bool operator==(const GraphAllocator<U>&) const noexcept { return true; }
    template <typename U> bool operator!=(const GraphAllocator<U>&) const noexcept { return false; }
};

// One edge as a whole record: what the path search reports as a node's
// arrival edge. The grid itself keeps its edges in compressed rows.
struct GridEdge {
    double weight = 0.0;         // s: length * the cell's slowness
    double length = 0.0;         // m, inside the cell
    int32_t target = 0x7FFFFFFF; // end node; 0x7FFFFFFF on a default edge
    uint32_t cell = 0xFFFFFFFFu; // cell crossed; 0xFFFFFFFF = no cell
};

template <typename T> using GraphVector = std::vector<T, GraphAllocator<T>>;
// Edge arrays of the size of a graph: a search's arrival edges.
using GridEdgeVector = GraphVector<GridEdge>;

// A directed graph in compressed rows, the form the path search reads: node
// v's edges are e = first[v] .. first[v + 1] - 1, each to node target[e] at
// the time weight[e]; length[e] and cell[e] describe the cell it crosses.
// The search reads only first, target and weight (12 bytes an edge on its
// path); the other two arrays only for the arrival edges. A view: the arrays
// belong to the grid, or to whoever made it.
struct EdgeRows {
    size_t nodeCount = 0;
    const uint64_t* first = nullptr; // nodeCount + 1 entries
    const int32_t* target = nullptr;
    const double* weight = nullptr;
    const double* length = nullptr;
    const uint32_t* cell = nullptr;
    // The smallest positive and the largest weight (0 when there are none):
    // they size the search's bucket queue. measureWeights sets them.
    double smallestWeight = 0.0;
    double largestWeight = 0.0;

    size_t edgeCount() const { return nodeCount == 0 ? 0 : static_cast<size_t>(first[nodeCount]); }
    GridEdge edge(uint64_t e) const { return {weight[e], length[e], target[e], cell[e]}; }
    void measureWeights();
};

struct GridNode {
    double x = DBL_MAX; // until a cell positions the node
    double z = DBL_MAX;
    uint32_t id = 0; // its own number
};

struct GridCell {
    bool to_be_draw = true; // inside the ray-covered area
    uint32_t cellIndex = 0xFFFFFFFFu;
    uint32_t nTop = 0;
    uint32_t nBottom = 0;
    uint32_t nLeft = 0; // side nodes without corners
    uint32_t nRight = 0;
    double side = 1.0;     // m
    double slowness = 0.0; // s/m
    std::vector<GridNode>* gridNodes = nullptr;
    // top and bottom run left to right with both corners; left and right run
    // top to bottom without corners.
    std::vector<GridNode*> top;
    std::vector<GridNode*> left;
    std::vector<GridNode*> right;
    std::vector<GridNode*> bottom;
};

class Grid
{
public:
    static constexpr int32_t NoNode = 0x7FFFFFFF;

    // An empty grid: no cells, no nodes.
    Grid() = default;
    // Per-cell slowness (s/m), one finite positive value per cell in row-major order.
    Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
         const std::vector<double>& slowness, Splines::LinearSpline& surface);
    // Built-in depth model at the upper-line depth d of each row:
    // v = 90 d + 200 (d < 3), 50 d + 1000 (3 <= d <= 20), 25 d + 2500 (d > 20).
    Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
         Splines::LinearSpline& surface);
    // Velocity (m/s) against depth (m) at the upper line of each row, held at
    // minVelocity or above: a cubic overshoot may go to zero or below.
    Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
         Splines::LinearSpline& surface, Splines::CubicSpline& velocity, double minVelocity);
    // A saved grid: slowness and covered flag per cell. Both vectors must hold
    // rows*columns entries and every slowness must be finite and positive;
    // otherwise the grid is left empty.
    Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
         std::vector<double> slowness, std::vector<bool> toBeDraw, Splines::LinearSpline& surface);

    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

    // Writes a new model into the built graph: every cell's slowness, every
    // edge's weight = length x the new slowness of its cell (the product a
    // fresh build computes, so the edges are those of a grid built from the
    // same model) and every covered flag true. The geometry stays. Refused,
    // false and nothing changed, unless `slowness` holds one finite positive
    // value per cell and every product is finite.
    bool setModel(const std::vector<double>& slowness);

    // Samples the surface at every surface node position k*delta into surfaceValues.
    void setSurface(Splines::LinearSpline& surface);
    // The surface samples with entries 4..n-5 replaced by the mean of their
    // eight neighbours (the sample itself excluded); fewer than 9 samples come
    // back unchanged.
    std::vector<double> smoothedSurface() const;
    // Number of the surface node at grid x, or NoNode outside the surface
    // nodes. A position within 1e-9 node spacings of a node snaps to it, so
    // that 2.9 m on a 0.1 m spacing is node 29 and not 28.
    int32_t surfaceNodeIndex(double x) const;
    size_t numberOfCells() const { return cells.size(); }
    static bool isInside(int32_t i, int32_t j, int32_t ni, int32_t nj)
    {
        return i >= 0 && i < ni && j >= 0 && j < nj;
    }
    // Midpoint of the diagonal from the cell's top-left to its bottom-right node.
    std::pair<double, double> cellCentre(uint32_t cell) const;
    // Bytes held by the node graph (nodes, edges, cells and their side lists).
    size_t graphBytes() const;
    size_t numberOfEdges() const { return edgeTarget.size(); }
    // The node graph as the path search reads it; valid until the grid is
    // rebuilt or destroyed. Its weights follow setModel.
    EdgeRows edgeRows() const;
    // Archive form, "grid.xml" of a project (defined with the project files):
    // righe, col, nV, aLato, then every cell's slowness (s/m, unconverted)
    // under "velocities" and its covered flag under "to_be_draw", row-major.
    void save(cereal::XMLOutputArchive& archive) const;

    uint32_t righe = 0;
    uint32_t col = 0;
    uint32_t nV = 0;
    double aLato = 0.0;
    std::vector<GridCell> cells;
    std::vector<double> surfaceValues;
    std::vector<GridNode> nodes;

private:
    // Construction steps of one cell, in cell-index order: store its data,
    // position its side nodes from the surfaces above (S_r) and below
    // (S_{r+1}), then join its sides.
    void initCell(GridCell& cell, uint32_t index, double slowness, double side,
                  const std::vector<double>& upper, const std::vector<double>& lower);
    void buildCellSides(GridCell& cell, const std::vector<double>& upper,
                        const std::vector<double>& lower);
    // Appends an edge from every node of a to every node of b.
    void connectCellSides(const GridCell& cell, const std::vector<GridNode*>& a,
                          const std::vector<GridNode*>& b);

    template <typename SlownessOf>
    void build(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
               Splines::LinearSpline& surface, SlownessOf slownessOf);
    bool allocate(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide);
    void clear();
    // Sets smallestWeight and largestWeight from the edges.
    void measureWeights();
    double delta() const { return aLato / (nV - 1); }

    GraphVector<uint64_t> edgeFirst; // per node, and the edge count at the end
    GraphVector<int32_t> edgeTarget;
    GraphVector<double> edgeWeight;
    GraphVector<double> edgeLength;
    GraphVector<uint32_t> edgeCell;
    double smallestWeight = 0.0; // positive
    double largestWeight = 0.0;
    std::vector<double> longestEdge; // per cell: its longest edge (m)
    std::vector<size_t> edgeCursor; // next free edge per node, during construction
};
