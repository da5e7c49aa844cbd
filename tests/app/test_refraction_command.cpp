// The Refraction command through the window: the picks question, the
// refraction data built or reset before the dialog, and what the window
// does with the results afterwards. A stub stands in for the dialog.
#include "surveyharness.h"
#include "windowsurvey.h"

#include "refractioncontroller.h"
#include "refractiondatastructure.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QAction>
#include <QImage>
#include <QTabWidget>
#include <QTest>

#include <vtkRenderWindow.h>

#include <gtest/gtest.h>

using namespace commandtest;
using namespace surveytest;
using windowtest::FreshHome;

namespace
{
int countOccurrences(const std::string& path, const std::string& text)
{
    const std::string all = testenv::readText(path);
    int n = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
        ++n;
    return n;
}

struct Window {
    FreshHome home;
    std::unique_ptr<Tervanelo_MainWindows> w;
    int dialogRuns = 0;
    bool fitted = true; // every structure the stub saw fitted the survey

    // `picked` of every ten receivers get a time.
    explicit Window(int picked = 10)
    {
        w = startWindow(home);
        loadSurvey(*w, twoLayerShots(4), false);
        size_t k = 0;
        for (TravelTime& record : w->document.ttArray)
            for (double& t : record.ttMisurati)
                t = int(k++ % 10) < picked ? 0.02 : 0.0;
        w->setModified(false);
    }
    // The stub writes depths when asked to and reports a change then.
    void stub(bool writesDepths)
    {
        w->refractionController->runDialog =
            [this, writesDepths](TomoDocument& doc, refractionDataStructure& data, Logger*) {
                ++dialogRuns;
                fitted = fitted && fitsDocument(data, doc) && data.ttLayer.size() == 4;
                if (writesDepths)
                    data.refractData.cData[0].z.assign(data.phnt_A[0].pos.size(), 5.0);
                return writesDepths;
            };
    }
};

TEST(RefractionCommand, ResultsReachTheSectionViewAndMarkTheSurvey)
{
    Window s;
    Tervanelo_MainWindows& w = *s.w;
    s.stub(true);
    w.ui->vtk_widget->showRefraction = true; // left checked by an earlier run
    w.ui->actionRefraction->trigger();
    EXPECT_EQ(s.dialogRuns, 1);
    ASSERT_NE(w.refractionData, nullptr);
    EXPECT_TRUE(s.fitted);
    EXPECT_TRUE(w.ui->actionShow_refraction->isEnabled());
    EXPECT_FALSE(w.ui->actionShow_refraction->isChecked());
    EXPECT_FALSE(w.ui->vtk_widget->showRefraction);
    EXPECT_EQ(w.ui->vtk_widget->refractionData, w.refractionData);
    EXPECT_TRUE(w.document.modified);
    EXPECT_EQ(
        countOccurrences(s.home.logFile(), "Tervanelo_MainWindows::on_actionRefraction_triggered"),
        1);
    EXPECT_EQ(countOccurrences(s.home.logFile(), "Refraction Executed"), 1);

    // Opening and closing without a change leaves the flag alone.
    w.setModified(false);
    s.stub(false);
    refractionDataStructure* before = w.refractionData;
    w.ui->actionRefraction->trigger();
    EXPECT_EQ(w.refractionData, before);
    EXPECT_FALSE(w.document.modified);
    EXPECT_TRUE(w.ui->actionShow_refraction->isEnabled()); // the depths are still there
}

TEST(RefractionCommand, FewPicksAskFirstAndNoChangesNothing)
{
    Window s(4);
    Tervanelo_MainWindows& w = *s.w;
    s.stub(true);
    MessageSeen seen;
    DialogScript script({{"QMessageBox", nullptr, pressButton(QMessageBox::No, &seen)}});
    w.ui->actionRefraction->trigger();
    script.expectDone();
    EXPECT_EQ(seen.text, "Warning:");
    EXPECT_EQ(seen.informative,
              "Uncomplete set of picks. \n \nDo you want to run refraction processing anyway? ");
    EXPECT_EQ(s.dialogRuns, 0);
    EXPECT_EQ(w.refractionData, nullptr);
    EXPECT_FALSE(w.document.modified);

    DialogScript yes({{"QMessageBox", nullptr, pressButton(QMessageBox::Yes)}});
    w.ui->actionRefraction->trigger();
    yes.expectDone();
    EXPECT_EQ(s.dialogRuns, 1);
}

TEST(RefractionCommand, DataThatDoNotFitTheSurveyAreResetWithOneWarning)
{
    const std::function<void(refractionDataStructure&)> damages[] = {
        [](refractionDataStructure& r) { r.ttLayer.pop_back(); },
        [](refractionDataStructure& r) { r.ttLayer[2].layer.pop_back(); },
    };
    for (const auto& damage : damages) {
        Window s;
        Tervanelo_MainWindows& w = *s.w;
        s.stub(false);
        w.refractionData = new refractionDataStructure(&w.document);
        w.refractionData->initFromDocument();
        damage(*w.refractionData);
        MessageSeen seen;
        DialogScript script({{"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
        w.ui->actionRefraction->trigger();
        script.expectDone();
        EXPECT_EQ(seen.text, "The refraction data do not match the current survey: they have "
                             "been reset, and their layer assignments and results are lost.");
        EXPECT_EQ(s.dialogRuns, 1);
        EXPECT_TRUE(s.fitted);
    }
}

TEST(RefractionCommand, OpensTheRealDialog)
{
    Window s;
    Tervanelo_MainWindows& w = *s.w;
    DialogScript script({{"RefractionProcessingDialog", "Dialog", rejectDialog()}});
    w.ui->actionRefraction->trigger();
    script.expectDone();
    ASSERT_NE(w.refractionData, nullptr);
    EXPECT_FALSE(w.ui->actionShow_refraction->isEnabled());
    EXPECT_FALSE(w.document.modified);
}

// Pixels of the refractor line's colour (30, 40, 40) in the section view.
int refractorPixels(Tervanelo_MainWindows& w)
{
    w.ui->vtk_widget->renderWindow()->Render();
    const QImage image = w.ui->vtk_widget->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::abs(qRed(p) - 30) <= 4 && std::abs(qGreen(p) - 40) <= 4 &&
                 std::abs(qBlue(p) - 40) <= 4;
        }
    return n;
}

// Results shown on the section, then a build that fails: the line goes with
// them, at once, and "Show refraction" cannot bring it back.
TEST(RefractionCommand, AFailedBuildTakesItsLineOffTheSection)
{
    FreshHome home;
    auto window = startWindow(home);
    Tervanelo_MainWindows& w = *window;
    w.resize(1200, 800);
    w.show();
    computeSurvey(w);
    w.ui->tabWidget->setCurrentIndex(2);
    w.on_tabWidget_tabBarClicked(2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.ui->vtk_widget));
    w.ui->vtk_widget->resetView(5);
    ASSERT_EQ(refractorPixels(w), 0);

    bool builds = true;
    w.refractionController->runDialog = [&builds](TomoDocument&, refractionDataStructure& data,
                                                  Logger*) {
        // A failed build leaves two empty results, as the analysis does.
        data.refractData.cData.assign(2, {});
        if (builds)
            data.refractData.cData[0].z.assign(data.phnt_A[0].pos.size(), 3.0);
        return true;
    };
    w.ui->actionRefraction->trigger();
    ASSERT_TRUE(w.ui->actionShow_refraction->isEnabled());
    w.ui->actionShow_refraction->trigger();
    ASSERT_TRUE(w.ui->actionShow_refraction->isChecked());
    EXPECT_GT(refractorPixels(w), 100);

    builds = false;
    w.ui->actionRefraction->trigger();
    EXPECT_FALSE(w.ui->actionShow_refraction->isEnabled());
    EXPECT_FALSE(w.ui->actionShow_refraction->isChecked());
    EXPECT_EQ(refractorPixels(w), 0);
}
} // namespace
