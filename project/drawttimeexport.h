#pragma once
// The travel-time chart of the whole survey for the picture exports: picked
// times of every shot against receiver position (x in metres, times held in
// seconds, labelled in milliseconds), optionally with the computed times.
// Paints on any QPainter at the size the caller gives; reads the document and
// never changes it. Times or positions that are not finite are skipped, and so
// are unpicked (0) and rejected (negative) picks and computed times of 0; when
// every receiver lies at one x the chart has no curves and no distance ticks.
// The time range covers the computed times when they are drawn.

#include <QColor>

#include <array>

class QPainter;
class TomoDocument;

class drawTTimeExport
{
public:
    drawTTimeExport() = default;

    void setDocument(const TomoDocument* doc) { document = doc; }
    // The whole chart; width and height in pixels, normally the device's size.
    void draw(QPainter& painter, double width, double height);

    // Shot i takes colour i mod 16, as in the travel-time plot.
    static const std::array<QColor, 16>& curveColors();

    const TomoDocument* document = nullptr;
    double minX = 999999999.0;
    double maxX = -999999999.0;
    bool showComputedTimes = false;
    double timeScale = 0.0;     // pixels per second
    double distanceScale = 0.0; // pixels per metre
    double distanceOffset = 0.0;
    double maxTime = 0.0; // s, largest pick, or drawn computed time
    double plotWidth = 0.0;
    double plotHeight = 0.0;
    bool largeFormat = false;
    bool twoColors = false;
    double fontScale = 1.0;

    // The steps of draw, for draw alone.
    void drawData(QPainter& painter);
    void drawGridLines(QPainter& painter, double x0, double height, double y0);
    void drawDistanceAxis(QPainter& painter, double width, double yAxis, double x0);
    void drawTimeAxis(QPainter& painter, double x0, double height, double y0);

private:
    // A distance range the ticks and curves can use: finite, not empty.
    bool hasDistanceRange() const;
    void drawVerticalGridLines(QPainter& painter, double x0, double y0);
    int column(double x, double x0) const;
    // Axis font (32 points in large format) and pen.
    void setAxisStyle(QPainter& painter) const;
};
