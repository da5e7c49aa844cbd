#pragma once
// The project commands: Save Project, Save Project As, Open Project, the
// question before a modified survey is replaced or closed, and the window's
// part of an open. The writer and the reader run on a worker thread while
// the GUI thread shows their log dialog. The reader builds the new survey
// apart, so the views keep showing the current one meanwhile; it replaces
// the current one only after the thread is joined, and only when it opened.
//
// Owns nothing: the survey members, the palettes and the work folder are the
// window's. Needs the Save, Save As and title actions, the log, the
// trace and section displays, the survey commands (to empty the window) and
// the window's own operations.

#include "windowhost.h"

#include <functional>
#include <memory>
#include <string>

struct ColorPaletteList;
class Logger;
class QAction;
class QWidget;
class SectionDisplay;
class SurveyCommands;
class TomoDocument;
class TraceDisplay;
class WorkFolder;
struct refractionDataStructure;

class ProjectCommands
{
public:
    struct State : SurveyState {
        ColorPaletteList& palettes;
        const std::string& workFolder;
    };

    struct Actions {
        QAction* save;
        QAction* saveAs;
        QAction* setTitle;
    };

    ProjectCommands(Actions actions, State state, Logger*& logger, TraceDisplay& traces,
                    SectionDisplay& section, SurveyCommands& survey, const WindowHost& host);

    // The question before a modified survey is replaced or closed: true to go
    // on (Discard, or Save after a save that succeeded).
    bool askToSaveChanges();
    // True when the project was saved (and is now the open project).
    bool saveAs();
    void save();
    void load();
    // Opens a project file: the survey, its grid, palettes and refraction
    // data replace the window's, and the views are rebuilt. A project that
    // cannot be opened is reported and leaves the window as it was (false).
    // Refraction data reset at the open are reported after the swap.
    bool open(const std::string& path);
    // Save, Save As and the title, enabled while a survey is loaded.
    void updateActions(bool loaded);
    // The section title dialog; the title is saved with the project.
    void setTitle();

private:
    // Runs the project writer on a worker thread behind its log dialog; a
    // failure's reason is kept in lastSaveFailure and logged.
    bool writeProject(const std::string& file);
    // Detaches every view from the document and the refraction data.
    void detachViews();

    Actions acts;
    State state;
    TomoDocument& document;
    Logger*& logger;
    TraceDisplay& traces;
    SectionDisplay& section;
    SurveyCommands& survey;
    const WindowHost& host;
    // Why the last save failed, for the message that tells it.
    std::string lastSaveFailure;
};
