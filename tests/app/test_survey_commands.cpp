// The survey commands driven through the window as a user would: New and
// Import TravelTimes with their failures, Next and Previous, Geometry and
// Grid, the starting velocity model, the modified flag with the question
// before a survey is replaced, the history folder and the travel-time export.

#include "surveyharness.h"

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "grid.h"
#include "refractiondatastructure.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "toolprocess.h"
#include "traveltimeexport.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>
#include <QXmlStreamReader>

#include <vtkRenderWindow.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>

using namespace commandtest;
using windowtest::FreshHome;

namespace
{

std::vector<double> slownessOf(const Grid& grid)
{
    std::vector<double> s;
    for (const GridCell& cell : grid.cells)
        s.push_back(cell.slowness);
    return s;
}

// Every receiver and shot inside the grid's columns.
void expectPositionsInsideTheGrid(const TomoDocument& doc)
{
    ASSERT_TRUE(doc.grid);
    const double right = doc.grid->col * doc.grid->aLato;
    for (const auto& spread : doc.goephonesStringSet)
        for (const Point2D& p : spread)
            EXPECT_LE(p.x + doc.xShift, right) << "receiver at " << p.x;
    for (const TravelTime& t : doc.ttArray)
        EXPECT_LE(t.shotPos2d.x + doc.xShift, right) << "shot at " << t.shotPos2d.x;
}

void loadThree(Tervanelo_MainWindows& w, double cell = 2.0, double depth = 12.0)
{
    loadShots(w, threeShotFolder(), threeShotFiles(), cell, depth);
    ASSERT_EQ(w.document.traceSets.size(), 3u);
}

// The three shots picked at their true first breaks and inverted once.
std::unique_ptr<Tervanelo_MainWindows> invertedThree(const FreshHome& home)
{
    auto window = startSurveyWindow(home);
    loadThree(*window);
    pickTrueFirstBreaks(*window);
    runInversion(*window, 1);
    return window;
}

// New with the three shots and the grid dialog cancelled.
void loadThreeWithoutGrid(Tervanelo_MainWindows& w)
{
    DialogScript cancelled({openShotsStep(threeShotFolder(), threeShotFiles()),
                            geometryOkStep(),
                            {"gridDialog", "Grid Settings", rejectDialog()}});
    w.ui->actionNew->trigger();
    cancelled.expectDone();
}

// ---- New ----

TEST(NewCommand, ThreeShotsGeometryAndGrid)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;

    // The grid dialog proposes a quarter of the 2 m spacing and half the 48 m
    // profile as depth; only the cell size is changed.
    double proposedCell = 0, proposedDepth = 0;
    DialogScript script({openShotsStep(threeShotFolder(), threeShotFiles()),
                         geometryOkStep(),
                         {"gridDialog", "Grid Settings", [&](QWidget* d) {
                              proposedCell = d->findChild<QDoubleSpinBox*>("celSize_edit")->value();
                              proposedDepth =
                                  d->findChild<QDoubleSpinBox*>("maxProf_edit")->value();
                              gridSettings(1.0, proposedDepth, 6)(d);
                          }}});
    w.ui->actionNew->trigger();
    script.expectDone();

    EXPECT_EQ(proposedCell, 0.5);
    EXPECT_EQ(proposedDepth, 24.0);
    EXPECT_EQ(w.document.traceSets.size(), 3u);
    EXPECT_EQ(w.document.ttArray.size(), 3u);
    EXPECT_EQ(panelCount(w), 3);
    ASSERT_TRUE(w.document.grid);
    EXPECT_EQ(w.document.grid->col, 48u);
    EXPECT_EQ(w.document.grid->righe, 24u);
    expectPositionsInsideTheGrid(w.document);
    EXPECT_EQ(w.windowTitle(), "Tervanelo 2022.0");
    EXPECT_FALSE(w.document.modified) << "a fresh survey counts as saved";
    ASSERT_NE(w.refractionData, nullptr);
    EXPECT_EQ(w.refractionData->ttLayer.size(), 3u);
    EXPECT_EQ(w.ui->vtk_widget->refractionData, w.refractionData);
    EXPECT_EQ(w.currentShot, 0);
    EXPECT_TRUE(w.ui->actionSave_Project_As->isEnabled());
    EXPECT_TRUE(w.ui->actionAutoPick->isEnabled());
    EXPECT_FALSE(w.ui->actionPalette->isEnabled());
    EXPECT_FALSE(w.ui->show_filtered_cb->isEnabled());

    // A second New over a survey with a grid replaces everything (and runs
    // clean under the address sanitizer).
    loadShots(w, threeShotFolder(), {"b.sg2"}, 2.0, 12.0);
    EXPECT_EQ(w.document.traceSets.size(), 1u);
    EXPECT_EQ(panelCount(w), 1);
    EXPECT_NE(w.refractionData, nullptr);
    EXPECT_EQ(w.refractionData->ttLayer.size(), 1u);
}

TEST(NewCommand, CancelledFileDialogKeepsTheSurvey)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThree(w);
    w.document.modified = true;
    const Grid* grid = w.document.grid.get();
    refractionDataStructure* refraction = w.refractionData;

    DialogScript script({{"QMessageBox", nullptr, pressButton(QMessageBox::Discard)},
                         {"QFileDialog", "Open Seismic Trace", rejectDialog()}});
    w.ui->actionNew->trigger();
    script.expectDone();
    EXPECT_EQ(w.document.traceSets.size(), 3u);
    EXPECT_EQ(w.document.grid.get(), grid);
    EXPECT_EQ(w.refractionData, refraction);
    EXPECT_EQ(w.ui->vtk_widget->refractionData, refraction);
    EXPECT_EQ(panelCount(w), 3);
    EXPECT_TRUE(w.document.modified);
}

TEST(NewCommand, ZoomStepsCarryOverToTheNextSurvey)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThree(w);
    ASSERT_TRUE(w.zoomTimeInAction->isEnabled());
    w.zoomTimeInAction->trigger();
    w.zoomTimeInAction->trigger();
    w.zoomInAction->trigger();

    loadShots(w, threeShotFolder(), {"a.sg2", "b.sg2"}, 2.0, 12.0);
    EXPECT_DOUBLE_EQ(w.timeZoom, 1.5625);
    EXPECT_DOUBLE_EQ(w.horizontalZoom, 1.25);
    EXPECT_EQ(w.timeZoomSteps, 2);
    EXPECT_TRUE(w.zoomTimeOutAction->isEnabled());
    EXPECT_TRUE(w.zoomOutAction->isEnabled());
    EXPECT_DOUBLE_EQ(w.ui->widget_3->timeZoom, 1.5625);
    ASSERT_EQ(panelCount(w), 2);
    for (unsigned i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(w.ui->showTracesWidget->traceWidgetAt(i)->timeZoom, 1.5625);
        EXPECT_DOUBLE_EQ(w.ui->showTracesWidget->traceWidgetAt(i)->amplitudeZoom, 1.25);
    }
}

// ---- Failures of New and Import ----

struct FailureCase {
    const char* name;
    bool import;             // Import TravelTimes, else New
    QStringList files;       // empty: the file dialog is cancelled
    const char* boxTitle;    // null: no box
    const char* boxText;     // "%1" stands for the chosen path
    const char* informative; // file name the informative text ends with
    size_t sets;             // 0: the survey stays as it was
};

// The survey each row starts from: the three shots inverted, with their
// section on show, loaded by New or, with projectOpen, opened from a saved
// project that no failure may touch; then modified, so that each command
// asks first and is answered Discard.
struct Before {
    const Grid* grid;
    const void* section;
    refractionDataStructure* refraction;
    QString title;
    QImage view;
};

Before survey(Tervanelo_MainWindows& w)
{
    w.ui->vtk_widget->renderWindow()->Render();
    return {w.document.grid.get(), w.ui->vtk_widget->structuredGrid.Get(), w.refractionData,
            w.windowTitle(), w.ui->vtk_widget->grabFramebuffer()};
}

void loadFailureTable(bool projectOpen)
{
    FreshHome home;
    // One folder holds every file the rows choose.
    const std::string dir = testenv::freshDir("failures");
    std::filesystem::copy_file(fixturePath("three/a.sg2"), dir + "/a.sg2");
    std::filesystem::copy_file(testenv::fixture("project/s2_bad_interval.sg2"),
                               dir + "/bad_interval.sg2");
    testenv::writeText(dir + "/b.txt", "not a seismic file\n");
    testenv::writeText(dir + "/broken.sg2", "SEG2? no: just text that lacks the block identifier");
    const std::string otte = testenv::readText(testenv::fixture("seismic/two_layer.otte"));
    testenv::writeText(dir + "/bad.otte", "otte2" + otte.substr(4));
    std::string badTimes = otte;
    badTimes.replace(badTimes.rfind('\n', badTimes.size() - 2) + 1, std::string::npos, "12.5;x;\n");
    testenv::writeText(dir + "/t.otte", badTimes);
    testenv::writeText(dir + "/t.abc", otte);
    // Reading these fails with an I/O error, for root as well.
    for (const char* name : {"unreadable.sg2", "unreadable.otte"})
        std::filesystem::create_symlink("/proc/self/mem", dir + "/" + name);

    const char* const loadError = "Error while loading one or more traces.\n\n";
    const FailureCase cases[] = {
        // The shots read before the failing one make the new survey. First:
        // once the dialog has listed this folder, as it has after any other
        // row, it drops a typed name its filter hides.
        {"unsupported file after a good one",
         false,
         {"a.sg2", "b.txt"},
         "Error occured",
         "Unsupported file format.",
         "b.txt",
         1},
        {"a file that is not SEG2",
         false,
         {"broken.sg2"},
         "Error occured",
         "Cannot open or read the file.",
         "broken.sg2",
         0},
        {"a shot file that cannot be read",
         false,
         {"unreadable.sg2"},
         "Error occured",
         "Cannot open or read the file.",
         "unreadable.sg2",
         0},
        {"a trace without sample interval",
         false,
         {"bad_interval.sg2"},
         "Error occured",
         "A trace has no usable sample interval.",
         "bad_interval.sg2",
         0},
        {"import cancelled", true, {}, nullptr, nullptr, nullptr, 0},
        {"import: wrong first line",
         true,
         {"bad.otte"},
         "Error",
         "%1 is not a valid TT file.",
         "not an OTTE file",
         0},
        {"import: a file that cannot be read",
         true,
         {"unreadable.otte"},
         "Error",
         "%1 is not a valid TT file.",
         "not an OTTE file",
         0},
        {"import: a time that is no number",
         true,
         {"t.otte"},
         "Error",
         "%1 is not a valid TT file.",
         "line 23: not a number: x",
         0},
        {"import: a suffix no reader knows",
         true,
         {"t.abc"},
         "Error",
         "%1 is not a valid TT file.",
         "does not end in .otte",
         0},
    };

    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    const QString projectDir = QString::fromStdString(testenv::freshDir("project"));
    const std::string project = projectDir.toStdString() + "/survey.tervo";
    std::string projectBytes;
    auto prepare = [&] {
        if (projectOpen && !projectBytes.empty()) {
            w.setModified(false);
            DialogScript open(
                {{"QFileDialog", nullptr, chooseFiles(projectDir, {"survey.tervo"})}});
            w.ui->actionLoad_Project->trigger();
            open.expectDone();
            ASSERT_TRUE(w.projectIsOpen);
            w.ui->tabWidget->setCurrentIndex(2);
            w.on_tabWidget_tabBarClicked(2);
        } else {
            w.setModified(false);
            loadThree(w);
            pickTrueFirstBreaks(w);
            runInversion(w, 1);
        }
        ASSERT_EQ(w.document.traceSets.size(), 3u);
        ASSERT_NE(w.ui->vtk_widget->structuredGrid, nullptr) << "a section on show";
    };
    prepare();
    if (projectOpen) {
        DialogScript save(
            {{"QFileDialog", "Save Project", saveAs(QString::fromStdString(project))}});
        w.ui->actionSave_Project_As->trigger();
        save.expectDone();
        projectBytes = testenv::readText(project);
        ASSERT_FALSE(projectBytes.empty());
    }
    bool replaced = projectOpen; // the saved project is to be opened first
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (replaced)
            prepare();
        w.setModified(true);
        const Before before = survey(w);
        MessageSeen seen;
        std::vector<DialogScript::Step> steps = {
            {"QMessageBox", nullptr, pressButton(QMessageBox::Discard)}};
        const char* dialogTitle = c.import ? "Open TravelTimeExchange" : "Open Seismic Trace";
        if (c.files.isEmpty())
            steps.push_back({"QFileDialog", dialogTitle, rejectDialog()});
        else
            steps.push_back({"QFileDialog", dialogTitle, [&](QWidget* d) {
                                 // "All Files" lets the import pick any suffix.
                                 if (c.import)
                                     qobject_cast<QFileDialog*>(d)->selectNameFilter(
                                         "All Files (*)");
                                 chooseFiles(QString::fromStdString(dir), c.files)(d);
                             }});
        if (c.boxTitle)
            steps.push_back({"QMessageBox", c.boxTitle, pressButton(QMessageBox::Ok, &seen)});
        // The shots read before the failure go on to the geometry and the grid.
        if (c.sets > 0) {
            steps.push_back(geometryOkStep());
            steps.push_back({"gridDialog", "Grid Settings", rejectDialog()});
        }
        DialogScript script(steps);
        (c.import ? w.ui->actionLoad_TT : w.ui->actionNew)->trigger();
        script.expectDone();

        if (c.boxTitle) {
            const QString path = QString::fromStdString(dir) + "/" + c.files.value(0);
            const QString expected =
                c.import ? QString(c.boxText).arg(path) : QString(loadError) + c.boxText;
            EXPECT_EQ(seen.text, expected);
            // A refused load names the file; a refused import gives the reason.
            if (c.informative && c.import) {
                EXPECT_TRUE(seen.informative.contains(c.informative))
                    << seen.informative.toStdString();
            } else if (c.informative) {
                EXPECT_TRUE(seen.informative.endsWith(QString("/") + c.informative))
                    << seen.informative.toStdString();
            }
        }
        if (projectOpen) {
            EXPECT_EQ(testenv::readText(project), projectBytes)
                << "the project on disk stays as saved";
        }
        replaced = c.sets > 0;
        if (replaced) {
            EXPECT_EQ(w.document.traceSets.size(), c.sets);
            EXPECT_EQ(panelCount(w), int(c.sets));
            EXPECT_FALSE(w.projectIsOpen);
            continue;
        }
        // Nothing of the survey has changed, not even a pixel of its section.
        EXPECT_EQ(w.document.traceSets.size(), 3u);
        EXPECT_EQ(panelCount(w), 3);
        EXPECT_EQ(w.document.grid.get(), before.grid);
        EXPECT_EQ(w.ui->vtk_widget->structuredGrid.Get(), before.section);
        EXPECT_EQ(w.refractionData, before.refraction);
        EXPECT_EQ(w.ui->vtk_widget->refractionData, before.refraction);
        EXPECT_TRUE(w.document.modified);
        EXPECT_EQ(w.windowTitle(), before.title);
        EXPECT_EQ(w.projectIsOpen, projectOpen);
        EXPECT_TRUE(w.document.has_tomographic_info);
        EXPECT_TRUE(w.ui->actionSave_Project->isEnabled());
        EXPECT_EQ(survey(w).view, before.view);
    }
}

TEST(LoadFailures, AfterDiscardTheSurveyStaysAsItWas)
{
    loadFailureTable(false);
}

TEST(LoadFailures, WithAProjectOpenTheProjectIsLeftAlone)
{
    loadFailureTable(true);
}

// ---- Import TravelTimes: CRLF ----

TEST(ImportCommand, CrLfFileReadsLikeTheLfOne)
{
    FreshHome home;
    const std::string dir = testenv::freshDir("crlf");
    std::string otte = testenv::readText(testenv::fixture("seismic/two_layer.otte"));
    std::string crlf;
    for (char ch : otte)
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    testenv::writeText(dir + "/crlf.otte", crlf);

    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    DialogScript script({{"QFileDialog", "Open TravelTimeExchange",
                          chooseFiles(QString::fromStdString(dir), {"crlf.otte"})},
                         geometryOkStep(),
                         gridStep(2.0, 12.0)});
    w.ui->actionLoad_TT->trigger();
    script.expectDone();
    ASSERT_EQ(w.document.ttArray.size(), 5u);
    EXPECT_TRUE(w.document.traceSets.empty());
    EXPECT_NEAR(w.document.ttArray[0].ttMisurati[1], firstBreak(3.0), 1e-9);
    EXPECT_TRUE(w.document.grid);
    EXPECT_FALSE(w.document.modified);
}

TEST(ImportCommand, ThePicksComeToTheFront)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    DialogScript script(
        {{"QFileDialog", "Open TravelTimeExchange",
          chooseFiles(QString::fromStdString(testenv::fixture("seismic")), {"two_layer.otte"})},
         geometryOkStep(),
         gridStep(2.0, 12.0)});
    w.ui->actionLoad_TT->trigger();
    script.expectDone();
    ASSERT_EQ(w.document.ttArray.size(), 5u);
    // No traces: their tab is off and never left in front.
    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(0));
    EXPECT_TRUE(w.ui->tabWidget->isTabEnabled(1));
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 1);
}

// ---- Next and Previous ----

TEST(NextPrevious, WrapAndTheFilteredBoxFollowsTheShot)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThree(w);
    // Shot 1 holds filtered samples that are shown, shot 2 some that are not.
    w.document.traceSets[1].hasFiltered = true;
    w.document.traceSets[1].useFiltered = true;
    w.document.traceSets[2].hasFiltered = true;

    struct {
        bool next;
        int shot;
        bool boxEnabled, boxChecked;
    } steps[] = {
        {true, 1, true, true},   {true, 2, true, false}, {true, 0, false, false},
        {false, 2, true, false}, {false, 1, true, true}, {false, 0, false, false},
    };
    for (const auto& s : steps) {
        (s.next ? w.ui->actionNext_file : w.ui->actionPrev_file)->trigger();
        EXPECT_EQ(w.currentShot, s.shot);
        EXPECT_EQ(w.ui->widget_3->shotIndex, s.shot);
        EXPECT_EQ(w.ui->travelTimePreview->shotIndex, s.shot);
        EXPECT_EQ(w.ui->show_filtered_cb->isEnabled(), s.boxEnabled) << "shot " << s.shot;
        EXPECT_EQ(w.ui->show_filtered_cb->isChecked(), s.boxChecked) << "shot " << s.shot;
        EXPECT_EQ(w.ui->widget_3->showFiltered, s.boxChecked) << "shot " << s.shot;
    }
}

TEST(NextPrevious, OneShotNoShotAndNoTraces)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;

    // No survey: nothing to step through.
    w.ui->actionNext_file->trigger();
    w.ui->actionPrev_file->trigger();
    EXPECT_EQ(w.currentShot, -1);

    loadShots(w, threeShotFolder(), {"a.sg2"}, 2.0, 12.0);
    for (QAction* a : {w.ui->actionNext_file, w.ui->actionPrev_file}) {
        a->trigger();
        EXPECT_EQ(w.currentShot, 0);
    }

    // Travel times without traces: the shots step, the box stays off.
    DialogScript script({{"QFileDialog", "Open TravelTimeExchange",
                          chooseFiles(fiveShotFolder(), {fiveShotTravelTimes()})},
                         geometryOkStep(),
                         gridStep(2.0, 12.0)});
    w.ui->actionLoad_TT->trigger();
    script.expectDone();
    w.ui->actionNext_file->trigger();
    EXPECT_EQ(w.currentShot, 0);
    w.ui->actionPrev_file->trigger();
    EXPECT_EQ(w.currentShot, 4);
    EXPECT_FALSE(w.ui->show_filtered_cb->isEnabled());
    EXPECT_FALSE(w.ui->show_filtered_cb->isChecked());
}

// ---- Geometry and Grid ----

TEST(GridCommand, FiveMetreCellsStillCoverTheLastReceiver)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadShots(w, threeShotFolder(), threeShotFiles(), 1.0, 24.0);
    ASSERT_EQ(w.document.grid->col, 48u);

    DialogScript script({gridStep(5.0, 24.0)});
    w.ui->actionGrid->trigger();
    script.expectDone();
    EXPECT_EQ(w.document.grid->col, 10u);
    EXPECT_EQ(w.document.grid->righe, 5u);
    expectPositionsInsideTheGrid(w.document);
    EXPECT_TRUE(w.document.modified);
}

TEST(GridCommand, WithoutAGridProposesTheSmallestCell)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThreeWithoutGrid(w);
    ASSERT_FALSE(w.document.grid);

    double cell = 0;
    int nodes = 0;
    DialogScript script({{"gridDialog", "Grid Settings", [&](QWidget* d) {
                              cell = d->findChild<QDoubleSpinBox*>("celSize_edit")->value();
                              nodes = d->findChild<QSpinBox*>("numNode_edit")->value();
                              rejectDialog()(d);
                          }}});
    w.ui->actionGrid->trigger();
    script.expectDone();
    EXPECT_EQ(cell, 0.1);
    EXPECT_EQ(nodes, 6);
    EXPECT_FALSE(w.document.grid);
}

TEST(GridCommand, DepthZeroOnAnInvertedSurveyKeepsEverything)
{
    FreshHome home;
    auto window = invertedThree(home);
    Tervanelo_MainWindows& w = *window;
    ASSERT_TRUE(w.document.has_tomographic_info);
    const Grid* grid = w.document.grid.get();
    const uint32_t rows = grid->righe, columns = grid->col;
    const std::vector<double> slowness = slownessOf(*grid);

    MessageSeen seen;
    DialogScript script({gridStep(2.0, 0.0),
                         {"QMessageBox", "Invalid parameter", pressButton(QMessageBox::Ok, &seen)},
                         {"gridDialog", "Grid Settings", rejectDialog()}});
    w.ui->actionGrid->trigger();
    script.expectDone();
    EXPECT_EQ(seen.text, "The max depth parameter set to 0.0 is not valid for tomography");
    ASSERT_EQ(w.document.grid.get(), grid);
    EXPECT_EQ(grid->righe, rows);
    EXPECT_EQ(grid->col, columns);
    EXPECT_EQ(slownessOf(*grid), slowness);
    EXPECT_TRUE(w.document.has_tomographic_info);
}

TEST(GridCommand, NewGridOverResultsDropsThem)
{
    FreshHome home;
    auto window = invertedThree(home);
    Tervanelo_MainWindows& w = *window;
    ASSERT_TRUE(w.ui->tabWidget->isTabEnabled(2));

    DialogScript script({gridStep(2.0, 10.0)});
    w.ui->actionGrid->trigger();
    script.expectDone();
    EXPECT_FALSE(w.document.has_tomographic_info);
    EXPECT_EQ(w.document.RMSE_tomography, -1.0);
    EXPECT_TRUE(w.document.rayPaths.empty());
    for (const TravelTime& t : w.document.ttArray) {
        EXPECT_EQ(t.ttCalcolati.size(), t.ttMisurati.size());
        for (double c : t.ttCalcolati)
            ASSERT_EQ(c, 0.0);
    }
    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(2));
    EXPECT_FALSE(w.ui->actionShow_rays->isEnabled());
    EXPECT_FALSE(w.ui->actionShow_Contour_Lines->isEnabled());
    // The results tab went away: the traces come in front with their commands.
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 0);
    EXPECT_TRUE(w.ui->actionAutoPick->isEnabled());
    EXPECT_FALSE(w.ui->actionPalette->isEnabled());
}

TEST(GridCommand, ReceiversWithoutGeometryWarnOnce)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThree(w);
    const Grid* grid = w.document.grid.get();
    for (auto& spread : w.document.goephonesStringSet)
        for (Point2D& p : spread)
            p.x = 5.0;

    MessageSeen seen;
    DialogScript script({{"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}}, 60);
    w.ui->actionGrid->trigger();
    QTest::qWait(100);
    script.expectDone();
    EXPECT_EQ(seen.text,
              "Geophones do not have geometry! \nPlease set the position of geophones\n");
    EXPECT_EQ(w.document.grid.get(), grid);
}

// OK in the geometry dialog rebuilds the refraction data and marks the survey
// (also when the grid dialog that follows is cancelled); Cancel changes nothing.
TEST(GeometryCommand, OkRebuildsTheRefractionDataCancelKeepsIt)
{
    const struct {
        const char* name;
        std::vector<DialogScript::Step> steps;
        bool rebuilt;
    } cases[] = {
        {"OK, grid cancelled",
         {geometryOkStep(), {"gridDialog", "Grid Settings", rejectDialog()}},
         true},
        {"cancelled", {{"DialogSetGeometry", nullptr, rejectDialog()}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshHome home;
        auto window = startSurveyWindow(home);
        Tervanelo_MainWindows& w = *window;
        loadThree(w);
        refractionDataStructure* refraction = w.refractionData;
        ASSERT_FALSE(refraction->phnt_A.empty());
        ASSERT_FALSE(refraction->phnt_A.at(0).time.empty());
        refraction->ttLayer.at(0).layer.at(3) = 2;
        refraction->phnt_A.at(0).time.at(0) = 0.0125;
        w.currentShot = 2;
        w.updateWindowTitle(false);
        const QString title = w.windowTitle();

        DialogScript script(c.steps);
        w.ui->actionGeometry->trigger();
        script.expectDone();
        EXPECT_EQ(w.refractionData, refraction);
        EXPECT_EQ(refraction->ttLayer.at(0).layer.at(3), c.rebuilt ? 0 : 2) << "assignment";
        EXPECT_EQ(refraction->phnt_A.at(0).time.at(0),
                  c.rebuilt ? refractionDataStructure::NoTime : 0.0125)
            << "phantom time";
        EXPECT_EQ(w.currentShot, c.rebuilt ? 0 : 2) << "back on the first shot";
        EXPECT_EQ(panelCount(w), 3);
        EXPECT_EQ(w.document.modified, c.rebuilt);
        if (!c.rebuilt) {
            EXPECT_EQ(w.windowTitle(), title);
        }
    }
}

// ---- Starting velocity model ----

TEST(ModelVelocityCommand, NeedsAGrid)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThreeWithoutGrid(w);

    MessageSeen seen;
    DialogScript script({{"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
    w.ui->actionDefine_model_velocity->trigger();
    script.expectDone();
    EXPECT_TRUE(seen.text.contains("grid")) << seen.text.toStdString();
    EXPECT_TRUE(w.document.velocityLayers.empty());
}

// ---- Action states of a loaded survey and of a computed one ----

TEST(ActionStates, LoadedComputedAndAfterAFailedNew)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;

    // Per item: enabled and reachable after New (3 shots, a grid, the Traces
    // tab in front), then after an inversion (its tab in front).
    struct Row {
        const char* name;
        const char* loaded;
        const char* computed;
    };
    const Row rows[] = {
        {"menuFile", "11", "11"},
        {"actionNew", "11", "11"},
        {"actionLoad_Project", "11", "11"},
        {"actionSave_Project", "11", "11"},
        {"actionSave_Project_As", "11", "11"},
        {"actionLoad_TT", "11", "11"},
        {"actionExport_TravelTimes", "11", "11"},
        {"actionScreenshot", "00", "11"},
        {"actionSettings", "11", "11"},
        {"actionExit", "11", "11"},
        {"menuExport", "11", "11"},
        {"actionGridded_Data", "11", "11"},
        {"actionImages", "11", "11"},
        {"actionPDF", "11", "11"},
        {"actionODT", "11", "11"},
        {"menuKML", "11", "11"},
        {"actionExportTomographic_profile_2_KML", "11", "11"},
        {"actionExportSeismic_line", "11", "11"},
        {"menuProject", "11", "11"},
        {"actionGeometry", "11", "11"},
        {"actionGrid", "11", "11"},
        {"actionSet_geography_coordinates", "11", "11"},
        {"actionSet_title", "11", "11"},
        {"menuTraces", "11", "11"},
        {"actionNext_file", "11", "00"},
        {"actionPrev_file", "11", "00"},
        {"actionAutoPick", "11", "00"},
        {"actionFilter", "11", "00"},
        {"actionAGC", "11", "00"},
        {"actionApply_DaZo", "11", "00"},
        {"menuProcessing", "11", "11"},
        {"actionRefraction", "11", "11"},
        {"actionDefine_model_velocity", "11", "11"},
        {"actionRun_tomography_inversion", "11", "11"},
        {"menuView", "11", "11"},
        {"actionShow_Tomographic_Profile", "00", "11"},
        {"actionShow_Information_Density_Layer", "00", "11"},
        {"actionShow_rays", "00", "11"},
        {"actionShow_refraction", "00", "00"},
        {"actionShow_Contour_Lines", "00", "11"},
        {"actionShow_scalarbar", "00", "11"},
        {"actionShow_Grid_Lines", "00", "11"},
        {"actionShow_title", "00", "11"},
        {"actionPalette", "00", "11"},
        {"actionReset_View", "00", "11"},
        {"menuShow_velocity_gradient", "00", "11"},
        {"actionVertical_Gradient", "00", "11"},
        {"actionLaplacian_Gradient", "00", "11"},
        {"menuShow_Geophones", "00", "11"},
        {"actionSmallGeo", "10", "11"},
        {"actionNormalGeo", "10", "11"},
        {"actionLargeGeo", "10", "11"},
        {"menuHelp", "11", "11"},
        {"actionUser_guide", "11", "11"},
        {"actionHelp", "11", "11"},
        {"actionAbout", "11", "11"},
        {"actionFill_wiggle", "00", "00"},
        {"Zoom In", "10", "00"},
        {"Zoom Out", "10", "00"},
        {"Zoom Time In", "10", "00"},
        {"Zoom Time Out", "10", "00"},
    };
    auto compare = [&](const char* Row::*column, const char* state) {
        SCOPED_TRACE(state);
        const std::map<QString, windowtest::MenuItemState> items = windowtest::walkActions(w);
        EXPECT_EQ(items.size(), std::size(rows)) << "the walk and the table disagree";
        for (const Row& row : rows) {
            auto it = items.find(row.name);
            ASSERT_NE(it, items.end()) << "missing " << row.name;
            const char* want = row.*column;
            EXPECT_EQ(it->second.enabled, want[0] == '1') << row.name;
            EXPECT_EQ(it->second.reachable, want[1] == '1') << row.name;
        }
    };

    loadThree(w);
    compare(&Row::loaded, "loaded");
    EXPECT_TRUE(w.ui->tabWidget->isEnabled());
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 0);
    EXPECT_TRUE(w.ui->tabWidget->isTabEnabled(0));
    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(1)) << "no picks yet";
    EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(2));

    pickTrueFirstBreaks(w);
    runInversion(w, 1);
    compare(&Row::computed, "computed");
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 2);
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_TRUE(w.ui->tabWidget->isTabEnabled(tab)) << "tab " << tab;
    EXPECT_TRUE(w.ui->showSimTT_CB->isEnabled());

    // A New that reads nothing leaves the computed survey and its actions.
    const std::string dir = testenv::freshDir("none");
    testenv::writeText(dir + "/broken.sg2", "no SEG2 block identifier here");
    DialogScript failing({{"QMessageBox", nullptr, pressButton(QMessageBox::Discard)},
                          openShotsStep(QString::fromStdString(dir), {"broken.sg2"}),
                          {"QMessageBox", "Error occured", pressButton(QMessageBox::Ok)}});
    w.ui->actionNew->trigger();
    failing.expectDone();
    compare(&Row::computed, "after a New that read nothing");
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 2);
}

// ---- The log names every command ----

TEST(CommandLog, EveryMenuAndToolBarCommandNamesItself)
{
    FreshHome home;
    auto window = invertedThree(home);
    Tervanelo_MainWindows& w = *window;

    // Each command of the menus and the tool bars with the slot it names;
    // Exit ends the event loop for good and has its own program. They run in
    // menu order, each once, so that every build runs the same sequence.
    std::vector<std::pair<QAction*, QString>> commands;
    std::set<QAction*> listed;
    auto add = [&](QAction* a, const QString& slot) {
        if (listed.insert(a).second)
            commands.emplace_back(a, slot);
    };
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions())
            if (a->menu())
                walk(a->menu());
            else if (!a->isSeparator() && a != w.ui->actionExit)
                add(a, "on_" + a->objectName() + "_triggered");
    };
    for (QAction* a : w.menuBar()->actions())
        walk(a->menu());
    for (QToolBar* bar : {w.ui->mainToolBar, w.ui->toolBar})
        for (QAction* a : bar->actions())
            if (!a->isSeparator() && !qobject_cast<QWidgetAction*>(a))
                add(a, "on_" + a->objectName() + "_triggered");
    add(w.zoomInAction, "on_actionZoom_in_traces_triggered");
    add(w.zoomOutAction, "on_actionZoom_out_traces_triggered");
    add(w.zoomTimeInAction, "on_actionZoomT_in_traces_triggered");
    add(w.zoomTimeOutAction, "on_actionZoomT_out_traces_triggered");
    ASSERT_GE(commands.size(), 45u) << "the walk found the menus and tool bars";

    // Whatever a command asks is declined. With no program to open documents
    // on the path, the help commands start nothing.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(testenv::freshDir("no_programs")));
    ModalWatcher decline([](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    for (const auto& [action, slot] : commands) {
        const std::string line = "Tervanelo_MainWindows::" + slot.toStdString();
        const int before = windowtest::countOccurrences(home.logFile(), line);
        action->setEnabled(true);
        action->trigger();
        EXPECT_GT(windowtest::countOccurrences(home.logFile(), line), before) << line;
    }
    qputenv("PATH", path);
    EXPECT_EQ(windowtest::countOccurrences(home.logFile(), "operator()"), 0);
}

// ---- Modified flag and the question before a survey is replaced ----

struct ModifyingCommand {
    const char* name;
    std::function<void(Tervanelo_MainWindows&)> run;
};

TEST(ModifiedSurvey, EveryChangeAsksBeforeTheSurveyIsReplaced)
{
    const ModifyingCommand commands[] = {
        {"geometry",
         [](Tervanelo_MainWindows& w) {
             DialogScript s({geometryOkStep(), {"gridDialog", "Grid Settings", rejectDialog()}});
             w.ui->actionGeometry->trigger();
             s.expectDone();
         }},
        {"grid",
         [](Tervanelo_MainWindows& w) {
             DialogScript s({gridStep(2.0, 10.0)});
             w.ui->actionGrid->trigger();
             s.expectDone();
         }},
        {"model velocity",
         [](Tervanelo_MainWindows& w) {
             DialogScript s({{"select_speed_Dialog", nullptr, pressOk()}});
             w.ui->actionDefine_model_velocity->trigger();
             s.expectDone();
             EXPECT_EQ(w.document.velocityLayers.size(), 1u);
         }},
        {"inversion",
         [](Tervanelo_MainWindows& w) {
             pickTrueFirstBreaks(w);
             runInversion(w, 1);
         }},
        {"auto pick", [](Tervanelo_MainWindows& w) { w.ui->actionAutoPick->trigger(); }},
        {"hand pick",
         [](Tervanelo_MainWindows& w) {
             drawTraces* view = w.ui->widget_3;
             // Inside the fourth of the 24 trace columns, below the top of the traces.
             const double column = (view->width() - 110.0) / 24.0;
             QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(int(55 + 3.5 * column), 200));
         }},
        {"title",
         [](Tervanelo_MainWindows& w) {
             DialogScript s({{"setProjectTitle", nullptr, [](QWidget* d) {
                                  d->findChild<QLineEdit*>("titleEdit")->setText("Linea 2");
                                  pressOk()(d);
                              }}});
             w.ui->actionSet_title->trigger();
             s.expectDone();
         }},
        {"palette",
         [](Tervanelo_MainWindows& w) {
             DialogScript s({{"PaletteDialog", nullptr, pressOk()}});
             w.ui->actionPalette->trigger();
             s.expectDone();
         }},
    };
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    bool viaImport = false;
    for (const ModifyingCommand& c : commands) {
        SCOPED_TRACE(c.name);
        loadThree(w);
        ASSERT_FALSE(w.document.modified);
        c.run(w);
        EXPECT_TRUE(w.document.modified);
        EXPECT_EQ(w.windowTitle(), "Tervanelo 2022.0") << "no marks without a project file";

        const Grid* grid = w.document.grid.get();
        const std::vector<double> picks = w.document.ttArray[0].ttMisurati;

        // Save, then a cancelled file dialog: nothing is replaced and no
        // seismic file dialog opens.
        DialogScript unsaved({{"QMessageBox", nullptr, pressButton(QMessageBox::Save)},
                              {"QFileDialog", "Save Project", rejectDialog()}});
        (viaImport ? w.ui->actionLoad_TT : w.ui->actionNew)->trigger();
        unsaved.expectDone();
        EXPECT_EQ(w.document.traceSets.size(), 3u);
        EXPECT_EQ(w.document.grid.get(), grid);
        EXPECT_EQ(w.document.ttArray[0].ttMisurati, picks);
        EXPECT_TRUE(w.document.modified);
        EXPECT_FALSE(w.projectIsOpen);

        MessageSeen seen;
        DialogScript question({{"QMessageBox", nullptr, pressButton(QMessageBox::Cancel, &seen)}});
        (viaImport ? w.ui->actionLoad_TT : w.ui->actionNew)->trigger();
        question.expectDone();
        EXPECT_EQ(seen.text, "The document has been modified");
        EXPECT_EQ(seen.informative, "Do you want to save your changes?");
        EXPECT_EQ(w.document.traceSets.size(), 3u) << "Cancel changes nothing";
        EXPECT_EQ(w.document.grid.get(), grid);
        EXPECT_TRUE(w.document.modified);
        viaImport = !viaImport;

        // Discard lets the next survey in.
        DialogScript discard({{"QMessageBox", nullptr, pressButton(QMessageBox::Discard)},
                              openShotsStep(threeShotFolder(), threeShotFiles()),
                              geometryOkStep(),
                              gridStep(2.0, 12.0)});
        w.ui->actionNew->trigger();
        discard.expectDone();
        EXPECT_FALSE(w.document.modified);
    }
}

// The title element of a saved project, read with Python's zipfile and
// Qt's stream reader, which share no code with the writer.
QByteArray savedTitle(const std::string& project)
{
    QProcess python;
    python.start("python3",
                 {"-c",
                  "import sys, zipfile\n"
                  "sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read('tomodoc.xml'))",
                  QString::fromStdString(project)});
    EXPECT_TRUE(testenv::waitForTool(python));
    QXmlStreamReader xml(python.readAllStandardOutput());
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("title"))
            return xml.readElementText().toUtf8();
    }
    ADD_FAILURE() << "no title in " << project;
    return {};
}

TEST(ProjectTitle, MarkedWhileUnsavedAndSavedAsUtf8)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThree(w);
    const QString dir = QString::fromStdString(testenv::freshDir("P"));
    const std::string project = dir.toStdString() + "/a.tervo";
    DialogScript save({{"QFileDialog", "Save Project", saveAs(dir + "/a")}});
    w.ui->actionSave_Project_As->trigger();
    save.expectDone();
    const QString saved = "Tervanelo 2022.0 - " + dir + "/a.tervo";
    EXPECT_EQ(w.windowTitle(), saved);
    EXPECT_FALSE(w.document.modified);

    const QString title = QString::fromUtf8("Sezione \u2013 Localit\u00e0");
    DialogScript set({{"setProjectTitle", nullptr, [&](QWidget* d) {
                           d->findChild<QLineEdit*>("titleEdit")->setText(title);
                           pressOk()(d);
                       }}});
    w.ui->actionSet_title->trigger();
    set.expectDone();
    EXPECT_TRUE(w.document.modified);
    EXPECT_EQ(w.windowTitle(), saved + " * ");

    DialogScript none({});
    ASSERT_TRUE(w.ui->actionSave_Project->isEnabled());
    w.ui->actionSave_Project->trigger();
    none.expectDone();
    EXPECT_FALSE(w.document.modified);
    EXPECT_EQ(w.windowTitle(), saved);
    EXPECT_EQ(savedTitle(project), title.toUtf8());
}

// New, AutoPick, Grid, Run, Set title, Save As, New again and Load Project:
// the survey comes back bit for bit, its computed times included, because
// the run traced the grid it shows.
TEST(ProjectRoundTrip, ThroughTheCommands)
{
    FreshHome home;
    auto window = startSurveyWindow(home, true);
    Tervanelo_MainWindows& w = *window;
    TomoDocument& doc = w.document;
    loadThree(w);
    w.ui->actionAutoPick->trigger();
    DialogScript grid({gridStep(2.0, 12.0)});
    w.ui->actionGrid->trigger();
    grid.expectDone();
    runInversion(w, 2);
    const std::string title = " Linea \xC3\xA8 & <1> ";
    DialogScript set(
        {{"setProjectTitle", nullptr, [&](QWidget* d) {
              d->findChild<QLineEdit*>("titleEdit")->setText(QString::fromStdString(title));
              pressOk()(d);
          }}});
    w.ui->actionSet_title->trigger();
    set.expectDone();

    const QString dir = QString::fromStdString(testenv::freshDir("P"));
    DialogScript save({{"QFileDialog", "Save Project", saveAs(dir + "/survey")}});
    w.ui->actionSave_Project_As->trigger();
    save.expectDone();
    ASSERT_TRUE(w.projectIsOpen);
    std::vector<std::vector<double>> picks, computed;
    for (const TravelTime& tt : doc.ttArray) {
        picks.push_back(tt.ttMisurati);
        computed.push_back(tt.ttCalcolati);
    }
    const std::vector<double> slowness = slownessOf(*doc.grid);
    const double rmse = doc.RMSE_tomography;
    std::vector<std::string> palettes;
    for (const ColorPalette& p : w.paletteList.palettes)
        palettes.push_back(p.name);

    loadThree(w);
    ASSERT_FALSE(w.projectIsOpen);
    DialogScript open({{"QFileDialog", nullptr, chooseFiles(dir, {"survey.tervo"})}});
    w.ui->actionLoad_Project->trigger();
    open.expectDone();
    ASSERT_TRUE(w.projectIsOpen);
    ASSERT_EQ(doc.ttArray.size(), picks.size());
    for (size_t i = 0; i < picks.size(); ++i) {
        EXPECT_EQ(std::memcmp(doc.ttArray[i].ttMisurati.data(), picks[i].data(),
                              picks[i].size() * sizeof(double)),
                  0);
        ASSERT_EQ(doc.ttArray[i].ttCalcolati.size(), computed[i].size());
        EXPECT_EQ(std::memcmp(doc.ttArray[i].ttCalcolati.data(), computed[i].data(),
                              computed[i].size() * sizeof(double)),
                  0);
    }
    ASSERT_TRUE(doc.grid);
    const std::vector<double> reopened = slownessOf(*doc.grid);
    ASSERT_EQ(reopened.size(), slowness.size());
    EXPECT_EQ(std::memcmp(reopened.data(), slowness.data(), slowness.size() * sizeof(double)), 0);
    EXPECT_EQ(doc.RMSE_tomography, rmse);
    EXPECT_EQ(doc.title, title);
    std::vector<std::string> reopenedPalettes;
    for (const ColorPalette& p : w.paletteList.palettes)
        reopenedPalettes.push_back(p.name);
    EXPECT_EQ(reopenedPalettes, palettes);
    EXPECT_TRUE(w.ui->tabWidget->isTabEnabled(2));
    EXPECT_TRUE(w.ui->vtk_widget->structuredGrid);
}

// ---- History ----

TEST(History, FolderWithAccentsSurvivesARestart)
{
    FreshHome home;
    const std::string folder = testenv::freshDir("Località");
    std::filesystem::copy_file(fixturePath("three/a.sg2"), folder + "/a.sg2");
    const QString expected = QString::fromUtf8(folder.c_str());

    auto nextDialogFolder = [&](Tervanelo_MainWindows& w) {
        QString seen;
        DialogScript script({{"QFileDialog", "Open TravelTimeExchange", [&](QWidget* d) {
                                  seen = qobject_cast<QFileDialog*>(d)->directory().absolutePath();
                                  rejectDialog()(d);
                              }}});
        w.ui->actionLoad_TT->trigger();
        script.expectDone();
        return seen;
    };
    {
        auto window = startSurveyWindow(home);
        loadShots(*window, expected, {"a.sg2"}, 2.0, 12.0);
        EXPECT_EQ(testenv::readText(home.workFolder() + "Tervanelo_history.txt"), folder);
        EXPECT_EQ(nextDialogFolder(*window), expected);
    }
    auto restarted = startSurveyWindow(home);
    EXPECT_EQ(nextDialogFolder(*restarted), expected);
}

// ---- Travel-time export ----

TEST(ExportTravelTimes, WritesTheFileOrSaysWhyNot)
{
    FreshHome home;
    auto window = startSurveyWindow(home);
    Tervanelo_MainWindows& w = *window;
    loadThree(w);
    pickTrueFirstBreaks(w);
    const std::string dir = testenv::freshDir("export");
    const std::string reference = dir + "/reference.otte";
    ASSERT_EQ(exportTravelTimesOtte(w.document, reference), 0);

    struct {
        const char* name;
        std::string typed;   // empty: cancel
        std::string written; // file expected afterwards, empty for none
        bool warning;
        bool breakRecord;
    } cases[] = {
        {"cancel", "", "", false, false},
        {"suffix added", dir + "/picks", dir + "/picks.otte", false, false},
        {"missing folder", dir + "/missing/picks.otte", "", true, false},
        {"picks that do not fit their spread", dir + "/short.otte", "", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.breakRecord)
            w.document.ttArray[1].ttMisurati.pop_back();
        MessageSeen seen;
        std::vector<DialogScript::Step> steps = {
            {"QFileDialog", "Save TravelTimeExchange",
             c.typed.empty() ? rejectDialog() : saveAs(QString::fromStdString(c.typed))}};
        if (c.warning)
            steps.push_back({"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)});
        DialogScript script(steps);
        ASSERT_TRUE(w.ui->actionExport_TravelTimes->isEnabled());
        w.ui->actionExport_TravelTimes->trigger();
        script.expectDone();
        if (!c.written.empty()) {
            EXPECT_EQ(testenv::readText(c.written), testenv::readText(reference));
        }
        if (c.warning) {
            EXPECT_TRUE(seen.text.contains(QString::fromStdString(c.typed)))
                << seen.text.toStdString();
            EXPECT_FALSE(std::filesystem::exists(c.typed));
        }
        if (c.breakRecord) {
            EXPECT_TRUE(seen.text.contains("shot 2")) << seen.text.toStdString();
        }
    }
}

} // namespace
