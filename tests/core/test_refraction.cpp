#include "refractionanalysis.h"
#include "refractiondatastructure.h"
#include "refractionmodels.h"
#include "tomodocument.h"

#include <gtest/gtest.h>

namespace
{

std::vector<double> xs(const refractionDataStructure::phantom& p)
{
    std::vector<double> result;
    for (const Point2D& s : p.pos)
        result.push_back(s.x);
    return result;
}

std::vector<double> zs(const refractionDataStructure::phantom& p)
{
    std::vector<double> result;
    for (const Point2D& s : p.pos)
        result.push_back(s.z);
    return result;
}

TEST(RefractionData, StationsAreTheDistinctReceiversOfAllSpreads)
{
    TomoDocument doc;
    // The second spread overlaps the first: 5 and 10 keep the first
    // spread's elevation; 10.000000001 is a station of its own.
    doc.goephonesStringSet = {
        {{0, 100}, {5, 101}, {10, 102}}, {{5, 200}, {10, 201}, {15, 202}}, {{10.000000001, 300}}};
    TravelTime a, b, unpicked;
    a.indexStesa = 0;
    a.ttMisurati = {0.01, 0.02, 0.03};
    b.indexStesa = 1;
    b.ttMisurati = {0.03, 0.02, 0.01};
    unpicked.indexStesa = 2;
    doc.ttArray = {a, b, unpicked};

    refractionDataStructure r(&doc);
    r.refractData.v1 = 750.0;
    r.ttLayer.resize(7);
    r.initFromDocument();

    for (const auto* side : {&r.phnt_A, &r.phnt_R}) {
        ASSERT_EQ(side->size(), 2u);
        for (const auto& p : *side) {
            EXPECT_EQ(xs(p), (std::vector<double>{0, 5, 10, 10.000000001, 15}));
            EXPECT_EQ(zs(p), (std::vector<double>{100, 101, 102, 300, 202}));
            EXPECT_EQ(p.time, std::vector<double>(5, -99.9));
            EXPECT_EQ(p.a, 0.0);
            EXPECT_EQ(p.TAB, 0.0);
        }
    }
    ASSERT_EQ(r.ttLayer.size(), 3u);
    for (uint32_t i = 0; i < 2; ++i) {
        EXPECT_EQ(r.ttLayer[i].shotID, i);
        EXPECT_EQ(r.ttLayer[i].layer, std::vector<int32_t>(3, 0));
        EXPECT_EQ(r.ttLayer[i].trasla, std::vector<double>(3, 0.0));
        EXPECT_TRUE(r.ttLayer[i].enabled);
    }
    // A record without picks: empty lists and shot 0.
    EXPECT_EQ(r.ttLayer[2].shotID, 0u);
    EXPECT_TRUE(r.ttLayer[2].layer.empty());
    // The last build's results are not touched.
    EXPECT_EQ(r.refractData.v1, 750.0);
}

TEST(RefractionData, FreshStateHasTwoEmptyResultsAndNoVelocity)
{
    TomoDocument doc;
    refractionDataStructure r(&doc);
    EXPECT_EQ(r.document, &doc);
    EXPECT_EQ(r.refractData.cData.size(), 2u);
    EXPECT_EQ(r.refractData.v1, 0.0);
    r.initFromDocument();
    EXPECT_EQ(r.phnt_A.size(), 2u);
    EXPECT_TRUE(r.phnt_A[0].pos.empty());
    EXPECT_TRUE(r.ttLayer.empty());
}

} // namespace

TEST(RefractionData, LayerRangesKeepTheOrderAwayFromTheShot)
{
    TomoDocument doc;
    refractionDataStructure r(&doc);
    refractionmodels::Model m = refractionmodels::read("model_b.txt");
    // A split-spread shot: 2 near the line ends, 1 around the shot.
    refractionmodels::Shot centre = m.shots[0];
    centre.x = 57.5;
    centre.layers.assign(24, 2);
    for (size_t j = 7; j <= 16; ++j)
        centre.layers[j] = 1;
    m.shots.push_back(centre);
    m.shots.push_back({20.0, {}, {}}); // a record without times
    refractionmodels::load(m, doc, r);

    struct Case {
        uint32_t shot, lo, hi, layer;
        bool allowed;
    } cases[] = {
        {0, 3, 6, 2, true},    {0, 7, 3, 2, true},   {0, 9, 12, 2, false},  {0, 0, 2, 3, false},
        {0, 20, 23, 1, false}, {0, 5, 5, 0, true},   {1, 17, 20, 2, true},  {1, 14, 18, 1, false},
        {1, 0, 3, 2, false},   {2, 12, 16, 1, true}, {2, 11, 11, 3, false}, {3, 0, 0, 2, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(r.isLayerRangeValid(c.lo, c.hi, c.layer, c.shot), c.allowed)
            << "shot " << c.shot << " range " << c.lo << "-" << c.hi << " layer " << c.layer;
}

TEST(RefractionData, ResetDropsOnlyResultsThatNoLongerFit)
{
    TomoDocument doc;
    doc.goephonesStringSet = {{{0, 100}, {5, 100}, {10, 100}, {15, 100}}};
    TravelTime tt;
    tt.ttMisurati = {0.01, 0.02, 0.03, 0.04};
    doc.ttArray = {tt};
    refractionDataStructure r(&doc);
    r.initFromDocument();
    r.refractData.v1 = 500;
    r.refractData.v2.assign(4, 2000);
    r.refractData.cData[0].z.assign(4, 10);
    r.refractData.cData[0].tVs.assign(9, std::vector<double>(4, 0.02));
    ASSERT_TRUE(fitsDocument(r, doc));

    // Receivers moved, still four stations: the results stay.
    doc.goephonesStringSet[0][3].x = 16;
    r.resetFromDocument();
    EXPECT_TRUE(fitsDocument(r, doc));
    EXPECT_EQ(r.refractData.cData[0].z.size(), 4u);

    // A fifth receiver: the results go, v1 stays.
    doc.goephonesStringSet[0].push_back({20, 100});
    doc.ttArray[0].ttMisurati.push_back(0.05);
    EXPECT_FALSE(fitsDocument(r, doc));
    r.resetFromDocument();
    EXPECT_TRUE(fitsDocument(r, doc));
    EXPECT_TRUE(r.refractData.cData[0].z.empty());
    EXPECT_TRUE(r.refractData.cData[0].tVs.empty());
    EXPECT_TRUE(r.refractData.v2.empty());
    EXPECT_EQ(r.refractData.cData.size(), 2u);
    EXPECT_EQ(r.refractData.v1, 500);
}

TEST(RefractionData, RecordWhoseTimesDoNotFitItsSpreadHasNoPicksHere)
{
    TomoDocument doc;
    refractionDataStructure r(&doc);
    refractionmodels::Model m = refractionmodels::read("model_a.txt");
    refractionmodels::load(m, doc, r);
    TravelTime shortRecord = doc.ttArray[0];
    shortRecord.ttMisurati.resize(23);
    doc.ttArray.push_back(shortRecord);
    r.initFromDocument();
    ASSERT_EQ(r.ttLayer.size(), 3u);
    EXPECT_TRUE(r.ttLayer[2].layer.empty());
    EXPECT_TRUE(r.ttLayer[2].trasla.empty());
    EXPECT_TRUE(fitsDocument(r, doc));
    for (size_t i = 0; i < 2; ++i)
        r.ttLayer[i].layer = m.shots[i].layers;
    QStringList warnings;
    RefractionAnalysis(doc, r, [&](const QString& w) { warnings << w; }).buildProfiles();
    EXPECT_TRUE(warnings.isEmpty());
    for (double z : r.refractData.cData[0].z)
        EXPECT_NEAR(z, 10.0, 0.01);
    EXPECT_EQ(r.refractData.cData[0].z.size(), 24u);
}
