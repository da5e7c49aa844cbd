// The shot and geophone geometry files: what the writers put on disk, what the
// readers make of our own files and of hand-made ones, and write failures.

#include "geometryfiles.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace
{
std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// C printf's "%.6g" of each value and the double that text reads back as,
// computed by tests/fixtures/geometry/make_g6_table.py.
struct G6 {
    double value;
    std::string text;
    double readBack;
};

const std::vector<G6>& g6Table()
{
    static const std::vector<G6> table = [] {
        std::vector<G6> rows;
        std::ifstream in(testenv::fixture("geometry/g6_table.txt"));
        std::string value, text, readBack;
        while (in >> value >> text >> readBack)
            rows.push_back({std::strtod(value.c_str(), nullptr), text,
                            std::strtod(readBack.c_str(), nullptr)});
        return rows;
    }();
    return table;
}

class GeometryFiles : public ::testing::Test
{
protected:
    std::string dir = testenv::freshDir("geometry-files");
    std::string path(const std::string& name) const { return dir + "/" + name; }
};

TEST_F(GeometryFiles, ShotFileIsWrittenWithSixDigitsAndReadBack)
{
    const std::string file = path("f.csv");
    ASSERT_EQ(writeCSV(file, ";", {"shot_id_0", "a"}, {{12.5, 100}, {1234.5678, 0.1}}), 0);
    EXPECT_EQ(testenv::readText(file), "shot_id_0;12.5;100\na;1234.57;0.1\n");

    std::vector<std::string> labels{"stale"};
    std::vector<std::vector<double>> rows{{1}};
    ASSERT_EQ(readCSV(file, ";", labels, rows), 0);
    EXPECT_EQ(labels, (std::vector<std::string>{"shot_id_0", "a"}));
    EXPECT_EQ(rows, (std::vector<std::vector<double>>{{12.5, 100}, {1234.57, 0.1}}));
}

TEST_F(GeometryFiles, UnequalLabelAndRowCountsCreateNoFile)
{
    const std::string file = path("unequal.csv");
    EXPECT_EQ(writeCSV(file, ",", {"a", "b"}, {{1, 2}}), 1);
    EXPECT_FALSE(std::ifstream(file).good());
}

TEST_F(GeometryFiles, NoRowsGiveAnEmptyFile)
{
    EXPECT_EQ(writeCSV(path("none.csv"), ",", {}, {}), 0);
    EXPECT_EQ(writeGeophoneCSV(path("none-g.csv"), ",", {}), 0);
    EXPECT_EQ(testenv::readText(path("none.csv")), "");
    EXPECT_EQ(testenv::readText(path("none-g.csv")), "");
}

TEST_F(GeometryFiles, WriteErrorsAreReported)
{
    // /dev/full opens but refuses every write.
    EXPECT_EQ(writeCSV("/dev/full", ";", {"a"}, {{1, 2}}), 1);
    EXPECT_EQ(writeGeophoneCSV("/dev/full", ";", {{1, 2}}), 1);
    EXPECT_EQ(writeCSV(path("missing/f.csv"), ";", {"a"}, {{1, 2}}), 1);
    EXPECT_EQ(writeGeophoneCSV(path("missing/f.csv"), ";", {{1, 2}}), 1);
}

TEST_F(GeometryFiles, UnreadableFilesFailWithEmptyOutputs)
{
    std::vector<std::string> labels{"stale"};
    std::vector<std::vector<double>> rows{{1}};
    EXPECT_EQ(readCSV(path("missing.csv"), ";", labels, rows), 1);
    EXPECT_TRUE(labels.empty());
    EXPECT_TRUE(rows.empty());
    rows = {{1}};
    EXPECT_EQ(readGeophoneCSV(dir, ";", rows), 1) << "a folder is not a geometry file";
    EXPECT_TRUE(rows.empty());
}

TEST_F(GeometryFiles, NumbersDoNotFollowTheNumericLocale)
{
    // A decimal comma locale must not turn 12.5 into "12,5" or read it as 12.
    ASSERT_NE(std::setlocale(LC_NUMERIC, "it_IT.UTF-8"), nullptr);
    const std::string file = path("locale.csv");
    const int written = writeGeophoneCSV(file, ";", {{12.5, -0.25}});
    std::vector<std::vector<double>> rows;
    const int read = readGeophoneCSV(file, ";", rows);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(written, 0);
    EXPECT_EQ(testenv::readText(file), "12.5;-0.25\n");
    EXPECT_EQ(read, 0);
    EXPECT_EQ(rows, (std::vector<std::vector<double>>{{12.5, -0.25}}));
}

// Round trip of our own files: every delimiter, labels holding delimiters,
// a 300-character path, negative and large values, and the same file again
// with CRLF line ends and with blank lines.
enum class LineEnds { AsWritten, Crlf, CrlfWithBlankLines };

struct RoundTripCase {
    std::string name;
    std::string delimiter;
    std::string separator;                  // the delimiter as it appears in the file
    std::vector<std::string> writtenLabels; // what the user's labels become
    LineEnds lineEnds;
};

const std::string LongFolder = "/home/surveyor/Rilievi 2024/linea A;B,C/";
const std::string LongName = std::string(262, 'x') + ".sg2";

std::vector<std::string> userLabels()
{
    return {"shot_id_0", "a;b c,d", LongFolder + LongName};
}

std::string toLineEnds(const std::string& text, LineEnds ends)
{
    switch (ends) {
    case LineEnds::AsWritten:
        return text;
    case LineEnds::Crlf:
        return replaceAll(text, "\n", "\r\n");
    case LineEnds::CrlfWithBlankLines:
        return "\r\n" + replaceAll(text, "\n", "\r\n\r\n\r\n");
    }
    return text;
}

// Pairs of table values, then one long row of every value four times.
std::vector<std::vector<double>> tableRows(bool withLongRow)
{
    std::vector<std::vector<double>> rows;
    const auto& table = g6Table();
    for (size_t i = 0; i + 1 < table.size(); i += 2)
        rows.push_back({table[i].value, table[i + 1].value});
    if (withLongRow) {
        rows.emplace_back();
        for (int repeat = 0; repeat < 4; ++repeat)
            for (const G6& g : table)
                rows.back().push_back(g.value);
    }
    return rows;
}

// The line of numbers and the values read back, from the reference table.
std::pair<std::string, std::vector<double>> expectedNumbers(const std::vector<double>& row,
                                                            const std::string& separator)
{
    std::string text;
    std::vector<double> values;
    for (double v : row) {
        for (const G6& g : g6Table())
            if (g.value == v) {
                text += (text.empty() ? "" : separator) + g.text;
                values.push_back(g.readBack);
                break;
            }
    }
    return {text, values};
}

class RoundTrip : public GeometryFiles, public ::testing::WithParamInterface<RoundTripCase>
{
};

TEST_P(RoundTrip, ShotFile)
{
    const RoundTripCase& c = GetParam();
    ASSERT_GE(g6Table().size(), 12u);
    const std::string file = path("shots.csv");
    const auto rows = tableRows(false);
    std::vector<std::string> labels;
    for (size_t k = 0; k < rows.size(); ++k)
        labels.push_back(userLabels()[k % 3]);
    ASSERT_EQ(writeCSV(file, c.delimiter, labels, rows), 0);

    std::string expectedText;
    std::vector<std::vector<double>> expectedRows;
    for (size_t k = 0; k < rows.size(); ++k) {
        const auto [numbers, values] = expectedNumbers(rows[k], c.separator);
        expectedText += c.writtenLabels[k % 3] + c.separator + numbers + "\n";
        expectedRows.push_back(values);
    }
    const std::string written = testenv::readText(file);
    EXPECT_EQ(written, expectedText);

    testenv::writeText(file, toLineEnds(written, c.lineEnds));
    std::vector<std::string> readLabels;
    std::vector<std::vector<double>> readRows;
    ASSERT_EQ(readCSV(file, c.delimiter, readLabels, readRows), 0);
    EXPECT_EQ(readRows, expectedRows);
    ASSERT_EQ(readLabels.size(), rows.size());
    for (size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(readLabels[k], c.writtenLabels[k % 3]) << "line " << k;
}

TEST_P(RoundTrip, GeophoneFile)
{
    const RoundTripCase& c = GetParam();
    const std::string file = path("geophones.csv");
    const auto rows = tableRows(true);
    ASSERT_EQ(writeGeophoneCSV(file, c.delimiter, rows), 0);

    std::string expectedText;
    std::vector<std::vector<double>> expectedRows;
    for (const auto& row : rows) {
        const auto [numbers, values] = expectedNumbers(row, c.separator);
        expectedText += numbers + "\n";
        expectedRows.push_back(values);
    }
    const std::string written = testenv::readText(file);
    EXPECT_EQ(written, expectedText);

    testenv::writeText(file, toLineEnds(written, c.lineEnds));
    std::vector<std::vector<double>> readRows;
    ASSERT_EQ(readGeophoneCSV(file, c.delimiter, readRows), 0);
    EXPECT_EQ(readRows, expectedRows);
}

std::vector<RoundTripCase> roundTripCases()
{
    struct Delimiter {
        std::string name, delimiter, separator;
        std::vector<std::string> writtenLabels;
    };
    const std::vector<Delimiter> delimiters{
        {"Blank",
         "(blank space)",
         " ",
         {"shot_id_0", "a;b_c,d", "/home/surveyor/Rilievi_2024/linea_A;B,C/" + LongName}},
        {"Semicolon",
         ";",
         ";",
         {"shot_id_0", "a_b c,d", "/home/surveyor/Rilievi 2024/linea A_B,C/" + LongName}},
        {"Comma",
         ",",
         ",",
         {"shot_id_0", "a;b c_d", "/home/surveyor/Rilievi 2024/linea A;B_C/" + LongName}},
    };
    const std::vector<std::pair<std::string, LineEnds>> lineEnds{
        {"Lf", LineEnds::AsWritten},
        {"Crlf", LineEnds::Crlf},
        {"CrlfBlankLines", LineEnds::CrlfWithBlankLines}};
    std::vector<RoundTripCase> cases;
    for (const Delimiter& d : delimiters)
        for (const auto& [endsName, ends] : lineEnds)
            cases.push_back({d.name + endsName, d.delimiter, d.separator, d.writtenLabels, ends});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryDelimiterAndLineEnd, RoundTrip, ::testing::ValuesIn(roundTripCases()),
                         [](const ::testing::TestParamInfo<RoundTripCase>& p) {
                             return p.param.name;
                         });

// Hand-made files.
struct ReadCase {
    const char* name;
    bool labelled; // readCSV, else readGeophoneCSV
    std::string delimiter;
    std::string content;
    int result;
    std::vector<std::string> labels;
    std::vector<std::vector<double>> rows;
    std::string reason = ""; // the error after "<path>: "; empty: none
};

class ReadCases : public GeometryFiles, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(ReadCases, Read)
{
    const ReadCase& c = GetParam();
    const std::string file = path("case.csv");
    testenv::writeText(file, c.content);
    std::vector<std::string> labels{"stale"};
    std::vector<std::vector<double>> rows{{-1}};
    std::string error = "stale";
    if (c.labelled) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(readCSV(file, c.delimiter, labels, rows, &error), c.result);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(labels, c.labels);
    } else {
        EXPECT_EQ(readGeophoneCSV(file, c.delimiter, rows, &error), c.result);
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(error, c.reason.empty() ? "" : file + ": " + c.reason);
}

using Rows = std::vector<std::vector<double>>;
using Labels = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    HandMade, ReadCases,
    ::testing::Values(
        ReadCase{
            "BlankRuns", true, "(blank space)", "lbl   40.5    -2\n", 0, {"lbl"}, {{40.5, -2}}},
        ReadCase{"EmptyFieldVanishes", false, ",", "1,,2\n", 0, {}, {{1, 2}}},
        ReadCase{"BlankLineWithBlank",
                 true,
                 "(blank space)",
                 "a 1 2\n   \nb 3 4\n",
                 0,
                 {"a", "b"},
                 {{1, 2}, {3, 4}}},
        ReadCase{"BlankLineWithSemicolon",
                 true,
                 ";",
                 "a;1;2\n   \nb;3;4\n",
                 1,
                 {"a", "   "},
                 {{1, 2}},
                 "line 2: fewer than two numbers"},
        ReadCase{"BlankLineWithComma",
                 false,
                 ",",
                 "1,2\n  \n3,4\n",
                 1,
                 {},
                 {{1, 2}},
                 "line 2: not a number:   "},
        ReadCase{"EmptyLinesAndFinalBreak",
                 true,
                 ";",
                 "\n\na;1;2\n\n\nb;3;4\n\n",
                 0,
                 {"a", "b"},
                 {{1, 2}, {3, 4}}},
        ReadCase{
            "CrlfEmptyLineWithComma", false, ",", "1,2\r\n\r\n3,4\r\n", 0, {}, {{1, 2}, {3, 4}}},
        ReadCase{"NoFinalLineBreak", false, ";", "1;2\n3;4", 0, {}, {{1, 2}, {3, 4}}},
        // A number is a whole field, never cut: the file is refused instead.
        ReadCase{"Letters", true, ";", "a;abc;12.5\n", 1, {"a"}, {}, "line 1: not a number: abc"},
        ReadCase{"TrailingText",
                 false,
                 ";",
                 "1;2\n12.5x;3\n",
                 1,
                 {},
                 {{1, 2}},
                 "line 2: not a number: 12.5x"},
        ReadCase{"LeadingBlanksAndPlus", true, ";", "a; +3; -4e2\n", 0, {"a"}, {{3, -400}}},
        ReadCase{"DoubleSign", false, ";", "+-1;-+1;+.5\n", 1, {}, {}, "line 1: not a number: +-1"},
        ReadCase{"NotANumber", false, ";", "1;nan\n", 1, {}, {}, "line 1: not a number: nan"},
        ReadCase{"Infinite", true, ";", "a;1;-inf\n", 1, {"a"}, {}, "line 1: not a number: -inf"},
        ReadCase{"Overflow", false, ";", "1e999;1\n", 1, {}, {}, "line 1: not a number: 1e999"},
        // A decimal comma reads as a point where the comma is no delimiter.
        ReadCase{"DecimalCommaSemicolon", true, ";", "a;54,426;-2,5\n", 0, {"a"}, {{54.426, -2.5}}},
        ReadCase{
            "DecimalCommaBlank", false, "(blank space)", "0,0125 -2,5\n", 0, {}, {{0.0125, -2.5}}},
        ReadCase{"CommaDelimiterSplits", false, ",", "54,426,1\n", 0, {}, {{54, 426, 1}}},
        ReadCase{"ThousandsSeparator",
                 false,
                 ";",
                 "1.234,5;1\n",
                 1,
                 {},
                 {},
                 "line 1: not a number: 1.234,5"},
        ReadCase{"GeophoneLeadingBlanks", false, "(blank space)", "  1  2\n", 0, {}, {{1, 2}}},
        ReadCase{"GeophoneLeadingDelimiter",
                 false,
                 ";",
                 ";5\n",
                 1,
                 {},
                 {},
                 "line 1: fewer than two numbers"},
        ReadCase{"ExtraNumbersKept", false, " ", "1 2 3\n", 0, {}, {{1, 2, 3}}},
        ReadCase{"LabelWithOneNumber",
                 true,
                 ";",
                 "a;1;2\nb;3\nc;5;6\n",
                 1,
                 {"a", "b"},
                 {{1, 2}},
                 "line 2: fewer than two numbers"},
        ReadCase{"SingleNumberFirst",
                 true,
                 ";",
                 "a;10\n",
                 1,
                 {"a"},
                 {},
                 "line 1: fewer than two numbers"},
        ReadCase{"GeophoneSingleNumber",
                 false,
                 ";",
                 "1;2\n5\n",
                 1,
                 {},
                 {{1, 2}},
                 "line 2: fewer than two numbers"},
        // An empty label (a two-polarity shot): the rest of the line becomes
        // the label, and the numbers still follow.
        ReadCase{"LeadingDelimiter", true, ";", ";12.5;100\n", 0, {"12.5;100"}, {{12.5, 100}}},
        ReadCase{"EmptyFile", true, ";", "", 0, {}, {}}),
    [](const ::testing::TestParamInfo<ReadCase>& p) { return std::string(p.param.name); });
} // namespace
