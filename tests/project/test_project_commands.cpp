// The project commands of the main window, driven through its actions with
// every dialog answered by a watcher: Save Project As, Save Project, Load
// Project, the log dialog, and the Save answers of the close question and of
// the unsaved-changes question. Saved files are checked by projectzip.py.

#include "windowfixture.h"

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "grid.h"
#include "load_project.h"
#include "projecttestutil.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "save_project_log_dialog.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <sys/resource.h>

using namespace windowtest;
using projecttest::checkProject;
using projecttest::listing;
using projecttest::sameBits;

namespace
{

// ---- answering the dialogs -------------------------------------------------

// One expected modal dialog: its class and what to do with it.
struct Answer {
    QString className;
    std::function<void(QWidget*)> act;
};

Answer chooseFile(const std::string& path)
{
    return {"QFileDialog", [path](QWidget* w) {
                auto* dialog = static_cast<QFileDialog*>(w);
                dialog->selectFile(QString::fromStdString(path));
                QMetaObject::invokeMethod(dialog, "accept");
            }};
}

Answer cancelFileDialog()
{
    return {"QFileDialog", [](QWidget* w) { static_cast<QFileDialog*>(w)->reject(); }};
}

// A message box (or Confirm_File_Replace): its text is kept, then button.
Answer pressButton(const QString& className, QMessageBox::StandardButton button,
                   QString* text = nullptr)
{
    return {className, [button, text](QWidget* w) {
                auto* box = static_cast<QMessageBox*>(w);
                if (text)
                    *text = box->text();
                box->button(button)->click();
            }};
}

// Answers the modal dialogs in the expected order. The log dialog of a save
// or an open is left alone: it closes itself (a dialog that waited for the
// user would hang the test until its timeout), often before it is seen.
class Dialogs
{
public:
    explicit Dialogs(std::vector<Answer> answers)
        : answers(std::move(answers)), watcher([this](QWidget* w) { handle(w); })
    {
    }
    // The classes of the modals that came, in order.
    std::vector<QString> seen;
    bool allAnswered() const { return next == answers.size(); }

private:
    void handle(QWidget* w)
    {
        const QString name = QString::fromLatin1(w->metaObject()->className());
        seen.push_back(name);
        if (name == "SaveProjectLogDialog")
            return;
        if (next < answers.size() && answers[next].className == name) {
            answers[next++].act(w);
            return;
        }
        ADD_FAILURE() << "unexpected dialog " << name.toStdString();
        w->close();
    }

    std::vector<Answer> answers;
    size_t next = 0;
    ModalWatcher watcher;
};

// Calls fn whenever a widget of the named class is shown.
class ShowWatcher : public QObject
{
public:
    ShowWatcher(const char* className, std::function<void()> fn)
        : className(className), fn(std::move(fn))
    {
        qApp->installEventFilter(this);
    }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && className == watched->metaObject()->className())
            fn();
        return false;
    }

private:
    QByteArray className;
    std::function<void()> fn;
};

// ---- the window and its survey -----------------------------------------------

struct Window {
    FreshHome home;
    std::unique_ptr<Tervanelo_MainWindows> window;
    Tervanelo_MainWindows& w() { return *window; }
    std::string folder(const std::string& name) const
    {
        const std::string dir = home.path() + "/" + name;
        QDir().mkpath(QString::fromStdString(dir));
        return dir;
    }
};

std::unique_ptr<Window> openWindow()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto started = std::make_unique<Window>();
    writeCurrentSettings(started->home);
    started->window = std::move(startWindow().window);
    started->w().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&started->w()));
    return started;
}

// The survey New and the grid dialog leave behind: three SEG2 shots, their
// records and spreads, a grid under the topography, fresh refraction data.
void loadSurvey(Tervanelo_MainWindows& w, const std::string& shotDir)
{
    QStringList files;
    for (const char* name : {"s1.sg2", "s2.sg2", "s3.sg2"}) {
        const QString to = QString::fromStdString(shotDir + "/" + name);
        QFile::copy(QString::fromStdString(testenv::fixture(std::string("project/") + name)), to);
        files << to;
    }
    w.document = TomoDocument(w.logger);
    ASSERT_EQ(w.document.loadSeismicFiles(files), 0);
    w.document.buildTravelTimes();
    const double length = w.document.prepareProfile();
    ASSERT_TRUE(w.document.createGrid(12, 4, length / 12.0, 6));
    delete w.refractionData;
    w.refractionData = new refractionDataStructure(&w.document);
    w.refractionData->initFromDocument();
    w.updateActionsState(true);
    w.currentShot = 0;
    w.ui->widget_3->setDocument(&w.document);
    w.ui->widget_3->setShot(0);
    w.createTraceWidgets();
    w.ui->widget_2->setDocument(&w.document);
    w.ui->travelTimePreview->setDocument(&w.document);
    w.ui->vtk_widget->setDocument(&w.document);
    w.ui->vtk_widget->refractionData = w.refractionData;
}

// What the views point at: the single-shot view, both charts, the section
// view and its refraction data, and the first all-shots panel, if any.
std::vector<const void*> viewPointers(Tervanelo_MainWindows& w)
{
    std::vector<const void*> pointers = {
        w.ui->widget_3->document, w.ui->widget_2->document, w.ui->travelTimePreview->document,
        w.ui->vtk_widget->document, w.ui->vtk_widget->refractionData};
    try {
        pointers.push_back(w.ui->showTracesWidget->traceWidgetAt(0)->document);
    } catch (const std::out_of_range&) {
    }
    return pointers;
}

// Numbered sub-folders of the work folder.
std::vector<std::string> workSubFolders(const Window& win)
{
    std::vector<std::string> folders;
    for (const std::string& name : listing(win.home.workFolder()))
        if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos)
            folders.push_back(name);
    return folders;
}

// Save As through the command; true when the window reports it saved.
bool saveAs(Tervanelo_MainWindows& w, const std::string& path)
{
    Dialogs dialogs({chooseFile(path)});
    const bool saved = w.on_actionSave_Project_As_triggered();
    EXPECT_TRUE(dialogs.allAnswered());
    return saved;
}

// The folder made unwritable for root as well: moved aside with its
// contents, a regular file put in its place.
std::string blockFolder(const std::string& dir)
{
    const std::string aside = dir + ".aside";
    EXPECT_EQ(std::rename(dir.c_str(), aside.c_str()), 0);
    testenv::writeText(dir, "not a folder\n");
    return aside;
}

// Every file written past bytes fails (EFBIG) while it lives: no file of a
// project fits.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }

private:
    rlimit old{};
};

const QString errorBox = "QMessageBox";

// ---- the log dialog ------------------------------------------------------------

TEST(SaveProjectLogDialog, ListsTheStepsAndClosesAtTheEnd)
{
    {
        ProjectWriter writer;
        SaveProjectLogDialog dialog(&writer);
        EXPECT_EQ(dialog.objectName(), "SaveProjectLogDialog");
        EXPECT_EQ(dialog.size(), QSize(400, 300));
        emit writer.saved_tomo_xml();
        emit writer.saved_grid();
        emit writer.saved_traces();
        emit writer.saved_palettes();
        emit writer.saved_refraction(); // not listed
        emit writer.saved_compressed();
        EXPECT_EQ(dialog.result(), 0);
        emit writer.saved_completed();
        EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
        EXPECT_EQ(dialog.logText(), "SAVED XML\nSaving grid...\nSAVED GRID\nSaving traces...\n"
                                    "SAVED TRACES\nSaving palettes...\nSAVED PALETTES\n"
                                    "Compressing...\nCOMPRESSED\nRemoving temporary files...\n"
                                    "COMPLETED");
    }
    {
        projectReader reader;
        SaveProjectLogDialog dialog(&reader);
        emit reader.read_compressed();
        emit reader.read_tomo_xml();
        emit reader.read_grid();
        emit reader.read_traces();
        EXPECT_EQ(dialog.result(), 0);
        emit reader.read_palettes();
        EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
        EXPECT_EQ(dialog.logText(), "Extracted\nLoading XML\nLoaded XML\nLoading grid...\n"
                                    "Loaded GRID\nLoading traces...\nLoaded TRACES\n"
                                    "Loading palettes...\nLoaded PALETTES\n");
    }
    // A failed step is named.
    ProjectWriter writer;
    SaveProjectLogDialog dialog(&writer);
    emit writer.saved_tomo_xml();
    emit writer.error_saved_grid();
    EXPECT_TRUE(dialog.logText().endsWith("FAILED: grid.xml"));
}

// ---- Save As -------------------------------------------------------------------

TEST(ProjectCommands, SaveAsWritesTheProjectAndAsksBeforeReplacing)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    ColorPalette u1 = w.paletteList.palettes[0];
    u1.name = "U1";
    u1.is_editable = true;
    w.paletteList.palettes.push_back(u1);
    w.document.title = " Linea \xC3\xA8 & <1> ";
    w.setModified(true);

    const std::string p = win->folder("P");
    ASSERT_TRUE(saveAs(w, p + "/survey"));
    const std::string project = p + "/survey.tervo";
    const QJsonObject seen = checkProject(project, win->folder("shots"));
    EXPECT_EQ(seen["errors"].toArray(), QJsonArray());
    EXPECT_EQ(seen["entries"].toArray(),
              (QJsonArray{"tomodoc.xml", "grid.xml", "traces.xml", "palettes.xml", "s1.sg2",
                          "s2.sg2", "s3.sg2", "refraction.xml"}));
    EXPECT_EQ(seen["values"].toObject()["palettes.xml/palettes/value9/name"].toString(), "U1");
    EXPECT_EQ(w.windowTitle().toStdString(), "Tervanelo 2022.0 - " + project);
    EXPECT_FALSE(w.document.modified);
    EXPECT_TRUE(w.projectIsOpen);
    EXPECT_TRUE(workSubFolders(*win).empty());

    // "survey" again: the file dialog confirmed only the name without the
    // suffix, so the window asks about survey.tervo itself.
    const auto before = testenv::readBytes(project);
    w.document.title = "changed";
    {
        Dialogs dialogs(
            {chooseFile(p + "/survey"), pressButton("Confirm_File_Replace", QMessageBox::No)});
        EXPECT_FALSE(w.on_actionSave_Project_As_triggered());
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_EQ(testenv::readBytes(project), before);
    {
        Dialogs dialogs(
            {chooseFile(p + "/survey"), pressButton("Confirm_File_Replace", QMessageBox::Yes)});
        EXPECT_TRUE(w.on_actionSave_Project_As_triggered());
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_EQ(checkProject(project)["values"].toObject()["tomodoc.xml/title"].toString(),
              "changed");
}

// ---- saves that fail -----------------------------------------------------------

struct FailedSaveCase {
    const char* name;
    bool fileSizeLimit; // else the folder is blocked
    const char* reason; // part of the message's last paragraph
};

class FailedSave : public ::testing::TestWithParam<FailedSaveCase>
{
};

TEST_P(FailedSave, KeepsTheProjectAndTheUnsavedMark)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    std::string p = win->folder("P");
    ASSERT_TRUE(saveAs(w, p + "/survey"));
    const auto before = testenv::readBytes(p + "/survey.tervo");
    w.document.ttArray[0].ttMisurati[1] = 0.0123; // one pick edited
    w.setModified(true);

    if (!GetParam().fileSizeLimit)
        p = blockFolder(p);
    QString text;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (GetParam().fileSizeLimit)
            limit = std::make_unique<FileSizeLimit>(4096);
        Dialogs dialogs({pressButton(errorBox, QMessageBox::Ok, &text)});
        w.ui->actionSave_Project->trigger();
        EXPECT_TRUE(dialogs.allAnswered());
    }
    const std::string told = "Something went wrong while saving project " + w.projectFile +
                             "\n\nWARNING: the project has NOT been saved.\n\n";
    EXPECT_EQ(text.toStdString().substr(0, told.size()), told);
    EXPECT_NE(text.toStdString().find(GetParam().reason, told.size()), std::string::npos)
        << text.toStdString();
    EXPECT_EQ(testenv::readBytes(p + "/survey.tervo"), before);
    EXPECT_TRUE(w.windowTitle().endsWith(" * "));
    EXPECT_TRUE(w.document.modified);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(workSubFolders(*win).size() <= 1); // at most the open project's
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedSave,
    ::testing::Values(FailedSaveCase{"FolderReadOnly", false, "survey.tervo cannot be"},
                      FailedSaveCase{"DiskFull", true, "cannot be written in"}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- projects that do not open ---------------------------------------------------

struct FailedOpenCase {
    const char* name;
    // Makes the damaged project from a valid one; returns its path.
    std::function<std::string(const std::string& valid, const std::string& dir)> make;
    const char* extra; // after " is not a valid project."
};

const FailedOpenCase failedOpenCases[] = {
    {"TextFile",
     [](const std::string&, const std::string& dir) {
         testenv::writeText(dir + "/x.tervo", "not a project\n");
         return dir + "/x.tervo";
     },
     "\n\nthe file is not a zip archive that can be read (Not a zip archive)"},
    // The window would drop the grid, and the next save would not open.
    {"ReceiverNotANumber",
     [](const std::string& valid, const std::string& dir) {
         projecttest::editProject(
             valid, dir + "/p.tervo",
             QJsonArray{QJsonObject{
                 {"op", "xml"},
                 {"name", "tomodoc.xml"},
                 {"ops", QJsonArray{QJsonObject{{"op", "set"},
                                                {"path", "goephonesStringSet/value0/value1/x"},
                                                {"text", "nan"}}}}}});
         return dir + "/p.tervo";
     },
     "\n\ntomodoc.xml: receiver 1 of spread 0 has a position that is not a number"},
    {"UnsupportedShotFile",
     [](const std::string& valid, const std::string& dir) {
         projecttest::editProject(
             valid, dir + "/p.tervo",
             QJsonArray{QJsonObject{{"op", "rename"}, {"from", "s1.sg2"}, {"to", "s1.txt"}},
                        QJsonObject{{"op", "replace"},
                                    {"name", "traces.xml"},
                                    {"old", ">s1.sg2<"},
                                    {"new", ">s1.txt<"}}});
         return dir + "/p.tervo";
     },
     "\n\nError while loading traces: Invalid file format."},
    {"NoSampleInterval",
     [](const std::string& valid, const std::string& dir) {
         projecttest::editProject(
             valid, dir + "/p.tervo",
             QJsonArray{QJsonObject{{"op", "put"},
                                    {"name", "s2.sg2"},
                                    {"file", QString::fromStdString(testenv::fixture(
                                                 "project/s2_bad_interval.sg2"))}}});
         return dir + "/p.tervo";
     },
     "\n\na shot file of the project cannot be read"},
    {"EntryLeavingTheFolder",
     [](const std::string& valid, const std::string& dir) {
         (void)valid;
         testenv::writeText(dir + "/tomodoc.xml", "<cereal/>\n");
         projecttest::projectZip(
             {"hostile", "name:../evil.txt", dir + "/evil.tervo", dir + "/tomodoc.xml"});
         return dir + "/evil.tervo";
     },
     "\n\nthe entry \"../evil.txt\" is not a plain file name"},
    // Reading it fails with an I/O error, for root as well.
    {"Unreadable",
     [](const std::string&, const std::string& dir) {
         std::filesystem::create_symlink("/proc/self/mem", dir + "/unreadable.tervo");
         return dir + "/unreadable.tervo";
     },
     "\n\nthe file is not a zip archive that can be read (Not a zip archive)"},
};

class FailedOpen : public ::testing::TestWithParam<FailedOpenCase>
{
};

// After Discard, a project that cannot be opened leaves the survey, its
// views, its project and its modified mark as they were.
TEST_P(FailedOpen, KeepsTheSurveyItsViewsAndItsMark)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    const std::string p = win->folder("P");
    ASSERT_TRUE(saveAs(w, p + "/survey"));
    const std::string damaged = GetParam().make(p + "/survey.tervo", win->folder("damaged"));
    w.setModified(true);
    const std::vector<const void*> views = viewPointers(w);
    const Grid* grid = w.document.grid.get();
    const refractionDataStructure* refraction = w.refractionData;
    const QString title = w.windowTitle();
    const int tab = w.ui->tabWidget->currentIndex();

    QString text;
    {
        Dialogs dialogs({pressButton(errorBox, QMessageBox::Discard), chooseFile(damaged),
                         pressButton(errorBox, QMessageBox::Ok, &text)});
        w.ui->actionLoad_Project->trigger();
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_EQ(text.toStdString(), damaged + " is not a valid project." + GetParam().extra);
    EXPECT_EQ(w.document.traceSets.size(), 3u);
    EXPECT_EQ(w.document.grid.get(), grid);
    EXPECT_EQ(w.refractionData, refraction);
    EXPECT_EQ(viewPointers(w), views);
    EXPECT_TRUE(w.document.modified);
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_TRUE(w.projectIsOpen);
    EXPECT_EQ(w.projectFile, p + "/survey.tervo");
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), tab);
    EXPECT_TRUE(w.ui->actionSave_Project->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(win->home.workFolder() + "evil.txt")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(win->home.path() + "/evil.txt")));
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedOpen, ::testing::ValuesIn(failedOpenCases),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- refraction data reset at the open -------------------------------------------

// Values no build of the survey gives: the project opens with fresh refraction
// data, and one box says so, with the reason, over the survey just opened.
TEST(ProjectCommands, RefractionDataResetAtOpenAreReportedAfterTheSwap)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    const std::string p = win->folder("P");
    ASSERT_TRUE(saveAs(w, p + "/survey"));
    const std::string damaged = win->folder("damaged") + "/p.tervo";
    projecttest::editProject(
        p + "/survey.tervo", damaged,
        QJsonArray{QJsonObject{
            {"op", "xml"},
            {"name", "refraction.xml"},
            {"ops", QJsonArray{QJsonObject{
                        {"op", "set"}, {"path", "refractData/v1"}, {"text", "nan"}}}}}});
    w.setModified(false);

    QString text;
    bool swapped = false;
    {
        Dialogs dialogs({chooseFile(damaged), {errorBox, [&](QWidget* d) {
                                                   auto* box = static_cast<QMessageBox*>(d);
                                                   text = box->text();
                                                   swapped = w.projectFile == damaged;
                                                   box->button(QMessageBox::Ok)->click();
                                               }}});
        w.ui->actionLoad_Project->trigger();
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_EQ(text, "The refraction data do not match the current survey: they have been reset, "
                    "and their layer assignments and results are lost.\n\n"
                    "v1 is not a velocity in (0, 1e6] m/s");
    EXPECT_TRUE(swapped) << "the box comes over the opened survey";
    EXPECT_TRUE(w.projectIsOpen);
    ASSERT_NE(w.refractionData, nullptr);
    EXPECT_EQ(w.refractionData->refractData.v1, 0.0);
    EXPECT_TRUE(fitsDocument(*w.refractionData, w.document));
}

// ---- the Save answer of the unsaved-changes question -----------------------------

// Load with the survey modified, answer Save: a cancelled or failed save
// stops the command before the open's file dialog, and the survey stays.
TEST(ProjectCommands, LoadGoesOnOnlyAfterASuccessfulSave)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    w.setModified(true);
    const std::string blocked = win->folder("blocked");
    blockFolder(blocked);

    struct Row {
        const char* name;
        std::vector<Answer> answers;
    };
    QString error;
    const std::vector<Row> rows = {
        {"cancelled", {pressButton(errorBox, QMessageBox::Save), cancelFileDialog()}},
        {"failed",
         {pressButton(errorBox, QMessageBox::Save), chooseFile(blocked + "/x.tervo"),
          pressButton(errorBox, QMessageBox::Ok, &error)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Dialogs dialogs(row.answers);
        w.ui->actionLoad_Project->trigger();
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(w.document.traceSets.size(), 3u);
        EXPECT_TRUE(w.document.modified);
        EXPECT_FALSE(w.projectIsOpen);
    }
    EXPECT_TRUE(error.startsWith("Something went wrong while saving project "));
}

// ---- the Save answer of the close question ----------------------------------------

TEST(ProjectCommands, CloseAfterASuccessfulSaveOnly)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    w.setModified(true);
    const std::string blocked = win->folder("blocked");
    blockFolder(blocked);
    const std::string p = win->folder("P");

    {
        Dialogs dialogs({pressButton(errorBox, QMessageBox::Save), cancelFileDialog()});
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(dialogs.allAnswered());
    }
    {
        Dialogs dialogs({pressButton(errorBox, QMessageBox::Save), chooseFile(blocked + "/x"),
                         pressButton(errorBox, QMessageBox::Ok)});
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_TRUE(w.isVisible());
    {
        Dialogs dialogs({pressButton(errorBox, QMessageBox::Save), chooseFile(p + "/x")});
        EXPECT_TRUE(w.close());
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(p + "/x.tervo")));
}

// ---- a whole round trip ----------------------------------------------------------

TEST(ProjectCommands, AnInvertedSurveyOpensAsSaved)
{
    auto win = openWindow();
    Tervanelo_MainWindows& w = win->w();
    loadSurvey(w, win->folder("shots"));
    TomoDocument& doc = w.document;
    for (uint32_t set = 0; set < doc.traceSets.size(); ++set)
        for (uint32_t trace = 0; trace < doc.traceSets[set].traces.size(); ++trace)
            doc.autoPickTrace(trace, set, false);
    for (int iteration = 0; iteration < 2; ++iteration)
        ASSERT_FALSE(doc.runTomography(2, 1, false, true, 0).empty());
    doc.computeRayPaths(); // the run traces its final grid
    doc.RMSE_tomography = 4.75;
    doc.title = " Linea \xC3\xA8 & <1> ";
    w.updateActionsState(true);

    const std::string p = win->folder("P");
    ASSERT_TRUE(saveAs(w, p + "/survey"));
    std::vector<std::vector<double>> picks, computed;
    for (const TravelTime& tt : doc.ttArray) {
        picks.push_back(tt.ttMisurati);
        computed.push_back(tt.ttCalcolati);
    }
    std::vector<double> slowness;
    for (const GridCell& cell : doc.grid->cells)
        slowness.push_back(cell.slowness);
    const std::vector<ColorPalette> palettes = w.paletteList.palettes;

    // The reader builds the new survey apart: while it runs, the views keep
    // showing the current one, whole. Sampled when the log dialog shows, once
    // the reader's thread has started: a timer in the dialog's loop could
    // miss a fast open altogether.
    const std::vector<const void*> before = viewPointers(w);
    EXPECT_EQ(before.size(), 6u);
    std::vector<std::vector<const void*>> samples;
    ShowWatcher logShown("SaveProjectLogDialog", [&] { samples.push_back(viewPointers(w)); });
    {
        Dialogs dialogs({chooseFile(p + "/survey.tervo")});
        w.ui->actionLoad_Project->trigger();
        EXPECT_TRUE(dialogs.allAnswered());
    }
    ASSERT_FALSE(samples.empty());
    for (const auto& sample : samples)
        EXPECT_EQ(sample, before);

    ASSERT_TRUE(w.projectIsOpen);
    ASSERT_EQ(doc.ttArray.size(), picks.size());
    for (size_t i = 0; i < picks.size(); ++i) {
        EXPECT_TRUE(sameBits(doc.ttArray[i].ttMisurati, picks[i]));
        EXPECT_TRUE(sameBits(doc.ttArray[i].ttCalcolati, computed[i]));
    }
    ASSERT_TRUE(doc.grid);
    std::vector<double> reopened;
    for (const GridCell& cell : doc.grid->cells)
        reopened.push_back(cell.slowness);
    EXPECT_TRUE(sameBits(reopened, slowness));
    EXPECT_EQ(doc.RMSE_tomography, 4.75);
    EXPECT_EQ(doc.title, " Linea \xC3\xA8 & <1> ");
    ASSERT_EQ(w.paletteList.palettes.size(), palettes.size());
    for (size_t k = 0; k < palettes.size(); ++k)
        EXPECT_EQ(w.paletteList.palettes[k].name, palettes[k].name);
    EXPECT_TRUE(w.ui->tabWidget->isTabEnabled(2));
    EXPECT_TRUE(w.ui->vtk_widget->structuredGrid);
    // Every view is given the document again, and the section the refraction data.
    EXPECT_EQ(w.ui->widget_3->document, &doc);
    EXPECT_EQ(w.ui->vtk_widget->document, &doc);
    EXPECT_EQ(w.ui->vtk_widget->refractionData, w.refractionData);
    EXPECT_EQ(w.ui->showTracesWidget->traceWidgetAt(2)->document, &doc);
    // The open project's files, in a locked sub-folder of the work folder.
    EXPECT_EQ(workSubFolders(*win).size(), 1u);
}

} // namespace
