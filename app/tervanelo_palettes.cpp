// The palettes of the section view: the list owned by the window, the palette
// bar beside the section and the viewer's copy of the current palette.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "grid.h"
#include "logger.h"
#include "palettedialog.h"
#include "vtkviewer.h"

#include <QSpinBox>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iostream>

namespace
{
// The range of the bar's spin boxes and handles.
int toSpinValue(double v)
{
    return static_cast<int>(std::clamp(v, -2147483647.0, 2147483647.0));
}
} // namespace

void Tervanelo_MainWindows::setMinAll(double min)
{
    for (ColorPalette& p : paletteList.palettes)
        p.min_db = min;
}

void Tervanelo_MainWindows::setMaxAll(double max)
{
    for (ColorPalette& p : paletteList.palettes)
        p.max_db = max;
}

void Tervanelo_MainWindows::installPaletteBar(ColorPaletteWidget* bar)
{
    if (paletteWidget) {
        // Not deleted at once: this may run inside one of the old bar's signals.
        ui->vtk_layout->removeWidget(paletteWidget);
        paletteWidget->hide();
        paletteWidget->deleteLater();
    }
    paletteWidget = bar;
    ui->vtk_layout->addWidget(bar);
    ui->vtk_layout->setStretchFactor(ui->vtk_widget, 2);
    connect(bar, &ColorPaletteWidget::changed_max_value, this,
            &Tervanelo_MainWindows::update_palette_max);
    connect(bar, &ColorPaletteWidget::changed_min_value, this,
            &Tervanelo_MainWindows::update_palette_min);
    connect(bar, &ColorPaletteWidget::modified, this,
            &Tervanelo_MainWindows::on_vtk_palette_changed);
}

void Tervanelo_MainWindows::setupPalettes()
{
    const ColorPaletteList builtIn = builtInPalettes();
    paletteList.palettes.insert(paletteList.palettes.end(), builtIn.palettes.begin(),
                                builtIn.palettes.end());
    paletteList.curr_palette = 0;
    const ColorPalette& current = paletteList.palettes.at(0);
    ui->vtk_widget->setPalette(current);
    installPaletteBar(new ColorPaletteWidget(current, ui->vtk_tab));
}

void Tervanelo_MainWindows::buildPaletteBar(double min, double max)
{
    setMinAll(min);
    setMaxAll(max);
    auto* bar = new ColorPaletteWidget(paletteList.palettes.at(size_t(paletteList.curr_palette)),
                                       ui->vtk_tab);
    installPaletteBar(bar);
    ui->vtk_widget->setPalette(bar->editedPalette);
    if (document.grid)
        ui->vtk_widget->showProfile(6);
}

void Tervanelo_MainWindows::on_vtk_palette_changed()
{
    const ColorPalette& edited = paletteWidget->editedPalette;
    setMinAll(edited.min_db);
    setMaxAll(edited.max_db);
    paletteList.palettes.at(size_t(paletteList.curr_palette)) = edited;
    ui->vtk_widget->setPalette(edited);
    if (document.grid)
        ui->vtk_widget->showProfile(6);
}

void Tervanelo_MainWindows::update_palette_max(int value)
{
    setMaxAll(value);
    if (ui->vtk_widget->structuredGrid) {
        ui->vtk_widget->buildLookupTable();
        ui->vtk_widget->showProfile(6);
    }
}

void Tervanelo_MainWindows::update_palette_min(int value)
{
    setMinAll(value);
    if (ui->vtk_widget->structuredGrid) {
        ui->vtk_widget->buildLookupTable();
        ui->vtk_widget->showProfile(6);
    }
}

void Tervanelo_MainWindows::on_actionPalette_triggered()
{
    logCommand(__func__);
    guarded([this] {
        auto* dialog = new PaletteDialog(paletteList, this);
        if (dialog->exec() == QDialog::Accepted) {
            paletteList.palettes = dialog->paletteList.palettes;
            paletteList.curr_palette = dialog->paletteList.curr_palette;
            const int min = dialog->minValue();
            const int max = dialog->maxValue();
            setModified(true);
            // The range first, so the view and the bar show the range chosen.
            setMinAll(min);
            setMaxAll(max);
            const ColorPalette& current = paletteList.palettes.at(size_t(paletteList.curr_palette));
            ui->vtk_widget->setPalette(current);
            paletteWidget->setPalette(current);
            paletteWidget->updateHandlePositions();
            if (document.grid)
                ui->vtk_widget->showProfile(6);
        }
        delete dialog;
    });
}

void Tervanelo_MainWindows::fitPaletteToVelocities()
{
    if (!document.grid)
        return;
    double min = DBL_MAX;
    double max = -DBL_MAX;
    for (const GridCell& cell : document.grid->cells) {
        // A slowness that is not finite and positive has no velocity.
        if (!cell.to_be_draw || !std::isfinite(cell.slowness) || !(cell.slowness > 0.0))
            continue;
        const double v = 1.0 / cell.slowness;
        min = std::min(min, v);
        max = std::max(max, v);
    }
    std::cout << "MIN: " << min << ", MAX: " << max << std::endl;
    // Without a covered cell there is no range: keep every palette's own.
    if (min > max)
        return;
    setMinAll(min);
    setMaxAll(max);
    if (!ui->vtk_widget->structuredGrid)
        return;

    paletteWidget->editedPalette.min_db = min;
    paletteWidget->editedPalette.max_db = max;
    const int low = toSpinValue(min);
    const int high = toSpinValue(max);
    paletteWidget->minSpinBox->setValue(low);
    paletteWidget->maxSpinBox->setValue(high);
    paletteWidget->updateScaleLabels();
    for (SliderHandle* handle : paletteWidget->handles) {
        handle->setMaximum(high);
        handle->setMinimum(low);
        handle->setValue(toSpinValue(min + (max - min) * handle->relativePosition));
    }
    // A changed spin box passes the range on to the viewer's copy through the
    // bar's signals, an unchanged one emits nothing: hand the copy over here.
    ui->vtk_widget->setPalette(paletteList.palettes.at(size_t(paletteList.curr_palette)));
}
