#include "grid.h"

#include "Splines.hh"

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace
{

void reportFailure(const std::string& why)
{
    std::cerr << why << " : Error creating the grid " << std::endl;
}

// Memory the process may still take, in bytes: what the kernel calls
// available, capped by an address-space limit when one is set.
double availableMemory()
{
    double bytes = 0.0;
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    double kb = 0.0;
    std::string unit;
    // The kernel's own table of plain integers, not a user's number field.
    while (meminfo >> key >> kb >> unit) {
        if (key == "MemAvailable:") {
            bytes = kb * 1024.0;
            break;
        }
    }
    if (bytes <= 0.0)
        bytes = static_cast<double>(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE);
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        bytes = std::min(bytes, static_cast<double>(limit.rlim_cur));
    return bytes;
}

// The smallest positive and the largest of the weights added.
struct WeightExtremes {
    double smallest = INFINITY;
    double largest = 0.0;
    void add(double w)
    {
        if (w > 0.0 && w < smallest)
            smallest = w;
        if (w > largest)
            largest = w;
    }
    double smallestPositive() const { return std::isfinite(smallest) ? smallest : 0.0; }
};

bool allPositiveFinite(const std::vector<double>& values)
{
    for (double v : values)
        if (!(std::isfinite(v) && v > 0.0))
            return false;
    return true;
}

double builtInVelocity(double depth)
{
    if (depth < 3.0)
        return depth * 90.0 + 200.0;
    if (depth <= 20.0)
        return depth * 50.0 + 1000.0;
    return depth * 25.0 + 2500.0;
}

} // namespace

void* allocateGraphMemory(size_t bytes)
{
    constexpr size_t hugePage = size_t(2) << 20;
    if (bytes < hugePage / 2) {
        void* p = std::malloc(bytes == 0 ? 1 : bytes);
        if (!p)
            throw std::bad_alloc();
        return p;
    }
    const size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void* p = std::aligned_alloc(hugePage, rounded);
    if (!p)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(p, rounded, MADV_HUGEPAGE); // only advice: failure changes nothing
#endif
    return p;
}

void releaseGraphMemory(void* memory) noexcept
{
    std::free(memory);
}

Grid::Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
           const std::vector<double>& slowness, Splines::LinearSpline& surface)
{
    std::cout << "step 1" << std::endl;
    if (slowness.size() != uint64_t(rows) * columns || !allPositiveFinite(slowness)) {
        reportFailure("the cell slowness values do not fit the grid");
        return;
    }
    build(rows, columns, nodesPerSide, cellSide, surface,
          [&](uint32_t i, double) { return slowness[i]; });
}

Grid::Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
           Splines::LinearSpline& surface)
{
    std::cout << "step 1" << std::endl;
    build(rows, columns, nodesPerSide, cellSide, surface,
          [](uint32_t, double depth) { return 1.0 / builtInVelocity(depth); });
}

Grid::Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
           Splines::LinearSpline& surface, Splines::CubicSpline& velocity, double minVelocity)
{
    if (!(std::isfinite(minVelocity) && minVelocity > 0.0)) {
        reportFailure("the minimum velocity is not positive");
        return;
    }
    build(rows, columns, nodesPerSide, cellSide, surface, [&](uint32_t, double depth) {
        double v = velocity(depth);
        if (!(v >= minVelocity)) // also catches NaN
            v = minVelocity;
        return 1.0 / v;
    });
}

Grid::Grid(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
           std::vector<double> slowness, std::vector<bool> toBeDraw, Splines::LinearSpline& surface)
{
    const uint64_t n = uint64_t(rows) * columns;
    if (slowness.size() != n || toBeDraw.size() != n || !allPositiveFinite(slowness)) {
        reportFailure("the saved cell values do not fit the grid");
        return;
    }
    build(rows, columns, nodesPerSide, cellSide, surface,
          [&](uint32_t i, double) { return slowness[i]; });
    for (size_t i = 0; i < cells.size(); ++i)
        cells[i].to_be_draw = toBeDraw[i];
}

template <typename SlownessOf>
void Grid::build(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide,
                 Splines::LinearSpline& surface, SlownessOf slownessOf)
{
    try {
        if (!allocate(rows, columns, nodesPerSide, cellSide))
            return;
        setSurface(surface);
        for (double s : surfaceValues)
            if (!std::isfinite(s))
                throw std::runtime_error("the ground surface is not finite");
        for (uint32_t r = 0; r < righe; ++r) {
            std::vector<double> next = smoothedSurface();
            for (uint32_t c = 0; c < col; ++c) {
                const uint32_t i = r * col + c;
                initCell(cells[i], i, slownessOf(i, r * aLato), aLato, surfaceValues, next);
            }
            surfaceValues = std::move(next);
        }
        std::vector<size_t>().swap(edgeCursor);
        measureWeights();
    } catch (const std::exception& e) {
        clear();
        reportFailure(e.what());
    }
}

bool Grid::allocate(uint32_t rows, uint32_t columns, uint32_t nodesPerSide, double cellSide)
{
    if (rows == 0 || columns == 0 || nodesPerSide < 2 ||
        !(std::isfinite(cellSide) && cellSide > 0.0)) {
        reportFailure(
            "a grid needs rows, columns, 2 or more nodes per side and a positive cell side");
        return false;
    }
    // Sizes in floating point first: the exact 64-bit products may overflow.
    const double h = double(nodesPerSide - 1) * columns + 1.0;
    const double v = double(nodesPerSide - 2) * (double(columns) + 1.0);
    const double nodeCount = h * (double(rows) + 1.0) + v * rows;
    if (nodeCount > double(INT32_MAX)) {
        reportFailure("a grid of " + std::to_string(nodeCount) + " nodes is too large");
        return false;
    }
    const double n = nodesPerSide;
    const double cellCount = double(rows) * columns;
    const double edgeCount = cellCount * (12.0 * n * n - 24.0 * n + 8.0);
    const double bytes = nodeCount * (sizeof(GridNode) + sizeof(uint64_t) + sizeof(size_t)) +
                         edgeCount * (sizeof(int32_t) + 2 * sizeof(double) + sizeof(uint32_t)) +
                         cellCount * (sizeof(GridCell) + (4.0 * n - 4.0) * sizeof(GridNode*));
    if (bytes > availableMemory()) {
        reportFailure("a grid of " + std::to_string(bytes / 1e6) + " MB does not fit in memory");
        return false;
    }

    const uint64_t H = uint64_t(nodesPerSide - 1) * columns + 1;
    const uint64_t V = uint64_t(nodesPerSide - 2) * (uint64_t(columns) + 1);
    cells.resize(uint64_t(rows) * columns);
    longestEdge.assign(cells.size(), 0.0);
    nodes.resize(H * (uint64_t(rows) + 1) + V * rows);
    const size_t edges = static_cast<size_t>(edgeCount);
    edgeTarget.resize(edges);
    edgeWeight.resize(edges);
    edgeLength.resize(edges);
    edgeCell.resize(edges);
    edgeFirst.resize(nodes.size() + 1);
    righe = rows;
    col = columns;
    nV = nodesPerSide;
    aLato = cellSide;
    for (size_t i = 0; i < nodes.size(); ++i)
        nodes[i].id = static_cast<uint32_t>(i);

    // Exact edge counts per node: every cell gives each of its top and bottom
    // nodes 3 nV - 4 edges and each of its left and right nodes 3 nV - 2.
    // Their running sum is where each node's edges start.
    std::vector<size_t> degree(nodes.size(), 0);
    const uint64_t B = H + V;
    for (uint64_t r = 0; r < rows; ++r)
        for (uint64_t c = 0; c < columns; ++c) {
            for (uint64_t k = 0; k < nodesPerSide; ++k) {
                degree[r * B + (nodesPerSide - 1) * c + k] += 3 * nodesPerSide - 4;
                degree[(r + 1) * B + (nodesPerSide - 1) * c + k] += 3 * nodesPerSide - 4;
            }
            for (uint64_t j = 0; j + 2 < nodesPerSide; ++j) {
                degree[r * B + H + j * (columns + 1) + c] += 3 * nodesPerSide - 2;
                degree[r * B + H + j * (columns + 1) + c + 1] += 3 * nodesPerSide - 2;
            }
        }
    edgeCursor.resize(nodes.size());
    size_t start = 0;
    for (size_t i = 0; i < nodes.size(); ++i) {
        edgeFirst[i] = edgeCursor[i] = start;
        start += degree[i];
    }
    edgeFirst[nodes.size()] = start;
    assert(start == edges);
    return true;
}

void Grid::clear()
{
    righe = col = nV = 0;
    aLato = 0.0;
    std::vector<GridCell>().swap(cells);
    std::vector<double>().swap(longestEdge);
    std::vector<GridNode>().swap(nodes);
    decltype(edgeFirst)().swap(edgeFirst);
    decltype(edgeTarget)().swap(edgeTarget);
    decltype(edgeWeight)().swap(edgeWeight);
    decltype(edgeLength)().swap(edgeLength);
    decltype(edgeCell)().swap(edgeCell);
    smallestWeight = largestWeight = 0.0;
    std::vector<size_t>().swap(edgeCursor);
    std::vector<double>().swap(surfaceValues);
}

bool Grid::setModel(const std::vector<double>& slowness)
{
    if (slowness.size() != cells.size() || !allPositiveFinite(slowness))
        return false;
    // Checked before the first weight is written: a refusal leaves the old
    // model whole. A cell's longest edge gives its largest product (rounding
    // keeps the order), so one product per cell tells whether all are finite.
    for (size_t i = 0; i < cells.size(); ++i)
        if (!std::isfinite(longestEdge[i] * slowness[i]))
            return false;
    // One pass: the weights, and the extremes the search's queue is sized by.
    const size_t n = edgeTarget.size();
    const double* length = edgeLength.data();
    const uint32_t* cell = edgeCell.data();
    double* weight = edgeWeight.data();
    WeightExtremes extremes;
    for (size_t e = 0; e < n; ++e) {
        const double w = length[e] * slowness[cell[e]];
        weight[e] = w;
        extremes.add(w);
    }
    smallestWeight = extremes.smallestPositive();
    largestWeight = extremes.largest;
    for (size_t i = 0; i < cells.size(); ++i) {
        cells[i].slowness = slowness[i];
        cells[i].to_be_draw = true;
    }
    return true;
}

void Grid::setSurface(Splines::LinearSpline& surface)
{
    surfaceValues.clear();
    if (nV < 2)
        return;
    const uint64_t count = uint64_t(col) * (nV - 1) + 1;
    surfaceValues.reserve(count);
    const double d = delta();
    for (uint64_t i = 0; i < count; ++i)
        surfaceValues.push_back(surface(double(i) * d));
}

std::vector<double> Grid::smoothedSurface() const
{
    const std::vector<double>& s = surfaceValues;
    std::vector<double> out = s;
    const size_t n = s.size();
    if (n < 9)
        return out;
    for (size_t i = 4; i + 5 <= n; ++i)
        out[i] = (s[i - 4] + s[i - 3] + s[i - 2] + s[i - 1] + s[i + 1] + s[i + 2] + s[i + 3] +
                  s[i + 4]) *
                 0.125;
    return out;
}

int32_t Grid::surfaceNodeIndex(double x) const
{
    if (nV < 2)
        return NoNode;
    const double q = x / delta();
    if (!std::isfinite(q) || std::fabs(q) > 4e18)
        return NoNode;
    const double nearest = std::round(q);
    const int64_t k = static_cast<int64_t>(std::fabs(q - nearest) < 1e-9 ? nearest : std::trunc(q));
    const int64_t count = int64_t(col) * (nV - 1) + 1;
    return k >= 0 && k < count ? static_cast<int32_t>(k) : NoNode;
}

std::pair<double, double> Grid::cellCentre(uint32_t cell) const
{
    const GridCell& c = cells[cell];
    return {(c.top.front()->x + c.top.back()->x) * 0.5,
            (c.top.front()->z + c.bottom.back()->z) * 0.5};
}

EdgeRows Grid::edgeRows() const
{
    EdgeRows rows;
    rows.nodeCount = nodes.size();
    rows.first = edgeFirst.data();
    rows.target = edgeTarget.data();
    rows.weight = edgeWeight.data();
    rows.length = edgeLength.data();
    rows.cell = edgeCell.data();
    rows.smallestWeight = smallestWeight;
    rows.largestWeight = largestWeight;
    return rows;
}

void Grid::measureWeights()
{
    EdgeRows rows = edgeRows();
    rows.measureWeights();
    smallestWeight = rows.smallestWeight;
    largestWeight = rows.largestWeight;
}

void EdgeRows::measureWeights()
{
    WeightExtremes extremes;
    const size_t n = edgeCount();
    for (size_t e = 0; e < n; ++e)
        extremes.add(weight[e]);
    smallestWeight = extremes.smallestPositive();
    largestWeight = extremes.largest;
}

size_t Grid::graphBytes() const
{
    size_t bytes = nodes.capacity() * sizeof(GridNode) + edgeFirst.capacity() * sizeof(uint64_t) +
                   edgeTarget.capacity() * sizeof(int32_t) +
                   edgeWeight.capacity() * sizeof(double) + edgeLength.capacity() * sizeof(double) +
                   edgeCell.capacity() * sizeof(uint32_t) + cells.capacity() * sizeof(GridCell) +
                   longestEdge.capacity() * sizeof(double) + surfaceValues.capacity() * sizeof(double);
    for (const GridCell& c : cells)
        bytes += (c.top.capacity() + c.left.capacity() + c.right.capacity() + c.bottom.capacity()) *
                 sizeof(GridNode*);
    return bytes;
}

void Grid::initCell(GridCell& cell, uint32_t index, double slowness, double side,
                    const std::vector<double>& upper, const std::vector<double>& lower)
{
    cell.cellIndex = index;
    cell.gridNodes = &nodes;
    cell.slowness = slowness;
    cell.side = side;
    buildCellSides(cell, upper, lower);
    const std::pair<const std::vector<GridNode*>*, const std::vector<GridNode*>*> pairs[] = {
        {&cell.top, &cell.left},    {&cell.top, &cell.right},  {&cell.top, &cell.bottom},
        {&cell.bottom, &cell.left}, {&cell.right, &cell.left}, {&cell.right, &cell.bottom},
    };
    for (const auto& [a, b] : pairs) {
        connectCellSides(cell, *a, *b);
        connectCellSides(cell, *b, *a);
    }
}

void Grid::buildCellSides(GridCell& cell, const std::vector<double>& upper,
                          const std::vector<double>& lower)
{
    const uint64_t r = cell.cellIndex / col;
    const uint64_t c = cell.cellIndex % col;
    const uint64_t H = uint64_t(nV - 1) * col + 1;
    const uint64_t B = H + uint64_t(nV - 2) * (col + 1);
    const double d = delta();
    cell.nTop = cell.nBottom = nV;
    cell.nLeft = cell.nRight = nV - 2;
    cell.top.resize(nV);
    cell.bottom.resize(nV);
    cell.left.resize(nV - 2);
    cell.right.resize(nV - 2);
    for (uint64_t k = 0; k < nV; ++k) {
        const uint64_t s = (nV - 1) * c + k;
        GridNode& t = nodes[r * B + s];
        t.x = double(s) * d;
        t.z = double(r) * aLato - upper[s];
        cell.top[k] = &t;
        GridNode& b = nodes[(r + 1) * B + s];
        b.x = double(s) * d;
        b.z = double(r + 1) * aLato - lower[s];
        cell.bottom[k] = &b;
    }
    for (uint64_t j = 0; j + 2 < nV; ++j) {
        for (uint64_t boundary = c; boundary <= c + 1; ++boundary) {
            GridNode& n = nodes[r * B + H + j * (col + 1) + boundary];
            n.x = double(boundary) * aLato;
            n.z = double(r) * aLato - upper[(nV - 1) * boundary] + double(j + 1) * d;
            (boundary == c ? cell.left : cell.right)[j] = &n;
        }
    }
}

void Grid::connectCellSides(const GridCell& cell, const std::vector<GridNode*>& a,
                            const std::vector<GridNode*>& b)
{
    // Plain pointers and locals: through the members, every store into one
    // array would make the compiler load the others' addresses again.
    double* length = edgeLength.data();
    double* weight = edgeWeight.data();
    int32_t* target = edgeTarget.data();
    uint32_t* cellOf = edgeCell.data();
    const double slowness = cell.slowness;
    const uint32_t index = cell.cellIndex;
    double longest = longestEdge[index];
    for (const GridNode* from : a) {
        const double x = from->x, z = from->z;
        size_t e = edgeCursor[from->id];
        for (const GridNode* to : b) {
            const double dx = x - to->x;
            const double dz = z - to->z;
            const double l = std::sqrt(dx * dx + dz * dz);
            length[e] = l;
            weight[e] = l * slowness;
            target[e] = static_cast<int32_t>(to->id);
            cellOf[e] = index;
            longest = std::max(longest, l);
            assert(std::isfinite(weight[e]) && weight[e] >= 0.0);
            ++e;
        }
        edgeCursor[from->id] = e;
    }
    longestEdge[index] = longest;
}
