#include "surveycommands.h"

#include "appprompts.h"
#include "dialogsetgeometry.h"
#include "grid.h"
#include "griddialog.h"
#include "inversionmisfit.h"
#include "logger.h"
#include "ottewriter.h"
#include "progresstomography_dialog.h"
#include "refractiondatastructure.h"
#include "runtomography_dialog.h"
#include "sectiondisplay.h"
#include "select_speed_dialog.h"
#include "tomodocument.h"
#include "tracedisplay.h"
#include "traveltimeexport.h"
#include "velocitymodel.h"
#include "waitcursor.h"
#include "windowtexts.h"
#include "workfolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>

namespace
{

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
    const QString start =
        WindowTexts::tr("Error while loading one or more traces.") + QStringLiteral("\n\n");
    switch (code) {
    case SeismicResult::UnsupportedSuffix:
        return start + WindowTexts::tr("Unsupported file format.");
    case SeismicResult::NoSampleInterval:
        return start + WindowTexts::tr("A trace has no usable sample interval.");
    default:
        return start + WindowTexts::tr("Cannot open or read the file.");
    }
}

} // namespace

SurveyCommands::SurveyCommands(Actions actions, SurveyState state, bool& stopRequested,
                               Logger*& logger, TraceDisplay& traces, SectionDisplay& section,
                               const WindowHost& host)
    : acts(actions), state(state), document(state.document), stopRequested(stopRequested),
      logger(logger), traces(traces), section(section), host(host)
{
}

// ---- Shared steps ----

void SurveyCommands::resetToNoSurvey()
{
    traces.showNoSurvey();
    // The viewer lets go first: it must never hold a deleted structure.
    section.attach(&document, nullptr);
    delete state.refractionData;
    state.refractionData = nullptr;

    // The old project file no longer belongs to this survey: a save must
    // ask for a new one.
    state.projectIsOpen = false;
    state.projectFile.clear();
    state.projectFolder.reset();
    host.updateWindowTitle(false);

    host.updateActionsState(false);
}

void SurveyCommands::refreshSurveyActions()
{
    const int tab = traces.currentTab();
    host.updateActionsState(true);
    host.applyTabRules(traces.showEnabledTab(tab));
}

// ---- New, Import ----

void SurveyCommands::newSurvey()
{
    if (!host.askToSaveChanges() || !loadShots())
        return;
    if (document.traceSets.empty())
        return;
    document.buildTravelTimes();
    generateGrid(true);

    auto refraction = std::make_unique<refractionDataStructure>(&document);
    refraction->initFromDocument();
    state.refractionData = refraction.release();

    host.updateActionsState(false);
    host.updateActionsState(true);
    // A new survey has no section yet to colour or picture.
    acts.palette->setEnabled(false);
    acts.screenshot->setEnabled(false);

    traces.showNewSurvey();

    section.attach(&document, state.refractionData);

    state.projectFile.clear();
    state.projectIsOpen = false;
    host.updateWindowTitle(false);

    traces.showShotSettings();
}

bool SurveyCommands::loadShots()
{
    const QStringList files = host.prompts->openFileNames(
        host.window, WindowTexts::tr("Open Seismic Trace"),
        QString::fromStdString(host.readHistory()),
        WindowTexts::tr("SEG2 format (*.sg2 *.dat *.seg2);;SEGY format (*.sgy *.segy);;SU format "
                        "(*.su);;All Files (*)"));
    if (files.isEmpty())
        return false;
    host.saveHistory(QFileInfo(files.first()).absolutePath().toStdString());
    logger->writeLog("Tervanelo_MainWindows::loadTraces_PWave", 0);

    // Read into a survey of its own: the current one is replaced only by
    // shots that could be read.
    TomoDocument loaded(logger);
    int code;
    {
        WaitCursor wait;
        code = loaded.loadSeismicFiles(files);
    }
    const int read = int(loaded.traceSets.size());
    const bool replaced = read > 0;
    if (replaced) {
        // The old section goes first: nothing may draw it over the new survey.
        section.surveyReplaced();
        document = std::move(loaded);
        resetToNoSurvey();
        WaitCursor wait;
        traces.createPanels();
    }
    if (code != SeismicResult::Ok) {
        // The files before the failing one were read; the survey goes on with them.
        host.prompts->message(
            host.window,
            {QMessageBox::Critical, WindowTexts::tr("Error occured"), seismicLoadError(code),
             read < files.size() ? QDir::toNativeSeparators(files.at(read)) : QString(),
             QMessageBox::Ok, QMessageBox::NoButton});
    }
    return replaced;
}

void SurveyCommands::importTravelTimes()
{
    if (!host.askToSaveChanges())
        return;
    const QString path = host.prompts->openFileName(
        host.window, WindowTexts::tr("Open TravelTimeExchange"),
        QString::fromStdString(host.readHistory()),
        WindowTexts::tr("OpenTravelTimeExchange format (*.otte);;All Files (*)"));
    if (path.isEmpty())
        return;
    host.saveHistory(QFileInfo(path).absolutePath().toStdString());

    // Read into a survey of its own: the current one stays when the file
    // cannot be used.
    TomoDocument loaded(logger);
    std::string reason;
    int result;
    {
        WaitCursor wait;
        try {
            result = loaded.loadTravelTimes(path.toStdString(), &reason);
        } catch (const std::exception& e) {
            logger->writeLog("Invalid TT file " + path.toStdString() + " : " + e.what(), 1);
            reason = e.what();
            result = 1;
        }
    }
    // A suffix the readers do not know is as unreadable as a broken file.
    if (result != 0) {
        host.prompts->message(host.window, {QMessageBox::Critical, WindowTexts::tr("Error"),
                                            path + WindowTexts::tr(" is not a valid TT file."),
                                            QString::fromStdString(reason), QMessageBox::Ok,
                                            QMessageBox::NoButton});
        return;
    }
    section.surveyReplaced();
    document = std::move(loaded);
    resetToNoSurvey();

    generateGrid(true);
    host.updateActionsState(false);
    host.updateActionsState(true);
    // Imported times have no section yet to colour or picture; their picks
    // are shown.
    acts.palette->setEnabled(false);
    acts.screenshot->setEnabled(false);
    section.fitPaletteToVelocities();
    section.placeBarHandles();
    traces.showImportedTimes();
    section.attach(&document, state.refractionData);
    state.projectFile.clear();
    state.projectIsOpen = false;
    host.updateWindowTitle(false);
}

// ---- Geometry and grid ----

Grid* SurveyCommands::generateGrid(bool askGeometry, bool* geometryTaken)
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
            host.setModified(true);
        }
        if (receiversSpreadOut(document))
            break;
        host.prompts->warning(nullptr, WindowTexts::tr("Warning"),
                              WindowTexts::tr("Geophones do not have geometry! \n") +
                                  WindowTexts::tr("Please set the position of geophones\n"));
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
    host.setModified(true);
    return document.grid.get();
}

void SurveyCommands::editGeometry()
{
    // Cancel leaves the survey as it was: rebuilding the refraction data
    // would wipe its layer assignments for nothing.
    bool geometryTaken = false;
    generateGrid(true, &geometryTaken);
    if (!geometryTaken)
        return;
    // A new grid drops the results, and their actions with them.
    refreshSurveyActions();
    // The dialog may have removed shots: one panel per remaining set.
    if (!document.traceSets.empty()) {
        traces.createPanels();
        traces.applySettings();
    }
    traces.showFirstShot(true);
    if (state.refractionData)
        state.refractionData->resetFromDocument();
    traces.redrawTravelTimes();
    host.setModified(true);
}

void SurveyCommands::editGrid()
{
    try {
        logger->writeLog("Setting Grid ... ", 0);
        generateGrid(false);
        refreshSurveyActions();
        traces.showFirstShot();
        traces.redrawTravelTimes();
        host.setModified(true);
        logger->writeLog("Setting Grid ... COMPLETED. ", 0);
        document.resetInfoDensity();
        logger->writeLog("Setting info layer ... COMPLETED. ", 0);
    } catch (const std::exception&) {
        logger->writeLog("Setting Grid ... FAILED. ", 1);
    }
}

// ---- Initial velocity model ----

void SurveyCommands::defineModel()
{
    // The rows run from the surface to the grid's depth, so there must be a grid.
    if (!document.grid || document.grid->numberOfCells() == 0) {
        host.prompts->warning(
            host.window, WindowTexts::tr("Warning"),
            WindowTexts::tr("Build the grid first: the velocity model spans the depth of "
                            "the grid."));
        return;
    }
    select_speed_Dialog dialog;
    dialog.fillFromDocument(&document);
    if (dialog.exec() != QDialog::Accepted)
        return;
    host.setModified(true);
    refreshSurveyActions();
}

// ---- Inversion ----

void SurveyCommands::runInversion()
{
    if (!document.mostlyPicked()) {
        const PromptMessage question{
            QMessageBox::NoIcon,
            QString(),
            WindowTexts::tr("Warning:"),
            WindowTexts::tr("Uncomplete set of picks. \n \n") +
                WindowTexts::tr("Do you want to run tomography inversion anyway? "),
            QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No};
        if (host.prompts->message(nullptr, question) != QMessageBox::Yes)
            return;
    }

    runTomography_Dialog parameters;
    ProgressTomography_Dialog progress;
    parameters.setVelocityLimits(velocityLimit(document.minVelocity),
                                 velocityLimit(document.maxVelocity));
    stopRequested = false;
    host.connectStop(&progress);

    if (!document.grid) {
        logger->writeLog("grid does not exist; ask for parameter", 0);
        generateGrid(false);
        if (!document.grid)
            return;
    }
    if (parameters.exec() != QDialog::Accepted)
        return;
    // The run is timed from OK: the time spent in the dialogs is the user's.
    const auto start = std::chrono::steady_clock::now();

    host.setModified(true);
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

    const InversionMisfit misfit = finishInversion(document, symmetric, smoothingType, smoothing);
    progress.hide();

    traces.showComputedTimes();

    const long long seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start)
            .count();
    logger->writeLog("Elapsed time: " + std::to_string(seconds) + " seconds.", 0);

    if (misfit.count > 0) {
        std::cout << "[LOG] RMSE: s" << misfit.rmse << std::endl;
        std::cout << "[LOG] MaxError: %" << misfit.maxRelative << std::endl;
        host.prompts->information(nullptr, WindowTexts::tr("Inversion results"),
                                  inversionReport(seconds, misfit));
    }

    section.updateActions(true);
    section.showInversionResults();

    // Also when tab 2 is already in front, so that its actions follow the results.
    traces.enableSectionTab();
    host.bringSectionForward();
    section.buildLayerArrays();
}

// ---- Travel-time export ----

void SurveyCommands::exportTravelTimes()
{
    const QString path = host.prompts->saveFileName(
        host.window, WindowTexts::tr("Save TravelTimeExchange"), QDir::homePath(),
        WindowTexts::tr("Open Travel Time Exchange format (*.otte);;All Files (*)"),
        QStringLiteral("otte"));
    if (path.isEmpty())
        return;
    size_t badRecord = 0;
    std::string reason;
    switch (exportTravelTimesOtte(document, path.toStdString(), &badRecord, &reason)) {
    case OtteWriteResult::Ok:
        break;
    case OtteWriteResult::InvalidRecord:
        host.prompts->warning(
            host.window, WindowTexts::tr("Warning"),
            WindowTexts::tr("Travel times could not be written to %1: the picks of shot "
                            "%2 do not match its geophone spread.")
                .arg(QDir::toNativeSeparators(path))
                .arg(badRecord + 1));
        break;
    default:
        host.prompts->warning(host.window, WindowTexts::tr("Warning"),
                              WindowTexts::tr("Travel times could not be written to %1.")
                                      .arg(QDir::toNativeSeparators(path)) +
                                  "\n" + QString::fromStdString(reason));
    }
}

void SurveyCommands::updateActions(bool loaded)
{
    acts.projectMenu->setEnabled(true);
    acts.processingMenu->setEnabled(true);
    for (QAction* a :
         {acts.geometry, acts.grid, acts.model, acts.inversion, acts.refraction, acts.exportTimes})
        a->setEnabled(loaded);
}
