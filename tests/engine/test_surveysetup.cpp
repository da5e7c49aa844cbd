// Survey set-up: records and spreads from the loaded shots, the topography
// points and profile, and installing a new grid.

#include "Splines.hh"
#include "grid.h"
#include "surveyfixture.h"

#include <gtest/gtest.h>

namespace
{

TraceSet gather(double shotX, const std::vector<double>& receivers, double receiverZ = 0.0,
                double shotZ = 0.0)
{
    TraceSet set;
    for (double x : receivers) {
        Trace t;
        t.kind = Trace::Ordinary;
        t.receiverX = x;
        t.receiverZ = receiverZ;
        t.sourceX = shotX;
        t.sourceZ = shotZ;
        set.traces.push_back(t);
    }
    return set;
}

std::vector<double> spaced(double first, double step, int count)
{
    std::vector<double> x;
    for (int i = 0; i < count; ++i)
        x.push_back(first + i * step);
    return x;
}

// Receivers 0, 2, ..., 46 m and shots at -1 and 47 m.
class StandardLine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.traceSets = {gather(-1.0, spaced(0, 2, 24)), gather(47.0, spaced(0, 2, 24))};
        doc.buildTravelTimes();
    }
    TomoDocument doc;
};

TEST_F(StandardLine, ProfileShiftProposalAndLength)
{
    EXPECT_EQ(doc.prepareProfile(), 50.0);
    EXPECT_EQ(doc.topographyX.size(), 26u);
    EXPECT_EQ(doc.topographyX.front(), -1.0);
    EXPECT_EQ(doc.topographyX.back(), 47.0);
    EXPECT_EQ(doc.xShift, 2.0);
    EXPECT_EQ(doc.cellSizes, std::vector<double>{0.5});

    ASSERT_TRUE(doc.createGrid(50, 25, 1.0, 6));
    EXPECT_EQ(doc.grid->col, 50u);
    EXPECT_EQ(doc.grid->righe, 25u);
    EXPECT_EQ(doc.topographyX.front(), 1.0);
    EXPECT_EQ((*doc.topography)(1.0), 0.0);
    // setSurface after construction: the raw samples, not the smoothed ones.
    EXPECT_EQ(doc.grid->surfaceValues.size(), 50u * 5 + 1);
}

TEST_F(StandardLine, FailedGridKeepsTheOldGridSplineAndPoints)
{
    doc.prepareProfile();
    ASSERT_TRUE(doc.createGrid(50, 10, 1.0, 6));
    Grid* old = doc.grid.get();
    Splines::LinearSpline* oldTopography = doc.topography.get();

    doc.clearTopographyPoints(); // no points: the topography spline cannot be evaluated
    EXPECT_FALSE(doc.createGrid(50, 10, 1.0, 6));
    EXPECT_EQ(doc.grid.get(), old);
    EXPECT_EQ(doc.topography.get(), oldTopography);
    EXPECT_EQ(doc.grid->numberOfCells(), 500u);
    EXPECT_FALSE(doc.runTomography(2, 1, false, false, 0).empty());
    EXPECT_EQ(doc.grid->numberOfCells(), 500u);
}

TEST_F(StandardLine, NewStartingGridClearsTheResults)
{
    doc.prepareProfile();
    ASSERT_TRUE(doc.createGrid(50, 10, 1.0, 6));
    for (TravelTime& record : doc.ttArray)
        record.ttMisurati.assign(24, 0.03);
    doc.runTomography(2, 1, false, false, 0);
    doc.RMSE_tomography = 3.5;
    ASSERT_TRUE(doc.has_tomographic_info);
    ASSERT_FALSE(doc.rayPaths.empty());

    doc.clearTopographyPoints();
    doc.prepareProfile();
    ASSERT_TRUE(doc.createGrid(50, 10, 1.0, 6));
    EXPECT_FALSE(doc.has_tomographic_info);
    EXPECT_EQ(doc.RMSE_tomography, -1.0);
    EXPECT_TRUE(doc.rayPaths.empty());
    for (const TravelTime& record : doc.ttArray)
        EXPECT_EQ(record.ttCalcolati, std::vector<double>(24, 0.0));
}

TEST(SurveySetup, SpreadsAreSharedOnlyByIdenticalAbscissae)
{
    TomoDocument doc;
    std::vector<double> third = spaced(0, 2, 24);
    third.back() += 0.5;
    doc.traceSets = {gather(-1, spaced(0, 2, 24), 1.0), gather(11, spaced(0, 2, 24), 2.0),
                     gather(23, third)};
    doc.buildTravelTimes();
    ASSERT_EQ(doc.goephonesStringSet.size(), 2u);
    ASSERT_EQ(doc.ttArray.size(), 3u);
    EXPECT_EQ(doc.ttArray[0].indexStesa, 0u);
    EXPECT_EQ(doc.ttArray[1].indexStesa, 0u); // elevations are not compared
    EXPECT_EQ(doc.ttArray[2].indexStesa, 1u);
    EXPECT_EQ(doc.ttArray[2].traceSetID, 2u);
    EXPECT_EQ(doc.ttArray[2].shotPos2d.x, 23.0);
    EXPECT_EQ(doc.ttArray[2].ttMisurati, std::vector<double>(24, 0.0));
    EXPECT_EQ(doc.ttArray[2].ttCalcolati, std::vector<double>(24, 0.0));

    TomoDocument other;
    std::vector<double> firstDiffers = spaced(0, 2, 24);
    firstDiffers.front() = -0.5;
    other.traceSets = {gather(0, spaced(0, 2, 24)), gather(0, firstDiffers)};
    other.buildTravelTimes();
    EXPECT_EQ(other.goephonesStringSet.size(), 2u);
}

TEST(SurveySetup, ProposalRoundsHalvesAwayFromZero)
{
    TomoDocument doc;
    doc.traceSets = {gather(0, spaced(0, 2.5, 12))};
    doc.buildTravelTimes();
    doc.prepareProfile();
    EXPECT_EQ(doc.cellSizes, std::vector<double>{0.63});
}

TEST(SurveySetup, ReceiverElevationWinsOverTheShots)
{
    TomoDocument doc;
    doc.traceSets = {gather(4.0, {0, 2, 4, 6}, 3.0, 9.0)};
    doc.buildTravelTimes();
    doc.prepareProfile();
    EXPECT_EQ(doc.topographyX, (std::vector<double>{0, 2, 4, 6}));
    EXPECT_EQ(doc.topographyZ, (std::vector<double>{3, 3, 3, 3}));
}

TEST(SurveySetup, DegenerateProfiles)
{
    TomoDocument empty;
    empty.xShift = 7.0;
    EXPECT_EQ(empty.prepareProfile(), 0.0);
    EXPECT_TRUE(empty.cellSizes.empty());
    EXPECT_EQ(empty.xShift, 7.0);

    // One receiver per spread: positions, but no spacing to propose from.
    TomoDocument lonely;
    lonely.goephonesStringSet = {{{10.0, 0.0}}, {{12.0, 0.0}}};
    EXPECT_EQ(lonely.prepareProfile(), 4.0);
    EXPECT_TRUE(lonely.cellSizes.empty());
    EXPECT_EQ(lonely.xShift, -9.0);
}

TEST(SurveySetup, TopographyRebuildAgreesWithTheProfile)
{
    TomoDocument doc;
    doc.traceSets = {gather(10010, spaced(10000, 5, 24), 100.0)};
    doc.buildTravelTimes();
    doc.prepareProfile();
    const double shift = doc.xShift;
    doc.clearTopographyPoints();
    doc.xShift = 0.0;
    doc.buildTopography();
    EXPECT_EQ(doc.xShift, shift);
    EXPECT_EQ(doc.topographyX.front(), 1.0);
    EXPECT_EQ((*doc.topography)(1.0), 100.0);
    EXPECT_EQ(doc.grid, nullptr);
}

} // namespace
