// The converter's dialog driven through its prompts: the page decides the
// conversion, the boxes say what happened, and a failed conversion leaves no
// output file. One test goes through Qt's own file dialog and message box.

#include "convert2tervanelodialog.h"
#include "converterprompts.h"
#include "convertertestutil.h"
#include "limitedfolder.h"
#include "modalwatcher.h"
#include "setshotpositiondialog.h"
#include "testenv.h"
#include "ui_convert2tervanelodialog.h"
#include "ui_setshotpositiondialog.h"
#include "unaskedprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBox>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;
using namespace convertertest;

namespace
{

const QString SeismicUnix = "Seismic Unix (*.su)";
const QString Dolang = "Dolang seismic file (*.*DT  )";
const QString AllFiles = "All Files (*)";
const QString Generic = "Generic text file (*.txt)";
const QString Geogiga = "Geogiga text file (*.txt)";

using Box = std::pair<QString, QString>;
const Box Done{"Info", "Conversion done"};
const Box NotCompleted{"Warning", "Ops... Conversion not completed"};
const Box NotRecognized{"Warning", "Ops... Input format not recognized"};

class FakePrompts : public UnaskedPrompts<ConverterPrompts>
{
public:
    // Answers: names (empty: Cancel) and the filter the user leaves selected
    // (empty: the one the dialog opened with).
    QStringList openNames;
    QString filterChosen;
    QString saveName;
    std::deque<std::optional<std::pair<double, double>>> positions; // nullopt: Cancel

    // What was asked and shown.
    std::vector<std::pair<double, double>> preFilled;
    std::vector<Box> boxes;

    QString openFileName(QWidget*, const QString&, const QString&, const QString&,
                         QString* selected) override
    {
        choose(selected);
        return openNames.value(0);
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&, const QString&,
                              QString* selected) override
    {
        choose(selected);
        return openNames;
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString&) override
    {
        return saveName;
    }
    bool shotPosition(const std::string&, double& x, double& z) override
    {
        preFilled.emplace_back(x, z);
        if (positions.empty() || !positions.front()) {
            positions.pop_front();
            return false;
        }
        std::tie(x, z) = *positions.front();
        positions.pop_front();
        return true;
    }
    QMessageBox::StandardButton message(QWidget*, const PromptMessage& m) override
    {
        boxes.emplace_back(m.title, m.text);
        return QMessageBox::Ok;
    }

private:
    void choose(QString* selected)
    {
        if (!filterChosen.isEmpty())
            *selected = filterChosen;
    }
};

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

struct Converter {
    Convert2TervaneloDialog dialog;
    FakePrompts prompts;

    Converter() { dialog.setPrompts(&prompts); }

    void showPage(QWidget* page) { dialog.ui->toolBox->setCurrentWidget(page); }

    // Browses on the visible page with the given answers.
    void browseInput(QPushButton* button, const QStringList& names, const QString& filter)
    {
        prompts.openNames = names;
        prompts.filterChosen = filter;
        button->click();
    }
    void browseOutput(QPushButton* button, const std::string& path)
    {
        prompts.saveName = q(path);
        button->click();
    }

    std::vector<Box> convert()
    {
        prompts.boxes.clear();
        testing::internal::CaptureStderr();
        quietly([&] { dialog.ui->convertButton->click(); });
        testing::internal::GetCapturedStderr();
        return prompts.boxes;
    }
};

TEST(ConverterDialog, Form)
{
    Convert2TervaneloDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Convert2Tervanelo v. 1.0");
    EXPECT_EQ(dialog.size(), QSize(640, 480));
    EXPECT_EQ(dialog.minimumSize(), QSize(550, 240));
    EXPECT_EQ(dialog.ui->toolBox->currentWidget(), dialog.ui->page_3);
    EXPECT_EQ(dialog.ui->toolBox->itemText(1), "From structured traveltime");
    EXPECT_TRUE(dialog.ui->multiTTFiles_3->isChecked());
    EXPECT_FALSE(dialog.ui->multiTTFiles_3->isEnabled());
    EXPECT_TRUE(dialog.ui->multiTTFiles->isEnabled());
}

TEST(ConverterDialog, GenericFilesAskTheirPositionsInOrder)
{
    const std::string dir = testenv::freshDir("generic");
    QStringList files;
    for (const char* name : {"1.txt", "2.txt", "3.txt"}) {
        testenv::writeText(dir + "/" + name, "0;100;0.010\n5;100;0.0125\n");
        files << q(dir + "/" + name);
    }
    Converter c;
    c.showPage(c.dialog.ui->page_3);
    c.browseInput(c.dialog.ui->browseInputButton_3, files, {});
    EXPECT_EQ(c.dialog.ui->inputGenTxt->text(), files.join("; ") + "; ");
    EXPECT_EQ(c.dialog.ui->formatSelected_3->text(), Generic);
    c.browseOutput(c.dialog.ui->browseOutputButton_3, dir + "/out.otte");
    c.prompts.positions = {std::pair{0.0, 100.0}, std::pair{50.0, 100.0}, std::pair{100.0, 100.0}};

    EXPECT_EQ(c.convert(), std::vector<Box>{Done});
    EXPECT_EQ(c.prompts.preFilled,
              (std::vector<std::pair<double, double>>{{0.0, 0.0}, {0.0, 100.0}, {50.0, 100.0}}));
    EXPECT_EQ(testenv::readText(dir + "/out.otte"),
              "otte\n1.0\n2\n1\n0;5;\n100;100;\n0;50;100;\n100;100;100;\n0\n0\n10;12.5;\n0\n1\n"
              "10;12.5;\n0\n2\n10;12.5;\n");

    // A cancelled browse still empties the page's choice.
    c.browseInput(c.dialog.ui->browseInputButton_3, {}, {});
    EXPECT_EQ(c.dialog.ui->inputGenTxt->text(), "");
    EXPECT_TRUE(c.dialog.genericInput.files.empty());
    EXPECT_EQ(c.dialog.ui->formatSelected_3->text(), Generic);
}

// One box whose first line is that of expected, and whose second line, the
// reason, holds reason.
std::string boxProblems(const std::vector<Box>& boxes, const Box& expected,
                        const std::string& reason)
{
    if (boxes.size() != 1)
        return std::to_string(boxes.size()) + " boxes";
    const QStringList lines = boxes[0].second.split('\n');
    if (boxes[0].first != expected.first || lines[0] != expected.second)
        return "box " + boxes[0].first.toStdString() + ": " + boxes[0].second.toStdString();
    if (reason.empty())
        return lines.size() == 1 ? "" : "unexpected second line";
    if (lines.size() != 2 || !lines[1].contains(q(reason)))
        return "reason \"" + lines.value(1).toStdString() + "\" without \"" + reason + "\"";
    return "";
}

TEST(ConverterDialog, FailuresSayWhyAndLeaveNoOutput)
{
    struct Case {
        const char* name;
        // Prepares the dialog in dir; returns the output path that must not exist.
        std::function<std::string(Converter&, const std::string& dir)> prepare;
        Box box;
        std::string reason; // in the box's second line
    };
    const auto structured = [](Converter& c, const std::string& dir, const std::string& output,
                               const QString& filter = Geogiga) {
        testenv::writeText(dir + "/g.txt", "TX_CURVE\n");
        c.showPage(c.dialog.ui->page);
        c.browseInput(c.dialog.ui->browseInputButton, {q(dir + "/g.txt")}, filter);
        c.browseOutput(c.dialog.ui->browseOutputButton, output);
    };
    const auto genericFiles = [](Converter& c, const std::string& dir) {
        QStringList files;
        for (const char* name : {"1.txt", "2.txt"}) {
            testenv::writeText(dir + "/" + name, "0;100;0.01\n");
            files << q(dir + "/" + name);
        }
        c.showPage(c.dialog.ui->page_3);
        c.browseInput(c.dialog.ui->browseInputButton_3, files, {});
        c.prompts.positions = {std::pair{0.0, 0.0}, std::pair{5.0, 0.0}};
    };
    const Case cases[] = {
        {"structured, nothing chosen",
         [](Converter& c, const std::string& dir) {
             c.showPage(c.dialog.ui->page);
             c.dialog.ui->outputEdit->setText(q(dir + "/out.otte"));
             return dir + "/out.otte";
         },
         NotRecognized, ""},
        {"structured, input deleted after browsing",
         [&](Converter& c, const std::string& dir) {
             structured(c, dir, dir + "/out.otte");
             fs::remove(dir + "/g.txt");
             return dir + "/out.otte";
         },
         NotCompleted, "g.txt"},
        {"structured, Geogiga keyword wrong",
         [&](Converter& c, const std::string& dir) {
             structured(c, dir, dir + "/out.otte");
             testenv::writeText(dir + "/g.txt", "TX_CURVE\nVERSION: 1\nELEVATIONS:0\n");
             return dir + "/out.otte";
         },
         NotCompleted, "g.txt"},
        {"structured, SeisImager file missing",
         [&](Converter& c, const std::string& dir) {
             structured(c, dir, dir + "/out.otte", "SeisImager traveltimes (*.vs)");
             fs::remove(dir + "/g.txt");
             return dir + "/out.otte";
         },
         NotCompleted, "g.txt cannot be opened"},
        {"structured, SeisImager junk",
         [&](Converter& c, const std::string& dir) {
             structured(c, dir, dir + "/out.otte", "SeisImager traveltimes (*.vs)");
             testenv::writeText(dir + "/g.txt", "junk\nmore junk\n");
             return dir + "/out.otte";
         },
         NotCompleted, "g.txt: line 2: not a whole number: junk"},
        {"structured, output folder missing",
         [&](Converter& c, const std::string& dir) {
             structured(c, dir, dir + "/missing/out.otte");
             return dir + "/missing/out.otte";
         },
         NotCompleted, "/missing does not exist"},
        {"structured, output is the input",
         [&](Converter& c, const std::string& dir) {
             structured(c, dir, dir + "/g.txt");
             testenv::writeText(dir + "/g.txt", "TX_CURVE\nVERSION: 1\nELEVATION:0\n"
                                                "TOTAL_NUMBER_OF_SHOTS:0\n");
             return std::string();
         },
         NotCompleted, "is the input file"},
        {"seismic, all files",
         [](Converter& c, const std::string& dir) {
             testenv::writeBytes(dir + "/a.su", suBytes(exampleSuTraces()));
             c.showPage(c.dialog.ui->page_2);
             c.browseInput(c.dialog.ui->pushButton, {q(dir + "/a.su")}, AllFiles);
             return dir + "/a.seg2";
         },
         NotRecognized, ""},
        {"seismic, ten-byte SU file",
         [](Converter& c, const std::string& dir) {
             testenv::writeText(dir + "/a.su", "0123456789");
             c.showPage(c.dialog.ui->page_2);
             c.browseInput(c.dialog.ui->pushButton, {q(dir + "/a.su")}, SeismicUnix);
             return dir + "/a.seg2";
         },
         NotCompleted, "a.su cannot be read as Seismic Unix"},
        {"seismic, Dolang main file missing",
         [](Converter& c, const std::string& dir) {
             c.showPage(c.dialog.ui->page_2);
             c.browseInput(c.dialog.ui->pushButton, {q(dir + "/shot.ADT")}, Dolang);
             return dir + "/shot_ADT_dolang.seg2";
         },
         NotCompleted, "shot.ADT cannot be opened"},
        {"generic, no output named",
         [&](Converter& c, const std::string& dir) {
             genericFiles(c, dir);
             return dir + "/.otte";
         },
         NotCompleted, "no output file is given"},
        {"generic, a bad number",
         [&](Converter& c, const std::string& dir) {
             genericFiles(c, dir);
             testenv::writeText(dir + "/2.txt", "0;100;0.01ms\n");
             c.browseOutput(c.dialog.ui->browseOutputButton_3, dir + "/out.otte");
             return dir + "/out.otte";
         },
         NotCompleted, "2.txt: line 1: not a number: 0.01ms"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const std::string dir = testenv::freshDir("dialog-failure");
        Converter c;
        const std::string output = k.prepare(c, dir);
        EXPECT_EQ(boxProblems(c.convert(), k.box, k.reason), "");
        if (!output.empty()) {
            EXPECT_FALSE(fs::exists(output));
        }
    }

    // An output folder that refuses writes.
    const std::string dir = testenv::freshDir("dialog-read-only");
    const std::string limited = testenv::freshDir("dialog-read-only/out");
    Converter c;
    structured(c, dir, limited + "/out.otte");
    testenv::writeText(dir + "/g.txt",
                       "TX_CURVE\nVERSION: 1\nELEVATION:0\nTOTAL_NUMBER_OF_SHOTS:0\n");
    const projecttest::LimitedRun run = projecttest::runInLimitedFolder(
        limited, projecttest::FolderLimit::ReadOnly, 0, false, [](const std::string&) {},
        [&](const std::string&) -> std::string {
            std::string problems = boxProblems(c.convert(), NotCompleted, "out");
            if (fs::is_regular_file(limited + "/out.otte"))
                problems += "a file was left; ";
            return problems;
        });
    if (!run.skipped) {
        EXPECT_EQ(run.problems, "") << run.how;
    }
}

TEST(ConverterDialog, ACancelledPositionCancelsWithoutABox)
{
    const std::string dir = testenv::freshDir("generic-cancel");
    QStringList files;
    for (const char* name : {"1.txt", "2.txt"}) {
        testenv::writeText(dir + "/" + name, "0;100;0.01\n");
        files << q(dir + "/" + name);
    }
    Converter c;
    c.showPage(c.dialog.ui->page_3);
    c.browseInput(c.dialog.ui->browseInputButton_3, files, {});
    c.browseOutput(c.dialog.ui->browseOutputButton_3, dir + "/out.otte");
    testenv::writeText(dir + "/out.otte", "older\n");
    c.prompts.positions = {std::pair{0.0, 0.0}, std::nullopt};
    EXPECT_EQ(c.convert(), std::vector<Box>{});
    EXPECT_EQ(testenv::readText(dir + "/out.otte"), "older\n");
}

TEST(ConverterDialog, EachPageKeepsItsOwnFormat)
{
    const std::string dir = testenv::freshDir("page-formats");
    QStringList files;
    for (const char* name : {"1.txt", "2.txt"}) {
        testenv::writeText(dir + "/" + name, "0;100;0.010\n5;100;0.0125\n");
        files << q(dir + "/" + name);
    }
    testenv::writeText(dir + "/a.vs", "L\n0 1\n0 1\n0 1.5\n");
    Converter c;
    c.showPage(c.dialog.ui->page_3);
    c.browseInput(c.dialog.ui->browseInputButton_3, files, {});
    c.browseOutput(c.dialog.ui->browseOutputButton_3, dir + "/generic.otte");

    // A browse on the structured page, with its own format and file.
    c.showPage(c.dialog.ui->page);
    c.browseInput(c.dialog.ui->browseInputButton, {q(dir + "/a.vs")},
                  "SeisImager traveltimes (*.vs)");

    c.showPage(c.dialog.ui->page_3);
    c.prompts.positions = {std::pair{0.0, 0.0}, std::pair{5.0, 0.0}};
    EXPECT_EQ(c.convert(), std::vector<Box>{Done});
    EXPECT_EQ(testenv::readText(dir + "/generic.otte"),
              "otte\n1.0\n2\n1\n0;5;\n100;100;\n0;5;\n0;0;\n0\n0\n10;12.5;\n0\n1\n10;12.5;\n");
}

TEST(ConverterDialog, MultipleFilesOnlyForFormatsThatMerge)
{
    const std::string dir = testenv::freshDir("merge-box");
    for (const char* name : {"a.vs", "b.vs", "a.txt", "b.txt"})
        testenv::writeText(dir + "/" + name, "\n");
    Converter c;
    QCheckBox* multiple = c.dialog.ui->multiTTFiles;
    c.showPage(c.dialog.ui->page);
    EXPECT_TRUE(multiple->isEnabled()); // no format chosen yet

    struct Step {
        const char* name;
        bool checkFirst;
        QStringList files;
        QString filter;
        bool enabled;
        QString field;
        size_t boxes;
    } steps[] = {
        {"one Geogiga file", false, {q(dir + "/a.txt")}, Geogiga, false, q(dir + "/a.txt"), 0},
        {"one SeisImager file",
         false,
         {q(dir + "/a.vs")},
         "SeisImager traveltimes (*.vs)",
         true,
         q(dir + "/a.vs"),
         0},
        {"two SeisImager files",
         true,
         {q(dir + "/a.vs"), q(dir + "/b.vs")},
         "SeisImager traveltimes (*.vs)",
         true,
         q(dir + "/a.vs; " + dir + "/b.vs; "),
         0},
        {"two Winsism files",
         true,
         {q(dir + "/a.txt"), q(dir + "/b.txt")},
         "Geo2X Winsism XYZ file (*.xyz)",
         false,
         "",
         1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.checkFirst)
            multiple->setChecked(true);
        c.prompts.boxes.clear();
        c.browseInput(c.dialog.ui->browseInputButton, step.files, step.filter);
        EXPECT_EQ(multiple->isEnabled(), step.enabled);
        if (!step.enabled) {
            EXPECT_FALSE(multiple->isChecked());
        }
        EXPECT_EQ(c.dialog.ui->inputEdit->text(), step.field);
        EXPECT_EQ(c.prompts.boxes.size(), step.boxes);
    }
}

TEST(ConverterDialog, OutputsNamedWithoutExtensionGetOtte)
{
    const std::string dir = testenv::freshDir("extension");
    testenv::writeText(dir + "/a.vs", "L\n0 1\n0 1\n0 1.5\n");
    Converter c;
    c.showPage(c.dialog.ui->page);
    c.browseInput(c.dialog.ui->browseInputButton, {q(dir + "/a.vs")},
                  "SeisImager traveltimes (*.vs)");
    c.browseOutput(c.dialog.ui->browseOutputButton, dir + "/browsed");
    EXPECT_EQ(c.dialog.ui->outputEdit->text(), q(dir + "/browsed.otte"));
    EXPECT_EQ(c.convert(), std::vector<Box>{Done});
    EXPECT_TRUE(fs::exists(dir + "/browsed.otte"));

    c.dialog.ui->outputEdit->setText(q(dir + "/typed"));
    EXPECT_EQ(c.convert(), std::vector<Box>{Done});
    EXPECT_TRUE(fs::exists(dir + "/typed.otte"));
    EXPECT_FALSE(fs::exists(dir + "/typed"));

    // The real save dialog adds it too.
    DialogConverterPrompts prompts;
    ModalWatcher watcher([&](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(files);
        files->findChild<QLineEdit*>("fileNameEdit")->setText("saved");
        static_cast<QDialog*>(files)->accept();
    });
    EXPECT_EQ(prompts.saveFileName(nullptr, "OTTE File", q(dir),
                                   "Opent traveltime exchange format (*.otte);;All Files (*)"),
              q(dir + "/saved.otte"));
}

TEST(ConverterDialog, ACutSeismicUnixFileIsConvertedWithItsLossStated)
{
    const std::string dir = testenv::freshDir("cut-su");
    std::vector<unsigned char> bytes = suBytes(exampleSuTraces());
    bytes.resize(bytes.size() - 5);
    testenv::writeBytes(dir + "/a.su", bytes);
    Converter c;
    c.showPage(c.dialog.ui->page_2);
    c.browseInput(c.dialog.ui->pushButton, {q(dir + "/a.su")}, SeismicUnix);
    EXPECT_EQ(
        boxProblems(c.convert(), {"Warning", "Conversion done"}, "the file ends inside trace 3"),
        "");
    EXPECT_TRUE(fs::exists(dir + "/a.seg2"));
}

TEST(ConverterDialog, TheSeismicPageConvertsItsOwnField)
{
    // b.txt holds Seismic Unix traces too, so converting it by mistake shows.
    const std::string dir = testenv::freshDir("page-switch");
    testenv::writeBytes(dir + "/a.su", suBytes(exampleSuTraces()));
    testenv::writeBytes(dir + "/b.txt", suBytes(exampleSuTraces()));
    Converter c;
    c.showPage(c.dialog.ui->page_2);
    c.browseInput(c.dialog.ui->pushButton, {q(dir + "/a.su")}, SeismicUnix);

    c.showPage(c.dialog.ui->page);
    c.dialog.ui->inputEdit->setText(q(dir + "/b.txt"));
    EXPECT_EQ(c.convert(), std::vector<Box>{NotRecognized});
    EXPECT_EQ(c.dialog.inputPath, dir + "/b.txt");

    c.showPage(c.dialog.ui->page_2);
    EXPECT_EQ(c.convert(), std::vector<Box>{Done});
    EXPECT_TRUE(fs::exists(dir + "/a.seg2"));
    EXPECT_TRUE(fs::exists(dir + "/a_tmp"));
    EXPECT_FALSE(fs::exists(dir + "/b.seg2"));
    EXPECT_FALSE(fs::exists(dir + "/b_tmp"));
}

TEST(ConverterDialog, DolangThroughQtsFileDialog)
{
    // Qt's dialog hands the Dolang filter back with its two blanks made one.
    const std::string dir = testenv::freshDir("dolang-dialog");
    const auto write = [&](const std::string& name, const std::string& text) {
        testenv::writeText(dir + "/" + name, text);
    };
    write("shot.ADT", "\"Dolang test\"\n\"second line\"\n2\n0\n0\n0\n4\n4000\n");
    write("shot.A01", "1\n-2\n3\n-4\n");
    write("shot.A02", "10\n20\n30\n40\n");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(q(dir));

    Convert2TervaneloDialog dialog;
    dialog.ui->toolBox->setCurrentWidget(dialog.ui->page_2);
    std::vector<Box> boxes;
    ModalWatcher watcher([&](QWidget* w) {
        if (auto* files = qobject_cast<QFileDialog*>(w)) {
            files->setDirectory(q(dir));
            auto* types = files->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_TRUE(types);
            types->setCurrentIndex(1);
            types->activated(1);
            files->findChild<QLineEdit*>("fileNameEdit")->setText("shot.ADT");
            static_cast<QDialog*>(files)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes.emplace_back(box->windowTitle(), box->text());
            box->accept();
        } else {
            qobject_cast<QDialog*>(w)->reject();
        }
    });
    dialog.ui->pushButton->click();
    EXPECT_EQ(dialog.seismicInput.filter.simplified(), Dolang.simplified());
    EXPECT_EQ(dialog.ui->inputSeismicEdit->text(), q(dir + "/shot.ADT"));
    testing::internal::CaptureStderr();
    quietly([&] { dialog.ui->convertButton->click(); });
    testing::internal::GetCapturedStderr();
    QDir::setCurrent(previous);

    EXPECT_EQ(boxes, std::vector<Box>{Done});
    EXPECT_TRUE(fs::exists(dir + "/shot_ADT_dolang.seg2"));
}

TEST(ShotPositionDialog, ShowsAndReadsThePosition)
{
    double x = 12.5, z = -3;
    SetShotPositionDialog dialog("/d/1.txt", &x, &z);
    EXPECT_EQ(dialog.ui->fileNameLabel->text(), "/d/1.txt");
    EXPECT_EQ(dialog.ui->lineEdit->text(), "12.500000");
    EXPECT_EQ(dialog.ui->lineEdit_2->text(), "-3.000000");
    dialog.ui->lineEdit->setText(" -2,5 "); // a decimal comma is a point
    dialog.ui->lineEdit_2->setText("7.25");
    dialog.values(x, z);
    EXPECT_EQ(x, -2.5);
    EXPECT_EQ(z, 7.25);

    // The real prompt: accepted values come back, a cancelled dialog keeps them.
    DialogConverterPrompts prompts;
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        double px = 1, pz = 2;
        ModalWatcher watcher([&](QWidget* w) {
            auto* position = qobject_cast<SetShotPositionDialog*>(w);
            ASSERT_TRUE(position);
            position->ui->lineEdit->setText("40");
            accept ? position->accept() : position->reject();
        });
        EXPECT_EQ(prompts.shotPosition("/d/2.txt", px, pz), accept);
        EXPECT_EQ(px, accept ? 40.0 : 1.0);
        EXPECT_EQ(pz, 2.0);
    }
}

// What is typed must be a number: OK on anything else says which field and
// keeps the dialog open, rather than placing the shot at 0.
TEST(ShotPositionDialog, OkIsRefusedUntilBothFieldsAreNumbers)
{
    struct Case {
        const char* x;
        const char* z;
        const char* box; // "" when OK closes the dialog
    };
    const Case cases[] = {
        {"abc", "7.25", "Shot X is not a number: \"abc\""},
        {"", "7.25", "Shot X is not a number: \"\""},
        {"12.5ms", "7.25", "Shot X is not a number: \"12.5ms\""},
        {"40", "1e400", "Shot Elevation is not a number: \"1e400\""},
        {"40", "nan", "Shot Elevation is not a number: \"nan\""},
        {"40", "-1,5", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.x) + " / " + c.z);
        DialogConverterPrompts prompts;
        double px = 1, pz = 2;
        int shown = 0;
        QString box;
        ModalWatcher watcher([&](QWidget* w) {
            if (auto* message = qobject_cast<QMessageBox*>(w)) {
                box = message->text();
                message->accept();
                return;
            }
            auto* position = qobject_cast<SetShotPositionDialog*>(w);
            ASSERT_TRUE(position);
            if (shown++ == 0) {
                position->ui->lineEdit->setText(c.x);
                position->ui->lineEdit_2->setText(c.z);
                // Clicked once this answer has returned: the watcher must be
                // free to answer the box the click may open.
                QTimer::singleShot(0, position, [position] {
                    position->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
                });
                // Still open after a refusal: the next look cancels it.
            } else {
                position->reject();
            }
        });
        const bool accepted = prompts.shotPosition("/d/3.txt", px, pz);
        EXPECT_EQ(box, c.box);
        if (*c.box) {
            EXPECT_FALSE(accepted);
            EXPECT_EQ(shown, 2); // seen again after the box
            EXPECT_EQ(px, 1.0);
            EXPECT_EQ(pz, 2.0);
        } else {
            EXPECT_TRUE(accepted);
            EXPECT_EQ(px, 40.0);
            EXPECT_EQ(pz, -1.5);
        }
    }
}

TEST(ConverterDialogDeathTest, QuitEndsTheProcessAtOnce)
{
    // Forked without re-running the program, so the child shares our sealed HOME.
    GTEST_FLAG_SET(death_test_style, "fast");
    Convert2TervaneloDialog dialog;
    EXPECT_EXIT(dialog.ui->quitButton->click(), testing::ExitedWithCode(0), "");
}

} // namespace
