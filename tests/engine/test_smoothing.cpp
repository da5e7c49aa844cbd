// Smoothing of the model and of the ray density: invariants, hand-computed
// values, the window shape, and the guards against empty weights.

#include "grid.h"
#include "logger.h"
#include "surveyfixture.h"
#include "testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace
{

// A document over a flat grid of rows x cols cells of side a with the given
// slowness per cell and no ray density.
void flatGrid(TomoDocument& doc, uint32_t rows, uint32_t cols, double a,
              const std::vector<double>& slowness)
{
    doc.topography = fixture::flatGround();
    doc.grid = std::make_unique<Grid>(rows, cols, 2, a, slowness, *doc.topography);
    doc.rayDensity.assign(rows * cols, 0);
}

using Member = std::vector<double> (TomoDocument::*)(int, double) const;

const Member modelMembers[] = {&TomoDocument::uniformSmoothing, &TomoDocument::linearSmoothing,
                               &TomoDocument::gaussianSmoothing, &TomoDocument::rayBasedSmoothing};
const Member densityMembers[] = {
    &TomoDocument::uniformRayDensitySmoothing, &TomoDocument::linearRayDensitySmoothing,
    &TomoDocument::gaussianRayDensitySmoothing, &TomoDocument::rayBasedRayDensitySmoothing};

TEST(Smoothing, ConstantsStayConstant)
{
    TomoDocument doc;
    flatGrid(doc, 6, 8, 1.0, std::vector<double>(48, 0.001));
    for (int type = 0; type < 4; ++type)
        for (int n = 1; n <= 8; ++n)
            for (double f : {0.7, 1.0}) {
                SCOPED_TRACE("type " + std::to_string(type) + " n " + std::to_string(n) + " f " +
                             std::to_string(f));
                // The ray-based kernel keeps covered cells: cover them all.
                doc.rayDensity.assign(48, type == 3 ? 1 : 0);
                for (double s : (doc.*modelMembers[type])(n, f))
                    ASSERT_NEAR(s, 0.001, 1e-14 * 0.001);
                doc.rayDensity.assign(48, 0);
                for (double d : (doc.*densityMembers[type])(n, f))
                    ASSERT_EQ(d, 0.0);
            }
}

TEST(Smoothing, UnknownTypeIsUniform)
{
    TomoDocument doc;
    std::vector<double> s(12);
    for (int i = 0; i < 12; ++i)
        s[i] = 0.001 * (1 + i % 5);
    flatGrid(doc, 3, 4, 1.0, s);
    for (int i = 0; i < 12; ++i)
        doc.rayDensity[i] = i * i % 7;
    doc.applySmoothing(false, 7, 2);
    const std::vector<double> other = doc.info_density;
    doc.applySmoothing(false, 0, 2);
    EXPECT_EQ(other, doc.info_density);
    EXPECT_EQ(doc.runTomography_fast(1, 0, 2, false, 7), doc.uniformSmoothing(2, 0.7));
}

// Corner cell (0,0) of a 3 x 3 grid with slowness (index + 1) ms/m, n 1,
// symmetric: its window is cells 0, 1, 3 and 4 at distances 0, 1, 1, sqrt 2.
TEST(Smoothing, CornerCellByHand)
{
    TomoDocument doc;
    std::vector<double> s(9);
    for (int i = 0; i < 9; ++i)
        s[i] = (i + 1) * 0.001;
    flatGrid(doc, 3, 3, 1.0, s);
    const double sqrt2 = std::sqrt(2.0);
    const double sigma = 1.0 / 1.4;
    const double w1 = std::exp(-1.0 / (2 * sigma * sigma)),
                 w2 = std::exp(-2.0 / (2 * sigma * sigma));
    const struct {
        Member member;
        double corner;
    } cases[] = {
        {&TomoDocument::uniformSmoothing, 0.003},
        {&TomoDocument::linearSmoothing, (7 + 5 / sqrt2) / (3 + 1 / sqrt2) * 0.001},
        {&TomoDocument::gaussianSmoothing,
         (1 + 2 * w1 + 4 * w1 + 5 * w2) / (1 + 2 * w1 + w2) * 0.001},
    };
    for (const auto& c : cases) {
        const std::vector<double> out = (doc.*c.member)(1, 1.0);
        EXPECT_NEAR(out[0], c.corner, 1e-15);
        EXPECT_NEAR(out[4], 0.005, 1e-15);
    }
    EXPECT_NEAR(doc.gaussianSmoothing(1, 1.0)[0], 0.002091567134635, 1e-15);
}

// The window is rows +-floor(n f) by columns +-n, clipped at the edges: an
// indicator in one cell shows how many cells share its window.
TEST(Smoothing, WindowShape)
{
    TomoDocument doc;
    flatGrid(doc, 8, 12, 1.0, std::vector<double>(96, 0.001));
    doc.rayDensity[0] = 24;
    // Corner, n 5, f 0.7: rows 0..3, columns 0..5.
    EXPECT_DOUBLE_EQ(doc.uniformRayDensitySmoothing(5, 0.7)[0], 1.0);
    // n 1 without symmetry: one row of three cells, two at the side.
    doc.rayDensity.assign(96, 0);
    doc.rayDensity[0] = 6;
    const std::vector<double> flat = doc.uniformRayDensitySmoothing(1, 0.7);
    EXPECT_DOUBLE_EQ(flat[0], 3.0);
    EXPECT_DOUBLE_EQ(flat[1], 2.0);
    EXPECT_DOUBLE_EQ(flat[12], 0.0); // the row below is outside the window
}

TEST(Smoothing, RayBasedWithoutCoverageIsUniform)
{
    TomoDocument doc;
    std::vector<double> s(20);
    for (int i = 0; i < 20; ++i)
        s[i] = 0.0005 + 0.0001 * (i % 7);
    flatGrid(doc, 4, 5, 1.0, s);
    EXPECT_EQ(doc.rayBasedSmoothing(2, 0.7), doc.uniformSmoothing(2, 0.7));
    EXPECT_EQ(doc.rayBasedRayDensitySmoothing(2, 0.7), std::vector<double>(20, 0.0));
}

// An uncovered cell at 1 m/s has a fill width ln(1) = 0: every weight is 0.
// It must keep its own value instead of becoming NaN.
TEST(Smoothing, EmptyWeightsFallBackToTheCellsOwnValue)
{
    TomoDocument doc;
    flatGrid(doc, 1, 3, 1.0, {0.001, 1.0, 0.001});
    doc.rayDensity = {1, 0, 0};
    const std::vector<double> model = doc.rayBasedSmoothing(1, 1.0);
    EXPECT_NEAR(model[0], 0.5005, 1e-15);
    EXPECT_NEAR(model[1], 0.334, 1e-15);
    EXPECT_NEAR(model[2], 0.5005, 1e-15);
    const std::vector<double> density = doc.rayBasedRayDensitySmoothing(1, 1.0);
    EXPECT_NEAR(density[0], 0.5, 1e-15);
    EXPECT_NEAR(density[1], 1.0 / 3.0, 1e-15);
    EXPECT_EQ(density[2], 0.0);
}

class SmoothingRefusal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = testenv::freshDir("smoothing") + "/log.txt";
        logger = std::make_unique<Logger>(path);
        doc.logger = logger.get();
        flatGrid(doc, 1, 3, 1.0, {0.001, 0.002, 0.003});
    }
    size_t errorLines() const { return size_t(fixture::errorLines(path)); }

    std::string path;
    std::unique_ptr<Logger> logger;
    TomoDocument doc;
};

TEST_F(SmoothingRefusal, ShortRayDensityGivesNoValue)
{
    doc.rayDensity = {1, 0};
    doc.applySmoothing(true, 3, 1);
    EXPECT_EQ(doc.info_density, std::vector<double>(3, -1.0));
    EXPECT_EQ(errorLines(), 1u);
}

// A window of n < 1 would be empty (n < 0) or divide by zero counts.
TEST_F(SmoothingRefusal, WindowBelowOneCellIsRefused)
{
    for (int n : {0, -1}) {
        SCOPED_TRACE("n " + std::to_string(n));
        for (int type = 0; type < 4; ++type) {
            EXPECT_EQ((doc.*modelMembers[type])(n, 1.0),
                      (std::vector<double>{0.001, 0.002, 0.003}));
            EXPECT_EQ((doc.*densityMembers[type])(n, 1.0), std::vector<double>(3, -1.0));
        }
    }
    EXPECT_EQ(errorLines(), 16u);
}

} // namespace
