#include "projectcommands.h"

#include "appprompts.h"
#include "confirm_file_replace.h"
#include "load_project.h"
#include "logger.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "save_project_log_dialog.h"
#include "sectiondisplay.h"
#include "setprojecttitle.h"
#include "surveycommands.h"
#include "tomodocument.h"
#include "tracedisplay.h"
#include "waitcursor.h"
#include "windowtexts.h"
#include "workfolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <functional>
#include <iostream>
#include <stdexcept>
#include <thread>

namespace
{
const char* const projectSuffix = ".tervo";

QString reasonText(const std::string& reason)
{
    return reason.empty() ? QString() : "\n\n" + QString::fromStdString(reason);
}

void showSaveFailure(UserPrompts& prompts, const QString& file, const std::string& reason)
{
    prompts.critical(nullptr, WindowTexts::tr("Error"),
                     WindowTexts::tr("Something went wrong while saving project ") + file + "\n\n" +
                         WindowTexts::tr("WARNING: the project has NOT been saved.") +
                         reasonText(reason));
}
} // namespace

ProjectCommands::ProjectCommands(Actions actions, State state, Logger*& logger,
                                 TraceDisplay& traces, SectionDisplay& section,
                                 SurveyCommands& survey, const WindowHost& host)
    : acts(actions), state(state), document(state.document), logger(logger), traces(traces),
      section(section), survey(survey), host(host)
{
}

bool ProjectCommands::askToSaveChanges()
{
    if (!document.modified)
        return true;
    switch (host.prompts->message(
        nullptr,
        {QMessageBox::NoIcon, QString(), WindowTexts::tr("The document has been modified"),
         WindowTexts::tr("Do you want to save your changes?"),
         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save})) {
    case QMessageBox::Save:
        // Going on after a cancelled or failed save would lose the work.
        return host.saveProjectAs();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool ProjectCommands::writeProject(const std::string& file)
{
    ProjectWriter writer;
    SaveProjectLogDialog dialog(&writer, nullptr);
    // The palettes by reference: std::thread copies its arguments.
    std::thread worker(saveProjectThreadEntry, &writer, file, state.workFolder, &document,
                       state.refractionData, std::cref(state.palettes), &dialog);
    dialog.exec();
    worker.join();
    lastSaveFailure = writer.failure;
    if (writer.status != 0)
        logger->writeLog("The project has not been saved: " + writer.failure, 1);
    return writer.status == 0;
}

bool ProjectCommands::saveAs()
{
    QString name = host.prompts->saveFileName(
        host.window, WindowTexts::tr("Save Project"), QString::fromStdString(host.readHistory()),
        WindowTexts::tr("Tervanelo projects (*%1)").arg(projectSuffix));
    if (name.isEmpty()) {
        logger->writeLog("Empty filename to be saved", 0);
        return false;
    }
    host.saveHistory(QFileInfo(name).path().toStdString());
    if (!name.endsWith(projectSuffix)) {
        name += projectSuffix;
        // The file dialog asked about the name without the suffix only.
        if (QFileInfo::exists(name)) {
            const int answer = host.prompts->replaceFile(host.window, name);
            if (answer != QMessageBox::Yes && answer != QMessageBox::YesToAll)
                return false;
        }
    }
    WaitCursor wait;
    const bool saved = writeProject(name.toStdString());
    std::cout << "SAVED" << std::endl;
    if (saved) {
        state.projectIsOpen = true;
        state.projectFile = name.toStdString();
        host.updateWindowTitle(false);
    } else {
        showSaveFailure(*host.prompts, name, lastSaveFailure);
    }
    return saved;
}

void ProjectCommands::save()
{
    if (!state.projectIsOpen) {
        host.saveProjectAs();
        return;
    }
    WaitCursor wait;
    if (writeProject(state.projectFile))
        host.updateWindowTitle(false);
    else
        showSaveFailure(*host.prompts, QString::fromStdString(state.projectFile), lastSaveFailure);
}

void ProjectCommands::load()
{
    if (!askToSaveChanges())
        return;
    const QString name = host.prompts->openFileName(
        host.window, WindowTexts::tr("Open Project"),
        QDir::toNativeSeparators(QString::fromStdString(host.readHistory())),
        WindowTexts::tr("Tervanelo projects (*%1);;All Files (*)").arg(projectSuffix));
    if (name.isEmpty())
        return;
    host.saveHistory(QFileInfo(name).path().toStdString());
    open(name.toStdString());
}

void ProjectCommands::detachViews()
{
    traces.detach();
    section.attach(nullptr, nullptr);
}

bool ProjectCommands::open(const std::string& path)
{
    WaitCursor wait;

    // The reader builds the whole survey on its thread, with nothing of the
    // window's: the current survey stays whole and on show until the new
    // one has been read, and stays for good when it cannot be. The current
    // project's work folder stays locked meanwhile, since its shot files
    // are the current survey's.
    projectReader reader;
    OpenedProject opened;
    {
        SaveProjectLogDialog dialog(&reader, nullptr);
        std::thread worker([&opened, &reader, &dialog, path, root = state.workFolder,
                            builtIn = builtInPalettes(), log = logger]() mutable {
            opened = openProjectThreadEntry(&reader, path, root, std::move(builtIn), log, &dialog);
        });
        dialog.exec();
        worker.join();
    }

    // Any other status than 0 is a project that did not open whole: a later
    // save would write the loss over it.
    if (opened.status != 0) {
        QString text =
            WindowTexts::tr("%1 is not a valid project.").arg(QString::fromStdString(path));
        if (opened.status == 3)
            text += "\n\n" + WindowTexts::tr("Error while loading traces: Invalid file format.");
        else
            text += reasonText(opened.failure);
        logger->writeLog(path + " is not a valid project: " + opened.failure, 1);
        host.prompts->critical(nullptr, WindowTexts::tr("Error"), text);
        return false;
    }

    // The views let go of the old survey, and the old section goes, before
    // the survey is replaced.
    detachViews();
    section.surveyReplaced();
    delete state.refractionData;
    state.refractionData = nullptr;
    state.projectFolder = std::move(opened.folder);
    state.palettes.palettes.clear();
    section.setupPalettes();
    section.forgetContours();
    state.palettes = std::move(opened.palettes);

    document = std::move(*opened.document);
    state.refractionData = opened.refraction.release();
    if (!state.refractionData) {
        state.refractionData = new refractionDataStructure(&document);
        state.refractionData->initFromDocument();
    }
    state.refractionData->document = &document;
    state.projectIsOpen = true;
    state.projectFile = path;
    host.updateWindowTitle(false);

    traces.attach();
    const bool shots = !document.traceSets.empty();
    if (shots || !document.ttArray.empty()) {
        host.updateActionsState(false);
        host.updateActionsState(true);
    }
    traces.showOpenedSurvey();

    const bool results = document.has_tomographic_info;
    section.attach(&document, state.refractionData);
    section.fitPaletteToVelocities();
    if (results)
        section.showOpenedResults();
    host.applyTabRules(shots ? 0 : 1);
    traces.updateComputedTimesBox();

    // Reset instead of refused: said once the new survey is on show.
    if (!opened.warnings.empty()) {
        QString text = WindowTexts::tr(
            "The refraction data do not match the current survey: they have been reset, and "
            "their layer assignments and results are lost.");
        for (const std::string& warning : opened.warnings)
            text += "\n\n" + QString::fromStdString(warning);
        host.prompts->warning(host.window, WindowTexts::tr("Warning"), text);
    }
    return true;
}

void ProjectCommands::setTitle()
{
    setProjectTitle dialog;
    dialog.setText(document.title);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The title is saved with the project.
    if (dialog.title != document.title) {
        document.title = dialog.title;
        host.setModified(true);
    }
    if (traces.currentTab() == 2)
        section.redraw();
}

void ProjectCommands::updateActions(bool loaded)
{
    for (QAction* a : {acts.save, acts.saveAs, acts.setTitle})
        a->setEnabled(loaded);
}
