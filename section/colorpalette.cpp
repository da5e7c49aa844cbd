#include "colorpalette.h"

#include <QColor>

#include <iostream>

namespace
{
struct Stop {
    float position; // single precision: 0.2 is stored as the double nearest to 0.2f
    double r, g, b; // 0..1
};

constexpr double c(int n)
{
    return n / 255.0;
}

const std::vector<Stop>& gradientTable(int type)
{
    static const std::vector<Stop> table[9] = {
        // 0 "Black to White"
        {{0.0f, c(0), c(0), c(0)}, {1.0f, c(255), c(255), c(255)}},
        // 1 "Blue to red"
        {{0.0f, c(0), c(0), c(255)}, {1.0f, c(255), c(0), c(0)}},
        // 2 "Dark rainbow"
        {{0.0f, c(139), c(34), c(0)},
         {0.2f, c(204), c(40), c(43)},
         {0.4f, c(241), c(234), c(52)},
         {0.6f, c(111), c(182), c(116)},
         {0.8f, c(98), c(180), c(237)},
         {1.0f, c(43), c(45), c(111)}},
        // 3 "Early winter"
        {{0.0f, c(240), c(240), c(255)},
         {0.2f, c(79), c(33), c(24)},
         {0.4f, c(200), c(68), c(62)},
         {0.55f, c(219), c(135), c(62)},
         {0.7f, c(232), c(194), c(84)},
         {0.8f, c(189), c(127), c(36)},
         {1.0f, c(139), c(165), c(37)}},
        // 4 "RGB"
        {{0.0f, c(0), c(0), c(0)},
         {0.2f, c(0), c(0), c(255)},
         {0.35f, c(0), c(255), c(255)},
         {0.5f, c(0), c(255), c(0)},
         {0.65f, c(255), c(255), c(0)},
         {0.8f, c(255), c(0), c(0)},
         {1.0f, c(255), c(255), c(255)}},
        // 5 "Tropical parula"; its third red was designed as the fraction 0.33
        {{0.0f, c(59), c(43), c(163)},
         {0.2f, c(71), c(71), c(248)},
         {0.4f, 0.33, c(255), c(245)},
         {0.6f, c(153), c(224), c(107)},
         {0.8f, c(255), c(190), c(20)},
         {1.0f, c(255), c(255), c(0)}},
        // 6 "White to Black"
        {{0.0f, c(255), c(255), c(255)}, {1.0f, c(0), c(0), c(0)}},
        // 7 "Vulcanic magma"
        {{0.0f, c(0), c(0), c(39)},
         {0.25f, c(0), c(36), c(141)},
         {0.5f, c(149), c(68), c(114)},
         {0.75f, c(244), c(123), c(46)},
         {1.0f, c(227), c(255), c(60)}},
        // 8 "Silva viridis"
        {{0.0f, c(52), c(0), c(67)},
         {0.25f, c(44), c(60), c(122)},
         {0.5f, c(25), c(128), c(123)},
         {0.75f, c(96), c(202), c(61)},
         {1.0f, c(253), c(231), c(0)}},
    };
    return table[type];
}

// Truncated toward zero; out-of-range and NaN fractions (a hand-made file) are clamped.
int component(double fraction)
{
    if (!(fraction > 0.0))
        return 0;
    if (fraction >= 1.0)
        return 255;
    return static_cast<int>(fraction * 255.0);
}
} // namespace

void makeGradientStops(std::vector<GradientColorPoint>& stops, int type)
{
    if (type < 0 || type > 8) {
        std::cerr << "Unknown gradient type. " << std::endl;
        return;
    }
    for (const Stop& s : gradientTable(type))
        stops.push_back({s.r, s.g, s.b, static_cast<double>(s.position)});
}

QColor ColorGradient::getColorAt(const std::vector<GradientColorPoint>& stops, double t)
{
    for (size_t i = 0; i < stops.size(); ++i) {
        const GradientColorPoint& a = stops[i];
        if (!(a.mval >= t))
            continue;
        double r = a.mr, g = a.mg, b = a.mb;
        if (i > 0) {
            const GradientColorPoint& prev = stops[i - 1];
            if (prev.mval != a.mval) {
                const double f = (t - a.mval) / (prev.mval - a.mval);
                r = a.mr + (prev.mr - a.mr) * f;
                g = a.mg + (prev.mg - a.mg) * f;
                b = a.mb + (prev.mb - a.mb) * f;
            }
        }
        return QColor(component(r), component(g), component(b), 255);
    }
    return QColor(0, 0, 0, 255);
}

ColorPaletteList builtInPalettes()
{
    static const struct {
        const char* name;
        int type;
    } order[] = {{"RGB", 4},
                 {"Silva viridis", 8},
                 {"Vulcanic magma", 7},
                 {"Black to White", 0},
                 {"White to Black", 6},
                 {"Blue to red", 1},
                 {"Tropical parula", 5},
                 {"Dark rainbow", 2},
                 {"Early winter", 3}};
    ColorPaletteList list;
    for (const auto& entry : order) {
        ColorPalette palette;
        palette.name = entry.name;
        makeGradientStops(palette.color_gradient.color, entry.type);
        list.palettes.push_back(palette);
    }
    list.curr_palette = 0;
    return list;
}
