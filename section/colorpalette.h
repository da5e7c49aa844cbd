#pragma once
// Colour palettes of the velocity section: plain value types that every holder
// copies. A stop's colour components are fractions 0..1; its mval is its
// relative position in the palette's value range (0 at min_db, 1 at max_db).

#include <QColor>

#include <string>
#include <vector>

struct GradientColorPoint {
    double mr = 0.0;
    double mg = 0.0;
    double mb = 0.0;
    double mval = 0.0;
};

struct ColorGradient {
    // Stops in ascending mval; the producers keep that order.
    std::vector<GradientColorPoint> color;

    // Colour of the stop list at relative position t: flat below the first
    // stop, linear between stops, black above the last one or without stops.
    // Components are truncated to 0..255; alpha is 255.
    static QColor getColorAt(const std::vector<GradientColorPoint>& stops, double t);
};

struct ColorPalette {
    ColorGradient color_gradient;
    std::string name;
    bool is_editable = false;
    double min_db = 0.0;
    double max_db = 99.99;
};

struct ColorPaletteList {
    std::vector<ColorPalette> palettes;
    int curr_palette = 0; // readers check it against palettes.size()
};

// Appends the stops of built-in gradient type 0..8 to stops. Any other type
// appends nothing and says "Unknown gradient type. " on standard error.
void makeGradientStops(std::vector<GradientColorPoint>& stops, int type);

// The nine start-up palettes, "RGB" current.
ColorPaletteList builtInPalettes();
