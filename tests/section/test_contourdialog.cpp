// Isovalue files and the contour-line dialog, driven through its widgets with
// the file names, delimiter and colour answered by FakePrompts.

#include "contourlevels.h"
#include "contourlines_dialog.h"
#include "fakeprompts.h"
#include "sectionfixture.h"
#include "testenv.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

class ContourDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // 500 .. 3000 m/s over 6 rows.
        sectionfixture::setSection(doc, 6, 4,
                                   [](uint32_t r, uint32_t) { return 500.0 + 500.0 * r; });
        dir = testenv::freshDir("contours");
    }

    std::unique_ptr<contourlines_dialog> makeDialog(bool equallySpaced, bool customized,
                                                    std::set<double> values, bool profile = true)
    {
        auto dialog = std::make_unique<contourlines_dialog>(
            doc.grid.get(), equallySpaced, 3, customized, values, true, profile, !profile, false,
            QColor(10, 20, 30), 11);
        dialog->setPrompts(&prompts);
        return dialog;
    }

    static QPushButton* button(contourlines_dialog& d, const char* name)
    {
        return d.findChild<QPushButton*>(name);
    }
    static QPushButton* ok(contourlines_dialog& d)
    {
        return d.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
    }
    static std::vector<double> rows(const contourlines_dialog& d)
    {
        std::vector<double> values;
        for (const QDoubleSpinBox* row : d.valueRows)
            values.push_back(row->value());
        return values;
    }

    TomoDocument doc;
    FakePrompts prompts;
    std::string dir;
};

} // namespace

TEST(IsovalueFiles, WriterFormatAndFailures)
{
    const std::string dir = testenv::freshDir("isovalues");
    ASSERT_TRUE(writeIsovalues(dir + "/a.csv", ";", {1500, 12.5, 1.0 / 3.0}));
    EXPECT_EQ(testenv::readText(dir + "/a.csv"), "0.333333;true\n12.5;true\n1500;true\n");
    ASSERT_TRUE(writeIsovalues(dir + "/b.csv", "(blank space)", {2}));
    EXPECT_EQ(testenv::readText(dir + "/b.csv"), "2 true\n");
    // A device or a missing folder is refused before anything is written.
    EXPECT_FALSE(writeIsovalues("/dev/full", ";", {1500}));
    EXPECT_FALSE(writeIsovalues(dir + "/missing/c.csv", ";", {1500}));
}

TEST(IsovalueFiles, ReaderTakesTheFirstFieldOfEveryLine)
{
    const std::string dir = testenv::freshDir("isovalues-read");
    struct Case {
        const char* name;
        std::string text;
        std::string delimiter;
        std::vector<double> values;
    };
    const Case cases[] = {
        // Blank lines (a hand edit, a trailing CRLF line) are skipped, not the end.
        {"CRLF and a blank line", "1500;true\r\n\r\n2000;true\r\n", ";", {1500, 2000}},
        {"blank inside, semicolon asked", "1500 true\n", ";", {1500}},
        {"blank inside, comma asked", "1500 true\n", ",", {1500}},
        {"blank delimiter", "1500 true\n  \n1750 true", "(blank space)", {1500, 1750}},
        {"leading delimiter", ";1500;true\n", ";", {1500}},
        {"long line", "1500;" + std::string(400, 'x') + "\n2000;true\n", ";", {1500, 2000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testenv::writeText(dir + "/levels.csv", c.text);
        std::vector<double> values;
        ASSERT_TRUE(readIsovalues(dir + "/levels.csv", c.delimiter, values));
        EXPECT_EQ(values, c.values);
    }
    std::vector<double> none;
    EXPECT_FALSE(readIsovalues(dir + "/missing.csv", ";", none));

    // A line that begins with no number is refused with its line, never read as 0.
    struct Refused {
        std::string text;
        std::string reason;
    };
    const Refused refused[] = {
        {"abc;true\n", "line 1: not a number: abc"},
        {"1500;true\n\n+-1;true\n", "line 3: not a number: +-1"},
        {"1500;true\n;;true\n", "line 2: not a number: true"},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.text);
        testenv::writeText(dir + "/levels.csv", r.text);
        std::vector<double> values;
        std::string reason;
        EXPECT_FALSE(readIsovalues(dir + "/levels.csv", ";", values, &reason));
        EXPECT_EQ(reason, dir + "/levels.csv: " + r.reason);
    }
}

TEST_F(ContourDialog, StartsFromTheGivenOptions)
{
    // A custom value outside the grid's range is shown at the nearer end.
    auto d = makeDialog(false, true, {100, 1500});
    EXPECT_EQ(d->windowTitle(), "Contour Lines - Settings");
    EXPECT_EQ(d->gridMinVelocity, 500.0);
    EXPECT_NEAR(d->gridMaxVelocity, 3000.0, 1e-9);
    EXPECT_EQ(rows(*d), (std::vector<double>{500, 1500}));
    EXPECT_EQ(d->customizedValues(), (std::set<double>{500, 1500}));
    EXPECT_EQ(d->numberOfValues(), 3);
    EXPECT_EQ(d->findChild<QSpinBox*>("spinBox")->maximum(), 6); // one per row of cells
    EXPECT_EQ(d->labelEveryN(), 2);
    EXPECT_EQ(d->labelFontSize(), 11);
    EXPECT_EQ(d->contourLineColor, QColor(10, 20, 30));
    EXPECT_TRUE(d->isFilledContours());

    // Without custom values one row holds the middle of the range.
    auto middle = makeDialog(true, false, {}, false);
    EXPECT_EQ(rows(*middle).size(), 1u);
    EXPECT_NEAR(rows(*middle)[0], 1750.0, 1e-9);
    EXPECT_FALSE(middle->findChild<QCheckBox*>("filledContours")->isEnabled());
    EXPECT_FALSE(middle->isFilledContours());
    EXPECT_TRUE(middle->isGradientContours());
    middle->findChild<QRadioButton*>("profileContours")->click();
    EXPECT_TRUE(middle->findChild<QCheckBox*>("filledContours")->isEnabled());
}

TEST_F(ContourDialog, OkAndRemoveAllFollowTheModesAndRows)
{
    struct Case {
        bool equally;
        bool custom;
        bool removeRows;
        bool okEnabled;
        bool removeEnabled;
    };
    const Case cases[] = {
        {true, false, false, true, false},   {false, true, false, true, true},
        {false, true, true, false, false},   {true, true, true, true, false},
        {false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "equally " << c.equally << " custom " << c.custom
                                        << " rows removed " << c.removeRows);
        auto d = makeDialog(c.equally, c.custom, {1500});
        if (c.removeRows)
            button(*d, "remove_all_button")->click();
        EXPECT_EQ(ok(*d)->isEnabled(), c.okEnabled);
        EXPECT_EQ(button(*d, "remove_all_button")->isEnabled(), c.removeEnabled);
        EXPECT_EQ(button(*d, "add_button")->isEnabled(), c.custom);
    }

    // Ticking the custom mode by hand and adding a row enables OK.
    auto d = makeDialog(false, false, {1500});
    EXPECT_FALSE(ok(*d)->isEnabled());
    d->findChild<QCheckBox*>("customizedCB")->click();
    EXPECT_TRUE(ok(*d)->isEnabled());
    button(*d, "add_button")->click();
    EXPECT_EQ(rows(*d).size(), 2u);
    EXPECT_NEAR(rows(*d)[1], 1750.0, 1e-9);
}

TEST_F(ContourDialog, SavesTheRowsSortedWithTheChosenDelimiter)
{
    auto d = makeDialog(false, true, {1500, 812.25, 2999.99});
    prompts.delimiter = "(blank space)";
    prompts.saveName = QString::fromStdString(dir + "/levels");
    button(*d, "save_button")->click();
    EXPECT_EQ(prompts.lastTitle, "Save Isovalues");
    EXPECT_EQ(testenv::readText(dir + "/levels.csv"), "812.25 true\n1500 true\n2999.99 true\n");
    EXPECT_TRUE(prompts.boxes.empty());

    const QString missing = QString::fromStdString(dir + "/missing/levels");
    prompts.saveName = missing;
    button(*d, "save_button")->click();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].first, "Error");
    EXPECT_TRUE(prompts.boxes[0].second.startsWith("Cannot save file " + missing + ".csv\n"))
        << prompts.boxes[0].second.toStdString();
    EXPECT_TRUE(prompts.boxes[0].second.contains("does not exist"));
}

TEST_F(ContourDialog, LoadsTheChosenFileAsItIs)
{
    auto d = makeDialog(false, true, {1000});
    // An existing file keeps its name whatever its suffix.
    testenv::writeText(dir + "/levels.CSV", "1500;true\r\n\r\n2000;true\r\n");
    prompts.openName = QString::fromStdString(dir + "/levels.CSV");
    button(*d, "load_button")->click();
    EXPECT_EQ(rows(*d), (std::vector<double>{1500, 2000}));
    EXPECT_TRUE(prompts.boxes.empty());

    // Out of range: the rows go, nothing comes in, and the user is told.
    testenv::writeText(dir + "/low.csv", "100\n");
    prompts.openName = QString::fromStdString(dir + "/low.csv");
    button(*d, "load_button")->click();
    EXPECT_TRUE(rows(*d).empty());
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0],
              std::make_pair(QString("Warning"), QString("Some loaded isovalues were out of range. "
                                                         "Ignored.")));
    EXPECT_FALSE(ok(*d)->isEnabled());

    // A file that cannot be opened leaves the rows alone.
    d->add_value(1200);
    prompts.boxes.clear();
    prompts.openName = QString::fromStdString(dir + "/missing.csv");
    button(*d, "load_button")->click();
    EXPECT_EQ(rows(*d), (std::vector<double>{1200}));
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0],
              std::make_pair(QString("Error"), "Cannot open file " + prompts.openName));

    // A line that is no number: the rows stay and the box names the line.
    prompts.boxes.clear();
    testenv::writeText(dir + "/junk.csv", "1500;true\nabc;true\n");
    prompts.openName = QString::fromStdString(dir + "/junk.csv");
    button(*d, "load_button")->click();
    EXPECT_EQ(rows(*d), (std::vector<double>{1200}));
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0],
              std::make_pair(QString("Error"), "Cannot open file " + prompts.openName + "\n" +
                                                   prompts.openName +
                                                   ": line 2: not a number: abc"));

    // A cancelled delimiter choice reads nothing.
    prompts.boxes.clear();
    prompts.openName = QString::fromStdString(dir + "/levels.CSV");
    prompts.delimiterChosen = false;
    button(*d, "load_button")->click();
    EXPECT_EQ(rows(*d), (std::vector<double>{1200}));
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(ContourDialog, ContourColour)
{
    auto d = makeDialog(false, true, {1000});
    QToolButton* swatch = d->findChild<QToolButton*>("toolColorButton");
    prompts.colour = QColor(200, 0, 0);
    swatch->click();
    EXPECT_EQ(prompts.lastTitle, "Select background color");
    EXPECT_EQ(d->contourLineColor, QColor(200, 0, 0));
    const QImage icon = swatch->icon().pixmap(50, 50).toImage();
    EXPECT_EQ(icon.size(), QSize(50, 50));
    EXPECT_EQ(QColor(icon.pixel(25, 25)).red(), 200);

    prompts.colour = QColor(); // Cancel
    swatch->click();
    EXPECT_EQ(d->contourLineColor, QColor(200, 0, 0));
}
