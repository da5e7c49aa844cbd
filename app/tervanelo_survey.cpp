// The survey and project commands: the window's slots hand them to their
// controllers.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "progresstomography_dialog.h"
#include "projectcommands.h"
#include "refractioncontroller.h"
#include "sectiondisplay.h"
#include "surveycommands.h"
#include "tracedisplay.h"
#include "workfolder.h"

#include <QMessageBox>

void Tervanelo_MainWindows::createControllers()
{
    Ui::Tervanelo_MainWindows& f = *ui;
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
                                    f.actionShow_title};
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
        SectionDisplay::Host{this, f.vtk_layout, f.vtk_tab, connectBar,
                             [this] { bringSectionForward(); }, [this] { setModified(true); }},
        logger, document);

    traceDisplay = std::make_unique<TraceDisplay>(
        f, document, settings,
        TraceDisplay::State{currentShot, timeZoom, horizontalZoom, horizontalZoomSteps,
                            timeZoomSteps},
        TraceDisplay::Zoom{zoomInAction, zoomOutAction, zoomTimeInAction, zoomTimeOutAction,
                           zoomButton, timeZoomButton},
        TraceDisplay::Host{this, [this] { setModified(true); },
                           [this] { updateWindowTitle(true); }},
        logger);

    auto readHistory = [this] { return readHistoryFile(); };
    auto saveHistory = [this](const std::string& folder) { saveHistoryFile(folder); };
    auto actionsState = [this](bool e) { updateActionsState(e); };
    auto title = [this](bool modified) { updateWindowTitle(modified); };
    auto tabRules = [this](int index) { on_tabWidget_tabBarClicked(index); };

    SurveyCommands::Host surveyHost;
    surveyHost.window = this;
    surveyHost.zoomIn = zoomInAction;
    surveyHost.zoomTimeIn = zoomTimeInAction;
    surveyHost.updateActionsState = actionsState;
    surveyHost.updateWindowTitle = title;
    surveyHost.setModified = [this](bool b) { setModified(b); };
    surveyHost.askToSaveChanges = [this] { return askToSaveChanges(); };
    surveyHost.readHistory = readHistory;
    surveyHost.saveHistory = saveHistory;
    surveyHost.releaseProjectFolder = [this] { projectFolder.reset(); };
    surveyHost.connectStop = [this](QObject* progress) {
        connect(static_cast<ProgressTomography_Dialog*>(progress),
                &ProgressTomography_Dialog::stopped, this, &Tervanelo_MainWindows::on_tomo_stopped);
    };
    surveyHost.applyTabRules = tabRules;
    surveyHost.bringSectionForward = [this] { bringSectionForward(); };
    surveyCommands = std::make_unique<SurveyCommands>(
        f,
        SurveyCommands::State{document, refractionData, currentShot, projectIsOpen, projectFile,
                              stopRequested},
        settings, logger, *traceDisplay, *sectionDisplay, std::move(surveyHost));

    ProjectCommands::Host projectHost;
    projectHost.window = this;
    projectHost.updateActionsState = actionsState;
    projectHost.updateWindowTitle = title;
    projectHost.readHistory = readHistory;
    projectHost.saveHistory = saveHistory;
    projectHost.applyTabRules = tabRules;
    projectHost.resetToNoSurvey = [this] { surveyCommands->resetToNoSurvey(); };
    projectHost.saveAsCommand = [this] { return on_actionSave_Project_As_triggered(); };
    projectCommands = std::make_unique<ProjectCommands>(
        f,
        ProjectCommands::State{document, refractionData, paletteList, currentShot, projectIsOpen,
                               projectFile, projectFolder, workFolder},
        settings, logger, *traceDisplay, *sectionDisplay, std::move(projectHost));

    refractionController = std::make_unique<RefractionController>(
        document, refractionData, logger, f.actionShow_refraction, *sectionDisplay,
        [this] { setModified(true); }, [this](const std::exception& e) { showCommandError(e); });
}

// ---- Survey ----

bool Tervanelo_MainWindows::askToSaveChanges()
{
    return projectCommands->askToSaveChanges();
}

bool Tervanelo_MainWindows::loadTraces_PWave()
{
    return surveyCommands->loadShots();
}

Grid* Tervanelo_MainWindows::generateGridChecked(bool askGeometry, bool* geometryTaken)
{
    return surveyCommands->generateGrid(askGeometry, geometryTaken);
}

void Tervanelo_MainWindows::on_actionNew_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->newSurvey(); });
}

void Tervanelo_MainWindows::on_actionLoad_TT_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->importTravelTimes(); });
}

void Tervanelo_MainWindows::on_actionGeometry_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->editGeometry(); });
}

void Tervanelo_MainWindows::on_actionGrid_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->editGrid(); });
}

void Tervanelo_MainWindows::on_actionDefine_model_velocity_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->defineModel(); });
}

void Tervanelo_MainWindows::on_tomo_stopped()
{
    logCommand(__func__);
    stopRequested = true;
}

void Tervanelo_MainWindows::on_actionRun_tomography_inversion_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->runInversion(); });
}

void Tervanelo_MainWindows::on_actionExport_TravelTimes_triggered()
{
    logCommand(__func__);
    guarded([this] { surveyCommands->exportTravelTimes(); });
}

// ---- Project ----

bool Tervanelo_MainWindows::on_actionSave_Project_As_triggered()
{
    logCommand(__func__);
    bool saved = false;
    guarded([&] { saved = projectCommands->saveAs(); });
    return saved;
}

void Tervanelo_MainWindows::on_actionSave_Project_triggered()
{
    logCommand(__func__);
    guarded([this] { projectCommands->save(); });
}

void Tervanelo_MainWindows::on_actionLoad_Project_triggered()
{
    logCommand(__func__);
    guarded([this] { projectCommands->load(); });
}

void Tervanelo_MainWindows::openProject(std::string path)
{
    projectCommands->open(path);
}
