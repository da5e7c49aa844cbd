// Display commands: trace-view zoom and flags, tabs, trace processing and
// picking, and the section view.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "contourlevels.h"
#include "contourlines_dialog.h"
#include "dofilteringdialog.h"
#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "grid.h"
#include "logger.h"
#include "setprojecttitle.h"
#include "spectrum.h"
#include "tracefilters.h"
#include "vtkviewer.h"

#include <QMessageBox>
#include <QSplitter>

#include <algorithm>
#include <initializer_list>
#include <iostream>

namespace
{
constexpr double ZoomStep = 1.25;
// The start-up share of the traces beside the travel-time preview.
constexpr double TracesShare = 0.618;

// Cut-off frequencies of the noise reduction (Hz).
constexpr double DaZoLowPass = 85.0;
constexpr double DaZoHighPass = 14.0;

bool oneOf(int value, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

// The samples a trace was recorded with: a two-polarity trace is picked on
// the difference of its two recordings, which the picker forms itself.
size_t recordedSampleCount(const Trace& trace)
{
    if (trace.kind == Trace::TwoPolarity)
        return std::min(trace.samplesDX.size(), trace.samplesSX.size());
    return trace.samples.size();
}

// Filtered samples stand for a trace only when they cover its recording.
bool pickOnFiltered(const Trace& trace, bool boxChecked)
{
    return boxChecked && !trace.filtered.empty() &&
           trace.filtered.size() == recordedSampleCount(trace);
}

const char* checkedText(bool b)
{
    return b ? "true" : "false";
}
} // namespace

// ---- Panels of the all-shots view ----

void Tervanelo_MainWindows::forEachTracePanel(const std::function<void(unsigned, drawTraces*)>& f)
{
    DrawAllTracesWidget* view = ui->showTracesWidget;
    for (unsigned i = 0; i < view->traceWidgetCount(); ++i)
        f(i, view->traceWidgetAt(i));
}

bool Tervanelo_MainWindows::holdsFilteredSamples(int set) const
{
    if (set < 0 || size_t(set) >= document.traceSets.size())
        return false;
    const std::vector<Trace>& traces = document.traceSets[size_t(set)].traces;
    return std::any_of(traces.begin(), traces.end(),
                       [](const Trace& t) { return !t.filtered.empty(); });
}

std::vector<uint32_t> Tervanelo_MainWindows::processedShots() const
{
    std::vector<uint32_t> shots;
    if (currentShot < 0 || size_t(currentShot) >= document.traceSets.size())
        return shots;
    if (!settings.showAllTraces)
        return {uint32_t(currentShot)};
    for (uint32_t s = 0; s < document.traceSets.size(); ++s)
        shots.push_back(s);
    return shots;
}

void Tervanelo_MainWindows::showFilteredOnPanels(bool b)
{
    // A panel told to show filtered samples its shot lacks would draw nothing.
    forEachTracePanel([&](unsigned i, drawTraces* panel) {
        panel->setShowFiltered(b && holdsFilteredSamples(int(i)));
    });
}

// ---- Zoom ----

void Tervanelo_MainWindows::zoomTracesIn(double& factor, int& steps, QAction* in, QAction* out)
{
    factor *= ZoomStep;
    ui->widget_3->setZoom(timeZoom, horizontalZoom);
    forEachTracePanel([this](unsigned, drawTraces* p) { p->setZoom(timeZoom, horizontalZoom); });
    updateWindowZooming();
    in->setEnabled(true);
    out->setEnabled(true);
    ++steps;
}

void Tervanelo_MainWindows::zoomTracesOut(double& factor, int& steps, QAction* out)
{
    if (steps < 1)
        return;
    factor /= ZoomStep;
    ui->widget_3->setZoom(timeZoom, horizontalZoom);
    updateWindowZooming();
    ui->widget_3->update();
    forEachTracePanel([this](unsigned, drawTraces* p) { p->setZoom(timeZoom, horizontalZoom); });
    // Zooming out never goes below the recorded size.
    if (--steps == 0)
        out->setEnabled(false);
}

void Tervanelo_MainWindows::on_actionZoom_in_traces_triggered()
{
    logCommand(__func__);
    zoomTracesIn(horizontalZoom, horizontalZoomSteps, zoomInAction, zoomOutAction);
}

void Tervanelo_MainWindows::on_actionZoom_out_traces_triggered()
{
    logCommand(__func__);
    zoomTracesOut(horizontalZoom, horizontalZoomSteps, zoomOutAction);
}

void Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered()
{
    logCommand(__func__);
    zoomTracesIn(timeZoom, timeZoomSteps, zoomTimeInAction, zoomTimeOutAction);
}

void Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered()
{
    logCommand(__func__);
    zoomTracesOut(timeZoom, timeZoomSteps, zoomTimeOutAction);
}

void Tervanelo_MainWindows::updateWindowZooming()
{
    // The time zoom stretches the view by half its excess over 1; the
    // horizontal zoom widens it, by a quarter, only in zoom-in-window mode.
    const QWidget* viewport = ui->scrollArea->viewport();
    const double fv = (timeZoom - 1.0) * 0.5 + 1.0;
    const double fh = (horizontalZoom - 1.0) * 0.25 + 1.0;
    drawTraces* view = ui->widget_3;
    if (view->zoomInWindow) {
        view->setMinimumSize(int(fh * viewport->width()), int(fv * viewport->height()));
    } else {
        view->setMinimumSize(0, 0);
        const QMargins margins = ui->scrollAreaWidgetContents->layout()->contentsMargins();
        view->setMinimumSize(viewport->width() - (margins.left() + margins.right()),
                             int(fv * viewport->height()));
        if (settings.showAllTraces)
            if (const QWidget* all = ui->showTracesWidget->scrollViewport())
                ui->showTracesWidget->setContainerMinimumHeight(fv * all->height());
    }
    view->update();
}

// ---- Display flags ----

void Tervanelo_MainWindows::zoomInWindow(bool b)
{
    ui->widget_3->setZoomInWindow(b);
    forEachTracePanel([b](unsigned, drawTraces* p) { p->setZoomInWindow(b); });
    updateWindowZooming();
}

void Tervanelo_MainWindows::cutWaveForm(bool b)
{
    ui->widget_3->setCutWaveForm(b);
    forEachTracePanel([b](unsigned, drawTraces* p) { p->setCutWaveForm(b); });
}

void Tervanelo_MainWindows::show_fill_wiggle(bool b)
{
    ui->actionFill_wiggle->setChecked(settings.fillWiggle);
    ui->widget_3->setFillWiggle(b);
    forEachTracePanel([b](unsigned, drawTraces* p) { p->setFillWiggle(b); });
}

void Tervanelo_MainWindows::update_show_traces(bool b)
{
    std::cout << "show Filtered : " << (b ? 1 : 0) << std::endl;
    // Also without a shot on show (an imported survey has no trace sets).
    if (b && !holdsFilteredSamples(currentShot)) {
        std::cout << "NO Filtered trace available : SHOWING ORIGINAL TRACE" << std::endl;
        b = false;
        ui->show_filtered_cb->setEnabled(false);
    }
    ui->show_filtered_cb->setChecked(b);
    ui->widget_3->setShowFiltered(b);
    showFilteredOnPanels(b);
}

void Tervanelo_MainWindows::on_mousemoved(int i)
{
    logCommand(__func__);
    ui->travelTimePreview->setShotIndex(i);
    ui->travelTimePreview->update();
    std::cout << "mousemoved" << i << std::endl;
}

void Tervanelo_MainWindows::on_pickEdited()
{
    logCommand(__func__);
    ui->travelTimePreview->update();
    updateWindowTitle(true);
}

void Tervanelo_MainWindows::on_showAllPicksCB_stateChanged(int state)
{
    logCommand(__func__);
    const bool on = state != 0;
    forEachTracePanel([on](unsigned, drawTraces* p) { p->setShowAllPicks(on); });
    ui->widget_3->setShowAllPicks(on);
}

void Tervanelo_MainWindows::on_showSimTT_CB_stateChanged(int state)
{
    logCommand(__func__);
    const bool on = state != 0;
    forEachTracePanel([on](unsigned, drawTraces* p) { p->setShowSimulatedTimes(on); });
    ui->widget_3->setShowSimulatedTimes(on);
}

void Tervanelo_MainWindows::on_showTravelTimeCB_stateChanged(int state)
{
    logCommand(__func__);
    const int width = ui->parentOfSplit->width();
    if (state != 0) {
        ui->splitter->setSizes({width, 0});
    } else {
        const int first = int(width * TracesShare);
        ui->splitter->setSizes({first, width - first});
    }
}

void Tervanelo_MainWindows::on_splitter_splitterMoved(int, int)
{
    updateWindowZooming();
}

void Tervanelo_MainWindows::on_tabWidget_tabBarClicked(int index)
{
    Ui::Tervanelo_MainWindows& f = *ui;
    const bool grid = document.grid != nullptr;
    const bool results = document.has_tomographic_info;

    auto enableZoom = [&](bool on) {
        for (QAction* a : {zoomInAction, zoomOutAction, zoomTimeInAction, zoomTimeOutAction})
            a->setEnabled(on);
        zoomButton->setEnabled(on);
        timeZoomButton->setEnabled(on);
    };
    auto enableTraceCommands = [&](bool on) {
        for (QAction* a : {f.actionFill_wiggle, f.actionNext_file, f.actionPrev_file,
                           f.actionApply_DaZo, f.actionFilter, f.actionAGC, f.actionAutoPick})
            a->setEnabled(on);
    };
    auto disableSectionLayers = [&] {
        for (QAction* a : {f.actionShow_rays, f.actionShow_Contour_Lines, f.actionVertical_Gradient,
                           f.actionLaplacian_Gradient, f.actionShow_Information_Density_Layer})
            a->setEnabled(false);
        f.menuShow_Geophones->setEnabled(false);
    };

    switch (index) {
    case 0:
        f.actionPalette->setEnabled(false);
        f.actionScreenshot->setEnabled(false);
        // One shot has nothing to zoom against.
        enableZoom(grid && document.traceSets.size() != 1);
        enableTraceCommands(grid);
        disableSectionLayers();
        break;
    case 1:
        f.actionPalette->setEnabled(false);
        f.actionScreenshot->setEnabled(true);
        enableZoom(false);
        enableTraceCommands(false);
        disableSectionLayers();
        break;
    case 2: {
        const vtkViewer& view = *f.vtk_widget;
        f.actionPalette->setEnabled(grid);
        f.actionScreenshot->setEnabled(grid);
        if (grid)
            f.actionShow_rays->setEnabled(!document.rayPaths.empty());
        for (QAction* a : {f.actionShow_Contour_Lines, f.actionVertical_Gradient,
                           f.actionLaplacian_Gradient, f.actionShow_Information_Density_Layer})
            a->setEnabled(grid && results);
        f.menuShow_Geophones->setEnabled(grid && results);
        const std::pair<QAction*, bool> toggles[] = {{f.actionShow_scalarbar, view.showScalarBar},
                                                     {f.actionShow_Grid_Lines, view.showGridLines},
                                                     {f.actionShow_title, view.showTitle}};
        for (const auto& [action, shown] : toggles) {
            action->setEnabled(grid && results);
            if (grid)
                action->setChecked(shown);
        }
        enableZoom(false);
        enableTraceCommands(false);
        break;
    }
    default:
        break;
    }
}

// ---- Trace processing and picking ----

void Tervanelo_MainWindows::showProcessedTraces()
{
    TraceSet& set = document.traceSets.at(size_t(currentShot));
    set.hasFiltered = true;
    set.useFiltered = true;
    ui->show_filtered_cb->setEnabled(true);
    ui->show_filtered_cb->setChecked(true);
    ui->widget_3->setShowFiltered(true);
    showFilteredOnPanels(true);
    setModified(true);
}

void Tervanelo_MainWindows::on_actionAGC_triggered()
{
    logCommand(__func__);
    guarded([this] {
        const std::vector<uint32_t> shots = processedShots();
        if (shots.empty())
            return;
        for (uint32_t s : shots)
            for (Trace& trace : document.traceSets[s].traces)
                if (trace.samples.empty())
                    trace.filtered.clear();
                else
                    applyAGC(trace.samples, trace.filtered);
        showProcessedTraces();
    });
}

void Tervanelo_MainWindows::on_actionApply_DaZo_triggered()
{
    logCommand(__func__);
    on_actionAuto_improve_triggered();
}

void Tervanelo_MainWindows::on_actionAuto_improve_triggered()
{
    logCommand(__func__);
    guarded([this] {
        const std::vector<uint32_t> shots = processedShots();
        if (shots.empty())
            return;
        // Every trace is filtered into a copy first: a trace whose spectrum
        // is too narrow for the filters leaves the whole survey as it was.
        std::vector<std::vector<double>> results;
        for (uint32_t s : shots)
            for (const Trace& trace : document.traceSets[s].traces) {
                const double fs = 1.0 / trace.sampleInterval;
                std::vector<double> frequencies, amplitudes;
                double fmax = 0.0;
                computeAmplitudeSpectrum(trace.samples, fs, frequencies, amplitudes, fmax);
                const double lowCut = DaZoLowPass / (2.0 * fmax);
                const double highCut = DaZoHighPass / (2.0 * fmax);
                std::vector<double> low, high;
                if (!(lowCut > 0.0 && lowCut < 0.5) ||
                    lowPassFilter(trace.samples, 1, fs, lowCut, low) != 0 ||
                    highPassFilter(low, 1, fs, highCut, high) != 0) {
                    QMessageBox::warning(
                        this, tr("Caution"),
                        tr("The traces are sampled too coarsely for the noise reduction: "
                           "nothing was changed."));
                    return;
                }
                results.push_back(std::move(high));
            }
        auto result = results.begin();
        for (uint32_t s : shots)
            for (Trace& trace : document.traceSets[s].traces)
                trace.filtered = std::move(*result++);
        showProcessedTraces();
    });
}

void Tervanelo_MainWindows::on_actionFilter_triggered()
{
    logCommand(__func__);
    guarded([this] {
        if (currentShot < 0 || size_t(currentShot) >= document.traceSets.size())
            return;
        doFilteringDialog dialog(&document, currentShot, this);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        TraceSet& set = document.traceSets[size_t(currentShot)];
        bool shown;
        if (accepted) {
            // OK without any filter applied leaves nothing new to show.
            shown = holdsFilteredSamples(currentShot);
            if (shown)
                setModified(true);
        } else {
            // Back to the shot as it was before the dialog.
            shown = dialog.hadFilteredSamples;
            for (size_t i = 0; i < set.traces.size(); ++i) {
                if (shown && i < dialog.savedFilteredSamples.size())
                    set.traces[i].filtered = dialog.savedFilteredSamples[i];
                else if (!shown)
                    set.traces[i].filtered.clear();
            }
        }
        set.hasFiltered = shown;
        set.useFiltered = shown;
        ui->show_filtered_cb->setEnabled(shown);
        ui->show_filtered_cb->setChecked(shown);
        ui->widget_3->setShowFiltered(shown);
    });
}

void Tervanelo_MainWindows::on_actionAutoPick_triggered()
{
    logCommand(__func__);
    guarded([this] {
        const std::vector<uint32_t> shots = processedShots();
        if (shots.empty())
            return;
        const bool boxChecked = ui->show_filtered_cb->isChecked();
        for (uint32_t s : shots) {
            std::vector<Trace>& traces = document.traceSets[s].traces;
            for (uint32_t i = 0; i < traces.size(); ++i) {
                // Per trace: a shot without filtered samples is picked on its
                // recording even while the box is checked on another shot.
                document.autoPickTrace(i, s, pickOnFiltered(traces[i], boxChecked));
                std::cout << "[FIRST BREAK] TRACE " << i << " : "
                          << document.travelTimeAt(s).ttMisurati.at(i) << std::endl;
            }
            document.rejectInconsistentPicks(s);
        }
        redrawTravelTimes();
        ui->travelTimePreview->update();
        ui->showTracesWidget->repaintTraceWidgets();
        setModified(true);
    });
}

// ---- Section view ----

namespace
{
// The gradient and information density layers.
struct SectionLayer {
    QAction* Ui::Tervanelo_MainWindows::*action;
    bool Tervanelo_MainWindows::*flag;
    vtkViewer::Range vtkViewer::*range;
    int plain, rays, contour;
    std::initializer_list<int> contourTypes;
    const char* minLabel;
    const char* maxLabel;
    const char* slot;
};

enum { VerticalGradientLayer, LaplacianLayer, DensityLayer };

const char* const velocityLabels[] = {"Min Vel ", ", Max Vel : "};

const SectionLayer sectionLayers[] = {
    {&Ui::Tervanelo_MainWindows::actionVertical_Gradient,
     &Tervanelo_MainWindows::viewVerticalGradient,
     &vtkViewer::gradientRange,
     7,
     9,
     8,
     {2, 3, 8, 11},
     "Min Grad : ",
     ", Max Grad : ",
     "on_actionVertical_Gradient_triggered"},
    {&Ui::Tervanelo_MainWindows::actionLaplacian_Gradient,
     &Tervanelo_MainWindows::viewLaplacianGradient,
     &vtkViewer::laplacianRange,
     10,
     12,
     11,
     {2, 3, 8, 11},
     "Min Laplacian : ",
     ", Max Laplacian : ",
     "on_actionLaplacian_Gradient_triggered"},
    {&Ui::Tervanelo_MainWindows::actionShow_Information_Density_Layer,
     &Tervanelo_MainWindows::viewInfoDensity,
     &vtkViewer::densityRange,
     13,
     15,
     14,
     {2, 3, 8, 11, 14},
     "Min Density : ",
     ", Max Density : ",
     "on_actionShow_Information_Density_Layer_triggered"},
};
} // namespace

void Tervanelo_MainWindows::showPaletteRange(std::pair<double, double> r, const char* minLabel,
                                             const char* maxLabel)
{
    std::cout << minLabel << r.first << maxLabel << r.second << std::endl;
    buildPaletteBar(r.first, r.second);
}

void Tervanelo_MainWindows::redrawTravelTimes()
{
    ui->widget_3->update();
    ui->widget_3->travelTimeView = ui->widget_2;
    ui->widget_2->setDocument(&document);
    ui->widget_2->update();
}

void Tervanelo_MainWindows::bringSectionForward()
{
    ui->tabWidget->setCurrentIndex(2);
    on_tabWidget_tabBarClicked(2);
}

void Tervanelo_MainWindows::showSectionLayer(int layer)
{
    const SectionLayer& own = sectionLayers[layer];
    QAction* action = (*ui).*own.action;
    const bool checked = action->isChecked();
    vtkViewer& view = *ui->vtk_widget;

    if (layer == DensityLayer) {
        logCommand(own.slot);
        // Values below 0 mark cells the inversion has not reached yet; a
        // layer of another size belongs to another grid.
        const size_t cells = document.grid ? document.grid->numberOfCells() : 0;
        const bool computed =
            document.info_density.size() == cells &&
            std::none_of(document.info_density.begin(), document.info_density.end(),
                         [](double v) { return v < 0.0; });
        if (checked && !computed) {
            QMessageBox::warning(
                this, tr("Warning"),
                tr("The information layer has not yet been calculated or loaded, this project "
                   "may be an old version.\nPease run the tomography to compute the "
                   "information layer"));
            logger->writeLog("Info density not yet computed", 0);
            action->setChecked(false);
            ui->actionShow_Tomographic_Profile->setChecked(true);
            return;
        }
    }

    if (checked) {
        if (ui->actionShow_Tomographic_Profile->isChecked()) {
            ui->actionShow_Tomographic_Profile->setChecked(false);
            viewVelocity = false;
            viewFilledContours = false;
        }
        for (const SectionLayer& other : sectionLayers) {
            QAction* otherAction = (*ui).*other.action;
            if (&other != &own && otherAction->isChecked()) {
                otherAction->setChecked(false);
                this->*other.flag = false;
            }
        }
    }
    this->*own.flag = checked;
    logger->writeLog(
        std::string("Tervanelo_MainWindows::") + own.slot + ": " + checkedText(checked), 0);

    const bool contoursShown = oneOf(view.showType, own.contourTypes);
    const bool rays = ui->actionShow_rays->isChecked();
    int type;
    if (checked) {
        showPaletteRange(view.*own.range, own.minLabel, own.maxLabel);
        type = contoursShown ? own.contour : rays ? own.rays : own.plain;
    } else {
        showPaletteRange(view.velocityRange, velocityLabels[0], velocityLabels[1]);
        type = contoursShown ? 2 : rays ? 4 : 5;
    }
    view.showProfile(type);
    bringSectionForward();
}

void Tervanelo_MainWindows::on_actionVertical_Gradient_triggered()
{
    guarded([this] { showSectionLayer(VerticalGradientLayer); });
}

void Tervanelo_MainWindows::on_actionLaplacian_Gradient_triggered()
{
    guarded([this] { showSectionLayer(LaplacianLayer); });
}

void Tervanelo_MainWindows::on_actionShow_Information_Density_Layer_triggered()
{
    guarded([this] { showSectionLayer(DensityLayer); });
}

void Tervanelo_MainWindows::on_actionShow_Tomographic_Profile_triggered()
{
    logCommand(__func__);
    guarded([this] {
        for (const SectionLayer& layer : sectionLayers) {
            QAction* action = (*ui).*layer.action;
            if (action->isChecked()) {
                action->setChecked(false);
                this->*layer.flag = false;
            }
        }
        viewVelocity = true;
        vtkViewer& view = *ui->vtk_widget;
        const int current = view.showType;
        if (!oneOf(current, {2, 3, 4, 5}))
            showPaletteRange(view.velocityRange, "Min Velocity : ", ", Max Velocity : ");
        const int type = oneOf(current, {2, 3, 8, 11}) ? 2 : oneOf(current, {4, 9, 12}) ? 4 : 5;
        view.showProfile(type);
        bringSectionForward();
    });
}

void Tervanelo_MainWindows::on_actionShow_rays_triggered()
{
    const bool checked = ui->actionShow_rays->isChecked();
    logger->writeLog(
        std::string("Tervanelo_MainWindows::") + __func__ + ": " + checkedText(checked), 0);
    guarded([&] {
        ui->vtk_widget->showProfile(checked ? 4 : ui->actionVertical_Gradient->isChecked() ? 7 : 5);
    });
}

namespace
{
// The three marker sizes are exclusive; a second click on the size in force
// hides the markers.
void setMarkerSize(vtkViewer& view, QAction* own, std::initializer_list<QAction*> others,
                   double scale)
{
    for (QAction* a : others)
        a->setChecked(false);
    view.showMarkers = own->isChecked();
    view.markerScale = scale;
    view.showProfile(6);
}
} // namespace

void Tervanelo_MainWindows::on_actionSmallGeo_triggered()
{
    logCommand(__func__);
    guarded([this] {
        setMarkerSize(*ui->vtk_widget, ui->actionSmallGeo,
                      {ui->actionNormalGeo, ui->actionLargeGeo}, 0.5);
    });
}

void Tervanelo_MainWindows::on_actionNormalGeo_triggered()
{
    logCommand(__func__);
    guarded([this] {
        setMarkerSize(*ui->vtk_widget, ui->actionNormalGeo,
                      {ui->actionSmallGeo, ui->actionLargeGeo}, 1.0);
    });
}

void Tervanelo_MainWindows::on_actionLargeGeo_triggered()
{
    logCommand(__func__);
    guarded([this] {
        setMarkerSize(*ui->vtk_widget, ui->actionLargeGeo,
                      {ui->actionSmallGeo, ui->actionNormalGeo}, 2.0);
    });
}

void Tervanelo_MainWindows::on_actionShow_refraction_triggered()
{
    logCommand(__func__);
    guarded([this] {
        ui->vtk_widget->showRefraction = ui->actionShow_refraction->isChecked();
        ui->vtk_widget->showProfile(6);
    });
}

void Tervanelo_MainWindows::on_actionShow_scalarbar_triggered()
{
    logCommand(__func__);
    guarded([this] {
        ui->vtk_widget->showScalarBar = ui->actionShow_scalarbar->isChecked();
        ui->vtk_widget->showProfile(6);
    });
}

void Tervanelo_MainWindows::on_actionShow_Grid_Lines_triggered()
{
    logCommand(__func__);
    guarded([this] {
        ui->vtk_widget->showGridLines = ui->actionShow_Grid_Lines->isChecked();
        ui->vtk_widget->showProfile(6);
    });
}

void Tervanelo_MainWindows::on_actionShow_title_triggered()
{
    logCommand(__func__);
    guarded([this] {
        ui->vtk_widget->showTitle = ui->actionShow_title->isChecked();
        ui->vtk_widget->showProfile(6);
    });
}

void Tervanelo_MainWindows::on_actionReset_View_triggered()
{
    logCommand(__func__);
    guarded([this] { ui->vtk_widget->resetView(6); });
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
            ui->vtk_widget->showProfile(6);
    });
}

void Tervanelo_MainWindows::on_actionShow_Contour_Lines_triggered()
{
    logCommand(__func__);
    guarded([this] {
        vtkViewer& view = *ui->vtk_widget;
        // The dialog takes its velocity range from the grid.
        if (!document.grid || !view.structuredGrid)
            return;
        if (!viewFilledContours && !viewVelocity && !viewVerticalGradient) {
            if (ui->actionVertical_Gradient->isChecked())
                viewVerticalGradient = true;
            else if (ui->actionLaplacian_Gradient->isChecked())
                viewLaplacianGradient = true;
            else
                viewVelocity = true;
        }

        contourlines_dialog dialog(document.grid.get(), equallySpaced, contourCount, customContours,
                                   isovalues, viewFilledContours, viewVelocity,
                                   viewVerticalGradient, viewLaplacianGradient, contourColor,
                                   contourLabelSize, this);
        if (dialog.exec() != QDialog::Accepted)
            return;

        viewFilledContours = dialog.isFilledContours();
        viewVerticalGradient = dialog.isGradientContours();
        viewLaplacianGradient = dialog.isLaplacianGradientContours();
        viewVelocity = dialog.isProfileContours();
        contourColor = dialog.contourLineColor;
        contourLabelSize = dialog.labelFontSize();
        view.contourLabelSize = contourLabelSize;
        view.labelEveryN = dialog.labelEveryN();
        customContours = dialog.isCustomized();
        if (customContours)
            isovalues = dialog.customizedValues();
        equallySpaced = dialog.isEquallySpaced();
        if (equallySpaced)
            contourCount = dialog.numberOfValues();

        logger->writeLog("Equally Spaced Contours: " +
                             (equallySpaced ? std::to_string(contourCount) : "false"),
                         0);
        logger->writeLog(std::string("Customized Contours: ") + checkedText(customContours), 0);
        logger->writeLog(
            std::string("Contours on Vertical Gradient: ") + checkedText(viewVerticalGradient), 0);
        logger->writeLog(std::string("Contours on Laplacian Gradient: ") +
                             checkedText(viewLaplacianGradient),
                         0);
        logger->writeLog(std::string("Filled Contours: ") + checkedText(viewFilledContours), 0);

        auto showLayerRange = [&](int layer) {
            const SectionLayer& l = sectionLayers[layer];
            showPaletteRange(view.*l.range, l.minLabel, l.maxLabel);
        };
        int type;
        if (equallySpaced || customContours) {
            view.contourFilter = makeContourFilter(view.structuredGrid, view.velocityArray,
                                                   customContours ? isovalues : std::set<double>{},
                                                   equallySpaced ? contourCount : 0);
            view.contourColor[0] = contourColor.red() / 255.0;
            view.contourColor[1] = contourColor.green() / 255.0;
            view.contourColor[2] = contourColor.blue() / 255.0;
            ui->actionVertical_Gradient->setChecked(viewVerticalGradient);
            ui->actionLaplacian_Gradient->setChecked(viewLaplacianGradient);
            ui->actionShow_Information_Density_Layer->setChecked(viewInfoDensity);
            if (viewFilledContours) {
                showPaletteRange(view.velocityRange, velocityLabels[0], velocityLabels[1]);
                type = 3;
            } else if (viewVerticalGradient) {
                showLayerRange(VerticalGradientLayer);
                type = 8;
            } else if (viewLaplacianGradient) {
                showLayerRange(LaplacianLayer);
                type = 11;
            } else if (viewInfoDensity) {
                showLayerRange(DensityLayer);
                type = 14;
            } else {
                showPaletteRange(view.velocityRange, velocityLabels[0], velocityLabels[1]);
                type = 2;
                ui->actionVertical_Gradient->setChecked(false);
            }
        } else {
            const int layer = viewVerticalGradient    ? VerticalGradientLayer
                              : viewLaplacianGradient ? LaplacianLayer
                              : viewInfoDensity       ? DensityLayer
                                                      : -1;
            if (layer < 0) {
                showPaletteRange(view.velocityRange, velocityLabels[0], velocityLabels[1]);
                type = 5;
            } else {
                showLayerRange(layer);
                type = sectionLayers[layer].plain;
            }
        }
        view.showProfile(type);
        ui->actionShow_rays->setChecked(false);
        bringSectionForward();
    });
}
