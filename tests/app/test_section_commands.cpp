// The section view commands of the main window on a computed survey: layers,
// rays, contour lines, markers, flags and the project title.

#include "windowsurvey.h"

#include "contourlevels.h"
#include "grid.h"
#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <vtkContourFilter.h>

#include <gtest/gtest.h>

using namespace windowtest;
using namespace surveytest;

namespace
{

using Range = vtkViewer::Range;
using LayerAction = QAction* Ui::Tervanelo_MainWindows::*;
using RangeOf = Range vtkViewer::*;

// One computed survey for the whole program: the inversion is the slow part.
class SectionCommands : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        home = new FreshHome;
        window = startWindow(*home).release();
        computeSurvey(*window);
        // Not shown: the commands' choices are what is checked here, and a
        // hidden view skips the rendering.
        window->ui->tabWidget->setCurrentIndex(2);
        window->on_tabWidget_tabBarClicked(2);
        window->ui->vtk_widget->showProfile(5);
    }
    static void TearDownTestSuite()
    {
        delete window;
        delete home;
    }
    void SetUp() override
    {
        Ui::Tervanelo_MainWindows& f = ui();
        for (QAction* a : {f.actionShow_Tomographic_Profile, f.actionVertical_Gradient,
                           f.actionLaplacian_Gradient, f.actionShow_Information_Density_Layer,
                           f.actionShow_rays})
            a->setChecked(false);
        w().viewVelocity = w().viewVerticalGradient = w().viewLaplacianGradient =
            w().viewInfoDensity = w().viewFilledContours = false;
        w().equallySpaced = w().customContours = false;
        w().document.modified = false;
    }

    Tervanelo_MainWindows& w() { return *window; }
    Ui::Tervanelo_MainWindows& ui() { return *window->ui; }
    vtkViewer& view() { return *window->ui->vtk_widget; }
    // The range the palette bar was built over.
    Range paletteRange()
    {
        const ColorPalette& p = w().paletteList.palettes.at(size_t(w().paletteList.curr_palette));
        return {p.min_db, p.max_db};
    }

    static FreshHome* home;
    static Tervanelo_MainWindows* window;
};

FreshHome* SectionCommands::home = nullptr;
Tervanelo_MainWindows* SectionCommands::window = nullptr;

TEST_F(SectionCommands, TheSurveyHasFourDistinctRanges)
{
    const Range ranges[] = {view().velocityRange, view().gradientRange, view().laplacianRange,
                            view().densityRange};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_LT(ranges[i].first, ranges[i].second) << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(ranges[i], ranges[j]) << i << " " << j;
    }
    EXPECT_TRUE(ui().actionShow_Information_Density_Layer->isEnabled());
}

TEST_F(SectionCommands, LayersPickTheDisplayTypeAndThePaletteRange)
{
    const LayerAction vertical = &Ui::Tervanelo_MainWindows::actionVertical_Gradient;
    const LayerAction laplacian = &Ui::Tervanelo_MainWindows::actionLaplacian_Gradient;
    const LayerAction density = &Ui::Tervanelo_MainWindows::actionShow_Information_Density_Layer;
    struct Row {
        int start;
        bool rays;
        LayerAction command;
        bool checkedAfter;
        int type;
        RangeOf range;
    };
    const Row rows[] = {
        {5, false, vertical, true, 7, &vtkViewer::gradientRange},
        {4, true, vertical, true, 9, &vtkViewer::gradientRange},
        {2, false, vertical, true, 8, &vtkViewer::gradientRange},
        {7, false, vertical, false, 5, &vtkViewer::velocityRange},
        {9, true, vertical, false, 4, &vtkViewer::velocityRange},
        {8, false, vertical, false, 2, &vtkViewer::velocityRange},
        {5, false, laplacian, true, 10, &vtkViewer::laplacianRange},
        {4, true, laplacian, true, 12, &vtkViewer::laplacianRange},
        {2, false, laplacian, true, 11, &vtkViewer::laplacianRange},
        {5, false, density, true, 13, &vtkViewer::densityRange},
        {4, true, density, true, 15, &vtkViewer::densityRange},
        {14, false, density, true, 14, &vtkViewer::densityRange},
    };
    for (const Row& r : rows) {
        QAction* action = ui().*r.command;
        SCOPED_TRACE(action->objectName().toStdString() + " from " + std::to_string(r.start));
        SetUp();
        ui().tabWidget->setCurrentIndex(0);
        view().showProfile(r.start);
        ui().actionShow_rays->setChecked(r.rays);
        action->setChecked(!r.checkedAfter);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        ASSERT_EQ(action->isChecked(), r.checkedAfter);
        EXPECT_EQ(view().showType, r.type);
        EXPECT_EQ(paletteRange(), view().*r.range);
        EXPECT_EQ(ui().tabWidget->currentIndex(), 2);
    }
}

TEST_F(SectionCommands, ALayerClearsTheProfileAndTheOtherLayers)
{
    ui().actionShow_Tomographic_Profile->setChecked(true);
    w().viewVelocity = w().viewFilledContours = true;
    ui().actionVertical_Gradient->setChecked(true);
    w().viewVerticalGradient = true;
    view().showProfile(3);
    ui().actionLaplacian_Gradient->trigger();
    EXPECT_FALSE(ui().actionShow_Tomographic_Profile->isChecked());
    EXPECT_FALSE(ui().actionVertical_Gradient->isChecked());
    EXPECT_FALSE(w().viewVelocity);
    EXPECT_FALSE(w().viewFilledContours);
    EXPECT_FALSE(w().viewVerticalGradient);
    EXPECT_TRUE(w().viewLaplacianGradient);
    EXPECT_EQ(view().showType, 11);
}

TEST_F(SectionCommands, ProfileAndRaysPickTheVelocityType)
{
    const struct {
        int start;
        int type;
    } profileRows[] = {{3, 2}, {8, 2}, {11, 2}, {9, 4}, {12, 4}, {7, 5}, {13, 5}, {15, 5}};
    auto countProfileLines = [] {
        return windowtest::countOccurrences(
            home->logFile(), "Tervanelo_MainWindows::on_actionShow_Tomographic_Profile_triggered");
    };
    const int before = countProfileLines();
    for (const auto& r : profileRows) {
        SetUp();
        ui().actionVertical_Gradient->setChecked(true);
        w().viewVerticalGradient = true;
        view().showProfile(r.start);
        ui().actionShow_Tomographic_Profile->trigger();
        EXPECT_EQ(view().showType, r.type) << "from " << r.start;
        EXPECT_TRUE(w().viewVelocity);
        EXPECT_FALSE(w().viewVerticalGradient);
        EXPECT_FALSE(ui().actionVertical_Gradient->isChecked());
    }
    // The command logs its own name, once per run.
    EXPECT_EQ(countProfileLines() - before, int(std::size(profileRows)));

    // Rays on the vertical gradient show velocity with rays; off returns to it.
    SetUp();
    ui().actionVertical_Gradient->setChecked(true);
    view().showProfile(7);
    ui().tabWidget->setCurrentIndex(2);
    ui().actionShow_rays->trigger();
    EXPECT_EQ(view().showType, 4);
    ui().actionShow_rays->trigger();
    EXPECT_EQ(view().showType, 7);
}

TEST_F(SectionCommands, DensityLayerIsRefusedUntilComputed)
{
    const std::vector<double> computed = w().document.info_density;
    const size_t cells = w().document.grid->numberOfCells();
    const std::vector<double> layers[] = {std::vector<double>(cells, -1.0),
                                          std::vector<double>(cells + 1, 1.0)};
    for (const std::vector<double>& layer : layers) {
        SetUp();
        w().document.info_density = layer;
        view().showProfile(9);
        QString title, text;
        ModalWatcher answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        ui().actionShow_Information_Density_Layer->trigger();
        EXPECT_EQ(answer.count(), 1);
        EXPECT_EQ(title, "Warning");
        EXPECT_EQ(text, "The information layer has not yet been calculated or loaded, this project "
                        "may be an old version.\nPease run the tomography to compute the "
                        "information layer");
        EXPECT_FALSE(ui().actionShow_Information_Density_Layer->isChecked());
        EXPECT_TRUE(ui().actionShow_Tomographic_Profile->isChecked());
        EXPECT_FALSE(w().viewInfoDensity);
        EXPECT_EQ(view().showType, 9);
    }
    w().document.info_density = computed;
}

// ---- Contour lines ----

struct ContourChoice {
    const char* name;
    const char* button; // the radio button of the layer the lines go on
    bool filled;
    bool infoDensity; // the density layer is in force
    int type;
};

TEST_F(SectionCommands, ContourDialogPicksTheContourType)
{
    const ContourChoice rows[] = {
        {"profile", "profileContours", false, false, 2},
        {"filled", "profileContours", true, false, 3},
        {"vertical", "gradientContours", false, false, 8},
        {"laplacian", "laplacianGradientContours", false, false, 11},
        {"density", "profileContours", false, true, 14},
    };
    for (const ContourChoice& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        w().viewInfoDensity = r.infoDensity;
        ui().actionShow_rays->setChecked(true);
        ModalWatcher answer([&](QWidget* modal) {
            // Clicks, as a user would: the dialog enables its OK button then.
            auto clickTo = [](QAbstractButton* b, bool on) {
                if (b->isChecked() != on)
                    b->click();
            };
            clickTo(modal->findChild<QCheckBox*>("equallySpacedCB"), true);
            modal->findChild<QSpinBox*>("spinBox")->setValue(4);
            clickTo(modal->findChild<QRadioButton*>(r.button), true);
            clickTo(modal->findChild<QCheckBox*>("filledContours"), r.filled);
            QPushButton* ok =
                modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
            EXPECT_TRUE(ok->isEnabled());
            if (ok->isEnabled())
                ok->click();
            else
                modal->close();
        });
        ASSERT_TRUE(ui().actionShow_Contour_Lines->isEnabled());
        ui().actionShow_Contour_Lines->trigger();
        ASSERT_EQ(answer.count(), 1);
        EXPECT_EQ(view().showType, r.type);
        EXPECT_FALSE(ui().actionShow_rays->isChecked());
        EXPECT_EQ(ui().tabWidget->currentIndex(), 2);
        ASSERT_TRUE(view().contourFilter);
        EXPECT_EQ(view().contourFilter->GetInput(), view().structuredGrid.Get());
        EXPECT_EQ(view().contourFilter->GetNumberOfContours(), 5);
        EXPECT_EQ(w().contourCount, 4);
    }
    w().viewInfoDensity = false;
}

TEST_F(SectionCommands, ContourDialogWithoutValuesOrRejectedKeepsTheFilter)
{
    const vtkSmartPointer<vtkContourFilter> filter =
        makeContourFilter(view().structuredGrid, view().velocityArray, {}, 3);
    view().contourFilter = filter;
    {
        // Accepted with neither equally spaced nor own values: the plain layer.
        ui().actionVertical_Gradient->setChecked(true);
        ModalWatcher accept([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        ui().actionShow_Contour_Lines->trigger();
        ASSERT_EQ(accept.count(), 1);
        EXPECT_EQ(view().showType, 7);
        EXPECT_EQ(view().contourFilter, filter);
    }
    {
        // Rejected: the layer seeded from the checked action stays.
        SetUp();
        ui().actionLaplacian_Gradient->setChecked(true);
        view().showProfile(10);
        ModalWatcher reject([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
        ui().actionShow_Contour_Lines->trigger();
        ASSERT_EQ(reject.count(), 1);
        EXPECT_TRUE(w().viewLaplacianGradient);
        EXPECT_EQ(view().showType, 10);
        EXPECT_EQ(view().contourFilter, filter);
    }
}

// ---- Markers, flags, title ----

TEST_F(SectionCommands, MarkerSizesAreExclusiveAndASecondClickHidesThem)
{
    ui().actionSmallGeo->trigger();
    EXPECT_TRUE(ui().actionSmallGeo->isChecked());
    EXPECT_FALSE(ui().actionNormalGeo->isChecked());
    EXPECT_TRUE(view().showMarkers);
    EXPECT_EQ(view().markerScale, 0.5);
    ui().actionNormalGeo->trigger();
    EXPECT_FALSE(ui().actionSmallGeo->isChecked());
    EXPECT_EQ(view().markerScale, 1.0);
    ui().actionNormalGeo->trigger();
    EXPECT_FALSE(view().showMarkers);
    EXPECT_EQ(view().markerScale, 1.0);
    ui().actionLargeGeo->trigger();
    EXPECT_TRUE(view().showMarkers);
    EXPECT_EQ(view().markerScale, 2.0);

    const struct {
        QAction* action;
        bool vtkViewer::*flag;
    } toggles[] = {{ui().actionShow_scalarbar, &vtkViewer::showScalarBar},
                   {ui().actionShow_Grid_Lines, &vtkViewer::showGridLines},
                   {ui().actionShow_title, &vtkViewer::showTitle}};
    for (const auto& t : toggles)
        for (int i = 0; i < 2; ++i) {
            t.action->trigger();
            EXPECT_EQ(view().*t.flag, t.action->isChecked()) << t.action->text().toStdString();
        }
}

TEST_F(SectionCommands, SetTitleMarksTheSurveyModifiedWhenTheTitleChanges)
{
    const QString title = QString::fromUtf8("Sezione – Località");
    for (const QString& typed : {title, title}) {
        const bool changes = w().document.title != typed.toStdString();
        w().document.modified = false;
        ModalWatcher answer([&](QWidget* modal) {
            modal->findChild<QLineEdit*>("titleEdit")->setText(typed);
            modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        ASSERT_TRUE(ui().actionSet_title->isEnabled());
        ui().actionSet_title->trigger();
        ASSERT_EQ(answer.count(), 1);
        EXPECT_EQ(QString::fromStdString(w().document.title), title);
        EXPECT_EQ(w().document.modified, changes);
        EXPECT_EQ(w().windowTitle(), "Tervanelo 2022.0");
    }
}

// The contour dialog takes its range from the grid: without a grid or a
// section nothing opens.
TEST(ContourLines, NeedAGridAndASection)
{
    FreshHome home;
    auto w = startWindow(home);
    loadSurvey(*w, twoLayerShots(2), false);
    ModalWatcher none([](QWidget* modal) {
        ADD_FAILURE() << "unexpected " << modal->windowTitle().toStdString();
        modal->close();
    });
    w->on_actionShow_Contour_Lines_triggered();
    // A grid but no section built from it yet.
    loadSurvey(*w, twoLayerShots(2), true);
    w->on_actionShow_Contour_Lines_triggered();
    EXPECT_EQ(none.count(), 0);
}

} // namespace
