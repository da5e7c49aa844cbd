#pragma once
// The survey in memory. Move-only: it owns its grid and splines, and the
// window replaces it whole (document = TomoDocument(logger)).

#include "records.h"
#include "rawtrace.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Logger;
class Grid;
struct refractionDataStructure;
namespace Splines {
class LinearSpline;
class BesselSpline;
} // namespace Splines

class TomoDocument {
public:
    explicit TomoDocument(Logger* logger = nullptr);
    ~TomoDocument();
    TomoDocument(const TomoDocument&) = delete;
    TomoDocument& operator=(const TomoDocument&) = delete;
    TomoDocument(TomoDocument&&) noexcept;
    TomoDocument& operator=(TomoDocument&&) noexcept;

    // Indexed access; an index past the end throws std::out_of_range.
    std::vector<Point2D>& spreadAt(uint32_t i) { return goephonesStringSet.at(i); }
    const std::vector<Point2D>& spreadAt(uint32_t i) const { return goephonesStringSet.at(i); }
    TravelTime& travelTimeAt(uint32_t i) { return ttArray.at(i); }
    const TravelTime& travelTimeAt(uint32_t i) const { return ttArray.at(i); }

    // True when forward phantom i has a time above 0. Throws std::out_of_range
    // past the end of phnt_A; callers check the size first.
    bool shotHasPicks(const refractionDataStructure* refraction, uint8_t i) const;
    // False only when every receiver of every spread lies at one abscissa.
    bool hasGeometry() const;
    // Any measured value other than exactly 0.0 (rejected, unusable and NaN count).
    bool hasPicks() const;
    // More than half of all measured values are not 0.0 (integer division).
    bool mostlyPicked() const;
    // Empties the topography points only; the grid and the spline stay until
    // createGrid replaces them, so a cancelled grid dialog loses nothing.
    void clearTopographyPoints();
    // Measured time of one receiver of one shot (s). Either index past the end
    // throws std::out_of_range.
    void setPickTime(uint32_t shot, uint32_t receiver, double time);
    void setGeoCoord(double eastFirst, double eastLast, double northFirst, double northLast,
                     uint32_t epsg);

    // Seismic loading. Result codes: see SeismicResult in rawtrace.h.
    int loadSeismicFiles(QStringList files);
    int loadSeismicFile(std::string path);
    int loadSeismicFilePair(std::string sxPath, std::string dxPath, double shotX, double shotZ,
                            int spreadIndex);

    // Automatic picking. Picks trace traceIndex of shot setIndex with
    // energyRatioPick (autopick.h) on its filtered or its recorded samples and
    // stores sample index x sample interval (s) in the shot's ttMisurati, or 0.0
    // (not picked) when there is no pick. A two-polarity trace first gets
    // samples = DX - SX over the shorter of the two recordings. Returns the
    // sample index, or -1: no pick, or no trace sets or no such trace (both said
    // on standard error, nothing written). A set index past the end, or a record
    // without an entry for the trace, throws std::out_of_range.
    int autoPickTrace(uint32_t traceIndex, uint32_t setIndex, bool useFiltered);
    // Marks as rejected (-99.0) the picks of record shotIndex whose apparent
    // velocity |offset / t| is above 4500 m/s or below the threshold of its side
    // of the shot. Working outwards from the shot, each side's threshold starts
    // at 200 m/s and rises to half of every velocity accepted there. Unpicked
    // receivers away from the shot are rejected too. Each receiver's offset,
    // time and velocity go to standard output. A shot, spread or pick that does
    // not exist throws std::out_of_range.
    void rejectInconsistentPicks(uint32_t shotIndex);
    // Imports a travel-time file chosen by the exact-case extension of path:
    // ".otte", ".txt" (Geogiga), ".xyz"/".XYZ" (Winsism), ".csv"/".CSV" (";").
    // Result (TravelTimeResult): 0 read and merged; 1 the reader refused the
    // file (its reason logged as an error); 3 another extension (logged). The
    // document must be new; it changes only on 0, where every record has no
    // trace set and computed times of 0.
    int loadTravelTimes(std::string path);

    Logger* logger = nullptr;
    bool modified = false;
    bool has_tomographic_info = false;
    bool geoCoord_isSet = false;
    double xShift = 0.0;
    double minVelocity = 250.0;
    double maxVelocity = 3500.0;
    std::vector<double> topographyX;
    std::vector<double> topographyZ;
    geographicsCoord geoCoord;
    std::vector<std::vector<Point2D>> goephonesStringSet;
    std::vector<TraceSet> traceSets;
    std::vector<TravelTime> ttArray;
    double RMSE_tomography = -1.0;
    std::vector<double> info_density;
    std::string title;
    std::vector<std::vector<int>> rayPaths;
    std::vector<int> rayDensity;
    std::vector<double> coorcount;
    std::vector<double> cellSizes;
    std::vector<VelocityLayer> velocityLayers;
    std::unique_ptr<Grid> grid;
    std::unique_ptr<Splines::LinearSpline> topography;
    std::unique_ptr<Splines::BesselSpline> coverageBottom;
};
