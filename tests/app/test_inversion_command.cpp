// The inversion command through the window: its early ends, the progress
// dialog that stays modal for the whole run, the stop request, the misfit of
// the model shown and the section rebuilt around it.

#include "surveyharness.h"

#include "grid.h"
#include "progresstomography_dialog.h"
#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace commandtest;
using windowtest::FreshHome;

namespace
{

ProgressTomography_Dialog* visibleProgress()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<ProgressTomography_Dialog*>(w); p && p->isVisible())
            return p;
    return nullptr;
}

// Looks at the window every time the command lets events through while its
// progress dialog is shown; `atFirst` acts once, at the first of those.
struct RunObserver {
    explicit RunObserver(std::function<void(ProgressTomography_Dialog&)> atFirst = {})
        : atFirst(std::move(atFirst))
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] { look(); });
        timer.start();
    }

    void look()
    {
        ProgressTomography_Dialog* progress = visibleProgress();
        if (!progress)
            return;
        ++looks;
        if (QApplication::activeModalWidget() != progress)
            ++notModal;
        const int value = progress->findChild<QProgressBar*>("progressBar")->value();
        if (values.empty() || values.back() != value)
            values.push_back(value);
        logText = progress->logText;
        if (atFirst) {
            auto act = std::move(atFirst);
            atFirst = nullptr;
            act(*progress);
        }
    }

    std::function<void(ProgressTomography_Dialog&)> atFirst;
    QTimer timer;
    int looks = 0;
    int notModal = 0;
    std::vector<int> values;
    QString logText;
};

std::unique_ptr<Tervanelo_MainWindows> pickedSurvey(const FreshHome& home)
{
    auto window = startSurveyWindow(home);
    loadShots(*window, threeShotFolder(), threeShotFiles(), 2.0, 8.0);
    pickTrueFirstBreaks(*window);
    return window;
}

// ---- Early ends ----

TEST(InversionCommand, EndsEarlyWithoutChange)
{
    struct {
        const char* name;
        bool picks;
        bool grid;
        std::vector<DialogScript::Step> steps;
    } cases[] = {
        {"too few picks, No",
         false,
         true,
         {{"QMessageBox", nullptr, pressButton(QMessageBox::No)}}},
        {"no grid, grid dialog cancelled",
         true,
         false,
         {{"gridDialog", "Grid Settings", rejectDialog()}}},
        {"settings cancelled",
         true,
         true,
         {{"runTomography_Dialog", "Tomography Settings", rejectDialog()}}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshHome home;
        auto window = startSurveyWindow(home);
        Tervanelo_MainWindows& w = *window;
        DialogScript load({openShotsStep(threeShotFolder(), threeShotFiles()), geometryOkStep(),
                           c.grid ? gridStep(2.0, 8.0)
                                  : DialogScript::Step{"gridDialog", nullptr, rejectDialog()}});
        w.ui->actionNew->trigger();
        load.expectDone();
        if (c.picks)
            pickTrueFirstBreaks(w);

        DialogScript script(c.steps);
        w.ui->actionRun_tomography_inversion->trigger();
        script.expectDone();
        EXPECT_FALSE(w.document.modified);
        EXPECT_FALSE(w.document.has_tomographic_info);
        EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(2));
    }
}

TEST(InversionCommand, WithoutPicksRunsOnButReportsNothing)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadShots(w, threeShotFolder(), threeShotFiles(), 2.0, 8.0);
    w.document.RMSE_tomography = 3.0; // as if left from an earlier model

    MessageSeen question;
    DialogScript script({{"QMessageBox", nullptr, pressButton(QMessageBox::Yes, &question)},
                         {"runTomography_Dialog", "Tomography Settings", runSettings(1)}});
    w.ui->actionRun_tomography_inversion->trigger();
    script.expectDone();
    EXPECT_EQ(question.text, "Warning:");
    EXPECT_EQ(question.informative,
              "Uncomplete set of picks. \n \nDo you want to run tomography inversion anyway? ");
    EXPECT_EQ(w.document.RMSE_tomography, -1.0) << "no figure for a model without picks";
    EXPECT_TRUE(w.document.modified);
}

// ---- Progress, stop and modality ----

TEST(InversionCommand, ProgressCountsEveryIteration)
{
    FreshHome home;
    auto window = pickedSurvey(home);
    RunObserver observer;
    runInversion(*window, 3);
    EXPECT_EQ(observer.values.back(), 100);
    EXPECT_EQ(std::vector<int>(observer.values.end() - 3, observer.values.end()),
              (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(observer.logText,
              "Completed iteration 1\nCompleted iteration 2\nCompleted iteration 3\n");
    EXPECT_EQ(observer.notModal, 0);
}

TEST(InversionCommand, StopRequestEndsTheRunAfterTheCurrentIteration)
{
    FreshHome home;
    auto window = pickedSurvey(home);
    Tervanelo_MainWindows& w = *window;
    RunObserver observer([](ProgressTomography_Dialog& progress) {
        progress.findChild<QDialogButtonBox*>("buttonBox")
            ->button(QDialogButtonBox::Cancel)
            ->click();
    });
    const MessageSeen results = runInversion(w, 5);
    EXPECT_EQ(observer.logText, "Completed iteration 1\n");
    EXPECT_EQ(windowtest::countOccurrences(home.logFile(), "Stop Request by the user."), 1);
    EXPECT_TRUE(results.text.startsWith("Elapsed time: [s] ")) << "the results box still comes";
    EXPECT_TRUE(w.document.has_tomographic_info);
}

TEST(InversionCommand, NothingElseRunsWhileTheInversionDoes)
{
    FreshHome home;
    auto window = pickedSurvey(home);
    Tervanelo_MainWindows& w = *window;
    int newRuns = 0;
    QObject::connect(w.ui->actionNew, &QAction::triggered, [&newRuns] { ++newRuns; });
    // The shortcut reaches only the active window: without this, Ctrl+N
    // would do nothing whatever dialog is in front.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    // During the run the window is asked to come forward first, as a click
    // on it would; only a modal progress dialog keeps it back.
    RunObserver observer([&w](ProgressTomography_Dialog& progress) {
        w.activateWindow();
        (void)QTest::qWaitForWindowActive(&w, 500); // stays back behind a modal dialog
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        progress.activateWindow();
        (void)QTest::qWaitForWindowActive(&progress, 500);
    });
    runInversion(w, 5);
    EXPECT_GE(observer.looks, 5);
    EXPECT_EQ(observer.notModal, 0) << "the progress dialog is modal at every look";
    EXPECT_EQ(observer.logText.count("Completed iteration"), 5);
    EXPECT_EQ(newRuns, 0) << "Ctrl+N during the run";
    EXPECT_EQ(w.document.traceSets.size(), 3u);

    // After the run the same key press reaches New, which asks about the
    // modified survey; Cancel keeps it.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    DialogScript question({{"QMessageBox", nullptr, pressButton(QMessageBox::Cancel)}});
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    question.expectDone();
    EXPECT_EQ(newRuns, 1) << "Ctrl+N after the run";
    EXPECT_EQ(w.document.traceSets.size(), 3u);
}

// ---- Results ----

TEST(InversionCommand, ElapsedTimeCountsTheRunNotTheDialog)
{
    FreshHome home;
    auto window = pickedSurvey(home);
    Tervanelo_MainWindows& w = *window;
    // The settings stay open for two seconds. The test's own span, from OK
    // to the results box, holds the whole run, so the reported whole seconds
    // cannot exceed it; a clock started before the dialog would.
    QElapsedTimer sinceOk;
    qint64 runMs = -1;
    MessageSeen results;
    DialogScript script({{"runTomography_Dialog", "Tomography Settings",
                          [&](QWidget* d) {
                              QTest::qWait(2000);
                              sinceOk.start();
                              runSettings(1)(d);
                          }},
                         {"QMessageBox", "Inversion results", [&](QWidget* box) {
                              runMs = sinceOk.elapsed();
                              pressButton(QMessageBox::Ok, &results)(box);
                          }}});
    w.ui->actionRun_tomography_inversion->trigger();
    script.expectDone();
    ASSERT_GE(runMs, 0);
    const QString line = results.text.section('\n', 0, 0);
    ASSERT_TRUE(line.startsWith("Elapsed time: [s] ")) << line.toStdString();
    const long long reported = line.mid(18).toLongLong();
    EXPECT_LE(reported, runMs / 1000) << "run took " << runMs << " ms";
    EXPECT_EQ(windowtest::countOccurrences(
                  home.logFile(), "Elapsed time: " + std::to_string(reported) + " seconds."),
              1);
}

TEST(InversionCommand, MisfitAndSectionDescribeTheModelShown)
{
    FreshHome home;
    auto window = pickedSurvey(home);
    Tervanelo_MainWindows& w = *window;
    // Equally spaced contour lines chosen before the run.
    w.equallySpaced = true;
    w.contourCount = 4;
    const MessageSeen results = runInversion(w, 3);

    // The computed times are those of the final grid: tracing again changes nothing.
    std::vector<std::vector<double>> computed;
    for (const TravelTime& t : w.document.ttArray)
        computed.push_back(t.ttCalcolati);
    w.document.computeRayPaths();
    for (size_t i = 0; i < computed.size(); ++i)
        EXPECT_EQ(w.document.ttArray[i].ttCalcolati, computed[i]) << "shot " << i;

    // The misfit again, from the picks and those times.
    double sum = 0, sumRelative = 0, worst = 0, worstAbsolute = 0;
    int n = 0;
    for (const TravelTime& t : w.document.ttArray)
        for (size_t j = 0; j < t.ttMisurati.size(); ++j) {
            const double m = t.ttMisurati[j], c = t.ttCalcolati[j];
            if (m <= 0)
                continue;
            ++n;
            sum += (m - c) * (m - c);
            sumRelative += ((m - c) / m) * ((m - c) / m);
            worst = std::max(worst, std::fabs(c - m) / m);
            worstAbsolute = std::max(worstAbsolute, std::fabs(c - m));
        }
    ASSERT_GT(n, 0);
    const double rmse = std::sqrt(sum / n), relative = std::sqrt(sumRelative / n) * 100.0;
    const auto [rmseMs, rmsePercent] = lineValues(results.text, "RMSE: [ms] ");
    const auto [maxMs, maxPercent] = lineValues(results.text, "MaxError: [ms] ");
    EXPECT_TRUE(sameTo6Digits(rmseMs, rmse * 1000.0)) << rmseMs << " " << rmse * 1000.0;
    EXPECT_TRUE(sameTo6Digits(rmsePercent, relative)) << rmsePercent << " " << relative;
    EXPECT_TRUE(sameTo6Digits(maxMs, worstAbsolute * 1000.0)) << maxMs;
    EXPECT_TRUE(sameTo6Digits(maxPercent, worst * 100.0)) << maxPercent;
    EXPECT_GE(maxMs, rmseMs);
    EXPECT_GE(maxPercent, rmsePercent);
    EXPECT_TRUE(sameTo6Digits(w.document.RMSE_tomography, rmsePercent));

    // Velocity with rays on the results tab.
    vtkViewer& view = *w.ui->vtk_widget;
    EXPECT_EQ(view.showType, 4);
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 2);
    EXPECT_TRUE(w.ui->actionShow_rays->isChecked());
    EXPECT_TRUE(w.ui->actionReset_View->isEnabled());
    EXPECT_TRUE(w.ui->showSimTT_CB->isEnabled());
    EXPECT_TRUE(w.ui->widget_2->showComputedTimes);
    EXPECT_FALSE(w.document.rayPaths.empty());

    // The contour filter contours the section now shown, over its own range.
    ASSERT_TRUE(view.contourFilter);
    ASSERT_TRUE(view.structuredGrid);
    EXPECT_EQ(view.contourFilter->GetInput(), view.structuredGrid.Get());
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (vtkIdType i = 0; i < view.velocityArray->GetNumberOfTuples(); ++i) {
        const double v = view.velocityArray->GetValue(i);
        low = std::min(low, v);
        if (view.structuredGrid->IsPointVisible(i))
            high = std::max(high, v);
    }
    const int count = int(view.contourFilter->GetNumberOfContours());
    ASSERT_EQ(count, 5);
    EXPECT_DOUBLE_EQ(view.contourFilter->GetValue(0), low);
    EXPECT_DOUBLE_EQ(view.contourFilter->GetValue(count - 1), high);
}

} // namespace
