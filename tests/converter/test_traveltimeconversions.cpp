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

// Inputs that end the conversion: a status or an exception, and no file.
TEST(OtteConversion, BadInputsWriteNothing)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files;
        std::function<int(const std::vector<std::string>&, const std::string&)> convert;
        bool throws;
    };
    const auto seisImager = [](const std::vector<std::string>& in, const std::string& out) {
        return convertSeisImagerFilesToOtte(in, out);
    };
    const auto generic = [](const std::vector<std::string>& in, const std::string& out) {
        return convertGenericTextToOtte(in, out, {0, 0}, {0, 0});
    };
    const Case cases[] = {
        {"SeisImager blank line in a shot",
         {{"a.vs", "L\n0 1\n0 2\n0 1\n\n5 2\n"}},
         seisImager,
         true},
        {"SeisImager end inside a shot", {{"a.vs", "L\n0 1\n0 2\n0 1\n"}}, seisImager, true},
        {"SeisImager single field on line 2", {{"a.vs", "L\n2\n"}}, seisImager, true},
        {"SeisImager second file missing",
         {{"a.vs", SeisImager}},
         [](const auto& in, const auto& out) {
             return convertSeisImagerFilesToOtte({in[0], in[0] + ".missing"}, out);
         },
         false},
        {"generic blank line", {{"g.txt", "0;100;0.01\n\n5;100;0.02\n"}}, generic, true},
        {"generic two fields", {{"g.txt", "0;100\n"}}, generic, true},
        {"generic file missing",
         {{"g.txt", Generic}},
         [](const auto& in, const auto& out) {
             return convertGenericTextToOtte({in[0], in[0] + ".missing"}, out, {0, 0}, {0, 0});
         },
         false},
        {"generic fewer positions than files",
         {{"1.txt", Generic}, {"2.txt", Generic}},
         [](const auto& in, const auto& out) {
             return convertGenericTextToOtte(in, out, {0}, {0});
         },
         true},
        {"Geogiga bad number",
         {{"g.txt", "TX_CURVE\nVERSION: 1\nELEVATION:x\n"}},
         [](const auto& in, const auto& out) { return convertGeogigaToOtte(in[0], out); },
         false},
        {"Winsism missing",
         {},
         [](const auto&, const auto& out) {
             return convertWinsismXyzToOtte("/nonexistent/w.xyz", out);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = testenv::freshDir("bad-input");
        const std::vector<std::string> paths = inputs(dir, c.files);
        const std::string out = dir + "/out.otte";
        testing::internal::CaptureStderr();
        if (c.throws)
            EXPECT_THROW(c.convert(paths, out), std::out_of_range);
        else
            EXPECT_EQ(c.convert(paths, out), 1);
        testing::internal::GetCapturedStderr();
        EXPECT_FALSE(fs::exists(out));
    }
}

// Outputs that cannot be written completely: status 1 and no regular file.
TEST(OtteConversion, UnwritableOutputsLeaveNoFile)
{
    const std::string dir = testenv::freshDir("unwritable");
    const std::string input = inputs(dir, {{"a.vs", SeisImager}})[0];
    const auto convertAndCheck = [&](const std::string& out) -> std::string {
        std::string problems;
        if (const int status = convertSeisImagerToOtte(input, out); status != 1)
            problems += "status " + std::to_string(status) + "; ";
        if (fs::is_regular_file(out))
            problems += "a file was left; ";
        return problems;
    };

    EXPECT_EQ(convertAndCheck(dir + "/no/such/folder/out.otte"), "");
    fs::create_directory(dir + "/taken.otte");
    EXPECT_EQ(convertAndCheck(dir + "/taken.otte"), "");
    EXPECT_TRUE(fs::is_directory(dir + "/taken.otte"));

    struct Limit {
        const char* name;
        FolderLimit limit;
    } limits[] = {{"read-only", FolderLimit::ReadOnly}, {"full", FolderLimit::Full}};
    for (const Limit& l : limits) {
        SCOPED_TRACE(l.name);
        const std::string folder = testenv::freshDir(std::string("limited-") + l.name);
        const LimitedRun run = runInLimitedFolder(
            folder, l.limit, 64 * 1024, false,
            [](const std::string& d) {
                // Up to the last block: the output opens, its first write fails.
                std::ofstream filler(d + "/filler", std::ios::binary);
                const std::string block(4096, 'x');
                for (int i = 0; i < 64 && filler.write(block.data(), 4096).flush(); ++i) {
                }
            },
            [&](const std::string&) { return convertAndCheck(folder + "/out.otte"); });
        if (run.skipped) {
            std::cout << "no way to limit a folder here\n";
            continue;
        }
        EXPECT_EQ(run.problems, "") << run.how;
    }
}

} // namespace
