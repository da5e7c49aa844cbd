#pragma once
// The layered refraction analysis ("Build profiles") on the refraction data of
// a survey: phantoming and reciprocal times, the velocity-analysis (tV) and
// time-depth (tG) functions of the generalized reciprocal method averaged over
// the offsets XY = -4..4 m (A is read at x + XY and R at x - XY, so the
// textbook X-Y separation is 2|XY|), refractor velocities and depths.
//
// Units: x and depths in metres, times in seconds, velocities in m/s. Layer L
// (2 or 3) writes entry L - 2 of the phantoms and of cData. Only picks above 0
// take part: the document's marks for not picked, unusable and rejected
// never do. Every problem the user can mend is reported through the warning
// sink (translated text) and leaves no NaN or infinity in the results.
// Diagnostics go to stdout as tables; the cost is linear in the picks for
// each of the nine offsets.

#include "refractiondatastructure.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class Logger;
namespace Splines
{
class Spline;
}

// A curve of the result plots: colours 0xRRGGBB; style 0 line, 1 points,
// 2 line and points.
struct RefractionCurve {
    std::vector<double> xValues;
    std::vector<double> yValues;
    uint32_t color = 0;
    int32_t lineWidth = 2;
    int32_t style = 0;
};

class RefractionAnalysis
{
public:
    using WarningSink = std::function<void(const QString&)>;
    using Rows = std::vector<std::vector<double>>;

    RefractionAnalysis(const TomoDocument& document, refractionDataStructure& data,
                       WarningSink warn, Logger* logger = nullptr);

    // What a build produced.
    struct Outcome {
        bool layer2 = false; // cData0, v1 and v2 hold results
        bool layer3 = false; // cData1 and v3 too
    };

    // The whole analysis from the stored assignments and Enabled flags. cData
    // is emptied first; a stop of the first refractor leaves it with two empty
    // entries (one warning), a stop of the second keeps the first's results.
    // Nothing throws out of it: an exception becomes a warning.
    Outcome buildProfiles();

    // Shifts of the other shots onto the reference lines of f and r, and the
    // forward and reverse composite curves of layer L with their lines.
    void buildPhantoms(uint32_t L, uint32_t f, uint32_t r);
    // The larger of the forward line at r's x and the reverse line at f's x;
    // stored as TAB of both phantoms of layer L.
    double computeReciprocalTime(uint32_t L, uint32_t f, uint32_t r);
    // Mean of |1/slope| over every shot side with at least two picked layer-1
    // receivers (enabled or not); NaN when no side qualifies.
    double computeOverburdenVelocity(uint32_t layer = 1);

    // The offset rows and their mean; false (one warning, both emptied) when
    // no row could be evaluated.
    bool computeTv(uint32_t L, double TAB, std::vector<double>& tV, Rows& tVs);
    bool computeTg(uint32_t L, double TAB, const std::vector<double>& tV, std::vector<double>& tG,
                   Rows& tGs);
    // Slope of tV over 4 m centred on each station, shortened at the line
    // ends, then smoothed; falls back to 1/slope of a line fit (with a
    // warning) when a value is not positive or they vary more than 4 times.
    std::vector<double> computeVelocityProfile(std::vector<double> tV);
    // Depth 0 where tG is not above 0, or where the velocity is not above the
    // one above it (one warning each per build).
    std::vector<double> computeDepthFromTg(std::vector<double> tG, std::vector<double> V, double V1,
                                           uint32_t edge);
    std::vector<double> computeSecondLayerDepth(std::vector<double> tG3, std::vector<double> z1,
                                                std::vector<double> V2, std::vector<double> V3,
                                                double V1, uint32_t edge);

    static double evalPhantomSpline(const refractionDataStructure::phantom& phantom, double x);
    static double interpolateTv(double x, const std::vector<double>& tV,
                                const std::vector<Point2D>& stations);

    // The result plots' curves from the stored results: V1, v2 (and v3);
    // the refractor, the ground (and the second refractor) at the stations
    // where the first depth is above 0.
    static std::vector<RefractionCurve> velocityCurves(const refractionDataStructure& data,
                                                       bool withLayer3);
    static std::vector<RefractionCurve> profileCurves(const refractionDataStructure& data,
                                                      bool withLayer3);

private:
    bool referenceBranchUsable(uint32_t L, uint32_t shot, bool forwardSide);
    void buildSide(uint32_t L, uint32_t reference, bool forwardSide);
    using OffsetRow = std::function<std::vector<double>(double XY, const Splines::Spline& A,
                                                        const Splines::Spline& R,
                                                        const std::vector<Point2D>& stations)>;
    // The nine offset rows through the phantoms' interpolants, and their mean.
    bool offsetRows(uint32_t L, const char* function, const char* header, const OffsetRow& rowAt,
                    Rows& rows, std::vector<double>& mean);
    bool averageRows(uint32_t L, const char* function, Rows& rows, std::vector<double>& mean);
    void warnVelocityOrder();
    void resetResults();
    Outcome run();

    const TomoDocument& document;
    refractionDataStructure& data;
    WarningSink warn;
    Logger* logger;
    bool velocityOrderWarned = false;
};
