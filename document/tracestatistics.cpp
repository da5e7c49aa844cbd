#include "records.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace
{
double mean(const std::vector<double>& v)
{
    return v.empty() ? 0.0 : std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
}

double largest(const std::vector<double>& v)
{
    return v.empty() ? std::numeric_limits<double>::lowest()
                     : *std::max_element(v.begin(), v.end());
}
} // namespace

double Trace::meanSamples() const
{
    return mean(samples);
}
double Trace::meanFiltered() const
{
    return mean(filtered);
}
double Trace::meanSamples2() const
{
    return mean(samplesDX);
}
double Trace::maxSamples() const
{
    return largest(samples);
}
double Trace::maxSamples2() const
{
    return largest(samplesDX);
}
