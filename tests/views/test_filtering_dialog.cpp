// The trace filtering dialog driven through its widgets, and its VTK
// spectrum chart (needs an X server: run under xvfb-run).

#include "capturedstdout.h"
#include "chart2dviewer.h"
#include "dofilteringdialog.h"
#include "drawtraces.h"
#include "imagecompare.h"
#include "referencefile.h"
#include "spectrum.h"
#include "tomodocument.h"
#include "tracefilters.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest/QTest>

#include <vtkAxis.h>
#include <vtkChartXY.h>
#include <vtkContextActor.h>
#include <vtkContextScene.h>
#include <vtkPropCollection.h>
#include <vtkRenderer.h>

#include <gtest/gtest.h>

namespace
{

// One shot of `traces` traces, each the committed 40 + 260 Hz trace cut or
// repeated to `samples` samples, at the given interval.
TomoDocument shotDocument(double interval = 0.0005, std::vector<size_t> lengths = {})
{
    const std::vector<double> trace = readReference("dialog_trace.txt");
    if (lengths.empty())
        lengths.assign(24, trace.size());
    TomoDocument doc;
    TraceSet set;
    for (size_t n : lengths) {
        Trace t;
        t.kind = Trace::Ordinary;
        t.sampleInterval = interval;
        for (size_t j = 0; j < n; ++j)
            t.samples.push_back(trace[j % trace.size()]);
        set.traces.push_back(t);
    }
    doc.traceSets.push_back(set);
    doc.goephonesStringSet.push_back(std::vector<Point2D>(lengths.size()));
    TravelTime record;
    record.ttMisurati.assign(lengths.size(), 0.0);
    record.ttCalcolati.assign(lengths.size(), 0.0);
    doc.ttArray.push_back(record);
    return doc;
}

// Answers every message box that opens while it is armed, noting its title,
// text and icon.
class MessageBoxCatcher
{
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    MessageBoxCatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box && box->isVisible()) {
                    seen.push_back({box->windowTitle(), box->text(), box->icon()});
                    box->done(QMessageBox::Ok);
                }
            }
        });
        timer.start(5);
    }
    std::vector<Seen> seen;

private:
    QTimer timer;
};

struct Dialog {
    TomoDocument doc;
    std::unique_ptr<doFilteringDialog> dialog;

    explicit Dialog(TomoDocument d) : doc(std::move(d))
    {
        testing::internal::CaptureStdout();
        dialog = std::make_unique<doFilteringDialog>(&doc, 0);
        capturedStdout();
    }
    template <class T> T* child(const char* name) const
    {
        T* w = dialog->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    Chart2DViewer* chart() const { return child<Chart2DViewer>("spectrumWidget"); }
    drawTraces* panel() const { return child<drawTraces>("tracesWidget"); }

    void setLowPass(bool on, double hz, int order)
    {
        if (child<QCheckBox>("lowPassCBox")->isChecked() != on)
            child<QCheckBox>("lowPassCBox")->click();
        child<QDoubleSpinBox>("doubleFxLowpass")->setValue(hz);
        child<QSpinBox>("lowPassOrder")->setValue(order);
    }
    void setHighPass(bool on, double hz, int order)
    {
        if (child<QCheckBox>("hiPassCBox")->isChecked() != on)
            child<QCheckBox>("hiPassCBox")->click();
        child<QDoubleSpinBox>("doubleFxHighPass")->setValue(hz);
        child<QSpinBox>("hiPassOrder")->setValue(order);
    }
    void apply() { child<QPushButton>("button_apply_filter")->click(); }
};

TEST(FilteringDialog, StackedSpectrumAndLowPass)
{
    Dialog d(shotDocument());
    EXPECT_EQ(d.dialog->windowTitle(), "Trace Filtering");
    EXPECT_EQ(d.dialog->maxFrequency, 998.046875);
    EXPECT_FALSE(d.panel()->pickingEnabled);
    EXPECT_FALSE(d.child<QRadioButton>("displayFiltered")->isEnabled());
    EXPECT_FALSE(d.child<QRadioButton>("applyToFiltered")->isEnabled());
    EXPECT_EQ(d.chart()->xAxisTitle, "Frequency");
    EXPECT_EQ(d.chart()->yAxisTitle, "Intensity");

    ASSERT_EQ(d.chart()->lines.size(), 1u);
    const ChartLine& original = d.chart()->lines.at("Original");
    ASSERT_EQ(original.points.size(), 180u);
    EXPECT_EQ(original.points.begin()->first, 0.0);
    EXPECT_EQ(original.points.rbegin()->first, 349.609375);
    EXPECT_EQ(original.colour, QColor(Qt::black));
    // 24 equal traces stack to the spectrum of one.
    std::vector<double> f, a;
    double highest;
    computeAmplitudeSpectrum(d.doc.traceSets[0].traces[0].samples, 2000.0, f, a, highest);
    size_t bin = 0;
    for (const auto& point : original.points)
        EXPECT_NEAR(point.second, 24.0 * a[bin++], 1e-9);

    QPushButton* apply = d.child<QPushButton>("button_apply_filter");
    EXPECT_FALSE(apply->isEnabled());
    d.setLowPass(true, 100.0, 2);
    EXPECT_TRUE(apply->isEnabled());

    d.panel()->resize(400, 400);
    const QImage originalTraces = d.panel()->grab().toImage();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    d.apply();
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string out = capturedStdout();
    EXPECT_NE(err.find("Line Filtered does not exist "), std::string::npos);
    EXPECT_NE(out.find("aggiunta linea filtrata"), std::string::npos);

    const std::vector<double> scipy = readReference("dialog_trace_lowpass_100hz_order2.txt");
    testing::internal::CaptureStdout();
    for (const Trace& t : d.doc.traceSets[0].traces) {
        std::vector<double> expected;
        ASSERT_EQ(lowPassFilter(t.samples, 2, 2000.0, 100.0 / 1996.09375, expected), 0);
        EXPECT_EQ(t.filtered, expected);
        ASSERT_EQ(t.filtered.size(), scipy.size());
        for (size_t j = 0; j < scipy.size(); ++j)
            ASSERT_NEAR(t.filtered[j], scipy[j], 1e-5) << "sample " << j;
    }
    capturedStdout();
    EXPECT_TRUE(d.child<QRadioButton>("displayFiltered")->isEnabled());
    EXPECT_TRUE(d.child<QRadioButton>("displayFiltered")->isChecked());
    EXPECT_TRUE(d.child<QRadioButton>("applyToFiltered")->isEnabled());
    EXPECT_TRUE(d.panel()->showFiltered);
    ASSERT_EQ(d.chart()->lines.count("Filtered"), 1u);
    EXPECT_EQ(d.chart()->lines.at("Filtered").colour, QColor(255, 0, 0));
    EXPECT_EQ(d.chart()->lines.at("Filtered").points.size(), 180u);
    // The 260 Hz part is gone from the filtered spectrum, the 40 Hz part stays.
    const auto amplitudeAt = [&](const char* line, double hz) {
        return d.chart()->lines.at(line).points.lower_bound(hz)->second;
    };
    EXPECT_LT(amplitudeAt("Filtered", 259.7), 0.2 * amplitudeAt("Original", 259.7));
    EXPECT_GT(amplitudeAt("Filtered", 39.06), 0.8 * amplitudeAt("Original", 39.06));

    // The panel shows the filtered traces; the display choice switches back.
    const QImage filteredTraces = d.panel()->grab().toImage();
    EXPECT_NE(filteredTraces, originalTraces);
    d.child<QRadioButton>("displayOriginal")->click();
    EXPECT_FALSE(d.panel()->showFiltered);
    EXPECT_EQ(d.panel()->grab().toImage(), originalTraces);
    d.child<QRadioButton>("displayFiltered")->click();
    EXPECT_EQ(d.panel()->grab().toImage(), filteredTraces);

    // A second apply filters the samples again and replaces the line.
    d.setLowPass(false, 100.0, 2);
    d.setHighPass(true, 50.0, 3);
    d.child<QRadioButton>("applyToFiltered")->click();
    EXPECT_TRUE(d.dialog->applyToFilteredData);
    testing::internal::CaptureStdout();
    d.apply();
    for (const Trace& t : d.doc.traceSets[0].traces) {
        std::vector<double> expected;
        ASSERT_EQ(highPassFilter(t.samples, 3, 2000.0, 50.0 / 1996.09375, expected), 0);
        EXPECT_EQ(t.filtered, expected);
    }
    capturedStdout();
    EXPECT_EQ(d.chart()->lines.size(), 2u);
    EXPECT_EQ(d.chart()->shownLines, (std::vector<std::string>{"Filtered", "Original"}));
}

TEST(FilteringDialog, BothFiltersRunLowPassThenHighPass)
{
    Dialog d(shotDocument());
    d.setLowPass(true, 150.0, 2);
    d.setHighPass(true, 20.0, 2);
    testing::internal::CaptureStdout();
    d.apply();
    const Trace& t = d.doc.traceSets[0].traces[5];
    std::vector<double> low, expected;
    lowPassFilter(t.samples, 2, 2000.0, 150.0 / 1996.09375, low);
    highPassFilter(low, 2, 2000.0, 20.0 / 1996.09375, expected);
    capturedStdout();
    EXPECT_EQ(t.filtered, expected);
}

TEST(FilteringDialog, RefusesFiltersThatCannotRun)
{
    struct Refusal {
        const char* what;
        double interval;
        bool low, high;
        double lowHz, highHz;
        int lowOrder, highOrder;
        const char* text;
        double maxFrequency = 0.0; // Hz; 0 keeps the spectrum's
    };
    const char* order = "No filter applied. Filter order must be greater then 0.";
    const char* cutoff = "No filter applied. Cut-off frequency out of range.";
    const Refusal cases[] = {
        {"low-pass of order 0", 0.0005, true, false, 100, 0, 0, 2, order},
        {"high-pass of order 0 beside a good low-pass", 0.0005, true, true, 100, 20, 2, 0, order},
        {"high-pass at 0 Hz", 0.0005, false, true, 100, 0, 2, 2, cutoff},
        {"low-pass at 350 Hz with 2 ms sampling (cut-off 0.701)", 0.002, true, false, 350, 0, 2, 2,
         cutoff},
        // 100 / (2 x 100.0000001) is 0.4999999995, which the design's float makes 0.5.
        {"low-pass a hair below 0.5", 0.0005, true, false, 100, 0, 2, 2, cutoff, 100.0000001},
    };
    for (const Refusal& c : cases) {
        Dialog d(shotDocument(c.interval));
        if (c.maxFrequency > 0.0)
            d.dialog->maxFrequency = c.maxFrequency;
        d.setLowPass(c.low, c.lowHz, c.lowOrder);
        d.setHighPass(c.high, c.highHz, c.highOrder);
        MessageBoxCatcher boxes;
        d.apply();
        ASSERT_EQ(boxes.seen.size(), 1u) << c.what;
        EXPECT_EQ(boxes.seen[0].title, "Caution") << c.what;
        EXPECT_EQ(boxes.seen[0].text, c.text) << c.what;
        EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning) << c.what;
        for (const Trace& t : d.doc.traceSets[0].traces)
            EXPECT_TRUE(t.filtered.empty()) << c.what;
        EXPECT_EQ(d.chart()->lines.size(), 1u) << c.what;
        EXPECT_FALSE(d.child<QRadioButton>("displayFiltered")->isEnabled()) << c.what;
    }
    EXPECT_NEAR(Dialog(shotDocument(0.002)).dialog->maxFrequency, 249.51, 0.01);
}

TEST(FilteringDialog, TracesOfOtherLengthsAreLeftOutOfTheSum)
{
    testing::internal::CaptureStderr();
    Dialog d(shotDocument(0.0005, {1000, 500, 1000}));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Trace 1"), std::string::npos);
    EXPECT_EQ(d.chart()->lines.at("Original").points.size(), 180u);

    // All three are still filtered.
    d.setLowPass(true, 100.0, 2);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    d.apply();
    testing::internal::GetCapturedStderr();
    capturedStdout();
    for (const Trace& t : d.doc.traceSets[0].traces)
        EXPECT_EQ(t.filtered.size(), t.samples.size());
}

TEST(FilteringDialog, ShotWithoutTracesFiltersNothing)
{
    Dialog empty([] {
        TomoDocument doc = shotDocument();
        doc.traceSets[0].traces.clear();
        return doc;
    }());
    EXPECT_TRUE(empty.chart()->lines.at("Original").points.empty());
    empty.setLowPass(true, 100.0, 2);
    MessageBoxCatcher boxes;
    empty.apply();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "No filter applied. Cut-off frequency out of range.");
}

TEST(FilteringDialog, KeepsWhatTheShotHadBefore)
{
    TomoDocument doc = shotDocument(0.0005, {1000, 1000});
    doc.traceSets[0].hasFiltered = true;
    doc.traceSets[0].traces[0].filtered = {1.0, 2.0};
    doc.traceSets[0].traces[1].filtered = {3.0};
    Dialog d(std::move(doc));
    EXPECT_TRUE(d.dialog->hadFilteredSamples);
    EXPECT_EQ(d.dialog->savedFilteredSamples,
              (std::vector<std::vector<double>>{{1.0, 2.0}, {3.0}}));
    EXPECT_EQ(d.dialog->workTraces.size(), 2u);

    Dialog plain(shotDocument(0.0005, {1000}));
    EXPECT_FALSE(plain.dialog->hadFilteredSamples);
    EXPECT_TRUE(plain.dialog->savedFilteredSamples.empty());
}

// --- The chart -------------------------------------------------------------

vtkChartXY* shownChart(Chart2DViewer& chart)
{
    vtkPropCollection* props = chart.renderer->GetViewProps();
    if (props->GetNumberOfItems() != 1)
        return nullptr;
    auto* actor = vtkContextActor::SafeDownCast(props->GetItemAsObject(0));
    return actor ? vtkChartXY::SafeDownCast(actor->GetScene()->GetItem(0)) : nullptr;
}

TEST(SpectrumChart, LineBookkeeping)
{
    Chart2DViewer chart;
    testing::internal::CaptureStderr();
    EXPECT_EQ(chart.addLine("A", {1, 2, 3}, {4, 5, 6}, Qt::black), 3);
    EXPECT_EQ(chart.addLine("A", {7}, {8}, Qt::red), 0);
    EXPECT_EQ(chart.lines.at("A").points.size(), 3u);
    EXPECT_EQ(chart.lines.at("A").colour, QColor(Qt::black));
    EXPECT_EQ(chart.addLine("B", {1, 2, 3}, {4, 5}, Qt::red), 2);
    EXPECT_EQ(chart.lines.count("B"), 0u);
    EXPECT_EQ(chart.removeLine("C"), 1);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Line A already exists "), std::string::npos);
    EXPECT_NE(err.find("Cannot create line B because x and y vectors have different size. "),
              std::string::npos);
    EXPECT_NE(err.find("Line C does not exist "), std::string::npos);

    // Equal x values are kept, in insertion order.
    EXPECT_EQ(chart.addLine("B", {2, 1, 2}, {7, 8, 9}, Qt::red), 3);
    std::vector<double> ys;
    for (const auto& p : chart.lines.at("B").points)
        ys.push_back(p.second);
    EXPECT_EQ(ys, (std::vector<double>{8, 7, 9}));

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    chart.renderLines({"A", "missing"});
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "[WARNING] Line missing cannot be shown (it does not exist)."),
              std::string::npos);
    capturedStdout();
    EXPECT_EQ(chart.shownLines, std::vector<std::string>{"A"});
    vtkChartXY* drawn = shownChart(chart);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->GetNumberOfPlots(), 1);

    // Removing a stored but unshown line draws nothing new.
    EXPECT_EQ(chart.removeLine("B"), 3);
    EXPECT_EQ(shownChart(chart), drawn);
    EXPECT_EQ(chart.lines.count("B"), 1u);
    // Removing a shown one redraws the rest.
    testing::internal::CaptureStdout();
    EXPECT_EQ(chart.removeLine("A"), 3);
    capturedStdout();
    EXPECT_TRUE(chart.shownLines.empty());
    ASSERT_NE(shownChart(chart), nullptr);
    EXPECT_NE(shownChart(chart), drawn);
    EXPECT_EQ(shownChart(chart)->GetNumberOfPlots(), 0);
}

TEST(SpectrumChart, MatchesItsBaselinePicture)
{
    Chart2DViewer chart;
    chart.xAxisTitle = "Frequency";
    chart.yAxisTitle = "Intensity";
    chart.resize(640, 360);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));

    std::vector<double> f, original, filtered;
    for (int i = 0; i < 180; ++i) {
        const double hz = i * 1.953125;
        f.push_back(hz);
        original.push_back(20.0 * std::exp(-std::pow((hz - 40.0) / 12.0, 2)) +
                           10.0 * std::exp(-std::pow((hz - 260.0) / 12.0, 2)) + 0.5);
        filtered.push_back(original.back() / std::sqrt(1.0 + std::pow(hz / 100.0, 4)));
    }
    chart.addLine("Original", f, original, Qt::black);
    chart.addLine("Filtered", f, filtered, QColor(255, 0, 0));
    testing::internal::CaptureStdout();
    chart.renderAll();
    capturedStdout();

    vtkChartXY* drawn = shownChart(chart);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->GetAxis(vtkAxis::BOTTOM)->GetTitle(), "Frequency");
    EXPECT_EQ(drawn->GetAxis(vtkAxis::LEFT)->GetTitle(), "Intensity");
    EXPECT_TRUE(drawn->GetShowLegend());

    const QImage image = chart.grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    // Background (0.9, 0.9, 0.9) in the corner; both lines in their colours.
    EXPECT_LE(imagecompare::colourDistance(image.pixelColor(2, 2), QColor(230, 230, 230)), 1);
    int red = 0, black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += imagecompare::colourDistance(c, QColor(255, 0, 0)) <= 40;
            black += imagecompare::colourDistance(c, QColor(0, 0, 0)) <= 40;
        }
    EXPECT_GT(red, 50);
    EXPECT_GT(black, 200);

    // Mean channel difference up to 0.1 of 255. Renders under the same Mesa
    // are identical; a missing legend already differs by 0.66 and the black
    // line drawn red by 0.30, the picture being mostly background.
    const imagecompare::Result result =
        imagecompare::compareWithBaseline(image, "spectrum_chart", 0.1);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
}

} // namespace
