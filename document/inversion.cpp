// The travel-time inversion: one external iteration traces the rays, updates
// the slowness along them a number of times, smooths the model and writes it
// into the grid.

#include "Splines.hh"
#include "grid.h"
#include "raybatches.h"
#include "tomodocument.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <iostream>

std::vector<double> TomoDocument::runTomography(int solverIterations, int smoothing,
                                                bool multithread, bool symmetric, int smoothingType)
{
    return runTomographyOnThreads(multithread ? hardwareThreads() : 1u, solverIterations, smoothing,
                                  symmetric, smoothingType);
}

std::vector<double> TomoDocument::runTomographyOnThreads(unsigned threads, int solverIterations,
                                                         int smoothing, bool symmetric,
                                                         int smoothingType)
{
    logLine(*this, "TomoDocument::runTomography");
    if (!grid || grid->numberOfCells() == 0 || !topography) {
        logLine(*this, "Inversion refused: there is no grid with cells under a topography", 1);
        return {};
    }
    if (smoothing < 1) {
        logLine(*this, "Inversion refused: the smoothing parameter must be at least 1", 1);
        return {};
    }
    std::vector<double> result =
        runTomography_fast(static_cast<int>(std::max(1u, threads)), solverIterations, smoothing,
                           symmetric, smoothingType);

    // Only the slowness changes from one iteration to the next: the model
    // goes into the same graph rather than a second one built beside it,
    // which would double the memory of a large survey.
    if (!grid->setModel(result)) {
        logLine(*this, "Inversion: the new model does not fit the grid; the grid is kept", 1);
        return {};
    }
    has_tomographic_info = true;
    computeCoverage();
    return result;
}

std::vector<double> TomoDocument::runTomography_fast(int threads, int solverIterations,
                                                     int smoothing, bool symmetric,
                                                     int smoothingType)
{
    logLine(*this, "TomoDocument::runTomography_fast");
    const auto start = std::chrono::system_clock::now();
    if (!grid || grid->numberOfCells() == 0) {
        logLine(*this, "Inversion refused: there is no grid with cells", 1);
        return {};
    }
    rayPaths.clear();
    logLine(*this, " Forwarding ... ");

    const size_t cellCount = grid->numberOfCells();
    const unsigned T = threads < 1 ? 1u : static_cast<unsigned>(threads);
    std::vector<double> coorslow(cellCount, 0.0);
    coorcount.assign(cellCount, 0.0);
    rayDensity.assign(cellCount, 0);
    logLine(*this, " [TOTAL N. THREADS] " + std::to_string(ttArray.size()) + " to be run " +
                       std::to_string(T) + " by " + std::to_string(T));
    {
        RayBatchRunner runner(*this, T, true);
        runner.trace(&coorslow, &coorcount);

        const std::time_t end =
            std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::system_clock::now() - start);
        std::cout << "finished iteration at " << std::ctime(&end)
                  << "elapsed time: " << elapsed.count() << "s" << std::endl;

        for (int k = 0; k < solverIterations; ++k) {
            updateSlowness(coorslow, coorcount);
            if (k < solverIterations - 1) {
                std::fill(coorslow.begin(), coorslow.end(), 0.0);
                std::fill(coorcount.begin(), coorcount.end(), 0.0);
                runner.retrace(solverIterations, &coorslow, &coorcount);
            }
        }
    }

    const double f = symmetric ? 1.0 : 0.7;
    switch (smoothingType) {
    case 1:
        return linearSmoothing(smoothing, f);
    case 2:
        return gaussianSmoothing(smoothing, f);
    case 3:
        return rayBasedSmoothing(smoothing, f);
    default:
        return uniformSmoothing(smoothing, f);
    }
}

std::vector<double> TomoDocument::updateSlowness(const std::vector<double>& coorslow,
                                                 const std::vector<double>& coorcount)
{
    std::vector<double> result(coorslow.size(), 0.0);
    if (!grid)
        return result;
    const size_t count = std::min({coorslow.size(), coorcount.size(), grid->numberOfCells()});
    if (rayDensity.size() < count)
        rayDensity.resize(count, 0);
    for (size_t c = 0; c < count; ++c) {
        GridCell& cell = grid->cells[c];
        if (coorcount[c] > 0.0)
            rayDensity[c] += 1;
        if (coorslow[c] != 0.0) {
            const double s = cell.slowness;
            double updated = s - coorslow[c] / coorcount[c];
            const double v = 1.0 / s;
            const double wanted = 1.0 / updated;
            if (wanted > 0.0) { // also false for NaN
                if (0.6 * v > wanted)
                    updated = s * 1.6666666666666667;
                else if (wanted > 1.4 * v)
                    updated = s * 0.7142857142857143;
                if (minVelocity > 1.0 / updated)
                    updated = 1.0 / minVelocity;
                if (1.0 / updated > maxVelocity)
                    updated = 1.0 / maxVelocity;
                cell.slowness = updated;
            }
        }
        result[c] = cell.slowness;
    }
    return result;
}

namespace
{

// coverageBottom through the boundary points, when there are enough for a curve.
void replaceCoverageBottom(std::unique_ptr<Splines::BesselSpline>& coverageBottom,
                           const std::vector<double>& x, const std::vector<double>& z)
{
    if (x.size() < 2)
        return;
    auto spline = std::make_unique<Splines::BesselSpline>("BesselSpline", false);
    spline->buildFromPoints(x.data(), 1, z.data(), 1, static_cast<uint32_t>(x.size()));
    coverageBottom = std::move(spline);
}

} // namespace

void TomoDocument::computeCoverage()
{
    if (!grid)
        return;
    if (rayDensity.size() < grid->numberOfCells()) {
        logLine(*this, "Coverage refused: the ray density does not cover the grid", 1);
        return;
    }
    std::vector<double> x, z;
    for (uint32_t c = 0; c < grid->col; ++c) {
        bool covered = false;
        for (uint32_t r = grid->righe; r-- > 1;) {
            const uint32_t i = r * grid->col + c;
            if (!covered && rayDensity[i] > 0) {
                covered = true;
                const auto centre = grid->cellCentre(i);
                x.push_back(centre.first - xShift);
                z.push_back(centre.second);
            }
            grid->cells[i].to_be_draw = covered;
        }
    }
    replaceCoverageBottom(coverageBottom, x, z);
}

void TomoDocument::computeCoverageBottom()
{
    if (!grid)
        return;
    std::vector<double> x, z;
    for (uint32_t c = 0; c < grid->col; ++c)
        for (uint32_t r = grid->righe; r-- > 1;) {
            const uint32_t i = r * grid->col + c;
            if (grid->cells[i].to_be_draw) {
                const auto centre = grid->cellCentre(i);
                x.push_back(centre.first - xShift);
                z.push_back(centre.second);
                std::cout << x.back() << " " << xShift << std::endl;
                break;
            }
        }
    replaceCoverageBottom(coverageBottom, x, z);
}

void TomoDocument::resetInfoDensity()
{
    const size_t count = grid ? grid->numberOfCells() : 0;
    if (info_density.size() != count)
        info_density.resize(count, -1.0);
}
