#pragma once
// The main window: owns the survey document, the settings, the palettes and
// every view; its slots are the user's commands, which it logs and hands to
// the controllers below, each of which reaches only what it is given. The
// members and methods declared here are the program's named interface and
// stay in the window: controllers reach them by reference, and tests reach
// what moved into a controller through that controller. Members are public
// because tests drive the window.

#include "appprompts.h"
#include "colorpalette.h"
#include "exportcontroller.h"
#include "helpcommands.h"
#include "history.h"
#include "languages.h"
#include "projectcommands.h"
#include "refractioncontroller.h"
#include "sectiondisplay.h"
#include "settings.h"
#include "settingscommands.h"
#include "surveycommands.h"
#include "tomodocument.h"
#include "tracedisplay.h"
#include "windowhost.h"

#include <QColor>
#include <QMainWindow>
#include <QString>

#include <exception>
#include <memory>
#include <set>
#include <string>
#include <utility>

class ColorPaletteWidget;
class Grid;
class DropDownToolButton;
class ExportController;
class Logger;
class QAction;
class ProjectCommands;
class QTranslator;
class RefractionController;
class SectionDisplay;
class SettingsCommands;
class SurveyCommands;
class TraceDisplay;
class WorkFolder;
struct refractionDataStructure;

namespace Ui
{
class Tervanelo_MainWindows;
}

class Tervanelo_MainWindows : public QMainWindow
{
    Q_OBJECT

public:
    explicit Tervanelo_MainWindows(QWidget* parent = nullptr);
    ~Tervanelo_MainWindows() override;

    // The named operations of the window; the controllers, whose headers
    // say what each does, run them.
    void setupLanguages(bool settingsLoaded) { settingsCommands->setupLanguages(settingsLoaded); }
    void setupPalettes() { sectionDisplay->setupPalettes(); }
    // Action states: e is true while a survey is loaded.
    void updateActionsState(bool e);
    // The title shows the project file and, when modified, " * ". A false
    // argument also clears the document's modified flag.
    void updateWindowTitle(bool modified);
    void setModified(bool b);
    std::string readHistoryFile() { return ::readHistoryFile(historyFile); }
    void saveHistoryFile(std::string folder) { ::saveHistoryFile(historyFile, folder); }
    void openProject(std::string path) { projectCommands->open(path); }
    void buildPaletteBar(double min, double max) { sectionDisplay->buildPaletteBar(min, max); }
    void fitPaletteToVelocities() { sectionDisplay->fitPaletteToVelocities(); }
    bool loadTraces_PWave() { return surveyCommands->loadShots(); }
    void createTraceWidgets() { traceDisplay->createPanels(); }
    Grid* generateGridChecked(bool askGeometry, bool* geometryTaken = nullptr)
    {
        return surveyCommands->generateGrid(askGeometry, geometryTaken);
    }
    // The export commands; tests replace its section renderer.
    ExportController& exportController() { return *exports; }

    // Runs a command body: an exception that escapes it is shown in an
    // "Error occured" box and the program goes on.
    template <class Body> void guarded(Body&& body)
    {
        try {
            body();
        } catch (const std::exception& e) {
            showCommandError(e);
        }
    }

    QTranslator* translator = nullptr;
    // Qt's own texts (standard buttons, file dialogs) in the language in
    // force; null for English or when Qt has no catalogue of the language.
    QTranslator* qtTranslator = nullptr;
    QString languageFolder = QStringLiteral(":/languages/");
    AppSettings settings;
    QColor exportBackground;
    double exportFontScale = 1.0;
    int exportLabelCount = 1;
    TomoDocument document{nullptr};
    refractionDataStructure* refractionData = nullptr;
    // The Refraction command; tests replace its dialog.
    std::unique_ptr<RefractionController> refractionController;
    int currentShot = -1;
    double timeZoom = 1.0;
    double horizontalZoom = 1.0;
    std::string workFolder;
    std::string logFile;
    std::string settingsFile;
    std::string historyFile;
    ColorPaletteList paletteList;
    LanguageList languageCodes;
    int currentLanguage = -1;
    int horizontalZoomSteps = 0;
    int timeZoomSteps = 0;
    std::string titleText;
    bool projectIsOpen = false;
    std::string projectFile;
    // The unpacked files of the open project, which the trace sets read and
    // a save copies; locked against other instances while the window keeps it.
    std::unique_ptr<WorkFolder> projectFolder;
    ColorPaletteWidget* paletteWidget = nullptr;
    int contourCount = 0;
    bool equallySpaced = false;
    std::set<double> isovalues;
    bool customContours = false;
    bool viewVelocity = false;
    bool viewVerticalGradient = false;
    bool viewLaplacianGradient = false;
    bool viewInfoDensity = false;
    bool viewFilledContours = false;
    QColor contourColor = Qt::darkGray;
    int contourLabelSize = 11;
    Ui::Tervanelo_MainWindows* ui = nullptr;
    Logger* logger = nullptr;
    DropDownToolButton* zoomButton = nullptr;
    QAction* zoomInAction = nullptr;
    QAction* zoomOutAction = nullptr;
    DropDownToolButton* timeZoomButton = nullptr;
    QAction* zoomTimeInAction = nullptr;
    QAction* zoomTimeOutAction = nullptr;
    bool stopRequested = false;

    // Connected by hand in the constructor or the command that uses them.
    // Plain members, not slots: their names look like automatic connections
    // that match no widget, and the form would warn about each at start-up.
    void on_tomo_stopped();
    void on_vtk_palette_changed() { sectionDisplay->paletteEdited(); }
    void on_actionZoom_in_traces_triggered();
    void on_actionZoom_out_traces_triggered();
    void on_actionZoomT_in_traces_triggered();
    void on_actionZoomT_out_traces_triggered();
    // The noise reduction behind Apply DaZo; no action of its own.
    void on_actionAuto_improve_triggered()
    {
        command(__func__, [this] { traceDisplay->applyDaZo(); });
    }

    // The real dialogs behind host.prompts.
    DialogAppPrompts dialogPrompts;
    // The controllers, built by the constructor; each reaches the window
    // only through host, which outlives them.
    WindowHost host;
    std::unique_ptr<SectionDisplay> sectionDisplay;
    std::unique_ptr<TraceDisplay> traceDisplay;
    std::unique_ptr<SettingsCommands> settingsCommands;
    std::unique_ptr<SurveyCommands> surveyCommands;
    std::unique_ptr<ProjectCommands> projectCommands;
    ExportController* exports = nullptr; // a child of the window

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

public slots:
    void enable_draw_travel_times();
    void on_pickEdited();
    void on_mousemoved(int i);
    void update_palette_min(int value) { sectionDisplay->setPaletteMin(value); }
    void update_palette_max(int value) { sectionDisplay->setPaletteMax(value); }
    void update_show_traces(bool b) { traceDisplay->showFiltered(b); }
    void on_actionSettings_triggered()
    {
        command(__func__, [this] { settingsCommands->edit(); });
    }
    void on_actionShow_Contour_Lines_triggered()
    {
        command(__func__, [this] { sectionDisplay->chooseContours(); });
    }
    void on_actionLoad_TT_triggered()
    {
        command(__func__, [this] { surveyCommands->importTravelTimes(); });
    }
    void on_actionRun_tomography_inversion_triggered()
    {
        command(__func__, [this] { surveyCommands->runInversion(); });
    }
    void on_actionNew_triggered()
    {
        command(__func__, [this] { surveyCommands->newSurvey(); });
    }
    void on_actionNext_file_triggered()
    {
        command(__func__, [this] { traceDisplay->nextShot(); });
    }
    void on_actionPrev_file_triggered()
    {
        command(__func__, [this] { traceDisplay->previousShot(); });
    }
    void on_actionDefine_model_velocity_triggered()
    {
        command(__func__, [this] { surveyCommands->defineModel(); });
    }
    void on_actionLoad_Project_triggered()
    {
        command(__func__, [this] { projectCommands->load(); });
    }
    // True when the project was saved (and is now the open project).
    bool on_actionSave_Project_As_triggered();
    void on_actionSave_Project_triggered()
    {
        command(__func__, [this] { projectCommands->save(); });
    }
    void on_actionImages_triggered()
    {
        command(__func__, [this] { exports->exportImages(); });
    }
    void on_actionScreenshot_triggered()
    {
        command(__func__, [this] { exports->screenshot(); });
    }
    void on_actionAutoPick_triggered()
    {
        command(__func__, [this] { traceDisplay->autoPick(); });
    }
    void on_actionFilter_triggered()
    {
        command(__func__, [this] { traceDisplay->chooseFilters(); });
    }
    void on_actionApply_DaZo_triggered();
    void on_actionAGC_triggered()
    {
        command(__func__, [this] { traceDisplay->applyAGC(); });
    }
    void on_actionGeometry_triggered()
    {
        command(__func__, [this] { surveyCommands->editGeometry(); });
    }
    void on_actionGrid_triggered()
    {
        command(__func__, [this] { surveyCommands->editGrid(); });
    }
    void on_actionPDF_triggered()
    {
        command(__func__, [this] { exports->exportPdf(); });
    }
    void on_actionODT_triggered()
    {
        command(__func__, [this] { exports->exportOdt(); });
    }
    void on_tabWidget_tabBarClicked(int index)
    {
        traceDisplay->applyTabRules(index);
        sectionDisplay->applyTabRules(index);
    }
    void on_showAllPicksCB_stateChanged(int state);
    void on_showTravelTimeCB_stateChanged(int state);
    void on_showSimTT_CB_stateChanged(int state);
    void on_showComputedCurvesCB_toggled(bool checked);
    void on_splitter_splitterMoved(int, int) { traceDisplay->updateZooming(); }
    void on_actionPalette_triggered()
    {
        command(__func__, [this] { sectionDisplay->choosePalette(); });
    }
    void on_actionAbout_triggered()
    {
        command(__func__, [] { help::showAbout(); });
    }
    void on_actionExit_triggered();
    void on_actionHelp_triggered()
    {
        command(__func__, [] { help::openOnlineHelp(); });
    }
    void on_actionUser_guide_triggered()
    {
        command(__func__, [this] { help::openUserGuide(*host.prompts, this, logger); });
    }
    void on_actionShow_rays_triggered();
    void on_actionReset_View_triggered()
    {
        command(__func__, [this] { sectionDisplay->resetView(); });
    }
    void on_actionVertical_Gradient_triggered()
    {
        guarded([this] { sectionDisplay->showVerticalGradient(); });
    }
    void on_actionLaplacian_Gradient_triggered()
    {
        guarded([this] { sectionDisplay->showLaplacian(); });
    }
    void on_actionShow_Tomographic_Profile_triggered()
    {
        command(__func__, [this] { sectionDisplay->showVelocity(); });
    }
    void on_actionSmallGeo_triggered();
    void on_actionNormalGeo_triggered();
    void on_actionLargeGeo_triggered();
    void on_actionShow_refraction_triggered()
    {
        command(__func__, [this] { sectionDisplay->showRefraction(); });
    }
    void on_actionShow_scalarbar_triggered()
    {
        command(__func__, [this] { sectionDisplay->showScalarBar(); });
    }
    void on_actionShow_Information_Density_Layer_triggered()
    {
        guarded([this] { sectionDisplay->showDensity(); });
    }
    void on_actionShow_Grid_Lines_triggered()
    {
        command(__func__, [this] { sectionDisplay->showGridLines(); });
    }
    void on_actionShow_title_triggered()
    {
        command(__func__, [this] { sectionDisplay->showTitle(); });
    }
    void on_actionSet_title_triggered()
    {
        command(__func__, [this] { projectCommands->setTitle(); });
    }
    void on_actionSet_geography_coordinates_triggered()
    {
        command(__func__, [this] { exports->setGeographyCoordinates(); });
    }
    void show_fill_wiggle(bool b) { traceDisplay->setFillWiggle(b); }
    void cutWaveForm(bool b) { traceDisplay->setCutWaveForm(b); }
    void zoomInWindow(bool b) { traceDisplay->setZoomInWindow(b); }
    void updateWindowZooming() { traceDisplay->updateZooming(); }
    void on_actionRefraction_triggered();
    void on_actionExport_TravelTimes_triggered()
    {
        command(__func__, [this] { surveyCommands->exportTravelTimes(); });
    }
    void on_actionExportTomographic_profile_2_KML_triggered()
    {
        command(__func__, [this] { exports->exportProfileKml(); });
    }
    void on_actionExportSeismic_line_triggered()
    {
        command(__func__, [this] { exports->exportSeismicLineKml(); });
    }
    void on_actionGridded_Data_triggered()
    {
        command(__func__, [this] { exports->exportGriddedData(); });
    }

private:
    void createControllers();
    // "Tervanelo_MainWindows::" + the command's name, at level 0.
    void logCommand(const char* name);
    // A command: its log line, then its body, guarded.
    template <class Body> void command(const char* name, Body&& body)
    {
        logCommand(name);
        guarded(std::forward<Body>(body));
    }
    void showCommandError(const std::exception& e);
};
