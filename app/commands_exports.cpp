// The export commands: each slot logs and forwards to the export controller.

#include "exportcontroller.h"
#include "history.h"
#include "logger.h"
#include "sectiondisplay.h"
#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

ExportController& Tervanelo_MainWindows::exportController()
{
    if (!exports) {
        ExportContext context{this,
                              document,
                              settings,
                              paletteList,
                              exportBackground,
                              exportFontScale,
                              exportLabelCount,
                              workFolder,
                              [this](const std::string& line) { logger->writeLog(line, 0); },
                              [this] { return readHistoryFile(); },
                              [this](const std::string& folder) { saveHistoryFile(folder); },
                              [this] { storeSettings(); },
                              [this](bool b) { setModified(b); },
                              [this] { return ui->tabWidget->currentIndex(); }};
        exports = new ExportController(
            std::move(context), std::make_unique<ViewSectionRenderer>(*sectionDisplay), this);
    }
    return *exports;
}

void Tervanelo_MainWindows::on_actionSet_geography_coordinates_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().setGeographyCoordinates(); });
}

void Tervanelo_MainWindows::on_actionExportSeismic_line_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().exportSeismicLineKml(); });
}

void Tervanelo_MainWindows::on_actionExportTomographic_profile_2_KML_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().exportProfileKml(); });
}

void Tervanelo_MainWindows::on_actionGridded_Data_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().exportGriddedData(); });
}

void Tervanelo_MainWindows::on_actionImages_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().exportImages(); });
}

void Tervanelo_MainWindows::on_actionScreenshot_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().screenshot(); });
}

void Tervanelo_MainWindows::on_actionODT_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().exportOdt(); });
}

void Tervanelo_MainWindows::on_actionPDF_triggered()
{
    logCommand(__func__);
    guarded([this] { exportController().exportPdf(); });
}
