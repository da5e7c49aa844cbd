// Display commands: trace-view zoom and flags, tabs, trace processing and
// picking.

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "dofilteringdialog.h"
#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "grid.h"
#include "logger.h"
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

void Tervanelo_MainWindows::redrawTravelTimes()
{
    ui->widget_3->update();
    ui->widget_3->travelTimeView = ui->widget_2;
    ui->widget_2->setDocument(&document);
    ui->widget_2->update();
}
