#pragma once
// The map and gridded-text exports of the survey: KML of the seismic line and
// of the velocity section, and the section's cells as x y z v text. Every
// writer builds the whole file first and opens the target only when there is
// something valid to write, so a refused export leaves an existing file as
// it was. The file is written whole or not at all (writeWholeFile): on
// CannotWrite an older file keeps its bytes and reason, when given, says why.

#include "colorpalette.h"

#include <QString>

#include <string>
#include <vector>

class GeoTransform;
class Grid;
class TomoDocument;

enum class TextExportResult {
    Ok,
    CannotWrite, // the file did not open, or the data did not reach it (a full disk)
    NoGrid,      // no grid, or a grid without cells
    NotFinite,   // PROJ gave a point that is no number (outside the projection)
};

// Text for an XML element: & < > " ' escaped, and the control characters
// XML 1.0 forbids (C0 other than tab, line feed, carriage return) dropped.
std::string xmlEscaped(const std::string& text);

// Point placemarks "G-i-j" per receiver and "S-k" per record with a trace set.
// Distances along the line are measured from the smallest receiver x. The
// transformation must have a projected source system.
TextExportResult writeSeismicLineKml(const std::string& path, const TomoDocument& doc,
                                     const GeoTransform& transform, std::string* reason = nullptr);

// One coloured polygon per drawn cell, row-major, standing on the line: the
// top row at the grid's height above ground, the bottom row touching it.
// Colours come from the palette's stops over vmin..vmax (m/s); a range that
// is empty or not finite puts every cell at the first stop.
TextExportResult writeProfileKml(const std::string& path, const TomoDocument& doc,
                                 const GeoTransform& transform, const ColorPalette& palette,
                                 double vmin, double vmax, std::string* reason = nullptr);

// KML colour text "ff" + bbggrr of the palette at velocity v.
std::string kmlColor(const std::vector<GradientColorPoint>& stops, double v, double vmin,
                     double vmax);

// Local form (no geographic reference): profile x, y, zOffset - zc, v with 6
// significant digits. Geographic form: easting, northing, -zc, v with 6
// decimals. One line per drawn cell, row-major; v = 1/slowness, DBL_MAX for 0.
TextExportResult writeGriddedVelocity(const std::string& path, const TomoDocument& doc, double y,
                                      double zOffset, std::string* reason = nullptr);
