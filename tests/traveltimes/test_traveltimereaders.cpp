#include "logger.h"
#include "traveltimetestutil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace traveltimes;

namespace
{

// ---- Files that load ----

struct LoadCase {
    std::string name;
    std::string fileName;
    std::string content; // LF line ends; the test adds the CRLF variant
    ExpectedDocument expected;
};

void PrintTo(const LoadCase& c, std::ostream* out)
{
    *out << c.name;
}

ExpectedDocument geogigaDocument()
{
    return {{{{0, 100}, {5, 100}, {10, 100}}},
            {{0, {-2.5, 100}, {0.0125, 0.015, 0.0175}}, {0, {12.5, 100}, {0.0175, 0.015, 0.0125}}}};
}

ExpectedDocument winsismDocument()
{
    return {{{{0, 100}, {5, 100}, {10, 100}}},
            {{0, {-2.5, 100}, {0.0125, 0.015, 0.0175}},
             {0, {12.5, 101}, {0.0175, 0.015, 0.0125}},
             {0, {30, 99}, {0.025, 0.02, 0.015}}}};
}

// 60 shots at x = 1000.5 + 10 j: line 1 is longer than any fixed line buffer.
LoadCase wideTable()
{
    const int shots = 60;
    std::string xs = "a;b", zs = "a;b", row1 = "5;100.5", row2 = "10;100.7";
    ExpectedDocument doc{{{{5, 100.5}, {10, 100.7}}}, {}};
    for (int j = 0; j < shots; ++j) {
        const double x = 1000.5 + 10 * j;
        std::ostringstream value;
        value << x;
        xs += ";" + value.str();
        zs += ";100";
        row1 += ";" + std::to_string(j);
        row2 += ";" + std::to_string(shots + j);
        doc.shots.push_back({0, {x, 100}, {j / 1000.0, (shots + j) / 1000.0}});
    }
    EXPECT_EQ(xs.size(), 423u);
    EXPECT_EQ(doc.shots.back().position.x, 1590.5);
    return {"CsvSixtyShots", "survey.csv", xs + "\n" + zs + "\n" + row1 + "\n" + row2 + "\n", doc};
}

std::vector<LoadCase> loadCases()
{
    const std::string otte = fixtureText("survey.otte");
    const std::string csv = fixtureText("survey.csv");
    const std::string txt = fixtureText("survey.txt");
    const std::string xyz = fixtureText("survey.xyz");

    ExpectedDocument csvGap = csvFixtureDocument();
    csvGap.shots[0].times[0] = 0.0;
    ExpectedDocument csvShortRow = csvFixtureDocument();
    csvShortRow.shots[1].times[1] = 0.0;
    ExpectedDocument csvComma = csvFixtureDocument();
    csvComma.shots[0].times[0] = 0.0125;

    // A shot without receivers never shares a spread, not even an empty one.
    ExpectedDocument noReceivers = geogigaDocument();
    noReceivers.spreads.push_back({});
    noReceivers.shots[1].spread = 1;
    noReceivers.shots[1].times.clear();

    ExpectedDocument moving = geogigaDocument();
    moving.spreads.push_back({{5, 100}, {10, 100}, {15, 100}});
    moving.shots[1].spread = 1;

    return {
        {"Otte", "survey.otte", otte, otteFixtureDocument()},
        {"OtteIndicesOnOneLine", "survey.otte", edited(otte, {{"\n1\n0\n10;", "\n1 0\n10;"}}),
         otteFixtureDocument()},
        {"OtteNoFinalLineFeed", "survey.otte", otte.substr(0, otte.size() - 1),
         otteFixtureDocument()},
        {"OtteLeadingSemicolon", "survey.otte", edited(otte, {{"\n0;5;10;\n", "\n;0;5;10;\n"}}),
         otteFixtureDocument()},
        {"OtteHeaderOnOneLine", "survey.otte",
         edited(otte, {{"otte\n1.0\n2\n2\n", "otte\n1.0 2\t2 spreads\n"}}), otteFixtureDocument()},
        {"OtteTrailingBlankLines", "survey.otte", otte + "\n \t\n", otteFixtureDocument()},
        // A decimal comma is a decimal point wherever ',' separates nothing.
        {"OtteDecimalComma", "survey.otte",
         edited(otte, {{"-2.5;30;", "-2,5;30;"}, {"10;20.5;", "10;20,5;"}}), otteFixtureDocument()},

        {"Csv", "survey.csv", csv, csvFixtureDocument()},
        {"CsvEmptyTimeIsNotPicked", "survey.csv", edited(csv, {{"5;100.5;12;8", "5;100.5;;8"}}),
         csvGap},
        {"CsvMissingTimesAtRowEnd", "survey.csv", edited(csv, {{"10;100.7;15;9", "10;100.7;15"}}),
         csvShortRow},
        {"CsvEmptyLabels", "survey.csv", edited(csv, {{"a;b;", ";;"}}), csvFixtureDocument()},
        {"CsvDecimalComma", "survey.csv", edited(csv, {{"5;100.5;12;8", "5;100.5;12,5;8"}}),
         csvComma},
        {"CsvLinesEndingInDelimiter", "survey.CSV", edited(csv, {{"\n", ";\n"}}),
         csvFixtureDocument()},
        {"CsvStopsAtEmptyRow", "survey.csv", csv + ";;;\n1;2;3;4\n", csvFixtureDocument()},
        wideTable(),

        {"Geogiga", "survey.txt", txt, geogigaDocument()},
        {"GeogigaBlankLinesBetweenBlocks", "survey.txt",
         edited(txt, {{"1\nSEISMIC_DATA_FILE_NAME: s2", "1\n\n \t\nSEISMIC_DATA_FILE_NAME: s2"}}),
         geogigaDocument()},
        {"GeogigaMovingSpread", "survey.txt",
         edited(txt, {{"1 0 0.0175 1\n2 5 0.015 1\n3 10 0.0125 1",
                       "1 5 0.0175 1\n2 10 0.015 1\n3 15 0.0125 1"}}),
         moving},
        {"GeogigaShotWithoutReceivers", "survey.txt",
         edited(txt,
                {{"NUMBER_OF_RECEIVERS: 3\nNo X T F\n1 0 0.0175 1\n2 5 0.015 1\n3 10 0.0125 1\n",
                  "NUMBER_OF_RECEIVERS: 0\nNo X T F\n"}}),
         noReceivers},
        {"GeogigaDecimalComma", "survey.txt",
         edited(txt,
                {{"SHOT_LOCATION: -2.5", "SHOT_LOCATION: -2,5"}, {"1 0 0.0125 1", "1 0 0,0125 1"}}),
         geogigaDocument()},
        {"GeogigaNoShots",
         "survey.txt",
         edited(txt, {{"TOTAL_NUMBER_OF_SHOTS: 2", "TOTAL_NUMBER_OF_SHOTS: 0"}}),
         {{{}}, {}}},

        // Shot numbers 3, 1, 2: the first times line belongs to shot 1.
        {"Winsism", "survey.xyz", xyz, winsismDocument()},
        {"WinsismTabs", "survey.XYZ",
         edited(xyz, {{"3 1 2", "3\t1\t2"},
                      {"99 100 101", "99\t100 \t101"},
                      {"30 -2.5 12.5", "\t30\t-2.5\t12.5"},
                      {"25 20 15", "25\t20\t15"}}),
         winsismDocument()},
        {"WinsismDecimalComma", "survey.xyz",
         edited(xyz, {{"30 -2.5 12.5", "30 -2,5 12,5"}, {"12.5 15 17.5", "12,5 15 17,5"}}),
         winsismDocument()},
    };
}

class TravelTimeFiles : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(TravelTimeFiles, LoadWithEitherLineEnd)
{
    const LoadCase& c = GetParam();
    const std::string dir = testenv::freshDir(c.name);
    for (const bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CRLF" : "LF");
        const std::string path = dir + "/" + c.fileName;
        testenv::writeText(path, crlf ? withCrlf(c.content) : c.content);
        TomoDocument doc;
        ASSERT_EQ(doc.loadTravelTimes(path), 0);
        expectDocument(doc, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, TravelTimeFiles, ::testing::ValuesIn(loadCases()),
                         [](const auto& p) { return p.param.name; });

// ---- Files that are refused ----

struct BadCase {
    std::string name;
    std::string fileName;
    std::string content;
    std::string logged; // part of the error line written to the log
};

void PrintTo(const BadCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<BadCase> badCases()
{
    const std::string otte = fixtureText("survey.otte");
    const std::string csv = fixtureText("survey.csv");
    const std::string txt = fixtureText("survey.txt");
    const std::string xyz = fixtureText("survey.xyz");
    return {
        {"OtteMagic", "s.otte", edited(otte, {{"otte\n", "otte2\n"}}), "not an OTTE file"},
        {"OtteSpreadCount", "s.otte", edited(otte, {{"otte\n1.0\n2\n2\n", "otte\n1.0\n2\nx\n"}}),
         "line 4: not a number: x"},
        {"OtteHugeCountInTinyFile", "s.otte", "otte\n1.0\n2\n4000000000\n5;\n1;\n\n\n",
         "unexpected end of file"},
        {"OtteShotIndex", "s.otte", edited(otte, {{"\n1\n0\n10;", "\n1\n5\n10;"}}),
         "line 12: shot index 5 out of range"},
        {"OtteSpreadIndex", "s.otte", edited(otte, {{"\n1\n0\n10;", "\n2\n0\n10;"}}),
         "line 11: spread index 2 out of range"},
        {"OtteTooFewTimes", "s.otte", edited(otte, {{"10;20.5;", "10;"}}),
         "line 13: 1 times for 2 receivers"},
        {"OtteShortElevationLine", "s.otte", edited(otte, {{"100;100;100;", "100;100;"}}),
         "line 6: elevation line shorter than its x line"},
        {"OtteTimeNotANumber", "s.otte", edited(otte, {{"12.5;0;-99000;", "12.5;abc;0;"}}),
         "line 16: not a number: abc"},
        {"OtteTimeNaN", "s.otte", edited(otte, {{"12.5;0;-99000;", "12.5;nan;0;"}}),
         "line 16: not a number: nan"},
        // Characters after a number refuse the file: nothing is cut.
        {"OtteTimeWithUnit", "s.otte", edited(otte, {{"10;20.5;", "10;20.5ms;"}}),
         "line 13: not a number: 20.5ms"},
        {"OtteThousandsSeparator", "s.otte", edited(otte, {{"12.5;0;", "1.234,5;0;"}}),
         "line 16: not a number: 1.234,5"},
        {"OtteSpreadCountWithText", "s.otte",
         edited(otte, {{"otte\n1.0\n2\n2\n", "otte\n1.0\n2\n2x\n"}}), "line 4: not a number: 2x"},
        {"OtteGarbageAfterLastBlock", "s.otte", otte + "garbage\n",
         "line 17: not a number: garbage"},
        {"OtteBlockCutShort", "s.otte", otte + "0\n", "unexpected end of file"},

        {"CsvTimeNotANumber", "s.csv", edited(csv, {{"5;100.5;12;8", "5;100.5;x;8"}}),
         "line 3: not a number: x"},
        {"CsvMoreTimesThanShots", "s.csv", edited(csv, {{"5;100.5;12;8", "5;100.5;12;8;7"}}),
         "line 3: more values than shots"},
        {"CsvTimeInfinite", "s.csv", edited(csv, {{"5;100.5;12;8", "5;100.5;inf;8"}}),
         "line 3: not a number: inf"},
        {"CsvTimeWithUnit", "s.csv", edited(csv, {{"5;100.5;12;8", "5;100.5;12ms;8"}}),
         "line 3: not a number: 12ms"},
        {"CsvEmptyShotAbscissa", "s.csv", edited(csv, {{"a;b;0;10", "a;b;0;;10"}}),
         "line 1: no shot abscissa in column 4"},
        {"CsvEmptyShotElevation", "s.csv", edited(csv, {{"a;b;100;101", "a;b;;101"}}),
         "line 2: no shot elevation in column 3"},
        {"CsvMissingShotElevation", "s.csv", edited(csv, {{"a;b;100;101", "a;b;100"}}),
         "line 2: no shot elevation in column 4"},
        {"CsvEmptyReceiverElevation", "s.csv", edited(csv, {{"10;100.7;", "10;;"}}),
         "line 4: no receiver position in column 2"},

        {"GeogigaElevationWithoutValue", "s.txt", edited(txt, {{"ELEVATION: 100", "ELEVATION:"}}),
         "line 4: no value after ELEVATION"},
        {"GeogigaRowsCutShort", "s.txt", txt.substr(0, txt.find("2 5 0.015 1\n") + 12),
         "unexpected end of file"},
        {"GeogigaTimeNotANumber", "s.txt", edited(txt, {{"1 0 0.0125 1", "1 0 abc 1"}}),
         "line 10: not a number: abc"},
        {"GeogigaTimeWithUnit", "s.txt", edited(txt, {{"1 0 0.0125 1", "1 0 0.0125s 1"}}),
         "line 10: not a number: 0.0125s"},
        {"GeogigaShotCountWithText", "s.txt",
         edited(txt, {{"TOTAL_NUMBER_OF_SHOTS: 2", "TOTAL_NUMBER_OF_SHOTS: 2 shots"}}),
         "line 5: not a number: 2 shots"},
        {"GeogigaKeywordOutOfPlace", "s.txt",
         edited(txt, {{"SHOT_LOCATION: 12.5", "SHOT_POSITION: 12.5"}}),
         "line 14: expected SHOT_LOCATION"},

        {"WinsismTooFewTimes", "s.xyz", edited(xyz, {{"12.5 15 17.5", "12.5 15"}}),
         "Invalid times : FBP times"},
        {"WinsismRepeatedShotNumber", "s.xyz", edited(xyz, {{"3 1 2\n", "3 1 1\n"}}),
         "Invalid shot ids : Shot number, Shot distance"},
        {"WinsismWrongHeader", "s.xyz",
         edited(xyz, {{"Shot number, Shot distance", "Shot number, shot distance"}}),
         "Invalid header : Shot number, shot distance"},
        // Commas separate nothing here: "2,5" is 2.5, but "3,1" is no shot number.
        {"WinsismShotNumbersWithCommas", "s.xyz", edited(xyz, {{"3 1 2\n99", "3,1 2\n99"}}),
         "line 2: not a number: 3,1"},
        {"WinsismTimeWithUnit", "s.xyz", edited(xyz, {{"25 20 15", "25 20 15ms"}}),
         "line 16: not a number: 15ms"},
        {"WinsismReceiverNumberNotANumber", "s.xyz", edited(xyz, {{"1 2 3\n0 5", "1 x 3\n0 5"}}),
         "line 8: not a number: x"},
    };
}

class RefusedTravelTimeFiles : public ::testing::TestWithParam<BadCase>
{
};

TEST_P(RefusedTravelTimeFiles, FailWithReasonAndMergeNothing)
{
    const BadCase& c = GetParam();
    const std::string dir = testenv::freshDir(c.name);
    for (const bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CRLF" : "LF");
        const std::string path = dir + "/" + c.fileName;
        const std::string logPath = dir + "/log.txt";
        testenv::writeText(path, crlf ? withCrlf(c.content) : c.content);
        {
            Logger logger(logPath);
            TomoDocument doc(&logger);
            ::testing::internal::CaptureStderr();
            EXPECT_EQ(doc.loadTravelTimes(path), 1);
            ::testing::internal::GetCapturedStderr();
            EXPECT_TRUE(doc.goephonesStringSet.empty());
            EXPECT_TRUE(doc.ttArray.empty());
        }
        EXPECT_NE(testenv::readText(logPath).find(" ERROR : " + path + ": " + c.logged + "\n"),
                  std::string::npos)
            << testenv::readText(logPath);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RefusedTravelTimeFiles, ::testing::ValuesIn(badCases()),
                         [](const auto& p) { return p.param.name; });

// ---- Dispatch by extension ----

TEST(TravelTimeImport, OnlyExactExtensionsAreRead)
{
    const std::string dir = testenv::freshDir("extensions");
    std::filesystem::create_directories(dir + "/v1.2");
    // Each file holds a readable survey, so only the name can refuse it.
    const std::pair<const char*, const char*> files[] = {
        {"survey.TXT", "survey.txt"},
        {"survey.Otte", "survey.otte"},
        {"noext", "survey.otte"},
        {"v1.2/survey", "survey.otte"},
    };
    for (const auto& [name, fixture] : files) {
        SCOPED_TRACE(name);
        const std::string path = dir + "/" + name;
        const std::string logPath = dir + "/log.txt";
        testenv::writeText(path, fixtureText(fixture));
        {
            Logger logger(logPath);
            TomoDocument doc(&logger);
            ::testing::internal::CaptureStderr();
            EXPECT_EQ(doc.loadTravelTimes(path), 3);
            ::testing::internal::GetCapturedStderr();
            EXPECT_TRUE(doc.goephonesStringSet.empty());
            EXPECT_TRUE(doc.ttArray.empty());
        }
        EXPECT_NE(
            testenv::readText(logPath).find("] ERROR : Invalid input TT file : " + path + "\n"),
            std::string::npos);
    }
}

TEST(TravelTimeImport, MissingFilesAreRefused)
{
    const std::string dir = testenv::freshDir("missing");
    // The OTTE and Winsism readers name the file on standard error for the
    // converter, which has no log.
    const std::pair<std::string, std::string> files[] = {
        {"a.otte", "File " + dir + "/a.otte cannot be open.\n"},
        {"a.xyz", "Cannot open file " + dir + "/a.xyz\n"},
        {"a.txt", ""},
        {"a.csv", ""},
    };
    for (const auto& [name, message] : files) {
        SCOPED_TRACE(name);
        TomoDocument doc;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(doc.loadTravelTimes(dir + "/" + name), 1);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), message);
    }
}

// ---- The readers on their own, as the converter and the fuzzer use them ----

TEST(TravelTimeReaders, NumberFailureNamesFileAndLineOnStandardError)
{
    const std::string path = testenv::freshDir("stderr") + "/bad.txt";
    testenv::writeText(path, edited(fixtureText("survey.txt"), {{"1 0 0.0125 1", "1 0 abc 1"}}));
    std::vector<ImportedShot> shots;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> files;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(readTravelTimesTXT(path, shots, spreads, files), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), path + ": line 10: not a number: abc\n");
}

TEST(TravelTimeReaders, EmptyTheirListsFirst)
{
    const std::string text = fixtureText("survey.csv");
    std::vector<ImportedShot> shots(5);
    ReceiverSpreads spreads(5);
    std::vector<ImportedDataFile> files(5);
    std::istringstream in(text);
    ASSERT_EQ(readTravelTimesCSV(in, "survey.csv", ";", shots, spreads, files), 0);
    EXPECT_EQ(shots.size(), 2u);
    EXPECT_EQ(spreads.size(), 1u);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[1].position, (Point2D{10, 101}));
}

TEST(TravelTimeReaders, GeogigaKeepsShotFileNames)
{
    std::istringstream in(fixtureText("survey.txt"));
    std::vector<ImportedShot> shots;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> files;
    ASSERT_EQ(readTravelTimesTXT(in, "survey.txt", shots, spreads, files), 0);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].fileName, "s1.sg2");
    EXPECT_EQ(files[1].fileName, "s2.sg2");
    EXPECT_EQ(files[1].position, (Point2D{12.5, 100}));
}

TEST(TravelTimeReaders, ReadTrimmedLine)
{
    std::istringstream in("  a b\r\n\t c\n\n  ");
    std::string line;
    const char* expected[] = {"a b", "\t c", "", ""};
    for (const char* e : expected) {
        ASSERT_TRUE(readTrimmedLine(in, line));
        EXPECT_EQ(line, e);
    }
    EXPECT_FALSE(readTrimmedLine(in, line));
}

} // namespace
