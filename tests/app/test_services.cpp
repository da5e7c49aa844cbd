// What the shell relies on from the processing functions and the section
// view, checked against independent answers.

#include "Splines.hh"
#include "contourlevels.h"
#include "grid.h"
#include "tomodocument.h"
#include "tracefilters.h"
#include "vtkviewer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

// Amplitude of a unit sine of frequency f (Hz) after a first-order low-pass at
// 50 Hz (fs 1000 Hz), measured over the settled second half of 2000 samples.
double firstOrderGain(double f)
{
    std::vector<double> x(2000);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = std::sin(2.0 * M_PI * f * double(i) / 1000.0);
    std::vector<double> y;
    EXPECT_EQ(lowPassFilter(x, 1, 1000.0, 0.05, y), 0);
    double sum = 0.0;
    for (size_t i = 1000; i < y.size(); ++i)
        sum += y[i] * y[i];
    return std::sqrt(2.0 * sum / 1000.0);
}

TEST(Services, FirstOrderLowPassIsTheBilinearButterworth)
{
    // |H| = 1 / sqrt(1 + (tan(pi f / fs) / tan(pi fc / fs))^2).
    EXPECT_NEAR(firstOrderGain(50.0), 1.0 / std::sqrt(2.0), 0.02);
    const double ratio = std::tan(0.005 * M_PI) / std::tan(0.05 * M_PI);
    EXPECT_NEAR(firstOrderGain(5.0), 1.0 / std::sqrt(1.0 + ratio * ratio), 0.02);
}

TEST(Services, ContourLevelsSpanTheWholeSection)
{
    // 3 x 3 covered cells with velocities 500 .. 2500 m/s.
    TomoDocument doc;
    auto ground = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    const double x[] = {-100.0, 100.0};
    const double z[] = {0.0, 0.0};
    ground->buildFromPoints(x, 1, z, 1, 2);
    std::vector<double> slowness;
    for (int i = 0; i < 9; ++i)
        slowness.push_back(1.0 / (500.0 + 250.0 * i));
    doc.grid =
        std::make_unique<Grid>(3u, 3u, 2u, 1.0, slowness, std::vector<bool>(9, true), *ground);
    doc.topography = std::move(ground);
    doc.info_density.assign(9, -1.0);

    vtkViewer view;
    view.setDocument(&doc);
    view.buildGrid();
    ASSERT_TRUE(view.structuredGrid);
    testing::internal::CaptureStdout();
    auto filter = makeContourFilter(view.structuredGrid, view.velocityArray, {}, 4);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(filter->GetNumberOfContours(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(filter->GetValue(i), 500.0 + 500.0 * i, 1e-9) << i;
}

} // namespace
