// The window: its construction, the controllers it builds, the action states
// and the title, and the commands whose log line is not the plain one.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "dialogscreenfit.h"
#include "dropdowntoolbutton.h"
#include "exportcontroller.h"
#include "helpcommands.h"
#include "history.h"
#include "initresources.h"
#include "logger.h"
#include "progresstomography_dialog.h"
#include "projectcommands.h"
#include "refractioncontroller.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "sectiondisplay.h"
#include "settingscommands.h"
#include "surveycommands.h"
#include "tracedisplay.h"
#include "workfolder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

#include <climits>
#include <type_traits>

namespace
{
const char* checkedText(bool b)
{
    return b ? "true" : "false";
}
} // namespace

Tervanelo_MainWindows::Tervanelo_MainWindows(QWidget* parent)
    : QMainWindow(parent), titleText(tr("Tervanelo 2022.0").toStdString())
{
    paletteList.curr_palette = INT_MAX; // none until the palettes are set up
    tervanelo::initResources();
    fitDialogsToScreen();
    ui = new Ui::Tervanelo_MainWindows;
    ui->setupUi(this);

    // The trace zoom actions live in two drop-down buttons of the tool bar.
    auto zoomAction = [this](const QString& text, void (Tervanelo_MainWindows::*slot)()) {
        auto* action = new QAction(text, this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    zoomInAction =
        zoomAction(tr("Zoom In"), &Tervanelo_MainWindows::on_actionZoom_in_traces_triggered);
    zoomOutAction =
        zoomAction(tr("Zoom Out"), &Tervanelo_MainWindows::on_actionZoom_out_traces_triggered);
    zoomTimeInAction =
        zoomAction(tr("Zoom Time In"), &Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered);
    zoomTimeOutAction = zoomAction(tr("Zoom Time Out"),
                                   &Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered);
    zoomButton =
        TraceDisplay::addZoomButton(ui->toolBar, ui->actionApply_DaZo, zoomInAction, zoomOutAction,
                                    ":/icons/zoomInOriz.png", ":/icons/zoomOutOriz.png");
    timeZoomButton = TraceDisplay::addZoomButton(
        ui->toolBar, ui->actionApply_DaZo, zoomTimeInAction, zoomTimeOutAction,
        ":/icons/zoomInVert.png", ":/icons/zoomOutVert.png");
    createControllers();

    workFolder = QDir::homePath().toStdString() + "/Tervanelo_TMP/";
    if (!QDir(QString::fromStdString(workFolder)).exists())
        QDir().mkdir(QString::fromStdString(workFolder));
    logFile = workFolder + "Tervanelo_log.log";
    settingsFile = workFolder + "Tervanelo_settings.xml";
    historyFile = workFolder + "Tervanelo_history.txt";

    logger = new Logger(logFile);
    logger->writeLog("Application Start", 0);
    // What saves killed while packing left beside the last projects.
    if (QFileInfo::exists(QString::fromStdString(historyFile)))
        removeSaveLeftoversIn(::readHistoryFile(historyFile));

    settings.settingsPath = settingsFile;
    sectionDisplay->setWorkFolder(workFolder);
    setupPalettes();
    const bool settingsLoaded = settings.loadSettings();
    setupLanguages(settingsLoaded);
    exportBackground = QColor(235, 235, 235, 255);

    if (!settingsLoaded)
        settingsCommands->runFirstRunDialog();

    updateActionsState(false);

    auto connectTraceView = [this](auto* view) {
        using View = std::remove_pointer_t<decltype(view)>;
        connect(view, &View::pick_added, this, &Tervanelo_MainWindows::enable_draw_travel_times);
        connect(view, &View::pick_edited, this, &Tervanelo_MainWindows::on_pickEdited);
        connect(view, &View::mouse_moved, this, &Tervanelo_MainWindows::on_mousemoved);
    };
    connectTraceView(ui->widget_3);
    connectTraceView(ui->showTracesWidget);

    traceDisplay->splitBeforeFirstShow();
    on_tabWidget_tabBarClicked(0);
    connect(ui->show_filtered_cb, &QCheckBox::clicked, this,
            &Tervanelo_MainWindows::update_show_traces);
}

Tervanelo_MainWindows::~Tervanelo_MainWindows()
{
    // Qt deletes the child widgets after this body: the section view must not
    // keep a pointer to freed refraction data meanwhile.
    sectionDisplay->setRefraction(nullptr);
    delete refractionData;
    refractionData = nullptr;
    delete ui;
    // Only the document writes the log, and it no longer runs any command.
    delete logger;
    logger = nullptr;
    document.logger = nullptr;
}

void Tervanelo_MainWindows::createControllers()
{
    Ui::Tervanelo_MainWindows& f = *ui;
    host.window = this;
    host.prompts = &dialogPrompts;
    host.updateActionsState = [this](bool e) { updateActionsState(e); };
    host.updateWindowTitle = [this](bool modified) { updateWindowTitle(modified); };
    host.setModified = [this](bool b) { setModified(b); };
    host.askToSaveChanges = [this] { return projectCommands->askToSaveChanges(); };
    host.saveProjectAs = [this] { return on_actionSave_Project_As_triggered(); };
    host.readHistory = [this] { return readHistoryFile(); };
    host.saveHistory = [this](const std::string& folder) { saveHistoryFile(folder); };
    host.storeSettings = [this] { settingsCommands->store(); };
    host.applyTabRules = [this](int index) { on_tabWidget_tabBarClicked(index); };
    host.bringSectionForward = [this] {
        traceDisplay->showSectionTab();
        on_tabWidget_tabBarClicked(2);
    };
    host.connectStop = [this](QObject* progress) {
        connect(static_cast<ProgressTomography_Dialog*>(progress),
                &ProgressTomography_Dialog::stopped, this, &Tervanelo_MainWindows::on_tomo_stopped);
    };
    host.showError = [this](const std::exception& e) { showCommandError(e); };

    SectionDisplay::State section{paletteList,
                                  paletteWidget,
                                  contourCount,
                                  equallySpaced,
                                  isovalues,
                                  customContours,
                                  viewVelocity,
                                  viewVerticalGradient,
                                  viewLaplacianGradient,
                                  viewInfoDensity,
                                  viewFilledContours,
                                  contourColor,
                                  contourLabelSize};
    SectionDisplay::Actions actions{f.actionShow_Tomographic_Profile,
                                    f.actionVertical_Gradient,
                                    f.actionLaplacian_Gradient,
                                    f.actionShow_Information_Density_Layer,
                                    f.actionShow_rays,
                                    f.actionShow_Contour_Lines,
                                    f.actionSmallGeo,
                                    f.actionNormalGeo,
                                    f.actionLargeGeo,
                                    f.actionShow_refraction,
                                    f.actionShow_scalarbar,
                                    f.actionShow_Grid_Lines,
                                    f.actionShow_title,
                                    f.actionPalette,
                                    f.actionReset_View,
                                    f.menuView,
                                    f.menuShow_velocity_gradient,
                                    f.menuShow_Geophones};
    auto connectBar = [this](ColorPaletteWidget* bar) {
        connect(bar, &ColorPaletteWidget::changed_max_value, this,
                &Tervanelo_MainWindows::update_palette_max);
        connect(bar, &ColorPaletteWidget::changed_min_value, this,
                &Tervanelo_MainWindows::update_palette_min);
        connect(bar, &ColorPaletteWidget::modified, this,
                &Tervanelo_MainWindows::on_vtk_palette_changed);
    };
    sectionDisplay = std::make_unique<SectionDisplay>(
        *f.vtk_widget, section, actions,
        SectionDisplay::Host{this, f.vtk_layout, f.vtk_tab, connectBar, host.bringSectionForward,
                             [this] { setModified(true); }, dialogPrompts},
        logger, document);

    traceDisplay = std::make_unique<TraceDisplay>(
        TraceDisplay::Views{f.widget_3, f.scrollArea, f.scrollAreaWidgetContents,
                            f.showTracesWidget, f.widget_2, f.travelTimePreview, f.splitter,
                            f.parentOfSplit, f.tabWidget, f.show_filtered_cb,
                            f.showComputedCurvesCB, f.showSimTT_CB},
        TraceDisplay::Actions{f.menuTraces, f.actionFill_wiggle, f.actionNext_file,
                              f.actionPrev_file, f.actionApply_DaZo, f.actionFilter, f.actionAGC,
                              f.actionAutoPick, f.actionScreenshot},
        document, settings,
        TraceDisplay::State{currentShot, timeZoom, horizontalZoom, horizontalZoomSteps,
                            timeZoomSteps},
        TraceDisplay::Zoom{zoomInAction, zoomOutAction, zoomTimeInAction, zoomTimeOutAction,
                           zoomButton, timeZoomButton},
        host, logger);
    settingsCommands = std::make_unique<SettingsCommands>(
        *this, [this] { ui->retranslateUi(this); }, settings,
        SettingsCommands::Languages{translator, qtTranslator, languageFolder, languageCodes,
                                    currentLanguage},
        document, logger, *traceDisplay, host);

    const SurveyState survey{document,      refractionData, currentShot,
                             projectIsOpen, projectFile,    projectFolder};
    surveyCommands = std::make_unique<SurveyCommands>(
        SurveyCommands::Actions{f.menuProject, f.menuProcessing, f.actionGeometry, f.actionGrid,
                                f.actionDefine_model_velocity, f.actionRun_tomography_inversion,
                                f.actionRefraction, f.actionExport_TravelTimes, f.actionPalette,
                                f.actionScreenshot},
        survey, stopRequested, logger, *traceDisplay, *sectionDisplay, host);
    projectCommands = std::make_unique<ProjectCommands>(
        ProjectCommands::Actions{f.actionSave_Project, f.actionSave_Project_As, f.actionSet_title},
        ProjectCommands::State{survey, paletteList, workFolder}, logger, *traceDisplay,
        *sectionDisplay, *surveyCommands, host);
    refractionController = std::make_unique<RefractionController>(
        document, refractionData, logger, f.actionShow_refraction, *sectionDisplay, host);

    ExportContext context{host,
                          document,
                          settings,
                          paletteList,
                          exportBackground,
                          exportFontScale,
                          exportLabelCount,
                          workFolder,
                          [this](const std::string& line) { logger->writeLog(line, 0); },
                          [this] { return traceDisplay->currentTab(); },
                          f.menuExport,
                          {f.actionExportTomographic_profile_2_KML, f.actionExportSeismic_line,
                           f.actionSet_geography_coordinates, f.actionImages, f.actionODT,
                           f.actionPDF, f.actionScreenshot}};
    exports = new ExportController(std::move(context),
                                   std::make_unique<ViewSectionRenderer>(*sectionDisplay), this);
}

bool Tervanelo_MainWindows::event(QEvent* e)
{
    // A button released on the frame ends a resize by the window manager.
    if (e->type() == QEvent::NonClientAreaMouseButtonRelease)
        sectionDisplay->redraw();
    return QMainWindow::event(e);
}

void Tervanelo_MainWindows::closeEvent(QCloseEvent* e)
{
    if (projectCommands->askToSaveChanges())
        e->accept();
    else
        e->ignore();
}

void Tervanelo_MainWindows::logCommand(const char* name)
{
    logger->writeLog(std::string("Tervanelo_MainWindows::") + name, 0);
}

void Tervanelo_MainWindows::showCommandError(const std::exception& e)
{
    host.prompts->critical(this, tr("Error occured"), QString::fromLocal8Bit(e.what()));
}

// ---- Action states and title ----

void Tervanelo_MainWindows::updateActionsState(bool e)
{
    // Each area derives its own actions' states from the document and its view.
    surveyCommands->updateActions(e);
    projectCommands->updateActions(e);
    traceDisplay->updateActions(e);
    sectionDisplay->updateActions(e);
    refractionController->resetShowAction();
    exports->updateActions(e);
}

void Tervanelo_MainWindows::updateWindowTitle(bool modified)
{
    std::string title = titleText;
    if (projectIsOpen) {
        title += " - " + projectFile;
        if (modified)
            title += " * ";
    }
    setWindowTitle(QString::fromStdString(title));
    if (!modified)
        document.modified = false;
}

void Tervanelo_MainWindows::setModified(bool b)
{
    document.modified = b;
    if (b && projectIsOpen)
        updateWindowTitle(true);
}

// ---- Help ----

void Tervanelo_MainWindows::on_actionExit_triggered()
{
    logCommand(__func__);
    // Deliberately no question about unsaved changes: Exit quits at once.
    QCoreApplication::quit();
}

// ---- Survey ----

void Tervanelo_MainWindows::on_tomo_stopped()
{
    logCommand(__func__);
    stopRequested = true;
}

void Tervanelo_MainWindows::on_actionRefraction_triggered()
{
    logCommand(__func__);
    refractionController->run();
}

// ---- Project ----

bool Tervanelo_MainWindows::on_actionSave_Project_As_triggered()
{
    logCommand(__func__);
    bool saved = false;
    guarded([&] { saved = projectCommands->saveAs(); });
    return saved;
}

// ---- Trace views ----

void Tervanelo_MainWindows::on_actionZoom_in_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomIn();
}

void Tervanelo_MainWindows::on_actionZoom_out_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomOut();
}

void Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomTimeIn();
}

void Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered()
{
    logCommand(__func__);
    traceDisplay->zoomTimeOut();
}

void Tervanelo_MainWindows::on_mousemoved(int i)
{
    logCommand(__func__);
    traceDisplay->previewShot(i);
}

void Tervanelo_MainWindows::on_pickEdited()
{
    logCommand(__func__);
    traceDisplay->pickEdited();
}

void Tervanelo_MainWindows::on_showAllPicksCB_stateChanged(int state)
{
    logCommand(__func__);
    traceDisplay->showAllPicks(state != 0);
}

void Tervanelo_MainWindows::on_showSimTT_CB_stateChanged(int state)
{
    logCommand(__func__);
    traceDisplay->showSimulatedTimes(state != 0);
}

void Tervanelo_MainWindows::on_showComputedCurvesCB_toggled(bool checked)
{
    logCommand(__func__);
    traceDisplay->showComputedCurves(checked);
}

void Tervanelo_MainWindows::on_showTravelTimeCB_stateChanged(int state)
{
    logCommand(__func__);
    traceDisplay->showTravelTimePlot(state != 0);
}

void Tervanelo_MainWindows::on_actionApply_DaZo_triggered()
{
    logCommand(__func__);
    on_actionAuto_improve_triggered();
}

void Tervanelo_MainWindows::enable_draw_travel_times()
{
    traceDisplay->pickAdded();
}

// ---- Section view ----

void Tervanelo_MainWindows::on_actionShow_rays_triggered()
{
    logger->writeLog(std::string("Tervanelo_MainWindows::") + __func__ + ": " +
                         checkedText(ui->actionShow_rays->isChecked()),
                     0);
    guarded([this] { sectionDisplay->showRays(); });
}

void Tervanelo_MainWindows::on_actionSmallGeo_triggered()
{
    command(__func__, [this] { sectionDisplay->setMarkerSize(ui->actionSmallGeo); });
}

void Tervanelo_MainWindows::on_actionNormalGeo_triggered()
{
    command(__func__, [this] { sectionDisplay->setMarkerSize(ui->actionNormalGeo); });
}

void Tervanelo_MainWindows::on_actionLargeGeo_triggered()
{
    command(__func__, [this] { sectionDisplay->setMarkerSize(ui->actionLargeGeo); });
}
