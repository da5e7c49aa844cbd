#pragma once
// The survey in memory. Move-only: it owns its grid and splines, and the
// window replaces it whole (document = TomoDocument(logger)).

#include "rawtrace.h"
#include "records.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Logger;
class Grid;
struct refractionDataStructure;
namespace Splines
{
class LinearSpline;
class BesselSpline;
} // namespace Splines

class TomoDocument
{
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

    // Seismic loading. Result codes: see SeismicResult in rawtrace.h. What a
    // reader has to say of a file (traces left out at a cut, several records
    // loaded as one shot, why it was refused) is logged at level 1 after the path.
    int loadSeismicFiles(QStringList files);
    int loadSeismicFile(std::string path);
    int loadSeismicFilePair(std::string sxPath, std::string dxPath, double shotX, double shotZ,
                            int spreadIndex);

    // Automatic picking. Picks trace traceIndex of shot setIndex with
    // energyRatioPick (autopick.h) on its filtered or its recorded samples and
    // stores the pick's time from the shot, delay + sample index x sample
    // interval (s), in the shot's ttMisurati; 0.0 (not picked) when there is no
    // pick or it lies at or before the shot. A two-polarity trace first gets
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
    // trace set and computed times of 0. On failure reason (when given) says
    // why, for the user's message.
    int loadTravelTimes(std::string path, std::string* reason = nullptr);
    // ---- Survey set-up ----
    // One TravelTime per trace set (appended), and every new spread. The shot
    // is the source of the set's last trace; spreads match by exact receiver x.
    void buildTravelTimes();
    // Merges receivers, then shots, into the topography points (x unique and
    // ascending, the first elevation met wins), sets xShift = 1 - smallest x
    // and proposes a cell of a quarter of the smallest receiver spacing,
    // rounded to the centimetre. Returns the profile length (m): largest x -
    // smallest x + 2. With no position at all it returns 0.0 and changes
    // nothing else; with no spacing it proposes nothing.
    double prepareProfile();
    // Shifts the topography points by xShift, builds the topography spline
    // and a grid with the built-in depth model under it. Spline, points and
    // grid are installed together only when the grid has cells, and then the
    // results of an earlier inversion are cleared (resetTomographyResults);
    // otherwise all stay as they were, a level-1 line is logged and the result
    // is false. Call prepareProfile first: the points are shifted every time.
    bool createGrid(uint32_t columns, uint32_t rows, double cellSide, uint32_t nodesPerSide);
    // Rebuilds the shifted topography points and the topography spline from
    // the spreads and shots (after a project is opened); the grid stays.
    void buildTopography();
    // A new starting model: no inversion result, RMSE -1, no ray paths and
    // every computed time 0.0 (the vectors keep their length).
    void resetTomographyResults();

    // ---- Ray tracing ----
    // Traces the rays of every shot through the current grid on
    // hardware-concurrency threads: rayPaths (shot by shot, receiver by
    // receiver) and every ttCalcolati; coorcount and rayDensity are zeroed.
    // Shots that do not fit the grid are skipped with a level-1 line and get
    // times 0.0. Without a grid with cells: a level-1 line and nothing changes.
    void computeRayPaths();

    // ---- Inversion ----
    // One external iteration: rays, solverIterations slowness updates along
    // them, the model smoothing (type 0 uniform, 1 linear, 2 Gaussian, 3 ray
    // based, others uniform; window half-width `smoothing` cells, at least
    // 1), then the smoothed slowness written into the grid (Grid::setModel),
    // has_tomographic_info and the coverage. Returns the smoothed slowness
    // (s/m per cell). Refused with a level-1 line and an empty result, the
    // grid kept, when there is no grid with cells or no topography, or when
    // the grid refuses the smoothed model.
    // ttCalcolati then hold the times along the iteration's rays before its
    // last update: trace again (computeRayPaths) before reporting a misfit.
    std::vector<double> runTomography(int solverIterations, int smoothing, bool multithread,
                                      bool symmetric, int smoothingType);
    // The same on max(1, threads) threads; `multithread` above means all the
    // hardware's threads, else one.
    std::vector<double> runTomographyOnThreads(unsigned threads, int solverIterations,
                                               int smoothing, bool symmetric, int smoothingType);
    // The same without writing the model into the grid, on max(1, threads)
    // threads.
    std::vector<double> runTomography_fast(int threads, int solverIterations, int smoothing,
                                           bool symmetric, int smoothingType);
    // One solver update of every cell's slowness from the per-cell sums of
    // (residual / ray length) x segment length and of segment length: a
    // velocity change of at most -40 % / +40 %, then the minVelocity clamp,
    // then the maxVelocity clamp (which wins when they cross). A change to a
    // non-positive or undefined velocity is dropped. Counts the update in
    // rayDensity for every cell a ray crossed. Returns the cells' slowness.
    std::vector<double> updateSlowness(const std::vector<double>& coorslow,
                                       const std::vector<double>& coorcount);
    // to_be_draw from rayDensity: in every column the deepest crossed cell and
    // the cells above it down from row 1 (row 0 keeps its flag); then
    // coverageBottom through those cells' centres (profile x, depth) when
    // there are 2 or more; otherwise coverageBottom stays as it was.
    void computeCoverage();
    // coverageBottom from the stored to_be_draw flags, as computeCoverage.
    void computeCoverageBottom();
    // Sizes info_density to the cell count, new entries -1.0 (no value).
    void resetInfoDensity();

    // ---- Smoothing (window: rows +-floor(n f), columns +-n; f is 1.0 for
    // symmetric smoothing, else 0.7; n < 1 is refused) ----
    // Model smoothing of the cells' slowness; n < 1 returns it unchanged.
    std::vector<double> uniformSmoothing(int n, double f) const;
    std::vector<double> linearSmoothing(int n, double f) const;
    std::vector<double> gaussianSmoothing(int n, double f) const;
    std::vector<double> rayBasedSmoothing(int n, double f) const;
    // Information density from rayDensity. When rayDensity has fewer entries
    // than the grid has cells, or n < 1: -1.0 (no value) everywhere and a
    // level-1 line.
    std::vector<double> uniformRayDensitySmoothing(int n, double f) const;
    std::vector<double> linearRayDensitySmoothing(int n, double f) const;
    std::vector<double> gaussianRayDensitySmoothing(int n, double f) const;
    std::vector<double> rayBasedRayDensitySmoothing(int n, double f) const;
    // info_density by the kernel of `type` (others: uniform).
    void applySmoothing(bool symmetric, int type, int n);

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
