// One survey after another in the same window, as after a day with several
// lines: the section of the second is drawn whatever the first one's height
// and width were, and a replacement that fails leaves the first untouched.

#include "surveyharness.h"

#include "drawttime.h"
#include "grid.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "tomodocument.h"
#include "traveltimeexport.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QTabWidget>
#include <QTest>

#include <vtkRenderWindow.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

using namespace commandtest;
using windowtest::FreshHome;

namespace
{

// The two-layer line's travel times moved: positions times `scale`, times
// too (the same ground seen over a shorter line), and `lift` metres up.
std::string movedLine(const std::string& dir, const char* name, double scale, double lift)
{
    TomoDocument line;
    const std::string from = (fiveShotFolder() + "/" + fiveShotTravelTimes()).toStdString();
    EXPECT_EQ(line.loadTravelTimes(from), 0);
    for (std::vector<Point2D>& spread : line.goephonesStringSet)
        for (Point2D& p : spread)
            p = {p.x * scale, p.z + lift};
    for (TravelTime& record : line.ttArray) {
        record.shotPos2d = {record.shotPos2d.x * scale, record.shotPos2d.z + lift};
        for (double& t : record.ttMisurati)
            if (t > 0.0)
                t *= scale;
    }
    const std::string path = dir + "/" + name;
    EXPECT_EQ(exportTravelTimesOtte(line, path), 0);
    return path;
}

void importLine(Tervanelo_MainWindows& w, const std::string& path, double cell, double depth)
{
    const QFileInfo file(QString::fromStdString(path));
    DialogScript script({{"QFileDialog", "Open TravelTimeExchange",
                          chooseFiles(file.absolutePath(), {file.fileName()})},
                         geometryOkStep(),
                         gridStep(cell, depth, 3)});
    w.ui->actionLoad_TT->trigger();
    script.expectDone();
}

// A pixel of the section's palette: clearly coloured, unlike the white
// background, the black axes and texts and the grey rays.
bool coloured(QRgb p)
{
    const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
    const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
    return hi - lo > 60;
}

// The coloured pixels inside the plot area (left of the colour bar, which
// sits from 88.5 % of the width) and the share of the area's width and height
// that they span.
struct Section {
    int pixels = 0;
    double width = 0.0;
    double height = 0.0;
};

Section sectionIn(const QImage& image)
{
    const int right = int(image.width() * 0.88);
    int left = right, last = -1, top = image.height(), bottom = -1;
    Section s;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < right; ++x)
            if (coloured(image.pixel(x, y))) {
                ++s.pixels;
                left = std::min(left, x);
                last = std::max(last, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (s.pixels > 0) {
        s.width = double(last - left + 1) / right;
        s.height = double(bottom - top + 1) / image.height();
    }
    return s;
}

QImage viewImage(Tervanelo_MainWindows& w)
{
    w.ui->vtk_widget->renderWindow()->Render();
    return w.ui->vtk_widget->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
}

// The section tab's picture through the Screenshot command, at scale 1.
QImage screenshot(Tervanelo_MainWindows& w, const std::string& dir)
{
    const std::string path = dir + "/screen.png";
    DialogScript script({{"QFileDialog", "Save Screenshot", saveAs(QString::fromStdString(path))},
                         {"set_screenshot_scale_dialog", nullptr, rejectDialog()}});
    w.ui->actionScreenshot->trigger();
    script.expectDone();
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

enum class Second { New, Import, NarrowImport };

struct SequenceCase {
    const char* name;
    Second second;
};

class SecondSurvey : public ::testing::TestWithParam<SequenceCase>
{
};

// A section near 600 m, then a survey at 0 m in its place, inverted: its
// section is on show and in the screenshot. A line a third as wide fills the
// plot area as it does after a fresh start.
TEST_P(SecondSurvey, IsDrawnWhateverCameBefore)
{
    const SequenceCase& c = GetParam();
    FreshHome home;
    const std::string dir = testenv::freshDir(std::string("sequence-") + c.name);
    const std::string high = movedLine(dir, "high.otte", 1.0, 600.0);
    const std::string narrow = movedLine(dir, "narrow.otte", 1.0 / 3.0, 0.0);

    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    importLine(w, high, 2.0, 8.0);
    runInversion(w, 1);
    ASSERT_EQ(w.ui->tabWidget->currentIndex(), 2);
    const Section first = sectionIn(viewImage(w));
    ASSERT_GT(first.width, 0.8) << "the first section fills the view";

    w.setModified(false);
    switch (c.second) {
    case Second::New:
        loadShots(w, fiveShotFolder(), fiveShotFiles(), 2.0, 8.0, 3);
        pickTrueFirstBreaks(w);
        break;
    case Second::Import:
        importLine(w, (fiveShotFolder() + "/" + fiveShotTravelTimes()).toStdString(), 2.0, 8.0);
        break;
    case Second::NarrowImport:
        importLine(w, narrow, 2.0 / 3.0, 8.0 / 3.0);
        break;
    }
    ASSERT_LT(w.document.goephonesStringSet.at(0).front().z, 1.0) << "the line at 0 m";
    runInversion(w, 1);
    ASSERT_EQ(w.ui->tabWidget->currentIndex(), 2);

    const Section second = sectionIn(viewImage(w));
    EXPECT_GT(second.pixels, 1000);
    EXPECT_TRUE(second.width >= 0.8 || second.height >= 0.8)
        << "spans " << second.width << " x " << second.height;
    const Section pictured = sectionIn(screenshot(w, dir));
    EXPECT_GT(pictured.pixels, 1000);
    EXPECT_TRUE(pictured.width >= 0.8 || pictured.height >= 0.8)
        << "spans " << pictured.width << " x " << pictured.height;

    // Reset View fits the same section again.
    w.ui->actionReset_View->trigger();
    const Section reset = sectionIn(viewImage(w));
    EXPECT_NEAR(reset.width, second.width, 0.02);
    EXPECT_NEAR(reset.height, second.height, 0.02);
}

const SequenceCase sequenceCases[] = {
    {"New", Second::New},
    {"ImportTravelTimes", Second::Import},
    {"ImportAThirdAsWide", Second::NarrowImport},
};

INSTANTIATE_TEST_SUITE_P(Sequences, SecondSurvey, ::testing::ValuesIn(sequenceCases),
                         [](const auto& p) { return std::string(p.param.name); });

// A project of travel times only, saved with computed times: reopened, its
// traces tab is off, and the curves tab itself offers the computed times.
TEST(ComputedTimes, ReachableAgainInATravelTimeOnlyProject)
{
    FreshHome home;
    const std::string dir = testenv::freshDir("times-only");
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    importLine(w, (fiveShotFolder() + "/" + fiveShotTravelTimes()).toStdString(), 2.0, 8.0);
    runInversion(w, 1);
    const std::string project = dir + "/times.tervo";
    DialogScript save({{"QFileDialog", "Save Project", saveAs(QString::fromStdString(project))}});
    w.ui->actionSave_Project_As->trigger();
    save.expectDone();

    DialogScript open({{"QFileDialog", "Open Project",
                        chooseFiles(QString::fromStdString(dir), {"times.tervo"})}});
    w.ui->actionLoad_Project->trigger();
    open.expectDone();
    ASSERT_TRUE(w.projectIsOpen);
    ASSERT_TRUE(w.document.traceSets.empty());
    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(0));
    QCheckBox* box = w.ui->showComputedCurvesCB;
    ASSERT_TRUE(box->isEnabled());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(w.ui->widget_2->showComputedTimes);

    w.ui->tabWidget->setCurrentIndex(1);
    w.on_tabWidget_tabBarClicked(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.ui->widget_2));
    const QImage picksOnly = w.ui->widget_2->grab().toImage();
    box->click();
    EXPECT_TRUE(w.ui->widget_2->showComputedTimes);
    EXPECT_NE(w.ui->widget_2->grab().toImage(), picksOnly) << "the computed curves are drawn";
    box->click();
    EXPECT_FALSE(w.ui->widget_2->showComputedTimes);
    EXPECT_EQ(w.ui->widget_2->grab().toImage(), picksOnly);
}
} // namespace
