// The trace processing and picking commands of the main window: AutoPick,
// AGC, DaZo and the filter dialog, on the two-layer survey.

#include "windowsurvey.h"

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "surveyharness.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "tracefilters.h"
#include "ui_tervanelo_mainwindows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

using namespace windowtest;
using namespace surveytest;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

namespace
{

constexpr double Dt = 0.00025;

std::vector<std::vector<double>> allPicks(const TomoDocument& doc)
{
    std::vector<std::vector<double>> picks;
    for (const TravelTime& record : doc.ttArray)
        picks.push_back(record.ttMisurati);
    return picks;
}

std::vector<std::vector<double>> filteredOf(const TraceSet& set)
{
    std::vector<std::vector<double>> out;
    for (const Trace& t : set.traces)
        out.push_back(t.filtered);
    return out;
}

std::set<size_t> setsWithFiltered(const TomoDocument& doc)
{
    std::set<size_t> sets;
    for (size_t s = 0; s < doc.traceSets.size(); ++s)
        for (const Trace& t : doc.traceSets[s].traces)
            if (!t.filtered.empty())
                sets.insert(s);
    return sets;
}

// Fails the test on any modal widget: the command must not ask anything.
struct NoDialog {
    ModalWatcher watcher{[](QWidget* modal) {
        ADD_FAILURE() << "unexpected dialog " << modal->windowTitle().toStdString();
        modal->close();
    }};
};

void trigger(QAction* action)
{
    ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    action->trigger();
}

// Settings through its dialog, with "Show all traces side by side" as given.
void setShowAllTraces(Tervanelo_MainWindows& w, bool on)
{
    ModalWatcher answer([on](QWidget* modal) {
        auto* box = modal->findChild<QCheckBox*>("showAllCB");
        ASSERT_NE(box, nullptr);
        box->setChecked(on);
        modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    w.ui->actionSettings->trigger();
    ASSERT_EQ(answer.count(), 1);
    ASSERT_EQ(w.settings.showAllTraces, on);
}

// ---- AutoPick ----

TEST(AutoPick, PicksEveryShotThenKeepsRecordedPicksWhereNothingWasFiltered)
{
    FreshHome home;
    auto w = startWindow(home, true);
    loadSurvey(*w, twoLayerShots());
    const std::vector<ExpectedPick> expected = expectedPicks();
    ASSERT_EQ(expected.size(), 120u);

    CaptureStdout();
    {
        NoDialog none;
        trigger(w->ui->actionAutoPick);
    }
    const std::string out = GetCapturedStdout();
    EXPECT_TRUE(w->document.modified);

    int kept = 0;
    const auto first = allPicks(w->document);
    for (size_t s = 0; s < 5; ++s)
        for (size_t k = 0; k < 24; ++k) {
            const ExpectedPick& e = expected[s * 24 + k];
            const double got = first[s][k];
            const double offset = e.receiverX - e.shotX;
            EXPECT_DOUBLE_EQ(w->document.ttArray[s].shotPos2d.x, e.shotX);
            EXPECT_NEAR(got, e.time, 1e-12) << "shot " << s << " receiver " << k;
            if (std::fabs(std::fabs(offset) - 1.0) < 1e-9) {
                EXPECT_EQ(got, Pick::Rejected) << "shot " << s << " receiver " << k;
            } else {
                ++kept;
                EXPECT_LE(std::fabs(got - commandtest::firstBreak(offset)), Dt * (1 + 1e-9))
                    << "shot " << s << " receiver " << k;
            }
        }
    EXPECT_EQ(kept, 112);
    // The stored time, not the sample index, is printed.
    std::ostringstream line;
    line << "[FIRST BREAK] TRACE 5 : " << first[0][5] << "\n";
    EXPECT_NE(out.find(line.str()), std::string::npos) << line.str();
    EXPECT_EQ(windowtest::countOccurrences(home.logFile(),
                                           "Tervanelo_MainWindows::on_actionAutoPick_triggered"),
              1);

    // Filtered samples on shot 0 only, the box checked there: the other shots
    // are picked on their recordings again, not on missing filtered samples.
    setShowAllTraces(*w, false);
    w->ui->actionAGC->trigger();
    ASSERT_TRUE(w->ui->show_filtered_cb->isChecked());
    ASSERT_EQ(setsWithFiltered(w->document), std::set<size_t>{0});
    setShowAllTraces(*w, true);
    trigger(w->ui->actionAutoPick);
    const auto second = allPicks(w->document);
    for (size_t s = 1; s < 5; ++s)
        EXPECT_EQ(second[s], first[s]) << "shot " << s;
}

TEST(AutoPick, CtrlAOnTheTracesTabRunsIt)
{
    FreshHome home;
    auto w = startWindow(home);
    loadSurvey(*w, twoLayerShots(2));
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(
        countOccurrences(home.logFile(), "Tervanelo_MainWindows::on_actionAutoPick_triggered"), 1);
    EXPECT_NE(w->document.ttArray[0].ttMisurati[10], 0.0);
}

// ---- Commands without a shot to work on ----

TEST(ProcessingCommands, DoNothingWithoutAShot)
{
    struct Case {
        const char* name;
        bool imported; // travel times only, no trace sets
        int currentShot;
    };
    const Case cases[] = {
        {"imported_survey", true, 0},
        {"no_shot_shown", false, -1},
        {"shot_past_the_end", false, 2},
    };
    FreshHome home;
    auto w = startWindow(home, true);
    for (const Case& c : cases) {
        if (c.imported) {
            w->document = TomoDocument(w->logger);
            ASSERT_EQ(w->document.loadTravelTimes(testenv::fixture("seismic/two_layer.otte")), 0);
        } else {
            loadSurvey(*w, twoLayerShots(2));
        }
        w->currentShot = c.currentShot;
        w->document.modified = false;
        const auto picks = allPicks(w->document);
        for (QAction* a : {w->ui->actionAGC, w->ui->actionApply_DaZo, w->ui->actionFilter,
                           w->ui->actionAutoPick}) {
            NoDialog none;
            a->trigger();
            EXPECT_EQ(allPicks(w->document), picks) << c.name << " " << a->text().toStdString();
            EXPECT_TRUE(setsWithFiltered(w->document).empty()) << c.name;
            EXPECT_FALSE(w->document.modified) << c.name << " " << a->text().toStdString();
        }
    }
}

// ---- AGC and DaZo ----

TEST(Processing, AgcOnOneShotShowsItsFilteredSamples)
{
    FreshHome home;
    auto w = startWindow(home);
    loadSurvey(*w, twoLayerShots());
    w->currentShot = 2;
    w->ui->widget_3->setShot(2);
    trigger(w->ui->actionAGC);

    EXPECT_EQ(setsWithFiltered(w->document), std::set<size_t>{2});
    const TraceSet& set = w->document.traceSets[2];
    EXPECT_TRUE(set.hasFiltered && set.useFiltered);
    EXPECT_FALSE(w->document.traceSets[1].hasFiltered);
    for (const Trace& t : set.traces)
        EXPECT_EQ(t.filtered.size(), t.samples.size());
    EXPECT_TRUE(w->ui->show_filtered_cb->isEnabled());
    EXPECT_TRUE(w->ui->show_filtered_cb->isChecked());
    EXPECT_TRUE(w->ui->widget_3->showFiltered);
    // In the all-shots view only the panel of the processed shot shows
    // filtered samples: the others have none and would draw nothing.
    for (unsigned panel = 0; panel < 5; ++panel)
        EXPECT_EQ(w->ui->showTracesWidget->traceWidgetAt(panel)->showFiltered, panel == 2) << panel;
    EXPECT_TRUE(w->document.modified);
}

TEST(Processing, DazoStartsFromTheRecordingOnEveryShotAndFlagsOnlyTheCurrentOne)
{
    FreshHome home;
    auto w = startWindow(home, true);
    loadSurvey(*w, twoLayerShots(3));
    trigger(w->ui->actionApply_DaZo);
    const auto dazo = filteredOf(w->document.traceSets[1]);

    // 512 samples at 4000 Hz: the spectrum ends at 255 x 4000 / 512 Hz.
    const Trace& trace = w->document.traceSets[1].traces[7];
    const double fmax = 255.0 * 4000.0 / 512.0;
    std::vector<double> low, expected;
    ASSERT_EQ(lowPassFilter(trace.samples, 1, 4000.0, 85.0 / (2 * fmax), low), 0);
    ASSERT_EQ(highPassFilter(low, 1, 4000.0, 14.0 / (2 * fmax), expected), 0);
    EXPECT_EQ(trace.filtered, expected);

    EXPECT_EQ(setsWithFiltered(w->document), (std::set<size_t>{0, 1, 2}));
    EXPECT_TRUE(w->document.traceSets[0].hasFiltered);
    EXPECT_FALSE(w->document.traceSets[1].hasFiltered);
    EXPECT_FALSE(w->document.traceSets[2].hasFiltered);

    // AGC, then DaZo: only the DaZo result stays.
    trigger(w->ui->actionAGC);
    ASSERT_NE(filteredOf(w->document.traceSets[1]), dazo);
    trigger(w->ui->actionApply_DaZo);
    EXPECT_EQ(filteredOf(w->document.traceSets[1]), dazo);
}

TEST(Processing, DazoOnCoarseSamplingWarnsAndChangesNothing)
{
    FreshHome home;
    auto w = startWindow(home);
    loadSurvey(*w, twoLayerShots(2));
    trigger(w->ui->actionAGC);
    // 8 ms: the spectrum ends at 62.26 Hz, a cut-off of 0.683.
    for (Trace& t : w->document.traceSets[0].traces)
        t.sampleInterval = 0.008;
    const auto before = filteredOf(w->document.traceSets[0]);
    w->document.modified = false;

    QString title;
    ModalWatcher answer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    trigger(w->ui->actionApply_DaZo);
    EXPECT_EQ(answer.count(), 1);
    EXPECT_EQ(title, "Caution");
    EXPECT_EQ(filteredOf(w->document.traceSets[0]), before);
    EXPECT_TRUE(w->document.traceSets[1].traces[0].filtered.empty());
    EXPECT_FALSE(w->document.modified);
}

// ---- Filter dialog ----

TEST(FilterDialog, CancelReturnsTheShotToItsStateBeforeTheDialog)
{
    for (bool hadFiltered : {true, false}) {
        SCOPED_TRACE(hadFiltered ? "with filtered samples" : "without filtered samples");
        FreshHome home;
        auto w = startWindow(home);
        loadSurvey(*w, twoLayerShots(2));
        if (hadFiltered)
            trigger(w->ui->actionAGC);
        const auto before = filteredOf(w->document.traceSets[0]);
        w->document.modified = false;

        std::vector<std::vector<double>> inside;
        ModalWatcher answer([&](QWidget* modal) {
            if (modal->metaObject()->className() != QString("doFilteringDialog")) {
                ADD_FAILURE() << "unexpected " << modal->windowTitle().toStdString();
                modal->close();
                return;
            }
            modal->findChild<QCheckBox*>("lowPassCBox")->click();
            modal->findChild<QDoubleSpinBox*>("doubleFxLowpass")->setValue(100.0);
            modal->findChild<QSpinBox*>("lowPassOrder")->setValue(2);
            modal->findChild<QPushButton*>("button_apply_filter")->click();
            inside = filteredOf(w->document.traceSets[0]);
            modal->findChild<QDialogButtonBox*>("buttonBox")
                ->button(QDialogButtonBox::Cancel)
                ->click();
        });
        trigger(w->ui->actionFilter);
        ASSERT_EQ(answer.count(), 1);
        ASSERT_NE(inside, before) << "the dialog filtered the shot";
        EXPECT_EQ(filteredOf(w->document.traceSets[0]), before);
        EXPECT_EQ(w->document.traceSets[0].hasFiltered, hadFiltered);
        EXPECT_EQ(w->ui->show_filtered_cb->isEnabled(), hadFiltered);
        EXPECT_EQ(w->ui->show_filtered_cb->isChecked(), hadFiltered);
        EXPECT_EQ(w->ui->widget_3->showFiltered, hadFiltered);
        EXPECT_FALSE(w->document.modified);
    }
}

TEST(FilterDialog, OkKeepsTheFilteredShot)
{
    FreshHome home;
    auto w = startWindow(home);
    loadSurvey(*w, twoLayerShots(2));
    ModalWatcher answer([&](QWidget* modal) {
        modal->findChild<QCheckBox*>("hiPassCBox")->click();
        modal->findChild<QDoubleSpinBox*>("doubleFxHighPass")->setValue(20.0);
        modal->findChild<QSpinBox*>("hiPassOrder")->setValue(2);
        modal->findChild<QPushButton*>("button_apply_filter")->click();
        modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    trigger(w->ui->actionFilter);
    ASSERT_EQ(answer.count(), 1);
    EXPECT_EQ(setsWithFiltered(w->document), std::set<size_t>{0});
    EXPECT_TRUE(w->document.traceSets[0].hasFiltered);
    EXPECT_TRUE(w->ui->show_filtered_cb->isChecked());
    EXPECT_TRUE(w->ui->widget_3->showFiltered);
    EXPECT_TRUE(w->document.modified);
}

} // namespace
