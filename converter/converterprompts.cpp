#include "converterprompts.h"

#include "setshotpositiondialog.h"

bool DialogConverterPrompts::shotPosition(const std::string& fileName, double& x, double& z)
{
    SetShotPositionDialog dialog(fileName, &x, &z);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.values(x, z);
    return true;
}
