// The T-x layer editor and the result plots, drawn offscreen and read back
// pixel by pixel.
#include "edittraveltimeswidget.h"
#include "refractionmodels.h"
#include "xyplot.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
// Qt::gray at half coverage, as the 0.5-px dashed grid pen comes out on white.
constexpr QRgb kGrid = 0xffd0d0d2;

int countInColumn(const QImage& image, int x, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixel(x, y) == colour;
    return n;
}

int countInRow(const QImage& image, int y, QRgb colour)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += image.pixel(x, y) == colour;
    return n;
}

struct Editor {
    TomoDocument doc;
    refractionDataStructure data;
    editTravelTimesWidget plot;

    explicit Editor(const refractionmodels::Model& m)
    {
        refractionmodels::load(m, doc, data);
        for (auto& record : data.ttLayer)
            std::fill(record.layer.begin(), record.layer.end(), 0);
        plot.resize(657, 492);
        plot.setDocument(&doc);
        plot.setRefractionData(&data);
        plot.shotVisible = QBitArray(int(doc.ttArray.size()), true);
        plot.shotEnabled = QBitArray(int(doc.ttArray.size()), true);
    }
    QImage image() { return plot.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void move(QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&plot, &event);
    }
    void click(QPoint at)
    {
        move(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&plot, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&plot, &release);
    }
};

TEST(RefractionPlots, TravelTimeGridFollowsTheStepTables)
{
    Editor e(refractionmodels::read("model_a.txt"));
    const QImage image = e.image();
    // x 0..115: a grid line every 11 m.
    for (int x : {70, 120, 169, 218, 267, 317, 366, 415, 465, 514, 563})
        EXPECT_GE(countInColumn(image, x, kGrid), 100) << "column " << x;
    EXPECT_LE(countInColumn(image, 125, kGrid), 10);
    // 10..90 ms every 10 ms, and 100 ms in the free band at the top.
    for (int y : {409, 372, 334, 297, 259, 222, 184, 147, 109, 72})
        EXPECT_GE(countInRow(image, y, kGrid), 100) << "row " << y;
    EXPECT_NEAR(e.plot.maxTime, 0.0974798, 1e-7);
}

// An unpicked (0) or rejected (-99) receiver is no pick: nothing of its
// shot's colour on the time axis below it.
TEST(RefractionPlots, ReceiversWithoutAPickDrawNoPoint)
{
    for (const double time : {0.0, -99.0}) {
        SCOPED_TRACE(time);
        refractionmodels::Model m = refractionmodels::read("model_a.txt");
        m.shots[0].times[12] = time; // at 60 m, far from the shot at -2.5 m
        Editor e(m);
        std::fill(e.data.ttLayer[0].layer.begin(), e.data.ttLayer[0].layer.end(), 1);
        e.plot.shotVisible.setBit(1, false);
        const QImage image = e.image();
        auto green = [&](int x0, int x1, int y0, int y1) {
            int n = 0;
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    n += c.green() > c.red() + 40;
                }
            return n;
        };
        const int bottom = int(e.plot.height() - e.plot.marginV / 2.0);
        const int column =
            int(e.plot.marginH / 2.0 + (60.0 - e.plot.xMin + e.plot.xOffset) * e.plot.xScale);
        EXPECT_EQ(green(column - 4, column + 4, bottom - 8, e.plot.height() - 1), 0);
        // Its neighbours keep their points.
        EXPECT_GT(green(0, image.width() - 1, 0, image.height() - 1), 0);
    }
}

TEST(RefractionPlots, EmptyPlotsDrawTheFrameOnly)
{
    editTravelTimesWidget phantoms;
    phantoms.plotMode = 1;
    phantoms.resize(400, 300);
    xyPlot result;
    result.resize(400, 300);
    for (QWidget* plot : {static_cast<QWidget*>(&phantoms), static_cast<QWidget*>(&result)}) {
        const QImage image = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Frame lines at the margins, no grid anywhere.
        EXPECT_GE(countInRow(image, 45, 0xff000000), 300);
        EXPECT_GE(countInRow(image, 300 - 45, 0xff000000), 300);
        EXPECT_GE(countInColumn(image, 45, 0xff000000), 200);
        for (int y = 0; y < image.height(); ++y)
            EXPECT_EQ(countInRow(image, y, kGrid), 0) << y;
    }
    EXPECT_EQ(result.marginH, 90.0);
}

TEST(RefractionPlots, TwoClicksAssignARangeOfOneShot)
{
    Editor e(refractionmodels::read("model_a.txt"));
    e.plot.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&e.plot));
    e.image(); // the moves use the scales of the last paint
    const auto before = e.data.ttLayer[1].layer;
    e.plot.layerSelChange(2);
    e.click({227, 231}); // receiver 7 of the shot at -2.5
    e.click({138, 315}); // receiver 3
    std::vector<int32_t> expected(24, 0);
    std::fill(expected.begin() + 3, expected.begin() + 8, 2);
    EXPECT_EQ(e.data.ttLayer[0].layer, expected);
    EXPECT_EQ(e.data.ttLayer[1].layer, before);
    EXPECT_TRUE(e.plot.layersChanged);
    const QImage image = e.image();
    int blue = 0;
    for (int y = 243; y <= 247; ++y)
        for (int x = 191; x <= 195; ++x)
            blue += image.pixel(x, y) == 0xff1266bb;
    EXPECT_GT(blue, 0);

    // Receiver 2 cannot take layer 3 while receiver 3, farther out, holds 2.
    e.plot.layerSelChange(3);
    e.click({115, 353});
    e.click({115, 353});
    EXPECT_EQ(e.data.ttLayer[0].layer, expected);
}

TEST(RefractionPlots, ClicksWithoutAPointedPickChangeNothing)
{
    refractionmodels::Model unpicked = refractionmodels::read("model_a.txt");
    for (auto& s : unpicked.shots)
        std::fill(s.times.begin(), s.times.end(), 0.0);
    refractionmodels::Model firstEmpty = refractionmodels::read("model_a.txt");
    firstEmpty.shots.insert(firstEmpty.shots.begin(), {57.5, {}, {}});
    for (const auto& m : {unpicked, firstEmpty}) {
        Editor e(m);
        e.plot.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&e.plot));
        e.image();
        const auto before = e.data.ttLayer;
        e.plot.layerSelChange(2);
        for (int i = 0; i < 2; ++i) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&e.plot, &release);
        }
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(e.data.ttLayer[i].layer, before[i].layer);
        EXPECT_FALSE(e.plot.layersChanged);
    }
}

TEST(RefractionPlots, ResultPlotPadsTheRangeAndSizesTheMarginForItsNumbers)
{
    xyPlot plot;
    plot.autoYMin = true;
    plot.addCurve({{0, 50, 100}, {400, 800, 1200}, 0x009900, 2, 0});
    plot.addCurve({{0, 50, 100}, {900, 2600, 1500}, 0xAA0000, 2, 2});
    plot.addCurve({{0, 50}, {1e6}, 0x0000ff, 2, 1}); // lists differ: skipped
    QImage image(1500, 833, QImage::Format_RGB32);
    QPainter painter(&image);
    plot.printing = true;
    plot.renderToImage(painter, 1500, 833);
    EXPECT_DOUBLE_EQ(plot.yMin, 180.0);
    EXPECT_DOUBLE_EQ(plot.yMax, 2820.0);
    EXPECT_EQ(plot.fontScale, 1.6);
    const QFontMetricsF metrics(painter.font());
    const double w = std::max(metrics.horizontalAdvance(QStringLiteral("2820.00")),
                              metrics.horizontalAdvance(QStringLiteral("180.00")));
    EXPECT_DOUBLE_EQ(plot.marginH, 2 * (w + 1.1 * metrics.ascent() + 5));
    EXPECT_DOUBLE_EQ(plot.plotWidth, 1500 - plot.marginH);
    EXPECT_DOUBLE_EQ(plot.plotHeight, 743);
    // A non-finite ordinate stays out of the range.
    plot.addCurve({{0}, {std::nan("")}, 0, 2, 1});
    plot.renderToImage(painter, 1500, 833);
    EXPECT_DOUBLE_EQ(plot.yMax, 2820.0);
}
} // namespace
