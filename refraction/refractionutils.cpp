#include "refractionutils.h"

#include "refractiondatastructure.h"
#include "tomodocument.h"

#include <algorithm>
#include <cfloat>
#include <iostream>
#include <numeric>

void refractionUtils::findNearestShots(int8_t L, const TomoDocument& document,
                                       const refractionDataStructure& data, uint32_t& forward,
                                       uint32_t& reverse)
{
    double xmin = DBL_MAX, xmax = -DBL_MAX;
    for (const TravelTime& tt : document.ttArray)
        for (const Point2D& r : document.spreadAt(tt.indexStesa)) {
            xmin = std::min(xmin, r.x);
            xmax = std::max(xmax, r.x);
        }
    double bestForward = DBL_MAX, bestReverse = DBL_MAX;
    forward = reverse = NoShot;
    for (size_t i = 0; i < data.ttLayer.size(); ++i) {
        const auto& record = data.ttLayer[i];
        if (!record.enabled ||
            std::find(record.layer.begin(), record.layer.end(), L) == record.layer.end())
            continue;
        // Records, rows and shots match by position; shotID may be 0 for a
        // record without times.
        const double sx = document.travelTimeAt(uint32_t(i)).shotPos2d.x;
        if (sx <= xmin) {
            if (xmin - sx < bestForward) {
                bestForward = xmin - sx;
                forward = uint32_t(i);
            }
        } else if (sx >= xmax) {
            if (sx - xmax < bestReverse) {
                bestReverse = sx - xmax;
                reverse = uint32_t(i);
            }
        }
    }
}

void refractionUtils::linearFit(std::vector<double> x, std::vector<double> t, double& a, double& b)
{
    const uint32_t n = uint32_t(std::min(x.size(), t.size()));
    double sx = 0, st = 0, sxx = 0, sxt = 0;
    for (uint32_t i = 0; i < n; ++i) {
        sx += x[i];
        st += t[i];
        sxx += x[i] * x[i];
        sxt += x[i] * t[i];
    }
    const double d = n * sxx - sx * sx;
    a = (n * sxt - sx * st) / d;
    b = (st * sxx - sx * sxt) / d;
    std::cout << "\nThe linear fit line is of the form:\n" << a << "x + " << b << std::endl;
}

namespace
{
double mean(const std::vector<double>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
}
} // namespace

void refractionUtils::replaceByMeanIfNotAbove(double threshold, std::vector<double>& values)
{
    if (std::none_of(values.begin(), values.end(), [&](double v) { return v <= threshold; }))
        return;
    values.assign(values.size(), mean(values));
}

void refractionUtils::replaceBothByMeansIfNotIncreasing(std::vector<double>& lower,
                                                        std::vector<double>& upper)
{
    bool increasing = true;
    for (size_t i = 0; i < std::min(lower.size(), upper.size()); ++i)
        if (lower[i] >= upper[i])
            increasing = false;
    if (increasing)
        return;
    lower.assign(lower.size(), mean(lower));
    upper.assign(upper.size(), mean(upper));
}
