// Opening whole projects: the round trip through the open's thread entry,
// damaged projects, two-polarity surveys, and the completed survey (grid,
// topography, ray paths) the open command swaps in.

#include "grid.h"
#include "load_project.h"
#include "logger.h"
#include "projecttestutil.h"
#include "roundtrip.h"
#include "save_project.h"
#include "signallog.h"
#include "testenv.h"
#include "workfolder.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <thread>

using namespace projecttest;

namespace
{

QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "test_project_reader";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

TEST(ProjectReader, S2OpensAsSaved)
{
    application();
    expectS2RoundTrip("roundtrip");
}

// Written by an earlier version of the writer (see test_writer.cpp).
TEST(ProjectReader, TheCommittedS2ProjectOpensAsS2)
{
    application();
    expectS2RoundTrip("committed", testenv::fixture("project/s2.tervo"));
}

struct Opened {
    TomoDocument document;
    Grid grid;
    std::vector<double> velocities;
    std::vector<bool> flags;
    ColorPaletteList palettes = builtInPalettes();
    std::unique_ptr<refractionDataStructure> refraction =
        std::make_unique<refractionDataStructure>(&document);
    int result = -1;
    std::vector<std::string> emitted;
    std::string errors;
};

void openProject(const std::string& project, const std::string& root, Opened& o)
{
    projectReader reader;
    SignalLog log(reader);
    o.errors = capturedErrors([&] {
        std::thread worker([&] {
            o.result =
                loadProjectThreadEntry(&reader, project, root, &o.document, &o.grid, &o.velocities,
                                       &o.flags, o.refraction.get(), &o.palettes);
        });
        worker.join();
    });
    o.emitted = log.names();
}

TEST(ProjectReader, AShotMovedToASpreadOfAnotherLengthKeepsItsSharedPicks)
{
    application();
    Survey s2;
    buildS2(s2, testenv::freshDir("moved-shots"));
    TomoDocument& doc = s2.document;
    // Six receivers, the first three where spread 0 has its last three.
    doc.goephonesStringSet.push_back(
        {{5.0, 101.0}, {10.0, 102.0}, {15.0, 103.0}, {20.0, 104.0}, {25.0, 105.0}, {30.0, 106.0}});
    const TravelTime before = doc.ttArray[1];
    moveShotToSpread(doc.ttArray[1], doc.goephonesStringSet, 1);
    s2.refraction->initFromDocument();
    const std::string root = testenv::freshDir("moved-root") + "/";
    const std::string project = testenv::freshDir("moved") + "/s2.tervo";
    ProjectWriter writer;
    ASSERT_EQ(writer.saveProject(project, root, &doc, s2.refraction.get(), s2.palettes), 0)
        << writer.failure;

    Opened o;
    openProject(project, root, o);
    ASSERT_EQ(o.result, 0) << o.errors;
    const TravelTime& moved = o.document.ttArray[1];
    EXPECT_EQ(moved.indexStesa, 1u);
    const double n = Pick::NotPicked;
    EXPECT_EQ(moved.ttMisurati, (std::vector<double>{before.ttMisurati[1], before.ttMisurati[2],
                                                     before.ttMisurati[3], n, n, n}));
    EXPECT_EQ(moved.ttCalcolati, (std::vector<double>{before.ttCalcolati[1], before.ttCalcolati[2],
                                                      before.ttCalcolati[3], n, n, n}));
    expectSameRecords(doc, o.document);
}

struct DamageCase {
    const char* name;
    QJsonArray edits; // operations of projectzip.py edit
    int expected;
    std::function<void(const Opened&)> check;
};

QJsonObject xmlEdit(const char* entry, QJsonObject op)
{
    return {{"op", "xml"}, {"name", entry}, {"ops", QJsonArray{op}}};
}

const std::string badInterval = testenv::fixture("project/s2_bad_interval.sg2");

const DamageCase damageCases[] = {
    {"UnsupportedSuffix",
     {QJsonObject{{"op", "rename"}, {"from", "s1.sg2"}, {"to", "s1.txt"}},
      xmlEdit("traces.xml", {{"op", "set"}, {"path", "filenames/value0"}, {"text", "s1.txt"}})},
     3,
     nullptr},
    {"NoSampleInterval",
     {QJsonObject{
         {"op", "put"}, {"name", "s2.sg2"}, {"file", QString::fromStdString(badInterval)}}},
     2,
     nullptr},
    {"TomodocNotWellFormed",
     {QJsonObject{{"op", "put"}, {"name", "tomodoc.xml"}, {"text", "<cereal><title>"}}},
     1,
     [](const Opened& o) {
         EXPECT_EQ(o.emitted, (std::vector<std::string>{"read_compressed", "error_read_tomo_xml"}));
     }},
    {"NoTraces", {QJsonObject{{"op", "remove"}, {"name", "traces.xml"}}}, 1, nullptr},
    // The built-in palettes are enough to go on with.
    {"NoPalettes",
     {QJsonObject{{"op", "remove"}, {"name", "palettes.xml"}}},
     0,
     [](const Opened& o) {
         EXPECT_EQ(o.palettes.palettes.size(), 9u);
         EXPECT_NE(std::find(o.emitted.begin(), o.emitted.end(), "error_read_palettes"),
                   o.emitted.end());
         EXPECT_EQ(o.document.traceSets.size(), 2u);
     }},
    {"TraceSetPastTheSets",
     {xmlEdit("tomodoc.xml",
              {{"op", "set"}, {"path", "ttArray/value0/traceSetID"}, {"text", "5"}})},
     1,
     nullptr},
    {"ShotNameLeavesTheFolder",
     {xmlEdit("traces.xml", {{"op", "set"}, {"path", "filenames/value0"}, {"text", "../s1.sg2"}})},
     1,
     nullptr},
    {"ShotFileMissing", {QJsonObject{{"op", "remove"}, {"name", "s2.sg2"}}}, 1, nullptr},
    // Beyond the double range: refused, not read as 0.
    {"ShotPositionBeyondTheDoubleRange",
     {xmlEdit("traces.xml", {{"op", "set"}, {"path", "shot_pos/value0"}, {"text", "1e400"}})},
     1,
     nullptr},
    {"ATraceFewerInTheSecondSet",
     {xmlEdit("traces.xml", {{"op", "remove"}, {"path", "traceSet[2]/value3"}})},
     0,
     [](const Opened& o) {
         ASSERT_EQ(o.document.traceSets.size(), 2u);
         const auto& traces = o.document.traceSets[1].traces;
         ASSERT_EQ(traces.size(), 4u);
         for (size_t j = 0; j < 3; ++j)
             EXPECT_EQ(traces[j].filtered.size(), traces[j].samples.size());
         EXPECT_TRUE(traces[3].filtered.empty());
         EXPECT_TRUE(o.document.traceSets[1].hasFiltered);
     }},
};

class DamagedProject : public ::testing::TestWithParam<DamageCase>
{
protected:
    static void SetUpTestSuite()
    {
        application();
        Survey s2;
        buildS2(s2, testenv::freshDir("damaged-shots"));
        project = new std::string(testenv::freshDir("damaged-source") + "/s2.tervo");
        ProjectWriter writer;
        ASSERT_EQ(writer.saveProject(*project, testenv::freshDir("damaged-saving") + "/",
                                     &s2.document, s2.refraction.get(), s2.palettes),
                  0);
    }
    static void TearDownTestSuite() { delete project; }
    static std::string* project;
};
std::string* DamagedProject::project = nullptr;

// No damage crashes the reader, and nothing is written outside the work folder.
TEST_P(DamagedProject, OpensAsExpected)
{
    const DamageCase& c = GetParam();
    const std::string dir = testenv::freshDir(std::string("damaged-") + c.name);
    const std::string damaged = dir + "/p.tervo";
    editProject(*project, damaged, c.edits);
    const std::string root = testenv::freshDir(std::string("damaged-work-") + c.name) + "/";
    const std::string home = QDir::homePath().toStdString();
    const std::vector<std::string> homeBefore = listing(home);
    const std::vector<std::string> dirBefore = listing(dir);

    Opened o;
    openProject(damaged, root, o);
    EXPECT_EQ(o.result, c.expected) << o.errors;
    if (c.check)
        c.check(o);
    EXPECT_EQ(listing(home), homeBefore);
    EXPECT_EQ(listing(dir), dirBefore);
}

INSTANTIATE_TEST_SUITE_P(Edits, DamagedProject, ::testing::ValuesIn(damageCases),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- two-polarity surveys -----------------------------------------------------

std::vector<std::vector<double>> samplesOf(const std::string& file)
{
    TomoDocument d;
    EXPECT_EQ(d.loadSeismicFile(file), 0);
    std::vector<std::vector<double>> samples;
    for (const Trace& t : d.traceSets.at(0).traces)
        samples.push_back(t.samples);
    return samples;
}

void expectPairShot(const Opened& o, const std::vector<std::vector<double>>& sx,
                    const std::vector<std::vector<double>>& dx)
{
    ASSERT_EQ(o.result, 0) << o.errors;
    ASSERT_EQ(o.document.traceSets.size(), 1u);
    const TraceSet& set = o.document.traceSets[0];
    ASSERT_EQ(set.traces.size(), sx.size());
    for (size_t j = 0; j < sx.size(); ++j) {
        EXPECT_EQ(set.traces[j].kind, Trace::TwoPolarity);
        EXPECT_TRUE(sameBits(set.traces[j].samplesSX, sx[j]));
        EXPECT_TRUE(sameBits(set.traces[j].samplesDX, dx[j]));
    }
    // The project's own record, nothing appended by the loader.
    ASSERT_EQ(o.document.ttArray.size(), 1u);
    EXPECT_EQ(o.document.ttArray[0].traceSetID, 0u);
}

TEST(ProjectReader, TwoPolaritySurveysKeepTheirShots)
{
    application();
    const std::string shots = testenv::freshDir("pair-shots");
    for (const char* name : {"x1.sg2", "d1.sg2"})
        QFile::copy(QString::fromStdString(testenv::fixture(std::string("project/") + name)),
                    QString::fromStdString(shots + "/" + name));
    TomoDocument survey;
    survey.goephonesStringSet = {{{0.0, 100.0}, {5.0, 101.0}, {10.0, 102.0}, {15.0, 103.0}}};
    ASSERT_EQ(survey.loadSeismicFilePair(shots + "/x1.sg2", shots + "/d1.sg2", -2.5, 100.0, 0), 0);
    ASSERT_EQ(survey.ttArray.size(), 1u);
    const std::string project = testenv::freshDir("pair") + "/pair.tervo";
    ProjectWriter writer;
    ASSERT_EQ(writer.saveProject(project, testenv::freshDir("pair-saving") + "/", &survey, nullptr,
                                 builtInPalettes()),
              0);
    const QJsonObject values = checkProject(project)["values"].toObject();
    EXPECT_EQ(values["traces.xml/wave_type"].toString(), "2");
    EXPECT_FALSE(values.contains("traces.xml/filenames/value0"));
    EXPECT_EQ(values["traces.xml/filenames_DX/value0"].toString(), "d1.sg2");
    EXPECT_EQ(values["traces.xml/filenames_SX/value0"].toString(), "x1.sg2");
    EXPECT_EQ(values["traces.xml/shot_pos/value0"].toString().toDouble(), -2.5);

    const auto sx = samplesOf(shots + "/x1.sg2");
    const auto dx = samplesOf(shots + "/d1.sg2");
    Opened first;
    openProject(project, testenv::freshDir("pair-work") + "/", first);
    expectPairShot(first, sx, dx);

    // Saved again from the opened copy, and opened once more.
    const std::string again = testenv::freshDir("pair-again") + "/pair.tervo";
    ProjectWriter second;
    ASSERT_EQ(second.saveProject(again, testenv::freshDir("pair-saving-again") + "/",
                                 &first.document, nullptr, first.palettes),
              0);
    Opened reopened;
    openProject(again, testenv::freshDir("pair-work-again") + "/", reopened);
    expectPairShot(reopened, sx, dx);
}

// Imported travel times, grid dialog cancelled: nothing but records.
const std::vector<double> importedPicks = {0.01, 0.02};

std::string importedProject(const std::string& name)
{
    TomoDocument survey;
    survey.goephonesStringSet = {{{0.0, 0.0}, {5.0, 0.0}}};
    TravelTime tt;
    tt.traceSetID = TravelTime::NoTraceSet;
    tt.ttMisurati = importedPicks;
    tt.ttCalcolati = {0.0, 0.0};
    survey.ttArray = {tt};
    const std::string project = testenv::freshDir(name) + "/p.tervo";
    ProjectWriter writer;
    EXPECT_EQ(writer.saveProject(project, testenv::freshDir(name + "-saving") + "/", &survey,
                                 nullptr, builtInPalettes()),
              0);
    return project;
}

TEST(ProjectReader, ASurveyWithoutGridOrShotsOpens)
{
    application();
    const std::string project = importedProject("imported");
    Opened o;
    openProject(project, testenv::freshDir("imported-work") + "/", o);
    ASSERT_EQ(o.result, 0) << o.errors;
    EXPECT_EQ(o.grid.righe, 0u);
    EXPECT_TRUE(o.velocities.empty());
    EXPECT_TRUE(o.document.traceSets.empty());
    EXPECT_TRUE(sameBits(o.document.ttArray.at(0).ttMisurati, importedPicks));
}

// ---- the whole survey, as the open command swaps it in ----------------------

struct WholeCase {
    const char* name;
    bool imported;    // the imported survey, else the committed S2 project...
    QJsonArray edits; // ...with these edits
    int status;
    uint32_t cells; // of the grid built; 0: none
    bool rays;
    bool refraction;
    size_t palettes;
};

const WholeCase wholeCases[] = {
    {"Inverted", false, {}, 0, 12, true, true, 11},
    {"NoResults",
     false,
     {xmlEdit("tomodoc.xml", {{"op", "set"}, {"path", "has_tomographic_info"}, {"text", "false"}})},
     0,
     12,
     false,
     true,
     11},
    {"NoGridNoShots", true, {}, 0, 0, false, false, 9},
    {"NoTraces",
     false,
     {QJsonObject{{"op", "remove"}, {"name", "traces.xml"}}},
     1,
     0,
     false,
     false,
     9},
    {"UnsupportedSuffix",
     false,
     {QJsonObject{{"op", "rename"}, {"from", "s1.sg2"}, {"to", "s1.txt"}},
      xmlEdit("traces.xml", {{"op", "set"}, {"path", "filenames/value0"}, {"text", "s1.txt"}})},
     3,
     0,
     false,
     false,
     11},
};

void PrintTo(const WholeCase& c, std::ostream* out)
{
    *out << c.name;
}

class WholeSurvey : public ::testing::TestWithParam<WholeCase>
{
};

TEST_P(WholeSurvey, IsCompleteOrSaysWhyNot)
{
    application();
    const WholeCase& c = GetParam();
    const std::string name = std::string("whole-") + c.name;
    std::string project = c.imported ? importedProject(name) : testenv::fixture("project/s2.tervo");
    if (!c.edits.isEmpty()) {
        const std::string edited = testenv::freshDir(name) + "/p.tervo";
        editProject(project, edited, c.edits);
        project = edited;
    }
    projectReader reader;
    Logger log(testenv::freshDir(name + "-log") + "/log.txt");
    OpenedProject o;
    const std::string errors = capturedErrors([&] {
        std::thread worker([&] {
            o = openProjectThreadEntry(&reader, project, testenv::freshDir(name + "-work") + "/",
                                       builtInPalettes(), &log);
        });
        worker.join();
    });
    ASSERT_EQ(o.status, c.status) << errors;
    EXPECT_EQ(o.palettes.palettes.size(), c.palettes);
    EXPECT_EQ(bool(o.refraction), c.refraction);
    if (c.status != 0) {
        EXPECT_FALSE(o.document);
        EXPECT_FALSE(o.failure.empty());
        return;
    }
    EXPECT_EQ(o.failure, "");
    ASSERT_TRUE(o.document);
    const TomoDocument& doc = *o.document;
    EXPECT_EQ(doc.logger, &log);
    EXPECT_TRUE(doc.topography);
    EXPECT_EQ(doc.grid ? doc.grid->numberOfCells() : 0u, c.cells);
    if (c.rays) {
        EXPECT_EQ(doc.info_density.size(), c.cells);
    }
    EXPECT_EQ(!doc.rayPaths.empty(), c.rays);
    EXPECT_EQ(doc.rayDensity.size(), c.rays ? c.cells : 0u);
    if (o.refraction) {
        EXPECT_EQ(o.refraction->document, &doc);
    }
    ASSERT_TRUE(o.folder);
    for (const TraceSet& set : doc.traceSets)
        EXPECT_EQ(set.fileName.rfind(o.folder->path(), 0), 0u) << set.fileName;
}

INSTANTIATE_TEST_SUITE_P(Projects, WholeSurvey, ::testing::ValuesIn(wholeCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
