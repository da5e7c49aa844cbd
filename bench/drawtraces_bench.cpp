// Painting one shot into a full-HD panel: 48 traces of 16,000 samples, every
// sample drawn (no decimation), against the same panel at 1,000 samples.

#include "drawtraces.h"
#include "tomodocument.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace
{

// A shot gather: noise before the first break, a decaying wavelet after it,
// breaks moving out with offset.
TomoDocument shot(size_t traces, size_t samples)
{
    TomoDocument doc;
    std::mt19937 random(2022);
    std::normal_distribution<double> noise(0.0, 0.02);
    const double interval = 0.125 / double(samples); // 125 ms records
    TraceSet set;
    TravelTime record;
    std::vector<Point2D> spread;
    for (size_t i = 0; i < traces; ++i) {
        Trace t;
        t.kind = Trace::Ordinary;
        t.sampleInterval = interval;
        const double pick = 0.005 + 0.0015 * double(i);
        for (size_t j = 0; j < samples; ++j) {
            const double s = double(j) * interval - pick;
            const double wave = s > 0 ? std::exp(-s * 40.0) * std::sin(2 * M_PI * 60.0 * s) : 0.0;
            t.samples.push_back(wave + noise(random));
        }
        set.traces.push_back(t);
        record.ttMisurati.push_back(pick);
        spread.push_back({2.0 * double(i), 0.0});
    }
    record.ttCalcolati.assign(traces, 0.0);
    doc.traceSets.push_back(set);
    doc.ttArray.push_back(record);
    doc.goephonesStringSet.push_back(spread);
    return doc;
}

void BM_PaintShot(benchmark::State& state)
{
    TomoDocument doc = shot(48, size_t(state.range(0)));
    drawTraces panel;
    panel.setDocument(&doc);
    panel.setShot(0);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        panel.drawShot(painter, 1920 - 110, 1080 - 120);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["samples/s"] = benchmark::Counter(48.0 * double(state.range(0)),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PaintShot)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
