// The map transformation, the KML writers and the gridded text, each opened
// by a tool that did not write it: PROJ's cs2cs for coordinates, xmllint and
// Python's ElementTree for KML, Python's split() for the text.

#include "exporttestutil.h"
#include "geotransform.h"
#include "grid.h"
#include "testenv.h"
#include "textexports.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

using namespace exporttest;

namespace
{

struct GeoCase {
    uint32_t code;
    double east;
    double north;
    double lon;
    double lat;
};

// References from cs2cs -d 10 on this installation; 6708 and 31466 are
// northing-first systems.
const GeoCase kGeoCases[] = {
    {32633, 500000, 4649776.224, 15.0000000000, 41.9999999926},
    {32633, 500100, 4649776.224, 15.0012074725, 41.9999999863},
    {6708, 500000, 4649776.224, 15.0000000000, 41.9999999937},
    {6708, 500100, 4649776.224, 15.0012074725, 41.9999999873},
    {31466, 2600000, 5600000, 7.4096751679, 50.5271950224},
};

// cs2cs takes the system's own axis order and prints latitude first.
GeoPoint cs2cs(uint32_t code, double east, double north)
{
    const bool northFirst = code == 6708 || code == 31466;
    char line[128];
    std::snprintf(line, sizeof line, "%.6f %.6f\n", northFirst ? north : east,
                  northFirst ? east : north);
    const std::string input = testenv::freshDir("cs2cs") + "/in.txt";
    testenv::writeText(input, line);
    const ToolRun run = runTool(
        "/bin/sh", {"-c", "cs2cs -d 10 EPSG:" + std::to_string(code) + " EPSG:4326 < " + input});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::istringstream out(run.out);
    GeoPoint p;
    out >> p.lat >> p.lon;
    return p;
}

TEST(GeoTransform, AgreesWithCs2csWhateverTheAxisOrder)
{
    for (const GeoCase& c : kGeoCases) {
        SCOPED_TRACE(c.code);
        const auto transform = createGeoTransform(c.code);
        ASSERT_TRUE(transform);
        EXPECT_TRUE(transform->sourceIsProjected());
        const GeoPoint p = transformGeoPoint(*transform, c.east, c.north);
        EXPECT_NEAR(p.lon, c.lon, 1e-9);
        EXPECT_NEAR(p.lat, c.lat, 1e-9);
        const GeoPoint ref = cs2cs(c.code, c.east, c.north);
        EXPECT_NEAR(p.lon, ref.lon, 1e-9);
        EXPECT_NEAR(p.lat, ref.lat, 1e-9);
    }
}

TEST(GeoTransform, UnknownAndGeographicSystems)
{
    EXPECT_FALSE(createGeoTransform(0));
    EXPECT_FALSE(createGeoTransform(999999));
    const auto geographic = createGeoTransform(4326);
    ASSERT_TRUE(geographic);
    EXPECT_FALSE(geographic->sourceIsProjected());
}

void buildLineSurvey(TomoDocument& doc, uint32_t code)
{
    doc.goephonesStringSet = {{{0.0, 0.0}, {50.0, 0.0}, {100.0, 0.0}}};
    doc.traceSets.resize(2);
    for (uint32_t k = 0; k < 2; ++k) {
        TravelTime record;
        record.traceSetID = k;
        record.shotPos2d = {k == 0 ? -2.5 : 102.5, 0.0};
        record.ttMisurati.assign(3, 0.0);
        record.ttCalcolati.assign(3, 0.0);
        doc.ttArray.push_back(record);
    }
    doc.setGeoCoord(500000.0, 500100.0, 4649776.224, 4649776.224, code);
    doc.title = "Line A & B <1> \xc3\xa8";
}

std::string xmllint(const std::string& path)
{
    const ToolRun run = runTool("/usr/bin/xmllint", {"--noout", path});
    return run.exitCode == 0 ? "" : run.err.empty() ? "xmllint failed" : run.err;
}

TEST(KmlExport, SeismicLinePlacemarks)
{
    const struct {
        uint32_t code;
        std::vector<std::string> coordinates;
    } cases[] = {
        {32633,
         {"15.0000000000,41.9999999926,0.0", "15.0006037362,41.9999999910,0.0",
          "15.0012074725,41.9999999863,0.0", "14.9999698132,41.9999999926,0.0",
          "15.0012376593,41.9999999860,0.0"}},
        {6708,
         {"15.0000000000,41.9999999937,0.0", "15.0006037362,41.9999999921,0.0",
          "15.0012074725,41.9999999873,0.0", "14.9999698132,41.9999999937,0.0",
          "15.0012376593,41.9999999870,0.0"}},
    };
    const std::vector<std::string> names{"G-0-0", "G-0-1", "G-0-2", "S-0", "S-1"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TomoDocument doc;
        buildLineSurvey(doc, c.code);
        const std::string path = testenv::freshDir("line") + "/line.kml";
        const auto transform = createGeoTransform(c.code);
        ASSERT_TRUE(transform);
        ASSERT_EQ(writeSeismicLineKml(path, doc, *transform), TextExportResult::Ok);
        EXPECT_EQ(xmllint(path), "");
        const std::string text = testenv::readText(path);
        EXPECT_EQ(text.substr(text.size() - 7), "</kml> ");
        const QJsonObject kml = exportCheck("kml", path);
        EXPECT_EQ(kml["name"].toString().toStdString(),
                  "Line A & B <1> \xc3\xa8 Shots and Receivers  ");
        const QJsonArray marks = kml["placemarks"].toArray();
        ASSERT_EQ(marks.size(), 5);
        for (int i = 0; i < 5; ++i) {
            const QJsonObject m = marks[i].toObject();
            EXPECT_EQ(m["name"].toString().toStdString(), names[size_t(i)]);
            EXPECT_EQ(m["coordinates"].toArray()[0].toString().toStdString(),
                      c.coordinates[size_t(i)]);
        }
    }
}

TEST(KmlExport, ShotsWithoutTraceSetsAndTwoSpreads)
{
    TomoDocument doc;
    buildLineSurvey(doc, 32633);
    std::vector<Point2D> spread;
    for (int j = 0; j < 24; ++j)
        spread.push_back({2.0 * j, 0.0});
    doc.goephonesStringSet = {spread, spread};
    TravelTime noSet = doc.ttArray[0];
    noSet.traceSetID = TravelTime::NoTraceSet;
    doc.ttArray = {doc.ttArray[0], noSet, doc.ttArray[1]};
    doc.title.clear();
    const std::string path = testenv::freshDir("spreads") + "/line.kml";
    ASSERT_EQ(writeSeismicLineKml(path, doc, *createGeoTransform(32633)), TextExportResult::Ok);
    const QJsonObject kml = exportCheck("kml", path);
    EXPECT_EQ(kml["name"].toString().toStdString(), " Shots and Receivers  ");
    const QJsonArray marks = kml["placemarks"].toArray();
    ASSERT_EQ(marks.size(), 50);
    EXPECT_EQ(marks[23].toObject()["name"].toString(), "G-0-23");
    EXPECT_EQ(marks[24].toObject()["name"].toString(), "G-1-0");
    EXPECT_EQ(marks[48].toObject()["name"].toString(), "S-0");
    EXPECT_EQ(marks[49].toObject()["name"].toString(), "S-2");
}

std::vector<double> parseRing(const QJsonArray& points, int component)
{
    std::vector<double> out;
    for (const auto& p : points)
        out.push_back(p.toString().split(',')[component].toDouble());
    return out;
}

TEST(KmlExport, ProfileCellsColoursAndRings)
{
    const ColorPaletteList palettes = builtInPalettes();
    auto palette = [&](const std::string& name) {
        for (const ColorPalette& p : palettes.palettes)
            if (p.name == name)
                return p;
        ADD_FAILURE() << name;
        return ColorPalette{};
    };
    TomoDocument doc;
    buildGridSurvey(doc);
    const std::string dir = testenv::freshDir("profile");
    const auto transform = createGeoTransform(32633);
    ASSERT_EQ(writeProfileKml(dir + "/p.kml", doc, *transform, palette("Blue to red"), 500, 3000),
              TextExportResult::Ok);
    EXPECT_EQ(xmllint(dir + "/p.kml"), "");
    QJsonObject kml = exportCheck("kml", dir + "/p.kml");
    QJsonArray marks = kml["placemarks"].toArray();
    ASSERT_EQ(marks.size(), 5);
    const char* colours[] = {"ffff0000", "ffcc0032", "ff990066", "ff660099", "ff0000ff"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(marks[i].toObject()["color"].toString().toStdString(), colours[i]);
    const QJsonArray cell0 = marks[0].toObject()["coordinates"].toArray();
    ASSERT_EQ(cell0.size(), 5);
    EXPECT_EQ(cell0[0].toString().section(',', 0, 1), "15.0000120747,41.9999999926");
    EXPECT_EQ(cell0[1].toString().section(',', 0, 0), "14.9999879253");
    EXPECT_EQ(cell0[2].toString().section(',', 0, 0), "14.9999879253");
    EXPECT_EQ(cell0[3].toString().section(',', 0, 0), "15.0000120747");
    EXPECT_EQ(parseRing(cell0, 2), (std::vector<double>{4, 4, 2, 2, 4}));
    const QJsonArray cell5 = marks[4].toObject()["coordinates"].toArray();
    EXPECT_EQ(cell5[0].toString().section(',', 0, 0), "15.0000603736");
    EXPECT_EQ(cell5[1].toString().section(',', 0, 0), "15.0000362242");
    EXPECT_EQ(parseRing(cell5, 2), (std::vector<double>{2, 2, 0, 0, 2}));

    // A line running west: rings still start at their eastern edge.
    doc.setGeoCoord(500004.0, 500000.0, 4649776.224, 4649776.224, 32633);
    ASSERT_EQ(writeProfileKml(dir + "/w.kml", doc, *transform, palette("Blue to red"), 500, 3000),
              TextExportResult::Ok);
    marks = exportCheck("kml", dir + "/w.kml")["placemarks"].toArray();
    EXPECT_EQ(marks[0].toObject()["coordinates"].toArray()[0].toString().section(',', 0, 0),
              "15.0000603736");

    // A uniform model (empty range) takes the first stop, not black.
    for (GridCell& cell : doc.grid->cells)
        cell.slowness = 1.0 / 1000.0;
    ASSERT_EQ(
        writeProfileKml(dir + "/u.kml", doc, *transform, palette("White to Black"), 1000, 1000),
        TextExportResult::Ok);
    for (const auto& m : exportCheck("kml", dir + "/u.kml")["placemarks"].toArray())
        EXPECT_EQ(m.toObject()["color"].toString(), "ffffffff");
}

TEST(KmlExport, ColourRangeRules)
{
    const ColorPaletteList palettes = builtInPalettes();
    const auto& blueToRed = palettes.palettes[5].color_gradient.color;
    ASSERT_EQ(palettes.palettes[5].name, "Blue to red");
    std::vector<GradientColorPoint> shortStops{{0, 0, 0, 0}, {1, 0.5, 0, 0.8}};
    const struct {
        const std::vector<GradientColorPoint>* stops;
        double v, vmin, vmax;
        const char* colour;
    } cases[] = {
        {&blueToRed, 1000, 500, 3000, "ffcc0032"},        // t = 0.2: red truncated to 50
        {&blueToRed, 3000, 500, 3000, "ff0000ff"},        // the last stop
        {&blueToRed, 5000, 500, 3000, "ff0000ff"},        // above the range: clamped
        {&blueToRed, 100, 500, 3000, "ffff0000"},         // below: the first stop
        {&blueToRed, 700, FLT_MAX, -FLT_MAX, "ffff0000"}, // range not computed yet
        {&shortStops, 3000, 500, 3000, "ff007fff"},       // beyond the last stop: its colour
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(kmlColor(*c.stops, c.v, c.vmin, c.vmax), c.colour);
    }
}

TEST(KmlExport, TitlesAreEscaped)
{
    EXPECT_EQ(xmlEscaped("plain title \xc3\xa8"), "plain title \xc3\xa8");
    EXPECT_EQ(xmlEscaped("a&b<c>\"d'\x01\te\n"), "a&amp;b&lt;c&gt;&quot;d&apos;\te\n");
}

TEST(TextExports, WriteFailuresAreReported)
{
    TomoDocument doc;
    buildGridSurvey(doc);
    const auto transform = createGeoTransform(32633);
    const std::string dir = testenv::freshDir("failures");
    std::filesystem::create_directory(dir + "/taken");
    const ColorPalette palette = builtInPalettes().palettes[0];
    for (const std::string& path :
         {dir + "/missing/f.txt", dir + "/taken", std::string("/dev/full")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(writeSeismicLineKml(path, doc, *transform), TextExportResult::CannotWrite);
        EXPECT_EQ(writeProfileKml(path, doc, *transform, palette, 500, 3000),
                  TextExportResult::CannotWrite);
        EXPECT_EQ(writeGriddedVelocity(path, doc, 0, 0), TextExportResult::CannotWrite);
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/taken"));

    // No grid: refused before anything is opened.
    doc.grid.reset();
    testenv::writeText(dir + "/old.kml", "old");
    EXPECT_EQ(writeProfileKml(dir + "/old.kml", doc, *transform, palette, 500, 3000),
              TextExportResult::NoGrid);
    EXPECT_EQ(writeGriddedVelocity(dir + "/old.kml", doc, 0, 0), TextExportResult::NoGrid);
    EXPECT_EQ(testenv::readText(dir + "/old.kml"), "old");
}

TEST(GriddedExport, LocalAndGeographicForms)
{
    TomoDocument doc;
    buildGridSurvey(doc);
    const std::string dir = testenv::freshDir("gridded");
    const struct {
        bool geographic;
        double y, z;
        std::string text;
    } cases[] = {
        {false, 7.5, 0.0,
         "1000 7.5 99 500\n1002 7.5 99 1000\n1004 7.5 99 1500\n1000 7.5 97 2000\n1004 7.5 97 "
         "3000\n"},
        {false, 0.0, 0.0,
         "1000 0 99 500\n1002 0 99 1000\n1004 0 99 1500\n1000 0 97 2000\n1004 0 97 3000\n"},
        {true, 7.5, 3.0,
         "500000.000000 4649776.224000 99.000000 500.000000\n"
         "500002.000000 4649776.224000 99.000000 1000.000000\n"
         "500004.000000 4649776.224000 99.000000 1500.000000\n"
         "500000.000000 4649776.224000 97.000000 2000.000000\n"
         "500004.000000 4649776.224000 97.000000 3000.000000\n"},
    };
    for (const auto& c : cases) {
        doc.geoCoord_isSet = c.geographic;
        const std::string path = dir + "/g.txt";
        ASSERT_EQ(writeGriddedVelocity(path, doc, c.y, c.z), TextExportResult::Ok);
        EXPECT_EQ(testenv::readText(path), c.text);
        // Read back by Python: four fields per line, velocities of the drawn cells in order.
        const ToolRun run = runTool(
            "/usr/bin/python3",
            {"-c",
             "import sys\nrows=[l.split() for l in open(sys.argv[1])]\n"
             "assert all(len(r)==4 for r in rows)\nprint(' '.join(str(float(r[3])) for r in rows))",
             path});
        EXPECT_EQ(run.out, "500.0 1000.0 1500.0 2000.0 3000.0\n") << run.err;
    }

    // Slowness 0 and no drawn cell.
    doc.geoCoord_isSet = false;
    doc.grid->cells[0].slowness = 0.0;
    ASSERT_EQ(writeGriddedVelocity(dir + "/z.txt", doc, 0, 0), TextExportResult::Ok);
    EXPECT_EQ(testenv::readText(dir + "/z.txt").substr(0, 22),
              std::string("1000 0 99 1.79769e+308"));
    for (GridCell& cell : doc.grid->cells)
        cell.to_be_draw = false;
    ASSERT_EQ(writeGriddedVelocity(dir + "/e.txt", doc, 0, 0), TextExportResult::Ok);
    EXPECT_EQ(testenv::readText(dir + "/e.txt"), "");
}

} // namespace
