#include "save_project.h"

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
#include <iostream>
#include <set>

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
    const int waveType = document->traceSets.empty() || document->traceSets[0].traces.empty()
                             ? int(Trace::Ordinary)
                             : int(document->traceSets[0].traces[0].kind);

    return writeXmlArchive(path, "Traces", [&](cereal::XMLOutputArchive& archive) {
        archive(make_nvp("filenames", filenames), make_nvp("filenames_DX", filenamesDX),
                make_nvp("filenames_SX", filenamesSX), make_nvp("wave_type", waveType),
                make_nvp("shot_pos", shotPos));
        for (const TraceSet& set : document->traceSets)
            writeSequence(archive, "traceSet", set.traces, [&](const Trace& trace) {
                archive(make_nvp("filtered", trace.filtered));
            });
    });
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
        emit error_saved_compressed();
        return 1;
    }
    const std::unique_ptr<WorkFolder> folder = WorkFolder::create(tempRoot);
    if (!folder) {
        std::cerr << "ERROR: Impossible to save!" << std::endl;
        emit error_saved_compressed();
        return 1;
    }
    Signal failure = nullptr;
    try {
        failure = writeProject(folder->path(), projectFile, document, refraction, palettes);
    } catch (...) {
        folder->remove();
        throw;
    }
    folder->remove();
    if (failure) {
        emit(this->*failure)();
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
    std::vector<std::string> pack;
    pack.push_back(dir + "tomodoc.xml");
    if (saveTomoDocument_XML(document, pack.back()) != 0)
        return &ProjectWriter::error_saved_tomo_xml;
    emit saved_tomo_xml();

    pack.push_back(dir + "grid.xml");
    if (saveTomoDocumentGrid_XML(document, pack.back()) != 0)
        return &ProjectWriter::error_saved_grid;
    emit saved_grid();

    std::vector<ShotFile> mainFiles, dxFiles, sxFiles;
    pack.push_back(dir + "traces.xml");
    if (saveTomoDocumentTraces_XML(document, pack.back(), &mainFiles, &dxFiles, &sxFiles) != 0)
        return &ProjectWriter::error_saved_traces;
    emit saved_traces();

    pack.push_back(dir + "palettes.xml");
    if (savePalettes_XML(pack.back(), palettes) != 0)
        return &ProjectWriter::error_saved_palettes;
    emit saved_palettes();

    for (const std::vector<ShotFile>* files : {&mainFiles, &sxFiles, &dxFiles})
        for (const ShotFile& file : *files) {
            const std::string destination = dir + file.name;
            if (!QFile::copy(QString::fromStdString(file.source),
                             QString::fromStdString(destination))) {
                std::cerr << "Error while saving " << destination << std::endl;
                std::cerr << "[ERROR] cannot copy " << file.source << std::endl;
                return &ProjectWriter::error_saved_compressed;
            }
            pack.push_back(destination);
        }

    if (refraction) {
        pack.push_back(dir + "refraction.xml");
        if (saveRefraction_XML(pack.back(), refraction) != 0)
            return &ProjectWriter::error_saved_refraction;
        emit saved_refraction();
    }

    if (compress_project(projectFile, pack) != 0)
        return &ProjectWriter::error_saved_compressed;
    emit saved_compressed();
    return nullptr;
}

int saveProjectThreadEntry(ProjectWriter* writer, std::string projectFile, std::string tempRoot,
                           TomoDocument* document, refractionDataStructure* refraction,
                           const ColorPaletteList& palettes, QObject* dialog)
{
    int result = 1;
    try {
        result = writer->saveProject(projectFile, tempRoot, document, refraction, palettes);
    } catch (const std::exception& e) {
        std::cerr << "ERROR: the project has not been saved: " << e.what() << std::endl;
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
