// The trace panel as drawn: traces, lobes, marks, grid and axes of the panel
// fixture (see panelfixture.h), checked at known pixels and colours.

#include "drawtraces.h"
#include "imagecompare.h"
#include "paintrecorder.h"
#include "panelfixture.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>

using namespace pixels;

namespace
{

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kWiggle(45, 85, 35);
const QColor kRejectedWiggle(255, 105, 30);
const QColor kUnusableWiggleOnWhite(255, 127, 127);
const QColor kRed(255, 0, 0);
const QColor kNegativeLobeOnWhite(216, 201, 182);
const QColor kRejectedLobeOnWhite(229, 184, 184);
// The grid pen is (160, 160, 164) at width 0.5, which the rasteriser lays
// down at half strength: about (208, 208, 210) on white.
const QColor kGrid(208, 208, 210);
const QColor kBandOnWhite(223, 223, 190);
const QColor kComputedMark(0, 128, 0);

// Translucent colours blend with rounding.
constexpr int kBlend = 3;

struct Panel {
    TomoDocument doc;
    drawTraces panel;

    explicit Panel(TomoDocument d = panelfixture::makeDocument()) : doc(std::move(d))
    {
        panel.setDocument(&doc);
        panel.setShot(0);
    }
    QImage draw() { return panelfixture::draw(panel); }
    std::unique_ptr<PaintRecorder> record()
    {
        auto recorder =
            std::make_unique<PaintRecorder>(panelfixture::kWidth, panelfixture::kHeight);
        QPainter painter(recorder.get());
        panel.drawShot(painter, panelfixture::kWidth - 110, panelfixture::kHeight - 120);
        return recorder;
    }
};

// So that a person can look at a picture that failed its checks.
void keepIfFailed(const QImage& image, const QString& name)
{
    if (testing::Test::HasFailure())
        image.save(imagecompare::outputPath(name + ".png"));
}

// Columns of trace i of the fixture in the target: 55 + 100 i ... 55 + 100 i + 100.
QRect traceColumns(int i, int y0 = 61, int y1 = 559)
{
    return columnsRows(55 + 100 * i + 1, 55 + 100 * i + 99, y0, y1);
}

struct RegionCase {
    const char* what;
    QRect area;
    QColor colour;
    int tolerance;
    bool present;
};

TEST(TracePanel, BasicPicture)
{
    Panel p;
    const QImage image = p.draw();
    EXPECT_TRUE(near(image.pixel(0, 0), kWhite));

    // Trace 0's zero line is black over the whole image, except where its red
    // pick mark (0.1 s = row 260) crosses it.
    for (int y = 60; y <= 559; ++y) {
        if (y >= 258 && y <= 262)
            continue;
        EXPECT_TRUE(near(image.pixel(105, y), kBlack)) << "row " << y;
    }
    EXPECT_TRUE(near(image.pixel(105, 260), kRed));
    for (int x : {74, 90, 120, 136})
        EXPECT_TRUE(near(image.pixel(x, 260), kRed)) << "column " << x;
    for (int x : {70, 140})
        EXPECT_FALSE(near(image.pixel(x, 260), kRed)) << "column " << x;

    const RegionCase regions[] = {
        {"trace 0 wiggle", traceColumns(0), kWiggle, 0, true},
        {"trace 0 positive lobes", traceColumns(0), kBlack, 0, true},
        {"trace 0 negative lobes", traceColumns(0), kNegativeLobeOnWhite, kBlend, true},
        {"rejected (-99) trace: no ordinary wiggle", columnsRows(256, 354, 60, 559), kWiggle, 0,
         false},
        {"rejected (-99) trace: orange wiggle", columnsRows(256, 354, 60, 559), kRejectedWiggle, 0,
         true},
        {"rejected (-99) trace: pink lobes", columnsRows(256, 354, 60, 559), kRejectedLobeOnWhite,
         kBlend, true},
        {"rejected (-99) trace: no black lobes", columnsRows(256, 304, 61, 559), kBlack, 0, false},
        {"rejected (-99) trace: no black lobes", columnsRows(306, 354, 61, 559), kBlack, 0, false},
        {"unusable (-2) trace: no ordinary wiggle", columnsRows(355, 454, 60, 559), kWiggle, 0,
         false},
        {"unusable (-2) trace: translucent red wiggle", columnsRows(355, 454, 60, 559),
         kUnusableWiggleOnWhite, kBlend, true},
    };
    for (const RegionCase& c : regions)
        EXPECT_EQ(countNear(image, c.area, c.colour, c.tolerance) > 0, c.present) << c.what;
    keepIfFailed(image, "panel_basic");
}

TEST(TracePanel, UnknownWaveTypeDrawsNoTraces)
{
    Panel p;
    p.panel.waveType = Trace::NotLoaded;
    testing::internal::CaptureStderr();
    const QImage image = p.draw();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Unknown wave type. Cannot be drawn."),
              std::string::npos);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(countNear(image, traceColumns(i), kWiggle), 0) << "trace " << i;
        EXPECT_EQ(countNear(image, traceColumns(i), kBlack), 0) << "trace " << i;
    }
    keepIfFailed(image, "panel_unknown_wave_type");
}

// The fixture with only trace `live` recorded; the others are constant and
// draw no wiggle, so every wiggle pixel belongs to trace `live`.
TomoDocument oneLiveTrace(size_t live)
{
    TomoDocument doc = panelfixture::makeDocument(1, 4, 1000, 0.00025, {0.1, 0.1, 0.1, 0.1});
    for (size_t i = 0; i < 4; ++i)
        if (i != live)
            doc.traceSets[0].traces[i].samples.assign(1000, 0.5);
    return doc;
}

TEST(TracePanel, ClippingKeepsEachWiggleInItsColumn)
{
    struct ClipCase {
        double zoom;
        bool cut;
        bool allInside;
    };
    const ClipCase cases[] = {{1.0, false, true},
                              {10.0, true, true},
                              {1e300, true, true},
                              {10.0, false, false},
                              {1e300, false, false}};
    for (const ClipCase& c : cases) {
        for (int i = 0; i < 4; ++i) {
            Panel p(oneLiveTrace(size_t(i)));
            p.panel.setZoom(1.0, c.zoom);
            p.panel.setCutWaveForm(c.cut);
            const QImage image = p.draw();
            const QRect all = columnsRows(0, 509, 0, 619);
            const QRect column = columnsRows(55 + 100 * i, 155 + 100 * i, 0, 619);
            const int inside = countNear(image, column, kWiggle);
            const int outside = countNear(image, all, kWiggle) - inside;
            EXPECT_GT(inside, 0) << "zoom " << c.zoom << " cut " << c.cut << " trace " << i;
            EXPECT_EQ(outside == 0, c.allInside)
                << "zoom " << c.zoom << " cut " << c.cut << " trace " << i;
        }
    }
}

TEST(TracePanel, TracesWithoutAmplitudeScaleDrawOnlyTheirZeroLine)
{
    Panel p;
    p.doc.traceSets[0].traces[1].samples.assign(1000, 0.7);
    p.doc.traceSets[0].traces[2].samples[500] = std::numeric_limits<double>::quiet_NaN();
    const QImage image = p.draw();

    // Between trace 0's and trace 3's columns only white, grid dashes, the two
    // zero lines and trace 1's pick mark (0.05 s = rows 159-160) remain.
    const QRect middle = columnsRows(156, 354, 61, 559);
    const int unexpected = count(image, middle, [&](QRgb px) {
        return !near(px, kWhite) && !near(px, kGrid) && !near(px, kBlack) && !near(px, kRed);
    });
    EXPECT_EQ(unexpected, 0);
    for (int y = 61; y <= 559; ++y)
        for (int x = 156; x <= 354; ++x) {
            const QRgb px = image.pixel(x, y);
            if (near(px, kBlack)) {
                ASSERT_TRUE(x == 205 || x == 305) << x << "," << y;
            }
            if (near(px, kRed)) {
                ASSERT_TRUE((y == 159 || y == 160) && x < 255) << x << "," << y;
            }
        }
    EXPECT_GT(countNear(image, columnsRows(205, 205, 61, 559), kBlack), 400);
    EXPECT_GT(countNear(image, columnsRows(305, 305, 61, 559), kBlack), 400);

    // Traces 0 and 3 as usual.
    EXPECT_GT(countNear(image, traceColumns(0), kWiggle), 0);
    EXPECT_GT(countNear(image, traceColumns(3), kUnusableWiggleOnWhite, kBlend), 0);
    keepIfFailed(image, "panel_no_amplitude_scale");
}

TEST(TracePanel, ShotWithoutTracesDrawsNoTraces)
{
    Panel p;
    p.doc.traceSets[0].traces.clear();
    EXPECT_NO_THROW(p.panel.setShot(0));
    EXPECT_EQ(p.panel.waveType, Trace::NotLoaded);
    testing::internal::CaptureStderr();
    const QImage image = p.draw();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(
        count(image, columnsRows(56, 454, 61, 559), [](QRgb px) { return !near(px, kWhite); }), 0);
}

TEST(TracePanel, FilteredViewWithoutFilteredSamplesKeepsMarksAndAxes)
{
    Panel p;
    p.panel.setShowFiltered(true);
    const QImage image = p.draw();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(countNear(image, traceColumns(i), kWiggle), 0) << "trace " << i;
    EXPECT_TRUE(near(image.pixel(105, 260), kRed));
    EXPECT_TRUE(near(image.pixel(52, 110), kBlack));

    // With filtered samples the trace layer draws them.
    for (Trace& t : p.doc.traceSets[0].traces)
        t.filtered = t.samples;
    EXPECT_GT(countNear(p.draw(), traceColumns(0), kWiggle), 0);
}

TomoDocument twoPolarityDocument()
{
    TomoDocument doc = panelfixture::makeDocument(1, 4, 1000, 0.00025, {0.1, -99.0, 0.1, 0.1});
    for (Trace& t : doc.traceSets[0].traces) {
        t.kind = Trace::TwoPolarity;
        t.samplesDX = t.samples;
        t.samplesSX.resize(t.samples.size());
        for (size_t j = 0; j < t.samples.size(); ++j)
            t.samplesSX[j] = -0.5 * t.samples[j];
        t.samples.clear();
    }
    return doc;
}

TEST(TracePanel, TwoPolarityTraces)
{
    const QColor stroke(79, 106, 25);
    const QColor fill(192, 192, 192);
    const QColor rejectedFill(212, 196, 196);
    {
        Panel p(twoPolarityDocument());
        ASSERT_EQ(p.panel.waveType, Trace::TwoPolarity);
        const QImage image = p.draw();
        EXPECT_GT(countNear(image, traceColumns(0), stroke), 0);
        EXPECT_GT(countNear(image, traceColumns(0), fill), 0);
        EXPECT_EQ(countNear(image, traceColumns(0), rejectedFill, kBlend), 0);
        EXPECT_GT(countNear(image, traceColumns(1), rejectedFill, kBlend), 0);
        // Only positive lobes are filled.
        EXPECT_EQ(countNear(image, traceColumns(0), kNegativeLobeOnWhite, kBlend), 0);
        // The SX recording, placed by DX's length, reaches the bottom too.
        EXPECT_GT(countNear(image, columnsRows(56, 154, 540, 559), stroke), 0);
    }
    {
        // A short SX recording ends the trace layer at that trace.
        Panel p(twoPolarityDocument());
        p.doc.traceSets[0].traces[2].samplesSX.resize(10);
        const QImage image = p.draw();
        EXPECT_GT(countNear(image, traceColumns(1), stroke), 0);
        EXPECT_EQ(countNear(image, traceColumns(3), stroke), 0);
        EXPECT_EQ(countNear(image, columnsRows(405, 405, 61, 559), kBlack), 0);
    }
}

TEST(TracePanel, TooSmallForAnImage)
{
    for (QSize size :
         {QSize(510, 620), QSize(110, 120), QSize(100, 600), QSize(500, 50), QSize(0, 0)}) {
        Panel p;
        QImage image(std::max(size.width(), 1), std::max(size.height(), 1),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        p.panel.drawShot(painter, size.width() - 110.0, size.height() - 120.0);
        EXPECT_FALSE(painter.isActive());
        EXPECT_TRUE(near(image.pixel(0, 0), kWhite));
    }
    // A document without shots gives a plain white panel.
    TomoDocument empty;
    drawTraces panel;
    panel.setDocument(&empty);
    const QImage image = panelfixture::draw(panel);
    EXPECT_EQ(count(image, image.rect(), [](QRgb px) { return !near(px, kWhite); }), 0);
}

TEST(TracePanel, PickVectorShorterThanTheTraceSet)
{
    Panel p;
    p.doc.ttArray[0].ttMisurati = {0.1, 0.05};
    testing::internal::CaptureStderr();
    const QImage image = p.draw();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Eccezione disegno ticks"),
              std::string::npos);
    // Traces and marks stop at the first trace without a pick; the axes stay.
    EXPECT_GT(countNear(image, traceColumns(1), kWiggle), 0);
    EXPECT_EQ(countNear(image, traceColumns(2), kWiggle), 0);
    EXPECT_TRUE(near(image.pixel(105, 260), kRed));
    EXPECT_TRUE(near(image.pixel(52, 110), kBlack));
}

// --- Marks, grid and axes --------------------------------------------------

// A label of the time axis (left of the traces image), or null.
const RecordedText* timeLabel(const PaintRecorder& recorder, const QString& text)
{
    for (const RecordedText& t : recorder.texts())
        if (t.text == text && t.origin.x() < 50.0)
            return &t;
    return nullptr;
}

// The receiver labels above the traces image, in drawing order.
std::vector<QString> shotAxisLabels(const PaintRecorder& recorder)
{
    std::vector<QString> labels;
    for (const RecordedText& t : recorder.texts())
        if (t.origin.y() == 56.0)
            labels.push_back(t.text);
    return labels;
}

TEST(TracePanelAxes, TicksGridAndLabels)
{
    Panel p;
    const QImage image = p.draw();
    // Record length 250 ms: major ticks every 25 ms (50 px), minor every 12.5 ms.
    for (int k = 0; k <= 10; ++k) {
        const int y = 60 + 50 * k;
        for (int x = 50; x <= 54; ++x)
            EXPECT_TRUE(near(image.pixel(x, y), kBlack)) << "major tick row " << y << " col " << x;
        EXPECT_FALSE(near(image.pixel(49, y), kBlack)) << "row " << y;
    }
    for (int k = 1; k <= 19; k += 2) {
        const int y = 60 + 25 * k;
        for (int x = 52; x <= 54; ++x)
            EXPECT_TRUE(near(image.pixel(x, y), kBlack)) << "minor tick row " << y << " col " << x;
        EXPECT_FALSE(near(image.pixel(51, y), kBlack)) << "row " << y;
    }
    // Grid dashes show through the transparent parts of the traces image.
    for (int y = 110; y <= 510; y += 50) {
        EXPECT_GT(countNear(image, columnsRows(56, 454, y, y), kGrid), 20) << "row " << y;
        EXPECT_EQ(countNear(image, columnsRows(56, 454, y + 1, y + 1), kGrid), 0) << "row " << y;
    }

    const auto recording = p.record();
    const PaintRecorder& recorder = *recording;
    const RecordedText* zero = timeLabel(recorder, "0");
    ASSERT_NE(zero, nullptr);
    const QFontMetrics metrics(zero->font, &recorder);
    EXPECT_EQ(zero->origin.y(), std::trunc(60 + metrics.ascent() / 2.0));
    EXPECT_NEAR(zero->origin.x() + metrics.horizontalAdvance("0"), 47.0, 1.0);
    for (const char* label : {"25", "125", "250"})
        EXPECT_NE(timeLabel(recorder, label), nullptr) << label;
    EXPECT_EQ(timeLabel(recorder, "275"), nullptr);
    for (const char* label : {"(m)", "(ms)", "Shot position: -5"})
        EXPECT_NE(recorder.find(label), nullptr) << label;
    // Receiver labels over every fifth trace: only trace 0 of four.
    EXPECT_EQ(shotAxisLabels(recorder), std::vector<QString>{"0"});

    // "(ms)" reads upwards, centred on the traces image.
    const RecordedText* ms = recorder.find("(ms)");
    ASSERT_NE(ms, nullptr);
    EXPECT_NEAR(ms->transform.map(QPointF(1, 0)).y() - ms->transform.map(QPointF(0, 0)).y(), -1.0,
                1e-9);
    EXPECT_NEAR(ms->origin.y() - metrics.horizontalAdvance("(ms)") / 2.0, 310.0, 1.0);
    keepIfFailed(image, "panel_axes");
}

TEST(TracePanelAxes, TickStepsFollowTheRecordLength)
{
    struct StepCase {
        size_t samples;
        double interval;
        std::vector<QString> majorLabels;
        double minorStep; // ms
    };
    const StepCase cases[] = {
        {8, 0.001, {"0", "2", "4", "6", "8"}, 1.0},
        {20, 0.001, {"0", "5", "10", "15", "20"}, 1.0},
        {40, 0.001, {"0", "5", "10", "15", "20", "25", "30", "35", "40"}, 2.5},
        {100, 0.0005, {"0", "10", "20", "30", "40", "50"}, 2.0},
        {1200,
         0.00025,
         {"0", "25", "50", "75", "100", "125", "150", "175", "200", "225", "250", "275", "300"},
         12.5},
        {4000,
         0.0005,
         {"0", "200", "400", "600", "800", "1000", "1200", "1400", "1600", "1800", "2000"},
         40.0},
    };
    for (const StepCase& c : cases) {
        Panel p(panelfixture::makeDocument(1, 4, c.samples, c.interval));
        const auto recording = p.record();
        const PaintRecorder& recorder = *recording;
        std::vector<QString> labels;
        for (const RecordedText& t : recorder.texts())
            if (t.origin.x() < 50.0 && t.text != "(ms)")
                labels.push_back(t.text);
        EXPECT_EQ(labels, c.majorLabels) << c.samples << " samples";

        const double tms = double(c.samples) * c.interval * 1000.0;
        int minors = 0;
        for (const RecordedLine& l : recorder.lines())
            if (l.line.x1() == 55.0 && l.line.x2() == 52.0)
                ++minors;
        EXPECT_EQ(minors, int(std::floor(tms / c.minorStep + 1e-9)) + 1) << c.samples << " samples";
    }
}

TEST(TracePanelAxes, NegativeDelayShadesTheRecordBeforeTimeZero)
{
    struct DelayCase {
        double delay;
        int pickAdded;
    };
    // Unpicked entries (0) lie below the top edge once the record starts
    // before the shot, so they get marks too.
    const DelayCase cases[] = {{0.0, 2}, {-0.01, 4}};
    for (const DelayCase& c : cases) {
        Panel p(panelfixture::makeDocument(1, 4, 1000, 0.00025, {0.1, 0.0, 0.05, 0.0}));
        for (Trace& t : p.doc.traceSets[0].traces)
            t.delay = c.delay;
        QSignalSpy added(&p.panel, &drawTraces::pick_added);
        const QImage image = p.draw();
        EXPECT_EQ(added.count(), c.pickAdded) << "delay " << c.delay;

        const auto recording = p.record();
        const PaintRecorder& recorder = *recording;
        const RecordedText* first = timeLabel(recorder, c.delay == 0.0 ? "0" : "-10");
        ASSERT_NE(first, nullptr) << "delay " << c.delay;
        EXPECT_LT(first->origin.y(), 70.0);

        // 0.01 s is 20 px: rows 60-79 tinted where nothing else is drawn
        // (left of trace 0's zero line, where its first samples are positive).
        for (int y = 61; y <= 79; ++y)
            EXPECT_EQ(near(image.pixel(60, y), kBandOnWhite, kBlend), c.delay < 0.0) << "row " << y;
        EXPECT_TRUE(near(image.pixel(60, 80), kWhite));
    }
}

TEST(TracePanelAxes, MissingSampleIntervalDrawsNoTimeAxis)
{
    Panel p(panelfixture::makeDocument(1, 4, 1000, DBL_MAX));
    QSignalSpy added(&p.panel, &drawTraces::pick_added);
    const QImage image = p.draw();
    // No ticks, no grid, and no left border: the time axis is left out whole.
    EXPECT_EQ(countNear(image, columnsRows(45, 55, 61, 559), kBlack), 0);
    EXPECT_EQ(countNear(image, columnsRows(56, 454, 61, 559), kGrid), 0);
    const auto recording = p.record();
    const PaintRecorder& recorder = *recording;
    for (const RecordedText& t : recorder.texts())
        EXPECT_FALSE(t.origin.x() < 50.0 && t.text != "(ms)") << t.text.toStdString();
    // The traces themselves are still drawn.
    EXPECT_GT(countNear(image, traceColumns(0), kWiggle), 0);

    // A zero interval is no record length either.
    Panel zero(panelfixture::makeDocument(1, 4, 1000, 0.0));
    EXPECT_EQ(countNear(zero.draw(), columnsRows(45, 55, 61, 559), kBlack), 0);
    keepIfFailed(image, "panel_no_interval");
}

TEST(TracePanelAxes, ComputedTimesAndOtherShotsPicks)
{
    Panel p(panelfixture::makeDocument(2, 4, 1000, 0.00025, {0.1, 0.05, 0.06, 0.07}));
    p.doc.ttArray[0].ttCalcolati = {0.02, 0.03, 0.04, 0.0};
    p.doc.ttArray[1].ttMisurati = {0.12, 0.14, -99.0, 0.2};
    const QColor secondShot("#1d7775");

    QSignalSpy added(&p.panel, &drawTraces::pick_added);
    QImage image = p.draw();
    EXPECT_EQ(countNear(image, image.rect(), kComputedMark), 0);
    EXPECT_EQ(countNear(image, image.rect(), secondShot), 0);
    EXPECT_EQ(added.count(), 4);

    p.doc.has_tomographic_info = true;
    p.panel.setShowSimulatedTimes(true);
    p.panel.setShowAllPicks(true);
    added.clear();
    image = p.draw();
    EXPECT_EQ(added.count(), 4 + 3);
    // Cross of trace 0 at 0.02 s = row 100: its arms reach 4 px up and down.
    EXPECT_TRUE(near(image.pixel(105, 100), kComputedMark));
    EXPECT_GT(countNear(image, columnsRows(75, 135, 95, 106), kComputedMark), 20);
    // Shot 1 in its cycle colour: a line between receivers 0 and 1 only, the
    // rejected receiver 2 breaking it.
    EXPECT_GT(countNear(image, columnsRows(106, 204, 280, 340), secondShot), 20);
    EXPECT_EQ(countNear(image, columnsRows(206, 454, 61, 559), secondShot), 0);
}

TEST(TracePanelAxes, OtherShotsWithFewerTracesThanPicks)
{
    Panel p(panelfixture::makeDocument(2, 4, 1000, 0.00025, {0.1, 0.1, 0.1, 0.1}));
    p.doc.traceSets[1].traces.resize(2);
    p.doc.ttArray[1].ttMisurati = {0.12, 0.13, 0.14, 0.15};
    // An imported record has no trace set at all.
    TravelTime imported = p.doc.ttArray[1];
    imported.traceSetID = TravelTime::NoTraceSet;
    p.doc.ttArray.push_back(imported);
    p.panel.setShowAllPicks(true);
    const QImage image = p.draw();
    // Shot 1's set has two traces: one line across its half-width columns.
    EXPECT_GT(countNear(image, image.rect(), QColor("#1d7775")), 0);
    EXPECT_EQ(countNear(image, image.rect(), QColor("#7e57c2")), 0);
}

TEST(TracePanelAxes, ShotAxisLabelsEveryFifthReceiver)
{
    Panel p(panelfixture::makeDocument(1, 24, 1000, 0.00025, {}));
    const auto recording = p.record();
    const PaintRecorder& recorder = *recording;
    const double tw = 400.0 / 24.0;
    for (int i : {0, 5, 10, 15, 20}) {
        const QString label = QString::number(5 * i);
        const RecordedText* text = nullptr;
        for (const RecordedText& t : recorder.texts())
            if (t.text == label && t.origin.y() < 60.0)
                text = &t;
        ASSERT_NE(text, nullptr) << i;
        const QFontMetrics metrics(text->font, &recorder);
        EXPECT_EQ(text->origin.y(), 56.0);
        EXPECT_EQ(text->origin.x(), std::trunc(std::trunc(i * tw + tw / 2) + 55 -
                                               metrics.horizontalAdvance(label) / 2.0));
    }
    EXPECT_EQ(shotAxisLabels(recorder), (std::vector<QString>{"0", "25", "50", "75", "100"}));
    const RecordedText* title = recorder.find("Shot position: -5");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->origin.y(), QFontMetrics(title->font, &recorder).height() + 4);
}

} // namespace
