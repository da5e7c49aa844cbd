// The project commands: Save Project, Save Project As, Load Project, and the
// window's part of an open. The writer and the reader run on a worker thread
// while the GUI thread shows their log dialog; no view may look at the
// document until the thread is joined.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "confirm_file_replace.h"
#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "grid.h"
#include "load_project.h"
#include "logger.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "save_project_log_dialog.h"
#include "vtkviewer.h"
#include "waitcursor.h"
#include "workfolder.h"

#include "Splines.hh"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <functional>
#include <iostream>
#include <stdexcept>
#include <thread>

namespace
{
const char* const projectSuffix = ".tervo";
// Why the last save failed, for the message that tells it (GUI thread only).
std::string lastSaveFailure;

QString reasonText(const std::string& reason)
{
    return reason.empty() ? QString() : "\n\n" + QString::fromStdString(reason);
}
} // namespace

bool Tervanelo_MainWindows::writeProject(const std::string& file)
{
    ProjectWriter writer;
    SaveProjectLogDialog dialog(&writer, nullptr);
    // The palettes by reference: std::thread copies its arguments.
    std::thread worker(saveProjectThreadEntry, &writer, file, workFolder, &document, refractionData,
                       std::cref(paletteList), &dialog);
    dialog.exec();
    worker.join();
    lastSaveFailure = writer.failure;
    if (writer.status != 0)
        logger->writeLog("The project has not been saved: " + writer.failure, 1);
    return writer.status == 0;
}

bool Tervanelo_MainWindows::on_actionSave_Project_As_triggered()
{
    logCommand(__func__);
    bool saved = false;
    guarded([&] {
        QString name = QFileDialog::getSaveFileName(
            this, tr("Save Project"), QString::fromStdString(readHistoryFile()),
            tr("Tervanelo projects (*%1)").arg(projectSuffix));
        if (name.isEmpty()) {
            logger->writeLog("Empty filename to be saved", 0);
            return;
        }
        saveHistoryFile(QFileInfo(name).path().toStdString());
        if (!name.endsWith(projectSuffix)) {
            name += projectSuffix;
            // The file dialog asked about the name without the suffix only.
            if (QFileInfo::exists(name)) {
                Confirm_File_Replace question(name, this);
                const int answer = question.exec();
                if (answer != QMessageBox::Yes && answer != QMessageBox::YesToAll)
                    return;
            }
        }
        WaitCursor wait;
        saved = writeProject(name.toStdString());
        std::cout << "SAVED" << std::endl;
        if (saved) {
            projectIsOpen = true;
            projectFile = name.toStdString();
            updateWindowTitle(false);
        } else {
            QMessageBox::critical(nullptr, tr("Error"),
                                  tr("Something went wrong while saving project ") + name + "\n\n" +
                                      tr("WARNING: the project has NOT been saved.") +
                                      reasonText(lastSaveFailure));
        }
    });
    return saved;
}

void Tervanelo_MainWindows::on_actionSave_Project_triggered()
{
    logCommand(__func__);
    guarded([&] {
        if (!projectIsOpen) {
            on_actionSave_Project_As_triggered();
            return;
        }
        WaitCursor wait;
        if (writeProject(projectFile))
            updateWindowTitle(false);
        else
            QMessageBox::critical(nullptr, tr("Error"),
                                  tr("Something went wrong while saving project ") +
                                      QString::fromStdString(projectFile) + "\n\n" +
                                      tr("WARNING: the project has NOT been saved.") +
                                      reasonText(lastSaveFailure));
    });
}

void Tervanelo_MainWindows::on_actionLoad_Project_triggered()
{
    logCommand(__func__);
    guarded([&] {
        if (!askToSaveChanges())
            return;
        const QString name = QFileDialog::getOpenFileName(
            this, tr("Open Project"),
            QDir::toNativeSeparators(QString::fromStdString(readHistoryFile())),
            tr("Tervanelo projects (*%1);;All Files (*)").arg(projectSuffix));
        if (name.isEmpty())
            return;
        ui->tabWidget->setCurrentIndex(0);
        saveHistoryFile(QFileInfo(name).path().toStdString());
        openProject(name.toStdString());
        if (!refractionData) {
            refractionData = new refractionDataStructure(&document);
            refractionData->initFromDocument();
        }
        ui->vtk_widget->refractionData = refractionData;
    });
}

void Tervanelo_MainWindows::detachViews()
{
    ui->widget_3->setDocument(nullptr);
    // The panels go only when control returns to the main event loop, and
    // the log dialog's loop would let them paint meanwhile.
    forEachTracePanel([](unsigned, drawTraces* panel) { panel->setDocument(nullptr); });
    ui->showTracesWidget->clearTraceWidgets();
    ui->widget_2->setDocument(nullptr);
    ui->travelTimePreview->setDocument(nullptr);
    ui->vtk_widget->setDocument(nullptr);
    ui->vtk_widget->refractionData = nullptr;
}

void Tervanelo_MainWindows::showNoSurvey()
{
    document = TomoDocument(logger);
    resetToNoSurvey();
    refractionData = new refractionDataStructure(&document);
    refractionData->initFromDocument();
}

void Tervanelo_MainWindows::openProject(std::string path)
{
    WaitCursor wait;

    // Nothing may read the document or the refraction data while the reader
    // fills them on its thread.
    detachViews();
    document = TomoDocument(logger);
    delete refractionData;
    refractionData = nullptr;
    // Released first, so that the reader's clean-up can remove its files.
    projectFolder.reset();
    paletteList.palettes.clear();
    setupPalettes();
    ui->vtk_widget->contourFilter = nullptr;
    contourCount = 0;
    equallySpaced = false;
    isovalues.clear();
    customContours = false;
    viewVelocity = false;
    viewVerticalGradient = false;
    viewLaplacianGradient = false;
    viewFilledContours = false;
    ui->actionShow_Contour_Lines->setChecked(false);
    refractionData = new refractionDataStructure(&document);

    // The grid is built below, on this thread, from the values read.
    Grid saved;
    std::vector<double> slowness;
    std::vector<bool> covered;
    projectReader reader;
    {
        SaveProjectLogDialog dialog(&reader, nullptr);
        std::thread worker(loadProjectThreadEntry, &reader, path, workFolder, &document, &saved,
                           &slowness, &covered, refractionData, &paletteList, &dialog);
        dialog.exec();
        worker.join();
    }
    projectFolder = reader.takeWorkFolder();

    // Any other status than 0 is a project that did not open whole: a later
    // save would write the loss over it.
    if (reader.status != 0) {
        QString text = tr("%1 is not a valid project.").arg(QString::fromStdString(path));
        if (reader.status == 3)
            text += "\n\n" + tr("Error while loading traces: Invalid file format.");
        else
            text += reasonText(reader.failure);
        logger->writeLog(path + " is not a valid project: " + reader.failure, 1);
        QMessageBox::critical(nullptr, tr("Error"), text);
        showNoSurvey();
        return;
    }

    projectIsOpen = true;
    projectFile = path;
    if (refractionData->phnt_A.empty()) {
        delete refractionData;
        refractionData = nullptr;
    }
    updateWindowTitle(false);

    document.buildTopography();
    if (saved.righe != 0 && document.topography)
        document.grid = std::make_unique<Grid>(saved.righe, saved.col, saved.nV, saved.aLato,
                                               slowness, covered, *document.topography);
    if (document.has_tomographic_info)
        document.resetInfoDensity();

    ui->widget_3->setDocument(&document);
    ui->showTracesWidget->clearTraceWidgets();
    const bool shots = !document.traceSets.empty();
    if (shots || !document.ttArray.empty()) {
        updateActionsState(false);
        updateActionsState(true);
    }
    if (shots) {
        currentShot = 0;
        ui->widget_3->setShot(0);
        createTraceWidgets();
        ui->menuTraces->setEnabled(true);
        ui->actionNext_file->setEnabled(document.traceSets.size() > 1);
        ui->actionPrev_file->setEnabled(document.traceSets.size() > 1);
        ui->show_filtered_cb->setEnabled(document.traceSets[0].hasFiltered);
    }
    applyDisplaySettings();
    ui->showTracesWidget->setVisible(settings.showAllTraces);
    ui->scrollArea->setVisible(!settings.showAllTraces);

    redrawTravelTimes();
    ui->travelTimePreview->setDocument(&document);
    ui->travelTimePreview->previewMode = true;
    ui->travelTimePreview->update();
    fitPaletteToVelocities();

    const bool results = document.has_tomographic_info;
    ui->tabWidget->setEnabled(true);
    ui->tabWidget->setTabEnabled(0, shots);
    ui->tabWidget->setTabEnabled(2, results);
    if (results)
        document.computeRayPaths();
    ui->showSimTT_CB->setEnabled(results);

    ui->vtk_widget->setDocument(&document);
    if (results) {
        ui->vtk_widget->updateScalarArrays();
        const ColorPalette& current = paletteList.palettes.at(size_t(paletteList.curr_palette));
        ui->vtk_widget->setPalette(current);
        paletteWidget->setPalette(current);
        ui->vtk_widget->resetView(5);
        logger->writeLog("Tervanelo_MainWindows::on_actionReset_View_triggered", 0);
        ui->vtk_widget->resetView(6);
        ui->tabWidget->setTabEnabled(2, true);
        ui->actionShow_Contour_Lines->setEnabled(true);
        ui->actionVertical_Gradient->setEnabled(true);
    }
    on_tabWidget_tabBarClicked(shots ? 0 : 1);
}
