#pragma once
// The survey commands: New (the shot files), Import (a travel-time file),
// the geometry, the grid, the initial velocity model, the inversion and the
// travel-time export.
//
// Owns nothing: the survey members and the stop flag are the window's. Needs
// the actions of the Project and Processing menus, the log, the trace and
// section displays, and the window's own operations.

#include "windowhost.h"

#include <QString>

#include <functional>
#include <string>

class Grid;
class Logger;
class QAction;
class QMenu;
class QObject;
class QWidget;
class SectionDisplay;
class TomoDocument;
class TraceDisplay;
struct refractionDataStructure;

class SurveyCommands
{
public:
    struct Actions {
        QMenu* projectMenu;
        QMenu* processingMenu;
        QAction* geometry;
        QAction* grid;
        QAction* model;
        QAction* inversion;
        QAction* refraction;
        QAction* exportTimes;
        // A new survey has no section yet to colour or picture.
        QAction* palette;
        QAction* screenshot;
    };
    SurveyCommands(Actions actions, SurveyState state, bool& stopRequested, Logger*& logger,
                   TraceDisplay& traces, SectionDisplay& section, const WindowHost& host);

    void newSurvey();
    // The shot file dialog and the loading of the chosen files into a new
    // document, with panels for the sets read. False when no file was chosen
    // or none could be read, and the survey then stays as it was.
    bool loadShots();
    void importTravelTimes();
    // The geometry dialog (askGeometry), the geometry check, the grid dialog
    // and the grid. A grid that cannot be built leaves the old one in place.
    // Returns the document's grid; *geometryTaken tells whether the geometry
    // dialog was answered with OK at least once.
    Grid* generateGrid(bool askGeometry, bool* geometryTaken = nullptr);
    void editGeometry();
    void editGrid();
    void defineModel();
    void runInversion();
    void exportTravelTimes();

    // The Project and Processing menus' survey commands, enabled while a
    // survey is loaded.
    void updateActions(bool loaded);
    // The window after the document was replaced: no shot shown, no panels,
    // no project file, no refraction data, the actions of an empty survey.
    void resetToNoSurvey();
    // Action states of a loaded survey after its grid or model changed: the
    // survey's actions, the Traces tab only with traces, the current tab's rules.
    void refreshSurveyActions();

private:
    Actions acts;
    SurveyState state;
    TomoDocument& document;
    bool& stopRequested;
    Logger*& logger;
    TraceDisplay& traces;
    SectionDisplay& section;
    const WindowHost& host;
};
