// The velocity section of a 60 x 240 grid with the rays of 48 shots: building
// the arrays and drawing each kind of scene in a shown view. Each benchmark
// also reports its time relative to drawing the plain velocity section,
// measured in the same process.

#include "Splines.hh"
#include "contourlevels.h"
#include "grid.h"
#include "tomodocument.h"
#include "vtkviewer.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <vtkOpenGLRenderWindow.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <iostream>
#include <memory>

namespace
{

constexpr uint32_t Rows = 60;
constexpr uint32_t Columns = 240;
constexpr int Shots = 48;
constexpr int ReceiverSpacing = 5; // columns

vtkViewer* view = nullptr;
double velocitySeconds = 0.0; // one plain velocity scene, the reference

void buildSurvey(TomoDocument& doc)
{
    auto ground = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    const double x[] = {-10.0, Columns + 10.0};
    const double z[] = {0.0, 0.0};
    ground->buildFromPoints(x, 1, z, 1, 2);
    std::vector<double> slowness;
    for (uint32_t r = 0; r < Rows; ++r)
        for (uint32_t c = 0; c < Columns; ++c)
            slowness.push_back(1.0 / (400.0 + 40.0 * r + 120.0 * std::sin(c / 15.0)));
    doc.grid = std::make_unique<Grid>(Rows, Columns, 2u, 1.0, slowness, *ground);
    doc.topography = std::move(ground);
    doc.xShift = 1.0;
    doc.info_density.assign(static_cast<size_t>(Rows) * Columns, 1.0);

    std::vector<Point2D> spread;
    for (int g = 0; g <= static_cast<int>(Columns); g += ReceiverSpacing)
        spread.push_back({g - doc.xShift, 0.0});
    doc.goephonesStringSet = {spread};

    // Rays along the node lines (2 nodes per side), from every shot to every
    // receiver, down to a depth that grows with the offset.
    for (int s = 0; s < Shots; ++s) {
        const int shot = static_cast<int>(std::lround(s * double(Columns) / (Shots - 1)));
        TravelTime record;
        record.shotPos2d = {shot - doc.xShift, 0.0};
        doc.ttArray.push_back(record);
        for (const Point2D& receiver : spread) {
            const int g = static_cast<int>(std::lround(receiver.x + doc.xShift));
            const int span = std::abs(g - shot);
            if (span == 0)
                continue;
            const int deepest = std::min<int>(Rows, 1 + span / 4);
            const int step = g > shot ? 1 : -1;
            std::vector<int> path;
            for (int k = 0; k <= span; ++k) {
                const double t = 1.0 - std::abs(2.0 * k / span - 1.0);
                const int depth = static_cast<int>(std::lround(deepest * t));
                path.push_back(depth * static_cast<int>(Columns + 1) + shot + step * k);
            }
            doc.rayPaths.push_back(path);
        }
    }
}

double secondsOf(int type)
{
    const auto start = std::chrono::steady_clock::now();
    view->showProfile(type);
    vtkOpenGLRenderWindow::SafeDownCast(view->renderWindow())->WaitForCompletion();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds per iteration over the seconds of the reference scene (a plain
// number: 2 means twice as long as drawing the velocity alone).
void reportRelative(benchmark::State& state, std::chrono::steady_clock::time_point start)
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["vs_velocity"] =
        seconds / static_cast<double>(state.iterations()) / velocitySeconds;
}

void drawScene(benchmark::State& state, int type)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        view->showProfile(type);
        vtkOpenGLRenderWindow::SafeDownCast(view->renderWindow())->WaitForCompletion();
        benchmark::DoNotOptimize(view->cubeAxes.Get());
    }
    reportRelative(state, start);
}

// What the inversion command does: the arrays, then the scene with rays.
void BM_BuildAndDrawRays(benchmark::State& state)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        view->updateScalarArrays();
        view->showProfile(4);
        vtkOpenGLRenderWindow::SafeDownCast(view->renderWindow())->WaitForCompletion();
        benchmark::DoNotOptimize(view->structuredGrid.Get());
    }
    reportRelative(state, start);
}

void BM_BuildArrays(benchmark::State& state)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        view->updateScalarArrays();
        benchmark::DoNotOptimize(view->structuredGrid.Get());
    }
    reportRelative(state, start);
}

void BM_DrawVelocity(benchmark::State& state)
{
    drawScene(state, 5);
}

void BM_DrawRays(benchmark::State& state)
{
    drawScene(state, 4);
}

void BM_DrawContours(benchmark::State& state)
{
    drawScene(state, 2);
}

void BM_DrawFilledBands(benchmark::State& state)
{
    drawScene(state, 3);
}

BENCHMARK(BM_BuildAndDrawRays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildArrays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawVelocity)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawRays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawContours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawFilledBands)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    TomoDocument doc;
    buildSurvey(doc);
    vtkViewer viewer;
    view = &viewer;
    viewer.setDocument(&doc);
    ColorPalette palette = builtInPalettes().palettes[0];
    palette.min_db = 400;
    palette.max_db = 3000;
    viewer.setPalette(palette);
    viewer.resize(1280, 720);
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer)) {
        std::cerr << "The view was never shown: is there an X display?" << std::endl;
        return 1;
    }
    viewer.updateScalarArrays();
    viewer.contourFilter = makeContourFilter(viewer.structuredGrid, viewer.velocityArray, {}, 10);
    // The reference: the median of a few plain velocity scenes.
    std::vector<double> samples;
    for (int i = 0; i < 5; ++i)
        samples.push_back(secondsOf(5));
    std::sort(samples.begin(), samples.end());
    velocitySeconds = samples[2];
    std::cerr << "rays: " << doc.rayPaths.size() << std::endl;

    // The scene builders talk a lot on standard output: the report gets the
    // real stream, everything else written to std::cout is dropped.
    std::ostream report(std::cout.rdbuf());
    std::cout.rdbuf(nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter;
    reporter.SetOutputStream(&report);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
