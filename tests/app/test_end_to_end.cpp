// A survey driven through the window from the shot files to the velocity
// section, as a user would: New, geometry, grid, AutoPick, the inversion, the
// results box and the rendered section, checked against the two-layer ground
// the shots were made from (500 m/s over 2000 m/s, 5 m down). And the road
// that starts from a travel-time file.

#include "surveyharness.h"

#include "colorpalette.h"
#include "grid.h"
#include "imagecompare.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QImage>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <sstream>

using namespace commandtest;
using windowtest::FreshHome;

namespace
{

// Loose physical bounds of the ground, not fitted to a run.
constexpr double shallowDepth = 2.0; // m: above it the first layer, 500 m/s
constexpr double shallowTolerance = 150.0;
constexpr double deepDepth = 6.0; // m: below it the second layer, 2000 m/s
constexpr double deepAtLeast = 1200.0;

struct Mean {
    double sum = 0;
    long count = 0;
    void add(double v)
    {
        sum += v;
        ++count;
    }
    double value() const { return count ? sum / double(count) : NAN; }
};

// Mean velocity of the covered cells centred above the shallow depth and below the deep one.
std::pair<Mean, Mean> layerMeansOfCells(const Grid& grid)
{
    Mean shallow, deep;
    for (uint32_t i = 0; i < grid.cells.size(); ++i) {
        const GridCell& cell = grid.cells[i];
        if (!cell.to_be_draw)
            continue;
        const GridCell& surface = grid.cells[i % grid.col];
        const double depth =
            (cell.top.front()->z + cell.bottom.back()->z) / 2.0 - surface.top.front()->z;
        const double v = 1.0 / cell.slowness;
        if (depth < shallowDepth)
            shallow.add(v);
        else if (depth > deepDepth)
            deep.add(v);
    }
    return {shallow, deep};
}

// The same from the picture of the section coloured blue (vmin) to red (vmax).
std::pair<Mean, Mean> layerMeansOfImage(const QImage& image, const vtkViewer& view)
{
    // Section pixels mix the palette's pure blue and red; the background,
    // the axes and the markers all have green in them.
    auto isSection = [](QColor c) {
        return c.red() + c.blue() > 60 && c.green() * 10 <= c.red() + c.blue();
    };
    int left = image.width(), right = -1, top = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isSection(image.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    EXPECT_GT(right, left) << "no section in the picture";

    // Metres per pixel from the drawn extent of the visible points.
    double xFirst = HUGE_VAL, xLast = -HUGE_VAL, yTop = -HUGE_VAL;
    vtkStructuredGrid* grid = view.structuredGrid;
    for (vtkIdType i = 0; i < grid->GetNumberOfPoints(); ++i) {
        if (!grid->IsPointVisible(i))
            continue;
        double p[3];
        grid->GetPoint(i, p);
        xFirst = std::min(xFirst, p[0]);
        xLast = std::max(xLast, p[0]);
        yTop = std::max(yTop, p[1]);
    }
    const double metresPerPixel = (xLast - xFirst) / double(right - left);
    const double vmin = view.palette.min_db, vmax = view.palette.max_db;

    Mean shallow, deep;
    for (int y = top; y < image.height(); ++y) {
        const double depth = -(yTop - (y - top) * metresPerPixel);
        for (int x = left; x <= right; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (!isSection(c))
                continue;
            const double v = vmin + double(c.red()) / (c.red() + c.blue()) * (vmax - vmin);
            if (depth < shallowDepth)
                shallow.add(v);
            else if (depth > deepDepth)
                deep.add(v);
        }
    }
    return {shallow, deep};
}

void expectTwoLayers(const std::pair<Mean, Mean>& means, const char* source)
{
    SCOPED_TRACE(source);
    ASSERT_GT(means.first.count, 0);
    ASSERT_GT(means.second.count, 0);
    EXPECT_NEAR(means.first.value(), 500.0, shallowTolerance);
    EXPECT_GT(means.second.value(), deepAtLeast);
}

TEST(EndToEnd, ShotFilesToTheVelocitySection)
{
    FreshHome home;
    auto window = startSurveyWindow(home, /*showAllTraces=*/true);
    Tervanelo_MainWindows& w = *window;

    // New with the five shots; geometry as read; 1 m cells 12 m deep.
    loadShots(w, fiveShotFolder(), fiveShotFiles(), 1.0, 12.0, 6);
    ASSERT_EQ(w.document.traceSets.size(), 5u);
    ASSERT_TRUE(w.document.grid);
    EXPECT_EQ(w.document.grid->col, 50u);
    EXPECT_EQ(w.document.grid->righe, 12u);

    // AutoPick on every shot: the picks it keeps lie at the true onsets.
    ASSERT_TRUE(w.ui->actionAutoPick->isEnabled());
    w.ui->actionAutoPick->trigger();
    const double dt = 0.00025;
    int kept = 0;
    for (const TravelTime& record : w.document.ttArray) {
        const std::vector<Point2D>& spread = w.document.spreadAt(record.indexStesa);
        for (size_t j = 0; j < spread.size(); ++j) {
            const double t = record.ttMisurati[j];
            if (t == Pick::Rejected)
                continue;
            ++kept;
            EXPECT_NEAR(t, firstBreak(spread[j].x - record.shotPos2d.x), 2 * dt)
                << "shot " << record.shotPos2d.x << ", receiver " << spread[j].x;
        }
    }
    EXPECT_GE(kept, 100) << "the near-shot receivers alone may be rejected";
    EXPECT_TRUE(w.document.modified);

    // The inversion, 5 external iterations. The proposed smoothing of 5 cells
    // spreads the fast layer over the top metres of a 1 m grid (about 670 m/s
    // at the surface); 2 cells keep the 5 m interface.
    const MessageSeen results = runInversion(w, 5, 2);
    ASSERT_TRUE(w.document.has_tomographic_info);
    EXPECT_TRUE(results.text.startsWith("Elapsed time: [s] ")) << results.text.toStdString();
    double sum = 0, sumRelative = 0;
    int n = 0;
    for (const TravelTime& t : w.document.ttArray)
        for (size_t j = 0; j < t.ttMisurati.size(); ++j) {
            const double m = t.ttMisurati[j], c = t.ttCalcolati[j];
            if (m > 0) {
                ++n;
                sum += (m - c) * (m - c);
                sumRelative += (m - c) / m * (m - c) / m;
            }
        }
    ASSERT_EQ(n, kept);
    const auto [rmseMs, rmsePercent] = lineValues(results.text, "RMSE: [ms] ");
    EXPECT_TRUE(sameTo6Digits(rmsePercent, w.document.RMSE_tomography));
    EXPECT_TRUE(sameTo6Digits(rmsePercent, std::sqrt(sumRelative / n) * 100.0)) << rmsePercent;
    EXPECT_TRUE(sameTo6Digits(rmseMs, std::sqrt(sum / n) * 1000.0)) << rmseMs;

    // Velocity with rays on the section tab.
    vtkViewer& view = *w.ui->vtk_widget;
    EXPECT_EQ(view.showType, 4);
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 2);
    EXPECT_TRUE(w.ui->actionShow_rays->isChecked());
    expectTwoLayers(layerMeansOfCells(*w.document.grid), "grid cells");
    // The section is coloured over the inverted velocities (to the whole m/s
    // the palette bar's spin boxes hold), not the palette's start-up range.
    double lo = DBL_MAX, hi = -DBL_MAX;
    for (const GridCell& cell : w.document.grid->cells)
        if (cell.to_be_draw) {
            lo = std::min(lo, 1.0 / cell.slowness);
            hi = std::max(hi, 1.0 / cell.slowness);
        }
    EXPECT_NEAR(view.palette.min_db, lo, 1.0);
    EXPECT_NEAR(view.palette.max_db, hi, 1.0);

    // The section in "Blue to red", without scale bar, title and rays.
    ASSERT_EQ(w.paletteList.palettes.at(5).name, "Blue to red");
    w.paletteList.curr_palette = 5;
    view.setPalette(w.paletteList.palettes.at(5));
    w.ui->actionShow_scalarbar->trigger();
    w.ui->actionShow_title->trigger();
    w.ui->actionShow_rays->trigger();
    EXPECT_FALSE(view.showScalarBar);
    EXPECT_FALSE(view.showTitle);
    EXPECT_EQ(view.showType, 5);
    const QString section = imagecompare::outputPath("end_to_end_section.png");
    ASSERT_TRUE(view.saveScreenshot(section.toStdString(), 1.0));
    const QImage picture(section);
    ASSERT_FALSE(picture.isNull());
    expectTwoLayers(layerMeansOfImage(picture.convertToFormat(QImage::Format_RGB32), view),
                    "picture");

    w.grab().save(imagecompare::outputPath("end_to_end_window.png"));
}

TEST(EndToEnd, TravelTimeFileToTheVelocitySection)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;

    // A malformed file first: a box, and the window goes on with no survey.
    const std::string dir = testenv::freshDir("import");
    const std::string file = (fiveShotFolder() + "/" + fiveShotTravelTimes()).toStdString();
    const std::string otte = testenv::readText(file);
    testenv::writeText(dir + "/bad.otte", "otte2" + otte.substr(4));
    MessageSeen refused;
    DialogScript bad({{"QFileDialog", "Open TravelTimeExchange",
                       chooseFiles(QString::fromStdString(dir), {"bad.otte"})},
                      {"QMessageBox", "Error", pressButton(QMessageBox::Ok, &refused)}});
    w.ui->actionLoad_TT->trigger();
    bad.expectDone();
    EXPECT_EQ(refused.text, QString::fromStdString(dir + "/bad.otte is not a valid TT file."));
    EXPECT_TRUE(w.document.ttArray.empty());

    DialogScript script({{"QFileDialog", "Open TravelTimeExchange",
                          chooseFiles(fiveShotFolder(), {fiveShotTravelTimes()})},
                         geometryOkStep(),
                         gridStep(2.0, 12.0)});
    ASSERT_TRUE(w.ui->actionLoad_TT->isEnabled());
    w.ui->actionLoad_TT->trigger();
    script.expectDone();

    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(0));
    EXPECT_TRUE(w.ui->tabWidget->isTabEnabled(1));
    EXPECT_TRUE(w.document.traceSets.empty());
    EXPECT_FALSE(w.document.modified);
    EXPECT_EQ(w.refractionData, nullptr);

    // The times are the file's milliseconds in seconds: the times line of
    // shot block k is line 9 + 3k + 2 (1-based) of the file.
    std::vector<std::string> lines;
    {
        std::istringstream in(otte);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
    }
    ASSERT_EQ(w.document.ttArray.size(), 5u);
    for (size_t k = 0; k < w.document.ttArray.size(); ++k) {
        std::istringstream times(lines.at(8 + 3 * k + 2));
        std::vector<double> expected;
        for (std::string piece; std::getline(times, piece, ';');)
            if (!piece.empty())
                expected.push_back(std::stod(piece) / 1000.0);
        EXPECT_EQ(w.document.ttArray[k].ttMisurati, expected) << "shot " << k;
    }

    const MessageSeen results = runInversion(w, 2);
    EXPECT_TRUE(results.text.contains("RMSE: [ms] ")) << results.text.toStdString();
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 2);
    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(0)) << "still no traces";
    EXPECT_TRUE(w.document.has_tomographic_info);
}

} // namespace
