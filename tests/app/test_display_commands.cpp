// The trace-view display commands of the main window: zoom, display flags,
// the show-filtered box, the travel-time preview beside the traces, hand
// picks and the per-tab action rules.

#include "windowsurvey.h"

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace windowtest;
using namespace surveytest;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

namespace
{

// A shown window with a survey, at a size every test sees alike.
struct ShownSurvey {
    FreshHome home;
    std::unique_ptr<Tervanelo_MainWindows> w;

    explicit ShownSurvey(int shots = 3, bool grid = true, bool showAllTraces = false)
    {
        w = startWindow(home, showAllTraces);
        loadSurvey(*w, twoLayerShots(shots), grid);
        w->resize(1400, 900);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            ADD_FAILURE() << "the window was not exposed";
    }
    Ui::Tervanelo_MainWindows& ui() { return *w->ui; }
};

int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++n;
    return n;
}

// ---- Zoom ----

TEST(Zoom, StepsStretchTheSingleShotViewAndUndo)
{
    ShownSurvey s;
    Tervanelo_MainWindows& w = *s.w;
    const QWidget* viewport = s.ui().scrollArea->viewport();
    const std::string logName = "Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered";

    ASSERT_TRUE(w.zoomTimeInAction->isEnabled());
    w.zoomTimeInAction->trigger();
    QCoreApplication::processEvents(); // the scroll bars appear and shrink the viewport
    int height = viewport->height();
    w.zoomTimeInAction->trigger();
    EXPECT_DOUBLE_EQ(w.timeZoom, 1.5625);
    EXPECT_EQ(s.ui().widget_3->minimumHeight(), int(1.28125 * height));
    EXPECT_EQ(w.timeZoomSteps, 2);
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(s.ui().showTracesWidget->traceWidgetAt(i)->timeZoom, 1.5625);

    w.zoomInWindow(true);
    QCoreApplication::processEvents();
    const int width = viewport->width();
    height = viewport->height();
    w.zoomInAction->trigger();
    EXPECT_DOUBLE_EQ(w.horizontalZoom, 1.25);
    EXPECT_EQ(s.ui().widget_3->minimumWidth(), int(1.0625 * width));
    EXPECT_EQ(s.ui().widget_3->minimumHeight(), int(1.28125 * height));
    EXPECT_TRUE(w.zoomOutAction->isEnabled());

    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(w.zoomTimeOutAction->isEnabled());
        w.zoomTimeOutAction->trigger();
    }
    EXPECT_EQ(w.timeZoom, 1.0);
    EXPECT_EQ(w.timeZoomSteps, 0);
    EXPECT_FALSE(w.zoomTimeOutAction->isEnabled());
    EXPECT_TRUE(w.zoomTimeInAction->isEnabled());
    EXPECT_EQ(countOccurrences(s.home.logFile(), logName), 2);

    // A third step out has nothing to undo: only its log line.
    w.zoomTimeOutAction->trigger();
    EXPECT_EQ(w.timeZoom, 1.0);
    EXPECT_EQ(w.timeZoomSteps, 0);
    EXPECT_DOUBLE_EQ(w.horizontalZoom, 1.25);
    EXPECT_EQ(countOccurrences(s.home.logFile(), logName), 3);

    w.zoomOutAction->trigger();
    EXPECT_EQ(w.horizontalZoom, 1.0);
    EXPECT_FALSE(w.zoomOutAction->isEnabled());
}

TEST(Zoom, TimeZoomStretchesEveryPanelInTheAllShotsView)
{
    ShownSurvey s(3, true, true);
    QCoreApplication::processEvents();
    const QWidget* viewport = s.ui().showTracesWidget->scrollViewport();
    ASSERT_NE(viewport, nullptr);
    const int height = viewport->height();
    s.w->zoomTimeInAction->trigger();
    const QWidget* container = s.ui().showTracesWidget->traceWidgetAt(0)->parentWidget();
    while (container && container->parentWidget() != viewport)
        container = container->parentWidget();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->minimumHeight(), int(1.125 * height));
}

// ---- Panels and flags ----

TEST(DisplayFlags, ReachEveryPanelThatExists)
{
    // A document with more trace sets than panels, as a partial load left it.
    ShownSurvey s(2);
    Tervanelo_MainWindows& w = *s.w;
    w.document.traceSets.push_back(w.document.traceSets[1]);
    w.document.ttArray.push_back(w.document.ttArray[1]);
    ASSERT_EQ(s.ui().showTracesWidget->traceWidgetCount(), 2u);

    EXPECT_NO_THROW(w.zoomTimeInAction->trigger());
    EXPECT_NO_THROW(s.ui().showAllPicksCB->click());
    s.ui().showSimTT_CB->setEnabled(true); // a survey without results has it disabled
    EXPECT_NO_THROW(s.ui().showSimTT_CB->click());
    EXPECT_NO_THROW(w.cutWaveForm(false));
    EXPECT_NO_THROW(w.show_fill_wiggle(false));
    EXPECT_NO_THROW(w.zoomInWindow(true));
    EXPECT_NO_THROW(w.update_show_traces(true));
    for (drawTraces* view : {s.ui().widget_3, s.ui().showTracesWidget->traceWidgetAt(0),
                             s.ui().showTracesWidget->traceWidgetAt(1)}) {
        EXPECT_DOUBLE_EQ(view->timeZoom, 1.25);
        EXPECT_TRUE(view->showAllPicks);
        EXPECT_TRUE(view->showSimulatedTimes);
        EXPECT_FALSE(view->cutWaveForm);
        EXPECT_FALSE(view->fillWiggle);
        EXPECT_TRUE(view->zoomInWindow);
    }
}

TEST(ShowFiltered, AShotWithoutFilteredSamplesKeepsItsRecording)
{
    ShownSurvey s;
    QCheckBox* box = s.ui().show_filtered_cb;
    box->setEnabled(true);
    const QImage before = s.ui().widget_3->grab().toImage();
    ASSERT_GT(darkPixels(before), 1000) << "the recorded traces are drawn";
    CaptureStdout();
    box->click();
    const std::string out = GetCapturedStdout();
    EXPECT_NE(out.find("show Filtered : 1\nNO Filtered trace available : SHOWING ORIGINAL TRACE\n"),
              std::string::npos)
        << out;
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(s.ui().widget_3->grab().toImage(), before);
}

TEST(ShowFiltered, WithoutTraceSetsTheBoxStaysOff)
{
    FreshHome home;
    auto w = startWindow(home);
    w->document = TomoDocument(w->logger);
    ASSERT_EQ(w->document.loadTravelTimes(testenv::fixture("seismic/two_layer.otte")), 0);
    for (int shot : {-1, 0}) {
        w->currentShot = shot;
        w->ui->show_filtered_cb->setEnabled(true);
        EXPECT_NO_THROW(w->update_show_traces(true));
        EXPECT_FALSE(w->ui->show_filtered_cb->isChecked()) << shot;
        EXPECT_FALSE(w->ui->show_filtered_cb->isEnabled()) << shot;
        EXPECT_FALSE(w->ui->widget_3->showFiltered) << shot;
    }
}

TEST(ShowFiltered, TheSettingOnForASurveyWithoutFilteredSamplesStillDrawsTraces)
{
    ShownSurvey s;
    const QImage before = s.ui().widget_3->grab().toImage();
    for (bool on : {false, true}) {
        ModalWatcher answer([on](QWidget* modal) {
            modal->findChild<QCheckBox*>("filteredCB")->setChecked(on);
            modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        s.ui().actionSettings->trigger();
        ASSERT_EQ(answer.count(), 1);
        ASSERT_EQ(s.w->settings.showFiltered, on);
    }
    EXPECT_FALSE(s.ui().show_filtered_cb->isChecked());
    EXPECT_FALSE(s.ui().show_filtered_cb->isEnabled());
    const QImage after = s.ui().widget_3->grab().toImage();
    EXPECT_GT(darkPixels(after), 1000);
    EXPECT_EQ(after, before);
}

// ---- Travel-time preview beside the traces ----

TEST(Preview, ShowOnlyTracesCollapsesItAndUncheckingRestoresTheSplit)
{
    ShownSurvey s;
    QSplitter* splitter = s.ui().splitter;
    s.ui().showTravelTimeCB->click();
    ASSERT_TRUE(s.ui().showTravelTimeCB->isChecked());
    EXPECT_EQ(splitter->sizes()[1], 0);
    s.ui().showTravelTimeCB->click();
    const QList<int> sizes = splitter->sizes();
    EXPECT_NEAR(double(sizes[0]) / (sizes[0] + sizes[1]), 0.618, 0.01);
}

TEST(Preview, FollowsTheShotUnderTheMouse)
{
    ShownSurvey s(3, true, true);
    CaptureStdout();
    emit s.ui().showTracesWidget->traceWidgetAt(2)->mouse_moved(2);
    const std::string out = GetCapturedStdout();
    EXPECT_EQ(s.ui().travelTimePreview->shotIndex, 2);
    EXPECT_NE(out.find("mousemoved2\n"), std::string::npos) << out;
    EXPECT_EQ(countOccurrences(s.home.logFile(), "Tervanelo_MainWindows::on_mousemoved"), 1);
}

TEST(HandPick, MarksTheSurveyModifiedAndTheTitleOnlyWithAProject)
{
    const struct {
        bool projectOpen;
        const char* title;
    } rows[] = {
        {false, "Tervanelo 2022.0"},
        {true, "Tervanelo 2022.0 - /data/a.tervo * "},
    };
    for (const auto& r : rows) {
        ShownSurvey s;
        Tervanelo_MainWindows& w = *s.w;
        w.projectIsOpen = r.projectOpen;
        w.projectFile = "/data/a.tervo";
        w.updateWindowTitle(false);
        drawTraces* view = s.ui().widget_3;
        const double before = w.document.ttArray[0].ttMisurati[3];
        // Inside the fourth trace column, below the top of the traces image.
        const double column = (view->width() - 110.0) / 24.0;
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(int(55 + 3.5 * column), 200));
        EXPECT_NE(w.document.ttArray[0].ttMisurati[3], before);
        EXPECT_TRUE(w.document.modified);
        EXPECT_EQ(w.windowTitle(), r.title);
        EXPECT_GE(countOccurrences(s.home.logFile(), "Tervanelo_MainWindows::on_pickEdited"), 1);
    }
}

// ---- Tab rules ----

// The actions a tab's rules set, enabled or not, by name.
std::map<QString, bool> tabActions(Tervanelo_MainWindows& w)
{
    Ui::Tervanelo_MainWindows& f = *w.ui;
    std::map<QString, bool> on;
    for (QAction* a :
         {f.actionFill_wiggle, f.actionNext_file, f.actionPrev_file, f.actionApply_DaZo,
          f.actionFilter, f.actionAGC, f.actionAutoPick, f.actionPalette, f.actionScreenshot,
          f.actionShow_rays, f.actionShow_Contour_Lines, f.actionVertical_Gradient,
          f.actionLaplacian_Gradient, f.actionShow_Information_Density_Layer,
          f.actionShow_scalarbar, f.actionShow_Grid_Lines, f.actionShow_title})
        on[a->objectName()] = a->isEnabled();
    for (QAction* a : {w.zoomInAction, w.zoomOutAction, w.zoomTimeInAction, w.zoomTimeOutAction})
        on[a->text()] = a->isEnabled();
    on["zoomButton"] = w.zoomButton->isEnabled();
    on["timeZoomButton"] = w.timeZoomButton->isEnabled();
    on["menuShow_Geophones"] = f.menuShow_Geophones->isEnabled();
    return on;
}

using Names = std::vector<const char*>;

const Names traceCommands = {"actionFill_wiggle", "actionNext_file", "actionPrev_file",
                             "actionApply_DaZo",  "actionFilter",    "actionAGC",
                             "actionAutoPick"};
const Names zoomAll = {"Zoom In",       "Zoom Out",   "Zoom Time In",
                       "Zoom Time Out", "zoomButton", "timeZoomButton"};

// Every action of tabActions disabled but the named ones.
std::map<QString, bool> expectEnabled(const std::vector<Names>& groups)
{
    std::map<QString, bool> on;
    for (const char* name : {"actionFill_wiggle",
                             "actionNext_file",
                             "actionPrev_file",
                             "actionApply_DaZo",
                             "actionFilter",
                             "actionAGC",
                             "actionAutoPick",
                             "actionPalette",
                             "actionScreenshot",
                             "actionShow_rays",
                             "actionShow_Contour_Lines",
                             "actionVertical_Gradient",
                             "actionLaplacian_Gradient",
                             "actionShow_Information_Density_Layer",
                             "actionShow_scalarbar",
                             "actionShow_Grid_Lines",
                             "actionShow_title",
                             "Zoom In",
                             "Zoom Out",
                             "Zoom Time In",
                             "Zoom Time Out",
                             "zoomButton",
                             "timeZoomButton",
                             "menuShow_Geophones"})
        on[name] = false;
    for (const Names& group : groups)
        for (const char* name : group)
            on[name] = true;
    return on;
}

void clickTab(Tervanelo_MainWindows& w, int index)
{
    QTabBar* bar = w.ui->tabWidget->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

TEST(TabRules, FollowTheGridTheShotsAndTheResults)
{
    enum State { Loaded, OneShot, NoGrid, Computed };
    struct Row {
        const char* name;
        State state;
        int tab;
        std::map<QString, bool> enabled;
    };
    const Names sectionOnly = {"actionPalette", "actionScreenshot"};
    // The tab rules of the other tabs leave the results' display flags alone.
    const Names sectionFlags = {"actionShow_scalarbar", "actionShow_Grid_Lines",
                                "actionShow_title"};
    const Names results = {"actionPalette",
                           "actionScreenshot",
                           "actionShow_rays",
                           "actionShow_Contour_Lines",
                           "actionVertical_Gradient",
                           "actionLaplacian_Gradient",
                           "actionShow_Information_Density_Layer",
                           "actionShow_scalarbar",
                           "actionShow_Grid_Lines",
                           "actionShow_title",
                           "menuShow_Geophones"};
    const Row rows[] = {
        {"loaded_traces", Loaded, 0, expectEnabled({traceCommands, zoomAll})},
        {"loaded_curves", Loaded, 1, expectEnabled({{"actionScreenshot"}})},
        {"loaded_section", Loaded, 2, expectEnabled({sectionOnly})},
        {"one_shot_traces", OneShot, 0, expectEnabled({traceCommands})},
        {"no_grid_traces", NoGrid, 0, expectEnabled({})},
        {"no_grid_section", NoGrid, 2, expectEnabled({})},
        {"computed_traces", Computed, 0, expectEnabled({traceCommands, zoomAll, sectionFlags})},
        {"computed_curves", Computed, 1, expectEnabled({{"actionScreenshot"}, sectionFlags})},
        {"computed_section", Computed, 2, expectEnabled({results})},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FreshHome home;
        auto w = startWindow(home);
        if (r.state == Computed)
            computeSurvey(*w);
        else
            loadSurvey(*w, twoLayerShots(r.state == OneShot ? 1 : 3), r.state != NoGrid);
        w->resize(1200, 800);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        if (w->ui->tabWidget->isTabEnabled(r.tab)) {
            clickTab(*w, r.tab);
        } else {
            // A disabled tab cannot be clicked; its rules still hold for the
            // commands that bring it forward.
            w->ui->tabWidget->setCurrentIndex(r.tab);
            w->on_tabWidget_tabBarClicked(r.tab);
        }
        EXPECT_EQ(tabActions(*w), r.enabled);
    }
}

TEST(TabRules, ClickingTheCurrentTabAppliesItsRulesAgain)
{
    ShownSurvey s;
    ASSERT_EQ(s.ui().tabWidget->currentIndex(), 0);
    s.ui().actionAutoPick->setEnabled(false);
    s.w->zoomInAction->setEnabled(false);
    clickTab(*s.w, 0);
    EXPECT_TRUE(s.ui().actionAutoPick->isEnabled());
    EXPECT_TRUE(s.w->zoomInAction->isEnabled());
    // A click beside the tabs names no tab and changes nothing.
    s.ui().actionAutoPick->setEnabled(false);
    s.w->on_tabWidget_tabBarClicked(-1);
    EXPECT_FALSE(s.ui().actionAutoPick->isEnabled());
}

} // namespace
