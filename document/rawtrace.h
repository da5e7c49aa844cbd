#pragma once
// What every seismic reader delivers for one trace, and the readers' result codes.

#include <cfloat>
#include <string>
#include <vector>

struct RawTrace {
    std::vector<double> samples;
    double sourceX = 0.0;
    double sourceZ = 0.0;
    double receiverX = 0.0;
    double receiverZ = 0.0;
    double delay = 0.0;              // s, time of the first sample after the shot
    double sampleInterval = DBL_MAX; // s; DBL_MAX when the file gives none
};

// Result codes of the seismic readers and of the document's loading operations.
namespace SeismicResult
{
enum : int {
    Ok = 0,
    CannotRead = 1,        // cannot be opened, wrong identifier, or inconsistent structure
    NoSampleInterval = 2,  // a SEG2 trace without a usable sample interval
    UnsupportedSuffix = 3, // not a seismic file suffix we know
};
} // namespace SeismicResult
