// The export commands through the window: refusals, failure boxes, the image
// series order and the reports' pictures, with a section renderer that needs
// no GL (it writes plain PNGs and logs its calls).

#include "exportcontroller.h"
#include "grid.h"
#include "surveyharness.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "toolprocess.h"
#include "ui_tervanelo_mainwindows.h"
#include "windowsurvey.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace commandtest;

namespace
{

class FakeRenderer : public SectionRenderer
{
public:
    FakeRenderer(std::vector<int>* calls, std::vector<SectionPicture>* pictures, bool writes)
        : calls(calls), pictures(pictures), writes(writes)
    {
    }
    void setContourLabelMinPoints(int) override {}
    bool renderPicture(const SectionPicture& picture, const std::string& path) override
    {
        calls->push_back(sectiontypes::value(picture.type));
        pictures->push_back(picture);
        if (!writes)
            return false;
        QImage image(picture.width, 1500, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image.save(QString::fromStdString(path), "PNG");
    }
    bool saveScreenshot(const std::string&, double) override { return false; }
    int showType() const override { return 2; }
    std::pair<double, double> velocityRange() const override { return {300, 2500}; }

private:
    std::vector<int>* calls;
    std::vector<SectionPicture>* pictures;
    bool writes;
};

// Answers the options dialog with only the named pictures checked.
DialogScript::Answer keepOnly(std::vector<std::string> keep)
{
    return [keep](QWidget* d) {
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
            const std::string name = b->objectName().toStdString();
            if (name.rfind("check", 0) != 0 || !b->isChecked())
                continue;
            if (std::find(keep.begin(), keep.end(), name) == keep.end())
                b->click();
        }
        pressOk()(d);
    };
}

struct ExportWindow {
    windowtest::FreshHome home;
    std::unique_ptr<Tervanelo_MainWindows> w = surveytest::startWindow(home);
    std::vector<int> calls;
    std::vector<SectionPicture> pictures;
    void useFakeRenderer(bool writes = true)
    {
        w->exportController().setRenderer(
            std::make_unique<FakeRenderer>(&calls, &pictures, writes));
    }
};

TEST(GeographyCommand, AcceptedReferenceIsStoredAndMarksTheSurvey)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), false);
    e.w->setModified(false);
    DialogScript script({{"setGeographyDialog", nullptr, [](QWidget* d) {
                              const char* edits[] = {"estFstGeoph", "estLstGeoph", "northFstGeoph",
                                                     "northLstGeoph", "epsgEdit"};
                              const char* typed[] = {"11", "22", "33", "44", "6708"};
                              for (int i = 0; i < 5; ++i)
                                  d->findChild<QLineEdit*>(edits[i])->setText(typed[i]);
                              pressOk()(d);
                          }}});
    e.w->on_actionSet_geography_coordinates_triggered();
    script.expectDone();
    const geographicsCoord& g = e.w->document.geoCoord;
    EXPECT_EQ(g.mEastFstGeoph, 11);
    EXPECT_EQ(g.mEastLstGeoph, 22);
    EXPECT_EQ(g.mNorthFstGeoph, 33);
    EXPECT_EQ(g.mNorthLstGeoph, 44);
    EXPECT_EQ(g.CRS, 6708u);
    EXPECT_TRUE(e.w->document.geoCoord_isSet);
    EXPECT_TRUE(e.w->document.modified);
}

TEST(KmlCommands, SystemsThatCannotBeConvertedAreRefused)
{
    for (const uint32_t code : {0u, 999999u, 4326u}) {
        SCOPED_TRACE(code);
        ExportWindow e;
        surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
        e.w->document.setGeoCoord(500000, 500100, 4649776.224, 4649776.224, code);
        const std::string dir = testenv::freshDir("kml");
        testenv::writeText(dir + "/old.kml", "old bytes");
        MessageSeen seen;
        DialogScript script(
            {{"QFileDialog", "Export Seismic Line to KML",
              saveAs(QString::fromStdString(dir + "/old.kml"))},
             {"QMessageBox", "Export Seismic Line to KML", pressButton(QMessageBox::Yes)},
             {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
        e.w->on_actionExportSeismic_line_triggered();
        script.expectDone();
        EXPECT_EQ(seen.text, QString("EPSG code %1 cannot be converted, data cannot be exported in "
                                     "KML format")
                                 .arg(code));
        EXPECT_EQ(testenv::readText(dir + "/old.kml"), "old bytes");
    }
}

TEST(KmlCommands, MissingReferenceOrGridAndUnwritableTargets)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), false);
    MessageSeen seen;
    {
        DialogScript script({{"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
        e.w->on_actionExportSeismic_line_triggered();
        script.expectDone();
        EXPECT_EQ(seen.text,
                  "Geographical coordinates are missing, data cannot be exported in KML format");
    }
    e.w->document.setGeoCoord(500000, 500100, 4649776.224, 4649776.224, 32633);
    {
        DialogScript script({{"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
        e.w->on_actionExportTomographic_profile_2_KML_triggered();
        script.expectDone();
        EXPECT_EQ(seen.text, "No tomographic grid: data cannot be exported in KML format");
    }
    const std::string dir = testenv::freshDir("kmlfail");
    // A folder that does not exist, and a full disk through a link (the file
    // dialog would add ".kml" to "/dev/full", and asks before it names an
    // existing file).
    std::filesystem::create_symlink("/dev/full", dir + "/full.kml");
    for (const std::string& path : {dir + "/missing/a.kml", dir + "/full.kml"}) {
        std::vector<DialogScript::Step> steps{
            {"QFileDialog", "Export Seismic Line to KML", saveAs(QString::fromStdString(path))}};
        if (std::filesystem::exists(path))
            steps.push_back(
                {"QMessageBox", "Export Seismic Line to KML", pressButton(QMessageBox::Yes)});
        steps.push_back({"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)});
        DialogScript script(steps);
        e.w->on_actionExportSeismic_line_triggered();
        script.expectDone();
        EXPECT_TRUE(seen.text.contains(QString::fromStdString(path))) << seen.text.toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
}

TEST(GriddedCommand, NoGridShiftDialogAndFailures)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), false);
    e.w->document.grid.reset();
    MessageSeen seen;
    {
        DialogScript script({{"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
        e.w->on_actionGridded_Data_triggered();
        script.expectDone();
        EXPECT_EQ(seen.text, "No tomographic grid: data cannot be exported");
    }
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    const std::string dir = testenv::freshDir("xyz");
    {
        DialogScript script(
            {{"QFileDialog", "Export Gridded Data", saveAs(QString::fromStdString(dir + "/v.txt"))},
             {"ExportTomoVelData", nullptr, pressOk()}});
        e.w->on_actionGridded_Data_triggered();
        script.expectDone();
        EXPECT_FALSE(testenv::readText(dir + "/v.txt").empty());
    }
    std::filesystem::create_symlink("/dev/full", dir + "/full.txt");
    DialogScript script(
        {{"QFileDialog", "Export Gridded Data", saveAs(QString::fromStdString(dir + "/full.txt"))},
         {"QMessageBox", "Export Gridded Data", pressButton(QMessageBox::Yes)},
         {"ExportTomoVelData", nullptr, pressOk()},
         {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
    e.w->on_actionGridded_Data_triggered();
    script.expectDone();
    EXPECT_TRUE(seen.text.contains(QString::fromStdString(dir + "/full.txt")));
    EXPECT_TRUE(seen.text.contains("not a regular file")) << seen.text.toStdString();
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(ImagesCommand, EveryPictureInOrder)
{
    ExportWindow e;
    surveytest::computeSurvey(*e.w);
    e.useFakeRenderer();
    const std::string dir = testenv::freshDir("series");
    DialogScript script(
        {{"selectExport", "Export Images", pressOk()},
         {"QFileDialog", "Select Output Folder", saveAs(QString::fromStdString(dir))}});
    e.w->on_actionImages_triggered();
    script.expectDone();
    EXPECT_EQ(e.calls, (std::vector<int>{5, 4, 2, 3, 7, 10, 9, 12, 8, 11}));
    const char* names[] = {"profile",
                           "profile_rays",
                           "profile_isolines",
                           "profile_isolines_filled",
                           "profile_vertical_gradient",
                           "profile_laplacian_gradient",
                           "profile_gradient_rays",
                           "profile_laplacian_gradient_rays",
                           "profile_gradient_isolines",
                           "profile_laplacian_isolines",
                           "traveltimes",
                           "trace_0",
                           "trace_1",
                           "trace_4"};
    for (const char* n : names) {
        const QImage image(QString::fromStdString(dir + "/Figure_" + n + ".png"));
        EXPECT_FALSE(image.isNull()) << n;
        if (std::string(n) == "traveltimes" || std::string(n) == "trace_0") {
            EXPECT_EQ(image.size(), QSize(2000, 1666)) << n;
        }
    }
}

// The engine box chooses the scene of every section picture, except the ODT's
// filled contours, which only the classic scene draws; the bar's two boxes
// reach the picture each as itself.
TEST(ExportCommands, PictureChoicesReachEverySectionPicture)
{
    using Action = void (Tervanelo_MainWindows::*)();
    const struct {
        const char* dialog;
        const char* fileDialog;
        const char* target; // a folder for the series
        Action action;
        bool odt;
    } commands[] = {
        {"Export Images", "Select Output Folder", "",
         &Tervanelo_MainWindows::on_actionImages_triggered, false},
        {"Set images to be included in the document", "Save ODT", "/r.odt",
         &Tervanelo_MainWindows::on_actionODT_triggered, true},
        {"Set images to be included in the document", "Save PDF", "/r.pdf",
         &Tervanelo_MainWindows::on_actionPDF_triggered, false},
    };
    ExportWindow e;
    surveytest::computeSurvey(*e.w);
    e.useFakeRenderer();
    for (const auto& c : commands) {
        for (const PictureStyle chosen : {PictureStyle::New, PictureStyle::Classic}) {
            SCOPED_TRACE(testing::Message()
                         << c.fileDialog << (chosen == PictureStyle::New ? " new" : " classic"));
            e.pictures.clear();
            const std::string dir = testenv::freshDir("styles");
            const auto choose = [chosen](QWidget* d) {
                auto tick = [d](const char* name, bool on) {
                    auto* box = d->findChild<QAbstractButton*>(name);
                    ASSERT_NE(box, nullptr) << name;
                    if (box->isChecked() != on)
                        box->click();
                };
                tick("newRenderEngine", chosen == PictureStyle::New);
                tick("equidistantCB", true);
                tick("horizontalBarCB", false);
                pressOk()(d);
            };
            DialogScript script(
                {{"selectExport", c.dialog, choose},
                 {"QFileDialog", c.fileDialog, saveAs(QString::fromStdString(dir + c.target))}});
            (e.w.get()->*c.action)();
            script.expectDone();
            ASSERT_FALSE(e.pictures.empty());
            EXPECT_TRUE(std::any_of(e.pictures.begin(), e.pictures.end(), [](const auto& p) {
                return p.type == SectionType::FilledContours;
            }));
            for (const SectionPicture& p : e.pictures) {
                SCOPED_TRACE(sectiontypes::value(p.type));
                const bool filledInOdt = c.odt && p.type == SectionType::FilledContours;
                EXPECT_EQ(p.style, filledInOdt ? PictureStyle::Classic : chosen);
                EXPECT_TRUE(p.equidistantLabels);
                EXPECT_FALSE(p.horizontalBar);
                EXPECT_EQ(p.width, 4096);
            }
        }
    }
}

TEST(ImagesCommand, FailedPicturesAreNamedAndOldOnesKept)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.useFakeRenderer(false);
    e.w->document.ttArray[0].ttMisurati[3] = 0.01;
    const std::string dir = testenv::freshDir("failed");
    testenv::writeText(dir + "/Figure_profile.png", "old picture");
    std::filesystem::create_directory(dir + "/Figure_traveltimes.png");
    MessageSeen seen;
    DialogScript script(
        {{"selectExport", "Export Images", keepOnly({"checkProf", "checkTT"})},
         {"QFileDialog", "Select Output Folder", saveAs(QString::fromStdString(dir))},
         {"Confirm_File_Replace", nullptr, pressButton(QMessageBox::YesToAll)},
         {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
    e.w->on_actionImages_triggered();
    script.expectDone();
    EXPECT_EQ(testenv::readText(dir + "/Figure_profile.png"), "old picture");
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/Figure_traveltimes.png"));
    EXPECT_TRUE(seen.text.contains("Figure_profile.png"));
    EXPECT_TRUE(seen.text.contains("Figure_traveltimes.png: ")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains("not a regular file")) << seen.text.toStdString();
}

// The basename starts every file name in the chosen folder: a line break or a
// folder separator in it is refused before any folder is asked for.
TEST(ImagesCommand, ABasenameThatIsNotOneNameIsRefused)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.useFakeRenderer();
    for (const char* typed : {"two\nlines", "../up", "sub/name", "back\\slash", "end\n"}) {
        SCOPED_TRACE(typed);
        MessageSeen seen;
        DialogScript script({{"selectExport", "Export Images",
                              [typed](QWidget* d) {
                                  d->findChild<QTextEdit*>("basename")->setPlainText(typed);
                                  pressOk()(d);
                              }},
                             {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
        e.w->on_actionImages_triggered();
        script.expectDone();
        EXPECT_EQ(seen.text, "The file basename must be one line, without \"/\" or \"\\\".");
    }
    EXPECT_TRUE(e.calls.empty());
    for (const char* name : {"Figure", "survey 12", "line-1.a"})
        EXPECT_TRUE(isPlainBasename(name)) << name;
}

TEST(ImagesCommand, CancelledFolderKeepsTheHistory)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.w->saveHistoryFile("/some/folder");
    const std::string history = e.home.workFolder() + "Tervanelo_history.txt";
    const std::string before = testenv::readText(history);
    DialogScript script({{"selectExport", "Export Images", pressOk()},
                         {"QFileDialog", "Select Output Folder", rejectDialog()}});
    e.w->on_actionImages_triggered();
    script.expectDone();
    EXPECT_EQ(testenv::readText(history), before);
}

// Names typed without an extension get the one of the chosen format.
TEST(ExportCommands, TypedNamesGetTheFormatsExtension)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.w->document.setGeoCoord(500000, 500100, 4649776.224, 4649776.224, 32633);
    e.useFakeRenderer();
    const std::string dir = testenv::freshDir("suffix");
    const auto noPictures = keepOnly({});
    using Action = void (Tervanelo_MainWindows::*)();
    const struct {
        const char* title;
        const char* typed;
        const char* written;
        Action action;
        std::vector<DialogScript::Step> before;
    } cases[] = {
        {"Export Seismic Line to KML",
         "line",
         "line.kml",
         &Tervanelo_MainWindows::on_actionExportSeismic_line_triggered,
         {}},
        {"Export Tomography to KML",
         "profile",
         "profile.kml",
         &Tervanelo_MainWindows::on_actionExportTomographic_profile_2_KML_triggered,
         {}},
        {"Export Gridded Data",
         "velocity_xyz",
         "velocity_xyz.txt",
         &Tervanelo_MainWindows::on_actionGridded_Data_triggered,
         {}},
        {"Save ODT",
         "report",
         "report.odt",
         &Tervanelo_MainWindows::on_actionODT_triggered,
         {{"selectExport", nullptr, noPictures}}},
        {"Save PDF",
         "report",
         "report.pdf",
         &Tervanelo_MainWindows::on_actionPDF_triggered,
         {{"selectExport", nullptr, noPictures}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        std::vector<DialogScript::Step> steps = c.before;
        steps.push_back(
            {"QFileDialog", c.title, saveAs(QString::fromStdString(dir + "/" + c.typed))});
        DialogScript script(steps);
        (e.w.get()->*c.action)();
        script.expectDone();
        EXPECT_TRUE(std::filesystem::is_regular_file(dir + "/" + c.written));
        EXPECT_FALSE(std::filesystem::exists(dir + "/" + c.typed));
    }
}

TEST(ScreenshotCommand, NamesTabsAndFailures)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.useFakeRenderer();
    const std::string dir = testenv::freshDir("shots");
    e.w->ui->tabWidget->setCurrentIndex(1);
    {
        DialogScript script({{"QFileDialog", "Save Screenshot",
                              saveAs(QString::fromStdString(dir + "/shot.PNG"))}});
        e.w->on_actionScreenshot_triggered();
        script.expectDone();
        EXPECT_EQ(QImage(QString::fromStdString(dir + "/shot.PNG.png")).size(), QSize(2000, 1666));
    }
    e.w->ui->tabWidget->setCurrentIndex(0);
    {
        DialogScript script({{"QFileDialog", "Save Screenshot",
                              saveAs(QString::fromStdString(dir + "/traces.png"))}});
        e.w->on_actionScreenshot_triggered();
        script.expectDone();
        EXPECT_FALSE(std::filesystem::exists(dir + "/traces.png"));
    }
    e.w->ui->tabWidget->setCurrentIndex(2);
    std::filesystem::create_directory(dir + "/taken.png");
    MessageSeen seen;
    DialogScript script(
        // Typed without ".png", which the command appends.
        {{"QFileDialog", "Save Screenshot", saveAs(QString::fromStdString(dir + "/taken"))},
         {"set_screenshot_scale_dialog", nullptr, rejectDialog()},
         {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
    e.w->on_actionScreenshot_triggered();
    script.expectDone();
    EXPECT_TRUE(seen.text.contains(QString::fromStdString(dir + "/taken.png")));
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/taken.png"));

    // The travel-time chart of tab 1, over a link to a full disk: refused,
    // and the device stays.
    std::filesystem::create_symlink("/dev/full", dir + "/full.png");
    e.w->ui->tabWidget->setCurrentIndex(1);
    DialogScript full(
        {{"QFileDialog", "Save Screenshot", saveAs(QString::fromStdString(dir + "/full.png"))},
         {"QMessageBox", "Save Screenshot", pressButton(QMessageBox::Yes)},
         {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
    e.w->on_actionScreenshot_triggered();
    full.expectDone();
    EXPECT_TRUE(seen.text.contains("not a regular file")) << seen.text.toStdString();
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(ReportCommands, StalePicturesNeverReachTheReport)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.useFakeRenderer(false);
    QImage stale(10, 10, QImage::Format_RGB32);
    stale.fill(Qt::red);
    ASSERT_TRUE(stale.save(QString::fromStdString(e.home.workFolder() + "/grid.png")));
    const std::string dir = testenv::freshDir("reports");
    const auto onlyProfile = keepOnly({"checkProf"});
    MessageSeen seen;
    DialogScript script(
        {{"selectExport", "Set images to be included in the document", onlyProfile},
         {"QFileDialog", "Save ODT", saveAs(QString::fromStdString(dir + "/r.odt"))},
         {"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)}});
    e.w->on_actionODT_triggered();
    script.expectDone();
    EXPECT_TRUE(seen.text.contains("grid.png"));
    ASSERT_TRUE(std::filesystem::exists(dir + "/r.odt"));
    // No 10 x 10 picture inside: Python's zipfile reads the PNG headers.
    const std::string check = "import sys,zipfile,struct\nz=zipfile.ZipFile(sys.argv[1])\n"
                              "print(sum(1 for n in z.namelist() if n.startswith('Pictures/') and "
                              "struct.unpack('>II', z.read(n)[16:24])==(10,10)))";
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c", QString::fromStdString(check), QString::fromStdString(dir + "/r.odt")});
    ASSERT_TRUE(testenv::waitForTool(python));
    EXPECT_EQ(python.readAllStandardOutput().trimmed(), "0");

    // The PDF: its section pictures are gone from the work folder afterwards.
    e.useFakeRenderer(true);
    DialogScript pdf({{"selectExport", "Set images to be included in the document", onlyProfile},
                      {"QFileDialog", "Save PDF", saveAs(QString::fromStdString(dir + "/r.pdf"))}});
    e.w->on_actionPDF_triggered();
    pdf.expectDone();
    EXPECT_TRUE(std::filesystem::exists(dir + "/r.pdf"));
    EXPECT_FALSE(std::filesystem::exists(e.home.workFolder() + "/grid.png"));
}

// A report that cannot be written says why, logs no success, and an older
// report of that name keeps its bytes.
TEST(ReportCommands, AFailedWriteSaysWhyAndKeepsTheOlderReport)
{
    ExportWindow e;
    surveytest::loadSurvey(*e.w, surveytest::twoLayerShots(2), true);
    e.useFakeRenderer();
    const std::string dir = testenv::freshDir("report-fail");
    using Action = void (Tervanelo_MainWindows::*)();
    const struct {
        const char* title;
        const char* box;
        Action action;
        const char* suffix;
    } reports[] = {
        {"Save ODT", "Ops! Something wrong writing ODT file",
         &Tervanelo_MainWindows::on_actionODT_triggered, ".odt"},
        {"Save PDF", "Ops! Something wrong writing PDF file",
         &Tervanelo_MainWindows::on_actionPDF_triggered, ".pdf"},
    };
    for (const auto& r : reports) {
        // The dialog adds an extension to "/dev/full": a link with one leads there.
        const std::string full = dir + "/full" + r.suffix;
        std::filesystem::create_symlink("/dev/full", full);
        const struct {
            std::string path;
            const char* reason;
            bool asksToReplace;
        } targets[] = {
            {dir + "/missing/r" + r.suffix, "does not exist", false},
            {full, "not a regular file", true},
        };
        for (const auto& t : targets) {
            SCOPED_TRACE(std::string(r.title) + " " + t.path);
            MessageSeen seen;
            std::vector<DialogScript::Step> steps{
                {"selectExport", nullptr, keepOnly({})},
                {"QFileDialog", r.title, saveAs(QString::fromStdString(t.path))}};
            if (t.asksToReplace)
                steps.push_back({"QMessageBox", r.title, pressButton(QMessageBox::Yes)});
            steps.push_back({"QMessageBox", "Warning", pressButton(QMessageBox::Ok, &seen)});
            DialogScript script(steps);
            (e.w.get()->*r.action)();
            script.expectDone();
            EXPECT_TRUE(seen.text.startsWith(QString(r.box) + "\n")) << seen.text.toStdString();
            EXPECT_TRUE(seen.text.contains(t.reason)) << seen.text.toStdString();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    const std::string log = testenv::readText(e.w->logFile);
    EXPECT_EQ(log.find("COMPLETED"), std::string::npos) << log;
    EXPECT_NE(log.find("Saving : " + dir + "/full.odt ... FAILED."), std::string::npos) << log;
}

} // namespace
