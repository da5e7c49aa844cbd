// The travel-time plot drawn into images: grid rows, axis labels, curve
// colours, and documents that used to crash or hang it.

#include "drawttime.h"
#include "imagecompare.h"
#include "paintrecorder.h"
#include "panelfixture.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace pixels;

namespace
{

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kFirstShot("#6dcc73");
// The grid pen (160, 160, 164) at width 0.5 is laid down at half strength.
const QColor kGrid(208, 208, 210);

// One spread of 24 receivers at 0, 5, ... 115 m; one record per entry of
// `shots`, each with those measured times.
TomoDocument chartDocument(const std::vector<std::vector<double>>& shots, size_t receivers = 24)
{
    TomoDocument doc;
    std::vector<Point2D> spread;
    for (size_t j = 0; j < receivers; ++j)
        spread.push_back({5.0 * double(j), 0.0});
    doc.goephonesStringSet.push_back(spread);
    for (const std::vector<double>& picks : shots) {
        TravelTime record;
        record.ttMisurati = picks;
        record.ttCalcolati.assign(picks.size(), 0.0);
        doc.ttArray.push_back(record);
    }
    return doc;
}

// Times rising linearly from 0 at receiver 0 to `last` at receiver n - 1.
std::vector<double> rising(double last, size_t n = 24)
{
    std::vector<double> t(n);
    for (size_t j = 0; j < n; ++j)
        t[j] = last * double(j) / double(n - 1);
    return t;
}

struct Chart {
    TomoDocument doc;
    drawTTime plot;

    explicit Chart(TomoDocument d, QSize size = {590, 390}) : doc(std::move(d))
    {
        plot.resize(size);
        plot.setDocument(&doc);
    }
    QImage draw()
    {
        QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        plot.render(&image);
        return image;
    }
    // The plot area's border lines, as the last paint laid them out: 45 px
    // from the top and right, more on the left and at the bottom when the
    // labels need it.
    int left() const { return plot.width() - int(plot.plotWidth) - 45; }
    int right() const { return plot.width() - 45; }
    int bottom() const { return 45 + int(plot.plotHeight); }
    // The column of a receiver position on the 0 .. 115 m spread.
    int column(double x) const { return int((x + 5.75) * plot.distanceScale) + left(); }
    std::unique_ptr<PaintRecorder> record()
    {
        auto recorder = std::make_unique<PaintRecorder>(plot.width(), plot.height());
        QPainter painter(recorder.get());
        plot.render(&painter);
        return recorder;
    }
};

void keepIfFailed(const QImage& image, const QString& name)
{
    if (testing::Test::HasFailure())
        image.save(imagecompare::outputPath(name + ".png"));
}

// Runs of consecutive columns of the plot area holding the colour: one per
// curve point when the points are not joined by lines.
int columnRuns(const Chart& c, const QImage& image, QColor colour)
{
    int runs = 0;
    bool inRun = false;
    for (int x = c.left(); x < c.right(); ++x) {
        const bool hit = countNear(image, columnsRows(x, x, 45, c.bottom() - 1), colour) > 0;
        if (hit && !inRun)
            ++runs;
        inRun = hit;
    }
    return runs;
}

TEST(TravelTimePlot, GridAxesAndCurveColours)
{
    Chart c(chartDocument({rising(0.120)}));
    c.plot.twoColors = false;
    const QImage image = c.draw();

    // T = 120 ms: grid every 10 ms at y = trunc(bottom - t * h / 132), and
    // one more line at 130 ms, just under the top border.
    const int left = c.left(), right = c.right(), bottom = c.bottom();
    const double h = c.plot.plotHeight;
    std::vector<int> gridRows;
    for (int t = 10; t <= 130; t += 10)
        gridRows.push_back(int(bottom - t * (h / 0.132) / 1000.0));
    EXPECT_GT(gridRows.back(), 45);
    for (int y : gridRows)
        EXPECT_GT(countNear(image, columnsRows(left + 1, right - 1, y, y), kGrid),
                  (right - left) / 4)
            << "row " << y;
    // Elsewhere only the vertical distance grid (one dash per major tick).
    const int between = (gridRows[1] + gridRows[2]) / 2;
    EXPECT_LE(countNear(image, columnsRows(left + 1, right - 1, between, between), kGrid), 11);
    EXPECT_LE(countNear(image, columnsRows(left + 1, right - 1, 46, 46), kGrid), 11);

    // The curve in the first shot's colour.
    EXPECT_GT(countNear(image, image.rect(), kFirstShot), 100);
    EXPECT_EQ(countNear(image, columnsRows(left + 1, right - 1, 46, bottom - 1), kBlack), 0);
    keepIfFailed(image, "ttime_colours");

    c.plot.twoColors = true;
    const QImage black = c.draw();
    EXPECT_EQ(countNear(black, black.rect(), kFirstShot), 0);
    EXPECT_GT(countNear(black, columnsRows(left + 1, right - 1, 46, bottom - 1), kBlack), 100);

    // R = 115 m: major step 11 m, labelled 0 ... 110, ticks at
    // (m + 5.75) * w / 126.5 + left.
    const auto recording = c.record();
    std::vector<QString> distanceLabels, timeLabels;
    for (const RecordedText& t : recording->texts()) {
        if (t.origin.y() > bottom && t.origin.x() > left && t.text != "(m)")
            distanceLabels.push_back(t.text);
        if (t.origin.x() < left && t.origin.y() <= bottom + 20 && t.text != "(ms)")
            timeLabels.push_back(t.text);
    }
    EXPECT_EQ(distanceLabels, (std::vector<QString>{"0", "11", "22", "33", "44", "55", "66", "77",
                                                    "88", "99", "110"}));
    EXPECT_EQ(timeLabels.front(), "0");
    EXPECT_EQ(timeLabels.back(), "130");
    EXPECT_EQ(timeLabels.size(), 14u);

    std::vector<double> majorTicks, minorTicks;
    for (const RecordedLine& l : recording->lines()) {
        if (l.line.y1() == bottom && l.line.y2() == bottom + 5 && l.line.x1() == l.line.x2())
            majorTicks.push_back(l.line.x1());
        if (l.line.y1() == bottom && l.line.y2() == bottom + 3)
            minorTicks.push_back(l.line.x1());
    }
    ASSERT_GE(majorTicks.size(), 2u);
    const double w = c.plot.plotWidth;
    EXPECT_NEAR(majorTicks[0], 5.75 * w / 126.5 + left, 1.0);
    EXPECT_NEAR(majorTicks[1], 16.75 * w / 126.5 + left, 1.0);
    // Major ticks 0 ... 110 and the extra one at 0; minor ticks every 2 m from 2.
    EXPECT_EQ(majorTicks.size(), 12u);
    EXPECT_EQ(minorTicks.size(), 57u);
}

TEST(TravelTimePlot, EmptyDocuments)
{
    {
        drawTTime plot;
        plot.resize(590, 390);
        PaintRecorder recorder(590, 390);
        QPainter painter(&recorder);
        plot.render(&painter);
        painter.end();
        EXPECT_EQ(recorder.strings(), (std::vector<QString>{"(m)", "(ms)"}));
    }
    {
        // Nothing picked: no curves, no time ticks; the distance axis stays.
        Chart c(chartDocument({std::vector<double>(24, 0.0)}));
        c.plot.twoColors = false;
        const QImage image = c.draw();
        EXPECT_EQ(countNear(image, image.rect(), kFirstShot), 0);
        const auto recording = c.record();
        std::vector<QString> labels = recording->strings();
        EXPECT_NE(std::find(labels.begin(), labels.end(), "110"), labels.end());
        for (const RecordedText& t : recording->texts())
            EXPECT_FALSE(t.origin.x() < 45 && t.text != "(ms)") << t.text.toStdString();
    }
}

TEST(TravelTimePlot, RejectedPickBreaksTheLine)
{
    std::vector<double> picks = rising(0.120);
    picks[12] = -99.0;
    Chart c(chartDocument({picks}));
    c.plot.twoColors = false;
    const QImage image = c.draw();
    // Receivers 11 and 13 lie at 55 and 65 m; halfway between 11 and 12 there
    // is no line.
    const auto column = [&](double x) { return c.column(x); };
    const int bottom = c.bottom() - 1;
    EXPECT_EQ(countNear(image, columnsRows(column(57.5), column(57.5), 45, bottom), kFirstShot), 0);
    EXPECT_EQ(countNear(image, columnsRows(column(62.5), column(62.5), 45, bottom), kFirstShot), 0);
    EXPECT_GT(countNear(image, columnsRows(column(52.5), column(52.5), 45, bottom), kFirstShot), 0);
    // Both neighbours keep their points.
    EXPECT_GT(countNear(image, columnsRows(column(55) - 1, column(55) + 1, 45, bottom), kFirstShot),
              4);
    EXPECT_GT(countNear(image, columnsRows(column(65) - 1, column(65) + 1, 45, bottom), kFirstShot),
              4);
    keepIfFailed(image, "ttime_rejected");
}

TEST(TravelTimePlot, ShotColourCycleAndPreviewWidth)
{
    // Seventeen shots; only the last is picked, and it takes the first colour.
    std::vector<std::vector<double>> shots(17, std::vector<double>(24, 0.0));
    shots[16] = std::vector<double>(24, 0.05);
    Chart c(chartDocument(shots));
    c.plot.twoColors = false;
    const QImage all = c.draw();
    EXPECT_GT(
        countNear(all, columnsRows(c.left() + 1, c.right() - 1, 46, c.bottom() - 1), kFirstShot),
        100);

    // A flat curve: one row thick, three for the preview's current shot.
    struct WidthCase {
        bool preview;
        int shotIndex;
        int rows;
    };
    for (const WidthCase w : {WidthCase{false, 16, 1}, {true, 16, 3}, {true, 0, 1}}) {
        c.plot.previewMode = w.preview;
        c.plot.shotIndex = w.shotIndex;
        const QImage image = c.draw();
        const int x = c.column(57.5); // between two points
        EXPECT_EQ(countNear(image, columnsRows(x, x, 46, c.bottom() - 1), kFirstShot), w.rows)
            << "preview " << w.preview << " shot " << w.shotIndex;
    }
}

TEST(TravelTimePlot, ComputedTimes)
{
    struct ComputedCase {
        bool show;
        bool preview;
        bool drawn;
    };
    const ComputedCase cases[] = {{false, false, false}, {true, false, true}, {true, true, false}};
    for (const ComputedCase& cc : cases) {
        Chart c(chartDocument({rising(0.120)}));
        c.doc.ttArray[0].ttCalcolati = rising(0.100);
        c.doc.ttArray[0].ttCalcolati[23] = 0.5; // far above the picks: the range takes it
        c.plot.showComputedTimes = cc.show;
        c.plot.previewMode = cc.preview;
        testing::internal::CaptureStdout();
        const QImage image = c.draw();
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.find("initDrawTTCalc") != std::string::npos, cc.drawn);
        EXPECT_EQ(countNear(image, image.rect(), kRed) > 20, cc.drawn)
            << "show " << cc.show << " preview " << cc.preview;
        EXPECT_EQ(countNear(image, columnsRows(0, 589, 0, 44), kRed), 0);
    }
}

// The unit labels stand apart from the tick labels; a computed curve above
// the picks stays inside the frame; unpicked, rejected and uncomputed
// receivers leave the time axis blank. At the plot's usual size and a small one.
TEST(TravelTimePlot, LabelsAndCurvesStayReadable)
{
    for (const QSize size : {QSize(590, 390), QSize(300, 200)}) {
        SCOPED_TRACE(size.width());
        std::vector<double> picks(24), computed(24);
        for (size_t j = 0; j < 24; ++j) {
            picks[j] = 0.010 + 0.100 * double(j) / 23.0;
            computed[j] = 0.010 + 0.115 * double(j) / 23.0;
        }
        picks[5] = 0.0;
        picks[9] = -99.0;
        computed[14] = 0.0;
        Chart c(chartDocument({picks}), size);
        c.doc.ttArray[0].ttCalcolati = computed;
        c.plot.showComputedTimes = true;
        for (const bool twoColors : {false, true}) {
            c.plot.twoColors = twoColors;
            testing::internal::CaptureStdout(); // the computed curves' trace line
            const QImage image = c.draw();
            testing::internal::GetCapturedStdout();
            const int W = image.width(), H = image.height();
            const int left = int(W - c.plot.plotWidth - 45.0), top = 45;
            const int bottom = top + int(c.plot.plotHeight), right = left + int(c.plot.plotWidth);
            auto column = [&](double x) { return left + int((x + 5.75) * c.plot.distanceScale); };
            if (!twoColors) {
                const auto below =
                    imagecompare::inkRuns(image, QRect(0, bottom + 8, W, H), Qt::Vertical);
                EXPECT_EQ(below.size(), 2u) << "the labels below the frame run together";
                const auto beside =
                    imagecompare::inkRuns(image, QRect(0, 0, left - 8, bottom + 1), Qt::Horizontal);
                ASSERT_GE(beside.size(), 2u) << "the labels left of the frame run together";
                // The leftmost ink is "(ms)" alone, centred on the frame's height.
                const QRect unit = imagecompare::inkBounds(
                    image, QRect(QPoint(beside[0].first, 0), QPoint(beside[0].second, bottom)));
                EXPECT_LT(unit.height(), (bottom - top) / 2);
                EXPECT_NEAR(unit.center().y(), (top + bottom) / 2.0, 0.05 * H);
                for (double x : {25.0, 45.0})
                    EXPECT_EQ(
                        countNear(image,
                                  columnsRows(column(x) - 4, column(x) + 4, bottom - 8, H - 1),
                                  kFirstShot),
                        0)
                        << "receiver at " << x << " m";
                keepIfFailed(image, "ttime_labels_" + QString::number(W));
                continue;
            }
            int highest = H, outside = 0;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    if (image.pixel(x, y) == kRed.rgb()) {
                        highest = std::min(highest, y);
                        outside += x < left || x > right || y < top || y > bottom;
                    }
            EXPECT_EQ(outside, 0);
            EXPECT_GT(highest, top + 2) << "the computed curve is cut at the top";
            EXPECT_EQ(countNear(image,
                                columnsRows(column(70) - 4, column(70) + 4, bottom - 8, bottom),
                                kRed),
                      0);
            keepIfFailed(image, "ttime_curves_" + QString::number(W));
        }
    }
}

TEST(TravelTimePlot, DocumentsThatCrashedOrHung)
{
    const double inf = std::numeric_limits<double>::infinity();
    {
        // 30 picks on a 24-receiver spread: only the 24 receivers are drawn.
        // Odd receivers are rejected (points below the image, no lines), so
        // the 12 even ones stand alone.
        std::vector<double> picks(30);
        for (size_t j = 0; j < picks.size(); ++j)
            picks[j] = j % 2 ? -99.0 : 0.01 + 0.001 * double(j);
        Chart c(chartDocument({picks}));
        c.plot.twoColors = false;
        const QImage image = c.draw();
        EXPECT_EQ(columnRuns(c, image, kFirstShot), 12);
        keepIfFailed(image, "ttime_long_record");
    }
    {
        // A record that names no spread is skipped.
        TomoDocument doc = chartDocument({rising(0.1)});
        doc.ttArray.push_back(doc.ttArray[0]);
        doc.ttArray[1].indexStesa = 3;
        Chart c(std::move(doc));
        const QImage image = c.draw();
        EXPECT_GT(
            countNear(image, columnsRows(c.left() + 1, c.right() - 1, 46, c.bottom() - 1), kBlack),
            100);
    }
    {
        // All receivers at one position: the curve stands in the middle.
        TomoDocument doc = chartDocument({{0.01, 0.02, 0.03}}, 3);
        for (Point2D& p : doc.goephonesStringSet[0])
            p.x = 10.0;
        Chart c(std::move(doc));
        const QImage image = c.draw();
        const int middle = (c.left() + c.right()) / 2;
        EXPECT_GT(countNear(image, columnsRows(middle - 2, middle + 2, 46, c.bottom() - 1), kBlack),
                  10);
        EXPECT_EQ(
            countNear(image, columnsRows(c.left() + 1, middle - 15, 46, c.bottom() - 1), kBlack),
            0);
    }
    {
        // Times too large or infinite: the paint ends, the other points stay.
        for (double huge : {1e308, inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
            std::vector<double> picks(24, -99.0);
            for (size_t j = 0; j < 24; j += 2)
                picks[j] = 0.05;
            picks[10] = huge;
            Chart c(chartDocument({picks}));
            c.plot.twoColors = false;
            const QImage image = c.draw();
            if (huge == 1e308)
                continue; // a legal, if absurd, time that squeezes the others flat
            EXPECT_EQ(columnRuns(c, image, kFirstShot), 11) << huge;
        }
    }
    {
        // Far-out times: a measured -1e300 is no pick; a computed 1e300 takes
        // the time range with it, and the paint still ends with the curve drawn.
        std::vector<double> picks = rising(0.1);
        picks[5] = -1e300;
        Chart c(chartDocument({picks}));
        c.doc.ttArray[0].ttCalcolati = rising(0.09);
        c.doc.ttArray[0].ttCalcolati[7] = 1e300;
        c.plot.showComputedTimes = true;
        testing::internal::CaptureStdout();
        const QImage image = c.draw();
        testing::internal::GetCapturedStdout();
        EXPECT_GT(
            countNear(image, columnsRows(c.left() + 1, c.right() - 1, 46, c.bottom() - 1), kRed),
            0);
    }
}

} // namespace
