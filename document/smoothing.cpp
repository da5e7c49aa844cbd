// Smoothing of the model (cell slowness) and of the ray density over a window
// of neighbouring cells. Every routine writes a fresh vector, so each window
// reads unsmoothed values.

#include "grid.h"
#include "raybatches.h"
#include "tomodocument.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iostream>

namespace
{

enum class Kernel { Uniform, Linear, Gaussian };

// A weighted mean that is only used when its weights sum to a positive finite
// value and the mean itself is finite; otherwise the caller's fallback.
bool usable(double sumOfWeights, double mean)
{
    return std::isfinite(sumOfWeights) && sumOfWeights > 0.0 && std::isfinite(mean);
}

double distance(const std::pair<double, double>& a, const std::pair<double, double>& b)
{
    const double dx = a.first - b.first;
    const double dz = a.second - b.second;
    return std::sqrt(dx * dx + dz * dz);
}

std::vector<std::pair<double, double>> centres(const Grid& grid)
{
    std::vector<std::pair<double, double>> out(grid.numberOfCells());
    for (uint32_t i = 0; i < out.size(); ++i)
        out[i] = grid.cellCentre(i);
    return out;
}

// The window of cell i: rows r +- floor(n f) (outer loop), columns c +- n,
// clipped to the grid. Weights: 1 (uniform), 1/d with 1 for the cell itself
// (linear), exp(-d^2 / 2 sigma^2) / (6.283 sigma^2) with sigma = n / 1.4 m
// (Gaussian). `fallback[i]` replaces a mean whose weights do not add up.
std::vector<double> windowSmoothing(const Grid& grid, Kernel kernel, int n, double f,
                                    const std::vector<double>& values,
                                    const std::vector<double>& fallback)
{
    const int rows = static_cast<int>(grid.righe);
    const int cols = static_cast<int>(grid.col);
    const int m = static_cast<int>(std::floor(n * f));
    const double sigma = n / 1.4;
    const double gaussNorm = 1.0 / (6.283 * sigma * sigma);
    const std::vector<std::pair<double, double>> centre =
        kernel == Kernel::Uniform ? std::vector<std::pair<double, double>>() : centres(grid);

    std::vector<double> out(values.size());
    for (int i = 0; i < rows * cols; ++i) {
        const int r = i / cols;
        const int c = i % cols;
        double sumW = 0.0;
        double sumWV = 0.0;
        for (int dr = -m; dr <= m; ++dr)
            for (int dc = -n; dc <= n; ++dc) {
                if (!Grid::isInside(r + dr, c + dc, rows, cols))
                    continue;
                const int j = (r + dr) * cols + (c + dc);
                double w = 1.0;
                if (kernel != Kernel::Uniform) {
                    const double d = distance(centre[i], centre[j]);
                    if (kernel == Kernel::Linear)
                        w = d == 0.0 ? 1.0 : 1.0 / d;
                    else
                        w = std::exp(-d * d / (2.0 * sigma * sigma)) * gaussNorm;
                }
                sumW += w;
                sumWV += w * values[j];
            }
        const double mean = sumWV / sumW;
        out[i] = usable(sumW, mean) ? mean : fallback[i];
    }
    return out;
}

// Ray-based smoothing: uncovered cells (density 0) are first filled with the
// reciprocal of a Gaussian-weighted mean of the covered cells' values within
// d^2 < 2 (n aLato)^2, of width L = ln(velocity of the uncovered cell); then
// the uniform window mean of the filled values.
std::vector<double> rayBasedSmoothing(const Grid& grid, int n, double f,
                                      const std::vector<double>& density,
                                      const std::vector<double>& coveredValue,
                                      const std::vector<double>& ownValue)
{
    const size_t count = grid.numberOfCells();
    const int cols = static_cast<int>(grid.col);
    const std::vector<std::pair<double, double>> centre = centres(grid);
    struct Covered {
        std::pair<double, double> centre;
        double value;
        int column;
    };
    // Covered cells in cell order; those of row r are [rowStart[r], rowStart[r + 1]).
    std::vector<Covered> covered;
    std::vector<size_t> rowStart(grid.righe + 1, 0);
    // The depth range of each row's covered centres.
    std::vector<std::pair<double, double>> rowDepth(grid.righe, {INFINITY, -INFINITY});
    for (size_t i = 0; i < count; ++i) {
        if (density[i] > 0.0) {
            covered.push_back({centre[i], coveredValue[i], static_cast<int>(i % grid.col)});
            auto& [low, high] = rowDepth[i / grid.col];
            low = std::min(low, centre[i].second);
            high = std::max(high, centre[i].second);
        }
        if ((i + 1) % grid.col == 0)
            rowStart[(i + 1) / grid.col] = covered.size();
    }

    const double radius = n * grid.aLato;
    const double reach = 2.0 * radius * radius;
    // Centres lie aLato apart across columns, so only columns this close can
    // be in reach; one column more keeps rounding out of the question. Taking
    // them row by row keeps the cell order of the sums.
    const int band = static_cast<int>(std::min<double>(cols, std::sqrt(reach) / grid.aLato)) + 1;
    std::vector<double> filled(count);
    for (size_t i = 0; i < count; ++i) {
        filled[i] = ownValue[i];
        if (density[i] > 0.0)
            continue;
        const double slowness = grid.cells[i].slowness;
        const double width = std::log(slowness == 0.0 ? DBL_MAX : 1.0 / slowness);
        const int column = static_cast<int>(i % grid.col);
        double sumW = 0.0;
        double sumWV = 0.0;
        const double z = centre[i].second;
        for (uint32_t r = 0; r < grid.righe; ++r) {
            // A row whose nearest covered depth is out of reach adds nothing:
            // each of its centres would fail the distance test below, whose
            // rounding only grows with the distance.
            const auto [low, high] = rowDepth[r];
            const double gap = low >= z ? low - z : high <= z ? z - high : 0.0;
            if (!(gap * gap < reach))
                continue;
            const auto rowEnd = covered.begin() + rowStart[r + 1];
            auto k = std::lower_bound(
                covered.begin() + rowStart[r], rowEnd, column - band,
                [](const Covered& a, int firstColumn) { return a.column < firstColumn; });
            for (; k != rowEnd && k->column <= column + band; ++k) {
                const double dx = k->centre.first - centre[i].first;
                const double dz = k->centre.second - centre[i].second;
                const double d2 = dx * dx + dz * dz;
                if (!(d2 < reach))
                    continue;
                // A width of 0 (a velocity of 1 m/s) or an underflow leaves no
                // weight; the cell then keeps its own value.
                const double w = std::exp(d2 / (-2.0 * width * width));
                sumW += w;
                sumWV += w * k->value;
            }
        }
        const double fill = 1.0 / (sumWV / sumW);
        if (usable(sumW, fill) && fill > 0.0)
            filled[i] = fill;
    }
    return windowSmoothing(grid, Kernel::Uniform, n, f, filled, ownValue);
}

std::vector<double> slownessOf(const Grid& grid)
{
    std::vector<double> s(grid.numberOfCells());
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = grid.cells[i].slowness;
    return s;
}

} // namespace

namespace
{

std::vector<double> modelSmoothing(const TomoDocument& doc, int type, int n, double f)
{
    if (!doc.grid)
        return {};
    const Grid& grid = *doc.grid;
    std::vector<double> slowness = slownessOf(grid);
    if (n < 1) {
        logLine(doc, "Smoothing refused: the smoothing parameter must be at least 1", 1);
        return slowness;
    }
    switch (type) {
    case 1:
        std::cout << "Linear Smoothing..." << std::endl;
        return windowSmoothing(grid, Kernel::Linear, n, f, slowness, slowness);
    case 2:
        std::cout << "Gaussian Smoothing..." << std::endl;
        return windowSmoothing(grid, Kernel::Gaussian, n, f, slowness, slowness);
    case 3: {
        std::vector<double> density(slowness.size(), 0.0);
        std::vector<double> velocity(slowness.size());
        for (size_t i = 0; i < slowness.size(); ++i) {
            if (i < doc.rayDensity.size())
                density[i] = doc.rayDensity[i];
            velocity[i] = slowness[i] == 0.0 ? DBL_MAX : 1.0 / slowness[i];
        }
        return rayBasedSmoothing(grid, n, f, density, velocity, slowness);
    }
    default:
        std::cout << "Uniform Smoothing..." << std::endl;
        return windowSmoothing(grid, Kernel::Uniform, n, f, slowness, slowness);
    }
}

std::vector<double> densitySmoothing(const TomoDocument& doc, int type, int n, double f)
{
    if (!doc.grid)
        return {};
    const Grid& grid = *doc.grid;
    const size_t count = grid.numberOfCells();
    if (doc.rayDensity.size() < count || n < 1) {
        logLine(doc,
                doc.rayDensity.size() < count
                    ? "Ray density smoothing refused: the ray density does not cover the grid"
                    : "Ray density smoothing refused: the smoothing parameter must be at least 1",
                1);
        return std::vector<double>(count, -1.0);
    }
    std::vector<double> density(doc.rayDensity.begin(), doc.rayDensity.begin() + count);
    const std::vector<double> zeros(count, 0.0);
    const char* names[] = {"Uniform RayDensity Smoothing", "Linear RayDensity Smoothing",
                           "Gaussian RayDensity Smoothing"};
    if (type == 3)
        return rayBasedSmoothing(grid, n, f, density, density, density);
    const int kernel = type == 1 || type == 2 ? type : 0;
    logLine(doc, names[kernel]);
    logLine(doc, std::to_string(n));
    return windowSmoothing(grid, static_cast<Kernel>(kernel), n, f, density, zeros);
}

} // namespace

std::vector<double> TomoDocument::uniformSmoothing(int n, double f) const
{
    return modelSmoothing(*this, 0, n, f);
}

std::vector<double> TomoDocument::linearSmoothing(int n, double f) const
{
    return modelSmoothing(*this, 1, n, f);
}

std::vector<double> TomoDocument::gaussianSmoothing(int n, double f) const
{
    return modelSmoothing(*this, 2, n, f);
}

std::vector<double> TomoDocument::rayBasedSmoothing(int n, double f) const
{
    return modelSmoothing(*this, 3, n, f);
}

std::vector<double> TomoDocument::uniformRayDensitySmoothing(int n, double f) const
{
    return densitySmoothing(*this, 0, n, f);
}

std::vector<double> TomoDocument::linearRayDensitySmoothing(int n, double f) const
{
    return densitySmoothing(*this, 1, n, f);
}

std::vector<double> TomoDocument::gaussianRayDensitySmoothing(int n, double f) const
{
    return densitySmoothing(*this, 2, n, f);
}

std::vector<double> TomoDocument::rayBasedRayDensitySmoothing(int n, double f) const
{
    return densitySmoothing(*this, 3, n, f);
}

void TomoDocument::applySmoothing(bool symmetric, int type, int n)
{
    info_density = densitySmoothing(*this, type, n, symmetric ? 1.0 : 0.7);
}
