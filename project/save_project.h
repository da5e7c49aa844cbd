#pragma once
// The project writer: saves the open survey as a ".tervo" project file, a
// zip of the XML archives "tomodoc.xml", "grid.xml", "traces.xml",
// "palettes.xml", the shot files and, when the window holds refraction data,
// "refraction.xml". It runs on a worker thread; its signals report each step.
//
// A save changes the project file only when it succeeds: libzip writes the
// new archive beside the target and renames it over the target at the end.

#include "colorpalette.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class QLockFile;
class QObject;
class TomoDocument;
struct refractionDataStructure;

// A shot file of the survey and the name it has inside the project.
struct ShotFile {
    std::string source; // absolute path
    std::string name;   // entry name, unique within the project
};

class ProjectWriter : public QObject
{
    Q_OBJECT
public:
    explicit ProjectWriter(QObject* parent = nullptr) : QObject(parent) {}

    // Writes projectFile through a fresh numbered sub-folder of tempRoot (the
    // work folder, ending in "/"), which is removed at the end. The archives
    // are written there, the shot files packed from where they are. A survey
    // that breaks a rule the reader applies (surveyProblem) is not written:
    // error_saved_tomo_xml. The document,
    // the refraction data (null when there is none) and the palettes are only
    // read. Result, also left in status: 0 saved, 1 not saved (the old project
    // file, if any, is untouched). Every path ends with exactly one of
    // saved_completed, the failed step's error signal, or
    // error_saved_compressed for the failures that have no signal of their
    // own (the folder, the copies of the shot files, the zip).
    int saveProject(std::string projectFile, std::string tempRoot, TomoDocument* document,
                    refractionDataStructure* refraction, const ColorPaletteList& palettes);

    // The steps. Each returns 0 when its file is complete on disk, else 1.
    int saveTomoDocument_XML(TomoDocument* document, std::string path);
    // A document without a grid writes the empty form (all counts 0).
    int saveTomoDocumentGrid_XML(TomoDocument* document, std::string path);
    // Also lists the shot files to copy: main, right-hand (SX) and left-hand
    // (DX) files of two-polarity shots. A file name already taken in the
    // project gets stem + "_" + n + "." + suffix, n the first free number.
    int saveTomoDocumentTraces_XML(TomoDocument* document, std::string path,
                                   std::vector<ShotFile>* mainFiles, std::vector<ShotFile>* dxFiles,
                                   std::vector<ShotFile>* sxFiles);
    int savePalettes_XML(std::string path, const ColorPaletteList& palettes);
    int saveRefraction_XML(std::string path, refractionDataStructure* refraction);
    // Packs the files, in list order, as flat entries named by their file
    // names, into zipPath (created, or replaced only when writing succeeded).
    int compress_project(std::string zipPath, std::vector<std::string> files);
    // The same with the entry names given. While it packs, the lock
    // zipPath + ".lock" marks the save; holding it, it first removes what
    // killed saves of this project left beside it (libzip's zipPath +
    // ".XXXXXX"). A save of the same project by a running process is refused.
    int packEntries(const std::string& zipPath, const std::vector<ShotFile>& entries);

    int status = 1; // read after the thread is joined
    // Why the last save failed, in plain words ("" after success).
    std::string failure;

signals:
    void saved_grid();
    void saved_traces();
    void saved_tomo_xml();
    void saved_palettes();
    void saved_refraction();
    void saved_compressed();
    void saved_completed();
    void error_saved_grid();
    void error_saved_traces();
    void error_saved_tomo_xml();
    void error_saved_palettes();
    void error_saved_refraction();
    void error_saved_compressed();

private:
    using Signal = void (ProjectWriter::*)();
    int runSave(const std::string& projectFile, const std::string& tempRoot, TomoDocument* document,
                refractionDataStructure* refraction, const ColorPaletteList& palettes);
    // The steps in order inside the folder dir; null on success, else the
    // signal that tells the failure.
    Signal writeProject(const std::string& dir, const std::string& projectFile,
                        TomoDocument* document, refractionDataStructure* refraction,
                        const ColorPaletteList& palettes);
};

// The body of the save thread: runs the writer and never lets an exception
// out (it would end the program): status 1 and error_saved_compressed then.
// SIGXFSZ is ignored from then on, so that a file-size limit fails the write
// instead of killing the program.
// When it returns, by any path, it queues accept() on dialog (if not null),
// so that the log dialog never waits for a signal that cannot come.
int saveProjectThreadEntry(ProjectWriter* writer, std::string projectFile, std::string tempRoot,
                           TomoDocument* document, refractionDataStructure* refraction,
                           const ColorPaletteList& palettes, QObject* dialog = nullptr);

// The lock a save of projectFile holds while it packs, waited for up to
// waitMs milliseconds; null when it cannot be taken, with *running (if given)
// true when that is because a running process holds it.
std::unique_ptr<QLockFile> lockProjectFile(const std::string& projectFile, bool* running = nullptr,
                                           int waitMs = 0);
// Removes what saves of projectFile killed while packing left beside it:
// libzip's temporaries projectFile + "." + six letters or digits. Call it
// only with the lock held.
void removeSaveLeftovers(const std::string& projectFile);
// The same for every project in folder whose lock no running process holds:
// at start-up, for the folder of the last project.
void removeSaveLeftoversIn(const std::string& folder);
