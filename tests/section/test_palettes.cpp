// The built-in gradients and the colour lookup against the gradient table,
// written out here as 8-bit colours at single-precision positions.

#include "colorpalette.h"

#include <QColor>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

Rgb rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

struct TableStop {
    float position;
    Rgb colour;
};

struct Gradient {
    const char* name;
    int type;
    std::vector<TableStop> stops;
};

// The gradient table. Parula's third red is the fraction 0.33 (84.15 / 255),
// so its own colour there has red 84.
const std::vector<Gradient>& gradients()
{
    static const std::vector<Gradient> table = {
        {"Black to White", 0, {{0.0f, {0, 0, 0}}, {1.0f, {255, 255, 255}}}},
        {"Blue to red", 1, {{0.0f, {0, 0, 255}}, {1.0f, {255, 0, 0}}}},
        {"Dark rainbow",
         2,
         {{0.0f, {139, 34, 0}},
          {0.2f, {204, 40, 43}},
          {0.4f, {241, 234, 52}},
          {0.6f, {111, 182, 116}},
          {0.8f, {98, 180, 237}},
          {1.0f, {43, 45, 111}}}},
        {"Early winter",
         3,
         {{0.0f, {240, 240, 255}},
          {0.2f, {79, 33, 24}},
          {0.4f, {200, 68, 62}},
          {0.55f, {219, 135, 62}},
          {0.7f, {232, 194, 84}},
          {0.8f, {189, 127, 36}},
          {1.0f, {139, 165, 37}}}},
        {"RGB",
         4,
         {{0.0f, {0, 0, 0}},
          {0.2f, {0, 0, 255}},
          {0.35f, {0, 255, 255}},
          {0.5f, {0, 255, 0}},
          {0.65f, {255, 255, 0}},
          {0.8f, {255, 0, 0}},
          {1.0f, {255, 255, 255}}}},
        {"Tropical parula",
         5,
         {{0.0f, {59, 43, 163}},
          {0.2f, {71, 71, 248}},
          {0.4f, {84, 255, 245}},
          {0.6f, {153, 224, 107}},
          {0.8f, {255, 190, 20}},
          {1.0f, {255, 255, 0}}}},
        {"White to Black", 6, {{0.0f, {255, 255, 255}}, {1.0f, {0, 0, 0}}}},
        {"Vulcanic magma",
         7,
         {{0.0f, {0, 0, 39}},
          {0.25f, {0, 36, 141}},
          {0.5f, {149, 68, 114}},
          {0.75f, {244, 123, 46}},
          {1.0f, {227, 255, 60}}}},
        {"Silva viridis",
         8,
         {{0.0f, {52, 0, 67}},
          {0.25f, {44, 60, 122}},
          {0.5f, {25, 128, 123}},
          {0.75f, {96, 202, 61}},
          {1.0f, {253, 231, 0}}}},
    };
    return table;
}

std::vector<GradientColorPoint> stopsOf(int type)
{
    std::vector<GradientColorPoint> stops;
    makeGradientStops(stops, type);
    return stops;
}

} // namespace

TEST(BuiltInGradients, EveryStopSitsAtItsSinglePrecisionPositionInItsOwnColour)
{
    for (const Gradient& g : gradients()) {
        SCOPED_TRACE(g.name);
        const std::vector<GradientColorPoint> stops = stopsOf(g.type);
        ASSERT_EQ(stops.size(), g.stops.size());
        for (size_t i = 0; i < stops.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(stops[i].mval, static_cast<double>(g.stops[i].position));
            EXPECT_EQ(rgb(ColorGradient::getColorAt(stops, stops[i].mval)), g.stops[i].colour);
        }
    }
    EXPECT_EQ(stopsOf(5)[2].mr, 0.33);
}

TEST(BuiltInGradients, ColoursAtFixedAndIntermediatePositions)
{
    struct Case {
        std::string name;
        double t;
        Rgb expected;
    };
    std::vector<Case> cases = {
        {"Blue to red", 0.5, {127, 0, 127}},
        {"Blue to red", 0.0, {0, 0, 255}},
        {"Blue to red", 1.0, {255, 0, 0}},
        {"Blue to red", 1.5, {0, 0, 0}},
        {"Blue to red", -0.5, {0, 0, 255}},
        // The stop sits at float(0.2), just above the double 0.2.
        {"RGB", 0.2, {0, 0, 254}},
        {"Tropical parula", static_cast<double>(0.4f), {84, 255, 245}},
        {"Tropical parula", 0.4, {84, 254, 245}},
    };
    const std::map<std::string, std::vector<Rgb>> between = {
        {"RGB", {{0, 0, 127}, {0, 170, 255}, {0, 255, 0}, {255, 169, 0}, {255, 127, 127}}},
        {"Silva viridis",
         {{48, 24, 89}, {40, 73, 122}, {25, 128, 123}, {81, 187, 73}, {190, 219, 24}}},
        {"Vulcanic magma",
         {{0, 14, 79}, {29, 42, 135}, {149, 68, 114}, {225, 112, 59}, {233, 202, 54}}},
        {"Black to White",
         {{25, 25, 25}, {76, 76, 76}, {127, 127, 127}, {178, 178, 178}, {229, 229, 229}}},
        {"White to Black",
         {{229, 229, 229}, {178, 178, 178}, {127, 127, 127}, {76, 76, 76}, {25, 25, 25}}},
        {"Blue to red", {{25, 0, 229}, {76, 0, 178}, {127, 0, 127}, {178, 0, 76}, {229, 0, 25}}},
        {"Tropical parula",
         {{64, 56, 205}, {77, 162, 246}, {118, 239, 176}, {203, 207, 63}, {255, 222, 10}}},
        {"Dark rainbow",
         {{171, 36, 21}, {222, 136, 47}, {176, 208, 83}, {104, 181, 176}, {70, 112, 174}}},
        {"Early winter",
         {{159, 136, 139}, {139, 50, 42}, {212, 112, 62}, {231, 193, 83}, {164, 145, 36}}},
    };
    const double positions[5] = {0.1, 0.3, 0.5, 0.7, 0.9};
    for (const auto& [name, colours] : between)
        for (int i = 0; i < 5; ++i)
            cases.push_back({name, positions[i], colours[i]});

    std::map<std::string, int> typeOf;
    for (const Gradient& g : gradients())
        typeOf[g.name] = g.type;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " at " + std::to_string(c.t));
        const QColor colour = ColorGradient::getColorAt(stopsOf(typeOf.at(c.name)), c.t);
        EXPECT_EQ(rgb(colour), c.expected);
        EXPECT_EQ(colour.alpha(), 255);
    }
}

TEST(ColourLookup, EmptyListsAndRepeatedPositions)
{
    for (double t : {-1.0, 0.0, 0.5, 1.0, 2.0})
        EXPECT_EQ(rgb(ColorGradient::getColorAt({}, t)), (Rgb{0, 0, 0}));

    // Two stops at 0.5: at 0.5 the first wins; just above it the line runs
    // from the second stop.
    const std::vector<GradientColorPoint> stops = {
        {0, 0, 0, 0.0}, {1, 0, 0, 0.5}, {0, 1, 0, 0.5}, {0, 0, 1, 1.0}};
    EXPECT_EQ(rgb(ColorGradient::getColorAt(stops, 0.5)), (Rgb{255, 0, 0}));
    EXPECT_EQ(rgb(ColorGradient::getColorAt(stops, 0.75)), (Rgb{0, 127, 127}));
}

TEST(BuiltInGradients, UnknownTypesAppendNothingAndSaySoOnce)
{
    for (int type : {9, -1}) {
        SCOPED_TRACE(type);
        std::vector<GradientColorPoint> stops = stopsOf(1);
        testing::internal::CaptureStderr();
        makeGradientStops(stops, type);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unknown gradient type. \n");
        EXPECT_EQ(stops.size(), 2u);
    }
    std::vector<GradientColorPoint> twice;
    makeGradientStops(twice, 0);
    makeGradientStops(twice, 1);
    ASSERT_EQ(twice.size(), 4u);
    EXPECT_EQ(twice[2].mb, 1.0); // "Blue to red" starts blue after "Black to White"
}

TEST(BuiltInGradients, StartUpList)
{
    const ColorPaletteList list = builtInPalettes();
    const std::vector<std::string> order = {
        "RGB",         "Silva viridis",   "Vulcanic magma", "Black to White", "White to Black",
        "Blue to red", "Tropical parula", "Dark rainbow",   "Early winter"};
    ASSERT_EQ(list.palettes.size(), order.size());
    EXPECT_EQ(list.curr_palette, 0);
    std::map<std::string, int> typeOf;
    for (const Gradient& g : gradients())
        typeOf[g.name] = g.type;
    for (size_t i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(order[i]);
        const ColorPalette& p = list.palettes[i];
        EXPECT_EQ(p.name, order[i]);
        EXPECT_FALSE(p.is_editable);
        EXPECT_EQ(p.min_db, 0.0);
        EXPECT_EQ(p.max_db, 99.99);
        const std::vector<GradientColorPoint> expected = stopsOf(typeOf.at(order[i]));
        ASSERT_EQ(p.color_gradient.color.size(), expected.size());
        for (size_t k = 0; k < expected.size(); ++k) {
            const GradientColorPoint& a = p.color_gradient.color[k];
            EXPECT_EQ((std::vector<double>{a.mr, a.mg, a.mb, a.mval}),
                      (std::vector<double>{expected[k].mr, expected[k].mg, expected[k].mb,
                                           expected[k].mval}));
        }
    }
}
