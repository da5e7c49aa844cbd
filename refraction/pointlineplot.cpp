#include "pointlineplot.h"

#include "chartsteps.h"
#include "pixel.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace
{
// Lines beyond this many are no grid any more (a huge offset against a tiny
// range); the loops stop there instead of running for ever.
constexpr int kMostLines = 1000;
// Axis positions beyond this overflow the integer tick arithmetic.
constexpr double kLargestTickPosition = 1e15;

bool positiveFinite(double v)
{
    return std::isfinite(v) && v > 0;
}

double gridStep(double R)
{
    if (R <= 5)
        return R / 5;
    if (R < 10)
        return 2;
    if (R <= 25)
        return 2.5;
    if (R <= 50)
        return 5;
    if (R <= 250)
        return 10;
    if (R <= 500)
        return 50;
    if (R <= 1000)
        return 200;
    if (R <= 5000)
        return 500;
    if (R <= 10000)
        return 1000;
    return std::trunc(R / 10);
}

struct YSteps {
    double major, minor;
};

YSteps axisSteps(double R)
{
    if (R < 1)
        return {R / 5, R / 10};
    if (R <= 2)
        return {0.5, 0.25};
    if (R <= 5)
        return {1, 0.5};
    if (R < 10)
        return {2, 1};
    if (R <= 25)
        return {2.5, 1.25};
    if (R <= 50)
        return {5, 2.5};
    if (R <= 250)
        return {10, 2};
    if (R <= 500)
        return {50, 10};
    if (R <= 1000)
        return {200, 100};
    if (R <= 5000)
        return {500, 100};
    if (R <= 10000)
        return {1000, 500};
    const double major = std::trunc(R / 10);
    return {major, std::trunc(major / 5)};
}

QPen gridPen()
{
    return QPen(QBrush(Qt::gray), 0.5, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
}

QPen blackPen(double width = 1.0)
{
    return QPen(QBrush(Qt::black), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// The font scaled by a factor (point size truncated), with a weight; the old
// one comes back when this goes out of scope.
class ScopedFont
{
public:
    ScopedFont(QPainter& painter, double factor, int weight) : painter(painter), old(painter.font())
    {
        QFont f = old;
        if (f.pointSize() > 0)
            f.setPointSize(std::max(1, int(f.pointSize() * factor)));
        else if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, int(f.pixelSize() * factor)));
        f.setWeight(weight);
        painter.setFont(f);
    }
    ~ScopedFont() { painter.setFont(old); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

private:
    QPainter& painter;
    QFont old;
};

int px(double v, double size)
{
    return clampedPixel(v, pixelLow(size), pixelHigh(size));
}

long long tickStart(long long s, long long step)
{
    return s % step == 0 ? s : s - s % step + step;
}
} // namespace

PointLinePlot::PointLinePlot(QWidget* parent) : QWidget(parent) {}

PointLinePlot::~PointLinePlot() = default;

bool PointLinePlot::xRangeUsable() const
{
    return std::isfinite(xMin) && std::isfinite(xMax) && xMin <= xMax &&
           std::fabs(xMin) < kLargestTickPosition && std::fabs(xMax) < kLargestTickPosition;
}

bool PointLinePlot::yRangeUsable() const
{
    return std::isfinite(yMin) && std::isfinite(yMax) && yMin <= yMax;
}

bool PointLinePlot::setXScale(double width)
{
    if (!xRangeUsable())
        return false;
    const double range = std::fabs(xMax - xMin);
    xScale = width / (range * 1.1);
    xOffset = range * 0.1 * 0.5;
    return positiveFinite(xScale);
}

int PointLinePlot::column(double x, double width) const
{
    return px((x - xMin + xOffset) * xScale, width);
}

int PointLinePlot::row(double y, double height) const
{
    return px(height - (y - yMin) * yScale, height);
}

void PointLinePlot::drawCurve(QPainter& painter, const curve& c)
{
    const double W = painter.device()->width();
    const double H = painter.device()->height();
    if (!setXScale(W) || !yRangeUsable())
        return;
    const double dy = yMax - yMin;
    if (dy == 0)
        return;
    yScale = H / (dy * 1.1);
    if (!positiveFinite(yScale) || c.xValues.size() != c.yValues.size())
        return;
    painter.setPen(QPen(QBrush(QColor(QRgb(c.color & 0xFFFFFFu))), 4, Qt::SolidLine, Qt::SquareCap,
                        Qt::BevelJoin));
    const auto finite = [&](size_t k) {
        return std::isfinite(c.xValues[k]) && std::isfinite(c.yValues[k]);
    };
    const auto point = [&](size_t k) {
        return QPoint(column(c.xValues[k], W), row(c.yValues[k], H));
    };
    if (c.style == 0 || c.style == 2)
        for (size_t k = 1; k < c.xValues.size(); ++k)
            if (finite(k - 1) && finite(k))
                painter.drawLine(point(k - 1), point(k));
    if (c.style == 1 || c.style == 2)
        for (size_t k = 0; k < c.xValues.size(); ++k)
            if (finite(k))
                painter.drawPoint(point(k));
}

void PointLinePlot::drawHorizontalGridLines(QPainter& painter, double left, double height,
                                            double top)
{
    if (!yRangeUsable() || yMax == yMin || !positiveFinite(yScale) || !positiveFinite(yUnitFactor))
        return;
    const double R = std::fabs(yMax - yMin) * yUnitFactor;
    const double step = gridStep(R);
    if (!positiveFinite(step))
        return;
    painter.setPen(gridPen());
    const double bottom = top + height;
    const double start = step * std::trunc(yMin * yUnitFactor / step);
    const auto rowOf = [&](double v) {
        return px(bottom - (v / yUnitFactor - yMin) * yScale, bottom);
    };
    int k = 0;
    for (; k < kMostLines && start + k * step <= yMax * yUnitFactor; ++k) {
        const int y = rowOf(start + k * step);
        if (bottom - y > 0)
            painter.drawLine(px(left, left), y, px(left + plotWidth, left + plotWidth), y);
    }
    const int y = rowOf(start + k * step);
    if (y > top)
        painter.drawLine(px(left, left), y, px(left + plotWidth, left + plotWidth), y);
}

void PointLinePlot::drawVerticalGridLines(QPainter& painter, double bottom, double left)
{
    if (!xRangeUsable() || !positiveFinite(xScale))
        return;
    const long long S = chartDistanceSteps(std::fabs(xMax - xMin)).major;
    if (S <= 0)
        return;
    painter.setPen(gridPen());
    const long long first = tickStart((long long)std::ceil(xMin), S);
    const int yTop = px(bottom - plotHeight, bottom);
    const int yBottom = px(bottom, bottom);
    for (int k = 0; k < kMostLines && double(first + k * S) <= xMax; ++k) {
        const int X =
            px((double(first + k * S) - xMin + xOffset) * xScale + left, left + plotWidth);
        painter.drawLine(X, yTop, X, yBottom);
    }
}

void PointLinePlot::drawXAxisScale(QPainter& painter, double width, double bottom, double left)
{
    painter.setPen(blackPen());
    const int l = px(left, left), r = px(left + width, left + width);
    const int b = px(bottom, bottom), t = px(bottom - plotHeight, bottom);
    painter.drawLine(l, b, r, b);
    painter.drawLine(l, t, r, t);
    if (!xRangeUsable() || !positiveFinite(xScale))
        return;
    const DistanceSteps steps = chartDistanceSteps(std::fabs(xMax - xMin));
    if (steps.major <= 0)
        return;
    const long long s = (long long)std::ceil(xMin);
    const auto columnOf = [&](double v) {
        return px((v - xMin + xOffset) * xScale + left, left + width);
    };
    ScopedFont font(painter, 0.8, QFont::Normal);
    const QFontMetricsF metrics(painter.font());
    const long long first = tickStart(s, steps.major);
    for (int k = 0; k < kMostLines && double(first + k * steps.major) <= xMax; ++k) {
        const long long v = first + k * steps.major;
        const int X = columnOf(double(v));
        painter.drawLine(X, b, X, b + 5);
        const QString text = QString::number(v);
        painter.drawText(int(X - metrics.horizontalAdvance(text) / 2),
                         int(bottom + 1.1 * metrics.height()), text);
    }
    if (steps.minor != 0) {
        const long long m = steps.minor;
        const long long firstMinor = s - s % m + m;
        for (int k = 0; k < kMostLines && double(firstMinor + k * m) <= xMax; ++k) {
            const int X = columnOf(double(firstMinor + k * m));
            painter.drawLine(X, b, X, b + 3);
        }
    }
    if (xMin <= 0 && xMax >= 0) {
        const int X = columnOf(0.0);
        painter.drawLine(X, b, X, b + 5);
    }
}

void PointLinePlot::drawYAxisScale(QPainter& painter, double left, double height, double top)
{
    painter.setPen(blackPen());
    const int l = px(left, left), r = px(left + plotWidth, left + plotWidth);
    const int t = px(top, top), b = px(top + height, top + height);
    painter.drawLine(l, t, l, b);
    painter.drawLine(r, t, r, b);
    if (!yRangeUsable() || yMax == yMin || !positiveFinite(yScale) || !positiveFinite(yUnitFactor))
        return;
    const YSteps steps = axisSteps(std::fabs(yMax - yMin) * yUnitFactor);
    if (!positiveFinite(steps.major) || !positiveFinite(steps.minor))
        return;
    const double bottom = top + height;
    const double end = yMax * yUnitFactor;
    const auto rowOf = [&](double v) {
        return px(bottom - (v / yUnitFactor - yMin) * yScale, bottom);
    };
    const double minorStart = steps.minor * std::trunc(yMin * yUnitFactor / steps.minor);
    for (int k = 0; k < kMostLines && minorStart + k * steps.minor <= end; ++k) {
        const int y = rowOf(minorStart + k * steps.minor);
        if (bottom - y > 0)
            painter.drawLine(l, y, l - 3, y);
    }
    ScopedFont font(painter, 0.8, QFont::Normal);
    const QFontMetricsF metrics(painter.font());
    const auto majorTick = [&](double v) {
        const int y = rowOf(v);
        painter.drawLine(l, y, l - 5, y);
        const QString text = QString::number(v, 'f', 2);
        painter.drawText(int(left - 8 - metrics.horizontalAdvance(text)),
                         int(y + metrics.ascent() / 2), text);
    };
    const double majorStart = steps.major * std::trunc(yMin * yUnitFactor / steps.major);
    int k = 0;
    for (; k < kMostLines && majorStart + k * steps.major <= end; ++k)
        if (bottom - rowOf(majorStart + k * steps.major) > 0)
            majorTick(majorStart + k * steps.major);
    if (rowOf(majorStart + k * steps.major) > top)
        majorTick(majorStart + k * steps.major);
}

void PointLinePlot::drawXAxisLabel(QPainter& painter, double width, double bottom, double left,
                                   const QByteArray& text)
{
    painter.setPen(blackPen());
    const QFontMetricsF metrics(painter.font());
    const QString label = QString::fromUtf8(text);
    painter.drawText(int(width / 2 + left - metrics.horizontalAdvance(label) / 2),
                     int(bottom + 2.2 * metrics.ascent()), label);
}

void PointLinePlot::drawYAxisLabel(QPainter& painter, double left, double height, double top,
                                   const QByteArray& text)
{
    painter.drawLine(px(left, left), px(top, top), px(left, left), px(top + height, top + height));
    painter.setPen(blackPen());
    const QFontMetricsF metrics(painter.font());
    const QString label = QString::fromUtf8(text);
    painter.save();
    painter.translate(int(1.1 * metrics.ascent()),
                      int(metrics.horizontalAdvance(label) / 2 + height / 2 + top));
    painter.rotate(-90);
    painter.drawText(0, 0, label);
    painter.restore();
}

void PointLinePlot::drawTitle(QPainter& painter, double width, double titleBand, double left,
                              const QByteArray& text)
{
    ScopedFont font(painter, 1.2, 75);
    painter.setPen(blackPen());
    const QFontMetricsF metrics(painter.font());
    const QString title = QString::fromUtf8(text);
    painter.drawText(int(width / 2 + left - metrics.horizontalAdvance(title) / 2),
                     int(metrics.ascent() / 2 + titleBand), title);
}

void PointLinePlot::drawFrame(QPainter& painter, const QImage& data)
{
    const double left = marginH / 2, top = marginV / 2;
    const double bottom = top + plotHeight;
    drawHorizontalGridLines(painter, left, plotHeight, top);
    drawVerticalGridLines(painter, bottom, left);
    painter.drawImage(QPoint(int(left), int(top)), data);
    drawXAxisScale(painter, plotWidth, bottom, left);
    drawYAxisScale(painter, left, plotHeight, top);
    drawXAxisLabel(painter, plotWidth, bottom, left, xLabel);
    drawYAxisLabel(painter, left, plotHeight, top, yLabel);
    drawTitle(painter, plotWidth, marginV / 4, left, plotTitle);
}
