#include "xyplot.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

xyPlot::xyPlot(QWidget* parent) : PointLinePlot(parent) {}

xyPlot::~xyPlot() = default;

void xyPlot::addCurve(curve c)
{
    curves.push_back(std::move(c));
}

void xyPlot::clearCurves()
{
    curves.clear();
}

void xyPlot::computeRanges(const QPainter& painter)
{
    yMax = -DBL_MAX;
    if (autoYMin)
        yMin = DBL_MAX;
    xMin = DBL_MAX;
    xMax = -DBL_MAX;
    // Non-finite values (older saved results) and curves that are never
    // drawn (lists of different lengths) stay out of the ranges.
    for (const curve& c : curves) {
        if (c.xValues.size() != c.yValues.size())
            continue;
        for (double y : c.yValues)
            if (std::isfinite(y)) {
                yMax = std::max(yMax, y);
                if (autoYMin)
                    yMin = std::min(yMin, y);
            }
        for (double x : c.xValues)
            if (std::isfinite(x)) {
                xMin = std::min(xMin, x);
                xMax = std::max(xMax, x);
            }
    }
    marginH = 90.0;
    if (!yRangeUsable())
        return;
    const double pad = (yMax - yMin) * 0.1;
    yMax += pad;
    yMin -= pad;
    const QFontMetricsF metrics(painter.font());
    const auto width = [&](double v) {
        return metrics.horizontalAdvance(QString::number(std::round(v * 10) / 10, 'f', 2));
    };
    marginH = 2 * (std::max(width(yMax), width(yMin)) + 1.1 * metrics.ascent() + 5);
}

void xyPlot::drawPlot(QPainter& painter, int width, int height)
{
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    computeRanges(painter);
    plotWidth = width - marginH;
    plotHeight = height - marginV;
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    QImage data(std::max(1, int(plotWidth)), std::max(1, int(plotHeight)),
                QImage::Format_ARGB32_Premultiplied);
    data.fill(Qt::transparent);
    {
        QPainter dataPainter(&data);
        for (const curve& c : curves)
            drawCurve(dataPainter, c);
    }
    yUnitFactor = 1.0;
    drawFrame(painter, data);
}

void xyPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPlot(painter, width(), height());
}

void xyPlot::renderToImage(QPainter& painter, int width, int height)
{
    if (printing)
        fontScale = 1.6;
    QFont font = painter.font();
    if (font.pointSize() > 0)
        font.setPointSize(std::max(1, int(font.pointSize() * fontScale)));
    painter.setFont(font);
    drawPlot(painter, width, height);
}
