#pragma once
// The trace display: the single-shot view, the all-shots panels, the
// travel-time plot and preview, their zoom and flags, the tabs' rules, and
// the commands that process and pick the shown traces (AGC, DaZo, filtering,
// automatic picking).
//
// Owns nothing: the zoom factors and steps and the current shot are the
// window's members, reached through State. Needs the window's form (the
// trace views, the tab widget, the filtered box and the trace actions), the
// zoom actions and buttons, the document, the settings (read only), the log
// and the window's own operations.

#include "windowhost.h"

#include <cstdint>
#include <functional>
#include <vector>

struct AppSettings;
class DropDownToolButton;
class Logger;
class QAction;
class QWidget;
class TomoDocument;
class drawTraces;

namespace Ui
{
class Tervanelo_MainWindows;
}

class TraceDisplay
{
public:
    struct State {
        int& currentShot;
        double& timeZoom;
        double& horizontalZoom;
        int& horizontalZoomSteps;
        int& timeZoomSteps;
    };
    struct Zoom {
        QAction* in;
        QAction* out;
        QAction* timeIn;
        QAction* timeOut;
        DropDownToolButton* button;
        DropDownToolButton* timeButton;
    };
    TraceDisplay(Ui::Tervanelo_MainWindows& form, TomoDocument& document,
                 const AppSettings& settings, State state, Zoom zoom, const WindowHost& host,
                 Logger*& logger);

    // ---- Panels ----
    // Calls f(index, panel) for every panel of the all-shots view. After a
    // partial load there are fewer panels than trace sets.
    void forEachPanel(const std::function<void(unsigned, drawTraces*)>& f);
    // One panel of the all-shots view per trace set.
    void createPanels();
    // Trace set `set` exists and some trace of it has filtered samples.
    bool holdsFilteredSamples(int set) const;
    // The trace sets a processing command works on: every set with
    // showAllTraces, else the current one; none while currentShot names no set.
    std::vector<uint32_t> processedShots() const;

    // ---- Shots ----
    // currentShot in the single-shot view and the preview; the filtered box
    // follows that shot's trace set, if it has one.
    void showCurrentShot();
    void nextShot();
    void previousShot();
    // The single-shot view back on the first shot after the geometry or the grid changed.
    void showFirstShot();
    // The shot view and the travel-time plot redrawn over the current picks.
    void redrawTravelTimes();

    // A drop-down tool button with a zoom action pair, in front of DaZo on
    // the tool bar, which owns it; the button and both actions start disabled.
    static DropDownToolButton* addZoomButton(Ui::Tervanelo_MainWindows& form, QAction* in,
                                             QAction* out, const char* inIcon, const char* outIcon);
    // The traces and the travel-time plot split at start-up, before the
    // window is first shown.
    void splitBeforeFirstShow();

    // ---- Zoom and flags ----
    void zoomIn();
    void zoomOut();
    void zoomTimeIn();
    void zoomTimeOut();
    void updateZooming();
    void setZoomInWindow(bool b);
    void setCutWaveForm(bool b);
    void setFillWiggle(bool b);
    // The filtered samples shown when b and the current shot has some.
    void showFiltered(bool b);
    // The settings' display flags pushed into the trace views.
    void applySettings();
    void showAllPicks(bool on);
    void showSimulatedTimes(bool on);
    // The computed curves of the travel-time tab, with their box there.
    void showComputedCurves(bool on);
    // That box: enabled whenever the survey holds computed times (also
    // without shots, when the traces tab and its box are off), checked as
    // the tab shows them.
    void updateComputedTimesBox();
    void showTravelTimePlot(bool hidden);
    void previewShot(int i);
    void pickEdited();
    // The four zoom actions and their buttons.
    void enableZoom(bool on);
    // The Traces menu's commands, the zoom, the shot stepping and the tabs:
    // each tab while there is something to show in it. Without a survey the
    // processing commands and the filtered box are off too.
    void updateActions(bool loaded);
    // The tabs of a loaded survey: the traces while there are shots, the
    // picks while there are some, the section and the computed times while
    // there are results.
    void updateTabs();
    // The enabled states of the trace and screenshot actions that depend on
    // the tab in front; the section display has rules of its own.
    void applyTabRules(int index);

    // ---- Processing ----
    void applyAGC();
    void applyDaZo();
    void chooseFilters();
    void autoPick();

private:
    void zoomTracesIn(double& factor, int& steps, QAction* in, QAction* out);
    void zoomTracesOut(double& factor, int& steps, QAction* out);
    void showFilteredOnPanels(bool b);
    void showProcessedTraces();

    Ui::Tervanelo_MainWindows& f;
    TomoDocument& document;
    const AppSettings& settings;
    State state;
    Zoom zoom;
    const WindowHost& host;
    Logger*& logger;
};
