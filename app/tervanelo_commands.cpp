// Commands whose behaviour is written alongside the features they drive. They
// are declared with the window because the form connects them by name.

#include "tervanelo_mainwindows.h"

#include "refractioncontroller.h"

void Tervanelo_MainWindows::on_actionRefraction_triggered()
{
    logCommand(__func__);
    refractionController->run();
}
