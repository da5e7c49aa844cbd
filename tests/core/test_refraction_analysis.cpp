// The layered refraction analysis against closed forms: flat two- and
// three-layer models and a dipping refractor (tests/fixtures/refraction).
#include "logger.h"
#include "refractionanalysis.h"
#include "refractionmodels.h"
#include "refractionutils.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{
using refractionmodels::Model;

constexpr double V1 = 500, V2 = 2000;
const double ti = 20 * std::sqrt(V2 * V2 - V1 * V1) / (V1 * V2);

struct Build {
    TomoDocument doc;
    refractionDataStructure data;
    QStringList warnings;
    RefractionAnalysis::Outcome outcome;

    explicit Build(const Model& m) { refractionmodels::load(m, doc, data); }
    RefractionAnalysis analysis(Logger* logger = nullptr)
    {
        return RefractionAnalysis(
            doc, data, [this](const QString& w) { warnings << w; }, logger);
    }
    void build(Logger* logger = nullptr) { outcome = analysis(logger).buildProfiles(); }
    const refractionDataStructure::processingData::computedData& c(size_t i) const
    {
        return data.refractData.cData.at(i);
    }
    double x(size_t j) const { return data.phnt_A[0].pos[j].x; }
};

void expectAllNear(const std::vector<double>& values, const std::function<double(size_t)>& want,
                   double tolerance, const char* what)
{
    ASSERT_FALSE(values.empty()) << what;
    for (size_t j = 0; j < values.size(); ++j)
        EXPECT_NEAR(values[j], want(j), tolerance) << what << " at station " << j;
}

void expectModelA(const Build& run)
{
    EXPECT_TRUE(run.warnings.isEmpty()) << run.warnings.join("\n").toStdString();
    ASSERT_TRUE(run.outcome.layer2);
    EXPECT_FALSE(run.outcome.layer3);
    EXPECT_NEAR(run.data.refractData.v1, 500, 1e-6);
    expectAllNear(
        run.c(0).tV, [&](size_t j) { return (run.x(j) + 2.5) / 2000 + ti / 2; }, 1e-9, "tV");
    expectAllNear(
        run.c(0).tG, [&](size_t) { return ti / 2; }, 1e-9, "tG");
    expectAllNear(
        run.data.refractData.v2, [](size_t) { return 2000.0; }, 2.0, "V2");
    expectAllNear(
        run.c(0).z, [](size_t) { return 10.0; }, 0.01, "z1");
    EXPECT_TRUE(run.c(1).z.empty());
}

TEST(RefractionAnalysis, FlatTwoLayerModelGivesItsLinesReciprocalTimeAndDepth)
{
    Build run(refractionmodels::read("model_a.txt"));
    run.build();
    expectModelA(run);
    const auto& A = run.data.phnt_A[0];
    const auto& R = run.data.phnt_R[0];
    EXPECT_NEAR(A.a, 5.0e-4, 1e-12);
    EXPECT_NEAR(A.b, 2.5 / V2 + ti, 1e-12);
    EXPECT_NEAR(R.a, -5.0e-4, 1e-12);
    EXPECT_NEAR(R.b, 117.5 / V2 + ti, 1e-12);
    for (size_t k = 0; k < A.pos.size(); ++k) {
        EXPECT_NEAR(A.time[k], A.a * A.pos[k].x + A.b, 1e-12) << k;
        EXPECT_NEAR(R.time[k], R.a * R.pos[k].x + R.b, 1e-12) << k;
    }
    EXPECT_NEAR(A.TAB, 120 / V2 + ti, 1e-9);
    EXPECT_NEAR(R.TAB, 120 / V2 + ti, 1e-9);
    // A second click gives the same results.
    const auto first = run.data.refractData.cData;
    run.build();
    EXPECT_EQ(run.data.refractData.cData[0].z, first[0].z);
    EXPECT_EQ(run.data.refractData.cData[0].tGs, first[0].tGs);
}

TEST(RefractionAnalysis, FlatThreeLayerModelGivesBothRefractors)
{
    Build run(refractionmodels::read("model_b.txt"));
    const std::string log = testenv::freshDir("b") + "/log.txt";
    Logger logger(log);
    run.build(&logger);
    EXPECT_TRUE(run.warnings.isEmpty()) << run.warnings.join("\n").toStdString();
    ASSERT_TRUE(run.outcome.layer3);
    const double ti2 = 2 * 5 * std::sqrt(1 / 500.0 / 500 - 1 / 1500.0 / 1500);
    const double ti3 = 2 * 5 * std::sqrt(1 / 500.0 / 500 - 1 / 3000.0 / 3000) +
                       2 * 10 * std::sqrt(1 / 1500.0 / 1500 - 1 / 3000.0 / 3000);
    EXPECT_NEAR(run.data.phnt_A[0].TAB, 120 / 1500.0 + ti2, 1e-9);
    EXPECT_NEAR(run.data.phnt_A[1].TAB, 120 / 3000.0 + ti3, 1e-9);
    expectAllNear(
        run.c(0).tV, [&](size_t j) { return (run.x(j) + 2.5) / 1500 + ti2 / 2; }, 1e-9, "tV2");
    expectAllNear(
        run.c(1).tV, [&](size_t j) { return (run.x(j) + 2.5) / 3000 + ti3 / 2; }, 1e-9, "tV3");
    expectAllNear(
        run.c(0).tG, [&](size_t) { return ti2 / 2; }, 1e-9, "tG2");
    expectAllNear(
        run.c(1).tG, [&](size_t) { return ti3 / 2; }, 1e-9, "tG3");
    EXPECT_NEAR(run.data.refractData.v1, 500, 1e-6);
    expectAllNear(
        run.data.refractData.v2, [](size_t) { return 1500.0; }, 1.5, "v2");
    expectAllNear(
        run.data.refractData.v3, [](size_t) { return 3000.0; }, 3.0, "v3");
    expectAllNear(
        run.c(0).z, [](size_t) { return 5.0; }, 0.01, "z1");
    expectAllNear(
        run.c(1).z, [](size_t) { return 15.0; }, 0.05, "z2");
    EXPECT_NE(testenv::readText(log).find("TAB3 : 0.071267"), std::string::npos);

    const auto velocity = RefractionAnalysis::velocityCurves(run.data, true);
    const auto profile = RefractionAnalysis::profileCurves(run.data, true);
    ASSERT_EQ(velocity.size(), 3u);
    ASSERT_EQ(profile.size(), 3u);
    EXPECT_EQ(velocity[0].color, 0x000000u);
    EXPECT_EQ(velocity[1].color, 0x009900u);
    EXPECT_EQ(velocity[2].color, 0xAA0000u);
    EXPECT_EQ(profile[0].color, 0x009900u);
    EXPECT_EQ(profile[1].color, 0x000000u);
    EXPECT_EQ(profile[2].color, 0xAA0000u);
    EXPECT_NEAR(profile[2].yValues.front(), 85.0, 0.05);
}

TEST(RefractionAnalysis, DippingRefractorGivesTheApparentVelocityAndNormalDepth)
{
    Build run(refractionmodels::read("model_c.txt"));
    run.build();
    EXPECT_TRUE(run.warnings.isEmpty()) << run.warnings.join("\n").toStdString();
    const double theta = 5 * M_PI / 180;
    const double cosIc = std::cos(std::asin(V1 / V2));
    const auto h = [&](double x) { return (6 + x * std::tan(theta)) * std::cos(theta); };
    EXPECT_NEAR(run.data.phnt_A[0].TAB,
                120 * std::cos(theta) / V2 + (h(-2.5) + h(117.5)) * cosIc / V1, 1e-9);
    expectAllNear(
        run.c(0).tG, [&](size_t j) { return h(run.x(j)) * cosIc / V1; }, 1e-9, "tG");
    const double apparent = V2 / std::cos(theta);
    expectAllNear(
        run.data.refractData.v2, [&](size_t) { return apparent; }, 2.0, "V'");
    // The conversion gives the depth normal to the refractor.
    const double factor = cosIc / std::cos(std::asin(V1 / apparent));
    expectAllNear(
        run.c(0).z, [&](size_t j) { return factor * h(run.x(j)); }, 0.01, "depth");
}

TEST(RefractionAnalysis, SecondRefractorTakesTheReciprocalTimeOfItsOwnPair)
{
    Build run(refractionmodels::read("model_b_far.txt"));
    const std::string log = testenv::freshDir("far") + "/log.txt";
    Logger logger(log);
    run.build(&logger);
    ASSERT_TRUE(run.outcome.layer3);
    EXPECT_NEAR(run.data.phnt_A[1].a, 1 / 3000.0, 1e-12);
    EXPECT_NEAR(run.data.phnt_A[1].b, 0.0471006, 1e-7);
    EXPECT_NEAR(run.data.phnt_R[1].b, 0.0854339, 1e-7);
    EXPECT_NE(testenv::readText(log).find("TAB3 : 0.101267"), std::string::npos);
    expectAllNear(
        run.c(1).tG, [](size_t) { return 0.0156336357; }, 1e-9, "tG3");
    expectAllNear(
        run.c(0).z, [](size_t) { return 5.0; }, 0.01, "z1");
    expectAllNear(
        run.c(1).z, [](size_t) { return 15.0; }, 0.05, "z2");
}

TEST(RefractionAnalysis, ReferenceShotsPastRecord255KeepTheirIndex)
{
    Model m = refractionmodels::read("model_a.txt");
    Model many;
    many.receivers = m.receivers;
    refractionmodels::Shot centre{57.5, std::vector<double>(24, 0.0), std::vector<int32_t>(24, 0)};
    many.shots.assign(256, centre);
    many.shots.insert(many.shots.end(), m.shots.begin(), m.shots.end());
    Build run(many);
    run.build();
    expectModelA(run);
    EXPECT_NEAR(run.data.phnt_A[0].TAB, 120 / V2 + ti, 1e-9);
}

// Marks that are not picks (0 not picked, -99 rejected) never enter the
// phantoms, the shifts or the overburden velocity.
TEST(RefractionAnalysis, UnpickedAndRejectedTimesDoNotEnter)
{
    struct Case {
        const char* name;
        std::vector<std::tuple<size_t, size_t, double>> marks; // shot, receiver, time
    } cases[] = {
        {"split-spread shot", {}},
        {"forward shot, layer-2 receiver 12 unpicked", {{0, 12, 0.0}}},
        {"centre shot, receiver 20 unpicked", {{2, 20, 0.0}}},
        {"forward shot, layer-1 receiver 4 unpicked", {{0, 4, 0.0}}},
        {"rejected times", {{1, 6, -99.0}, {2, 3, -99.0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model m = refractionmodels::read("model_a_plus.txt");
        for (const auto& [shot, receiver, t] : c.marks)
            m.shots[shot].times[receiver] = t;
        Build run(m);
        run.build();
        expectModelA(run);
        EXPECT_NEAR(RefractionAnalysis::evalPhantomSpline(run.data.phnt_A[0], 60.0), 62.5 / V2 + ti,
                    1e-9);
        // The centre shot is shifted onto both reference lines.
        EXPECT_NEAR(run.data.ttLayer[2].trasla[0], 0.03, 1e-12);
        EXPECT_NEAR(run.data.ttLayer[2].trasla[23], 0.03, 1e-12);
    }
}

TEST(RefractionAnalysis, StopsWithOneWarning)
{
    struct Case {
        const char* name;
        std::function<void(Model&)> change;
        const char* warning;
    } cases[] = {
        {"no off-end shot",
         [](Model& m) {
             m.shots[0].x = 37.5;
             m.shots[1].x = 77.5;
         },
         "Unable to find nearest shot for first refractor"},
        {"reference branch with one pick",
         [](Model& m) {
             for (size_t j = 6; j < 24; ++j)
                 m.shots[0].times[j] = 0.0;
         },
         "Layer 2: the reference shot ID 0 (X: -2.5 m) has fewer than two picked receivers."},
        {"no direct wave",
         [](Model& m) {
             for (auto& s : m.shots)
                 for (auto& l : s.layers)
                     if (l == 1)
                         l = 0;
         },
         "Not enough direct-wave picks (layer 1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model m = refractionmodels::read("model_a.txt");
        c.change(m);
        Build run(m);
        run.data.refractData.cData[0].z = std::vector<double>(24, 3.0);
        const auto phantomsBefore = run.data.phnt_A[0].time;
        run.build();
        ASSERT_EQ(run.warnings.size(), 1);
        EXPECT_TRUE(run.warnings[0].startsWith(QString::fromLatin1(c.warning)))
            << run.warnings[0].toStdString();
        EXPECT_FALSE(run.outcome.layer2);
        ASSERT_EQ(run.data.refractData.cData.size(), 2u);
        EXPECT_TRUE(run.c(0).z.empty());
        EXPECT_TRUE(run.c(0).tV.empty());
        EXPECT_TRUE(run.c(1).z.empty());
        if (std::string(c.name) == "no off-end shot") {
            EXPECT_EQ(run.data.phnt_A[0].time, phantomsBefore);
        }
    }
}

TEST(RefractionAnalysis, DepthIsZeroWhereTheRefractorIsNotFaster)
{
    Build run(refractionmodels::read("model_a.txt"));
    RefractionAnalysis a = run.analysis();
    const auto z = a.computeDepthFromTg({0.02, 0.02, 0.02}, {400, 2000, 500}, 500, 0);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0], 0.0);
    EXPECT_NEAR(z[1], 10.32796, 1e-5);
    EXPECT_EQ(z[2], 0.0);
    EXPECT_EQ(run.warnings.size(), 1);

    const auto z2 =
        a.computeSecondLayerDepth({0.02, 0.02}, {5, 5}, {1500, 1500}, {3000, 1500}, 500, 0);
    EXPECT_GT(z2[0], 5.0);
    EXPECT_EQ(z2[1], 0.0);
    // Still one warning in this run.
    EXPECT_EQ(run.warnings.size(), 1);

    // A tG not above 0 gives depth 0 and its own warning.
    const auto zg = a.computeDepthFromTg({0.0, -0.01}, {2000, 2000}, 500, 0);
    EXPECT_EQ(zg, (std::vector<double>{0.0, 0.0}));
    EXPECT_EQ(run.warnings.size(), 2);
}

TEST(RefractionAnalysis, ConstantPhantomsGiveConstantFunctions)
{
    Build run(refractionmodels::read("model_a.txt"));
    std::fill(run.data.phnt_A[0].time.begin(), run.data.phnt_A[0].time.end(), 0.05);
    std::fill(run.data.phnt_R[0].time.begin(), run.data.phnt_R[0].time.end(), 0.04);
    RefractionAnalysis a = run.analysis();
    std::vector<double> tV, tG;
    RefractionAnalysis::Rows tVs, tGs;
    ASSERT_TRUE(a.computeTv(2, 0.07, tV, tVs));
    ASSERT_TRUE(a.computeTg(2, 0.07, tV, tG, tGs));
    EXPECT_EQ(tVs.size(), 9u);
    expectAllNear(
        tV, [](size_t) { return 0.04; }, 1e-12, "tV");
    expectAllNear(
        tG, [](size_t) { return 0.01; }, 1e-12, "tG");
}

TEST(RefractionAnalysis, NoOffsetRowLeavesTheFunctionEmpty)
{
    TomoDocument doc;
    refractionDataStructure data(&doc);
    data.phnt_A.assign(2, {});
    data.phnt_R.assign(2, {});
    data.phnt_A[0].pos = data.phnt_R[0].pos = {{10, 100}};
    data.phnt_A[0].time = data.phnt_R[0].time = {0.02};
    QStringList warnings;
    RefractionAnalysis a(doc, data, [&](const QString& w) { warnings << w; });
    std::vector<double> tV{1.0};
    RefractionAnalysis::Rows tVs;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(a.computeTv(2, 0.03, tV, tVs));
    const std::string err = testing::internal::GetCapturedStderr();
    size_t count = 0;
    for (size_t at = err.find("[LOG] Error during build Tv"); at != std::string::npos;
         at = err.find("[LOG] Error during build Tv", at + 1))
        ++count;
    EXPECT_EQ(count, 9u);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0].toStdString(),
              "Unable to compute the Tv function of layer 2: no offset could be evaluated.");
    EXPECT_TRUE(tV.empty());
    EXPECT_TRUE(tVs.empty());
}

TEST(RefractionUtils, NearestShotsAndMeans)
{
    // Equal distances: the earlier record wins on both sides; disabled and
    // inside shots never qualify.
    Model m = refractionmodels::read("model_a.txt");
    m.shots.push_back(m.shots[0]);
    m.shots.push_back(m.shots[1]);
    m.shots.push_back(m.shots[0]);
    m.shots.back().x = 57.5;
    Build run(m);
    uint32_t f = 0, r = 0;
    refractionUtils::findNearestShots(2, run.doc, run.data, f, r);
    EXPECT_EQ(f, 0u);
    EXPECT_EQ(r, 1u);
    run.data.ttLayer[0].enabled = false;
    refractionUtils::findNearestShots(2, run.doc, run.data, f, r);
    EXPECT_EQ(f, 2u);
    refractionUtils::findNearestShots(3, run.doc, run.data, f, r);
    EXPECT_EQ(f, refractionUtils::NoShot);
    EXPECT_EQ(r, refractionUtils::NoShot);

    std::vector<double> v{400, 1200};
    refractionUtils::replaceByMeanIfNotAbove(500, v);
    EXPECT_EQ(v, (std::vector<double>{800, 800}));
    std::vector<double> lo{1000, 2000}, hi{3000, 1500};
    refractionUtils::replaceBothByMeansIfNotIncreasing(lo, hi);
    EXPECT_EQ(lo, (std::vector<double>{1500, 1500}));
    EXPECT_EQ(hi, (std::vector<double>{2250, 2250}));
}
} // namespace
