#pragma once
// The project reader: opens a ".tervo" project file into a document,
// palettes and refraction data and the grid values a grid is built from;
// openProjectThreadEntry turns that into a complete survey the window only swaps in.
// It runs on a worker thread; its signals report each step. Nothing in a
// project file is trusted: entry names, counts, indexes and file names are
// checked before they are used.

#include "colorpalette.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class Grid;
class Logger;
class TomoDocument;
class WorkFolder;
struct TraceSet;
struct refractionDataStructure;

class projectReader : public QObject
{
    Q_OBJECT
public:
    explicit projectReader(QObject* parent = nullptr);
    ~projectReader() override;

    // Unpacks projectFile into a fresh numbered sub-folder of tempRoot (the
    // work folder, ending in "/"), after removing the sub-folders no running
    // instance uses, then reads the archives into the document (which must be
    // new), the grid record and the two grid vectors (the grid itself is
    // built by the caller; counts 0 mean the project has none) and the
    // palette list (user palettes appended), reloads the shot files from the
    // folder and reads "refraction.xml" into refraction when there is one.
    // Result, also left in status: 0 opened; 1 not a valid project; 2 or 3
    // the seismic loader's code for a shot file that cannot be read back.
    // A "palettes.xml" that cannot be read only leaves the built-in palettes.
    int loadProject(std::string projectFile, std::string tempRoot, TomoDocument* document,
                    Grid* grid, std::vector<double>* velocities, std::vector<bool>* toBeDraw,
                    refractionDataStructure* refraction, ColorPaletteList* palettes);

    // The steps. Each returns 0 on success and 1 otherwise; the XML readers
    // change nothing on failure and delete their file after success.
    // Every entry must have a plain file name, once, and "tomodoc.xml" must
    // be among them, and none may state a size beyond what a project of this
    // file's size can hold; nothing is written before all entries are
    // checked. Only the project's archives and the shot files its
    // "traces.xml" names are extracted.
    int read_ZIP(std::string zipPath, std::string destFolder);
    int loadTomoDocument_XML(std::string path, TomoDocument* document);
    // The grid must fit the document read before: the empty form (no grid)
    // only when the document has no tomography results.
    int loadTomoDocumentGrid_XML(std::string path, const TomoDocument* document, Grid* grid,
                                 std::vector<double>* velocities, std::vector<bool>* toBeDraw);
    // savedSets gets one set per "traceSet" element in document order (at
    // least one per shot), each trace holding only its filtered samples.
    int loadTomoDocumentTraces_XML(std::string path, std::vector<std::string>* filenames,
                                   std::vector<std::string>* filenamesDX,
                                   std::vector<std::string>* filenamesSX,
                                   std::vector<double>* shotPos, int* waveType,
                                   std::vector<TraceSet>* savedSets);
    int loadPalettes_XML(std::string path, ColorPaletteList* palettes);
    // A file that parses but does not fit the document (the views would index
    // past its lists), holds values the analysis cannot have computed for it
    // (refractionValuesProblem) or an "enabled" other than true and false is
    // replaced by fresh data (initFromDocument), with a level-1 log line and
    // its reason in warnings; the result is then 0. The file is kept.
    int loadRefraction_XML(std::string path, refractionDataStructure* refraction);

    // The sub-folder of the last open, locked while the caller keeps it: the
    // document's trace sets point at the shot files in it. The next open
    // removes it once it is released.
    std::unique_ptr<WorkFolder> takeWorkFolder();

    int status = 1; // read after the thread is joined
    // Why the last open failed: the first check that failed, in plain words
    // ("" after success).
    std::string failure;
    // What the last open reset instead of refusing it, one reason per reset
    // (the refraction data), in plain words.
    std::vector<std::string> warnings;

signals:
    void read_grid();
    void read_traces();
    void read_tomo_xml();
    void read_palettes();
    void read_compressed();
    void error_read_grid();
    void error_read_traces();
    void error_read_tomo_xml();
    void error_read_palettes();
    void error_read_compressed();

private:
    int runLoad(const std::string& projectFile, const std::string& tempRoot, TomoDocument* document,
                Grid* grid, std::vector<double>* velocities, std::vector<bool>* toBeDraw,
                refractionDataStructure* refraction, ColorPaletteList* palettes);
    struct SavedTraces;
    int reloadShots(const std::string& dir, TomoDocument* document, SavedTraces& saved);
    std::string readTraces(const std::string& path, SavedTraces& read);
    // Keeps the first reason; returns 1.
    int noteFailure(const std::string& reason);

    std::unique_ptr<WorkFolder> folder;
};

// The body of the open thread: runs the reader and never lets an exception
// out (it would end the program): status 1 then. When it returns, by any
// path, it queues accept() on dialog (if not null).
int loadProjectThreadEntry(projectReader* reader, std::string projectFile, std::string tempRoot,
                           TomoDocument* document, Grid* grid, std::vector<double>* velocities,
                           std::vector<bool>* toBeDraw, refractionDataStructure* refraction,
                           ColorPaletteList* palettes, QObject* dialog = nullptr);

// A project read whole: what the open command swaps into the window.
struct OpenedProject {
    OpenedProject();
    ~OpenedProject();
    OpenedProject(OpenedProject&&) noexcept;
    OpenedProject& operator=(OpenedProject&&) noexcept;

    // The reader's result: 0 opened; 1 not a valid project; 2 or 3 the
    // seismic loader's code for a shot file that cannot be read back.
    int status = 1;
    // Why not, in plain words ("" when opened).
    std::string failure;
    // Data of the project that were reset at the open, with the reason
    // (projectReader::warnings); only when opened.
    std::vector<std::string> warnings;
    // Only when opened (null otherwise): the survey, logging to the given
    // logger, with its topography built, its grid built from the saved
    // values over that topography (none when the project has none),
    // info_density sized to the grid and, when it has tomography results,
    // its ray paths and computed times traced again.
    std::unique_ptr<TomoDocument> document;
    // The refraction results read with it, their document pointer at
    // *document; null when they hold no forward phantom, or not opened.
    std::unique_ptr<refractionDataStructure> refraction;
    // The list given with the project's own palettes appended, as far as
    // they were read (also when not opened).
    ColorPaletteList palettes;
    // The locked sub-folder the trace sets' shot files are in (also when not
    // opened: whatever the reader unpacked stays until it is released).
    std::unique_ptr<WorkFolder> folder;
};

// Opens projectFile with reader->loadProject (same signals, status and
// failure), then completes the survey as OpenedProject says. The ray tracing
// runs on hardware-concurrency threads and blocks until it ends; the caller
// is the open's worker thread, which owns everything it builds. palettes:
// the list the project's palettes are appended to (the built-in ones).
// Never throws: an exception is a project not opened (status 1, its text
// the failure). When it returns it queues accept() on dialog (if not null).
OpenedProject openProjectThreadEntry(projectReader* reader, std::string projectFile,
                                     std::string tempRoot, ColorPaletteList palettes,
                                     Logger* logger, QObject* dialog = nullptr);
