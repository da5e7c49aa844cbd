// The geometry plot, checked in the rendered image: marker positions and
// colours, ticks, labels and frame, degenerate extents, and the enlarged view.

#include "geometrytesthelpers.h"
#include "showgeometry.h"
#include "zoomgeometry_dialog.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const QColor Green("#6dcc73");
const QColor Black("#000000");
const QColor White("#ffffff");

using Spreads = std::vector<std::vector<Point2D>>;
using Shots = std::vector<TravelTime>;

TravelTime shotAt(double x, double z)
{
    TravelTime shot;
    shot.shotPos2d = {x, z};
    return shot;
}

// 500 x 300 leaves a 440 x 240 plot inside the 30-pixel margins.
QImage render(const Spreads* spreads, const Shots* shots, QSize size = {500, 300})
{
    showGeometry plot;
    plot.resize(size);
    plot.geometrySpreads = spreads;
    plot.geometryShots = shots;
    return plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Whether a pixel of the colour lies in the rectangle, inclusive.
bool anyIn(const QImage& image, QRect area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (at(image, x, y) == colour)
                return true;
    return false;
}

// The half-pixel grid pen (160, 160, 164) covers its pixels by half: a grey
// between that colour and white, a little bluer than it is red or green.
bool anyGridIn(const QImage& image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = at(image, x, y);
            if (c.red() == c.green() && c.blue() > c.red() && c.red() >= 160 && c.red() < 255)
                return true;
        }
    return false;
}

// The bounding box of the pixels in area that are not white.
QRect inked(const QImage& image, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (at(image, x, y) != White)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Spread 0 = {(0, 100), (100, 110)}, shot 0 at (50, 105), shot 1 at (25, 102.5):
// xScale 4, px = (x + 5) * 4; zScale 20, pz = 240 - (z + 1) * 20 + 2000.
class GeometryPlot : public ::testing::Test
{
protected:
    Spreads spreads{{{0, 100}, {100, 110}}};
    Shots shots{shotAt(50, 105), shotAt(25, 102.5)};
    QImage image = render(&spreads, &shots);
};

TEST_F(GeometryPlot, ReceiversAreDownwardTrianglesWithStems)
{
    for (QPoint apex : {QPoint(50, 250), QPoint(450, 50)}) {
        SCOPED_TRACE(QString("apex %1,%2").arg(apex.x()).arg(apex.y()).toStdString());
        EXPECT_EQ(at(image, apex.x(), apex.y()), Green);
        for (int dy = 1; dy <= 4; ++dy)
            EXPECT_EQ(at(image, apex.x(), apex.y() + dy), Green) << "stem " << dy;
        // The legs rise to the top edge 5 pixels above, 5 to each side.
        EXPECT_EQ(at(image, apex.x() - 3, apex.y() - 3), Green);
        EXPECT_EQ(at(image, apex.x() + 3, apex.y() - 3), Green);
        for (int dx = -5; dx <= 5; ++dx)
            EXPECT_EQ(at(image, apex.x() + dx, apex.y() - 5), Green) << "top edge " << dx;
        EXPECT_NE(at(image, apex.x(), apex.y() - 2), Green) << "the triangle is not filled";
    }
}

TEST_F(GeometryPlot, ShotsAreRectanglesRestingOnTheirPosition)
{
    struct ShotBox {
        QRect outline;
        QColor colour;
    };
    // Shot 0 takes the first colour, shot 1 the last of the list.
    for (const ShotBox& box : {ShotBox{QRect(QPoint(245, 146), QPoint(255, 150)), Green},
                               ShotBox{QRect(QPoint(145, 196), QPoint(155, 200)), Black}}) {
        const QRect r = box.outline;
        SCOPED_TRACE(QString("shot at %1,%2").arg(r.left()).arg(r.top()).toStdString());
        for (int x = r.left(); x <= r.right(); ++x) {
            EXPECT_EQ(at(image, x, r.top()), box.colour) << "top " << x;
            EXPECT_EQ(at(image, x, r.bottom()), box.colour) << "bottom " << x;
        }
        for (int y = r.top(); y <= r.bottom(); ++y) {
            EXPECT_EQ(at(image, r.left(), y), box.colour) << "left " << y;
            EXPECT_EQ(at(image, r.right(), y), box.colour) << "right " << y;
            EXPECT_NE(at(image, r.left() - 1, y), box.colour);
            EXPECT_NE(at(image, r.right() + 1, y), box.colour);
        }
        EXPECT_NE(at(image, r.left() + 2, r.top() + 2), box.colour) << "not filled";
        for (int y = r.bottom(); y <= r.bottom() + 4; ++y)
            EXPECT_EQ(at(image, r.left() + 5, y), box.colour) << "stem " << y;
    }
}

TEST_F(GeometryPlot, XTicksStartOneStepAboveTheFirstWholeMetre)
{
    // Major ticks every 10 m from 10: 8 pixels up from the axis.
    for (int column : {90, 130, 450}) {
        for (int y = 22; y <= 30; ++y)
            EXPECT_EQ(at(image, column, y), Black) << "column " << column << " row " << y;
        EXPECT_NE(at(image, column, 21), Black) << "column " << column;
    }
    // The extra "0" tick at x = 0.
    for (int y = 22; y <= 30; ++y)
        EXPECT_EQ(at(image, 50, y), Black) << "row " << y;
    // Minor ticks every 2 m are 3 pixels high.
    for (int column : {58, 66, 98}) {
        EXPECT_EQ(at(image, column, 27), Black) << "column " << column;
        EXPECT_NE(at(image, column, 26), Black) << "column " << column;
    }
    // Labels are centred on their tick, their baseline at row 21.
    const QRect label10 = inked(image, QRect(QPoint(70, 0), QPoint(110, 21)));
    ASSERT_TRUE(label10.isValid());
    EXPECT_NEAR(label10.center().x(), 90, 2);
    EXPECT_LE(label10.bottom(), 21);
    EXPECT_GE(label10.bottom(), 19);
}

TEST_F(GeometryPlot, ZTicksAndNegatedLabels)
{
    // Elevations 105 and 110; nothing at 100 (the first tick is one step above).
    for (int row : {150, 50}) {
        for (int x = 25; x <= 30; ++x)
            EXPECT_EQ(at(image, x, row), Black) << "row " << row << " column " << x;
        EXPECT_NE(at(image, 24, row), Black) << "row " << row;
        // The label "-105" or "-110" ends at column 22, centred on the tick.
        const QRect label = inked(image, QRect(QPoint(0, row - 12), QPoint(24, row + 12)));
        ASSERT_TRUE(label.isValid()) << "row " << row;
        EXPECT_LE(label.right(), 22);
        EXPECT_GE(label.right(), 19);
        EXPECT_NEAR(label.center().y(), row, 2);
        EXPECT_GT(label.width(), 15) << "four characters";
    }
    EXPECT_NE(at(image, 26, 250), Black) << "no major tick at 100 m";
    EXPECT_EQ(at(image, 28, 130), Black) << "minor tick at 106 m";
}

TEST_F(GeometryPlot, FrameAndDashedGrid)
{
    for (int y = 30; y <= 270; ++y) {
        EXPECT_EQ(at(image, 30, y), Black) << "left border " << y;
        EXPECT_EQ(at(image, 470, y), Black) << "right border " << y;
    }
    for (int x = 30; x <= 470; ++x) {
        EXPECT_EQ(at(image, x, 30), Black) << "x axis " << x;
        EXPECT_EQ(at(image, x, 270), Black) << "bottom border " << x;
    }
    EXPECT_TRUE(anyGridIn(image, QRect(QPoint(90, 60), QPoint(90, 240)))) << "x = 10";
    EXPECT_TRUE(anyGridIn(image, QRect(QPoint(60, 150), QPoint(440, 150)))) << "z = 105";
    EXPECT_FALSE(anyGridIn(image, QRect(QPoint(60, 100), QPoint(440, 100)))) << "no line there";
    EXPECT_FALSE(anyGridIn(image, QRect(QPoint(91, 60), QPoint(129, 60)))) << "between x lines";
}

// Colours: receivers take spread mod 17, shots count down from the first
// colour through the 18-colour list.
struct ColourCase {
    const char* name;
    bool shot;
    size_t index;
    QColor colour;
};

class MarkerColours : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(MarkerColours, Rendered)
{
    const ColourCase& c = GetParam();
    // The marker under test alone at (50, 5); every other marker at a corner.
    Spreads spreads{{{0, 0}, {100, 10}}};
    Shots shots;
    if (c.shot) {
        shots.assign(c.index + 1, shotAt(0, 0));
        shots.back() = shotAt(50, 5);
    } else {
        spreads.resize(c.index + 1, {{0, 0}, {100, 10}});
        spreads.back() = {{50, 5}};
    }
    const QImage image = render(&spreads, &shots);
    // Both markers stand on (250, 150): the shot's left edge and the receiver's stem.
    const QPoint probe = c.shot ? QPoint(245, 148) : QPoint(250, 152);
    EXPECT_EQ(at(image, probe.x(), probe.y()).name(), c.colour.name());
}

INSTANTIATE_TEST_SUITE_P(Table, MarkerColours,
                         ::testing::Values(ColourCase{"Shot0", true, 0, QColor("#6dcc73")},
                                           ColourCase{"Shot1", true, 1, QColor("#000000")},
                                           ColourCase{"Shot2", true, 2, QColor("#0030aa")},
                                           ColourCase{"Shot3", true, 3, QColor("#1de9b6")},
                                           ColourCase{"Shot18", true, 18, QColor("#6dcc73")},
                                           ColourCase{"Spread16", false, 16, QColor("#0030aa")},
                                           ColourCase{"Spread17", false, 17, QColor("#6dcc73")}),
                         [](const ::testing::TestParamInfo<ColourCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(GeometryPlotExtents, OneAbscissaPutsMarkersAtTheLeftEdgeWithoutTicks)
{
    for (double x : {50.0, 0.0}) {
        SCOPED_TRACE(x);
        Spreads spreads{{{x, 100}, {x, 110}}};
        const QImage image = render(&spreads, nullptr);
        // The apex lies under the frame; the right half of the triangle shows.
        EXPECT_EQ(at(image, 31, 249), Green);
        EXPECT_EQ(at(image, 35, 245), Green) << "right end of the top edge";
        EXPECT_NE(at(image, 36, 245), Green);
        // No x tick, except the "0" tick when the line lies at x = 0.
        EXPECT_EQ(anyIn(image, QRect(QPoint(31, 22), QPoint(469, 28)), Black), false);
        EXPECT_EQ(at(image, 30, 22) == Black, x == 0.0);
    }
}

TEST(GeometryPlotExtents, OneElevationPutsMarkersAtMidHeightWithOneTick)
{
    Spreads spreads{{{0, 100}, {100, 100}}};
    const QImage image = render(&spreads, nullptr);
    EXPECT_EQ(at(image, 50, 150), Green);
    EXPECT_EQ(at(image, 450, 150), Green);
    for (int y = 31; y < 270; ++y)
        EXPECT_EQ(at(image, 26, y) == Black, y == 150) << "row " << y;
    EXPECT_TRUE(anyGridIn(image, QRect(QPoint(60, 150), QPoint(440, 150))));
}

TEST(GeometryPlotExtents, NoDataPaintsNothing)
{
    QWidget plain;
    plain.resize(500, 300);
    const QImage background = plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(render(nullptr, nullptr), background);
}

TEST(GeometryPlotExtents, EmptyListsDrawNoTicks)
{
    Spreads spreads;
    Shots shots;
    const QImage image = render(&spreads, &shots);
    // Frame only: nothing in the margins above and left of it.
    EXPECT_FALSE(inked(image, QRect(0, 0, 500, 30)).isValid());
    EXPECT_FALSE(inked(image, QRect(0, 0, 30, 300)).isValid());
    EXPECT_EQ(at(image, 30, 100), Black);
}

TEST(GeometryPlotExtents, TinyAndHugeSpansFinish)
{
    // A z span of two ulps: its tick step is below the spacing of doubles there.
    const double z1 = std::nextafter(std::nextafter(100.0, 200.0), 200.0);
    Spreads tiny{{{0, 100}, {10, z1}}};
    EXPECT_FALSE(render(&tiny, nullptr).isNull());
    Spreads huge{{{-1e300, -1e300}, {1e300, 1e300}}};
    EXPECT_FALSE(render(&huge, nullptr).isNull());
    Spreads small{{{0, 0}, {10, 1}}};
    EXPECT_FALSE(render(&small, nullptr, {40, 40}).isNull()) << "smaller than its margins";
}

TEST(GeometryPlotZoom, ReleaseOpensTheEnlargedPlotWithTheSameData)
{
    Spreads spreads{{{0, 100}, {100, 110}}};
    Shots shots{shotAt(50, 105)};
    showGeometry plot;
    plot.resize(500, 300);
    plot.geometrySpreads = &spreads;
    plot.geometryShots = &shots;

    bool opened = false;
    whenModal<zoomGeometry_Dialog>([&](zoomGeometry_Dialog* dialog) {
        opened = true;
        EXPECT_EQ(dialog->windowTitle(), "Dialog");
        EXPECT_EQ(dialog->minimumSize(), QSize(340, 240));
        auto* enlarged = dialog->findChild<showGeometry*>("widget");
        ASSERT_NE(enlarged, nullptr);
        const QImage image = enlarged->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect plotArea(31, 31, image.width() - 62, image.height() - 62);
        EXPECT_TRUE(anyIn(image, plotArea, Green)) << "markers in the enlarged plot";
        auto* close = dialog->findChild<QPushButton*>("pushButton");
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), "Close");
        EXPECT_LE(close->maximumWidth(), 90);
        EXPECT_LE(close->maximumHeight(), 35);
        close->click();
    });
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(opened);
}
} // namespace
