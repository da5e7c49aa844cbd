// Travel-time conversions to OTTE: byte-exact outputs from fixtures written
// from the formats' descriptions, the main program's import of them, and
// failures that must leave no output file.

#include "limitedfolder.h"
#include "testenv.h"
#include "traveltimeconversions.h"
#include "traveltimereaders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

namespace fs = std::filesystem;
using projecttest::FolderLimit;
using projecttest::LimitedRun;
using projecttest::runInLimitedFolder;

namespace
{

const std::string SeisImager = "Line\n0 2\n-2.5 3\n0 1.5\n5 3.0\n 10 12.5\n117.5 3\n0 20.0\n"
                               "5 18.5\n10 16.0\n";
const std::string SeisImagerOut = "otte\n1.0\n2\n1\n0;5;10;\n0;0;0;\n-2.5;117.5;\n0;0;\n0\n0\n"
                                  "1.5;3;12.5;\n0\n1\n20;18.5;16;\n";
const std::string SeisImagerB = "B\n0 1\n57.5 3\n0 11.5\n5 6.5\n10 1.5\n";
const std::string Generic = "0;100;0.010\n5;100;0.0125\n";
const std::string Winsism =
    "Shot number, Shot elevation\n3 1 2\n100 101 102\nShot number, Shot distance\n3 1 2\n"
    "117.5 -2.5 57.5\nReceiver number, receiver distance\n1 2 3\n0 5 10\n"
    "Receiver number, receiver elevation\n1 2 3\n100 100 100\nFBP times\n1.5 3 12.5\n"
    "11.5 6.5 1.5\n20 18.5 16\n";
const std::string Geogiga = "TX_CURVE\nVERSION: 1.0\nINFO: test line\nELEVATION:100\n"
                            "TOTAL_NUMBER_OF_SHOTS:2\n"
                            "SEISMIC_DATA_FILE_NAME:s1.sg2\nSHOT_LOCATION:-2.5\n"
                            "NUMBER_OF_RECEIVERS:3\nNo X T No\n1 0 0.0015 1\n2 5 0.003 2\n"
                            "3 10 0.0125 3\n"
                            "SEISMIC_DATA_FILE_NAME:s2.sg2\nSHOT_LOCATION:117.5\n"
                            "NUMBER_OF_RECEIVERS:3\nNo X T No\n1 0 0.02 1\n2 5 0.0185 2\n"
                            "3 10 0.016 3\n";

using Conversion = std::function<int(const std::string& dir, const std::string& output)>;

// Writes the named files into dir, then returns their paths.
std::vector<std::string> inputs(const std::string& dir,
                                const std::vector<std::pair<std::string, std::string>>& files)
{
    std::vector<std::string> paths;
    for (const auto& [name, text] : files) {
        testenv::writeText(dir + "/" + name, text);
        paths.push_back(dir + "/" + name);
    }
    return paths;
}

struct ExactCase {
    const char* name;
    Conversion convert;
    std::string expected;
};

std::vector<ExactCase> exactCases()
{
    return {
        {"SeisImager",
         [](const std::string& dir, const std::string& out) {
             return convertSeisImagerToOtte(inputs(dir, {{"a.vs", SeisImager}})[0], out);
         },
         SeisImagerOut},
        {"SeisImagerCrlf",
         [](const std::string& dir, const std::string& out) {
             std::string crlf;
             for (char c : SeisImager)
                 crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return convertSeisImagerToOtte(inputs(dir, {{"a.vs", crlf}})[0], out);
         },
         SeisImagerOut},
        {"SeisImagerMerged",
         [](const std::string& dir, const std::string& out) {
             return convertSeisImagerFilesToOtte(
                 inputs(dir, {{"a.vs", SeisImager}, {"b.vs", SeisImagerB}}), out);
         },
         "otte\n1.0\n2\n1\n0;5;10;\n0;0;0;\n-2.5;117.5;57.5;\n0;0;0;\n0\n0\n1.5;3;12.5;\n0\n1\n"
         "20;18.5;16;\n0\n2\n11.5;6.5;1.5;\n"},
        {"Generic",
         [](const std::string& dir, const std::string& out) {
             return convertGenericTextToOtte(inputs(dir, {{"g.txt", Generic}}), out, {-2.5}, {100});
         },
         "otte\n1.0\n2\n1\n0;5;\n100;100;\n-2.5;\n100;\n0\n0\n10;12.5;\n"},
        {"GenericSpreads", // leading blanks; a receiver moved by 0.01 m is a new spread
         [](const std::string& dir, const std::string& out) {
             return convertGenericTextToOtte(inputs(dir, {{"1.txt", "  10.0;101.5;0.0123\n"},
                                                          {"2.txt", "10.0;101.5;0.0123\r\n"},
                                                          {"3.txt", "10.01;101.5;0.0123\n"}}),
                                             out, {0, 1, 2}, {100, 100, 100});
         },
         "otte\n1.0\n2\n2\n10;\n101.5;\n10.01;\n101.5;\n0;1;2;\n100;100;100;\n0\n0\n12.3;\n"
         "0\n1\n12.3;\n1\n2\n12.3;\n"},
        {"Winsism",
         [](const std::string& dir, const std::string& out) {
             return convertWinsismXyzToOtte(inputs(dir, {{"w.xyz", Winsism}})[0], out);
         },
         "otte\n1.0\n2\n1\n0;5;10;\n100;100;100;\n-2.5;57.5;117.5;\n101;102;100;\n0\n0\n"
         "1.5;3;12.5;\n0\n1\n11.5;6.5;1.5;\n0\n2\n20;18.5;16;\n"},
        {"Geogiga",
         [](const std::string& dir, const std::string& out) {
             return convertGeogigaToOtte(inputs(dir, {{"g.txt", Geogiga}})[0], out);
         },
         "otte\n1.0\n2\n1\n0;5;10;\n100;100;100;\n-2.5;117.5;\n100;100;\n0\n0\n1.5;3;12.5;\n"
         "0\n1\n20;18.5;16;\n"},
        {"DecimalCommas", // a comma is a decimal point, as in the main program's readers
         [](const std::string& dir, const std::string& out) {
             return convertGenericTextToOtte(
                 inputs(dir, {{"g.txt", "0;100;0,0102\n5,5;100;0.0125\n"}}), out, {0}, {0});
         },
         "otte\n1.0\n2\n1\n0;5.5;\n100;100;\n0;\n0;\n0\n0\n10.2;12.5;\n"},
        {"SeisImagerDecimalCommas",
         [](const std::string& dir, const std::string& out) {
             return convertSeisImagerToOtte(
                 inputs(dir, {{"a.vs", "L\n0 1\n-2,5 2\n0 1,5\n5 3\n0 0\n"}})[0], out);
         },
         "otte\n1.0\n2\n1\n0;5;\n0;0;\n-2.5;\n0;\n0\n0\n1.5;3;\n"},
        {"SixSignificantDigits",
         [](const std::string& dir, const std::string& out) {
             return convertGenericTextToOtte(inputs(dir, {{"g.txt", "1234567.5;0;0.1\n"}}), out,
                                             {0}, {0});
         },
         "otte\n1.0\n2\n1\n1.23457e+06;\n0;\n0;\n0;\n0\n0\n100;\n"},
    };
}

class OtteConversion : public ::testing::TestWithParam<ExactCase>
{
};

void PrintTo(const ExactCase& c, std::ostream* out)
{
    *out << c.name;
}

// The output byte for byte, then the main program's import of it: the records
// come back on the shots the file lists, with the spreads and times written.
TEST_P(OtteConversion, WritesTheExpectedFileThatImportsBack)
{
    const ExactCase& c = GetParam();
    const std::string dir = testenv::freshDir(c.name);
    const std::string out = dir + "/out.otte";
    ASSERT_EQ(c.convert(dir, out), 0);
    EXPECT_EQ(testenv::readText(out), c.expected);

    std::vector<ImportedShot> records;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> shots;
    ASSERT_EQ(readTravelTimesOTTE(out, records, spreads, shots), TravelTimeResult::Ok);
    for (size_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(records[k].shotIndex, int(k)) << "record " << k;
        EXPECT_EQ(records[k].x, shots.at(size_t(records[k].shotIndex)).position.x);
        EXPECT_EQ(records[k].times.size(), spreads.at(size_t(records[k].spreadIndex)).size());
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, OtteConversion, ::testing::ValuesIn(exactCases()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(OtteConversion, MergedSeisImagerPutsTheThirdShotAtItsPosition)
{
    const std::string dir = testenv::freshDir("merged-positions");
    ASSERT_EQ(convertSeisImagerFilesToOtte(
                  inputs(dir, {{"a.vs", SeisImager}, {"b.vs", SeisImagerB}}), dir + "/m.otte"),
              0);
    std::vector<ImportedShot> records;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> shots;
    ASSERT_EQ(readTravelTimesOTTE(dir + "/m.otte", records, spreads, shots), 0);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].x, -2.5);
    EXPECT_EQ(records[1].x, 117.5);
    EXPECT_EQ(records[2].x, 57.5);
    EXPECT_EQ(records[2].times, (std::vector<double>{0.0115, 0.0065, 0.0015}));
}

// Inputs that are refused: status 1, a reason that names the file and the
// line, and no output file.
TEST(OtteConversion, BadInputsWriteNothing)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files;
        std::function<int(const std::vector<std::string>&, const std::string&, std::string*)>
            convert;
        std::string reason; // after "<dir>/"
    };
    const auto seisImager = [](const std::vector<std::string>& in, const std::string& out,
                               std::string* reason) {
        return convertSeisImagerFilesToOtte(in, out, reason);
    };
    const auto generic = [](const std::vector<std::string>& in, const std::string& out,
                            std::string* reason) {
        return convertGenericTextToOtte(in, out, {0, 0}, {0, 0}, reason);
    };
    const auto vs = [](const std::string& text) {
        return std::vector<std::pair<std::string, std::string>>{{"a.vs", text}};
    };
    const auto txt = [](const std::string& text) {
        return std::vector<std::pair<std::string, std::string>>{{"g.txt", text}};
    };
    const Case cases[] = {
        {"SeisImager blank line in a shot", vs("L\n0 1\n0 2\n0 1\n\n5 2\n"), seisImager,
         "a.vs: line 5: 2 fields expected, 0 found"},
        {"SeisImager end inside a shot", vs("L\n0 1\n0 2\n0 1\n"), seisImager,
         "a.vs: line 5: the file ends where pick 2 of the 2 of shot 1 of the 1 on line 2 should "
         "be"},
        {"SeisImager single field on line 2", vs("L\n2\n"), seisImager,
         "a.vs: line 2: 2 fields expected, 1 found"},
        {"SeisImager junk", vs("junk\nmore junk here\n"), seisImager,
         "a.vs: line 2: not a whole number: junk"},
        {"SeisImager no shots", vs("L\n0 0\n0 0\n"), seisImager,
         "a.vs: line 2: shot count 0: at least 1 expected"},
        {"SeisImager negative shot count", vs("L\n0 -1\n0 1\n0 1.5\n"), seisImager,
         "a.vs: line 2: shot count -1: at least 1 expected"},
        {"SeisImager negative pick count", vs("L\n0 1\n0 -2\n0 1.5\n"), seisImager,
         "a.vs: line 3: pick count -2 where shot 1 of the 1 on line 2 should begin"},
        {"SeisImager shot count one too large, trailer reached",
         vs("L\n0 2\n0 1\n0 1.5\n0 0\n 0\n 0 0\n"), seisImager,
         "a.vs: line 5: pick count 0 where shot 2 of the 2 on line 2 should begin"},
        {"SeisImager shot count beyond the file", vs("L\n0 3\n0 1\n0 1.5\n"), seisImager,
         "a.vs: line 5: the file ends where the first line of shot 2 of the 3 on line 2 should "
         "be"},
        {"SeisImager time with unit", vs("L\n0 1\n0 1\n0 1.5ms\n"), seisImager,
         "a.vs: line 4: not a number: 1.5ms"},
        {"SeisImager second file missing", vs(SeisImager),
         [](const auto& in, const auto& out, std::string* reason) {
             return convertSeisImagerFilesToOtte({in[0], in[0] + ".missing"}, out, reason);
         },
         "a.vs.missing cannot be opened"},
        {"generic blank line", txt("0;100;0.01\n\n5;100;0.02\n"), generic,
         "g.txt: line 2: 3 fields expected, 0 found"},
        {"generic two fields", txt("0;100\n"), generic,
         "g.txt: line 1: 3 fields expected, 2 found"},
        {"generic header line", txt("x;z;t\n0;100;0.01\n"), generic,
         "g.txt: line 1: not a number: x"},
        {"generic nan", txt("0;100;0.01\n5;100;nan\n"), generic,
         "g.txt: line 2: not a number: nan"},
        {"generic inf", txt("0;100;inf\n"), generic, "g.txt: line 1: not a number: inf"},
        {"generic 1e400", txt("0;1e400;0.01\n"), generic, "g.txt: line 1: not a number: 1e400"},
        {"generic two numbers in a field", txt("0;100;0.01 0.02\n"), generic,
         "g.txt: line 1: not a number: 0.01 0.02"},
        {"generic file missing", txt(Generic),
         [](const auto& in, const auto& out, std::string* reason) {
             return convertGenericTextToOtte({in[0], in[0] + ".missing"}, out, {0, 0}, {0, 0},
                                             reason);
         },
         "g.txt.missing cannot be opened"},
        {"generic fewer positions than files",
         {{"1.txt", Generic}, {"2.txt", Generic}},
         [](const auto& in, const auto& out, std::string* reason) {
             return convertGenericTextToOtte(in, out, {0}, {0}, reason);
         },
         "no shot position is given for "},
        {"Geogiga bad number", txt("TX_CURVE\nVERSION: 1\nELEVATION:x\n"),
         [](const auto& in, const auto& out, std::string* reason) {
             return convertGeogigaToOtte(in[0], out, reason);
         },
         "g.txt: line 3"},
        {"Geogiga wrong keyword", txt("TX_CURVE\nVERSION: 1\nELEVATIONS:0\n"),
         [](const auto& in, const auto& out, std::string* reason) {
             return convertGeogigaToOtte(in[0], out, reason);
         },
         "g.txt"},
        {"Winsism missing",
         {},
         [](const auto&, const auto& out, std::string* reason) {
             return convertWinsismXyzToOtte("/nonexistent/w.xyz", out, reason);
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("bad-input");
        const std::vector<std::string> paths = inputs(dir, c.files);
        const std::string out = dir + "/out.otte";
        std::string reason;
        testing::internal::CaptureStderr();
        EXPECT_EQ(c.convert(paths, out, &reason), 1);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(reason.empty());
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        EXPECT_NE(errors.find(reason), std::string::npos) << errors;
        EXPECT_FALSE(fs::exists(out));
    }
}

// An output that is one of the inputs is refused before anything is read or
// written: the input keeps its bytes.
TEST(OtteConversion, TheOutputIsNeverAnInput)
{
    struct Case {
        const char* name;
        std::string file, text;
        std::function<int(const std::string& input, const std::string& output, std::string*)>
            convert;
    } cases[] = {
        {"SeisImager", "a.vs", SeisImager,
         [](const auto& in, const auto& out, std::string* r) {
             return convertSeisImagerToOtte(in, out, r);
         }},
        {"SeisImager merged", "a.vs", SeisImager,
         [](const auto& in, const auto& out, std::string* r) {
             return convertSeisImagerFilesToOtte({in, in}, out, r);
         }},
        {"Geogiga", "g.txt", Geogiga,
         [](const auto& in, const auto& out, std::string* r) {
             return convertGeogigaToOtte(in, out, r);
         }},
        {"Winsism", "w.xyz", Winsism,
         [](const auto& in, const auto& out, std::string* r) {
             return convertWinsismXyzToOtte(in, out, r);
         }},
        {"generic", "g.txt", Generic,
         [](const auto& in, const auto& out, std::string* r) {
             return convertGenericTextToOtte({in}, out, {0}, {0}, r);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("output-is-input");
        const std::string input = inputs(dir, {{c.file, c.text}})[0];
        fs::create_symlink(input, dir + "/link.otte");
        for (const std::string& output : {input, dir + "/link.otte"}) {
            std::string reason;
            testing::internal::CaptureStderr();
            EXPECT_EQ(c.convert(input, output, &reason), 1);
            testing::internal::GetCapturedStderr();
            EXPECT_NE(reason.find("is the input file"), std::string::npos) << reason;
            EXPECT_EQ(testenv::readText(input), c.text);
        }
    }
}

// Outputs that cannot be written: status 1 with a reason, an older file of
// that name keeps its bytes, and no other file is left.
TEST(OtteConversion, UnwritableOutputsKeepTheOlderFile)
{
    const std::string dir = testenv::freshDir("unwritable");
    const std::string input = inputs(dir, {{"a.vs", SeisImager}})[0];
    const std::string older = "older output\n";
    const auto convertAndCheck = [&](const std::string& out, const std::string& where,
                                     bool hadOlder) -> std::string {
        std::string problems, reason;
        testing::internal::CaptureStderr();
        if (const int status = convertSeisImagerToOtte(input, out, &reason); status != 1)
            problems += "status " + std::to_string(status) + "; ";
        testing::internal::GetCapturedStderr();
        if (reason.empty())
            problems += "no reason; ";
        const std::string kept = where + "/" + fs::path(out).filename().string();
        if (hadOlder && testenv::readText(kept) != older)
            problems += "the older file changed; ";
        if (!hadOlder && fs::is_regular_file(out))
            problems += "a file was left; ";
        if (!where.empty()) // else a device, whose folder holds others
            for (const auto& entry : fs::directory_iterator(where))
                if (entry.path() != kept && entry.path().filename() != "filler" &&
                    entry.path().filename() != "a.vs")
                    problems += "left " + entry.path().filename().string() + "; ";
        return problems;
    };

    EXPECT_EQ(convertAndCheck(dir + "/no/such/folder/out.otte", dir, false), "");
    fs::create_directory(dir + "/taken.otte");
    EXPECT_EQ(convertAndCheck(dir + "/taken.otte", dir, false), "");
    EXPECT_TRUE(fs::is_directory(dir + "/taken.otte"));
    fs::remove(dir + "/taken.otte");
    EXPECT_EQ(convertAndCheck("/dev/full", "", false), "");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));

    struct Limit {
        const char* name;
        FolderLimit limit;
    } limits[] = {{"read-only", FolderLimit::ReadOnly}, {"full", FolderLimit::Full}};
    for (const Limit& l : limits) {
        SCOPED_TRACE(l.name);
        const std::string folder = testenv::freshDir(std::string("limited-") + l.name);
        const LimitedRun run = runInLimitedFolder(
            folder, l.limit, 64 * 1024, false,
            [&](const std::string& d) {
                testenv::writeText(d + "/out.otte", older);
                // Up to the last block: the temporary file opens, its write fails.
                std::ofstream filler(d + "/filler", std::ios::binary);
                const std::string block(4096, 'x');
                for (int i = 0; i < 64 && filler.write(block.data(), 4096).flush(); ++i) {
                }
            },
            [&](const std::string& where) {
                return convertAndCheck(folder + "/out.otte", where, true);
            });
        if (run.skipped) {
            std::cout << "no way to limit a folder here\n";
            continue;
        }
        EXPECT_EQ(run.problems, "") << run.how;
    }
}

} // namespace
