// The section view's and the palettes' commands: the window's slots hand
// them to the section display.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "logger.h"
#include "sectiondisplay.h"
#include "setprojecttitle.h"

namespace
{
const char* checkedText(bool b)
{
    return b ? "true" : "false";
}
} // namespace

void Tervanelo_MainWindows::bringSectionForward()
{
    ui->tabWidget->setCurrentIndex(2);
    on_tabWidget_tabBarClicked(2);
}

// ---- Palettes ----

void Tervanelo_MainWindows::setupPalettes()
{
    sectionDisplay->setupPalettes();
}

void Tervanelo_MainWindows::buildPaletteBar(double min, double max)
{
    sectionDisplay->buildPaletteBar(min, max);
}

void Tervanelo_MainWindows::on_vtk_palette_changed()
{
    sectionDisplay->paletteEdited();
}

void Tervanelo_MainWindows::update_palette_max(int value)
{
    sectionDisplay->setPaletteMax(value);
}

void Tervanelo_MainWindows::update_palette_min(int value)
{
    sectionDisplay->setPaletteMin(value);
}

void Tervanelo_MainWindows::on_actionPalette_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->choosePalette(); });
}

void Tervanelo_MainWindows::fitPaletteToVelocities()
{
    sectionDisplay->fitPaletteToVelocities();
}

// ---- Section view ----

void Tervanelo_MainWindows::on_actionVertical_Gradient_triggered()
{
    guarded([this] { sectionDisplay->showVerticalGradient(); });
}

void Tervanelo_MainWindows::on_actionLaplacian_Gradient_triggered()
{
    guarded([this] { sectionDisplay->showLaplacian(); });
}

void Tervanelo_MainWindows::on_actionShow_Information_Density_Layer_triggered()
{
    guarded([this] { sectionDisplay->showDensity(); });
}

void Tervanelo_MainWindows::on_actionShow_Tomographic_Profile_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->showVelocity(); });
}

void Tervanelo_MainWindows::on_actionShow_rays_triggered()
{
    logger->writeLog(std::string("Tervanelo_MainWindows::") + __func__ + ": " +
                         checkedText(ui->actionShow_rays->isChecked()),
                     0);
    guarded([this] { sectionDisplay->showRays(); });
}

void Tervanelo_MainWindows::on_actionSmallGeo_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->setMarkerSize(ui->actionSmallGeo); });
}

void Tervanelo_MainWindows::on_actionNormalGeo_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->setMarkerSize(ui->actionNormalGeo); });
}

void Tervanelo_MainWindows::on_actionLargeGeo_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->setMarkerSize(ui->actionLargeGeo); });
}

void Tervanelo_MainWindows::on_actionShow_refraction_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->showRefraction(); });
}

void Tervanelo_MainWindows::on_actionShow_scalarbar_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->showScalarBar(); });
}

void Tervanelo_MainWindows::on_actionShow_Grid_Lines_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->showGridLines(); });
}

void Tervanelo_MainWindows::on_actionShow_title_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->showTitle(); });
}

void Tervanelo_MainWindows::on_actionReset_View_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->resetView(); });
}

void Tervanelo_MainWindows::on_actionShow_Contour_Lines_triggered()
{
    logCommand(__func__);
    guarded([this] { sectionDisplay->chooseContours(); });
}

void Tervanelo_MainWindows::on_actionSet_title_triggered()
{
    logCommand(__func__);
    guarded([this] {
        setProjectTitle dialog;
        dialog.setText(document.title);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // The title is saved with the project.
        if (dialog.title != document.title) {
            document.title = dialog.title;
            setModified(true);
        }
        if (ui->tabWidget->currentIndex() == 2)
            sectionDisplay->redraw();
    });
}
