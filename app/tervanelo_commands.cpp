// Commands whose behaviour is written alongside the features they drive. They
// are declared with the window because the form connects them by name.

#include "tervanelo_mainwindows.h"

#include "refractioncontroller.h"

void Tervanelo_MainWindows::on_actionImages_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionScreenshot_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionPDF_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionODT_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionSet_geography_coordinates_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionRefraction_triggered()
{
    logCommand(__func__);
    refractionController->run();
}

void Tervanelo_MainWindows::on_actionExportTomographic_profile_2_KML_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionExportSeismic_line_triggered()
{
    logCommand(__func__);
}

void Tervanelo_MainWindows::on_actionGridded_Data_triggered()
{
    logCommand(__func__);
}

