// The survey geometry dialog driven through its widgets: row texts, selection
// and removal, shot and spread editing, loading and saving the shot file, and
// the document left alone until OK.

#include "dialogsetgeometry.h"
#include "editgeomedit.h"
#include "editgeomwidget.h"
#include "geometrytesthelpers.h"
#include "geomtextwidget.h"
#include "paintcounter.h"
#include "shoteditdialog.h"
#include "shoteditwidget.h"
#include "showgeometry.h"
#include "testenv.h"
#include "tomodocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <fstream>

namespace
{

TraceSet ordinarySet(const std::string& fileName)
{
    TraceSet set;
    set.fileName = fileName;
    set.traces.resize(2);
    for (Trace& trace : set.traces)
        trace.kind = Trace::Ordinary;
    return set;
}

// Five shots s0.sg2 ... s4.sg2, each with its own trace set, on two spreads;
// spread 1 has 24 geophones.
struct Survey {
    std::vector<std::vector<Point2D>> spreads;
    std::vector<TravelTime> shots;
    std::vector<TraceSet> traceSets;

    Survey()
    {
        spreads.push_back({{0, 100}, {5, 101}, {10, 102}});
        spreads.emplace_back();
        for (int i = 0; i < 24; ++i)
            spreads.back().push_back({20.0 + i, 100});
        for (uint32_t i = 0; i < 5; ++i) {
            TravelTime shot;
            shot.indexStesa = i % 2;
            shot.traceSetID = i;
            shot.shotPos2d = {10.0 * i + 0.5, 100 + 0.25 * i};
            shot.ttMisurati.assign(spreads[i % 2].size(), 0.001 * i);
            shot.ttCalcolati.assign(spreads[i % 2].size(), 0.0);
            shots.push_back(shot);
            traceSets.push_back(ordinarySet("s" + std::to_string(i) + ".sg2"));
        }
    }
};

class GeometryDialog : public ::testing::Test
{
protected:
    Survey survey;
    FakePrompts prompts;
    std::string dir = testenv::freshDir("geometry-dialog");
    std::unique_ptr<DialogSetGeometry> dialog;

    void open()
    {
        dialog = std::make_unique<DialogSetGeometry>(survey.spreads, survey.shots, survey.traceSets,
                                                     1.5);
        dialog->setPrompts(prompts);
        dialog->fillGeometryLists();
        dialog->show();
    }

    std::vector<geomTextWidget*> rowsIn(const char* scrollArea)
    {
        return childrenOf<geomTextWidget>(*dialog->findChild<QScrollArea*>(scrollArea)->widget());
    }
    std::vector<geomTextWidget*> shotRows() { return rowsIn("scrollArea"); }
    std::vector<geomTextWidget*> spreadRows() { return rowsIn("scrollArea_2"); }
    static QString text(geomTextWidget* row)
    {
        return row->findChild<QTextEdit*>("textEdit")->toPlainText();
    }
    static void click(geomTextWidget* row)
    {
        auto* box = row->findChild<QCheckBox*>("checkBox");
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }
    QPushButton* button(const char* name) { return dialog->findChild<QPushButton*>(name); }
    void press(const char* name)
    {
        ASSERT_NE(button(name), nullptr) << name;
        button(name)->click();
    }
    showGeometry* plot() { return dialog->findChild<showGeometry*>("geometry"); }

    void load(const std::string& content, const std::string& delimiter)
    {
        testenv::writeText(dir + "/shots.csv", content);
        prompts.openName = QString::fromStdString(dir + "/shots.csv");
        prompts.delimiter = delimiter;
        press("loadShotsButton");
    }
    std::vector<Point2D> positions() const
    {
        std::vector<Point2D> result;
        for (const TravelTime& shot : dialog->travelTimes)
            result.push_back(shot.shotPos2d);
        return result;
    }
};

TEST_F(GeometryDialog, FormStartsWithEditingButtonsOff)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "Set survey geometry - Dialog");
    EXPECT_EQ(dialog->minimumSize(), QSize(775, 545));
    EXPECT_EQ(shotRows().size(), 5u);
    EXPECT_EQ(spreadRows().size(), 2u);
    for (const char* name :
         {"addShotButton", "removeShotButton", "editShotButton", "pushGeomEditButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* name : {"SelectAllButton", "loadShotsButton", "saveShotsButton",
                             "selectAllStesaButton", "addStesa"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_EQ(text(spreadRows()[0]), "Geometry ID: 0\n0 5 10 ");
}

// Row texts before and after a load: the listing ends " m.", the refreshed text " m".
struct RowTextCase {
    const char* name;
    std::function<void(Survey&)> change;
    size_t shot;
    QString listing;
    QString refreshed;
};

class ShotRowText : public GeometryDialog, public ::testing::WithParamInterface<RowTextCase>
{
};

TEST_P(ShotRowText, ListingAndRefresh)
{
    const RowTextCase& c = GetParam();
    c.change(survey);
    open();
    EXPECT_EQ(text(shotRows()[c.shot]), c.listing);
    load("", ";"); // an empty file changes no shot but refreshes every row
    ASSERT_TRUE(prompts.errors.empty());
    EXPECT_EQ(text(shotRows()[c.shot]), c.refreshed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShotRowText,
    ::testing::Values(
        RowTextCase{"OneFile", [](Survey&) {}, 1,
                    "File name s1.sg2\nGeophone geometry ID: 1 Shot position: 10.5 m.",
                    "File name s1.sg2\nGeophone geometry ID: 1 Shot position: 10.5 m"},
        RowTextCase{"TwoPolarity",
                    [](Survey& s) {
                        TraceSet& set = s.traceSets[2];
                        set.fileName.clear();
                        set.fileNameDX = "/d/dx 2.sg2";
                        set.fileNameSX = "/d/sx 2.sg2";
                        for (Trace& trace : set.traces)
                            trace.kind = Trace::TwoPolarity;
                    },
                    2,
                    "File name DX: /d/dx 2.sg2\nFile name SX: /d/sx 2.sg2\n"
                    "Geophone geometry ID: 0 Shot position: 20.5 m.",
                    "File name \nGeophone geometry ID: 0 Shot position: 20.5 m"},
        RowTextCase{"NoTraceSets", [](Survey& s) { s.traceSets.clear(); }, 3,
                    "Shot ID 3\nGeophone geometry ID: 1 Shot position: 30.5 m.",
                    "Shot ID 3\nGeophone geometry ID: 1 Shot position: 30.5 m"},
        // A damaged project: a record without trace set beside loaded ones.
        RowTextCase{"TraceSetMissing",
                    [](Survey& s) { s.shots[4].traceSetID = TravelTime::NoTraceSet; }, 4,
                    "Shot ID 4\nGeophone geometry ID: 0 Shot position: 40.5 m.",
                    "Shot ID 4\nGeophone geometry ID: 0 Shot position: 40.5 m"},
        RowTextCase{"TraceSetWithoutTraces", [](Survey& s) { s.traceSets[0].traces.clear(); }, 0,
                    "File name s0.sg2\nGeophone geometry ID: 0 Shot position: 0.5 m.",
                    "File name s0.sg2\nGeophone geometry ID: 0 Shot position: 0.5 m"},
        RowTextCase{"NameWithMarkup", [](Survey& s) { s.traceSets[1].fileName = "a<b>&c.sg2"; }, 1,
                    "File name a<b>&c.sg2\nGeophone geometry ID: 1 Shot position: 10.5 m.",
                    "File name a<b>&c.sg2\nGeophone geometry ID: 1 Shot position: 10.5 m"}),
    [](const ::testing::TestParamInfo<RowTextCase>& p) { return std::string(p.param.name); });

TEST_F(GeometryDialog, CheckingRowsEnablesTheirButtons)
{
    open();
    click(shotRows()[2]);
    EXPECT_TRUE(button("removeShotButton")->isEnabled());
    EXPECT_TRUE(button("editShotButton")->isEnabled());
    EXPECT_FALSE(button("pushGeomEditButton")->isEnabled());
    click(shotRows()[2]);
    EXPECT_FALSE(button("removeShotButton")->isEnabled());
    EXPECT_FALSE(button("editShotButton")->isEnabled());

    press("selectAllStesaButton");
    EXPECT_TRUE(button("pushGeomEditButton")->isEnabled());
    for (geomTextWidget* row : spreadRows())
        EXPECT_TRUE(row->isChecked());
    EXPECT_FALSE(button("addShotButton")->isEnabled());
}

TEST_F(GeometryDialog, RemovingShotsRenumbersTheirTraceSets)
{
    open();
    click(shotRows()[1]);
    click(shotRows()[3]);
    press("removeShotButton");

    ASSERT_EQ(dialog->travelTimes.size(), 3u);
    std::vector<uint32_t> ids;
    for (const TravelTime& shot : dialog->travelTimes)
        ids.push_back(shot.traceSetID);
    EXPECT_EQ(ids, (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_EQ(positions(),
              (std::vector<Point2D>{survey.shots[0].shotPos2d, survey.shots[2].shotPos2d,
                                    survey.shots[4].shotPos2d}));
    std::vector<std::string> names;
    for (const TraceSet& set : dialog->traceSets)
        names.push_back(set.fileName);
    EXPECT_EQ(names, (std::vector<std::string>{"s0.sg2", "s2.sg2", "s4.sg2"}));
    EXPECT_TRUE(dialog->spreads == survey.spreads);
    EXPECT_EQ(shotRows().size(), 3u);
    EXPECT_EQ(text(shotRows()[1]).left(16), "File name s2.sg2");
    EXPECT_FALSE(button("removeShotButton")->isEnabled());
    EXPECT_FALSE(button("editShotButton")->isEnabled());
}

TEST_F(GeometryDialog, RemovingEveryShotKeepsTheSpreads)
{
    open();
    press("SelectAllButton");
    press("removeShotButton");
    EXPECT_TRUE(dialog->travelTimes.empty());
    EXPECT_TRUE(dialog->traceSets.empty());
    EXPECT_TRUE(dialog->spreads == survey.spreads);
    EXPECT_TRUE(shotRows().empty());
    EXPECT_EQ(spreadRows().size(), 2u);
}

TEST_F(GeometryDialog, RemovingAShotWithoutTraceSetKeepsTheTraceSets)
{
    survey.shots[2].traceSetID = TravelTime::NoTraceSet;
    open();
    click(shotRows()[2]);
    press("removeShotButton");
    EXPECT_TRUE(dialog->traceSets == survey.traceSets);
    std::vector<uint32_t> ids;
    for (const TravelTime& shot : dialog->travelTimes)
        ids.push_back(shot.traceSetID);
    EXPECT_EQ(ids, (std::vector<uint32_t>{0, 1, 3, 4}));
}

TEST_F(GeometryDialog, LoadingShotsMovesThemByOrderAndRepaintsThePlot)
{
    open();
    QApplication::processEvents();
    PaintCounter counter;
    plot()->installEventFilter(&counter);
    const QImage before = plot()->grab().toImage();
    counter.paints = 0;

    load("a;10;100\nb;20;101\nc;30;102\n", ";");
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0) << "the plot was not repainted";
    EXPECT_NE(plot()->grab().toImage(), before);

    EXPECT_TRUE(prompts.errors.empty());
    ASSERT_EQ(prompts.fileQuestions.size(), 1u);
    EXPECT_EQ(prompts.fileQuestions[0].title, "Open Geometry");
    EXPECT_EQ(prompts.fileQuestions[0].folder, QDir::homePath());
    EXPECT_EQ(prompts.fileQuestions[0].filter, "CSV format (*.csv)");
    EXPECT_EQ(positions(), (std::vector<Point2D>{{10, 100},
                                                 {20, 101},
                                                 {30, 102},
                                                 survey.shots[3].shotPos2d,
                                                 survey.shots[4].shotPos2d}));
    for (geomTextWidget* row : shotRows())
        EXPECT_TRUE(text(row).endsWith(" m")) << text(row);
    EXPECT_TRUE(text(shotRows()[2]).endsWith("Shot position: 30 m"));

    // Saved again with another delimiter: the loaded values, then shots 3 and 4.
    prompts.saveName = QString::fromStdString(dir + "/saved");
    prompts.delimiter = ",";
    press("saveShotsButton");
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(testenv::readText(dir + "/saved.csv"), "s0.sg2,10,100\ns1.sg2,20,101\ns2.sg2,30,102\n"
                                                     "s3.sg2,30.5,100.75\ns4.sg2,40.5,101\n");
    EXPECT_EQ(prompts.fileQuestions[1].title, "Save Geometry");
    EXPECT_EQ(prompts.fileQuestions[1].folder, QDir::homePath());
    EXPECT_EQ(prompts.fileQuestions[1].filter, "Geophones Geometry (*csv)");
}

TEST_F(GeometryDialog, ExtraRowsOfAShotFileAreIgnored)
{
    open();
    std::string content;
    for (int i = 0; i < 7; ++i)
        content += "x " + std::to_string(i) + " " + std::to_string(200 + i) + "\n";
    load(content, "(blank space)");
    EXPECT_EQ(positions(),
              (std::vector<Point2D>{{0, 200}, {1, 201}, {2, 202}, {3, 203}, {4, 204}}));
}

struct BadLoadCase {
    const char* name;
    std::string content;
    QString message;
    std::string reason; // after the file's path
};

class BadShotFile : public GeometryDialog, public ::testing::WithParamInterface<BadLoadCase>
{
};

TEST_P(BadShotFile, ChangesNothing)
{
    open();
    load(GetParam().content, ";");
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].first, "Error Message");
    EXPECT_EQ(prompts.errors[0].second,
              GetParam().message + "\n" +
                  QString::fromStdString(dir + "/shots.csv: " + GetParam().reason));
    EXPECT_TRUE(dialog->travelTimes == survey.shots);
    EXPECT_TRUE(text(shotRows()[0]).endsWith(" m."));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadShotFile,
    ::testing::Values(BadLoadCase{"OneNumber", "a;10\n", "Invalid shot file. 0",
                                  "line 1: fewer than two numbers"},
                      BadLoadCase{"SecondLine", "a;1;2\nb;3\n", "Invalid shot file. 1",
                                  "line 2: fewer than two numbers"},
                      BadLoadCase{"BlankLine", "a;1;2\n   \n", "Invalid shot file. 1",
                                  "line 2: fewer than two numbers"},
                      // Never cut or clamped: the line and the field are named.
                      BadLoadCase{"NotANumber", "a;1;2\nb;3;4m\n", "Invalid shot file. 1",
                                  "line 2: not a number: 4m"},
                      BadLoadCase{"Infinite", "a;inf;2\n", "Invalid shot file. 0",
                                  "line 1: not a number: inf"}),
    [](const ::testing::TestParamInfo<BadLoadCase>& p) { return std::string(p.param.name); });

TEST_F(GeometryDialog, CancelledLoadAndSaveDoNothing)
{
    open();
    prompts.openName.clear();
    press("loadShotsButton");
    testenv::writeText(dir + "/shots.csv", "a;1;2\n");
    prompts.openName = QString::fromStdString(dir + "/shots.csv");
    prompts.delimiterAccepted = false;
    press("loadShotsButton");
    EXPECT_TRUE(dialog->travelTimes == survey.shots);

    prompts.saveName = QString::fromStdString(dir + "/never.csv");
    press("saveShotsButton");
    EXPECT_FALSE(std::ifstream(dir + "/never.csv").good());
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(GeometryDialog, SavedLabelsWithoutTraceSetsAndFailedSave)
{
    survey.traceSets.clear();
    open();
    prompts.saveName = QString::fromStdString(dir + "/ids.csv");
    prompts.delimiter = "(blank space)";
    press("saveShotsButton");
    EXPECT_EQ(testenv::readText(dir + "/ids.csv"), "shot_id_0 0.5 100\nshot_id_1 10.5 100.25\n"
                                                   "shot_id_2 20.5 100.5\nshot_id_3 30.5 100.75\n"
                                                   "shot_id_4 40.5 101\n");
    prompts.saveName = QString::fromStdString(dir + "/missing/ids.csv");
    press("saveShotsButton");
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].first, "Error Message");
    EXPECT_EQ(prompts.errors[0].second,
              QString::fromStdString("Invalid geometry file.\nthe folder " + dir +
                                     "/missing does not exist"));
}

TEST_F(GeometryDialog, EditingAShotThroughTheShotEditor)
{
    open();
    click(shotRows()[2]);
    whenModal<shotEditDialog>([](shotEditDialog* editor) {
        const auto rows = childrenOf<shotEditWidget>(*editor);
        ASSERT_EQ(rows.size(), 1u);
        rows[0]->findChild<QDoubleSpinBox*>("lineEdit")->setValue(55.5);
        rows[0]->findChild<QComboBox*>("comboBox")->setCurrentIndex(1);
        editor->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    press("editShotButton");
    EXPECT_EQ(dialog->travelTimes[2].shotPos2d, (Point2D{55.5, 100.5}));
    EXPECT_EQ(dialog->travelTimes[2].indexStesa, 1u);
    EXPECT_EQ(text(shotRows()[2]),
              "File name s2.sg2\nGeophone geometry ID: 1 Shot position: 55.5 m");
    EXPECT_TRUE(dialog->traceSets == survey.traceSets);
}

TEST_F(GeometryDialog, AddingASpread)
{
    open();
    click(spreadRows()[0]);
    whenModal<editGeomEdit>([](editGeomEdit* editor) {
        EXPECT_TRUE(editor->findChild<QFrame*>("frame")->isEnabled());
        editor->findChild<QLineEdit*>("lineEdit")->setText("4");
        editor->findChild<QPushButton*>("setButton")->click();
        const auto rows = childrenOf<editGeomWidget>(*editor);
        ASSERT_EQ(rows.size(), 4u);
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i]->setRow("", 50.0 + i, 90);
        editor->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    press("addStesa");
    ASSERT_EQ(dialog->spreads.size(), 3u);
    EXPECT_EQ(dialog->spreads[2], (std::vector<Point2D>{{50, 90}, {51, 90}, {52, 90}, {53, 90}}));
    ASSERT_EQ(spreadRows().size(), 3u);
    EXPECT_EQ(text(spreadRows()[2]), "Geometry ID: 2\n50 51 52 53 ");
    for (geomTextWidget* row : spreadRows())
        EXPECT_FALSE(row->isChecked());

    whenModal<editGeomEdit>([](editGeomEdit* editor) {
        editor->findChild<QDialogButtonBox*>("buttonBox")
            ->button(QDialogButtonBox::Cancel)
            ->click();
    });
    press("addStesa");
    EXPECT_EQ(dialog->spreads.size(), 3u);
}

TEST_F(GeometryDialog, EditingSpreadsOneAfterTheOther)
{
    open();
    press("selectAllStesaButton");
    int editors = 0;
    std::function<void(editGeomEdit*)> edit = [&](editGeomEdit* editor) {
        ++editors;
        EXPECT_FALSE(editor->findChild<QFrame*>("frame")->isEnabled());
        const auto rows = childrenOf<editGeomWidget>(*editor);
        rows[0]->setX(rows[0]->x() - 1);
        if (editors == 1)
            whenModal<editGeomEdit>(edit);
        editor->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    };
    whenModal<editGeomEdit>(edit);
    press("pushGeomEditButton");
    EXPECT_EQ(editors, 2);
    ASSERT_EQ(dialog->spreads[1].size(), 24u);
    EXPECT_EQ(dialog->spreads[1][0], (Point2D{19, 100}));
    EXPECT_EQ(dialog->spreads[0][0], (Point2D{-1, 100}));
    EXPECT_TRUE(text(spreadRows()[1]).startsWith("Geometry ID: 1\n19 21 22 "));
}

// The document is handed to the dialog as the main window does it.
class DocumentRoundTrip : public GeometryDialog
{
protected:
    TomoDocument document;

    void SetUp() override
    {
        document.goephonesStringSet = survey.spreads;
        document.ttArray = survey.shots;
        document.traceSets = survey.traceSets;
        document.xShift = 1.5;
    }

    // Removes shot 1, edits shot 0 and loads a shot file, then presses the button.
    void editAndClose(QDialogButtonBox::StandardButton closeWith)
    {
        dialog = std::make_unique<DialogSetGeometry>(document.goephonesStringSet, document.ttArray,
                                                     document.traceSets, document.xShift);
        dialog->setPrompts(prompts);
        dialog->fillGeometryLists();
        testenv::writeText(dir + "/shots.csv", "a;7;8\n");
        // Runs inside exec(), after this function has returned.
        whenModal<DialogSetGeometry>([this, closeWith](DialogSetGeometry*) {
            click(shotRows()[1]);
            press("removeShotButton");
            click(shotRows()[0]);
            whenModal<shotEditDialog>([](shotEditDialog* editor) {
                childrenOf<shotEditWidget>(*editor)[0]
                    ->findChild<QDoubleSpinBox*>("lineEdit_2")
                    ->setValue(90);
                editor->findChild<QDialogButtonBox*>("buttonBox")
                    ->button(QDialogButtonBox::Ok)
                    ->click();
            });
            press("editShotButton");
            load("a;7;8\n", ";");
            dialog->findChild<QDialogButtonBox*>("buttonBox")->button(closeWith)->click();
        });
    }
};

TEST_F(DocumentRoundTrip, CancelLeavesTheDocumentAsItWas)
{
    editAndClose(QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_EQ(dialog->travelTimes.size(), 4u) << "the edits did happen in the dialog";
    EXPECT_TRUE(document.goephonesStringSet == survey.spreads);
    EXPECT_TRUE(document.ttArray == survey.shots);
    EXPECT_TRUE(document.traceSets == survey.traceSets);
}

TEST_F(DocumentRoundTrip, OkHandsBackTheEditedLists)
{
    editAndClose(QDialogButtonBox::Ok);
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_TRUE(document.ttArray == survey.shots) << "only the caller changes the document";
    ASSERT_EQ(dialog->travelTimes.size(), 4u);
    EXPECT_EQ(dialog->travelTimes[0].shotPos2d, (Point2D{7, 8}));
    EXPECT_EQ(dialog->travelTimes[1].shotPos2d, survey.shots[2].shotPos2d);
    EXPECT_EQ(dialog->traceSets.size(), 4u);
    EXPECT_TRUE(dialog->spreads == survey.spreads);
}
} // namespace
