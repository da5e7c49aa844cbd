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
int columnRuns(const QImage& image, QColor colour)
{
    int runs = 0;
    bool inRun = false;
    for (int x = 45; x < image.width() - 45; ++x) {
        const bool hit = countNear(image, columnsRows(x, x, 45, image.height() - 46), colour) > 0;
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

    // T = 120 ms: grid every 10 ms at y = trunc(345 - t * 2.27273), and one
    // more line at 130 ms (y = 49). Row 345 is the bottom border.
    std::vector<int> gridRows;
    for (int t = 10; t <= 130; t += 10)
        gridRows.push_back(int(345 - t * (300.0 / 0.132) / 1000.0));
    EXPECT_EQ(gridRows.front(), 322);
    EXPECT_EQ(gridRows.back(), 49);
    for (int y : gridRows)
        EXPECT_GT(countNear(image, columnsRows(46, 544, y, y), kGrid), 150) << "row " << y;
    // Elsewhere only the vertical distance grid (one dash per major tick).
    EXPECT_LE(countNear(image, columnsRows(46, 544, 300, 300), kGrid), 11);
    EXPECT_LE(countNear(image, columnsRows(46, 544, 46, 46), kGrid), 11);

    // The curve in the first shot's colour.
    EXPECT_GT(countNear(image, image.rect(), kFirstShot), 100);
    EXPECT_EQ(countNear(image, columnsRows(46, 544, 46, 344), kBlack), 0);
    keepIfFailed(image, "ttime_colours");

    c.plot.twoColors = true;
    const QImage black = c.draw();
    EXPECT_EQ(countNear(black, black.rect(), kFirstShot), 0);
    EXPECT_GT(countNear(black, columnsRows(46, 544, 46, 344), kBlack), 100);

    // R = 115 m: major step 11 m, labelled 0 ... 110, ticks at
    // (m + 5.75) * 500 / 126.5 + 45.
    const auto recording = c.record();
    std::vector<QString> distanceLabels, timeLabels;
    for (const RecordedText& t : recording->texts()) {
        if (t.origin.y() > 345 && t.origin.x() > 45 && t.text != "(m)")
            distanceLabels.push_back(t.text);
        if (t.origin.x() < 45 && t.text != "(ms)")
            timeLabels.push_back(t.text);
    }
    EXPECT_EQ(distanceLabels, (std::vector<QString>{"0", "11", "22", "33", "44", "55", "66", "77",
                                                    "88", "99", "110"}));
    EXPECT_EQ(timeLabels.front(), "0");
    EXPECT_EQ(timeLabels.back(), "130");
    EXPECT_EQ(timeLabels.size(), 14u);

    std::vector<double> majorTicks, minorTicks;
    for (const RecordedLine& l : recording->lines()) {
        if (l.line.y1() == 345 && l.line.y2() == 350 && l.line.x1() == l.line.x2())
            majorTicks.push_back(l.line.x1());
        if (l.line.y1() == 345 && l.line.y2() == 348)
            minorTicks.push_back(l.line.x1());
    }
    ASSERT_GE(majorTicks.size(), 2u);
    EXPECT_NEAR(majorTicks[0], 67.7, 1.0);
    EXPECT_NEAR(majorTicks[1], 111.2, 1.0);
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
    // Receivers 11 and 13 lie at columns 45 + (55 + 5.75) * 3.95 and
    // (65 + 5.75) * 3.95; halfway between 11 and 12 there is no line.
    const auto column = [](double x) { return int((x + 5.75) * 500.0 / 126.5) + 45; };
    EXPECT_EQ(countNear(image, columnsRows(column(57.5), column(57.5), 45, 344), kFirstShot), 0);
    EXPECT_EQ(countNear(image, columnsRows(column(62.5), column(62.5), 45, 344), kFirstShot), 0);
    EXPECT_GT(countNear(image, columnsRows(column(52.5), column(52.5), 45, 344), kFirstShot), 0);
    // Both neighbours keep their points.
    EXPECT_GT(countNear(image, columnsRows(column(55) - 1, column(55) + 1, 45, 344), kFirstShot),
              4);
    EXPECT_GT(countNear(image, columnsRows(column(65) - 1, column(65) + 1, 45, 344), kFirstShot),
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
    EXPECT_GT(countNear(c.draw(), columnsRows(46, 544, 46, 344), kFirstShot), 100);

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
        const int x = 45 + int((57.5 + 5.75) * 500.0 / 126.5); // between two points
        EXPECT_EQ(countNear(image, columnsRows(x, x, 46, 344), kFirstShot), w.rows)
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
        c.doc.ttArray[0].ttCalcolati[23] = 0.5; // above 1.1 x maxTime: clipped
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
        EXPECT_EQ(columnRuns(image, kFirstShot), 12);
        keepIfFailed(image, "ttime_long_record");
    }
    {
        // A record that names no spread is skipped.
        TomoDocument doc = chartDocument({rising(0.1)});
        doc.ttArray.push_back(doc.ttArray[0]);
        doc.ttArray[1].indexStesa = 3;
        Chart c(std::move(doc));
        EXPECT_GT(countNear(c.draw(), columnsRows(46, 544, 46, 344), kBlack), 100);
    }
    {
        // All receivers at one position: the curve stands in the middle.
        TomoDocument doc = chartDocument({{0.01, 0.02, 0.03}}, 3);
        for (Point2D& p : doc.goephonesStringSet[0])
            p.x = 10.0;
        Chart c(std::move(doc));
        const QImage image = c.draw();
        EXPECT_GT(countNear(image, columnsRows(293, 297, 46, 344), kBlack), 10);
        EXPECT_EQ(countNear(image, columnsRows(46, 280, 46, 344), kBlack), 0);
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
            EXPECT_EQ(columnRuns(image, kFirstShot), 11) << huge;
        }
    }
    {
        // Finite but far-out times land far off the image: a measured -1e300
        // and a computed 1e300 (computed times do not enter the range).
        std::vector<double> picks = rising(0.1);
        picks[5] = -1e300;
        Chart c(chartDocument({picks}));
        c.doc.ttArray[0].ttCalcolati = rising(0.09);
        c.doc.ttArray[0].ttCalcolati[7] = 1e300;
        c.plot.showComputedTimes = true;
        testing::internal::CaptureStdout();
        const QImage image = c.draw();
        testing::internal::GetCapturedStdout();
        EXPECT_GT(countNear(image, columnsRows(46, 544, 46, 344), kRed), 20);
    }
}

} // namespace
