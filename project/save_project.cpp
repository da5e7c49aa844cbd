#include "save_project.h"

#include "surveyrules.h"
#include "xmlstream.h"

#include "grid.h"
#include "palettefile.h"
#include "refractiondatastructure.h"
#include "tomodocument.h"
#include "workfolder.h"
#include "xmlarchive.h"

#include <cereal/types/string.hpp>
#include <cereal/types/vector.hpp>

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#include <cfloat>
#include <csignal>
#include <iostream>
#include <set>
#include <thread>

using cereal::make_nvp;

namespace
{
// The project's name for a shot file: its file name, or, when another file
// of the project already has that name, stem + "_" + n + "." + suffix with
// the first free n.
std::string uniqueName(const QFileInfo& file, std::set<std::string>& taken)
{
    std::string name = file.fileName().toStdString();
    const QString stem = file.baseName();
    const QString suffix = file.completeSuffix();
    for (int n = 1; taken.count(name) != 0; ++n)
        name = (stem + "_" + QString::number(n) + (suffix.isEmpty() ? "" : "." + suffix))
                   .toStdString();
    taken.insert(name);
    return name;
}

// Writes a sequence of records element by element, so that large vectors
// (the filtered samples) are not copied into a temporary first.
template <typename Items, typename WriteItem>
void writeSequence(cereal::XMLOutputArchive& archive, const char* name, const Items& items,
                   WriteItem writeItem)
{
    archive.setNextName(name);
    archive.startNode();
    archive(cereal::make_size_tag(cereal::size_type(items.size())));
    for (const auto& item : items) {
        archive.startNode();
        writeItem(item);
        archive.finishNode();
    }
    archive.finishNode();
}
} // namespace

int ProjectWriter::saveTomoDocument_XML(TomoDocument* document, std::string path)
{
    std::cout << "ProjectWriter::saveTomoDocument_XML" << std::endl;
    return writeXmlArchive(path, "TomoDocument", [&](cereal::XMLOutputArchive& archive) {
        archive(make_nvp("goephonesStringSet", document->goephonesStringSet),
                make_nvp("ttArray", document->ttArray),
                make_nvp("has_tomographic_info", document->has_tomographic_info),
                make_nvp("geoCoord", document->geoCoord),
                make_nvp("geoCoord_isSet", document->geoCoord_isSet),
                make_nvp("RMSE_tomography", document->RMSE_tomography),
                make_nvp("info_density", document->info_density),
                make_nvp("title", document->title));
    });
}

int ProjectWriter::saveTomoDocumentGrid_XML(TomoDocument* document, std::string path)
{
    std::cout << "ProjectWriter::saveTomoDocumentGrid_XML" << std::endl;
    return writeXmlArchive(path, "Grid", [&](cereal::XMLOutputArchive& archive) {
        // No grid yet (New with the grid dialog cancelled, imported travel
        // times): an empty grid writes the form the reader takes as "no grid".
        static const Grid none;
        (document->grid ? *document->grid : none).save(archive);
    });
}

int ProjectWriter::saveTomoDocumentTraces_XML(TomoDocument* document, std::string path,
                                              std::vector<ShotFile>* mainFiles,
                                              std::vector<ShotFile>* dxFiles,
                                              std::vector<ShotFile>* sxFiles)
{
    std::cout << "ProjectWriter::saveTomoDocumentTraces_XML" << std::endl;
    std::vector<std::string> filenames, filenamesDX, filenamesSX;
    std::vector<double> shotPos;
    // The archives share the zip with the shot files.
    std::set<std::string> taken = {"tomodoc.xml", "grid.xml", "traces.xml", "palettes.xml",
                                   "refraction.xml"};
    // Names are given in the order the files are packed: main, SX, DX.
    struct Kind {
        std::string TraceSet::*path;
        std::vector<std::string>* names;
        std::vector<ShotFile>* files;
    };
    const Kind kinds[] = {{&TraceSet::fileName, &filenames, mainFiles},
                          {&TraceSet::fileNameSX, &filenamesSX, sxFiles},
                          {&TraceSet::fileNameDX, &filenamesDX, dxFiles}};
    for (const TraceSet& set : document->traceSets)
        shotPos.push_back(set.traces.empty() ? DBL_MAX : set.traces.front().sourceX);
    for (const Kind& kind : kinds)
        for (const TraceSet& set : document->traceSets) {
            const std::string& stored = set.*kind.path;
            if (stored.empty())
                continue;
            const QFileInfo file(QString::fromStdString(stored));
            const std::string absolute = file.absoluteFilePath().toStdString();
            const std::string name = uniqueName(file, taken);
            kind.names->push_back(name);
            kind.files->push_back({absolute, name});
            std::cout << "Original filename: " << absolute << " ; " << stored << std::endl;
        }
    // The kind of the traces tells the reader how to reload the shots.
    const int32_t waveType = document->traceSets.empty() || document->traceSets[0].traces.empty()
                                 ? int32_t(Trace::Ordinary)
                                 : int32_t(document->traceSets[0].traces[0].kind);

    // Every filtered sample of the survey: written as it is formatted, never
    // held as a document.
    XmlStreamWriter xml(path);
    xml.sequence("filenames", filenames);
    xml.sequence("filenames_DX", filenamesDX);
    xml.sequence("filenames_SX", filenamesSX);
    xml.named("wave_type", waveType);
    xml.sequence("shot_pos", shotPos);
    // Formatting the numbers is most of the work: the trace sets are
    // formatted side by side, a few at a time, and written in order.
    const std::vector<TraceSet>& sets = document->traceSets;
    const unsigned threads = std::min(4u, std::max(1u, std::thread::hardware_concurrency()));
    xml.children(sets.size(), threads, [&](XmlStreamWriter& part, size_t i) {
        part.startSequence("traceSet");
        for (const Trace& trace : sets[i].traces) {
            part.start();
            part.sequence("filtered", trace.filtered);
            part.finish();
        }
        part.finish();
    });
    return xml.close() ? 0 : writeFailed(path, "Traces");
}

int ProjectWriter::savePalettes_XML(std::string path, const ColorPaletteList& palettes)
{
    std::cout << "ProjectWriter::savePalettes_XML" << std::endl;
    return writeXmlArchive(path, "Palettes", [&](cereal::XMLOutputArchive& archive) {
        archive(make_nvp("n_palettes", int(palettes.palettes.size())),
                make_nvp("curr_palette", palettes.curr_palette));
        writeSequence(archive, "palettes", palettes.palettes, [&](const ColorPalette& palette) {
            if (!palette.save(archive))
                throw std::runtime_error("palette " + palette.name + " not written");
        });
    });
}

int ProjectWriter::saveRefraction_XML(std::string path, refractionDataStructure* refraction)
{
    std::cout << "ProjectWriter::saveRefraction_XML" << std::endl;
    return writeXmlArchive(path, "Refraction data", [&](cereal::XMLOutputArchive& archive) {
        archive(make_nvp("phnt_A", refraction->phnt_A), make_nvp("phnt_R", refraction->phnt_R),
                make_nvp("refractData", refraction->refractData),
                make_nvp("ttLayer", refraction->ttLayer));
    });
}

int ProjectWriter::saveProject(std::string projectFile, std::string tempRoot,
                               TomoDocument* document, refractionDataStructure* refraction,
                               const ColorPaletteList& palettes)
{
    status = 1;
    failure.clear();
    status = runSave(projectFile, tempRoot, document, refraction, palettes);
    return status;
}

int ProjectWriter::runSave(const std::string& projectFile, const std::string& tempRoot,
                           TomoDocument* document, refractionDataStructure* refraction,
                           const ColorPaletteList& palettes)
{
    if (isInsideWorkFolder(tempRoot, projectFile)) {
        std::cerr << "ERROR: Impossible to save! " << projectFile
                  << " lies in a temporary folder of " << tempRoot << std::endl;
        failure = "the project file would lie in a temporary folder of the program";
        emit error_saved_compressed();
        return 1;
    }
    // A survey the reader would refuse is not written: the user's work would
    // be in a file that does not open.
    const std::string problem = surveyProblem(document->goephonesStringSet, document->ttArray,
                                              (long long)document->traceSets.size());
    if (!problem.empty()) {
        std::cerr << "ERROR: Impossible to save! " << problem << std::endl;
        failure = problem;
        emit error_saved_tomo_xml();
        return 1;
    }
    const std::unique_ptr<WorkFolder> folder = WorkFolder::create(tempRoot);
    if (!folder) {
        std::cerr << "ERROR: Impossible to save!" << std::endl;
        failure = "no temporary folder can be made in " + tempRoot;
        emit error_saved_compressed();
        return 1;
    }
    Signal signal = nullptr;
    try {
        signal = writeProject(folder->path(), projectFile, document, refraction, palettes);
    } catch (...) {
        folder->remove();
        throw;
    }
    folder->remove();
    if (signal) {
        emit(this->*signal)();
        return 1;
    }
    emit saved_completed();
    return 0;
}

ProjectWriter::Signal ProjectWriter::writeProject(const std::string& dir,
                                                  const std::string& projectFile,
                                                  TomoDocument* document,
                                                  refractionDataStructure* refraction,
                                                  const ColorPaletteList& palettes)
{
    const auto notWritten = [&](const char* name, Signal signal) {
        failure = std::string(name) + " cannot be written in " + dir +
                  " (is the disk full or write-protected?)";
        return signal;
    };
    std::vector<ShotFile> pack;
    const auto archive = [&](const char* name) {
        pack.push_back({dir + name, name});
        return dir + name;
    };
    if (saveTomoDocument_XML(document, archive("tomodoc.xml")) != 0)
        return notWritten("tomodoc.xml", &ProjectWriter::error_saved_tomo_xml);
    emit saved_tomo_xml();

    if (saveTomoDocumentGrid_XML(document, archive("grid.xml")) != 0)
        return notWritten("grid.xml", &ProjectWriter::error_saved_grid);
    emit saved_grid();

    std::vector<ShotFile> mainFiles, dxFiles, sxFiles;
    if (saveTomoDocumentTraces_XML(document, archive("traces.xml"), &mainFiles, &dxFiles,
                                   &sxFiles) != 0)
        return notWritten("traces.xml", &ProjectWriter::error_saved_traces);
    emit saved_traces();

    if (savePalettes_XML(archive("palettes.xml"), palettes) != 0)
        return notWritten("palettes.xml", &ProjectWriter::error_saved_palettes);
    emit saved_palettes();

    // The shot files are packed from where they are; one that is gone now
    // fails the save before anything is packed.
    for (const std::vector<ShotFile>* files : {&mainFiles, &sxFiles, &dxFiles})
        for (const ShotFile& file : *files) {
            if (!QFileInfo(QString::fromStdString(file.source)).isReadable()) {
                std::cerr << "Error while saving " << dir + file.name << std::endl;
                std::cerr << "[ERROR] cannot copy " << file.source << std::endl;
                failure = "the shot file " + file.source + " cannot be read";
                return &ProjectWriter::error_saved_compressed;
            }
            pack.push_back(file);
        }

    if (refraction) {
        if (saveRefraction_XML(archive("refraction.xml"), refraction) != 0)
            return notWritten("refraction.xml", &ProjectWriter::error_saved_refraction);
        emit saved_refraction();
    }

    if (packEntries(projectFile, pack) != 0)
        return &ProjectWriter::error_saved_compressed;
    emit saved_compressed();
    return nullptr;
}

int saveProjectThreadEntry(ProjectWriter* writer, std::string projectFile, std::string tempRoot,
                           TomoDocument* document, refractionDataStructure* refraction,
                           const ColorPaletteList& palettes, QObject* dialog)
{
    // Under a file-size limit a write past it would kill the program; ignored,
    // the write fails with EFBIG and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    int result = 1;
    try {
        result = writer->saveProject(projectFile, tempRoot, document, refraction, palettes);
    } catch (const std::exception& e) {
        std::cerr << "ERROR: the project has not been saved: " << e.what() << std::endl;
        writer->failure = e.what();
        writer->status = 1;
        emit writer->error_saved_compressed();
    } catch (...) {
        writer->status = 1;
        emit writer->error_saved_compressed();
    }
    if (dialog)
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    return result;
}
