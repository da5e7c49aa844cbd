// The delimiter choice, the selectable text rows, the shot editor and the
// geophone editor, driven through their widgets.

#include "editgeomedit.h"
#include "editgeomwidget.h"
#include "geometrytesthelpers.h"
#include "geomtextwidget.h"
#include "select_csv_delimiter_dialog.h"
#include "shoteditdialog.h"
#include "shoteditwidget.h"
#include "testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace
{
void clickButton(QWidget* parent, const char* name)
{
    auto* button = parent->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

void clickBox(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}

// ---- Delimiter choice ----

TEST(DelimiterDialog, ItemsReturnTheirUnmappedDelimiter)
{
    SelectCSVDelimiterDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Select CSV Separator");
    EXPECT_EQ(dialog.findChild<QLabel*>("label")->text(), "CSV Separator");
    auto* combo = dialog.findChild<QComboBox*>("comboBox");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentIndex(), 0);
    const std::vector<std::pair<QString, std::string>> items{
        {"(blank space)", "(blank space)"}, {";", ";"}, {",", ","}};
    ASSERT_EQ(combo->count(), int(items.size()));
    for (int i = 0; i < combo->count(); ++i) {
        combo->setCurrentIndex(i);
        EXPECT_EQ(combo->currentText(), items[size_t(i)].first);
        EXPECT_EQ(dialog.delimiter(), items[size_t(i)].second);
    }
}

TEST(DialogPrompts, DelimiterIsChosenOrCancelled)
{
    DialogGeometryPrompts prompts;
    std::string delimiter = "unchanged";
    whenModal<SelectCSVDelimiterDialog>([](SelectCSVDelimiterDialog* dialog) {
        dialog->findChild<QComboBox*>("comboBox")->setCurrentIndex(2);
        clickBox(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(prompts.chooseDelimiter(delimiter));
    EXPECT_EQ(delimiter, ",");

    whenModal<SelectCSVDelimiterDialog>(
        [](SelectCSVDelimiterDialog* dialog) { clickBox(dialog, QDialogButtonBox::Cancel); });
    EXPECT_FALSE(prompts.chooseDelimiter(delimiter));
}

TEST(DialogPrompts, ErrorIsAMessageBoxWithOk)
{
    DialogGeometryPrompts prompts;
    bool shown = false;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        shown = true;
        EXPECT_EQ(box->text(), "Error Message");
        EXPECT_EQ(box->informativeText(), "Invalid geometry file. 11");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    prompts.showError("Error Message", "Invalid geometry file. 11");
    EXPECT_TRUE(shown);
}

// ---- Selectable text rows ----

struct SignalCase {
    const char* name;
    bool checkedBefore;
    std::function<void(geomTextWidget&)> action;
    int signalsEmitted;
    bool checkedAfter;
};

class TextRowSignal : public ::testing::TestWithParam<SignalCase>
{
};

TEST_P(TextRowSignal, EmittedOncePerChange)
{
    const SignalCase& c = GetParam();
    geomTextWidget row;
    row.show();
    row.setChecked(c.checkedBefore);
    QSignalSpy spy(&row, &geomTextWidget::changed_selection_status);
    c.action(row);
    EXPECT_EQ(spy.count(), c.signalsEmitted);
    EXPECT_EQ(row.isChecked(), c.checkedAfter);
}

void clickCheckBox(geomTextWidget& row)
{
    auto* box = row.findChild<QCheckBox*>("checkBox");
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextRowSignal,
    ::testing::Values(
        SignalCase{"HandClick", false, clickCheckBox, 1, true},
        SignalCase{"HandClickOff", true, clickCheckBox, 1, false},
        SignalCase{"SetChecked", false, [](auto& r) { r.setChecked(true); }, 1, true},
        SignalCase{"SetCheckedAgain", true, [](auto& r) { r.setChecked(true); }, 0, true},
        SignalCase{"SetUnchecked", true, [](auto& r) { r.setChecked(false); }, 1, false}),
    [](const ::testing::TestParamInfo<SignalCase>& p) { return std::string(p.param.name); });

// ---- Shot editor ----

// Six shots on three spreads, each with its own trace set f0.sg2 ... f5.sg2.
// Spreads 1 and 2 share the receivers at x 2 and 3.
class ShotEditor : public ::testing::Test
{
protected:
    std::vector<std::vector<Point2D>> spreads{
        {{0, 0}, {1, 0}, {2, 0}}, {{1, 0}, {2, 0}, {3, 0}}, {{2, 0}, {3, 0}, {4, 0}, {5, 0}}};
    std::vector<TravelTime> shots;
    std::vector<TraceSet> traceSets;

    void SetUp() override
    {
        for (uint32_t i = 0; i < 6; ++i) {
            TravelTime shot;
            shot.indexStesa = i % 3;
            shot.traceSetID = i;
            shot.shotPos2d = {10.0 * i + 0.3456, 100.0 + i + 0.004};
            shot.ttMisurati = {0.01 * i + 0.001, 0.01 * i + 0.002, 0.01 * i + 0.003};
            shot.ttCalcolati = {0.01 * i + 0.0011, 0.01 * i + 0.0021, 0.01 * i + 0.0031};
            shots.push_back(shot);
            TraceSet set;
            set.fileName = "f" + std::to_string(i) + ".sg2";
            set.traces.resize(1);
            set.traces[0].kind = Trace::Ordinary;
            traceSets.push_back(set);
        }
    }

    static std::vector<shotEditWidget*> rows(shotEditDialog& editor)
    {
        return childrenOf<shotEditWidget>(editor);
    }
    static QString title(shotEditWidget* row) { return row->findChild<QLabel*>("label")->text(); }
    static QDoubleSpinBox* xBox(shotEditWidget* row)
    {
        return row->findChild<QDoubleSpinBox*>("lineEdit");
    }
    static QDoubleSpinBox* zBox(shotEditWidget* row)
    {
        return row->findChild<QDoubleSpinBox*>("lineEdit_2");
    }
    static QComboBox* spreadBox(shotEditWidget* row)
    {
        return row->findChild<QComboBox*>("comboBox");
    }
};

TEST_F(ShotEditor, RowsFollowTheSelectionOrderAndOkWritesThem)
{
    shotEditDialog editor(spreads, shots, traceSets);
    editor.setSelection({4, 1});
    editor.buildRows();

    int result = -1;
    std::string output;
    whenModal<shotEditDialog>([&](shotEditDialog* dialog) {
        const auto shown = rows(*dialog);
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(title(shown[0]), "f4.sg2");
        EXPECT_EQ(title(shown[1]), "f1.sg2");
        for (shotEditWidget* row : shown) {
            QStringList items;
            for (int i = 0; i < spreadBox(row)->count(); ++i)
                items << spreadBox(row)->itemText(i);
            EXPECT_EQ(items, QStringList({"0", "1", "2"}));
        }
        EXPECT_EQ(spreadBox(shown[0])->currentText(), "1");
        xBox(shown[0])->setValue(50.25);
        zBox(shown[0])->setValue(101);
        spreadBox(shown[0])->setCurrentIndex(2);
        testing::internal::CaptureStdout();
        clickBox(dialog, QDialogButtonBox::Ok);
        output = testing::internal::GetCapturedStdout();
    });
    result = editor.exec();
    EXPECT_EQ(result, QDialog::Accepted);

    const TravelTime& edited = editor.travelTimesCopy()[4];
    EXPECT_EQ(edited.shotPos2d, (Point2D{50.25, 101}));
    EXPECT_EQ(edited.indexStesa, 2u);
    // Its times follow the receivers it shares with its new spread.
    EXPECT_EQ(edited.ttMisurati,
              (std::vector<double>{shots[4].ttMisurati[1], shots[4].ttMisurati[2], Pick::NotPicked,
                                   Pick::NotPicked}));
    EXPECT_EQ(edited.ttCalcolati,
              (std::vector<double>{shots[4].ttCalcolati[1], shots[4].ttCalcolati[2],
                                   Pick::NotPicked, Pick::NotPicked}));
    // Shot 1 went through its row unchanged, rounded to two decimals.
    const TravelTime& kept = editor.travelTimesCopy()[1];
    EXPECT_EQ(kept.shotPos2d, (Point2D{10.35, 101.0}));
    EXPECT_EQ(kept.indexStesa, 1u);
    for (size_t s : {0u, 2u, 3u, 5u})
        EXPECT_TRUE(editor.travelTimesCopy()[s] == shots[s]) << "shot " << s;
    EXPECT_TRUE(editor.spreadsCopy() == spreads);
    EXPECT_TRUE(editor.traceSetsCopy() == traceSets);

    const size_t first = output.find("index sel: 4");
    ASSERT_NE(first, std::string::npos) << output;
    EXPECT_NE(output.find("index sel: 1", first), std::string::npos) << output;
}

TEST_F(ShotEditor, ShotsWithoutTraceSetAreTitledByNumber)
{
    // A record without trace set beside loaded ones, as a damaged project has.
    shots[2].traceSetID = TravelTime::NoTraceSet;
    shotEditDialog editor(spreads, shots, traceSets);
    editor.setSelection({2, 3});
    editor.buildRows();
    EXPECT_EQ(title(rows(editor)[0]), "2");
    EXPECT_EQ(title(rows(editor)[1]), "f3.sg2");

    shotEditDialog imported(spreads, shots, {});
    imported.setSelection({5});
    imported.buildRows();
    EXPECT_EQ(title(rows(imported)[0]), "5");
}

TEST_F(ShotEditor, UnknownSpreadAndOutOfRangeElevation)
{
    shots[3].indexStesa = 5;
    shots[3].shotPos2d.z = 150000;
    shotEditDialog editor(spreads, shots, traceSets);
    editor.setSelection({3});
    editor.buildRows();
    shotEditWidget* row = rows(editor)[0];
    EXPECT_EQ(spreadBox(row)->currentIndex(), -1) << "no spread 5 to select";
    EXPECT_DOUBLE_EQ(zBox(row)->value(), 99999.99);
    editor.show();
    clickBox(&editor, QDialogButtonBox::Ok);
    EXPECT_EQ(editor.travelTimesCopy()[3].indexStesa, 0u);
    EXPECT_DOUBLE_EQ(editor.travelTimesCopy()[3].shotPos2d.z, 99999.99);
}

TEST_F(ShotEditor, CancelKeepsTheCopy)
{
    shotEditDialog editor(spreads, shots, traceSets);
    editor.setSelection({0});
    editor.buildRows();
    whenModal<shotEditDialog>([](shotEditDialog* dialog) {
        xBox(rows(*dialog)[0])->setValue(77);
        spreadBox(rows(*dialog)[0])->setCurrentIndex(2);
        clickBox(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(editor.exec(), QDialog::Rejected);
    EXPECT_TRUE(editor.travelTimesCopy() == shots);
}

// ---- Geophone editor ----

class GeophoneEditor : public ::testing::Test
{
protected:
    FakePrompts prompts;
    std::string dir = testenv::freshDir("geophone-editor");
    editGeomEdit editor;

    void SetUp() override { editor.setPrompts(prompts); }

    std::vector<editGeomWidget*> rows() { return childrenOf<editGeomWidget>(editor); }
    std::vector<Point2D> shown()
    {
        std::vector<Point2D> values;
        for (editGeomWidget* row : rows())
            values.push_back({row->x(), row->z()});
        return values;
    }
    static QString name(editGeomWidget* row) { return row->findChild<QLabel*>("lineName")->text(); }
    void setChannels(const QString& text)
    {
        editor.findChild<QLineEdit*>("lineEdit")->setText(text);
        clickButton(&editor, "setButton");
    }
    QString channelField() { return editor.findChild<QLineEdit*>("lineEdit")->text(); }
    void load(const std::string& content, const std::string& delimiter)
    {
        testenv::writeText(dir + "/in.csv", content);
        prompts.openName = QString::fromStdString(dir + "/in.csv");
        prompts.delimiter = delimiter;
        clickButton(&editor, "load_geometry_button");
    }
    void ok() { clickBox(&editor, QDialogButtonBox::Ok); }
};

TEST_F(GeophoneEditor, SetMakesNamedRowsAtZero)
{
    EXPECT_EQ(editor.windowTitle(), "Set Geophones Geometry");
    setChannels("24");
    const auto made = rows();
    ASSERT_EQ(made.size(), 24u);
    for (size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(name(made[i]), "ID#" + QString::number(i));
        EXPECT_EQ(made[i]->x(), 0.0);
        EXPECT_EQ(made[i]->z(), 0.0);
    }
}

TEST_F(GeophoneEditor, SetWithoutAPositiveCountLeavesNoRows)
{
    for (const char* text : {"0", "-3", "abc", ""}) {
        setChannels("5");
        setChannels(text);
        EXPECT_TRUE(rows().empty()) << text;
    }
    ok();
    EXPECT_TRUE(editor.spread.empty());
}

struct AutofillCase {
    const char* name;
    int rows;
    Point2D row0, row1;
    size_t probe;
    Point2D expected;
};

class Autofill : public GeophoneEditor, public ::testing::WithParamInterface<AutofillCase>
{
};

TEST_P(Autofill, ExtendsTheFirstStep)
{
    const AutofillCase& c = GetParam();
    setChannels(QString::number(c.rows));
    rows()[0]->setX(c.row0.x);
    rows()[0]->setZ(c.row0.z);
    rows()[1]->setX(c.row1.x);
    rows()[1]->setZ(c.row1.z);
    clickButton(&editor, "pushButton_2");
    EXPECT_EQ(shown()[c.probe], c.expected);
    EXPECT_EQ(shown()[0], c.row0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Autofill,
    ::testing::Values(AutofillCase{"Linear", 24, {10, 100}, {12.5, 99}, 23, {67.5, 77}},
                      AutofillCase{"Third", 24, {10, 100}, {12.5, 99}, 2, {15, 98}},
                      AutofillCase{"TwoRowsUnchanged", 2, {10, 100}, {12.5, 99}, 1, {12.5, 99}},
                      AutofillCase{"ClampedAtTheLimits",
                                   5,
                                   {9999989.99, 10000},
                                   {9999994.99, 10000.5},
                                   4,
                                   {9999999.99, 10000.99}}),
    [](const ::testing::TestParamInfo<AutofillCase>& p) { return std::string(p.param.name); });

// A locked editor on an existing spread of 12 geophones.
class LockedGeophoneEditor : public GeophoneEditor
{
protected:
    std::vector<Point2D> given;

    void SetUp() override
    {
        GeophoneEditor::SetUp();
        for (int i = 0; i < 12; ++i)
            given.push_back({2.0 * i, 50.0 - i});
        editor.buildRows(given);
        editor.setChannelCountLocked(true);
    }
    static std::string lines(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::to_string(100 + 3 * i) + ",7." + std::to_string(i) + "\n";
        return text;
    }
};

TEST_F(LockedGeophoneEditor, ShowsTheSpreadWithTheCountLocked)
{
    EXPECT_EQ(shown(), given);
    EXPECT_EQ(channelField(), "12");
    EXPECT_FALSE(editor.findChild<QFrame*>("frame")->isEnabled());
    EXPECT_FALSE(editor.findChild<QPushButton*>("setButton")->isEnabledTo(&editor));
}

TEST_F(LockedGeophoneEditor, EditedRowIsWrittenBackOnOk)
{
    auto* x = rows()[3]->findChild<QDoubleSpinBox*>("xEdit");
    x->selectAll();
    QTest::keyClicks(x, "12.345");
    x->interpretText();
    ok();
    std::vector<Point2D> expected = given;
    expected[3].x = 12.34; // a third decimal cannot be typed
    EXPECT_EQ(editor.spread, expected);
}

TEST_F(LockedGeophoneEditor, LoadingAFileOfTheSpreadsSize)
{
    load(lines(12), ",");
    EXPECT_TRUE(prompts.errors.empty());
    ok();
    ASSERT_EQ(editor.spread.size(), 12u);
    EXPECT_EQ(editor.spread[0], (Point2D{100, 7.0}));
    EXPECT_EQ(editor.spread[11], (Point2D{133, 7.11}));
}

TEST_F(LockedGeophoneEditor, AFileOfAnotherSizeChangesNothing)
{
    load(lines(11), ",");
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].first, "Error Message");
    EXPECT_EQ(prompts.errors[0].second, "Invalid geometry file. 11");
    EXPECT_EQ(shown(), given);
}

TEST_F(LockedGeophoneEditor, CancelLeavesTheSpread)
{
    load(lines(12), ",");
    rows()[0]->setX(999);
    clickBox(&editor, QDialogButtonBox::Cancel);
    EXPECT_EQ(editor.spread, given);
}

TEST_F(LockedGeophoneEditor, SavesEveryRowWithoutComplaint)
{
    prompts.saveName = QString::fromStdString(dir + "/locked.csv");
    prompts.delimiter = "(blank space)";
    clickButton(&editor, "save_geometry_button");
    EXPECT_TRUE(prompts.errors.empty());
    std::string expected;
    for (int i = 0; i < 12; ++i)
        expected += std::to_string(2 * i) + " " + std::to_string(50 - i) + "\n";
    EXPECT_EQ(testenv::readText(dir + "/locked.csv"), expected);
}

TEST(GeophoneEditorClamping, AGivenSpreadIsShownAndWrittenBackClamped)
{
    editGeomEdit editor;
    editor.buildRows({{-20000, 20000}, {5, -20000}});
    editor.setChannelCountLocked(true);
    clickBox(&editor, QDialogButtonBox::Ok);
    EXPECT_EQ(editor.spread, (std::vector<Point2D>{{-10000, 10000.99}, {5, -10000}}));
}

TEST_F(GeophoneEditor, ANewSpreadTakesItsRowsFromTheFile)
{
    editor.setChannelCountLocked(false);
    load("1,2\n3,4\n5,6\n", ",");
    EXPECT_TRUE(prompts.errors.empty());
    ASSERT_EQ(rows().size(), 3u);
    EXPECT_EQ(name(rows()[2]), "ID#2");
    EXPECT_EQ(channelField(), "3");
    ASSERT_EQ(prompts.fileQuestions.size(), 1u);
    EXPECT_EQ(prompts.fileQuestions[0].title, "Open Geometry");
    EXPECT_EQ(prompts.fileQuestions[0].folder, QDir::homePath());
    EXPECT_EQ(prompts.fileQuestions[0].filter, "CSV format (*.csv)");

    prompts.saveName = QString::fromStdString(dir + "/new"); // ".csv" is appended
    prompts.delimiter = ";";
    clickButton(&editor, "save_geometry_button");
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(testenv::readText(dir + "/new.csv"), "1;2\n3;4\n5;6\n");
    EXPECT_EQ(prompts.fileQuestions[1].title, "Save Geometry");
    EXPECT_EQ(prompts.fileQuestions[1].filter, "Geophones Geometry (*csv)");

    ok();
    EXPECT_EQ(editor.spread, (std::vector<Point2D>{{1, 2}, {3, 4}, {5, 6}}));
}

TEST_F(GeophoneEditor, FailedAndCancelledFiles)
{
    setChannels("2");
    prompts.openName = QString::fromStdString(dir + "/missing.csv");
    clickButton(&editor, "load_geometry_button");
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].second, QString::fromStdString("Invalid geometry file. 0\n" + dir +
                                                               "/missing.csv: cannot be read"));
    EXPECT_EQ(rows().size(), 2u);

    prompts.saveName = QString::fromStdString(dir + "/missing/out.csv");
    clickButton(&editor, "save_geometry_button");
    ASSERT_EQ(prompts.errors.size(), 2u);
    EXPECT_EQ(prompts.errors[1].second,
              QString::fromStdString("Invalid geometry file.\nthe folder " + dir +
                                     "/missing does not exist"));

    prompts.saveName = QString::fromStdString(dir + "/cancelled.csv");
    prompts.delimiterAccepted = false;
    clickButton(&editor, "save_geometry_button");
    EXPECT_FALSE(std::ifstream(dir + "/cancelled.csv").good());
    prompts.saveName.clear();
    prompts.delimiterAccepted = true;
    clickButton(&editor, "save_geometry_button");
    EXPECT_EQ(prompts.errors.size(), 2u);
}

// Values the rows cannot show, and numbers cut short, refuse the file with
// its line and field instead of being clamped or truncated.
TEST_F(GeophoneEditor, BadValuesRefuseTheFile)
{
    struct Case {
        const char* content;
        const char* delimiter;
        const char* reason; // after "<path>: "
    } cases[] = {
        {"0;0\nnan;1\n", ";", "line 2: not a number: nan"},
        {"0;0\n1;inf\n", ";", "line 2: not a number: inf"},
        {"1e400 0\n", "(blank space)", "line 1: not a number: 1e400"},
        {"0;0\n20000000;1\n", ";", "line 2: out of range: 20000000 (from -10000 to 9999999.99)"},
        {"0;-10000.5\n", ";", "line 1: out of range: -10000.5 (from -10000 to 10000.99)"},
        {"0;10001\n", ";", "line 1: out of range: 10001 (from -10000 to 10000.99)"},
        {"54.5;2,5x\n", ";", "line 1: not a number: 2,5x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        prompts.errors.clear();
        setChannels("2");
        load(c.content, c.delimiter);
        ASSERT_EQ(prompts.errors.size(), 1u);
        EXPECT_TRUE(prompts.errors[0].second.endsWith(
            QString::fromStdString("\n" + dir + "/in.csv: " + c.reason)))
            << prompts.errors[0].second.toStdString();
        EXPECT_EQ(shown(), (std::vector<Point2D>{{0, 0}, {0, 0}}));
    }
}

TEST_F(GeophoneEditor, DecimalCommasWhereTheCommaSeparatesNothing)
{
    load("10,5;2,25\n13;-1,5\n", ";");
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(shown(), (std::vector<Point2D>{{10.5, 2.25}, {13, -1.5}}));
    load("  10,5   2,25\n", "(blank space)");
    EXPECT_EQ(shown(), (std::vector<Point2D>{{10.5, 2.25}}));
    // With "," as the delimiter the comma separates: 10,5,2 is three numbers.
    load("10,5,2\n", ",");
    EXPECT_EQ(shown(), (std::vector<Point2D>{{10, 5}}));
    EXPECT_TRUE(prompts.errors.empty());
}

// A new spread takes one row widget per line: a file far beyond any real
// spread is refused before a single row is built.
TEST_F(GeophoneEditor, ANewSpreadOfMoreThanTenThousandGeophonesIsRefused)
{
    setChannels("3");
    for (const int count : {10001, 100000}) {
        SCOPED_TRACE(count);
        prompts.errors.clear();
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::to_string(i) + ";0\n";
        load(text, ";");
        ASSERT_EQ(prompts.errors.size(), 1u);
        EXPECT_EQ(prompts.errors[0].second, "Invalid geometry file. " + QString::number(count) +
                                                " rows: a spread holds at most 10000 geophones.");
        EXPECT_EQ(rows().size(), 3u);
        EXPECT_EQ(channelField(), "3");
    }
    for (const char* typed : {"10001", "99999999999"}) { // the second beyond int
        SCOPED_TRACE(typed);
        prompts.errors.clear();
        setChannels(typed);
        ASSERT_EQ(prompts.errors.size(), 1u);
        EXPECT_EQ(prompts.errors[0].second, "A spread holds at most 10000 geophones.");
        EXPECT_EQ(rows().size(), 3u);
    }
}

} // namespace
