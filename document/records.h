#pragma once
// Plain records of the survey document. Units: metres, m/s, seconds.

#include <cfloat>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace cereal
{
class XMLOutputArchive;
class XMLInputArchive;
} // namespace cereal

// The archive forms (save and load) of these records are defined with the
// project files (project/recordarchives.cpp), which every user of them links.

// A position in the vertical plane of the line: x along the profile, z elevation.
struct Point2D {
    double x = 0.0;
    double z = 0.0;

    void save(cereal::XMLOutputArchive& archive) const;
    void load(cereal::XMLInputArchive& archive);
};

// Geographic reference of the line, from its first and last geophone.
struct geographicsCoord {
    static constexpr uint32_t UnsetCRS = 0xFFFFFFFFu;

    double mEastFstGeoph = DBL_MAX;
    double mEastLstGeoph = DBL_MAX;
    double mNorthFstGeoph = DBL_MAX;
    double mNorthLstGeoph = DBL_MAX;
    uint32_t CRS = UnsetCRS; // EPSG code of the projected system

    // The point at distance s (m) from the first geophone towards the last.
    // Coinciding geophones give the first geophone for every s.
    void toEastingNorthing(double s, double& east, double& north) const;

    void save(cereal::XMLOutputArchive& archive) const;
    // A missing "CRS" (older files) reads as 0, said on standard error.
    void load(cereal::XMLInputArchive& archive);
};

// One row of the layered starting model.
struct VelocityLayer {
    double initialDepth = 0.0;
    double initialVelocity = 0.0;
    double finalDepth = 0.0;
    double finalVelocity = 0.0;
};

// Values of TravelTime::ttMisurati that are not travel times.
namespace Pick
{
constexpr double NotPicked = 0.0;
constexpr double Rejected = -99.0; // set by the automatic consistency check
constexpr double Unusable = -2.0;  // the user's mark of a bad trace
} // namespace Pick

// Picks and computed times of one shot; entry j belongs to receiver j of the spread.
struct TravelTime {
    // Records imported from travel-time files have no trace set behind them.
    static constexpr uint32_t NoTraceSet = 0xFFFFFFFFu;

    uint32_t indexStesa = 0; // index of the spread in goephonesStringSet
    uint32_t traceSetID = 0; // index of the TraceSet in traceSets
    Point2D shotPos2d;
    std::vector<double> ttMisurati;  // measured first breaks (s)
    std::vector<double> ttCalcolati; // computed travel times (s)

    void save(cereal::XMLOutputArchive& archive) const;
    void load(cereal::XMLInputArchive& archive);
};

// Puts shot on spread `spread` of spreads: its measured and computed times
// take that spread's length, each kept where the new spread has a receiver
// at the position of one of the old spread, Pick::NotPicked elsewhere. A
// spread index past spreads leaves the shot as it is.
void moveShotToSpread(TravelTime& shot, const std::vector<std::vector<Point2D>>& spreads,
                      uint32_t spread);

// One recorded trace.
struct Trace {
    enum Kind : int32_t { TwoPolarity = 2, Ordinary = 3, NotLoaded = 4 };
    static constexpr int32_t NoSpread = INT_MAX;

    int32_t kind = NotLoaded;
    std::vector<double> samples;
    std::vector<double> samplesDX;
    std::vector<double> samplesSX;
    std::vector<double> filtered;    // processing writes here, never over samples
    double sampleInterval = DBL_MAX; // s; DBL_MAX = no value
    double sourceX = DBL_MAX;
    double sourceZ = 0.0;
    double receiverX = DBL_MAX;
    double receiverZ = 0.0;
    double delay = 0.0; // s, time of the first sample after the shot (negative: before it)
    int32_t spreadIndex = NoSpread;

    // Arithmetic means of samples, filtered and samplesDX; 0.0 when empty.
    double meanSamples() const;
    double meanFiltered() const;
    double meanSamples2() const;
    // Largest element of samples and samplesDX; the lowest double when empty.
    double maxSamples() const;
    double maxSamples2() const;
};

// One loaded seismic file: one shot gather.
struct TraceSet {
    std::vector<Trace> traces;
    std::string fileName;
    std::string fileNameDX;
    std::string fileNameSX;
    bool hasFiltered = false;
    bool useFiltered = false;
};
