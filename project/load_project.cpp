#include "load_project.h"

#include "grid.h"
#include "logger.h"
#include "palettefile.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "splitstring.h"
#include "surveyrules.h"
#include "tomodocument.h"
#include "workfolder.h"
#include "xmlarchive.h"
#include "xmlstream.h"

#include <cereal/types/string.hpp>
#include <cereal/types/vector.hpp>

#include <QFileInfo>
#include <QLockFile>
#include <QMetaObject>
#include <QStringList>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <iostream>
#include <set>
#include <sstream>

using cereal::make_nvp;

namespace
{
// Reads an element that older files may lack. A missing one takes its
// default with a message; a present one that cannot be read fails the file:
// cereal would stay inside it, and every later element would look missing.
template <typename T>
bool readOptional(cereal::XMLInputArchive& archive, const std::vector<std::string>& names,
                  const char* name, T& value, const char* message)
{
    if (contains(names, name)) {
        archive(make_nvp(name, value));
        return true;
    }
    // Absent, so the lookup throws before it enters anything; its text says
    // which element was missing.
    try {
        archive(make_nvp(name, value));
    } catch (const cereal::Exception& e) {
        if (message)
            std::cerr << e.what() << message << std::endl;
    }
    return false;
}

void logError(const TomoDocument* document, const std::string& text)
{
    if (document && document->logger)
        document->logger->writeLog(text, 1);
    else
        std::cerr << text << std::endl;
}

// The number of cells grid.xml beside path holds velocities for (0 when
// there is none): the bound of info_density, which tomodoc.xml holds.
uint64_t gridCellsBeside(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    XmlPullReader xml((slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
                      "grid.xml");
    uint64_t cells = 0;
    bool inside = false;
    for (;;) {
        const XmlPullReader::Event event = xml.next();
        if (event == XmlPullReader::Error || event == XmlPullReader::EndOfDocument)
            return cells;
        if (event == XmlPullReader::StartElement) {
            if (xml.depth() == 2)
                inside = xml.name() == "velocities";
            else if (xml.depth() == 3 && inside)
                ++cells;
        } else if (xml.depth() == 1 && inside) {
            return cells;
        }
    }
}

// The lists of tomodoc.xml against each other, before cereal reads a value:
// a record's time lists against its spread, info_density against the grid.
struct DocumentOutline {
    struct Record {
        uint64_t spread = UINT64_MAX;
        uint64_t measured = 0, computed = 0;
    };
    std::vector<uint64_t> receivers; // per spread
    std::vector<Record> records;
    Record current;
    uint64_t densities = 0;
    bool results = false;
    // With tomography results info_density holds a value per cell of the
    // grid beside it. Without, it may be left from an earlier grid of the
    // survey: then only a cap far above any grid the ray tracer can handle.
    uint64_t gridCells = 0;
    static constexpr uint64_t densityCap = uint64_t(1) << 20;

    XmlOutline outline()
    {
        XmlOutline o;
        o.element = [this](const std::vector<std::string>& path, size_t children,
                           const std::string& text) {
            if (path[0] == "goephonesStringSet" && path.size() == 2)
                receivers.push_back(children);
            else if (path[0] == "info_density" && path.size() == 1)
                densities = children;
            else if (path[0] == "has_tomographic_info" && path.size() == 1)
                results = text == "true";
            else if (path[0] == "ttArray" && path.size() == 2) {
                records.push_back(current);
                current = Record();
            } else if (path[0] == "ttArray" && path.size() == 3) {
                if (path[2] == "indexStesa" && !parseExactCount(text, current.spread))
                    current.spread = UINT64_MAX;
                else if (path[2] == "ttMisurati")
                    current.measured = children;
                else if (path[2] == "ttCalcolati")
                    current.computed = children;
            }
        };
        o.verdict = [this]() -> std::string {
            for (size_t i = 0; i < records.size(); ++i) {
                const Record& r = records[i];
                if (r.spread >= receivers.size())
                    continue; // told, with the spread's number, once the file is read
                if (r.measured != receivers[r.spread] || r.computed != receivers[r.spread])
                    return "record " + std::to_string(i) +
                           " has times for another number of receivers than its spread";
            }
            const uint64_t bound =
                results ? std::max<uint64_t>(gridCells, 1) : std::max(gridCells, densityCap);
            if (densities > bound)
                return "info_density holds " + std::to_string(densities) +
                       " values for a grid of " + std::to_string(gridCells) + " cells";
            return {};
        };
        return o;
    }
};

// Reads a sequence of flags that must each be written "true" or "false";
// cereal's own reading takes anything else for false.
std::vector<bool> readFlags(cereal::XMLInputArchive& archive, const char* name)
{
    archive.setNextName(name);
    archive.startNode();
    size_t count = 0;
    archive.loadSize(count);
    std::vector<bool> flags;
    flags.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        std::string text;
        archive(text);
        if (text != "true" && text != "false")
            throw std::runtime_error(std::string(name) + " " + std::to_string(i) + " is \"" + text +
                                     "\", neither true nor false");
        flags.push_back(text == "true");
    }
    archive.finishNode();
    return flags;
}

// The archive reads any other text of a bool as false without a word: the
// "enabled" flags are looked at as the file has them.
std::string enabledFlagsProblem(const std::string& path)
{
    XmlPullReader xml(path);
    for (;;) {
        switch (xml.next()) {
        case XmlPullReader::EndElement:
            if (xml.name() == "enabled" && xml.text() != "true" && xml.text() != "false")
                return "a shot's enabled flag is \"" + xml.text() + "\", neither true nor false";
            break;
        case XmlPullReader::StartElement:
            break;
        default:
            return {};
        }
    }
}

// The grid's edges join nodes up to its whole extent apart, and an edge's
// weight is its length times the cell's slowness: both must stay finite.
std::string gridWeightsProblem(const TomoDocument& document, uint32_t rows, uint32_t columns,
                               double side, const std::vector<double>& slowness)
{
    double elevation = 0.0;
    for (const std::vector<Point2D>& spread : document.goephonesStringSet)
        for (const Point2D& p : spread)
            elevation = std::max({elevation, std::abs(p.x), std::abs(p.z)});
    for (const TravelTime& t : document.ttArray)
        elevation = std::max({elevation, std::abs(t.shotPos2d.x), std::abs(t.shotPos2d.z)});
    const double extent = (double(rows) + double(columns) + 2.0) * side + 2.0 * elevation;
    double slowest = 0.0;
    for (double s : slowness)
        slowest = std::max(slowest, s);
    // Far below the largest double, so that squares and sums of lengths and
    // the weights all stay finite.
    const double limit = 1e150;
    if (!(extent < limit) || !(extent * slowest < limit)) {
        std::ostringstream text;
        text << "cells of aLato " << side << " m give edge travel times that are not finite";
        return text.str();
    }
    return {};
}

} // namespace

// What "traces.xml" says about the shot files.
struct projectReader::SavedTraces {
    std::vector<std::string> filenames, filenamesDX, filenamesSX;
    std::vector<double> shotPos;
    int waveType = Trace::NotLoaded;
    std::vector<TraceSet> sets;
};

projectReader::projectReader(QObject* parent) : QObject(parent) {}

int projectReader::noteFailure(const std::string& reason)
{
    if (failure.empty())
        failure = reason;
    return 1;
}
projectReader::~projectReader() = default;

std::unique_ptr<WorkFolder> projectReader::takeWorkFolder()
{
    return std::move(folder);
}

int projectReader::loadTomoDocument_XML(std::string path, TomoDocument* document)
{
    TomoDocument read;
    DocumentOutline lists;
    lists.gridCells = gridCellsBeside(path);
    const XmlOutline outline = lists.outline();
    std::string reason;
    const int result = readXmlArchive(
        path, "TomoDocument",
        [&](cereal::XMLInputArchive& archive) {
            const std::vector<std::string> names = childNames(archive);
            archive(make_nvp("goephonesStringSet", read.goephonesStringSet),
                    make_nvp("ttArray", read.ttArray));
            readOptional(archive, names, "has_tomographic_info", read.has_tomographic_info,
                         "Flag [has_tomographic_info] unknown. Set to FALSE by default.");
            const bool hasReference = readOptional(archive, names, "geoCoord", read.geoCoord,
                                                   "Variable [geoCoord] unknown. Set to  default.");
            readOptional(archive, names, "geoCoord_isSet", read.geoCoord_isSet,
                         "Variable [geoCoord_isSet] unknown. Set to  default.");
            if (!hasReference)
                read.geoCoord_isSet = false;
            readOptional(archive, names, "RMSE_tomography", read.RMSE_tomography,
                         "Variable [RMSE_tomography] unknown. Set to  default.");
            if (!readOptional(archive, names, "info_density", read.info_density,
                              "Variable [info_density] unknown. Set to  default."))
                read.info_density.assign(1, 1.0);
            readOptional(archive, names, "title", read.title, nullptr);

            // Records that point past the spreads, whose time lists do not match
            // their spread, or positions and times that are not numbers would
            // crash the views and the ray tracer, or lose the grid.
            const std::string problem = surveyProblem(read.goephonesStringSet, read.ttArray);
            if (!problem.empty())
                throw std::runtime_error(problem);
        },
        AfterRead::Delete, &outline, &reason);
    if (result != 0)
        return noteFailure("tomodoc.xml: " + reason);
    document->goephonesStringSet = std::move(read.goephonesStringSet);
    document->ttArray = std::move(read.ttArray);
    document->has_tomographic_info = read.has_tomographic_info;
    document->geoCoord = read.geoCoord;
    document->geoCoord_isSet = read.geoCoord_isSet;
    document->RMSE_tomography = read.RMSE_tomography;
    document->info_density = std::move(read.info_density);
    document->title = std::move(read.title);
    return 0;
}

int projectReader::loadTomoDocumentGrid_XML(std::string path, const TomoDocument* document,
                                            Grid* grid, std::vector<double>* velocities,
                                            std::vector<bool>* toBeDraw)
{
    uint32_t righe = 0, col = 0, nV = 0;
    double aLato = 0.0;
    std::vector<double> slowness;
    std::vector<bool> covered;
    // The counts size the grid's allocations: the lists must match them
    // before a value is parsed.
    std::string rows, columns;
    uint64_t velocityCount = 0, flagCount = 0;
    XmlOutline outline;
    outline.element = [&](const std::vector<std::string>& names, size_t children,
                          const std::string& text) {
        if (names.size() != 1)
            return;
        if (names[0] == "righe")
            rows = text;
        else if (names[0] == "col")
            columns = text;
        else if (names[0] == "velocities")
            velocityCount = children;
        else if (names[0] == "to_be_draw")
            flagCount = children;
    };
    outline.verdict = [&]() -> std::string {
        uint64_t r = 0, c = 0;
        if (!parseExactCount(rows, r) || !parseExactCount(columns, c) || r > UINT32_MAX ||
            c > UINT32_MAX)
            return velocityCount == 0 && flagCount == 0 ? "" : "righe and col are not counts";
        if (r * c != velocityCount || r * c != flagCount)
            return std::to_string(r) + " x " + std::to_string(c) + " cells, but " +
                   std::to_string(velocityCount) + " velocities and " + std::to_string(flagCount) +
                   " to_be_draw";
        return {};
    };
    std::string reason;
    const int result = readXmlArchive(
        path, "Grid",
        [&](cereal::XMLInputArchive& archive) {
            archive(make_nvp("righe", righe), make_nvp("col", col), make_nvp("nV", nV),
                    make_nvp("aLato", aLato), make_nvp("velocities", slowness));
            covered = readFlags(archive, "to_be_draw");
            const bool empty = righe == 0 && col == 0 && nV == 0 && aLato == 0.0 &&
                               slowness.empty() && covered.empty();
            if (empty) {
                if (document->has_tomographic_info)
                    throw std::runtime_error("tomography results without a grid");
                return;
            }
            // The counts size the grid's allocations: nothing in them is trusted.
            const uint64_t cells = uint64_t(righe) * uint64_t(col);
            if (cells != slowness.size() || cells != covered.size())
                throw std::runtime_error(std::to_string(righe) + " x " + std::to_string(col) +
                                         " cells, but " + std::to_string(slowness.size()) +
                                         " velocities and " + std::to_string(covered.size()) +
                                         " to_be_draw");
            if (nV < 2 || nV > 99)
                throw std::runtime_error("nV " + std::to_string(nV) + " outside 2 to 99");
            if (!std::isfinite(aLato) || aLato <= 0.0)
                throw std::runtime_error("aLato is not a positive length");
            for (double s : slowness)
                if (!std::isfinite(s) || s <= 0.0)
                    throw std::runtime_error("a cell's slowness is not a positive number");
            const std::string weights = gridWeightsProblem(*document, righe, col, aLato, slowness);
            if (!weights.empty())
                throw std::runtime_error(weights);
        },
        AfterRead::Delete, &outline, &reason);
    if (result != 0)
        return noteFailure("grid.xml: " + reason);
    grid->righe = righe;
    grid->col = col;
    grid->nV = nV;
    grid->aLato = aLato;
    *velocities = std::move(slowness);
    *toBeDraw = std::move(covered);
    return 0;
}

// traces.xml in one pass through a fixed buffer: it holds every filtered
// sample of the survey, too much to hold as text and document besides.
// Named elements are found in any order, as cereal finds them; the items of
// a sequence are its child elements, whatever their names. Empty on
// success, else the reason.
std::string projectReader::readTraces(const std::string& path, SavedTraces& read)
{
    XmlPullReader xml(path);
    std::string problem;
    const auto fail = [&](const std::string& why) {
        if (problem.empty())
            problem = why;
        return false;
    };
    const auto expectEnd = [&]() {
        // After a leaf's start: its end, with the text.
        const XmlPullReader::Event event = xml.next();
        if (event == XmlPullReader::Error)
            return fail(xml.error());
        if (event != XmlPullReader::EndElement)
            return fail("<" + xml.name() + "> inside a value");
        return true;
    };
    // The items of the sequence just started, each handed to item().
    const auto items = [&](const auto& item) {
        for (;;) {
            const XmlPullReader::Event event = xml.next();
            if (event == XmlPullReader::EndElement)
                return true;
            if (event != XmlPullReader::StartElement)
                return fail(event == XmlPullReader::Error ? xml.error() : "the file ends early");
            if (!item())
                return false;
        }
    };
    const auto doubles = [&](std::vector<double>& into, const std::string& what) {
        return items([&] {
            double value = 0.0;
            if (!expectEnd())
                return false;
            if (!parseExactCDouble(xml.text(), value))
                return fail(what + " holds \"" + xml.text() + "\", which is not a number");
            into.push_back(value);
            return true;
        });
    };
    const auto strings = [&](std::vector<std::string>& into) {
        return items([&] {
            if (!expectEnd())
                return false;
            into.push_back(xml.text());
            return true;
        });
    };

    if (xml.next() != XmlPullReader::StartElement)
        return xml.error().empty() ? "no root element" : xml.error();
    std::set<std::string> seen;
    bool ok = true;
    while (ok) {
        const XmlPullReader::Event event = xml.next();
        if (event == XmlPullReader::EndElement)
            break;
        if (event != XmlPullReader::StartElement) {
            fail(event == XmlPullReader::Error ? xml.error() : "the file ends early");
            break;
        }
        const std::string name = xml.name();
        if (name != "traceSet" && !seen.insert(name).second) {
            fail("<" + name + "> is there twice");
            break;
        }
        if (name == "filenames")
            ok = strings(read.filenames);
        else if (name == "filenames_DX")
            ok = strings(read.filenamesDX);
        else if (name == "filenames_SX")
            ok = strings(read.filenamesSX);
        else if (name == "shot_pos")
            ok = doubles(read.shotPos, "shot_pos");
        else if (name == "wave_type") {
            ok = expectEnd();
            int32_t type = 0;
            const std::string& text = xml.text();
            if (!parseExactInt32(text, type) && ok)
                ok = fail("wave_type \"" + text + "\" is not a number");
            read.waveType = type;
        } else if (name == "traceSet") {
            read.sets.emplace_back();
            std::vector<Trace>& traces = read.sets.back().traces;
            ok = items([&] {
                // One trace: its "filtered" list, other children skipped.
                traces.emplace_back();
                bool filtered = false;
                return items([&] {
                    if (xml.name() != "filtered" || filtered)
                        return xml.skipElement() == XmlPullReader::EndElement || fail(xml.error());
                    filtered = true;
                    return doubles(traces.back().filtered, "a filtered trace");
                });
            });
        } else {
            ok = xml.skipElement() == XmlPullReader::EndElement || fail(xml.error());
        }
    }
    if (problem.empty() && xml.next() != XmlPullReader::EndOfDocument)
        fail(xml.error().empty() ? "more after the root element" : xml.error());
    if (!problem.empty())
        return problem;
    if (seen.count("filenames") == 0)
        return "no <filenames>";

    // Files older than 2019.1 hold neither the two-polarity lists nor the
    // wave type; what is present before the first missing one is kept.
    bool complete = true;
    for (const char* name : {"filenames_DX", "filenames_SX", "wave_type", "shot_pos"}) {
        complete = complete && seen.count(name) != 0;
        if (complete)
            continue;
        if (std::strcmp(name, "filenames_DX") == 0)
            read.filenamesDX.clear();
        else if (std::strcmp(name, "filenames_SX") == 0)
            read.filenamesSX.clear();
        else if (std::strcmp(name, "shot_pos") == 0)
            read.shotPos.clear();
    }
    if (!complete) {
        std::cerr << "[No DX and SX filenames.] This is a project saved before version 2019.1"
                  << std::endl;
        read.waveType = Trace::Ordinary;
    }
    const size_t found = read.sets.size();
    const size_t shots = seen.count("shot_pos") ? read.shotPos.size() : read.filenames.size();
    read.sets.resize(std::max(found, shots));
    if (found < shots)
        std::cerr << "[No filtered traces] This is a project saved before version 2019.1"
                  << std::endl;
    return {};
}

int projectReader::loadTomoDocumentTraces_XML(std::string path, std::vector<std::string>* filenames,
                                              std::vector<std::string>* filenamesDX,
                                              std::vector<std::string>* filenamesSX,
                                              std::vector<double>* shotPos, int* waveType,
                                              std::vector<TraceSet>* savedSets)
{
    SavedTraces read;
    const std::string problem = readTraces(path, read);
    if (!problem.empty()) {
        std::string reason;
        readFailed(path, "Traces", problem, &reason);
        return noteFailure("traces.xml: " + reason);
    }
    std::remove(path.c_str());
    *filenames = std::move(read.filenames);
    *filenamesDX = std::move(read.filenamesDX);
    *filenamesSX = std::move(read.filenamesSX);
    *shotPos = std::move(read.shotPos);
    *waveType = read.waveType;
    *savedSets = std::move(read.sets);
    return 0;
}

int projectReader::loadPalettes_XML(std::string path, ColorPaletteList* palettes)
{
    std::vector<ColorPalette> read;
    const int result = readXmlArchive(path, "Palettes", [&](cereal::XMLInputArchive& archive) {
        // The count and the current palette are derived: the window keeps its own.
        int count = 0, current = 0;
        archive(make_nvp("n_palettes", count), make_nvp("curr_palette", current));
        archive.setNextName("palettes");
        archive.startNode();
        size_t n = 0;
        archive.loadSize(n);
        read.resize(n);
        for (ColorPalette& palette : read) {
            archive.startNode();
            loadPaletteRecord(palette, archive);
            archive.finishNode();
        }
        archive.finishNode();
    });
    if (result != 0)
        return result;
    // The built-in palettes are in the window's list already.
    for (ColorPalette& palette : read)
        if (palette.is_editable)
            palettes->palettes.push_back(std::move(palette));
    return 0;
}

int projectReader::loadRefraction_XML(std::string path, refractionDataStructure* refraction)
{
    refractionDataStructure read(refraction->document);
    std::string reason;
    const int result = readXmlArchive(
        path, "Refraction data",
        [&](cereal::XMLInputArchive& archive) {
            archive(make_nvp("ttLayer", read.ttLayer), make_nvp("phnt_A", read.phnt_A),
                    make_nvp("phnt_R", read.phnt_R), make_nvp("refractData", read.refractData));
        },
        AfterRead::Keep, nullptr, &reason);
    if (result != 0)
        return noteFailure("refraction.xml: " + reason);
    std::string problem;
    if (!refraction->document || !fitsDocument(read, *refraction->document))
        problem = "their records and stations do not fit the survey";
    else
        problem = refractionValuesProblem(read, *refraction->document);
    if (problem.empty())
        problem = enabledFlagsProblem(path);
    if (!problem.empty()) {
        logError(refraction->document, "The refraction data of the project do not fit its survey "
                                       "and are reset (" +
                                           problem + "): " + path);
        if (refraction->document)
            refraction->resetFromDocument();
        warnings.push_back(problem);
        return 0;
    }
    refraction->phnt_A = std::move(read.phnt_A);
    refraction->phnt_R = std::move(read.phnt_R);
    refraction->refractData = std::move(read.refractData);
    refraction->ttLayer = std::move(read.ttLayer);
    return 0;
}

int projectReader::loadProject(std::string projectFile, std::string tempRoot,
                               TomoDocument* document, Grid* grid, std::vector<double>* velocities,
                               std::vector<bool>* toBeDraw, refractionDataStructure* refraction,
                               ColorPaletteList* palettes)
{
    status = 1;
    failure.clear();
    warnings.clear();
    status =
        runLoad(projectFile, tempRoot, document, grid, velocities, toBeDraw, refraction, palettes);
    if (status == 3)
        noteFailure("a shot file has a format the program does not read");
    else if (status != 0)
        noteFailure("the project cannot be read");
    return status;
}

int projectReader::runLoad(const std::string& projectFile, const std::string& tempRoot,
                           TomoDocument* document, Grid* grid, std::vector<double>* velocities,
                           std::vector<bool>* toBeDraw, refractionDataStructure* refraction,
                           ColorPaletteList* palettes)
{
    // What a killed save of this project left beside it, unless a running
    // process is saving it now.
    if (const std::unique_ptr<QLockFile> lock = lockProjectFile(projectFile))
        removeSaveLeftovers(projectFile);
    folder.reset();
    removeUnusedWorkFolders(tempRoot);
    folder = WorkFolder::create(tempRoot);
    if (!folder) {
        std::cerr << "[ERROR] No temporary folder in " << tempRoot << std::endl;
        noteFailure("no temporary folder can be made in " + tempRoot);
        emit error_read_compressed();
        return 1;
    }
    const std::string dir = folder->path();

    if (read_ZIP(projectFile, dir) != 0) {
        std::cerr << "[ERROR] While extracting " << projectFile << std::endl;
        emit error_read_compressed();
        return 1;
    }
    emit read_compressed();

    // Without the survey, the grid or the shot list the project cannot be
    // opened: a later save would write the loss over the project.
    if (loadTomoDocument_XML(dir + "tomodoc.xml", document) != 0) {
        emit error_read_tomo_xml();
        return 1;
    }
    emit read_tomo_xml();

    if (loadTomoDocumentGrid_XML(dir + "grid.xml", document, grid, velocities, toBeDraw) != 0) {
        emit error_read_grid();
        return 1;
    }
    emit read_grid();

    SavedTraces saved;
    if (loadTomoDocumentTraces_XML(dir + "traces.xml", &saved.filenames, &saved.filenamesDX,
                                   &saved.filenamesSX, &saved.shotPos, &saved.waveType,
                                   &saved.sets) != 0) {
        emit error_read_traces();
        return 1;
    }
    emit read_traces();

    // The built-in palettes are enough to go on with.
    if (loadPalettes_XML(dir + "palettes.xml", palettes) != 0)
        emit error_read_palettes();
    else
        emit read_palettes();

    const int reloaded = reloadShots(dir, document, saved);
    if (reloaded != 0)
        return reloaded;

    const std::string refractionFile = dir + "refraction.xml";
    if (QFileInfo::exists(QString::fromStdString(refractionFile))) {
        refractionDataStructure unused(document);
        return loadRefraction_XML(refractionFile, refraction ? refraction : &unused);
    }
    return 0;
}

int projectReader::reloadShots(const std::string& dir, TomoDocument* document, SavedTraces& saved)
{
    // Names come from the file: each must be one of the files just extracted,
    // never a path that leads elsewhere (or to a device that blocks).
    for (const auto* names : {&saved.filenames, &saved.filenamesDX, &saved.filenamesSX})
        for (const std::string& name : *names) {
            const QFileInfo file(QString::fromStdString(dir + name));
            if (!isPlainFileName(name) || !file.isFile() || file.isSymLink()) {
                std::cerr << "[ERROR] The project names a shot file it does not hold: " << name
                          << std::endl;
                return noteFailure("the project names a shot file it does not hold: " + name);
            }
        }

    if (saved.waveType == Trace::Ordinary) {
        QStringList files;
        for (const std::string& name : saved.filenames)
            files << QString::fromStdString(dir + name);
        const int code = document->loadSeismicFiles(files);
        if (code != 0) {
            noteFailure(code == 3 ? "a shot file has a format the program does not read"
                                  : "a shot file of the project cannot be read");
            return code;
        }
        // Copy the saved filtered samples where sets and traces match.
        const size_t sets = std::min(document->traceSets.size(), saved.sets.size());
        for (size_t i = 0; i < sets; ++i) {
            TraceSet& set = document->traceSets[i];
            std::vector<Trace>& from = saved.sets[i].traces;
            for (size_t j = 0; j < std::min(set.traces.size(), from.size()); ++j) {
                set.traces[j].filtered = std::move(from[j].filtered);
                set.hasFiltered = set.hasFiltered || !set.traces[j].filtered.empty();
            }
        }
    } else {
        if (saved.filenamesSX.size() != saved.filenamesDX.size() ||
            saved.shotPos.size() != saved.filenamesDX.size()) {
            std::cerr << "[ERROR] The project's two-polarity file lists differ in length"
                      << std::endl;
            return noteFailure("the project's two-polarity file lists differ in length");
        }
        // No spread: the project's own records describe the shots.
        for (size_t i = 0; i < saved.filenamesDX.size(); ++i)
            if (document->loadSeismicFilePair(dir + saved.filenamesSX[i],
                                              dir + saved.filenamesDX[i], saved.shotPos[i], DBL_MAX,
                                              INT_MAX) != 0) {
                std::cerr << "[ERROR] Error while loading " << saved.filenamesSX[i] << " and "
                          << saved.filenamesDX[i] << std::endl;
                return noteFailure("the shot files " + saved.filenamesSX[i] + " and " +
                                   saved.filenamesDX[i] + " cannot be read");
            }
    }

    for (size_t i = 0; i < document->ttArray.size(); ++i) {
        const uint32_t set = document->ttArray[i].traceSetID;
        if (set != TravelTime::NoTraceSet && set >= document->traceSets.size()) {
            std::cerr << "[ERROR] Record " << i << " names trace set " << set << " of "
                      << document->traceSets.size() << std::endl;
            return noteFailure("record " + std::to_string(i) + " names trace set " +
                               std::to_string(set) + " of " +
                               std::to_string(document->traceSets.size()));
        }
    }
    return 0;
}

namespace
{
// Runs one open on the worker thread. An exception would end the program
// there: it ends the open instead, with status 1. Whatever the path, the
// log dialog is told to close at the end.
template <typename Open> void runGuarded(projectReader* reader, QObject* dialog, Open open)
{
    try {
        open();
    } catch (const std::exception& e) {
        std::cerr << "[ERROR] The project has not been opened: " << e.what() << std::endl;
        reader->failure = e.what();
        reader->status = 1;
    } catch (...) {
        reader->status = 1;
    }
    if (dialog)
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}
} // namespace

int loadProjectThreadEntry(projectReader* reader, std::string projectFile, std::string tempRoot,
                           TomoDocument* document, Grid* grid, std::vector<double>* velocities,
                           std::vector<bool>* toBeDraw, refractionDataStructure* refraction,
                           ColorPaletteList* palettes, QObject* dialog)
{
    int result = 1;
    runGuarded(reader, dialog, [&] {
        result = reader->loadProject(projectFile, tempRoot, document, grid, velocities, toBeDraw,
                                     refraction, palettes);
    });
    return result;
}

OpenedProject::OpenedProject() = default;
OpenedProject::~OpenedProject() = default;
OpenedProject::OpenedProject(OpenedProject&&) noexcept = default;
OpenedProject& OpenedProject::operator=(OpenedProject&&) noexcept = default;

OpenedProject openProjectThreadEntry(projectReader* reader, std::string projectFile,
                                     std::string tempRoot, ColorPaletteList palettes,
                                     Logger* logger, QObject* dialog)
{
    OpenedProject opened;
    opened.palettes = std::move(palettes);
    runGuarded(reader, dialog, [&] {
        auto document = std::make_unique<TomoDocument>(logger);
        auto refraction = std::make_unique<refractionDataStructure>(document.get());
        Grid saved;
        std::vector<double> slowness;
        std::vector<bool> covered;
        if (reader->loadProject(projectFile, tempRoot, document.get(), &saved, &slowness, &covered,
                                refraction.get(), &opened.palettes) != 0)
            return;
        document->buildTopography();
        if (saved.righe != 0 && document->topography)
            document->grid = std::make_unique<Grid>(saved.righe, saved.col, saved.nV, saved.aLato,
                                                    std::move(slowness), std::move(covered),
                                                    *document->topography);
        if (document->has_tomographic_info) {
            document->resetInfoDensity();
            document->computeRayPaths();
        }
        if (refraction->phnt_A.empty())
            refraction.reset();
        opened.document = std::move(document);
        opened.refraction = std::move(refraction);
    });
    opened.status = reader->status;
    opened.failure = reader->failure;
    if (opened.status == 0)
        opened.warnings = reader->warnings;
    if (opened.status != 0) {
        opened.refraction.reset();
        opened.document.reset();
    }
    opened.folder = reader->takeWorkFolder();
    return opened;
}
