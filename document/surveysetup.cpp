// From loaded shots to what picking and inversion need: travel-time records
// and spreads, the topography points, the profile shift and the grid.

#include "Splines.hh"
#include "grid.h"
#include "raybatches.h"
#include "tomodocument.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace
{

struct ProfileExtent {
    bool any = false;
    double smallest = DBL_MAX;
    double largest = -DBL_MAX;
    double spacing = DBL_MAX; // smallest non-zero spacing of neighbouring receivers
};

// Adds every receiver, then every shot, to the topography points: each
// abscissa once, in ascending order, with the first elevation met.
ProfileExtent mergeTopographyPoints(TomoDocument& doc)
{
    ProfileExtent extent;
    auto visit = [&](const Point2D& p, bool receiver) {
        extent.any = true;
        extent.smallest = std::min(extent.smallest, p.x);
        extent.largest = std::max(extent.largest, p.x);
        std::vector<double>& xs = doc.topographyX;
        if (std::find(xs.begin(), xs.end(), p.x) != xs.end())
            return;
        const auto larger = std::find_if(xs.begin(), xs.end(), [&](double x) { return x > p.x; });
        if (larger == xs.end() && receiver)
            std::cout << p.x << " insert" << std::endl;
        const auto at = larger - xs.begin();
        xs.insert(larger, p.x);
        doc.topographyZ.insert(
            doc.topographyZ.begin() + std::min<ptrdiff_t>(at, doc.topographyZ.size()), p.z);
    };
    for (const std::vector<Point2D>& spread : doc.goephonesStringSet)
        for (size_t k = 0; k < spread.size(); ++k) {
            visit(spread[k], true);
            if (k > 0) {
                const double d = std::fabs(spread[k].x - spread[k - 1].x);
                if (d > 0.0 && d < extent.spacing)
                    extent.spacing = d;
            }
        }
    for (const TravelTime& record : doc.ttArray)
        visit(record.shotPos2d, false);
    return extent;
}

// The topography spline through the shifted points.
std::unique_ptr<Splines::LinearSpline> topographySpline(const std::vector<double>& x,
                                                        const std::vector<double>& z)
{
    auto spline = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    spline->buildFromPoints(x.data(), 1, z.data(), 1,
                            static_cast<uint32_t>(std::min(x.size(), z.size())));
    return spline;
}

} // namespace

void TomoDocument::buildTravelTimes()
{
    for (uint32_t i = 0; i < traceSets.size(); ++i) {
        const TraceSet& set = traceSets[i];
        std::vector<Point2D> receivers;
        receivers.reserve(set.traces.size());
        for (const Trace& t : set.traces)
            receivers.push_back({t.receiverX, t.receiverZ});
        Point2D shot;
        if (!set.traces.empty())
            shot = {set.traces.back().sourceX, set.traces.back().sourceZ};

        const auto sameLayout = [&](const std::vector<Point2D>& spread) {
            return !spread.empty() && spread.size() == receivers.size() &&
                   std::equal(spread.begin(), spread.end(), receivers.begin(),
                              [](const Point2D& a, const Point2D& b) { return a.x == b.x; });
        };
        const auto found =
            std::find_if(goephonesStringSet.begin(), goephonesStringSet.end(), sameLayout);
        const uint32_t spread = static_cast<uint32_t>(found - goephonesStringSet.begin());
        if (found == goephonesStringSet.end())
            goephonesStringSet.push_back(receivers);
        std::cout << "source: " << shot.x << " " << shot.z << " spread " << spread << std::endl;

        TravelTime record;
        record.indexStesa = spread;
        record.traceSetID = i;
        record.shotPos2d = shot;
        record.ttMisurati.assign(receivers.size(), 0.0);
        record.ttCalcolati.assign(receivers.size(), 0.0);
        ttArray.push_back(std::move(record));
    }
}

double TomoDocument::prepareProfile()
{
    const ProfileExtent extent = mergeTopographyPoints(*this);
    if (!extent.any)
        return 0.0;
    if (extent.spacing < DBL_MAX) {
        std::cout << "[LOG] Minima spaziatura " << extent.spacing << std::endl;
        char text[64];
        std::snprintf(text, sizeof text, "%f", extent.spacing);
        logLine(*this, std::string("Minima spaziatura : ") + text);
    }
    xShift = 1.0 - extent.smallest;
    if (extent.spacing < DBL_MAX)
        cellSizes.push_back(std::round(extent.spacing * 0.25 * 100.0) / 100.0);
    return extent.largest - extent.smallest + 2.0;
}

bool TomoDocument::createGrid(uint32_t columns, uint32_t rows, double cellSide,
                              uint32_t nodesPerSide)
{
    try {
        std::vector<double> shiftedX = topographyX;
        for (double& x : shiftedX)
            x += xShift;
        std::unique_ptr<Splines::LinearSpline> spline = topographySpline(shiftedX, topographyZ);
        auto next = std::make_unique<Grid>(rows, columns, nodesPerSide, cellSide, *spline);
        if (next->numberOfCells() == 0) {
            logLine(*this, "The grid could not be built; the previous grid is kept", 1);
            return false;
        }
        next->setSurface(*spline);
        topography = std::move(spline);
        topographyX = std::move(shiftedX);
        grid = std::move(next);
    } catch (const std::exception& e) {
        logLine(*this, std::string("The grid could not be built: ") + e.what(), 1);
        return false;
    }
    resetTomographyResults();
    return true;
}

void TomoDocument::buildTopography()
{
    const ProfileExtent extent = mergeTopographyPoints(*this);
    if (extent.any)
        xShift = 1.0 - extent.smallest;
    for (double& x : topographyX)
        x += xShift;
    logLine(*this, "Elevation size " + std::to_string(topographyX.size()));
    topography = topographySpline(topographyX, topographyZ);
}

void TomoDocument::resetTomographyResults()
{
    has_tomographic_info = false;
    RMSE_tomography = -1.0;
    rayPaths.clear();
    for (TravelTime& record : ttArray)
        std::fill(record.ttCalcolati.begin(), record.ttCalcolati.end(), 0.0);
}

void moveShotToSpread(TravelTime& shot, const std::vector<std::vector<Point2D>>& spreads,
                      uint32_t spread)
{
    if (spread >= spreads.size() || spread == shot.indexStesa)
        return;
    static const std::vector<Point2D> none;
    const std::vector<Point2D>& from =
        shot.indexStesa < spreads.size() ? spreads[shot.indexStesa] : none;
    const std::vector<Point2D>& to = spreads[spread];
    const auto moved = [&](const std::vector<double>& times) {
        std::vector<double> result(to.size(), Pick::NotPicked);
        for (size_t k = 0; k < to.size(); ++k) {
            const auto same = std::find_if(from.begin(), from.end(), [&](const Point2D& p) {
                return p.x == to[k].x && p.z == to[k].z;
            });
            const size_t old = size_t(same - from.begin());
            if (same != from.end() && old < times.size())
                result[k] = times[old];
        }
        return result;
    };
    shot.ttMisurati = moved(shot.ttMisurati);
    shot.ttCalcolati = moved(shot.ttCalcolati);
    shot.indexStesa = spread;
}
