#include "limitedfolder.h"
#include "ottewriter.h"
#include "traveltimeexport.h"
#include "traveltimetestutil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace traveltimes;

namespace
{

struct Survey {
    ReceiverSpreads spreads;
    std::vector<TravelTime> records; // shot position, spread, picks (s)
};

TomoDocument documentOf(const Survey& survey)
{
    TomoDocument doc;
    doc.goephonesStringSet = survey.spreads;
    doc.ttArray = survey.records;
    return doc;
}

TravelTime record(uint32_t spread, Point2D shot, std::vector<double> picks)
{
    TravelTime tt;
    tt.indexStesa = spread;
    tt.shotPos2d = shot;
    tt.ttMisurati = std::move(picks);
    return tt;
}

struct WriteCase {
    std::string name;
    Survey survey;
    std::string file;
    Survey readBack; // what the import makes of the file
};

void PrintTo(const WriteCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<WriteCase> writeCases()
{
    const Survey example{{{{0, 100}, {5, 100}, {10, 100}}},
                         {record(0, {-2.5, 100}, {0.0125, 0.0, -99.0})}};
    const Survey wide{{{{1234567.5, 100000}, {0, -0.000125}}},
                      {record(0, {100000, 0}, {1234.5675, 0.0})}};
    const Survey rounded{{{{1234570, 100000}, {0, -0.000125}}},
                         {record(0, {100000, 0}, {1234.57, 0.0})}};
    const Survey emptySpread{{{}, {{1, 2}}}, {record(0, {3, 4}, {}), record(1, {5, 6}, {0.001})}};
    const Survey noRecords{{{{1, 2}}}, {}};
    return {
        {"Example", example,
         "otte\n1.0\n2\n1\n0;5;10;\n100;100;100;\n-2.5;\n100;\n0\n0\n12.5;0;-99000;\n", example},
        {"SixSignificantDigits", wide,
         "otte\n1.0\n2\n1\n1.23457e+06;0;\n100000;-0.000125;\n100000;\n0;\n0\n0\n1.23457e+06;0;\n",
         rounded},
        {"SpreadWithoutReceivers", emptySpread,
         "otte\n1.0\n2\n2\n\n\n1;\n2;\n3;5;\n4;6;\n0\n0\n\n1\n1\n1;\n", emptySpread},
        {"NoRecords", noRecords, "otte\n1.0\n2\n1\n1;\n2;\n\n\n", noRecords},
    };
}

class OtteExport : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(OtteExport, WritesTheLayoutAndReadsBack)
{
    const WriteCase& c = GetParam();
    const std::string path = testenv::freshDir(c.name) + "/export.otte";
    ASSERT_EQ(exportTravelTimesOtte(documentOf(c.survey), path), OtteWriteResult::Ok);
    const auto bytes = testenv::readBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.file);

    TomoDocument imported;
    ASSERT_EQ(imported.loadTravelTimes(path), 0);
    ExpectedDocument expected{c.readBack.spreads, {}};
    for (const TravelTime& tt : c.readBack.records)
        expected.shots.push_back({tt.indexStesa, tt.shotPos2d, tt.ttMisurati});
    expectDocument(imported, expected);
}

INSTANTIATE_TEST_SUITE_P(Documents, OtteExport, ::testing::ValuesIn(writeCases()),
                         [](const auto& p) { return p.param.name; });

TEST(OtteExport, ImportedOtteExportsToTheSameBytes)
{
    const std::string dir = testenv::freshDir("otte-round-trip");
    TomoDocument doc;
    ASSERT_EQ(doc.loadTravelTimes(testenv::fixture("traveltimes/survey.otte")), 0);
    ASSERT_EQ(exportTravelTimesOtte(doc, dir + "/again.otte"), OtteWriteResult::Ok);
    EXPECT_EQ(testenv::readBytes(dir + "/again.otte"),
              testenv::readBytes(testenv::fixture("traveltimes/survey.otte")));
}

TEST(OtteExport, ImportedCsvSurvivesExportAndImport)
{
    const std::string dir = testenv::freshDir("csv-round-trip");
    TomoDocument fromCsv;
    ASSERT_EQ(fromCsv.loadTravelTimes(testenv::fixture("traveltimes/survey.csv")), 0);
    ASSERT_EQ(exportTravelTimesOtte(fromCsv, dir + "/survey.otte"), OtteWriteResult::Ok);
    TomoDocument fromOtte;
    ASSERT_EQ(fromOtte.loadTravelTimes(dir + "/survey.otte"), 0);
    expectDocument(fromOtte, csvFixtureDocument());
}

TEST(OtteExport, Failures)
{
    const std::string dir = testenv::freshDir("otte-failures");
    const TomoDocument doc = documentOf(
        {{{{0, 100}, {5, 100}}}, {record(0, {1, 100}, {0.01, 0.02}), record(0, {2, 100}, {0.01})}});
    // A record that no longer fits its spread would give a file the import
    // refuses; it is named and nothing is written.
    std::size_t bad = 99;
    EXPECT_EQ(exportTravelTimesOtte(doc, dir + "/bad.otte", &bad), OtteWriteResult::InvalidRecord);
    EXPECT_EQ(bad, 1u);
    EXPECT_FALSE(std::filesystem::exists(dir + "/bad.otte"));

    const TomoDocument good = documentOf({{{{0, 100}}}, {record(0, {1, 100}, {0.01})}});
    EXPECT_EQ(exportTravelTimesOtte(good, dir + "/missing/folder/t.otte"),
              OtteWriteResult::CannotWrite);

    // A full disk: the file opens, its write fails, and what was written of
    // it is removed.
    const std::string full = testenv::freshDir("otte-full");
    const projecttest::LimitedRun run = projecttest::runInLimitedFolder(
        full, projecttest::FolderLimit::Full, 64 * 1024, false,
        [](const std::string& d) {
            std::ofstream filler(d + "/filler", std::ios::binary);
            const std::string block(4096, 'x');
            for (int i = 0; i < 64 && filler.write(block.data(), 4096).flush(); ++i) {
            }
        },
        [&](const std::string&) -> std::string {
            std::string problems;
            if (exportTravelTimesOtte(good, full + "/t.otte") != OtteWriteResult::CannotWrite)
                problems += "not reported; ";
            if (std::filesystem::exists(full + "/t.otte"))
                problems += "a partial file was left; ";
            return problems;
        });
    if (run.skipped)
        GTEST_SKIP() << "no way to limit a folder here";
    EXPECT_EQ(run.problems, "") << run.how;
}

TEST(OtteWriter, RefusesRecordsOutsideItsLists)
{
    const ReceiverSpreads spreads{{{0, 0}}};
    const std::vector<ImportedDataFile> shots{{{1, 0}, {}}};
    struct Case {
        const char* name;
        ImportedShot record;
    } cases[] = {
        {"spread", {1, 0, 0, 0, {0.01}}},
        {"negative spread", {-1, 0, 0, 0, {0.01}}},
        {"shot", {0, 1, 0, 0, {0.01}}},
        {"times", {0, 0, 0, 0, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out;
        EXPECT_EQ(writeOtte(out, {c.record}, spreads, shots), OtteWriteResult::InvalidRecord);
        EXPECT_TRUE(out.str().empty());
    }
}

} // namespace
