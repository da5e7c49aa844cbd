#pragma once
// Colour palettes of the velocity section. Plain value types: every holder
// (main window, section view, palette bar, palette dialog) keeps its own copy.

#include <string>
#include <vector>

class QColor;

namespace cereal
{
class XMLOutputArchive;
class XMLInputArchive;
} // namespace cereal

// One colour stop: red, green and blue as fractions 0 to 1, and the stop's
// relative place in the palette's range (0 at min_db, 1 at max_db).
struct GradientColorPoint {
    double mr = 0.0;
    double mg = 0.0;
    double mb = 0.0;
    double mval = 0.0;

    // Archive form (project/palettefile.cpp): "mr", "mg", "mb", "mval".
    void save(cereal::XMLOutputArchive& archive) const;
    void load(cereal::XMLInputArchive& archive);
};

// The stops of a palette, kept in ascending mval by whoever adds them.
struct ColorGradient {
    std::vector<GradientColorPoint> color;

    // Colour of the stop list at relative position t: flat below the first
    // stop, linear between stops, black above the last one or without stops.
    // Components are truncated to 0..255; alpha is 255.
    static QColor getColorAt(const std::vector<GradientColorPoint>& stops, double t);
};

// A stop's value is min_db + mval * (max_db - min_db): changing the range
// stretches the palette without touching its stops.
struct ColorPalette {
    ColorGradient color_gradient;
    std::string name;
    bool is_editable = false;
    double min_db = 0.0;
    double max_db = 99.99;

    // Writes the palette as children of the archive's current element, stops
    // sorted by mval without repeats (the palette itself is not changed).
    // False when writing threw. The archive writes its document only when it
    // is destroyed: a file's writer must check the stream after that.
    bool save(cereal::XMLOutputArchive& archive) const;
    // Reads a palette from the children of the archive's current element.
    // False when an element is missing or does not convert; the palette is
    // then unchanged.
    bool load(cereal::XMLInputArchive& archive);
};

// The application's palettes and the index of the current one.
struct ColorPaletteList {
    std::vector<ColorPalette> palettes;
    int curr_palette = 0;
};

// Appends the stops of built-in gradient type 0..8 to stops. Any other type
// appends nothing and says "Unknown gradient type. " on standard error.
void makeGradientStops(std::vector<GradientColorPoint>& stops, int type);

// The nine start-up palettes, "RGB" current, each with the range 0..99.99.
ColorPaletteList builtInPalettes();
