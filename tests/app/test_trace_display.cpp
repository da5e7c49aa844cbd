// The trace display on its own, without the window: which document, shot,
// panels, curves and tabs the trace views show after each way a survey comes
// on show or goes.

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "settings.h"
#include "testenv.h"
#include "tomodocument.h"
#include "tracedisplay.h"
#include "windowhost.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace
{

std::string shotFile(int s)
{
    return testenv::fixture("seismic/two_layer_s" + std::to_string(s) + ".sg2");
}

// The surveys the views are given: shots as New reads them, times as Import
// reads them (no shots), and shots with the computed times of an inversion.
enum class Survey { Shots, NoShots, Computed };

void fill(TomoDocument& doc, Survey survey)
{
    if (survey == Survey::NoShots) {
        if (doc.loadTravelTimes(testenv::fixture("seismic/two_layer.otte")) != 0)
            throw std::runtime_error("the travel times do not load");
        return;
    }
    QStringList files;
    for (int s = 1; s <= 3; ++s)
        files << QString::fromStdString(shotFile(s));
    if (doc.loadSeismicFiles(files) != 0)
        throw std::runtime_error("the shot files do not load");
    doc.buildTravelTimes();
    if (survey == Survey::Computed) {
        for (TravelTime& record : doc.ttArray)
            record.ttCalcolati.assign(record.ttMisurati.size(), 0.01);
        doc.has_tomographic_info = true;
    }
}

// The views, boxes and actions the window's form would hold, laid out as
// the display needs them, and a display built on them.
struct Rig {
    TomoDocument doc{nullptr};
    AppSettings settings;
    int currentShot = -1;
    double timeZoom = 1.0;
    double horizontalZoom = 1.0;
    int horizontalSteps = 0;
    int timeSteps = 0;
    Logger* logger = nullptr;
    int modified = 0;
    WindowHost host;

    QWidget window;
    QTabWidget* tabs = new QTabWidget(&window);
    QWidget* splitParent = new QWidget;
    QSplitter* splitter = new QSplitter(splitParent);
    QScrollArea* shotArea = new QScrollArea;
    QWidget* contents = new QWidget;
    drawTraces* shot = new drawTraces(contents);
    DrawAllTracesWidget* allShots = new DrawAllTracesWidget;
    drawTTime* preview = new drawTTime;
    drawTTime* travelTimes = new drawTTime;
    QCheckBox* filteredBox = new QCheckBox(&window);
    QCheckBox* computedBox = new QCheckBox(&window);
    QCheckBox* simulatedBox = new QCheckBox(&window);
    QMenu* menu = new QMenu(&window);
    QToolBar* bar = new QToolBar(&window);
    QAction* fillWiggle = menu->addAction("fill");
    QAction* next = menu->addAction("next");
    QAction* previous = menu->addAction("previous");
    QAction* daZo = bar->addAction("dazo");
    QAction* filter = menu->addAction("filter");
    QAction* agc = menu->addAction("agc");
    QAction* autoPick = menu->addAction("pick");
    QAction* screenshot = menu->addAction("screenshot");
    QAction* zoomIn = new QAction(&window);
    QAction* zoomOut = new QAction(&window);
    QAction* timeIn = new QAction(&window);
    QAction* timeOut = new QAction(&window);
    std::unique_ptr<TraceDisplay> display;

    Rig()
    {
        new QVBoxLayout(contents);
        contents->layout()->addWidget(shot);
        shotArea->setWidget(contents);
        auto* traces = new QWidget;
        auto* column = new QVBoxLayout(traces);
        column->addWidget(shotArea);
        column->addWidget(allShots);
        splitter->addWidget(traces);
        splitter->addWidget(preview);
        tabs->addTab(splitParent, "traces");
        tabs->addTab(travelTimes, "times");
        tabs->addTab(new QWidget, "section");
        host.window = &window;
        host.setModified = [this](bool) { ++modified; };
        host.updateWindowTitle = [](bool) {};
        DropDownToolButton* button =
            TraceDisplay::addZoomButton(bar, daZo, zoomIn, zoomOut, "", "");
        DropDownToolButton* timeButton =
            TraceDisplay::addZoomButton(bar, daZo, timeIn, timeOut, "", "");
        display = std::make_unique<TraceDisplay>(
            TraceDisplay::Views{shot, shotArea, contents, allShots, travelTimes, preview, splitter,
                                splitParent, tabs, filteredBox, computedBox, simulatedBox},
            TraceDisplay::Actions{menu, fillWiggle, next, previous, daZo, filter, agc, autoPick,
                                  screenshot},
            doc, settings,
            TraceDisplay::State{currentShot, timeZoom, horizontalZoom, horizontalSteps, timeSteps},
            TraceDisplay::Zoom{zoomIn, zoomOut, timeIn, timeOut, button, timeButton}, host, logger);
        window.resize(900, 600);
    }

    std::vector<bool> enabledTabs() const
    {
        return {tabs->isTabEnabled(0), tabs->isTabEnabled(1), tabs->isTabEnabled(2)};
    }
};

// What the views show.
struct Shown {
    int shot;         // the single-shot view's shot and the current shot
    unsigned panels;  // of the all-shots view
    bool previewMode; // the preview draws the current shot thicker
    bool computed;    // the travel-time plot draws the computed curves
    bool computedBox; // enabled
    std::vector<bool> tabs;
};

void expectShown(const Rig& r, const Shown& want)
{
    EXPECT_EQ(r.shot->document, &r.doc);
    EXPECT_EQ(r.travelTimes->document, &r.doc);
    EXPECT_EQ(r.preview->document, &r.doc);
    // Without shots the single-shot view keeps its index; nothing is drawn.
    if (want.shot >= 0) {
        EXPECT_EQ(r.shot->shotIndex, want.shot);
    }
    EXPECT_EQ(r.currentShot, want.shot);
    EXPECT_EQ(r.allShots->traceWidgetCount(), want.panels);
    for (unsigned i = 0; i < r.allShots->traceWidgetCount(); ++i) {
        EXPECT_EQ(r.allShots->traceWidgetAt(i)->document, &r.doc);
        EXPECT_EQ(r.allShots->traceWidgetAt(i)->shotIndex, int(i));
    }
    EXPECT_EQ(r.preview->previewMode, want.previewMode);
    EXPECT_EQ(r.travelTimes->showComputedTimes, want.computed);
    EXPECT_EQ(r.computedBox->isEnabled(), want.computedBox);
    EXPECT_EQ(r.computedBox->isChecked(), want.computedBox && want.computed);
    EXPECT_EQ(r.enabledTabs(), want.tabs);
}

// A survey put on show as the commands put theirs: New (shots read, panels
// made), Import (times alone), Open (any survey, read whole) and the
// inversion's results.
void showAsNew(TraceDisplay& d)
{
    d.showNoSurvey();
    d.createPanels();
    d.updateActions(true);
    d.showNewSurvey();
    d.showShotSettings();
}

void showAsImported(TraceDisplay& d)
{
    d.showNoSurvey();
    d.updateActions(true);
    d.showImportedTimes();
}

void showAsOpened(TraceDisplay& d)
{
    // Over a survey whose computed curves were on show.
    d.showComputedTimes();
    d.detach();
    d.attach();
    d.updateActions(true);
    d.showOpenedSurvey();
    d.updateComputedTimesBox();
}

void showAsInverted(TraceDisplay& d)
{
    showAsNew(d);
    d.showComputedTimes();
}

struct Case {
    const char* name;
    Survey survey;
    std::function<void(TraceDisplay&)> show;
    Shown want;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

std::string rowName(const ::testing::TestParamInfo<Case>& row)
{
    return row.param.name;
}

class TraceDisplayShows : public ::testing::TestWithParam<Case>
{
};

TEST_P(TraceDisplayShows, WhatTheSurveyHolds)
{
    const Case& c = GetParam();
    Rig r;
    fill(r.doc, c.survey);
    c.show(*r.display);
    expectShown(r, c.want);
}

// The inversion's own rows leave the computed curves on; every other way
// of showing a survey starts from the picks alone, even over computed times.
INSTANTIATE_TEST_SUITE_P(Surveys, TraceDisplayShows,
                         ::testing::Values(Case{"NewShots",
                                                Survey::Shots,
                                                showAsNew,
                                                {0, 3, true, false, false, {true, false, false}}},
                                           Case{"ImportedTimes",
                                                Survey::NoShots,
                                                showAsImported,
                                                {-1, 0, true, false, false, {false, true, false}}},
                                           Case{"OpenedShots",
                                                Survey::Shots,
                                                showAsOpened,
                                                {0, 3, true, false, false, {true, false, false}}},
                                           Case{"OpenedTimes",
                                                Survey::NoShots,
                                                showAsOpened,
                                                {-1, 0, true, false, false, {false, true, false}}},
                                           Case{"OpenedResults",
                                                Survey::Computed,
                                                showAsOpened,
                                                {0, 3, true, false, true, {true, false, true}}},
                                           Case{"InvertedShots",
                                                Survey::Computed,
                                                showAsInverted,
                                                {0, 3, true, true, true, {true, false, true}}}),
                         rowName);

// Before a document is replaced every view lets go of it and the panels
// go; the empty survey after it shows no shot and no computed curves.
TEST(TraceDisplay, LetsGoAndShowsNoSurvey)
{
    for (Survey survey : {Survey::Shots, Survey::NoShots, Survey::Computed}) {
        Rig r;
        fill(r.doc, survey);
        showAsInverted(*r.display);
        r.display->detach();
        EXPECT_EQ(r.shot->document, nullptr);
        EXPECT_EQ(r.travelTimes->document, nullptr);
        EXPECT_EQ(r.preview->document, nullptr);
        EXPECT_EQ(r.allShots->traceWidgetCount(), 0u);

        r.doc = TomoDocument(nullptr);
        r.display->showNoSurvey();
        EXPECT_EQ(r.shot->document, &r.doc);
        EXPECT_EQ(r.shot->shotIndex, -1);
        EXPECT_EQ(r.currentShot, -1);
        EXPECT_FALSE(r.travelTimes->showComputedTimes);
        EXPECT_FALSE(r.computedBox->isEnabled());
    }
}

// The single-shot view or the panels, as the settings choose; the shot
// stepping only with the single-shot view.
TEST(TraceDisplay, SettingsChooseTheShotView)
{
    for (bool all : {false, true}) {
        Rig r;
        fill(r.doc, Survey::Shots);
        r.settings.showAllTraces = all;
        showAsNew(*r.display);
        EXPECT_EQ(r.shotArea->isHidden(), all);
        EXPECT_EQ(r.allShots->isHidden(), !all);

        const AppSettings old = r.settings;
        r.settings.showAllTraces = !all;
        r.display->applyChangedSettings(old);
        EXPECT_EQ(r.shotArea->isHidden(), !all);
        EXPECT_EQ(r.allShots->isHidden(), all);
        EXPECT_EQ(r.next->isEnabled(), all);
        EXPECT_EQ(r.previous->isEnabled(), all);
    }
}

} // namespace
