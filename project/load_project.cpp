#include "load_project.h"

#include "grid.h"
#include "logger.h"
#include "palettefile.h"
#include "refractiondatastructure.h"
#include "tomodocument.h"
#include "workfolder.h"
#include "xmlarchive.h"

#include <cereal/types/string.hpp>
#include <cereal/types/vector.hpp>

#include <QFileInfo>
#include <QMetaObject>
#include <QStringList>

#include <cfloat>
#include <climits>
#include <cmath>
#include <iostream>

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

} // namespace

// What "traces.xml" says about the shot files.
struct projectReader::SavedTraces {
    std::vector<std::string> filenames, filenamesDX, filenamesSX;
    std::vector<double> shotPos;
    int waveType = Trace::NotLoaded;
    std::vector<TraceSet> sets;
};

projectReader::projectReader(QObject* parent) : QObject(parent) {}
projectReader::~projectReader() = default;

std::unique_ptr<WorkFolder> projectReader::takeWorkFolder()
{
    return std::move(folder);
}

int projectReader::loadTomoDocument_XML(std::string path, TomoDocument* document)
{
    TomoDocument read;
    const int result = readXmlArchive(path, "TomoDocument", [&](cereal::XMLInputArchive& archive) {
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

        // Records that point past the spreads, or whose time lists do not
        // match their spread, would crash the views and the ray tracer.
        for (size_t i = 0; i < read.ttArray.size(); ++i) {
            const TravelTime& tt = read.ttArray[i];
            if (tt.indexStesa >= read.goephonesStringSet.size())
                throw std::runtime_error("record " + std::to_string(i) + " names spread " +
                                         std::to_string(tt.indexStesa) + " of " +
                                         std::to_string(read.goephonesStringSet.size()));
            const size_t receivers = read.goephonesStringSet[tt.indexStesa].size();
            if (tt.ttMisurati.size() != receivers || tt.ttCalcolati.size() != receivers)
                throw std::runtime_error("record " + std::to_string(i) +
                                         " has times for another number of receivers than its "
                                         "spread");
        }
    });
    if (result != 0)
        return result;
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
    const int result = readXmlArchive(path, "Grid", [&](cereal::XMLInputArchive& archive) {
        archive(make_nvp("righe", righe), make_nvp("col", col), make_nvp("nV", nV),
                make_nvp("aLato", aLato), make_nvp("velocities", slowness),
                make_nvp("to_be_draw", covered));
        const bool empty = righe == 0 && col == 0 && nV == 0 && aLato == 0.0 && slowness.empty() &&
                           covered.empty();
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
    });
    if (result != 0)
        return result;
    grid->righe = righe;
    grid->col = col;
    grid->nV = nV;
    grid->aLato = aLato;
    *velocities = std::move(slowness);
    *toBeDraw = std::move(covered);
    return 0;
}

int projectReader::loadTomoDocumentTraces_XML(std::string path, std::vector<std::string>* filenames,
                                              std::vector<std::string>* filenamesDX,
                                              std::vector<std::string>* filenamesSX,
                                              std::vector<double>* shotPos, int* waveType,
                                              std::vector<TraceSet>* savedSets)
{
    SavedTraces read;
    const int result = readXmlArchive(path, "Traces", [&](cereal::XMLInputArchive& archive) {
        const std::vector<std::string> names = childNames(archive);
        archive(make_nvp("filenames", read.filenames));
        // Files older than 2019.1 hold neither the two-polarity lists nor the
        // wave type; what is present before the first missing one is kept.
        bool complete = true;
        const auto group = [&](const char* name, auto& value) {
            complete = complete && contains(names, name);
            if (complete)
                archive(make_nvp(name, value));
        };
        group("filenames_DX", read.filenamesDX);
        group("filenames_SX", read.filenamesSX);
        group("wave_type", read.waveType);
        group("shot_pos", read.shotPos);
        if (!complete) {
            std::cerr << "[No DX and SX filenames.] This is a project saved before version 2019.1"
                      << std::endl;
            read.waveType = Trace::Ordinary;
        }

        // Every "traceSet" element, in document order: cereal's lookup by
        // name would return the first one again after the last.
        const size_t found = size_t(std::count(names.begin(), names.end(), "traceSet"));
        const size_t shots =
            contains(names, "shot_pos") ? read.shotPos.size() : read.filenames.size();
        read.sets.resize(std::max(found, shots));
        for (size_t i = 0; i < found; ++i) {
            if (i == 0)
                archive.setNextName("traceSet");
            else if (!skipToChild(archive, "traceSet"))
                throw std::runtime_error("traceSet elements moved while reading");
            archive.startNode();
            size_t traces = 0;
            archive.loadSize(traces);
            read.sets[i].traces.resize(traces);
            for (Trace& trace : read.sets[i].traces) {
                archive.startNode();
                archive(make_nvp("filtered", trace.filtered));
                archive.finishNode();
            }
            archive.finishNode();
        }
        if (found < shots)
            std::cerr << "[No filtered traces] This is a project saved before version 2019.1"
                      << std::endl;
    });
    if (result != 0)
        return result;
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
    const int result = readXmlArchive(
        path, "Refraction data",
        [&](cereal::XMLInputArchive& archive) {
            archive(make_nvp("ttLayer", read.ttLayer), make_nvp("phnt_A", read.phnt_A),
                    make_nvp("phnt_R", read.phnt_R), make_nvp("refractData", read.refractData));
        },
        AfterRead::Keep);
    if (result != 0)
        return result;
    if (!refraction->document || !fitsDocument(read, *refraction->document)) {
        logError(refraction->document,
                 "The refraction data of the project do not fit its survey and are reset: " + path);
        if (refraction->document)
            refraction->resetFromDocument();
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
    status =
        runLoad(projectFile, tempRoot, document, grid, velocities, toBeDraw, refraction, palettes);
    return status;
}

int projectReader::runLoad(const std::string& projectFile, const std::string& tempRoot,
                           TomoDocument* document, Grid* grid, std::vector<double>* velocities,
                           std::vector<bool>* toBeDraw, refractionDataStructure* refraction,
                           ColorPaletteList* palettes)
{
    folder.reset();
    removeUnusedWorkFolders(tempRoot);
    folder = WorkFolder::create(tempRoot);
    if (!folder) {
        std::cerr << "[ERROR] No temporary folder in " << tempRoot << std::endl;
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
                return 1;
            }
        }

    if (saved.waveType == Trace::Ordinary) {
        QStringList files;
        for (const std::string& name : saved.filenames)
            files << QString::fromStdString(dir + name);
        const int code = document->loadSeismicFiles(files);
        if (code != 0)
            return code;
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
            return 1;
        }
        // No spread: the project's own records describe the shots.
        for (size_t i = 0; i < saved.filenamesDX.size(); ++i)
            if (document->loadSeismicFilePair(dir + saved.filenamesSX[i],
                                              dir + saved.filenamesDX[i], saved.shotPos[i], DBL_MAX,
                                              INT_MAX) != 0) {
                std::cerr << "[ERROR] Error while loading " << saved.filenamesSX[i] << " and "
                          << saved.filenamesDX[i] << std::endl;
                return 1;
            }
    }

    for (size_t i = 0; i < document->ttArray.size(); ++i) {
        const uint32_t set = document->ttArray[i].traceSetID;
        if (set != TravelTime::NoTraceSet && set >= document->traceSets.size()) {
            std::cerr << "[ERROR] Record " << i << " names trace set " << set << " of "
                      << document->traceSets.size() << std::endl;
            return 1;
        }
    }
    return 0;
}

int loadProjectThreadEntry(projectReader* reader, std::string projectFile, std::string tempRoot,
                           TomoDocument* document, Grid* grid, std::vector<double>* velocities,
                           std::vector<bool>* toBeDraw, refractionDataStructure* refraction,
                           ColorPaletteList* palettes, QObject* dialog)
{
    int result = 1;
    try {
        result = reader->loadProject(projectFile, tempRoot, document, grid, velocities, toBeDraw,
                                     refraction, palettes);
    } catch (const std::exception& e) {
        std::cerr << "[ERROR] The project has not been opened: " << e.what() << std::endl;
        reader->status = 1;
    } catch (...) {
        reader->status = 1;
    }
    if (dialog)
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    return result;
}
