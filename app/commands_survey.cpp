// Survey commands: loading shots and travel times, geometry and grid, the
// initial velocity model, the inversion and the travel-time export.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "contourlevels.h"
#include "dialogsetgeometry.h"
#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "grid.h"
#include "griddialog.h"
#include "inversionmisfit.h"
#include "logger.h"
#include "ottewriter.h"
#include "progresstomography_dialog.h"
#include "refractiondatastructure.h"
#include "runtomography_dialog.h"
#include "select_speed_dialog.h"
#include "traveltimeexport.h"
#include "velocitymodel.h"
#include "vtkviewer.h"
#include "waitcursor.h"
#include "workfolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>

namespace
{

QStringList chooseFilesToOpen(QWidget* parent, const QString& caption, const std::string& folder,
                              const QString& filter, QFileDialog::FileMode mode)
{
    QFileDialog dialog(parent, caption, QString::fromStdString(folder), filter);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

// At least two receivers at different positions: a profile to lay a grid on.
// (A survey without spreads counts as having a geometry for hasGeometry.)
bool receiversSpreadOut(const TomoDocument& document)
{
    if (!document.hasGeometry())
        return false;
    const Point2D* first = nullptr;
    for (const std::vector<Point2D>& spread : document.goephonesStringSet)
        for (const Point2D& p : spread) {
            if (!first)
                first = &p;
            else if (p.x != first->x)
                return true;
        }
    return false;
}

// The spin boxes of the run dialog hold whole m/s from 1 up.
int velocityLimit(double v)
{
    return int(std::clamp(v, 1.0, 999999999.0));
}

QString seismicLoadError(int code)
{
    const QString start = Tervanelo_MainWindows::tr("Error while loading one or more traces.") +
                          QStringLiteral("\n\n");
    switch (code) {
    case SeismicResult::UnsupportedSuffix:
        return start + Tervanelo_MainWindows::tr("Unsupported file format.");
    case SeismicResult::NoSampleInterval:
        return start + Tervanelo_MainWindows::tr("A trace has no usable sample interval.");
    default:
        return start + Tervanelo_MainWindows::tr("Cannot open or read the file.");
    }
}

} // namespace

// ---- Shared steps ----

bool Tervanelo_MainWindows::askToSaveChanges()
{
    if (!document.modified)
        return true;
    QMessageBox box;
    box.setText(tr("The document has been modified"));
    box.setInformativeText(tr("Do you want to save your changes?"));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        // Going on after a cancelled or failed save would lose the work.
        return on_actionSave_Project_As_triggered();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Tervanelo_MainWindows::resetToNoSurvey()
{
    currentShot = -1;
    ui->showTracesWidget->clearTraceWidgets();
    ui->widget_3->setDocument(&document);
    ui->widget_3->setShot(-1);
    ui->widget_3->update();
    ui->widget_2->setDocument(&document);
    ui->widget_2->showComputedTimes = false;
    ui->widget_2->update();
    ui->travelTimePreview->setDocument(&document);
    ui->travelTimePreview->update();
    ui->vtk_widget->setDocument(&document);
    // The viewer lets go first: it must never hold a deleted structure.
    ui->vtk_widget->refractionData = nullptr;
    delete refractionData;
    refractionData = nullptr;

    // The old project file no longer belongs to this survey: a save must
    // ask for a new one.
    projectIsOpen = false;
    projectFile.clear();
    projectFolder.reset();
    updateWindowTitle(false);

    updateActionsState(false);
    for (QAction* a : {ui->actionFilter, ui->actionAGC, ui->actionFill_wiggle})
        a->setEnabled(false);
    ui->show_filtered_cb->setChecked(false);
    ui->show_filtered_cb->setEnabled(false);
}

void Tervanelo_MainWindows::applyDisplaySettings()
{
    cutWaveForm(settings.cutHorizontal);
    zoomInWindow(settings.zoomIn);
    show_fill_wiggle(settings.fillWiggle);
    update_show_traces(settings.showFiltered);
    ui->widget_2->twoColors = settings.twoColors;
    ui->travelTimePreview->twoColors = settings.twoColors;
}

void Tervanelo_MainWindows::refreshSurveyActions()
{
    int tab = ui->tabWidget->currentIndex();
    updateActionsState(true);
    ui->tabWidget->setTabEnabled(0, !document.traceSets.empty());
    // The tab bar moves off a tab that was disabled without saying so: the
    // tab in front and the rules applied are chosen here, together.
    if (!ui->tabWidget->isTabEnabled(tab))
        tab = ui->tabWidget->isTabEnabled(0) ? 0 : 1;
    ui->tabWidget->setCurrentIndex(tab);
    on_tabWidget_tabBarClicked(tab);
}

// ---- New, Import, Next and Previous ----

void Tervanelo_MainWindows::on_actionNew_triggered()
{
    logCommand(__func__);
    guarded([this] {
        if (!askToSaveChanges() || !loadTraces_PWave())
            return;
        if (document.traceSets.empty())
            return;
        document.buildTravelTimes();
        generateGridChecked(true);

        auto refraction = std::make_unique<refractionDataStructure>(&document);
        refraction->initFromDocument();
        refractionData = refraction.release();

        updateActionsState(false);
        updateActionsState(true);
        ui->actionPalette->setEnabled(false);
        ui->actionShow_rays->setEnabled(false);
        ui->actionScreenshot->setEnabled(false);

        currentShot = 0;
        ui->widget_3->setDocument(&document);
        ui->widget_3->setShot(0);
        zoomInAction->setEnabled(true);
        zoomTimeInAction->setEnabled(true);
        if (document.traceSets.size() > 1) {
            ui->actionNext_file->setEnabled(true);
            ui->actionPrev_file->setEnabled(true);
        }

        redrawTravelTimes();
        ui->travelTimePreview->previewMode = true;
        ui->travelTimePreview->setDocument(&document);
        ui->travelTimePreview->setShotIndex(0);
        ui->travelTimePreview->update();

        ui->vtk_widget->setDocument(&document);
        ui->vtk_widget->refractionData = refractionData;

        projectFile.clear();
        projectIsOpen = false;
        updateWindowTitle(false);

        ui->actionFilter->setEnabled(true);
        ui->actionAGC->setEnabled(true);
        for (QAction* a : {zoomInAction, zoomOutAction, zoomTimeInAction, zoomTimeOutAction})
            a->setEnabled(true);
        zoomButton->setEnabled(true);
        timeZoomButton->setEnabled(true);

        ui->show_filtered_cb->setChecked(false);
        ui->show_filtered_cb->setEnabled(false);
        applyDisplaySettings();

        ui->scrollArea->setVisible(!settings.showAllTraces);
        ui->showTracesWidget->setVisible(settings.showAllTraces);
    });
}

bool Tervanelo_MainWindows::loadTraces_PWave()
{
    const QStringList files = chooseFilesToOpen(
        this, tr("Open Seismic Trace"), readHistoryFile(),
        tr("SEG2 format (*.sg2 *.dat *.seg2);;SEGY format (*.sgy *.segy);;SU format "
           "(*.su);;All Files (*)"),
        QFileDialog::ExistingFiles);
    if (files.isEmpty())
        return false;
    saveHistoryFile(QFileInfo(files.first()).absolutePath().toStdString());
    logCommand(__func__);

    document = TomoDocument(logger);
    resetToNoSurvey();
    int code;
    {
        WaitCursor wait;
        code = document.loadSeismicFiles(files);
        createTraceWidgets();
    }
    if (code != SeismicResult::Ok) {
        // The files before the failing one were read; the survey goes on with them.
        QMessageBox box(QMessageBox::Critical, tr("Error occured"), seismicLoadError(code),
                        QMessageBox::Ok, this);
        const int failing = int(document.traceSets.size());
        if (failing < files.size())
            box.setInformativeText(QDir::toNativeSeparators(files.at(failing)));
        box.exec();
    }
    return true;
}

void Tervanelo_MainWindows::createTraceWidgets()
{
    if (document.traceSets.empty())
        return;
    ui->showTracesWidget->clearTraceWidgets();
    for (size_t i = 0; i < document.traceSets.size(); ++i) {
        auto* panel = new drawTraces(this);
        panel->setDocument(&document);
        panel->setShot(int(i));
        panel->update();
        panel->travelTimeView = ui->widget_2;
        panel->setShowFiltered(false);
        // The window's zoom outlives the panels of an earlier survey.
        panel->setZoom(timeZoom, horizontalZoom);
        ui->showTracesWidget->addTraceWidget(panel);
        std::cout << "created trace widget " << i << std::endl;
    }
}

void Tervanelo_MainWindows::on_actionLoad_TT_triggered()
{
    logCommand(__func__);
    guarded([this] {
        if (!askToSaveChanges())
            return;
        document = TomoDocument(logger);
        resetToNoSurvey();

        const QStringList chosen = chooseFilesToOpen(
            this, tr("Open TravelTimeExchange"), readHistoryFile(),
            tr("OpenTravelTimeExchange format (*.otte);;All Files (*)"), QFileDialog::ExistingFile);
        if (chosen.isEmpty())
            return;
        const QString path = chosen.first();
        saveHistoryFile(QFileInfo(path).absolutePath().toStdString());

        int result;
        {
            WaitCursor wait;
            try {
                result = document.loadTravelTimes(path.toStdString());
            } catch (const std::exception& e) {
                logger->writeLog("Invalid TT file " + path.toStdString() + " : " + e.what(), 1);
                result = 1;
            }
        }
        // A suffix the readers do not know is as unreadable as a broken file.
        if (result != 0) {
            if (!document.ttArray.empty() || !document.goephonesStringSet.empty()) {
                document = TomoDocument(logger);
                resetToNoSurvey();
            }
            QMessageBox::critical(this, tr("Error"), path + tr(" is not a valid TT file."),
                                  QMessageBox::Ok);
            return;
        }

        generateGridChecked(true);
        updateActionsState(false);
        updateActionsState(true);
        ui->actionPalette->setEnabled(false);
        ui->actionScreenshot->setEnabled(false);
        fitPaletteToVelocities();
        paletteWidget->updateHandlePositions();
        ui->tabWidget->setTabEnabled(0, false);
        ui->tabWidget->setTabEnabled(1, true);
        ui->widget_2->setDocument(&document);
        ui->widget_2->update();
        ui->vtk_widget->setDocument(&document);
        ui->travelTimePreview->setDocument(&document);
        ui->travelTimePreview->previewMode = true;
        ui->travelTimePreview->update();
        projectFile.clear();
        projectIsOpen = false;
        updateWindowTitle(false);
    });
}

namespace
{
// Shows shot w.currentShot in the single-shot view and the preview; the
// filtered-traces box follows that shot's trace set, if it has one.
void showCurrentShot(Tervanelo_MainWindows& w)
{
    Ui::Tervanelo_MainWindows& f = *w.ui;
    f.widget_3->setShot(w.currentShot);
    f.widget_3->update();
    f.travelTimePreview->setShotIndex(w.currentShot);
    f.travelTimePreview->update();

    const std::vector<TraceSet>& sets = w.document.traceSets;
    const bool hasSet = w.currentShot >= 0 && size_t(w.currentShot) < sets.size();
    if (hasSet && sets[size_t(w.currentShot)].hasFiltered) {
        const bool shown = sets[size_t(w.currentShot)].useFiltered;
        f.show_filtered_cb->setEnabled(true);
        f.show_filtered_cb->setChecked(shown);
        f.widget_3->showFiltered = shown;
    } else {
        f.show_filtered_cb->setChecked(false);
        f.show_filtered_cb->setEnabled(false);
        f.widget_3->showFiltered = false;
    }
    f.widget_3->update();
}
} // namespace

void Tervanelo_MainWindows::on_actionNext_file_triggered()
{
    logCommand(__func__);
    guarded([this] {
        const int n = int(document.ttArray.size());
        if (n == 0)
            return;
        currentShot = currentShot < n - 1 ? currentShot + 1 : 0;
        showCurrentShot(*this);
    });
}

void Tervanelo_MainWindows::on_actionPrev_file_triggered()
{
    logCommand(__func__);
    guarded([this] {
        const int n = int(document.ttArray.size());
        if (n == 0)
            return;
        currentShot = currentShot > 0 && currentShot < n ? currentShot - 1 : n - 1;
        showCurrentShot(*this);
    });
}

// ---- Geometry and grid ----

Grid* Tervanelo_MainWindows::generateGridChecked(bool askGeometry, bool* geometryTaken)
{
    if (geometryTaken)
        *geometryTaken = false;
    for (;;) {
        if (askGeometry) {
            DialogSetGeometry geometry(document.goephonesStringSet, document.ttArray,
                                       document.traceSets, document.xShift);
            geometry.fillGeometryLists();
            if (geometry.exec() != QDialog::Accepted)
                return document.grid.get();
            document.goephonesStringSet = std::move(geometry.spreads);
            document.traceSets = std::move(geometry.traceSets);
            document.ttArray = std::move(geometry.travelTimes);
            if (geometryTaken)
                *geometryTaken = true;
            // Even when no new grid follows, the survey has changed.
            setModified(true);
        }
        if (receiversSpreadOut(document))
            break;
        QMessageBox::warning(nullptr, tr("Warning"),
                             tr("Geophones do not have geometry! \n") +
                                 tr("Please set the position of geophones\n"));
        // Without the geometry dialog nothing could change on a second look.
        if (!askGeometry)
            return document.grid.get();
    }

    const Grid* current = document.grid.get();
    const double currentCell = current ? current->aLato : 0.0;
    const int currentNodes = current ? int(current->nV) : 0;
    // The profile step rewrites the points and the shift the current grid was
    // built on: put them back when no new grid comes of it.
    const std::vector<double> savedX = document.topographyX;
    const std::vector<double> savedZ = document.topographyZ;
    const double savedShift = document.xShift;
    auto restoreProfile = [&] {
        document.topographyX = savedX;
        document.topographyZ = savedZ;
        document.xShift = savedShift;
    };

    document.clearTopographyPoints();
    double length = document.prepareProfile();
    gridDialog dialog;
    double proposal = currentCell;
    if (askGeometry)
        proposal = document.cellSizes.empty() ? 0.5 : document.cellSizes.front();
    dialog.init(length, proposal, currentNodes);
    if (dialog.exec() != QDialog::Accepted) {
        restoreProfile();
        return document.grid.get();
    }

    document.clearTopographyPoints();
    length = document.prepareProfile();
    const GridDimensions size = gridDimensions(length, dialog.cellSize, dialog.maxDepth);
    bool built;
    {
        WaitCursor wait;
        logger->writeLog("Generating the grid ...", 0);
        built = size.columns > 0 && size.rows > 0 &&
                document.createGrid(uint32_t(size.columns), uint32_t(size.rows), dialog.cellSize,
                                    uint32_t(dialog.nodesPerSide));
        logger->writeLog("Generating the grid ... COMPLETED", 0);
    }
    if (!built) {
        logger->writeLog("Error in generating the grid!", 1);
        restoreProfile();
        return document.grid.get();
    }
    // A new starting model: the layered model and every result of the old
    // grid no longer apply.
    document.velocityLayers.clear();
    discardInversionResults(document);
    setModified(true);
    return document.grid.get();
}

namespace
{
// The single-shot view back on the first shot after the geometry or the grid changed.
void showFirstShot(Tervanelo_MainWindows& w)
{
    Ui::Tervanelo_MainWindows& f = *w.ui;
    f.widget_3->setDocument(&w.document);
    w.currentShot = 0;
    f.widget_3->setShot(0);
    f.menuTraces->setEnabled(true);
    if (w.document.traceSets.size() > 1) {
        f.actionNext_file->setEnabled(true);
        f.actionPrev_file->setEnabled(true);
    }
}

} // namespace

void Tervanelo_MainWindows::on_actionGeometry_triggered()
{
    logCommand(__func__);
    guarded([this] {
        // Cancel leaves the survey as it was: rebuilding the refraction data
        // would wipe its layer assignments for nothing.
        bool geometryTaken = false;
        generateGridChecked(true, &geometryTaken);
        if (!geometryTaken)
            return;
        // A new grid drops the results, and their actions with them.
        refreshSurveyActions();
        // The dialog may have removed shots: one panel per remaining set.
        if (!document.traceSets.empty()) {
            createTraceWidgets();
            applyDisplaySettings();
        }
        showFirstShot(*this);
        ui->travelTimePreview->setShotIndex(0);
        if (refractionData)
            refractionData->resetFromDocument();
        redrawTravelTimes();
        setModified(true);
    });
}

void Tervanelo_MainWindows::on_actionGrid_triggered()
{
    logCommand(__func__);
    guarded([this] {
        try {
            logger->writeLog("Setting Grid ... ", 0);
            generateGridChecked(false);
            refreshSurveyActions();
            showFirstShot(*this);
            redrawTravelTimes();
            setModified(true);
            logger->writeLog("Setting Grid ... COMPLETED. ", 0);
            document.resetInfoDensity();
            logger->writeLog("Setting info layer ... COMPLETED. ", 0);
        } catch (const std::exception&) {
            logger->writeLog("Setting Grid ... FAILED. ", 1);
        }
    });
}

// ---- Initial velocity model ----

void Tervanelo_MainWindows::on_actionDefine_model_velocity_triggered()
{
    logCommand(__func__);
    guarded([this] {
        // The rows run from the surface to the grid's depth, so there must be a grid.
        if (!document.grid || document.grid->numberOfCells() == 0) {
            QMessageBox::warning(this, tr("Warning"),
                                 tr("Build the grid first: the velocity model spans the depth of "
                                    "the grid."));
            return;
        }
        select_speed_Dialog dialog;
        dialog.fillFromDocument(&document);
        if (dialog.exec() != QDialog::Accepted)
            return;
        setModified(true);
        refreshSurveyActions();
    });
}

// ---- Inversion ----

void Tervanelo_MainWindows::on_tomo_stopped()
{
    logCommand(__func__);
    stopRequested = true;
}

void Tervanelo_MainWindows::on_actionRun_tomography_inversion_triggered()
{
    logCommand(__func__);
    guarded([this] {
        if (!document.mostlyPicked()) {
            QMessageBox question;
            question.setText(tr("Warning:"));
            question.setInformativeText(tr("Uncomplete set of picks. \n \n") +
                                        tr("Do you want to run tomography inversion anyway? "));
            question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            question.setDefaultButton(QMessageBox::No);
            if (question.exec() != QMessageBox::Yes)
                return;
        }

        runTomography_Dialog parameters;
        ProgressTomography_Dialog progress;
        parameters.setVelocityLimits(velocityLimit(document.minVelocity),
                                     velocityLimit(document.maxVelocity));
        stopRequested = false;
        connect(&progress, &ProgressTomography_Dialog::stopped, this,
                &Tervanelo_MainWindows::on_tomo_stopped);

        if (!document.grid) {
            logger->writeLog("grid does not exist; ask for parameter", 0);
            generateGridChecked(false);
            if (!document.grid)
                return;
        }
        if (parameters.exec() != QDialog::Accepted)
            return;
        // The run is timed from OK: the time spent in the dialogs is the user's.
        const auto start = std::chrono::steady_clock::now();

        setModified(true);
        const int iterations = parameters.externalIterations;
        const int solverIterations = parameters.solverIterations;
        const int smoothing = parameters.smoothingParameter;
        const int smoothingType = parameters.smoothingType;
        const bool singleThread = parameters.singleThread;
        const bool symmetric = parameters.symmetricSmoothing;
        document.minVelocity = parameters.minimumVelocity;
        document.maxVelocity = parameters.maximumVelocity;

        // Application-modal for the whole run: while events are let through
        // between iterations, nothing may replace the document or the grid.
        progress.setIterations(iterations);
        progress.setWindowModality(Qt::ApplicationModal);
        progress.show();
        QCoreApplication::processEvents();

        logger->writeLog(std::string("Running Tomography :") +
                             (singleThread ? "Single thread mode. " : "Multi thread mode. "),
                         0);
        for (int k = 0; k < iterations; ++k) {
            const std::string iteration =
                "Running Tomography - external iteration " + std::to_string(k);
            logger->writeLog(iteration, 0);
            document.runTomography(solverIterations, smoothing, !singleThread, symmetric,
                                   smoothingType);
            logger->writeLog(iteration + " ... COMPLETED. ", 0);
            logger->writeLog("Updating tomographic profile ... ", 0);
            progress.completedIterations += 1.0;
            progress.logIteration();
            progress.updateProgress();
            progress.update();
            logger->writeLog("Updating tomographic profile ... COMPLETED. ", 0);
            QCoreApplication::processEvents();
            if (stopRequested) {
                logger->writeLog("Stop Request by the user.", 0);
                break;
            }
        }

        document.applySmoothing(symmetric, smoothingType, smoothing);
        // The iterations leave the times of the rays before the last update;
        // the misfit, the rays drawn and a reopened project all need those
        // of the grid shown.
        document.computeRayPaths();
        progress.hide();

        ui->widget_2->setDocument(&document);
        ui->widget_2->showComputedTimes = true;
        ui->widget_2->update();
        ui->widget_3->setDocument(&document);
        ui->widget_3->update();

        ui->tabWidget->setTabEnabled(0, !document.traceSets.empty());
        ui->tabWidget->setTabEnabled(1, document.hasPicks());
        ui->tabWidget->setTabEnabled(2, document.has_tomographic_info);
        ui->showSimTT_CB->setEnabled(document.has_tomographic_info);

        const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(
                                      std::chrono::steady_clock::now() - start)
                                      .count();
        logger->writeLog("Elapsed time: " + std::to_string(seconds) + " seconds.", 0);

        const InversionMisfit misfit = inversionMisfit(document.ttArray);
        if (misfit.count > 0) {
            std::cout << "[LOG] RMSE: s" << misfit.rmse << std::endl;
            std::cout << "[LOG] MaxError: %" << misfit.maxRelative << std::endl;
            QMessageBox results(QMessageBox::Information, tr("Inversion results"),
                                inversionReport(seconds, misfit), QMessageBox::Ok);
            results.exec();
            document.RMSE_tomography = misfit.relativeRmse;
        } else {
            // An earlier run's figure would be printed and saved for this model.
            document.RMSE_tomography = -1.0;
        }

        ui->actionShow_Tomographic_Profile->setEnabled(true);
        ui->menuShow_velocity_gradient->setEnabled(true);
        ui->actionReset_View->setEnabled(true);
        ui->actionShow_rays->setEnabled(!document.rayPaths.empty());
        for (QAction* a : {ui->actionVertical_Gradient, ui->actionLaplacian_Gradient,
                           ui->actionShow_Information_Density_Layer})
            a->setChecked(false);
        viewVerticalGradient = false;
        viewLaplacianGradient = false;
        viewInfoDensity = false;
        if (ui->actionShow_rays->isEnabled())
            ui->actionShow_rays->setChecked(true);

        vtkViewer& view = *ui->vtk_widget;
        view.buildGrid();
        // On the grid just built: each build makes new VTK objects, and a
        // filter on the old ones would draw the old model's lines.
        if ((equallySpaced || customContours) && view.structuredGrid && view.velocityArray)
            view.contourFilter = makeContourFilter(view.structuredGrid, view.velocityArray,
                                                   customContours ? isovalues : std::set<double>(),
                                                   equallySpaced ? contourCount : 0);
        fitPaletteToVelocities();
        view.showProfile(4);

        // Also when tab 2 is already in front, so that its actions follow the results.
        ui->tabWidget->setTabEnabled(2, true);
        bringSectionForward();

        view.buildVerticalGradientIsovalues();
        view.buildLaplacianIsovalues();
        view.buildInformationDensity();
    });
}

// ---- Travel-time export ----

void Tervanelo_MainWindows::on_actionExport_TravelTimes_triggered()
{
    logCommand(__func__);
    guarded([this] {
        QFileDialog dialog(this, tr("Save TravelTimeExchange"), QDir::homePath(),
                           tr("Open Travel Time Exchange format (*.otte);;All Files (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("otte"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        const QString path = dialog.selectedFiles().first();
        size_t badRecord = 0;
        switch (exportTravelTimesOtte(document, path.toStdString(), &badRecord)) {
        case OtteWriteResult::Ok:
            break;
        case OtteWriteResult::InvalidRecord:
            QMessageBox::warning(this, tr("Warning"),
                                 tr("Travel times could not be written to %1: the picks of shot "
                                    "%2 do not match its geophone spread.")
                                     .arg(QDir::toNativeSeparators(path))
                                     .arg(badRecord + 1));
            break;
        default:
            QMessageBox::warning(
                this, tr("Warning"),
                tr("Travel times could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        }
    });
}
