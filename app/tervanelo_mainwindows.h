#pragma once
// The main window: owns the survey document, the settings, the palettes and
// every view; its slots are the user's commands, which it hands to the
// controllers below, each of which reaches only what it is given. Members are
// public because tests drive the window.

#include "colorpalette.h"
#include "languages.h"
#include "settings.h"
#include "tomodocument.h"

#include <QColor>
#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class ColorPaletteWidget;
class Grid;
class DropDownToolButton;
class ExportController;
class Logger;
class QAction;
class drawTraces;
class ProjectCommands;
class QTranslator;
class RefractionController;
class SectionDisplay;
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

    // Start-up steps.
    // Language and display flags from the settings file, when it was read.
    void setupLanguages(bool settingsLoaded);
    void setupPalettes();

    // Action states: e is true while a survey is loaded.
    void updateActionsState(bool e);
    // The title shows the project file and, when modified, " * ". A false
    // argument also clears the document's modified flag.
    void updateWindowTitle(bool modified);
    void setModified(bool b);

    std::string readHistoryFile();
    void saveHistoryFile(std::string folder);

    // Opens a project file into the window: the survey, its grid, palettes
    // and refraction data replace the window's, and the views are rebuilt.
    // A project that cannot be opened leaves the window with no survey.
    void openProject(std::string path);

    // Palettes: every palette takes the range; the bar is rebuilt.
    void buildPaletteBar(double min, double max);
    // The range of every palette from the velocities of the covered cells.
    void fitPaletteToVelocities();

    // Switches to languageCodes[index]. The new translation is loaded before
    // anything changes, so a file that does not load leaves the language,
    // the texts and the number formats as they were. False then.
    bool switchLanguage(int index);
    // Writes the settings file; a failure goes to the log.
    void storeSettings();
    // The export commands' controller, made on first use (commands_exports.cpp).
    ExportController& exportController();

    // ---- Survey set-up ----
    bool askToSaveChanges();
    // The shot file dialog and the loading of the chosen files into a new
    // document, with panels for the sets read. False when no file was chosen,
    // and the survey then stays as it was.
    bool loadTraces_PWave();
    // One panel of the all-shots view per trace set.
    void createTraceWidgets();
    // The geometry dialog (askGeometry), the geometry check, the grid dialog
    // and the grid. A grid that cannot be built leaves the old one in place.
    // Returns the document's grid; *geometryTaken tells whether the geometry
    // dialog was answered with OK at least once.
    Grid* generateGridChecked(bool askGeometry, bool* geometryTaken = nullptr);

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
    ExportController* exports = nullptr; // a child of the window

    // Connected by hand in the constructor or the command that uses them.
    // Plain members, not slots: their names look like automatic connections
    // that match no widget, and the form would warn about each at start-up.
    void on_tomo_stopped();
    void on_vtk_palette_changed();
    void on_actionZoom_in_traces_triggered();
    void on_actionZoom_out_traces_triggered();
    void on_actionZoomT_in_traces_triggered();
    void on_actionZoomT_out_traces_triggered();
    // The noise reduction behind Apply DaZo; no action of its own.
    void on_actionAuto_improve_triggered();

    // The controllers, built by the constructor.
    std::unique_ptr<SectionDisplay> sectionDisplay;
    std::unique_ptr<TraceDisplay> traceDisplay;
    std::unique_ptr<SurveyCommands> surveyCommands;
    std::unique_ptr<ProjectCommands> projectCommands;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

public slots:
    void enable_draw_travel_times();
    void on_pickEdited();
    void on_mousemoved(int i);
    void update_palette_min(int value);
    void update_palette_max(int value);
    void update_show_traces(bool b);
    void on_actionSettings_triggered();
    void on_actionShow_Contour_Lines_triggered();
    void on_actionLoad_TT_triggered();
    void on_actionRun_tomography_inversion_triggered();
    void on_actionNew_triggered();
    void on_actionNext_file_triggered();
    void on_actionPrev_file_triggered();
    void on_actionDefine_model_velocity_triggered();
    void on_actionLoad_Project_triggered();
    // True when the project was saved (and is now the open project).
    bool on_actionSave_Project_As_triggered();
    void on_actionSave_Project_triggered();
    void on_actionImages_triggered();
    void on_actionScreenshot_triggered();
    void on_actionAutoPick_triggered();
    void on_actionFilter_triggered();
    void on_actionApply_DaZo_triggered();
    void on_actionAGC_triggered();
    void on_actionGeometry_triggered();
    void on_actionGrid_triggered();
    void on_actionPDF_triggered();
    void on_actionODT_triggered();
    void on_tabWidget_tabBarClicked(int index);
    void on_showAllPicksCB_stateChanged(int state);
    void on_showTravelTimeCB_stateChanged(int state);
    void on_showSimTT_CB_stateChanged(int state);
    void on_splitter_splitterMoved(int pos, int index);
    void on_actionPalette_triggered();
    void on_actionAbout_triggered();
    void on_actionExit_triggered();
    void on_actionHelp_triggered();
    void on_actionUser_guide_triggered();
    void on_actionShow_rays_triggered();
    void on_actionReset_View_triggered();
    void on_actionVertical_Gradient_triggered();
    void on_actionLaplacian_Gradient_triggered();
    void on_actionShow_Tomographic_Profile_triggered();
    void on_actionSmallGeo_triggered();
    void on_actionNormalGeo_triggered();
    void on_actionLargeGeo_triggered();
    void on_actionShow_refraction_triggered();
    void on_actionShow_scalarbar_triggered();
    void on_actionShow_Information_Density_Layer_triggered();
    void on_actionShow_Grid_Lines_triggered();
    void on_actionShow_title_triggered();
    void on_actionSet_title_triggered();
    void on_actionSet_geography_coordinates_triggered();
    void show_fill_wiggle(bool b);
    void cutWaveForm(bool b);
    void zoomInWindow(bool b);
    void updateWindowZooming();
    void on_actionRefraction_triggered();
    void on_actionExport_TravelTimes_triggered();
    void on_actionExportTomographic_profile_2_KML_triggered();
    void on_actionExportSeismic_line_triggered();
    void on_actionGridded_Data_triggered();

private:
    void createControllers();
    // "Tervanelo_MainWindows::" + the command's name, at level 0.
    void logCommand(const char* name);
    void showCommandError(const std::exception& e);
    void runFirstRunDialog();
    // Makes the section tab current and applies its rules.
    void bringSectionForward();
};
