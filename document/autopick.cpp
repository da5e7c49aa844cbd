// Automatic first-break picking and the screening of picks by apparent velocity.

#include "autopick.h"

#include "tomodocument.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <stdexcept>

namespace
{
constexpr unsigned PickWindow = 20;           // samples on each side of the candidate
constexpr double MinApparentVelocity = 200.0; // m/s, the start of both thresholds
constexpr double MaxApparentVelocity = 4500.0;
constexpr double ThresholdFraction = 0.5; // how far the velocity may drop outwards

double squaredDeviations(const std::vector<double>& s, double mean, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t k = from; k <= to; ++k)
        sum += (s[k] - mean) * (s[k] - mean);
    return sum;
}
} // namespace

int energyRatioPick(const std::vector<double>& samples, double mean, unsigned window)
{
    const size_t n = samples.size();
    double best = 0.0;
    int index = -1;
    for (size_t i = window; i + window < n; ++i) {
        const double before = squaredDeviations(samples, mean, i - window, i);
        const double after = squaredDeviations(samples, mean, i, i + window - 1);
        const double er = std::fabs(samples[i] - mean) * std::pow(after / before, 3.0);
        // Strictly greater: the first of equal maxima wins, and NaN never does.
        if (er > best) {
            best = er;
            index = static_cast<int>(i);
        }
    }
    return index;
}

namespace
{
double pickTime(const Trace& trace, int index)
{
    // Measured from the shot, as hand picks and the time axis are: the first
    // sample lies at the trace's delay. A break at or before the shot is no
    // first break; without a pick the entry says "not picked", which the
    // rejection pass then marks away from the shot, so an older pick never
    // survives an autopick.
    const double time = trace.delay + index * trace.sampleInterval;
    return time > 0.0 ? time : Pick::NotPicked;
}
} // namespace

int TomoDocument::autoPickTrace(uint32_t traceIndex, uint32_t setIndex, bool useFiltered)
{
    if (traceSets.empty()) {
        std::cerr << "[ERROR] No trace exists. " << std::endl;
        return -1;
    }
    TraceSet& set = traceSets.at(setIndex);
    if (traceIndex >= set.traces.size()) {
        std::cerr << "[ERROR] Trace " << traceIndex << " does not exist." << std::endl;
        return -1;
    }
    Trace& trace = set.traces[traceIndex];
    if (trace.kind == Trace::TwoPolarity) {
        // The two polarities are struck in opposite directions, so their
        // difference doubles the shear wave. The shorter recording bounds it.
        const size_t n = std::min(trace.samplesDX.size(), trace.samplesSX.size());
        trace.samples.resize(n);
        for (size_t i = 0; i < n; ++i)
            trace.samples[i] = trace.samplesDX[i] - trace.samplesSX[i];
    }

    const std::vector<double>& data = useFiltered ? trace.filtered : trace.samples;
    const double mean = useFiltered ? trace.meanFiltered() : trace.meanSamples();
    const int index = energyRatioPick(data, mean, PickWindow);
    setPickTime(setIndex, traceIndex, index < 0 ? Pick::NotPicked : pickTime(trace, index));
    return index;
}

void TomoDocument::rejectInconsistentPicks(uint32_t shotIndex)
{
    TravelTime& record = ttArray.at(shotIndex);
    const std::vector<Point2D>& spread = goephonesStringSet.at(record.indexStesa);
    const size_t n = spread.size();
    if (record.ttMisurati.size() < n)
        throw std::out_of_range("rejectInconsistentPicks: fewer picks than receivers");

    std::vector<double> offset(n);
    for (size_t k = 0; k < n; ++k)
        offset[k] = spread[k].x - record.shotPos2d.x;

    // Work outwards from the shot; of two receivers at the same distance the
    // later channel comes first.
    std::vector<size_t> order;
    order.reserve(n);
    for (size_t k = 0; k < n; ++k) {
        const double distance = std::fabs(offset[k]);
        const auto at = std::find_if(order.begin(), order.end(),
                                     [&](size_t j) { return std::fabs(offset[j]) >= distance; });
        order.insert(at, k);
    }

    // The two sides of the shot may see different ground, so each keeps its
    // own threshold. A receiver on the shot joins the side behind it.
    double threshold[2] = {MinApparentVelocity, MinApparentVelocity};
    for (size_t k : order) {
        double& t = record.ttMisurati[k];
        double& sideThreshold = threshold[offset[k] > 0.0 ? 1 : 0];
        const double apparent = offset[k] / t;
        const double v = std::fabs(apparent);
        std::cout << offset[k] << " " << t << " " << apparent << '\n';
        // An unpicked receiver away from the shot has an infinite velocity and
        // goes; a NaN (no pick on the shot) fails every comparison and stays.
        if (v < sideThreshold || v > MaxApparentVelocity) {
            std::cout << offset[k] << " " << t << " " << apparent << " - Rejected\n";
            t = Pick::Rejected;
        } else if (v * ThresholdFraction > sideThreshold) {
            sideThreshold = v * ThresholdFraction;
        }
    }
}
