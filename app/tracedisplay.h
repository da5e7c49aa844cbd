#pragma once
// The trace display: the single-shot view, the all-shots panels, the
// travel-time plot and preview, their zoom and flags, the tabs' rules, and
// the commands that process and pick the shown traces (AGC, DaZo, filtering,
// automatic picking).
//
// The only writer of these views: the other controllers hand it the survey
// (attach, showNewSurvey, showImportedTimes, showOpenedSurvey,
// showComputedTimes, detach) instead of writing the views themselves.
//
// Owns nothing: the zoom factors and steps and the current shot are the
// window's members, reached through State. Needs the trace views, the tab
// widget and the boxes (Views), the Traces menu's actions (Actions), the zoom
// actions and buttons, the document, the settings (read only), the log and
// the window's own operations.

#include "windowhost.h"

#include <cstdint>
#include <functional>
#include <vector>

struct AppSettings;
class DropDownToolButton;
class Logger;
class DrawAllTracesWidget;
class QAction;
class QCheckBox;
class QMenu;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QToolBar;
class QWidget;
class TomoDocument;
class drawTTime;
class drawTraces;

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
    // The views: the single-shot view and the area that scrolls it, the
    // panels of every shot, the travel-time tab's plot and the preview beside
    // the traces, the splitter between traces and preview, the tabs (traces,
    // travel times, section) and their boxes.
    struct Views {
        drawTraces* shot;
        QScrollArea* shotArea;
        QWidget* shotAreaContents;
        DrawAllTracesWidget* allShots;
        drawTTime* travelTimes;
        drawTTime* preview;
        QSplitter* splitter;
        QWidget* splitParent;
        QTabWidget* tabs;
        QCheckBox* filteredBox;
        QCheckBox* computedBox;
        QCheckBox* simulatedBox;
    };
    // The Traces menu and its actions, and the screenshot's.
    struct Actions {
        QMenu* menu;
        QAction* fillWiggle;
        QAction* nextShot;
        QAction* previousShot;
        QAction* daZo;
        QAction* filter;
        QAction* agc;
        QAction* autoPick;
        QAction* screenshot;
    };
    TraceDisplay(Views views, Actions actions, TomoDocument& document, const AppSettings& settings,
                 State state, Zoom zoom, const WindowHost& host, Logger*& logger);

    // ---- The survey on show ----
    // No shot on show and no panels; the views on the (new, empty) document,
    // without computed curves.
    void showNoSurvey();
    // A survey of shots just read: the first shot, the picks and the preview,
    // then the display settings.
    void showNewSurvey();
    // The display settings and the single-shot or all-shots view they choose;
    // the filter and AGC commands with them.
    void showShotSettings();
    // A survey of imported times: the picks tab instead of the traces.
    void showImportedTimes();
    // The views let go of the document and the panels go, before it is replaced.
    void detach();
    // The views back on the document after it was replaced by an opened one,
    // from the traces tab and without panels.
    void attach();
    // An opened survey on show, after the action states followed it.
    void showOpenedSurvey();
    // The inversion's computed times on show, with the tabs that follow.
    void showComputedTimes();
    // The section tab, once there are results to show there, and in front.
    void enableSectionTab();
    void showSectionTab();
    // A pick added by hand: the travel-time tab has something to show.
    void pickAdded();
    // The tab in front, and the one to show after the action states changed:
    // `tab` when it is enabled, else the traces or the picks. Returns it.
    int currentTab() const;
    int showEnabledTab(int tab);
    // The settings' colour and wiggle flags at start-up, before any shot.
    void applyStartupSettings();
    // What the Settings command changed, against `old`.
    void applyChangedSettings(const AppSettings& old);

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
    // With `preview`, the preview follows the first shot too.
    void showFirstShot(bool preview = false);
    // The shot view and the travel-time plot redrawn over the current picks.
    void redrawTravelTimes();

    // A drop-down tool button with a zoom action pair, in front of `before`
    // on the tool bar, which owns it; the button and both actions start disabled.
    static DropDownToolButton* addZoomButton(QToolBar* bar, QAction* before, QAction* in,
                                             QAction* out, const char* inIcon, const char* outIcon);
    // The traces and the travel-time plot split at start-up, before the
    // window is first shown; the single-shot view in front of the panels.
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
    // The single-shot view or the panels of every shot.
    void showAllShots(bool all);
    // The single-shot view on `shot` (-1 for none) of the document.
    void attachShot(int shot);
    // The travel-time plot on the document, redrawn with its flags as set.
    void attachTravelTimes();
    // The preview on the document, in preview mode.
    void attachPreview();
    void setTwoColors(bool on);

    Views v;
    Actions acts;
    TomoDocument& document;
    const AppSettings& settings;
    State state;
    Zoom zoom;
    const WindowHost& host;
    Logger*& logger;
};
