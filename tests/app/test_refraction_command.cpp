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
} // namespace
