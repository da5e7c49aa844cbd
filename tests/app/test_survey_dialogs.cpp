// The dialogs of the survey set-up and the inversion, driven through their
// widgets, and the sizing and misfit arithmetic behind them.

#include "dialogchildren.h"
#include "draw1dvelocityprofile.h"
#include "grid.h"
#include "griddialog.h"
#include "inversionmisfit.h"
#include "progresstomography_dialog.h"
#include "qtprint.h"
#include "runtomography_dialog.h"
#include "select_speed_dialog.h"
#include "setvelocitywidget.h"
#include "surveyharness.h"
#include "tomodocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

using namespace commandtest;

namespace
{

// ---- Grid size ----

struct SizeCase {
    double length, cell, depth;
    int columns, rows; // rows 0: the dialog refuses
};

TEST(GridSize, ColumnsCoverTheProfileAndRowsRoundHalfAway)
{
    const SizeCase cases[] = {
        {48, 1.0, 24, 48, 24},  {10, 0.3, 1.05, 34, 4}, // 1.05 / 0.3 = 3.5000000000000004
        {48, 5.0, 24, 10, 5},   // truncating gave 9: a 45 m grid, the last receiver at 47 m
        {4.2, 0.3, 2.1, 14, 7}, // 4.2 / 0.3 = 14.000000000000002
        {48, 1.0, 0.0, 48, 0},  {48, 0.5, 0.2, 96, 0},
    };
    for (const SizeCase& c : cases) {
        const GridDimensions size = gridDimensions(c.length, c.cell, c.depth);
        EXPECT_EQ(size.columns, c.columns) << c.length << " / " << c.cell;
        EXPECT_EQ(size.rows, c.rows) << c.depth << " / " << c.cell;
        if (c.rows > 0) {
            EXPECT_GE(size.columns * c.cell, c.length - 1.0 - 1e-9)
                << "the last position (length - 1 in grid x) lies inside";
        }
    }
}

// ---- Grid dialog ----

TEST(GridDialog, InitSetsTheDepthRangeBeforeItsValue)
{
    gridDialog dialog;
    dialog.init(300.0, 0.0, 0);
    auto* depth = child<QDoubleSpinBox>(&dialog, "maxProf_edit");
    EXPECT_EQ(depth->maximum(), 300.0);
    EXPECT_EQ(depth->value(), 150.0) << "clamped by the default maximum of 99.99";
    EXPECT_EQ(child<QDoubleSpinBox>(&dialog, "celSize_edit")->value(), 0.1);
    EXPECT_EQ(child<QSpinBox>(&dialog, "numNode_edit")->value(), 6);
    EXPECT_EQ(child<QLabel>(&dialog, "rangeLabel")->text(), "300");
    EXPECT_EQ(dialog.windowTitle(), "Grid Settings");
}

struct GridOkCase {
    const char* name;
    double cell, depth;
    int nodes;
    const char* boxTitle; // null: no box
    const char* boxText;
    bool accepted;
};

TEST(GridDialog, OkRefusesAGridWithoutRowsAndWarnsAboutMemory)
{
    const GridOkCase cases[] = {
        {"depth 0", 1.0, 0.0, 6, "Invalid parameter",
         "The max depth parameter set to 0.0 is not valid for tomography", false},
        {"no rows", 0.5, 0.2, 6, "Invalid parameter", nullptr, false},
        {"16 nodes", 1.0, 24.0, 16, "Memory warning",
         "A large number of nodes may require a lot of memory", true},
        {"plain", 1.0, 24.0, 6, nullptr, nullptr, true},
    };
    for (const GridOkCase& c : cases) {
        SCOPED_TRACE(c.name);
        gridDialog dialog;
        dialog.init(48.0, 0.5, 6);
        MessageSeen seen;
        std::vector<DialogScript::Step> steps = {
            {"gridDialog", "Grid Settings", gridSettings(c.cell, c.depth, c.nodes)}};
        if (c.boxTitle)
            steps.push_back({"QMessageBox", c.boxTitle, pressButton(QMessageBox::Ok, &seen)});
        // A refused OK leaves the dialog open for another try.
        if (!c.accepted)
            steps.push_back({"gridDialog", "Grid Settings", rejectDialog()});
        DialogScript script(steps);
        const int result = dialog.exec();
        script.expectDone();
        EXPECT_EQ(result == QDialog::Accepted, c.accepted);
        if (c.boxText) {
            EXPECT_EQ(seen.text, c.boxText);
        }
        if (c.accepted) {
            EXPECT_EQ(dialog.cellSize, c.cell);
            EXPECT_EQ(dialog.maxDepth, c.depth);
            EXPECT_EQ(dialog.nodesPerSide, c.nodes);
        } else {
            EXPECT_EQ(dialog.cellSize, 0.0) << "nothing stored";
        }
    }
}

// ---- Initial velocity model ----

// A flat line of receivers 0..10 m under a grid of 12 x 30 cells of 1 m.
TomoDocument thirtyMetreGrid()
{
    TomoDocument doc;
    std::vector<Point2D> spread;
    for (int x = 0; x <= 10; x += 2)
        spread.push_back({double(x), 0.0});
    doc.goephonesStringSet.push_back(spread);
    doc.prepareProfile();
    EXPECT_TRUE(doc.createGrid(12, 30, 1.0, 6));
    return doc;
}

std::vector<VelocityLayer> rowsOf(const select_speed_Dialog& dialog)
{
    std::vector<VelocityLayer> layers;
    for (const setVelocityWidget* row : dialog.layerRows) {
        VelocityLayer l;
        row->getValues(l.initialDepth, l.initialVelocity, l.finalDepth, l.finalVelocity);
        layers.push_back(l);
    }
    return layers;
}

std::string text(const std::vector<VelocityLayer>& layers)
{
    std::ostringstream out;
    for (const VelocityLayer& l : layers)
        out << "{" << l.initialDepth << "," << l.initialVelocity << "," << l.finalDepth << ","
            << l.finalVelocity << "}";
    return out.str();
}

struct RowEditCase {
    const char* name;
    std::vector<VelocityLayer> rows;
    std::vector<bool> ticked; // empty: Add; otherwise Remove with these rows ticked
    std::vector<VelocityLayer> expected;
};

TEST(VelocityModelDialog, AddSplitsTheLastRowAndRemoveStretchesTheRest)
{
    const RowEditCase cases[] = {
        {"add", {{0, 300, 30, 2500}}, {}, {{0, 300, 15, 1400}, {15, 1400, 30, 2500}}},
        {"add, odd sum", {{0, 300, 10, 1001}}, {}, {{0, 300, 5, 650}, {5, 650, 10, 1001}}},
        {"remove all",
         {{0, 300, 15, 1400}, {15, 1400, 30, 2500}},
         {true, true},
         {{0, 300, 30, 2500}}},
        {"remove one",
         {{0, 300, 2, 400}, {2, 400, 8, 900}, {8, 900, 12, 1500}},
         {true, false, false},
         {{0, 400, 8, 900}, {8, 900, 30, 1500}}},
    };
    for (const RowEditCase& c : cases) {
        SCOPED_TRACE(c.name);
        TomoDocument doc = thirtyMetreGrid();
        doc.velocityLayers = c.rows;
        select_speed_Dialog dialog;
        dialog.fillFromDocument(&doc);
        ASSERT_EQ(dialog.layerRows.size(), c.rows.size());
        if (c.ticked.empty()) {
            child<QPushButton>(&dialog, "addButton")->click();
        } else {
            for (size_t i = 0; i < c.ticked.size(); ++i)
                dialog.layerRows[i]->findChild<QCheckBox*>("checkBox")->setChecked(c.ticked[i]);
            child<QPushButton>(&dialog, "removeButton")->click();
        }
        EXPECT_EQ(text(rowsOf(dialog)), text(c.expected));
        EXPECT_EQ(text(doc.velocityLayers), text(c.rows)) << "the document waits for OK";
    }
}

TEST(VelocityModelDialog, DefaultRowStaysInTheDialogUntilOk)
{
    TomoDocument doc = thirtyMetreGrid();
    select_speed_Dialog dialog;
    dialog.fillFromDocument(&doc);
    EXPECT_EQ(text(rowsOf(dialog)), "{0,300,30,2500}");
    EXPECT_TRUE(doc.velocityLayers.empty());
}

// Velocity of each row of the grid, from its first cell.
std::vector<double> rowVelocities(const Grid& grid)
{
    std::vector<double> v;
    for (uint32_t r = 0; r < grid.righe; ++r)
        v.push_back(1.0 / grid.cells[r * grid.col].slowness);
    return v;
}

TEST(VelocityModelDialog, OkBuildsTheGridFromTheSplineThroughTheRows)
{
    // The natural cubic spline through (0, 300), (15, 1400), (29.99, 2500),
    // computed by scipy (make_survey_fixtures.py).
    std::vector<double> expected;
    {
        std::ifstream in(fixturePath("velocity_model.txt"));
        std::string line;
        while (std::getline(in, line))
            if (!line.empty() && line[0] != '#') {
                std::istringstream fields(line);
                double depth, v;
                fields >> depth >> v;
                expected.push_back(v);
            }
    }
    ASSERT_EQ(expected.size(), 30u);

    TomoDocument doc = thirtyMetreGrid();
    doc.has_tomographic_info = true;
    doc.RMSE_tomography = 3.0;
    select_speed_Dialog dialog;
    dialog.fillFromDocument(&doc);
    DialogScript script({{"select_speed_Dialog", "Define Model Velocity",
                          [](QWidget* w) { press(w, QDialogButtonBox::Ok); }}});
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    script.expectDone();

    const std::vector<double> v = rowVelocities(*doc.grid);
    ASSERT_EQ(v.size(), 30u);
    EXPECT_EQ(doc.grid->col, 12u);
    EXPECT_NEAR(v[0], 300.0, 1e-9);
    EXPECT_NEAR(v[15], 1400.0, 1400.0 * 1e-9) << "a knot";
    EXPECT_NEAR(v[29], 2427.34, 0.01);
    for (size_t r = 0; r < v.size(); ++r)
        EXPECT_NEAR(v[r], expected[r], expected[r] * 1e-7) << "row " << r;
    EXPECT_EQ(text(doc.velocityLayers), "{0,300,30,2500}");
    EXPECT_FALSE(doc.has_tomographic_info);
    EXPECT_EQ(doc.RMSE_tomography, -1.0);
}

struct ModelOkCase {
    const char* name;
    std::vector<VelocityLayer> rows;
    bool accepted;
};

TEST(VelocityModelDialog, OkRefusesRowsThatCannotMakeAModel)
{
    const ModelOkCase cases[] = {
        {"overlapping", {{0, 500, 20, 1000}, {10, 800, 30, 2500}}, false},
        {"unsorted", {{15, 800, 30, 2500}, {0, 500, 15, 1000}}, false},
        {"too thin", {{0, 500, 0.02, 600}, {0.02, 600, 30, 2500}}, false},
        {"no thickness", {{0, 500, 0, 1000}}, false},
        // The spin boxes allow 0 m/s; the grid holds the minimum velocity.
        {"zero velocity", {{0, 0, 30, 0}}, true},
    };
    for (const ModelOkCase& c : cases) {
        SCOPED_TRACE(c.name);
        TomoDocument doc = thirtyMetreGrid();
        const Grid* before = doc.grid.get();
        const std::vector<double> slowness = [&] {
            std::vector<double> s;
            for (const GridCell& cell : doc.grid->cells)
                s.push_back(cell.slowness);
            return s;
        }();
        doc.velocityLayers = c.rows;
        select_speed_Dialog dialog;
        dialog.fillFromDocument(&doc);
        doc.velocityLayers.clear();
        std::vector<DialogScript::Step> steps = {
            {"select_speed_Dialog", nullptr, [](QWidget* w) { press(w, QDialogButtonBox::Ok); }}};
        MessageSeen seen;
        if (!c.accepted) {
            steps.push_back({"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)});
            steps.push_back({"select_speed_Dialog", nullptr, rejectDialog()});
        }
        DialogScript script(steps);
        EXPECT_EQ(dialog.exec() == QDialog::Accepted, c.accepted);
        script.expectDone();
        if (c.accepted) {
            for (const GridCell& cell : doc.grid->cells)
                ASSERT_EQ(cell.slowness, 1.0 / doc.minVelocity);
            EXPECT_EQ(doc.velocityLayers.size(), 1u);
            continue;
        }
        EXPECT_FALSE(seen.text.isEmpty());
        EXPECT_EQ(doc.grid.get(), before);
        for (size_t i = 0; i < slowness.size(); ++i)
            ASSERT_EQ(doc.grid->cells[i].slowness, slowness[i]) << "cell " << i;
        EXPECT_TRUE(doc.velocityLayers.empty());
    }
}

// ---- Velocity profile plot ----

TEST(VelocityProfilePlot, TickSteps)
{
    struct {
        double maximum;
        bool velocity;
        double major, minor;
    } cases[] = {
        {2400, true, 500, 50}, {2600, true, 520, 104}, {90, true, 25, 5},
        {30, false, 5, 1},     {600, false, 60, 12},
    };
    for (const auto& c : cases) {
        const TickSteps s = c.velocity ? velocityTickSteps(c.maximum) : depthTickSteps(c.maximum);
        EXPECT_EQ(s.major, c.major) << c.maximum;
        EXPECT_EQ(s.minor, c.minor) << c.maximum;
    }
}

TEST(VelocityProfilePlot, LongTicksStandAtTheMajorStepsAndTheMaximum)
{
    draw1DVelocityProfile plot;
    plot.resize(400, 300);
    plot.setLayers(30.0, {{0, 300, 30, 2400}});
    QImage image(400, 300, QImage::Format_RGB32);
    plot.render(&image);

    auto blackNear = [&](double x, int y) {
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(int(std::lround(x)) + dx, y).lightness() < 100)
                return true;
        return false;
    };
    // x = 30 + v * 340 / 2640; long ticks rise 7 px above y = 30, short ones 3.
    for (double v : {0.0, 500.0, 1000.0, 1500.0, 2000.0, 2400.0}) {
        const double x = 30.0 + v * 340.0 / 2640.0;
        EXPECT_TRUE(blackNear(x, 24)) << "long tick at " << v;
        EXPECT_TRUE(blackNear(x, 29)) << v;
    }
    const double shortTick = 30.0 + 250.0 * 340.0 / 2640.0;
    EXPECT_TRUE(blackNear(shortTick, 28));
    EXPECT_FALSE(blackNear(shortTick, 25)) << "a short tick is 3 px";
    // The profile runs straight from 300 m/s at the surface to 2400 m/s at
    // 30 m: 1350 m/s at 15 m, with a depth scale of 240 / 33 px/m.
    EXPECT_TRUE(blackNear(30.0 + 1350.0 * 340.0 / 2640.0, int(30.0 + 15.0 * 240.0 / 33.0)));
}

// ---- Tomography settings ----

TEST(TomographySettings, OpensWithTenExternalIterations)
{
    runTomography_Dialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Tomography Settings");
    EXPECT_EQ(child<QSpinBox>(&dialog, "extIter_edit")->value(), 10);
    EXPECT_EQ(child<QSpinBox>(&dialog, "solvIter_Edit")->value(), 20);
    EXPECT_EQ(child<QSpinBox>(&dialog, "smooth_Edit")->value(), 5);
    EXPECT_EQ(child<QSpinBox>(&dialog, "minVelEdit")->value(), 250);
    EXPECT_EQ(child<QSpinBox>(&dialog, "maxVelEdit")->value(), 3500);
    EXPECT_EQ(child<QComboBox>(&dialog, "typeOfSmoothingCBox")->currentIndex(), 3);
    EXPECT_EQ(child<QComboBox>(&dialog, "typeOfSmoothingCBox")->currentText(),
              "Ray based smoothing");
}

TEST(TomographySettings, VelocityLimitsStayOrdered)
{
    struct {
        const char* name;
        int presetMin, presetMax; // 0: no preset
        const char* edit;
        int value;
        int expectedMin, expectedMax;
    } cases[] = {
        {"minimum above maximum", 0, 0, "minVelEdit", 4000, 3500, 3500},
        {"maximum below minimum", 0, 0, "maxVelEdit", 100, 250, 250},
        {"preset above both", 3000, 5000, nullptr, 0, 3000, 5000},
        {"preset below both", 100, 200, nullptr, 0, 100, 200},
    };
    for (const auto& c : cases) {
        runTomography_Dialog dialog;
        if (c.presetMax)
            dialog.setVelocityLimits(c.presetMin, c.presetMax);
        if (c.edit)
            child<QSpinBox>(&dialog, c.edit)->setValue(c.value);
        EXPECT_EQ(child<QSpinBox>(&dialog, "minVelEdit")->value(), c.expectedMin) << c.name;
        EXPECT_EQ(child<QSpinBox>(&dialog, "maxVelEdit")->value(), c.expectedMax) << c.name;
    }
}

TEST(TomographySettings, OkStoresEveryValue)
{
    runTomography_Dialog dialog;
    child<QSpinBox>(&dialog, "extIter_edit")->setValue(7);
    child<QSpinBox>(&dialog, "solvIter_Edit")->setValue(12);
    child<QSpinBox>(&dialog, "smooth_Edit")->setValue(3);
    child<QSpinBox>(&dialog, "maxVelEdit")->setValue(12000);
    child<QSpinBox>(&dialog, "minVelEdit")->setValue(300);
    child<QCheckBox>(&dialog, "checkBox")->setChecked(true);
    child<QCheckBox>(&dialog, "symmetricSmoothCBox")->setChecked(true);
    child<QComboBox>(&dialog, "typeOfSmoothingCBox")->setCurrentIndex(2);
    press(&dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.externalIterations, 7);
    EXPECT_EQ(dialog.solverIterations, 12);
    EXPECT_EQ(dialog.smoothingParameter, 3);
    EXPECT_EQ(dialog.minimumVelocity, 300.0);
    EXPECT_EQ(dialog.maximumVelocity, 12000.0);
    EXPECT_TRUE(dialog.singleThread);
    EXPECT_TRUE(dialog.symmetricSmoothing);
    EXPECT_EQ(dialog.smoothingType, 2);
}

// ---- Progress ----

TEST(TomographyProgress, CountsIterationsAndLogsThem)
{
    ProgressTomography_Dialog dialog;
    dialog.setIterations(3);
    std::vector<int> values;
    for (int k = 0; k < 3; ++k) {
        dialog.completedIterations += 1.0;
        dialog.logIteration();
        dialog.updateProgress();
        values.push_back(child<QProgressBar>(&dialog, "progressBar")->value());
    }
    EXPECT_EQ(values, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(dialog.logText,
              "Completed iteration 1\nCompleted iteration 2\nCompleted iteration 3\n");
}

TEST(TomographyProgress, EveryWayOutAsksToStopAndTheDialogStays)
{
    ProgressTomography_Dialog dialog;
    dialog.setIterations(5);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QSignalSpy stops(&dialog, &ProgressTomography_Dialog::stopped);
    auto* box = child<QDialogButtonBox>(&dialog, "buttonBox");
    EXPECT_FALSE(box->button(QDialogButtonBox::Ok)->isEnabled()) << "no OK while running";

    box->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(stops.count(), 1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(stops.count(), 2);
    dialog.close();
    EXPECT_EQ(stops.count(), 3);
    EXPECT_TRUE(dialog.isVisible()) << "hiding would end the modality";
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    dialog.hide();
}

// ---- Misfit ----

TravelTime record(std::vector<double> measured, std::vector<double> computed)
{
    TravelTime t;
    t.ttMisurati = std::move(measured);
    t.ttCalcolati = std::move(computed);
    return t;
}

std::vector<QString> reportLines(const InversionMisfit& misfit)
{
    const QStringList lines = inversionReport(12, misfit).split('\n');
    return {lines.value(0), lines.value(1), lines.value(2), lines.value(3)};
}

TEST(InversionMisfit, RmseAndLargestErrorOverThePicks)
{
    struct {
        const char* name;
        std::vector<TravelTime> records;
        size_t count;
        const char* rmse;
        const char* maxError;
    } cases[] = {
        {"one receiver off by 10 ms",
         {record({0.100, 0.050}, {0.110, 0.050}), record({0.020, 0.030}, {0.020, 0.030})},
         4,
         "RMSE: [ms] 5; [%] 5",
         "MaxError: [ms] 10; [%] 10"},
        {"unpicked and rejected left out",
         {record({0.100, 0.050, 0.0, -99.0}, {0.110, 0.050, 0.3, 0.4}),
          record({0.020, 0.030}, {0.020, 0.030})},
         4,
         "RMSE: [ms] 5; [%] 5",
         "MaxError: [ms] 10; [%] 10"},
        {"early by the same amount",
         {record({0.100, 0.050}, {0.090, 0.050}), record({0.020, 0.030}, {0.020, 0.030})},
         4,
         "RMSE: [ms] 5; [%] 5",
         "MaxError: [ms] 10; [%] 10"},
        {"equal relative errors: the larger absolute one",
         {record({0.25, 0.5}, {0.3125, 0.625})},
         2,
         "RMSE: [ms] 98.8212; [%] 25",
         "MaxError: [ms] 125; [%] 25"},
        {"largest absolute and largest relative at different receivers",
         {record({0.010, 0.200}, {0.013, 0.220})},
         2,
         "RMSE: [ms] 14.3003; [%] 22.3607",
         "MaxError: [ms] 20; [%] 30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const InversionMisfit misfit = inversionMisfit(c.records);
        EXPECT_EQ(misfit.count, c.count);
        const std::vector<QString> lines = reportLines(misfit);
        EXPECT_EQ(lines[0], "Elapsed time: [s] 12");
        EXPECT_EQ(lines[1], c.rmse);
        EXPECT_EQ(lines[2], c.maxError);
        EXPECT_EQ(lines[3], "") << "every line ends with a line feed";
        // No error of a kind is smaller than its root mean square.
        EXPECT_GE(misfit.maxAbsolute, misfit.rmse * (1.0 - 1e-12));
        EXPECT_GE(misfit.maxRelative, misfit.relativeRmse * (1.0 - 1e-12));
    }
    EXPECT_EQ(inversionMisfit({record({0.0, -99.0}, {0.1, 0.2})}).count, 0u);
}

} // namespace
