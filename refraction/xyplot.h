#pragma once
// The result plots of the refraction dialog: lists of curves scaled to all of
// them (y padded by 10 % on each side), with a left margin as wide as the y
// numbers. renderToImage draws the same plot at a given size for the PNG
// export, with the font 1.6 times larger while printing is set.

#include "pointlineplot.h"

class xyPlot : public PointLinePlot
{
    Q_OBJECT

public:
    explicit xyPlot(QWidget* parent = nullptr);
    ~xyPlot() override;

    bool printing = false;
    double fontScale = 1.0;

    void addCurve(curve c);
    void clearCurves();
    void renderToImage(QPainter& painter, int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The ranges and marginH, measured with the painter's font.
    void computeRanges(const QPainter& painter);
    void drawPlot(QPainter& painter, int width, int height);
};
