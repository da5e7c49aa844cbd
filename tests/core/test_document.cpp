#include "Splines.hh"
#include "grid.h"
#include "refractiondatastructure.h"
#include "tomodocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

static_assert(!std::is_copy_assignable_v<TomoDocument>);
static_assert(!std::is_copy_constructible_v<TomoDocument>);
static_assert(std::is_nothrow_move_assignable_v<TomoDocument>);

namespace
{

TravelTime record(std::vector<double> picks)
{
    TravelTime tt;
    tt.ttCalcolati.assign(picks.size(), 0.0);
    tt.ttMisurati = std::move(picks);
    return tt;
}

TEST(TomoDocument, FreshDocumentState)
{
    TomoDocument doc;
    EXPECT_EQ(doc.minVelocity, 250.0);
    EXPECT_EQ(doc.maxVelocity, 3500.0);
    EXPECT_EQ(doc.RMSE_tomography, -1.0);
    EXPECT_TRUE(doc.title.empty());
    EXPECT_EQ(doc.grid, nullptr);
    EXPECT_EQ(doc.topography, nullptr);
    EXPECT_EQ(doc.coverageBottom, nullptr);
    EXPECT_EQ(doc.geoCoord.mEastFstGeoph, DBL_MAX);
    EXPECT_EQ(doc.geoCoord.CRS, 0xFFFFFFFFu);
    EXPECT_FALSE(doc.hasPicks());
    EXPECT_FALSE(doc.mostlyPicked());
    EXPECT_TRUE(doc.hasGeometry());

    Trace t;
    EXPECT_EQ(t.kind, 4);
    EXPECT_EQ(t.sampleInterval, DBL_MAX);
    EXPECT_EQ(t.sourceX, DBL_MAX);
    EXPECT_EQ(t.receiverX, DBL_MAX);
    EXPECT_EQ(t.spreadIndex, INT_MAX);
}

struct PickCase {
    const char* name;
    std::vector<std::vector<double>> records;
    bool hasPicks;
    bool mostlyPicked;
};

class PickQueries : public ::testing::TestWithParam<PickCase>
{
};

TEST_P(PickQueries, Counts)
{
    TomoDocument doc;
    for (const auto& r : GetParam().records)
        doc.ttArray.push_back(record(r));
    EXPECT_EQ(doc.hasPicks(), GetParam().hasPicks);
    EXPECT_EQ(doc.mostlyPicked(), GetParam().mostlyPicked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickQueries,
    ::testing::Values(PickCase{"two_of_four", {{0.01, 0, 0.02, 0}}, true, false},
                      PickCase{"three_of_four", {{0.01, 0.02, 0.03, 0}}, true, true},
                      PickCase{"rejected_only", {{-99.0, 0, 0, 0}}, true, false},
                      PickCase{"unusable_counts", {{-2.0, -2.0, 0}}, true, true},
                      PickCase{"nan_counts", {{NAN, 0}}, true, false},
                      PickCase{
                          "three_of_five_over_records", {{0.01, 0.02}, {0.03, 0, 0}}, true, true},
                      PickCase{"empty_records", {{}, {}}, false, false},
                      PickCase{"none", {{0, 0, 0}}, false, false}),
    [](const ::testing::TestParamInfo<PickCase>& p) { return std::string(p.param.name); });

TEST(TomoDocument, HasGeometry)
{
    TomoDocument doc;
    doc.goephonesStringSet = {{{10.0, 0}, {10.0, 1}}, {{10.0, 2}}};
    EXPECT_FALSE(doc.hasGeometry());
    doc.goephonesStringSet = {{{10.0, 0}}, {{12.0, 0}}};
    EXPECT_TRUE(doc.hasGeometry());
    doc.goephonesStringSet = {{}, {}};
    EXPECT_TRUE(doc.hasGeometry()) << "spreads without receivers count as having geometry";
}

TEST(TomoDocument, ShotHasPicks)
{
    refractionDataStructure refraction;
    refraction.phnt_A.resize(2);
    refraction.phnt_A[0].time = {0.0, 0.0};
    refraction.phnt_A[1].time = {-99.9, 1.2};
    EXPECT_EQ(refraction.refractData.cData.size(), 2u);

    TomoDocument doc;
    EXPECT_FALSE(doc.shotHasPicks(&refraction, 0));
    EXPECT_TRUE(doc.shotHasPicks(&refraction, 1));
    EXPECT_THROW(doc.shotHasPicks(&refraction, 2), std::out_of_range);
}

TEST(TomoDocument, IndexedAccessorsThrowPastTheEnd)
{
    TomoDocument doc;
    doc.goephonesStringSet.resize(1);
    doc.ttArray.resize(1);
    EXPECT_NO_THROW(doc.spreadAt(0));
    EXPECT_THROW(doc.spreadAt(1), std::out_of_range);
    EXPECT_NO_THROW(doc.travelTimeAt(0));
    EXPECT_THROW(doc.travelTimeAt(1), std::out_of_range);
}

TEST(TomoDocument, ClearTopographyPointsKeepsGridAndSpline)
{
    TomoDocument doc;
    doc.topographyX = {0, 1, 2};
    doc.topographyZ = {5, 6, 7};
    doc.grid = std::make_unique<Grid>();
    doc.topography = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    const Grid* grid = doc.grid.get();
    const Splines::LinearSpline* topo = doc.topography.get();

    doc.clearTopographyPoints();
    EXPECT_TRUE(doc.topographyX.empty());
    EXPECT_TRUE(doc.topographyZ.empty());
    EXPECT_EQ(doc.grid.get(), grid);
    EXPECT_EQ(doc.topography.get(), topo);
}

TEST(TomoDocument, ReplacedByMoveReleasesOwnedObjects)
{
    // Run under ASan/LSan: a leak or a double free fails the program.
    TomoDocument doc;
    for (int i = 0; i < 3; ++i) {
        TomoDocument next;
        next.grid = std::make_unique<Grid>();
        next.topography = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
        next.coverageBottom = std::make_unique<Splines::BesselSpline>("BesselSpline", false);
        next.topographyX.assign(100, double(i));
        next.title = "survey " + std::to_string(i);
        doc = std::move(next);
        EXPECT_NE(doc.grid, nullptr);
        EXPECT_EQ(doc.title, "survey " + std::to_string(i));
    }
    doc = TomoDocument(nullptr);
    EXPECT_EQ(doc.grid, nullptr);
    EXPECT_EQ(doc.topography, nullptr);
    EXPECT_TRUE(doc.topographyX.empty());
}

TEST(GeographicsCoord, ToEastingNorthing)
{
    struct Case {
        double e0, n0, e1, n1, s, east, north;
    };
    const Case cases[] = {
        // a 3-4-5 triangle: the line is 500 m long
        {500000, 4500000, 500300, 4500400, 0, 500000, 4500000},
        {500000, 4500000, 500300, 4500400, 250, 500150, 4500200},
        {500000, 4500000, 500300, 4500400, 500, 500300, 4500400},
        // coinciding geophones: no division, the first geophone
        {500000, 4500000, 500000, 4500000, 123, 500000, 4500000},
        // due north
        {500000, 4500000, 500000, 4501000, 0, 500000, 4500000},
        {500000, 4500000, 500000, 4501000, 777, 500000, 4500777},
    };
    for (const Case& c : cases) {
        TomoDocument doc;
        doc.setGeoCoord(c.e0, c.e1, c.n0, c.n1, 32633);
        EXPECT_TRUE(doc.geoCoord_isSet);
        EXPECT_EQ(doc.geoCoord.CRS, 32633u);
        double east = 0, north = 0;
        doc.geoCoord.toEastingNorthing(c.s, east, north);
        EXPECT_NEAR(east, c.east, 1e-6) << "s " << c.s;
        EXPECT_NEAR(north, c.north, 1e-6) << "s " << c.s;
    }
}
} // namespace
