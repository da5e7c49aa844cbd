#pragma once
// Base of the refraction dialog's plots: title, axis labels, data ranges,
// scales and margins, and the drawing routines the plots compose into their
// paint handlers (curves, dashed grid, axis scales, labels, title).
//
// Coordinates: in the plot image of W x H pixels an abscissa x lies at column
// (x - xMin + xOffset) * xScale with xScale = W / (|xMax - xMin| * 1.1) and
// xOffset 5 % of the range; an ordinate at row H - (y - yMin) * yScale. Every
// computed coordinate is truncated toward zero. While a range is empty
// (min > max) or not finite, or a scale or step is not a positive finite
// number, only the frame lines, the labels and the title are drawn.

#include "refractionanalysis.h"

#include <QByteArray>
#include <QWidget>

#include <cfloat>
#include <vector>

class QPainter;
class QImage;

class PointLinePlot : public QWidget
{
    Q_OBJECT

public:
    using curve = RefractionCurve;

    explicit PointLinePlot(QWidget* parent = nullptr);
    ~PointLinePlot() override;

    double yUnitFactor = 1000.0; // data y units to shown units (s to ms)
    double xScale = 0.0;
    double xOffset = 0.0;
    double yScale = 0.0;
    bool autoYMin = false;
    QByteArray plotTitle;
    QByteArray xLabel;
    QByteArray yLabel;
    double plotWidth = 0.0;
    double plotHeight = 0.0;
    double marginH = 90.0;
    double marginV = 90.0;
    double xMin = DBL_MAX;
    double xMax = -DBL_MAX;
    double yMin = 0.0;
    double yMax = -DBL_MAX;
    std::vector<curve> curves;
    std::vector<double> values;
    std::vector<std::vector<double>> valueSets;

    void drawCurve(QPainter& painter, const curve& c);
    void drawHorizontalGridLines(QPainter& painter, double left, double height, double top);
    void drawVerticalGridLines(QPainter& painter, double bottom, double left);
    void drawXAxisScale(QPainter& painter, double width, double bottom, double left);
    void drawYAxisScale(QPainter& painter, double left, double height, double top);
    void drawXAxisLabel(QPainter& painter, double width, double bottom, double left,
                        const QByteArray& text);
    void drawYAxisLabel(QPainter& painter, double left, double height, double top,
                        const QByteArray& text);
    void drawTitle(QPainter& painter, double width, double titleBand, double left,
                   const QByteArray& text);

protected:
    // Grid under the data image, the image, then axes, labels and title.
    void drawFrame(QPainter& painter, const QImage& data);
    // xScale and xOffset for a plot area of the given width; false while the
    // x range cannot be drawn.
    bool setXScale(double width);
    bool xRangeUsable() const;
    bool yRangeUsable() const;
    int column(double x, double width) const;
    int row(double y, double height) const;
};
