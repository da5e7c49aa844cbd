#include "refractioncontroller.h"

#include "appprompts.h"
#include "logger.h"
#include "refractiondatastructure.h"
#include "refractionprocessingdialog.h"
#include "sectiondisplay.h"
#include "tomodocument.h"
#include "windowtexts.h"

#include <QAction>
#include <QCoreApplication>

namespace
{
bool runRealDialog(TomoDocument& document, refractionDataStructure& data, Logger* logger)
{
    RefractionProcessingDialog dialog;
    dialog.setDocument(&document);
    dialog.setRefractionData(&data);
    dialog.setModal(true);
    dialog.logger = logger;
    dialog.exec();
    return dialog.refractionDataChanged();
}
} // namespace

RefractionController::RefractionController(TomoDocument& document, refractionDataStructure*& data,
                                           Logger*& logger, QAction* showRefraction,
                                           SectionDisplay& section, const WindowHost& host)
    : runDialog(runRealDialog), document(document), data(data), logger(logger),
      showRefraction(showRefraction), section(section), host(host)
{
}

void RefractionController::run()
{
    try {
        runSteps();
    } catch (const std::exception& e) {
        host.showError(e);
    }
}

void RefractionController::resetShowAction()
{
    const bool depths =
        data && !data->refractData.cData.empty() && !data->refractData.cData.front().z.empty();
    showRefraction->setEnabled(depths);
    showRefraction->setCheckable(true);
    showRefraction->setChecked(false);
    section.setRefractionShown(showRefraction->isChecked());
}

void RefractionController::prepareData()
{
    if (!data) {
        data = new refractionDataStructure(&document);
        data->initFromDocument();
        return;
    }
    data->document = &document;
    if (fitsDocument(*data, document) && data->phnt_A.size() == 2 && data->phnt_R.size() == 2)
        return;
    host.prompts->warning(
        nullptr, QStringLiteral("Warning"),
        WindowTexts::tr("The refraction data do not match the current survey: they have been "
                        "reset, and their layer assignments and results are lost."));
    data->resetFromDocument();
}

void RefractionController::runSteps()
{
    if (!document.mostlyPicked()) {
        const PromptMessage question{
            QMessageBox::NoIcon,
            QString(),
            WindowTexts::tr("Warning:"),
            WindowTexts::tr("Uncomplete set of picks. \n \n") +
                WindowTexts::tr("Do you want to run refraction processing anyway? "),
            QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No};
        if (host.prompts->message(nullptr, question) != QMessageBox::Yes)
            return;
    }
    prepareData();
    const bool changed = runDialog(document, *data, logger);
    resetShowAction();
    if (logger)
        logger->writeLog("Refraction Executed", 0);
    section.setRefraction(data);
    if (changed)
        host.setModified(true);
}
