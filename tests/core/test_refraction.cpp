#include "refractiondatastructure.h"
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
