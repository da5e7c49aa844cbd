#include "textexports.h"

#include "geotransform.h"
#include "grid.h"
#include "targetfile.h"
#include "tomodocument.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace
{

std::string format(const char* fmt, double v)
{
    char buf[400];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

std::string lonLat(const GeoPoint& p)
{
    return format("%.10f", p.lon) + "," + format("%.10f", p.lat);
}

double smallestReceiverX(const TomoDocument& doc)
{
    double minX = DBL_MAX;
    for (const auto& spread : doc.goephonesStringSet)
        for (const auto& p : spread)
            minX = std::min(minX, p.x);
    return minX;
}

// Along-line distance s to (lon, lat); false when PROJ gave no number.
bool lineToMap(const TomoDocument& doc, const GeoTransform& transform, double s, GeoPoint& out)
{
    double east = 0.0, north = 0.0;
    doc.geoCoord.toEastingNorthing(s, east, north);
    out = transformGeoPoint(transform, east, north);
    return out.isFinite();
}

double cellVelocity(double slowness)
{
    return slowness == 0.0 ? DBL_MAX : 1.0 / slowness;
}

TextExportResult writeWhole(const std::string& path, const std::string& text, std::string* reason)
{
    return writeWholeFile(path, text, reason) ? TextExportResult::Ok
                                              : TextExportResult::CannotWrite;
}

std::string kmlHead(const std::string& name, const std::string& description)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
           "<Document>\n"
           "\t<name>" +
           xmlEscaped(name) + "</name>\n\t<description>" + xmlEscaped(description) +
           "</description>\n";
}

const char kKmlTail[] = "</Document>\n</kml> ";

std::string pointPlacemark(const std::string& name, const char* color, const GeoPoint& p)
{
    return std::string("\t<Placemark >\n\t\t<name>") + name +
           "</name>\n"
           "\t\t<Style>\n\t\t\t<IconStyle>\n\t\t\t\t<scale>0.8</scale>\n"
           "\t\t\t\t<Icon>\n\t\t\t\t\t<href>https://earth.google.com/earth/rpc/cc/icon?color=" +
           color +
           "&amp;id=2000&amp;scale=4</href>\n\t\t\t\t</Icon>\n"
           "\t\t\t</IconStyle>\n\t\t</Style>\n"
           "\t\t<Point>\n\t\t\t<altitudeMode>relativeToGround</altitudeMode>\n"
           "\t\t\t<coordinates>" +
           lonLat(p) + ",0.0</coordinates>\n\t\t</Point>\n\t</Placemark>\n";
}

} // namespace

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (c < 0x20 && ch != '\t' && ch != '\n' && ch != '\r')
                break;
            out += ch;
        }
    }
    return out;
}

TextExportResult writeSeismicLineKml(const std::string& path, const TomoDocument& doc,
                                     const GeoTransform& transform, std::string* reason)
{
    const double minX = smallestReceiverX(doc);
    std::string text = kmlHead(
        doc.title +
            QCoreApplication::translate("TextExports", " Shots and Receivers ").toStdString() + " ",
        "Content");
    GeoPoint p;
    for (size_t i = 0; i < doc.goephonesStringSet.size(); ++i) {
        const auto& spread = doc.goephonesStringSet[i];
        for (size_t j = 0; j < spread.size(); ++j) {
            if (!lineToMap(doc, transform, spread[j].x - minX, p))
                return TextExportResult::NotFinite;
            text += pointPlacemark("G-" + std::to_string(i) + "-" + std::to_string(j), "d32f2f", p);
        }
    }
    for (size_t k = 0; k < doc.ttArray.size(); ++k) {
        const TravelTime& record = doc.ttArray[k];
        if (record.traceSetID >= doc.traceSets.size())
            continue;
        if (!lineToMap(doc, transform, record.shotPos2d.x - minX, p))
            return TextExportResult::NotFinite;
        text += pointPlacemark("S-" + std::to_string(k), "779900", p);
    }
    text += kKmlTail;
    return writeWhole(path, text, reason);
}

std::string kmlColor(const std::vector<GradientColorPoint>& stops, double v, double vmin,
                     double vmax)
{
    double t = 0.0;
    if (std::isfinite(vmin) && std::isfinite(vmax) && vmax > vmin)
        t = std::clamp((v - vmin) / (vmax - vmin), 0.0, 1.0);
    if (!stops.empty())
        t = std::min(t, stops.back().mval); // the view keeps the last colour beyond it
    const QColor c = ColorGradient::getColorAt(stops, t);
    char buf[16];
    std::snprintf(buf, sizeof buf, "ff%02x%02x%02x", c.blue(), c.green(), c.red());
    return buf;
}

TextExportResult writeProfileKml(const std::string& path, const TomoDocument& doc,
                                 const GeoTransform& transform, const ColorPalette& palette,
                                 double vmin, double vmax, std::string* reason)
{
    const Grid* grid = doc.grid.get();
    if (!grid || grid->numberOfCells() == 0)
        return TextExportResult::NoGrid;
    const double h = grid->aLato * 0.5;
    const double height = (2.0 * grid->righe) * h;
    const double minX = smallestReceiverX(doc);
    std::string text =
        kmlHead(doc.title + QCoreApplication::translate("TextExports", " Profile").toStdString(),
                doc.title);
    for (size_t n = 0; n < grid->cells.size(); ++n) {
        const GridCell& cell = grid->cells[n];
        if (!cell.to_be_draw)
            continue;
        const double xc = grid->cellCentre(uint32_t(n)).first;
        GeoPoint left, right;
        if (!lineToMap(doc, transform, (xc - minX - h) - doc.xShift, left) ||
            !lineToMap(doc, transform, (xc - minX + h) - doc.xShift, right))
            return TextExportResult::NotFinite;
        const GeoPoint& east = left.lon < right.lon ? right : left;
        const GeoPoint& west = left.lon < right.lon ? left : right;
        const double top = 2.0 * double(n / grid->col) * h;
        const std::string upper = "," + format("%.10f", height - top) + "\n";
        const std::string lower = "," + format("%.10f", height - (h + h + top)) + "\n";
        text += " \t<Placemark>\n\t\t<Style>\n\t\t\t<PolyStyle>\n\t\t\t\t<color>" +
                kmlColor(palette.color_gradient.color, cellVelocity(cell.slowness), vmin, vmax) +
                "</color>\n\t\t\t\t<colorMode>normal</colorMode>\n\t\t\t\t<fill>1</fill>\n"
                "\t\t\t\t<outline>0</outline>\n\t\t\t</PolyStyle>\n\t\t</Style>\n"
                "\t\t<Polygon>\n\t\t\t<altitudeMode>relativeToGround</altitudeMode>\n"
                "\t\t\t<outerBoundaryIs>\n\t\t\t\t<LinearRing>\n\t\t\t\t\t<coordinates>\n" +
                lonLat(east) + upper + lonLat(west) + upper + lonLat(west) + lower + lonLat(east) +
                lower + lonLat(east) + upper +
                " </coordinates>\n\t\t\t\t</LinearRing>\n\t\t\t</outerBoundaryIs>\n"
                "\t\t</Polygon>\n\t</Placemark>\n";
    }
    text += kKmlTail;
    return writeWhole(path, text, reason);
}

TextExportResult writeGriddedVelocity(const std::string& path, const TomoDocument& doc, double y,
                                      double zOffset, std::string* reason)
{
    const Grid* grid = doc.grid.get();
    if (!grid)
        return TextExportResult::NoGrid;
    const bool geographic = doc.geoCoord_isSet;
    const double minX = smallestReceiverX(doc);
    std::string text;
    for (size_t n = 0; n < grid->cells.size(); ++n) {
        const GridCell& cell = grid->cells[n];
        if (!cell.to_be_draw)
            continue;
        const auto [xc, zc] = grid->cellCentre(uint32_t(n));
        const double v = cellVelocity(cell.slowness);
        if (geographic) {
            double east = 0.0, north = 0.0;
            doc.geoCoord.toEastingNorthing(xc - minX - doc.xShift, east, north);
            text += format("%.6f", east) + " " + format("%.6f", north) + " " + format("%.6f", -zc) +
                    " " + format("%.6f", v) + "\n";
        } else {
            text += format("%g", xc - doc.xShift) + " " + format("%g", y) + " " +
                    format("%g", zOffset - zc) + " " + format("%g", v) + "\n";
        }
    }
    return writeWhole(path, text, reason);
}
