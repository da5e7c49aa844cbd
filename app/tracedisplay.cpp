#include "tracedisplay.h"

#include "appprompts.h"
#include "dofilteringdialog.h"
#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "logger.h"
#include "settings.h"
#include "spectrum.h"
#include "tomodocument.h"
#include "tracefilters.h"
#include "windowtexts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>
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

TraceDisplay::TraceDisplay(Views views, Actions actions, TomoDocument& document,
                           const AppSettings& settings, State state, Zoom zoom,
                           const WindowHost& host, Logger*& logger)
    : v(views), acts(actions), document(document), settings(settings), state(state), zoom(zoom),
      host(host), logger(logger)
{
}

// ---- Panels ----

void TraceDisplay::forEachPanel(const std::function<void(unsigned, drawTraces*)>& fn)
{
    DrawAllTracesWidget* view = v.allShots;
    for (unsigned i = 0; i < view->traceWidgetCount(); ++i)
        fn(i, view->traceWidgetAt(i));
}

void TraceDisplay::createPanels()
{
    if (document.traceSets.empty())
        return;
    v.allShots->clearTraceWidgets();
    for (size_t i = 0; i < document.traceSets.size(); ++i) {
        auto* panel = new drawTraces(host.window);
        panel->setDocument(&document);
        panel->setShot(int(i));
        panel->update();
        panel->travelTimeView = v.travelTimes;
        panel->setShowFiltered(false);
        // The window's zoom outlives the panels of an earlier survey.
        panel->setZoom(state.timeZoom, state.horizontalZoom);
        v.allShots->addTraceWidget(panel);
        std::cout << "created trace widget " << i << std::endl;
    }
}

bool TraceDisplay::holdsFilteredSamples(int set) const
{
    if (set < 0 || size_t(set) >= document.traceSets.size())
        return false;
    const std::vector<Trace>& traces = document.traceSets[size_t(set)].traces;
    return std::any_of(traces.begin(), traces.end(),
                       [](const Trace& t) { return !t.filtered.empty(); });
}

std::vector<uint32_t> TraceDisplay::processedShots() const
{
    std::vector<uint32_t> shots;
    const int current = state.currentShot;
    if (current < 0 || size_t(current) >= document.traceSets.size())
        return shots;
    if (!settings.showAllTraces)
        return {uint32_t(current)};
    for (uint32_t s = 0; s < document.traceSets.size(); ++s)
        shots.push_back(s);
    return shots;
}

void TraceDisplay::showFilteredOnPanels(bool b)
{
    // A panel told to show filtered samples its shot lacks would draw nothing.
    forEachPanel([&](unsigned i, drawTraces* panel) {
        panel->setShowFiltered(b && holdsFilteredSamples(int(i)));
    });
}

// ---- Shots ----

void TraceDisplay::showCurrentShot()
{
    const int current = state.currentShot;
    v.shot->setShot(current);
    v.shot->update();
    v.preview->setShotIndex(current);
    v.preview->update();

    const std::vector<TraceSet>& sets = document.traceSets;
    const bool hasSet = current >= 0 && size_t(current) < sets.size();
    if (hasSet && sets[size_t(current)].hasFiltered) {
        const bool shown = sets[size_t(current)].useFiltered;
        v.filteredBox->setEnabled(true);
        v.filteredBox->setChecked(shown);
        v.shot->showFiltered = shown;
    } else {
        v.filteredBox->setChecked(false);
        v.filteredBox->setEnabled(false);
        v.shot->showFiltered = false;
    }
    v.shot->update();
}

void TraceDisplay::nextShot()
{
    const int n = int(document.ttArray.size());
    if (n == 0)
        return;
    int& current = state.currentShot;
    current = current < n - 1 ? current + 1 : 0;
    showCurrentShot();
}

void TraceDisplay::previousShot()
{
    const int n = int(document.ttArray.size());
    if (n == 0)
        return;
    int& current = state.currentShot;
    current = current > 0 && current < n ? current - 1 : n - 1;
    showCurrentShot();
}

void TraceDisplay::showFirstShot(bool preview)
{
    attachShot(0);
    acts.menu->setEnabled(true);
    if (document.traceSets.size() > 1) {
        acts.nextShot->setEnabled(true);
        acts.previousShot->setEnabled(true);
    }
    if (preview)
        v.preview->setShotIndex(0);
}

void TraceDisplay::redrawTravelTimes()
{
    v.shot->update();
    v.shot->travelTimeView = v.travelTimes;
    attachTravelTimes();
}

// ---- The survey on show ----

void TraceDisplay::attachShot(int shot)
{
    v.shot->setDocument(&document);
    state.currentShot = shot;
    v.shot->setShot(shot);
}

void TraceDisplay::attachTravelTimes()
{
    v.travelTimes->setDocument(&document);
    v.travelTimes->update();
}

void TraceDisplay::attachPreview()
{
    v.preview->setDocument(&document);
    v.preview->previewMode = true;
    v.preview->update();
}

void TraceDisplay::showNoSurvey()
{
    v.allShots->clearTraceWidgets();
    attachShot(-1);
    v.shot->update();
    v.travelTimes->showComputedTimes = false;
    attachTravelTimes();
    updateComputedTimesBox();
    // Not yet a preview: that waits for a survey with picks.
    v.preview->setDocument(&document);
    v.preview->update();
}

void TraceDisplay::showNewSurvey()
{
    attachShot(0);
    redrawTravelTimes();
    v.preview->setShotIndex(0);
    attachPreview();
}

void TraceDisplay::showShotSettings()
{
    acts.filter->setEnabled(true);
    acts.agc->setEnabled(true);
    applySettings();
    showAllShots(settings.showAllTraces);
}

void TraceDisplay::showImportedTimes()
{
    // Disabling the traces tab again moves the tab bar off it, onto the picks.
    v.tabs->setTabEnabled(0, false);
    v.tabs->setTabEnabled(1, true);
    attachTravelTimes();
    attachPreview();
}

void TraceDisplay::detach()
{
    v.shot->setDocument(nullptr);
    // The panels go only when control returns to the main event loop, and
    // a message box's loop would let them paint meanwhile.
    forEachPanel([](unsigned, drawTraces* panel) { panel->setDocument(nullptr); });
    v.allShots->clearTraceWidgets();
    v.travelTimes->setDocument(nullptr);
    v.preview->setDocument(nullptr);
}

void TraceDisplay::attach()
{
    v.tabs->setCurrentIndex(0);
    v.shot->setDocument(&document);
    v.allShots->clearTraceWidgets();
}

void TraceDisplay::showOpenedSurvey()
{
    const bool shots = !document.traceSets.empty();
    if (shots) {
        attachShot(0);
        createPanels();
        acts.nextShot->setEnabled(document.traceSets.size() > 1);
        acts.previousShot->setEnabled(document.traceSets.size() > 1);
        v.filteredBox->setEnabled(document.traceSets[0].hasFiltered);
    }
    applySettings();
    showAllShots(settings.showAllTraces);

    // As for a new survey, the curves start with the picks alone.
    v.travelTimes->showComputedTimes = false;
    redrawTravelTimes();
    attachPreview();

    v.tabs->setEnabled(true);
    v.tabs->setTabEnabled(0, shots);
    v.tabs->setTabEnabled(2, document.has_tomographic_info);
}

void TraceDisplay::showComputedTimes()
{
    v.travelTimes->showComputedTimes = true;
    attachTravelTimes();
    v.shot->setDocument(&document);
    v.shot->update();
    updateTabs();
}

void TraceDisplay::enableSectionTab()
{
    v.tabs->setTabEnabled(2, true);
}

void TraceDisplay::showSectionTab()
{
    v.tabs->setCurrentIndex(2);
}

void TraceDisplay::pickAdded()
{
    v.tabs->setTabEnabled(1, true);
}

int TraceDisplay::currentTab() const
{
    return v.tabs->currentIndex();
}

int TraceDisplay::showEnabledTab(int tab)
{
    // The tab bar moves off a tab that was disabled without saying so: the
    // tab in front and the rules applied are chosen here, together.
    if (!v.tabs->isTabEnabled(tab))
        tab = v.tabs->isTabEnabled(0) ? 0 : 1;
    v.tabs->setCurrentIndex(tab);
    return tab;
}

void TraceDisplay::showAllShots(bool all)
{
    v.shotArea->setVisible(!all);
    v.allShots->setVisible(all);
}

void TraceDisplay::setTwoColors(bool on)
{
    v.travelTimes->twoColors = on;
    v.preview->twoColors = on;
    v.travelTimes->update();
    v.preview->update();
}

void TraceDisplay::applyStartupSettings()
{
    v.preview->twoColors = settings.twoColors;
    v.travelTimes->twoColors = settings.twoColors;
    setFillWiggle(settings.fillWiggle);
    // No shot is shown yet, so the show-filtered flag waits for the first one.
}

void TraceDisplay::applyChangedSettings(const AppSettings& old)
{
    if (settings.cutHorizontal != old.cutHorizontal)
        setCutWaveForm(settings.cutHorizontal);
    if (settings.zoomIn != old.zoomIn)
        setZoomInWindow(settings.zoomIn);
    // The display command falls back to the recorded samples when the shot
    // has no filtered ones.
    if (settings.showFiltered != old.showFiltered)
        showFiltered(settings.showFiltered);
    if (settings.fillWiggle != old.fillWiggle)
        setFillWiggle(settings.fillWiggle);
    if (settings.showAllTraces != old.showAllTraces)
        showAllShots(settings.showAllTraces);
    if (settings.twoColors != old.twoColors)
        setTwoColors(settings.twoColors);
    acts.nextShot->setEnabled(!settings.showAllTraces);
    acts.previousShot->setEnabled(!settings.showAllTraces);
}

// ---- Zoom ----

void TraceDisplay::zoomTracesIn(double& factor, int& steps, QAction* in, QAction* out)
{
    factor *= ZoomStep;
    v.shot->setZoom(state.timeZoom, state.horizontalZoom);
    forEachPanel(
        [this](unsigned, drawTraces* p) { p->setZoom(state.timeZoom, state.horizontalZoom); });
    updateZooming();
    in->setEnabled(true);
    out->setEnabled(true);
    ++steps;
}

void TraceDisplay::zoomTracesOut(double& factor, int& steps, QAction* out)
{
    if (steps < 1)
        return;
    factor /= ZoomStep;
    v.shot->setZoom(state.timeZoom, state.horizontalZoom);
    updateZooming();
    v.shot->update();
    forEachPanel(
        [this](unsigned, drawTraces* p) { p->setZoom(state.timeZoom, state.horizontalZoom); });
    // Zooming out never goes below the recorded size.
    if (--steps == 0)
        out->setEnabled(false);
}

void TraceDisplay::zoomIn()
{
    zoomTracesIn(state.horizontalZoom, state.horizontalZoomSteps, zoom.in, zoom.out);
}

void TraceDisplay::zoomOut()
{
    zoomTracesOut(state.horizontalZoom, state.horizontalZoomSteps, zoom.out);
}

void TraceDisplay::zoomTimeIn()
{
    zoomTracesIn(state.timeZoom, state.timeZoomSteps, zoom.timeIn, zoom.timeOut);
}

void TraceDisplay::zoomTimeOut()
{
    zoomTracesOut(state.timeZoom, state.timeZoomSteps, zoom.timeOut);
}

void TraceDisplay::updateZooming()
{
    // The time zoom stretches the view by half its excess over 1; the
    // horizontal zoom widens it, by a quarter, only in zoom-in-window mode.
    const QWidget* viewport = v.shotArea->viewport();
    const double fv = (state.timeZoom - 1.0) * 0.5 + 1.0;
    const double fh = (state.horizontalZoom - 1.0) * 0.25 + 1.0;
    drawTraces* view = v.shot;
    if (view->zoomInWindow) {
        view->setMinimumSize(int(fh * viewport->width()), int(fv * viewport->height()));
    } else {
        view->setMinimumSize(0, 0);
        const QMargins margins = v.shotAreaContents->layout()->contentsMargins();
        view->setMinimumSize(viewport->width() - (margins.left() + margins.right()),
                             int(fv * viewport->height()));
        if (settings.showAllTraces)
            if (const QWidget* all = v.allShots->scrollViewport())
                v.allShots->setContainerMinimumHeight(fv * all->height());
    }
    view->update();
}

// ---- Display flags ----

void TraceDisplay::setZoomInWindow(bool b)
{
    v.shot->setZoomInWindow(b);
    forEachPanel([b](unsigned, drawTraces* p) { p->setZoomInWindow(b); });
    updateZooming();
}

void TraceDisplay::setCutWaveForm(bool b)
{
    v.shot->setCutWaveForm(b);
    forEachPanel([b](unsigned, drawTraces* p) { p->setCutWaveForm(b); });
}

void TraceDisplay::setFillWiggle(bool b)
{
    acts.fillWiggle->setChecked(settings.fillWiggle);
    v.shot->setFillWiggle(b);
    forEachPanel([b](unsigned, drawTraces* p) { p->setFillWiggle(b); });
}

void TraceDisplay::showFiltered(bool b)
{
    std::cout << "show Filtered : " << (b ? 1 : 0) << std::endl;
    // Also without a shot on show (an imported survey has no trace sets).
    if (b && !holdsFilteredSamples(state.currentShot)) {
        std::cout << "NO Filtered trace available : SHOWING ORIGINAL TRACE" << std::endl;
        b = false;
        v.filteredBox->setEnabled(false);
    }
    v.filteredBox->setChecked(b);
    v.shot->setShowFiltered(b);
    showFilteredOnPanels(b);
}

void TraceDisplay::applySettings()
{
    setCutWaveForm(settings.cutHorizontal);
    setZoomInWindow(settings.zoomIn);
    setFillWiggle(settings.fillWiggle);
    showFiltered(settings.showFiltered);
    v.travelTimes->twoColors = settings.twoColors;
    v.preview->twoColors = settings.twoColors;
}

void TraceDisplay::previewShot(int i)
{
    v.preview->setShotIndex(i);
    v.preview->update();
    std::cout << "mousemoved" << i << std::endl;
}

void TraceDisplay::pickEdited()
{
    v.preview->update();
    host.updateWindowTitle(true);
}

void TraceDisplay::showAllPicks(bool on)
{
    forEachPanel([on](unsigned, drawTraces* p) { p->setShowAllPicks(on); });
    v.shot->setShowAllPicks(on);
}

void TraceDisplay::showSimulatedTimes(bool on)
{
    forEachPanel([on](unsigned, drawTraces* p) { p->setShowSimulatedTimes(on); });
    v.shot->setShowSimulatedTimes(on);
}

void TraceDisplay::showComputedCurves(bool on)
{
    v.travelTimes->showComputedTimes = on;
    v.travelTimes->update();
    updateComputedTimesBox();
}

void TraceDisplay::updateComputedTimesBox()
{
    const auto computed = [](const TravelTime& record) {
        return std::any_of(record.ttCalcolati.begin(), record.ttCalcolati.end(),
                           [](double t) { return t > 0.0; });
    };
    const bool any = std::any_of(document.ttArray.begin(), document.ttArray.end(), computed);
    const QSignalBlocker quiet(v.computedBox);
    v.computedBox->setEnabled(any);
    v.computedBox->setChecked(any && v.travelTimes->showComputedTimes);
}

void TraceDisplay::showTravelTimePlot(bool hidden)
{
    const int width = v.splitParent->width();
    if (hidden) {
        v.splitter->setSizes({width, 0});
    } else {
        const int first = int(width * TracesShare);
        v.splitter->setSizes({first, width - first});
    }
}

void TraceDisplay::enableZoom(bool on)
{
    for (QAction* a : {zoom.in, zoom.out, zoom.timeIn, zoom.timeOut})
        a->setEnabled(on);
    zoom.button->setEnabled(on);
    zoom.timeButton->setEnabled(on);
}

void TraceDisplay::applyTabRules(int index)
{
    const bool grid = document.grid != nullptr;

    auto enableTraceCommands = [&](bool on) {
        for (QAction* a : {acts.fillWiggle, acts.nextShot, acts.previousShot, acts.daZo,
                           acts.filter, acts.agc, acts.autoPick})
            a->setEnabled(on);
    };
    switch (index) {
    case 0:
        acts.screenshot->setEnabled(false);
        // One shot has nothing to zoom against.
        enableZoom(grid && document.traceSets.size() != 1);
        enableTraceCommands(grid);
        break;
    case 1:
        acts.screenshot->setEnabled(true);
        enableZoom(false);
        enableTraceCommands(false);
        break;
    case 2:
        acts.screenshot->setEnabled(grid);
        enableZoom(false);
        enableTraceCommands(false);
        break;
    default:
        break;
    }
}

// ---- Trace processing and picking ----

void TraceDisplay::showProcessedTraces()
{
    TraceSet& set = document.traceSets.at(size_t(state.currentShot));
    set.hasFiltered = true;
    set.useFiltered = true;
    v.filteredBox->setEnabled(true);
    v.filteredBox->setChecked(true);
    v.shot->setShowFiltered(true);
    showFilteredOnPanels(true);
    host.setModified(true);
}

void TraceDisplay::applyAGC()
{
    const std::vector<uint32_t> shots = processedShots();
    if (shots.empty())
        return;
    for (uint32_t s : shots)
        for (Trace& trace : document.traceSets[s].traces)
            if (trace.samples.empty())
                trace.filtered.clear();
            else
                ::applyAGC(trace.samples, trace.filtered);
    showProcessedTraces();
}

void TraceDisplay::applyDaZo()
{
    const std::vector<uint32_t> shots = processedShots();
    if (shots.empty())
        return;
    // Every trace is filtered into a copy first: a trace whose spectrum is
    // too narrow for the filters leaves the whole survey as it was.
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
                host.prompts->warning(
                    host.window, WindowTexts::tr("Caution"),
                    WindowTexts::tr("The traces are sampled too coarsely for the noise "
                                    "reduction: nothing was changed."));
                return;
            }
            results.push_back(std::move(high));
        }
    auto result = results.begin();
    for (uint32_t s : shots)
        for (Trace& trace : document.traceSets[s].traces)
            trace.filtered = std::move(*result++);
    showProcessedTraces();
}

void TraceDisplay::chooseFilters()
{
    const int current = state.currentShot;
    if (current < 0 || size_t(current) >= document.traceSets.size())
        return;
    doFilteringDialog dialog(&document, current, host.window);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    TraceSet& set = document.traceSets[size_t(current)];
    bool shown;
    if (accepted) {
        // OK without any filter applied leaves nothing new to show.
        shown = holdsFilteredSamples(current);
        if (shown)
            host.setModified(true);
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
    v.filteredBox->setEnabled(shown);
    v.filteredBox->setChecked(shown);
    v.shot->setShowFiltered(shown);
}

void TraceDisplay::autoPick()
{
    const std::vector<uint32_t> shots = processedShots();
    if (shots.empty())
        return;
    const bool boxChecked = v.filteredBox->isChecked();
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
    v.preview->update();
    v.allShots->repaintTraceWidgets();
    host.setModified(true);
}

void TraceDisplay::updateActions(bool loaded)
{
    acts.menu->setEnabled(true);
    for (QAction* a : {acts.autoPick, acts.daZo, acts.nextShot, acts.previousShot})
        a->setEnabled(loaded);
    enableZoom(loaded);
    if (!loaded) {
        zoom.button->setDefaultAction(zoom.in);
        zoom.timeButton->setDefaultAction(zoom.timeIn);
        // Processing needs shots; the filtered box waits for the first one.
        for (QAction* a : {acts.filter, acts.agc, acts.fillWiggle})
            a->setEnabled(false);
        v.filteredBox->setChecked(false);
        v.filteredBox->setEnabled(false);
    }
    v.tabs->setEnabled(loaded);
    for (int i = 0; i < 3; ++i)
        v.tabs->setTabEnabled(i, false);
    if (loaded)
        updateTabs();
}

void TraceDisplay::updateTabs()
{
    const bool results = document.has_tomographic_info;
    v.tabs->setTabEnabled(0, !document.traceSets.empty());
    v.tabs->setTabEnabled(1, document.hasPicks());
    v.tabs->setTabEnabled(2, results);
    v.simulatedBox->setEnabled(results);
    updateComputedTimesBox();
}

void TraceDisplay::splitBeforeFirstShow()
{
    // The window is not shown yet and its layouts have not run: run them from
    // the window down to the traces tab, whose width the split needs.
    v.tabs->setCurrentIndex(0);
    std::vector<QWidget*> chain;
    for (QWidget* w = v.splitParent->parentWidget(); w; w = w->parentWidget())
        chain.insert(chain.begin(), w);
    for (QWidget* w : chain)
        if (w->layout())
            w->layout()->activate();
    showTravelTimePlot(false);
    v.allShots->hide();
    v.tabs->setCurrentIndex(0);
}

DropDownToolButton* TraceDisplay::addZoomButton(QToolBar* bar, QAction* before, QAction* in,
                                                QAction* out, const char* inIcon,
                                                const char* outIcon)
{
    auto* button = new DropDownToolButton;
    button->addActionWithIcon(in, QString::fromLatin1(inIcon));
    button->addActionWithIcon(out, QString::fromLatin1(outIcon));
    button->setDefaultAction(in);
    in->setEnabled(false);
    out->setEnabled(false);
    button->setEnabled(false);
    bar->insertWidget(before, button);
    return button;
}
