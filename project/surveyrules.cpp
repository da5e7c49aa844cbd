#include "surveyrules.h"

#include <cmath>

namespace
{
bool finite(const Point2D& p)
{
    return std::isfinite(p.x) && std::isfinite(p.z);
}

std::string allFinite(const std::vector<double>& times, const std::string& what)
{
    for (size_t k = 0; k < times.size(); ++k)
        if (!std::isfinite(times[k]))
            return what + " " + std::to_string(k) + " is not a number";
    return {};
}
} // namespace

std::string surveyProblem(const std::vector<std::vector<Point2D>>& spreads,
                          const std::vector<TravelTime>& records, long long traceSets)
{
    for (size_t s = 0; s < spreads.size(); ++s)
        for (size_t k = 0; k < spreads[s].size(); ++k)
            if (!finite(spreads[s][k]))
                return "receiver " + std::to_string(k) + " of spread " + std::to_string(s) +
                       " has a position that is not a number";
    for (size_t i = 0; i < records.size(); ++i) {
        const TravelTime& tt = records[i];
        const std::string record = "record " + std::to_string(i);
        if (tt.indexStesa >= spreads.size())
            return record + " names spread " + std::to_string(tt.indexStesa) + " of " +
                   std::to_string(spreads.size());
        if (!finite(tt.shotPos2d))
            return record + " has a shot position that is not a number";
        const size_t receivers = spreads[tt.indexStesa].size();
        if (tt.ttMisurati.size() != receivers || tt.ttCalcolati.size() != receivers)
            return record + " has times for another number of receivers than its spread";
        for (const auto& [times, what] : {std::pair{&tt.ttMisurati, "measured time"},
                                          std::pair{&tt.ttCalcolati, "computed time"}}) {
            const std::string problem = allFinite(*times, record + ": " + what);
            if (!problem.empty())
                return problem;
        }
        if (traceSets >= 0 && tt.traceSetID != TravelTime::NoTraceSet &&
            tt.traceSetID >= static_cast<unsigned long long>(traceSets))
            return record + " names trace set " + std::to_string(tt.traceSetID) + " of " +
                   std::to_string(traceSets);
    }
    return {};
}
