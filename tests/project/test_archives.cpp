// The XML archives of a project, written and read by the writer's and the
// reader's step functions on their own (no zip, no thread). Saved files are
// checked by projectzip.py (Python's ElementTree), independent of cereal.

#include "grid.h"
#include "load_project.h"
#include "logger.h"
#include "projecttestutil.h"
#include "refractionanalysis.h"
#include "refractionmodels.h"
#include "save_project.h"
#include "testenv.h"
#include "xmlstream.h"

#include <cereal/archives/xml.hpp>
#include <cereal/types/string.hpp>
#include <cereal/types/vector.hpp>

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <fstream>
#include <limits>
#include <thread>

using namespace projecttest;

namespace
{

// The three document archives of S2 in a folder, and what reading them gave.
struct DocumentFiles {
    std::string dir;
    std::string tomodoc() const { return dir + "/tomodoc.xml"; }
    std::string grid() const { return dir + "/grid.xml"; }
    std::string traces() const { return dir + "/traces.xml"; }
};

DocumentFiles writeDocumentFiles(TomoDocument& document, const std::string& dir)
{
    ProjectWriter writer;
    std::vector<ShotFile> main, dx, sx;
    DocumentFiles files{dir};
    EXPECT_EQ(writer.saveTomoDocument_XML(&document, files.tomodoc()), 0);
    EXPECT_EQ(writer.saveTomoDocumentGrid_XML(&document, files.grid()), 0);
    EXPECT_EQ(writer.saveTomoDocumentTraces_XML(&document, files.traces(), &main, &dx, &sx), 0);
    return files;
}

struct ReadBack {
    TomoDocument document;
    Grid grid;
    std::vector<double> velocities;
    std::vector<bool> toBeDraw;
    std::vector<std::string> filenames, filenamesDX, filenamesSX;
    std::vector<double> shotPos;
    int waveType = 4;
    std::vector<TraceSet> savedSets;
    int result = -1;
    std::string errors;
};

// Reads the three files in the open's order, stopping at the first failure,
// on a std::thread as the open does (its stack is what a deep file would
// overflow).
void readDocumentFiles(const DocumentFiles& files, ReadBack& r)
{
    r.errors = capturedErrors([&] {
        std::thread worker([&] {
            projectReader reader;
            r.result = reader.loadTomoDocument_XML(files.tomodoc(), &r.document);
            if (r.result == 0)
                r.result = reader.loadTomoDocumentGrid_XML(files.grid(), &r.document, &r.grid,
                                                           &r.velocities, &r.toBeDraw);
            if (r.result == 0)
                r.result = reader.loadTomoDocumentTraces_XML(files.traces(), &r.filenames,
                                                             &r.filenamesDX, &r.filenamesSX,
                                                             &r.shotPos, &r.waveType, &r.savedSets);
        });
        worker.join();
    });
}

std::vector<double> gridSlowness(const Grid& grid)
{
    std::vector<double> values;
    for (const GridCell& cell : grid.cells)
        values.push_back(cell.slowness);
    return values;
}

std::vector<bool> gridFlags(const Grid& grid)
{
    std::vector<bool> values;
    for (const GridCell& cell : grid.cells)
        values.push_back(cell.to_be_draw);
    return values;
}

TEST(DocumentArchives, RoundTripOfS2IsBitIdentical)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("roundtrip-shots"));
    const DocumentFiles files = writeDocumentFiles(s2.document, testenv::freshDir("roundtrip"));
    ReadBack r;
    readDocumentFiles(files, r);
    ASSERT_EQ(r.result, 0) << r.errors;

    expectSameRecords(s2.document, r.document);
    EXPECT_EQ(r.document.title, " Linea \xC3\xA8 & <1> ");
    EXPECT_EQ(r.grid.righe, 3u);
    EXPECT_EQ(r.grid.col, 4u);
    EXPECT_EQ(r.grid.nV, 6u);
    EXPECT_TRUE(sameBits(r.grid.aLato, 6.0));
    EXPECT_TRUE(sameBits(r.velocities, gridSlowness(*s2.document.grid)));
    EXPECT_EQ(r.toBeDraw, gridFlags(*s2.document.grid));

    EXPECT_EQ(r.filenames, (std::vector<std::string>{"s1.sg2", "s2.sg2"}));
    EXPECT_TRUE(r.filenamesDX.empty());
    EXPECT_TRUE(r.filenamesSX.empty());
    EXPECT_EQ(r.waveType, 3);
    EXPECT_TRUE(sameBits(r.shotPos, {-2.5, 17.5}));
    ASSERT_EQ(r.savedSets.size(), 2u);
    for (const Trace& trace : r.savedSets[0].traces)
        EXPECT_TRUE(trace.filtered.empty());
    const auto& shot2 = s2.document.traceSets[1].traces;
    ASSERT_EQ(r.savedSets[1].traces.size(), shot2.size());
    for (size_t j = 0; j < shot2.size(); ++j)
        EXPECT_TRUE(sameBits(r.savedSets[1].traces[j].filtered, shot2[j].filtered));

    // A file read successfully is deleted.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(files.tomodoc())));
}

TEST(DocumentArchives, ExtremeDoublesRoundTrip)
{
    const std::vector<double> values = {-0.0,
                                        1e-300,
                                        DBL_MAX,
                                        -DBL_MAX,
                                        4.9e-324,
                                        2.2250738585072009e-308,
                                        0.1,
                                        std::numeric_limits<double>::quiet_NaN(),
                                        std::numeric_limits<double>::infinity(),
                                        -std::numeric_limits<double>::infinity()};
    TomoDocument document;
    document.info_density = values;
    document.RMSE_tomography = 4.9e-324;
    const std::string dir = testenv::freshDir("extremes");
    ProjectWriter writer;
    ASSERT_EQ(writer.saveTomoDocument_XML(&document, dir + "/tomodoc.xml"), 0);
    TomoDocument read;
    projectReader reader;
    ASSERT_EQ(reader.loadTomoDocument_XML(dir + "/tomodoc.xml", &read), 0);
    EXPECT_TRUE(sameBits(read.info_density, values));
    EXPECT_TRUE(sameBits(read.RMSE_tomography, 4.9e-324));
}

// The streaming writer must print what cereal prints, byte for byte, for
// every kind of value a project holds.
TEST(StreamedArchives, WriteTheBytesCerealWrites)
{
    const std::vector<double> doubles = {-0.0,
                                         1e-300,
                                         DBL_MAX,
                                         -DBL_MAX,
                                         4.9e-324,
                                         0.1,
                                         1.0 / 3.0,
                                         123456789.0,
                                         1e21,
                                         -2.5e-7,
                                         std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity()};
    const std::vector<std::string> texts = {"",
                                            "plain",
                                            " outer blanks ",
                                            "\ttab",
                                            "line\n",
                                            "a & b <c> 'd' \"e\"",
                                            std::string("nul\0after", 9),
                                            "\xC3\xA8 UTF-8"};
    const std::vector<double> none;
    const std::string dir = testenv::freshDir("streamed");
    {
        std::ofstream out(dir + "/cereal.xml");
        cereal::XMLOutputArchive archive(out, cereal::XMLOutputArchive::Options(17, true, false));
        archive(cereal::make_nvp("texts", texts), cereal::make_nvp("doubles", doubles),
                cereal::make_nvp("none", none), cereal::make_nvp("int", int32_t(-7)),
                cereal::make_nvp("uint", uint32_t(4000000000u)), cereal::make_nvp("yes", true),
                cereal::make_nvp("no", false));
        for (int i = 0; i < 5; ++i)
            archive(cereal::make_nvp("part", doubles));
        archive.setNextName("nested");
        archive.startNode();
        archive(cereal::make_size_tag(cereal::size_type(2)));
        for (int i = 0; i < 2; ++i) {
            archive.startNode();
            archive(cereal::make_nvp("doubles", doubles));
            archive.finishNode();
        }
        archive.finishNode();
    }
    XmlStreamWriter xml(dir + "/streamed.xml");
    xml.sequence("texts", texts);
    xml.sequence("doubles", doubles);
    xml.sequence("none", none);
    xml.named("int", int32_t(-7));
    xml.named("uint", uint32_t(4000000000u));
    xml.named("yes", true);
    xml.named("no", false);
    // Parts formatted side by side come out in order.
    xml.children(5, 3, [&](XmlStreamWriter& part, size_t) { part.sequence("part", doubles); });
    xml.startSequence("nested");
    for (int i = 0; i < 2; ++i) {
        xml.start();
        xml.sequence("doubles", doubles);
        xml.finish();
    }
    xml.finish();
    ASSERT_TRUE(xml.close());
    EXPECT_EQ(testenv::readText(dir + "/streamed.xml"), testenv::readText(dir + "/cereal.xml"));
    EXPECT_FALSE(XmlStreamWriter("/dev/full").close());
}

// One edit of S2's saved files by projectzip.py: op "remove", "set", "copy"
// (text is the new tag) or "text" (the whole file).
struct Edit {
    const char* file; // "tomodoc", "grid" or "traces"
    const char* op;
    const char* path;
    std::string text;
};

void applyEdits(const std::string& dir, const std::vector<Edit>& edits)
{
    for (const Edit& e : edits) {
        if (std::string(e.op) == "text") {
            testenv::writeText(dir + "/" + e.file + ".xml", e.text);
            continue;
        }
        QJsonObject op{{"op", e.op}, {"path", e.path}};
        op[std::string(e.op) == "copy" ? "tag" : "text"] = QString::fromStdString(e.text);
        editArchive(dir + "/" + e.file + ".xml", QJsonArray{op});
    }
}

struct CorruptionCase {
    const char* name;
    std::vector<Edit> edits;
    int expected;
    std::function<void(const ReadBack&)> check;
};

const char* emptyGrid = R"(<?xml version="1.0" encoding="utf-8"?>
<cereal>
	<righe>0</righe>
	<col>0</col>
	<nV>0</nV>
	<aLato>0</aLato>
	<velocities size="dynamic"/>
	<to_be_draw size="dynamic"/>
</cereal>
)";

std::string nested(int depth)
{
    std::string text = "<cereal>";
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    return text + "</cereal>";
}

// A check that the error lines mention text.
std::function<void(const ReadBack&)> mentions(const char* text)
{
    return [text](const ReadBack& r) { EXPECT_NE(r.errors.find(text), std::string::npos); };
}

const CorruptionCase corruptionCases[] = {
    {"NoGeographicReference",
     {{"tomodoc", "remove", "geoCoord", ""}, {"tomodoc", "remove", "geoCoord_isSet", ""}},
     0,
     [](const ReadBack& r) {
         EXPECT_FALSE(r.document.geoCoord_isSet);
         EXPECT_NE(r.errors.find("Variable [geoCoord] unknown. Set to  default."),
                   std::string::npos);
         EXPECT_NE(r.errors.find("Variable [geoCoord_isSet] unknown. Set to  default."),
                   std::string::npos);
     }},
    {"NoCoordinateSystem",
     {{"tomodoc", "remove", "geoCoord/CRS", ""}},
     0,
     [](const ReadBack& r) {
         EXPECT_EQ(r.document.geoCoord.CRS, 0u);
         EXPECT_TRUE(sameBits(r.document.geoCoord.mNorthLstGeoph, 4649790.25));
         EXPECT_NE(r.errors.find(" CRS not set"), std::string::npos);
     }},
    {"NoInfoDensity",
     {{"tomodoc", "remove", "info_density", ""}},
     0,
     [](const ReadBack& r) { EXPECT_EQ(r.document.info_density, std::vector<double>{1.0}); }},
    {"NoTitle",
     {{"tomodoc", "remove", "title", ""}},
     0,
     [](const ReadBack& r) {
         EXPECT_EQ(r.document.title, "");
         EXPECT_EQ(r.document.info_density.size(), 12u);
     }},
    // cereal would stay inside the element and take every later one for
    // missing: info_density and title would silently get their defaults.
    {"UnreadableRmse",
     {{"tomodoc", "set", "RMSE_tomography", "abc"}},
     1,
     [](const ReadBack& r) { EXPECT_TRUE(r.document.info_density.empty()); }},
    {"SpreadIndexPastTheSpreads",
     {{"tomodoc", "set", "ttArray/value0/indexStesa", "7"}},
     1,
     [](const ReadBack& r) { EXPECT_TRUE(r.document.ttArray.empty()); }},
    {"DeeplyNested", {{"tomodoc", "text", "", nested(100000)}}, 1, nullptr},
    // A position or time that is not a number loses the grid in the window
    // and makes the next save unreadable; "not picked" is a value like any.
    {"ReceiverPositionNan",
     {{"tomodoc", "set", "goephonesStringSet/value0/value1/x", "nan"}},
     1,
     mentions("receiver 1 of spread 0 has a position that is not a number")},
    {"ShotPositionInfinite",
     {{"tomodoc", "set", "ttArray/value1/shotPos2d/z", "inf"}},
     1,
     mentions("record 1 has a shot position that is not a number")},
    {"PickNan",
     {{"tomodoc", "set", "ttArray/value0/ttMisurati/value2", "nan"}},
     1,
     mentions("record 0: measured time 2 is not a number")},
    {"ComputedTimeMinusInfinity",
     {{"tomodoc", "set", "ttArray/value1/ttCalcolati/value0", "-inf"}},
     1,
     nullptr},
    {"NotPickedAndRejected",
     {{"tomodoc", "set", "ttArray/value1/ttMisurati/value1", "0"},
      {"tomodoc", "set", "ttArray/value1/ttMisurati/value2", "-99"}},
     0,
     [](const ReadBack& r) {
         EXPECT_EQ(r.document.ttArray[1].ttMisurati[1], Pick::NotPicked);
         EXPECT_EQ(r.document.ttArray[1].ttMisurati[2], Pick::Rejected);
     }},
    // Refused by counting, before the values are parsed.
    {"MoreDensitiesThanCells",
     {{"tomodoc", "copy", "info_density/value0", "value12"}},
     1,
     mentions("info_density holds 13 values for a grid of 12 cells")},
    // Without results the densities may be left from an earlier grid.
    {"DensitiesOfAnEarlierGrid",
     {{"tomodoc", "copy", "info_density/value0", "value12"},
      {"tomodoc", "set", "has_tomographic_info", "false"}},
     0,
     [](const ReadBack& r) { EXPECT_EQ(r.document.info_density.size(), 13u); }},
    {"MorePicksThanReceivers",
     {{"tomodoc", "copy", "ttArray/value0/ttMisurati/value0", "value4"}},
     1,
     mentions("record 0 has times for another number of receivers")},
    {"TracesOfTheOldLayout",
     {{"traces", "remove", "filenames_DX", ""},
      {"traces", "remove", "filenames_SX", ""},
      {"traces", "remove", "wave_type", ""},
      {"traces", "remove", "shot_pos", ""}},
     0,
     [](const ReadBack& r) {
         EXPECT_EQ(r.waveType, 3);
         EXPECT_NE(r.errors.find("[No DX and SX filenames.] This is a project saved before "
                                 "version 2019.1"),
                   std::string::npos);
         EXPECT_EQ(r.savedSets.size(), 2u);
     }},
    // cereal's lookup by name would hand set 1 the traces of set 0 again.
    {"SecondTraceSetMissing",
     {{"traces", "remove", "traceSet[2]", ""}},
     0,
     [](const ReadBack& r) {
         ASSERT_EQ(r.savedSets.size(), 2u);
         EXPECT_EQ(r.savedSets[0].traces.size(), 4u);
         EXPECT_TRUE(r.savedSets[1].traces.empty());
         EXPECT_NE(r.errors.find("[No filtered traces] This is a project saved before version "
                                 "2019.1"),
                   std::string::npos);
     }},
    {"FilteredSampleNotANumber",
     {{"traces", "set", "traceSet[2]/value1/filtered/value5", "0.5x"}},
     1,
     mentions("a filtered trace holds \"0.5x\", which is not a number")},
    {"TracesNotWellFormed",
     {{"traces", "text", "", "<cereal><filenames size=\"dynamic\"><value0>s1.sg2</value1>"}},
     1,
     mentions("</value1> closes <value0>")},
    {"TracesWithoutFilenames", {{"traces", "remove", "filenames", ""}}, 1, nullptr},
    {"FilenamesTwice",
     {{"traces", "copy", "filenames", "filenames"}},
     1,
     mentions("<filenames> is there twice")},
    {"ElevenVelocities", {{"grid", "remove", "velocities/value11", ""}}, 1, nullptr},
    {"OneNodePerSide", {{"grid", "set", "nV", "1"}}, 1, nullptr},
    {"NoCellSide", {{"grid", "set", "aLato", "0"}}, 1, nullptr},
    // Finite, but the edges' lengths and travel times would not be.
    {"CellSide1e308",
     {{"grid", "set", "aLato", "1e308"}},
     1,
     mentions("cells of aLato 1e+308 m give edge travel times that are not finite")},
    {"SlownessNan", {{"grid", "set", "velocities/value3", "nan"}}, 1, nullptr},
    {"SlownessNegative", {{"grid", "set", "velocities/value3", "-0.001"}}, 1, nullptr},
    {"RowsOfMinusOne", {{"grid", "set", "righe", "-1"}}, 1, nullptr},
    {"MoreFlagsThanCells",
     {{"grid", "copy", "to_be_draw/value0", "value12"}},
     1,
     mentions("3 x 4 cells, but 12 velocities and 13 to_be_draw")},
    // Read as false by cereal without a word.
    {"FlagMaybe",
     {{"grid", "set", "to_be_draw/value1", "maybe"}},
     1,
     mentions("to_be_draw 1 is \"maybe\", neither true nor false")},
    {"NoGridAndNoResults",
     {{"grid", "text", "", emptyGrid}, {"tomodoc", "set", "has_tomographic_info", "false"}},
     0,
     [](const ReadBack& r) {
         EXPECT_EQ(r.grid.righe, 0u);
         EXPECT_EQ(r.grid.col, 0u);
         EXPECT_TRUE(r.velocities.empty());
         EXPECT_TRUE(r.toBeDraw.empty());
     }},
    {"ResultsWithoutGrid", {{"grid", "text", "", emptyGrid}}, 1, nullptr},
    {"GridNotWellFormed", {{"grid", "text", "", "<cereal><righe>"}}, 1, nullptr},
};

class DocumentCorruption : public ::testing::TestWithParam<CorruptionCase>
{
protected:
    static void SetUpTestSuite()
    {
        survey = new Survey;
        buildS2(*survey, testenv::freshDir("corruption-shots"));
    }
    static void TearDownTestSuite()
    {
        delete survey;
        survey = nullptr;
    }
    static Survey* survey;
};
Survey* DocumentCorruption::survey = nullptr;

TEST_P(DocumentCorruption, ReadsAsExpected)
{
    const CorruptionCase& c = GetParam();
    const DocumentFiles files =
        writeDocumentFiles(survey->document, testenv::freshDir(std::string("corrupt-") + c.name));
    applyEdits(files.dir, c.edits);
    ReadBack r;
    readDocumentFiles(files, r);
    EXPECT_EQ(r.result, c.expected) << r.errors;
    if (c.check)
        c.check(r);
}

INSTANTIATE_TEST_SUITE_P(Edits, DocumentCorruption, ::testing::ValuesIn(corruptionCases),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- palettes --------------------------------------------------------------

TEST(PaletteArchive, UserPalettesJoinTheBuiltIns)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("palettes-shots"));
    const std::string path = testenv::freshDir("palettes") + "/palettes.xml";
    ProjectWriter writer;
    ASSERT_EQ(writer.savePalettes_XML(path, s2.palettes), 0);

    const QJsonObject file = checkArchive("palettes.xml", path);
    EXPECT_TRUE(file["errors"].toArray().isEmpty()) << file["errors"].toArray().size();
    const QJsonObject values = file["values"].toObject();
    const QString u2 = "palettes.xml/palettes/value10/";
    EXPECT_EQ(values[u2 + "name"].toString(), "U2");
    EXPECT_EQ(values[u2 + "n_colors"].toString(), "4");
    EXPECT_EQ(values[u2 + "color_gradient/n_colors"].toString(), "3");
    std::vector<double> mval;
    for (int i = 0; values.contains(u2 + QString("color_gradient/color/value%1/mval").arg(i)); ++i)
        mval.push_back(
            values[u2 + QString("color_gradient/color/value%1/mval").arg(i)].toString().toDouble());
    EXPECT_EQ(mval, (std::vector<double>{0.0, 25.0, 50.0}));

    ColorPaletteList window = builtInPalettes();
    projectReader reader;
    ASSERT_EQ(reader.loadPalettes_XML(path, &window), 0);
    ASSERT_EQ(window.palettes.size(), 11u);
    EXPECT_EQ(window.curr_palette, builtInPalettes().curr_palette); // the window keeps its own
    const ColorPalette& readU1 = window.palettes[9];
    const ColorPalette& readU2 = window.palettes[10];
    EXPECT_EQ(readU1.name, "U1");
    ASSERT_EQ(readU2.color_gradient.color.size(), 3u);
    // U2's stops as written: sorted, the first of the two at 50 kept.
    const auto& u2stops = s2.palettes.palettes[10].color_gradient.color;
    const std::vector<GradientColorPoint> expectedU2 = {u2stops[0], u2stops[2], u2stops[1]};
    const auto sameStops = [](const std::vector<GradientColorPoint>& a,
                              const std::vector<GradientColorPoint>& b) {
        ASSERT_EQ(a.size(), b.size());
        for (size_t k = 0; k < a.size(); ++k)
            EXPECT_TRUE(sameBits({a[k].mr, a[k].mg, a[k].mb, a[k].mval},
                                 {b[k].mr, b[k].mg, b[k].mb, b[k].mval}))
                << "stop " << k;
    };
    sameStops(readU1.color_gradient.color, s2.palettes.palettes[9].color_gradient.color);
    sameStops(readU2.color_gradient.color, expectedU2);
    EXPECT_TRUE(sameBits(readU2.min_db, 250.0));
    EXPECT_TRUE(sameBits(readU2.max_db, 3500.0));
}

TEST(PaletteArchive, ADamagedPaletteFailsTheWholeList)
{
    // A palette that stops half way would leave the archive inside it and
    // the palettes after it misread.
    ColorPaletteList list = builtInPalettes();
    list.palettes[3].is_editable = true;
    list.palettes[5].is_editable = true;
    const std::string path = testenv::freshDir("damaged-palettes") + "/palettes.xml";
    ProjectWriter writer;
    ASSERT_EQ(writer.savePalettes_XML(path, list), 0);
    editArchive(path,
                QJsonArray{QJsonObject{{"op", "remove"}, {"path", "palettes/value3/max_db"}}});

    ColorPaletteList window = builtInPalettes();
    projectReader reader;
    capturedErrors([&] { EXPECT_EQ(reader.loadPalettes_XML(path, &window), 1); });
    EXPECT_EQ(window.palettes.size(), 9u);
}

// ---- refraction data -------------------------------------------------------

TEST(RefractionArchive, RoundTripAndOlderFilesWithoutEnabled)
{
    Survey s2;
    buildS2(s2, testenv::freshDir("refraction-shots"));
    const std::string path = testenv::freshDir("refraction") + "/refraction.xml";
    ProjectWriter writer;
    ASSERT_EQ(writer.saveRefraction_XML(path, s2.refraction.get()), 0);
    const QJsonObject file = checkArchive("refraction.xml", path);
    EXPECT_TRUE(file["errors"].toArray().isEmpty());
    // -99.9 has no exact double: compare numbers, never texts.
    EXPECT_EQ(
        file["values"].toObject()["refraction.xml/phnt_A/value0/time/value2"].toString().toDouble(),
        -99.9);

    refractionDataStructure read(&s2.document);
    projectReader reader;
    ASSERT_EQ(reader.loadRefraction_XML(path, &read), 0);
    expectSameRefraction(read, *s2.refraction);
    EXPECT_TRUE(read.ttLayer[0].enabled);
    EXPECT_FALSE(read.ttLayer[1].enabled);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path))); // kept in the folder

    editArchive(path, QJsonArray{QJsonObject{{"op", "remove"}, {"path", "ttLayer/*/enabled"}}});
    refractionDataStructure older(&s2.document);
    ASSERT_EQ(reader.loadRefraction_XML(path, &older), 0);
    EXPECT_TRUE(older.ttLayer[0].enabled);
    EXPECT_TRUE(older.ttLayer[1].enabled);
}

// Results of a real build (three-layer model) come back bit for bit.
TEST(RefractionArchive, BuiltResultsRoundTrip)
{
    TomoDocument doc;
    refractionDataStructure built(&doc);
    refractionmodels::load(refractionmodels::read("model_b.txt"), doc, built);
    const auto outcome = RefractionAnalysis(doc, built, [](const QString&) {}).buildProfiles();
    ASSERT_TRUE(outcome.layer3);
    const std::string path = testenv::freshDir("built-refraction") + "/refraction.xml";
    ProjectWriter writer;
    ASSERT_EQ(writer.saveRefraction_XML(path, &built), 0);
    refractionDataStructure read(&doc);
    projectReader reader;
    ASSERT_EQ(reader.loadRefraction_XML(path, &read), 0);
    expectSameRefraction(read, built);
}

struct RefractionCase {
    const char* name;
    QJsonArray edits;
    int expected;
    const char* reason; // part of the one warning of a reset; null: no reset
};

QJsonObject setText(const QString& path, const QString& text)
{
    return {{"op", "set"}, {"path", path}, {"text", text}};
}

// Every station of the four phantoms 1,000 m further on, in step, so that
// only their positions are wrong.
QJsonArray shiftedStations()
{
    QJsonArray edits;
    for (const char* side : {"phnt_A", "phnt_R"})
        for (int k = 0; k < 4; ++k)
            edits.append(setText(QString("%1/*/pos/value%2/x").arg(side).arg(k),
                                 QString::number(1000 + 5 * k)));
    return edits;
}

const RefractionCase refractionCases[] = {
    {"NotWellFormed",
     {QJsonObject{{"op", "text"}, {"text", "<cereal><phnt_A size=\"dynamic\">"}}},
     1,
     nullptr},
    {"ThreeLayerRecordsForTwoShots",
     {QJsonObject{{"op", "copy"}, {"path", "ttLayer/value0"}, {"tag", "value2"}}},
     0,
     "do not fit the survey"},
    {"ReversePhantomWithATimeShort",
     {QJsonObject{{"op", "remove"}, {"path", "phnt_R/value1/time/value3"}}},
     0,
     "do not fit the survey"},
    {"V1NotANumber", {setText("refractData/v1", "nan")}, 0, "v1 is not a velocity"},
    {"OneDepthInfinite", {setText("refractData/cData/value0/z/value1", "inf")}, 0, "depth"},
    {"EveryDepth1e308", {setText("refractData/cData/value0/z/*", "1e308")}, 0, "depth"},
    {"AShift1e308", {setText("ttLayer/value0/trasla/value2", "1e308")}, 0, "time shift"},
    {"APhantomTimeMinusInfinity",
     {setText("phnt_A/value0/time/value0", "-inf")},
     0,
     "phantom time"},
    {"StationsShiftedBy1000m", shiftedStations(), 0, "not a receiver"},
    {"EnabledMaybe", {setText("ttLayer/value1/enabled", "maybe")}, 0, "\"maybe\""},
};

class RefractionCorruption : public ::testing::TestWithParam<RefractionCase>
{
};

// A file that does not parse fails the open; one that parses but does not
// fit the survey, or holds values no build of it gives, is replaced by fresh
// data from the survey, with one log line and the reason as a warning.
TEST_P(RefractionCorruption, ReadsAsExpected)
{
    const RefractionCase& c = GetParam();
    Survey s2;
    const std::string dir = testenv::freshDir(std::string("refraction-") + c.name);
    buildS2(s2, dir);
    Logger logger(dir + "/log.txt");
    s2.document.logger = &logger;
    const std::string path = dir + "/refraction.xml";
    ProjectWriter writer;
    ASSERT_EQ(writer.saveRefraction_XML(path, s2.refraction.get()), 0);
    editArchive(path, c.edits);

    refractionDataStructure read(&s2.document);
    read.refractData.v1 = 1234.0; // the build results stay through a reset
    projectReader reader;
    capturedErrors([&] { EXPECT_EQ(reader.loadRefraction_XML(path, &read), c.expected); });
    if (c.expected != 0) {
        EXPECT_TRUE(read.phnt_A.empty());
        return;
    }
    refractionDataStructure fresh(&s2.document);
    fresh.initFromDocument();
    fresh.refractData.v1 = 1234.0;
    expectSameRefraction(read, fresh);
    EXPECT_EQ(QString::fromStdString(testenv::readText(dir + "/log.txt")).count("ERROR :"), 1);
    ASSERT_EQ(reader.warnings.size(), 1u);
    EXPECT_NE(reader.warnings[0].find(c.reason), std::string::npos) << reader.warnings[0];
}

INSTANTIATE_TEST_SUITE_P(Edits, RefractionCorruption, ::testing::ValuesIn(refractionCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(RefractionArchive, FreshInstanceWritesEmptyListsAndZeroV1)
{
    TomoDocument noRecords;
    refractionDataStructure fresh(&noRecords);
    fresh.initFromDocument();
    const std::string path = testenv::freshDir("fresh-refraction") + "/refraction.xml";
    ProjectWriter writer;
    ASSERT_EQ(writer.saveRefraction_XML(path, &fresh), 0);
    EXPECT_NE(testenv::readText(path).find("<v1>0</v1>"), std::string::npos);

    const QJsonObject file = checkArchive("refraction.xml", path);
    EXPECT_TRUE(file["errors"].toArray().isEmpty());
    const QJsonObject values = file["values"].toObject();
    QStringList leaves;
    for (const QString& key : values.keys())
        if (!key.endsWith('#'))
            leaves << key;
    // Only the scalars are leaves: every sequence is empty.
    const QStringList expected = {
        "refraction.xml/phnt_A/value0/a",   "refraction.xml/phnt_A/value0/b",
        "refraction.xml/phnt_A/value0/TAB", "refraction.xml/phnt_A/value1/a",
        "refraction.xml/phnt_A/value1/b",   "refraction.xml/phnt_A/value1/TAB",
        "refraction.xml/phnt_R/value0/a",   "refraction.xml/phnt_R/value0/b",
        "refraction.xml/phnt_R/value0/TAB", "refraction.xml/phnt_R/value1/a",
        "refraction.xml/phnt_R/value1/b",   "refraction.xml/phnt_R/value1/TAB",
        "refraction.xml/refractData/v1"};
    leaves.sort();
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    EXPECT_EQ(leaves, sortedExpected);
    // The two cData items are there, empty.
    const QString xml = QString::fromStdString(testenv::readText(path));
    EXPECT_EQ(
        xml.count(QRegularExpression(
            R"(<value[01]>\s*<z size="dynamic"\s*/>\s*<tG size="dynamic"\s*/>\s*)"
            R"(<tV size="dynamic"\s*/>\s*<tGs size="dynamic"\s*/>\s*<tVs size="dynamic"\s*/>)")),
        2);
    EXPECT_NE(xml.indexOf(QRegularExpression(R"(<ttLayer size="dynamic"\s*/>)")), -1);
}

} // namespace
