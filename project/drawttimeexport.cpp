#include "drawttimeexport.h"

#include "chartlabels.h"
#include "chartsteps.h"
#include "pixel.h"
#include "shotcolors.h"
#include "tomodocument.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace
{

// Beyond this a position is no survey line; its ticks would overflow the
// integer arithmetic of the axis.
constexpr double kLargestPosition = 1e15;

QPen solidPen(const QColor& c, double width)
{
    return QPen(c, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QPen gridPen()
{
    return QPen(QColor(Qt::gray), 0.5, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
}

// The receivers a record's times can be drawn at: none when its spread does
// not exist, and never beyond the shorter of times and spread.
size_t drawableReceivers(const TomoDocument& doc, const TravelTime& record,
                         const std::vector<double>& times)
{
    if (record.indexStesa >= doc.goephonesStringSet.size())
        return 0;
    return std::min(times.size(), doc.goephonesStringSet[record.indexStesa].size());
}

int truncated(double v)
{
    return clampedPixel(v, -1e9, 1e9);
}

} // namespace

const std::array<QColor, 16>& drawTTimeExport::curveColors()
{
    return shotColors();
}

bool drawTTimeExport::hasDistanceRange() const
{
    return minX < maxX && std::fabs(minX) <= kLargestPosition &&
           std::fabs(maxX) <= kLargestPosition && maxTime > 0.0;
}

void drawTTimeExport::setAxisStyle(QPainter& painter) const
{
    if (largeFormat) {
        QFont f = painter.font();
        f.setPointSize(32);
        painter.setFont(f);
    }
    painter.setPen(solidPen(Qt::black, largeFormat ? 2.0 : 1.0));
}

int drawTTimeExport::column(double x, double x0) const
{
    return truncated((x - minX + distanceOffset) * distanceScale + x0);
}

void drawTTimeExport::draw(QPainter& painter, double width, double height)
{
    maxTime = 0.0;
    minX = 999999999.0;
    maxX = -999999999.0;
    if (document) {
        for (const TravelTime& record : document->ttArray) {
            const size_t n = drawableReceivers(*document, record, record.ttMisurati);
            if (n == 0)
                continue;
            const auto& spread = document->goephonesStringSet[record.indexStesa];
            for (size_t j = 0; j < n; ++j) {
                const double x = spread[j].x;
                if (std::isfinite(x)) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                }
                const double t = record.ttMisurati[j];
                if (std::isfinite(t) && t > maxTime)
                    maxTime = t;
            }
        }
        // A computed curve above the picks would leave the frame.
        if (showComputedTimes && maxTime > 0.0)
            for (const TravelTime& record : document->ttArray) {
                const size_t n = drawableReceivers(*document, record, record.ttCalcolati);
                for (size_t j = 0; j < n; ++j)
                    if (drawnTime(record.ttCalcolati[j]) && record.ttCalcolati[j] > maxTime)
                        maxTime = record.ttCalcolati[j];
            }
    }
    const double tms = std::fabs(maxTime) * 1000.0;
    if (largeFormat)
        fontScale = 1.6;
    QFont font = painter.font();
    if (font.pointSizeF() > 0)
        font.setPointSize(int(std::trunc(font.pointSizeF() * fontScale)));
    painter.setFont(font);

    const QFontMetricsF metrics(painter.font());
    const double left = 2.0 * metrics.horizontalAdvance(QString::number(tms, 'g', 6)) + 95.0;
    const double bottom = 0.9 * left;
    // The margins hold the tick labels and the unit labels beside them, in
    // the axis font.
    painter.save();
    setAxisStyle(painter);
    const ChartLabelRoom room = chartLabelRoom(QFontMetricsF(painter.font()), tms);
    painter.restore();
    const double x0 = std::max(left / 2.0, room.left);
    const double y0 = std::max(bottom / 2.0, room.bottom);
    plotWidth = width - 2.0 * x0;
    plotHeight = height - 2.0 * y0;

    if (QPaintDevice* device = painter.device())
        painter.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);

    const int imageWidth = std::max(1, truncated(plotWidth));
    const int imageHeight = std::max(1, truncated(plotHeight));
    QImage data(imageWidth, imageHeight, QImage::Format_ARGB32);
    data.fill(0);
    {
        QPainter dataPainter(&data);
        dataPainter.setRenderHint(QPainter::Antialiasing,
                                  painter.testRenderHint(QPainter::Antialiasing));
        drawData(dataPainter);
    }
    drawGridLines(painter, x0, plotHeight, y0);
    drawVerticalGridLines(painter, x0, y0);
    painter.drawImage(QRect(truncated(x0), truncated(y0), imageWidth, imageHeight), data);
    drawDistanceAxis(painter, plotWidth, y0 + plotHeight, x0);
    drawTimeAxis(painter, x0, plotHeight, y0);

    painter.save();
    setAxisStyle(painter);
    painter.setPen(solidPen(Qt::black, 1.0));
    drawUnitLabels(painter, x0, y0, plotWidth, plotHeight, maxTime > 0.0 ? tms : 0.0);
    painter.restore();
    painter.setPen(solidPen(Qt::black, 1.0));
    painter.drawLine(QLineF(x0, y0, x0, y0 + plotHeight));
}

void drawTTimeExport::drawData(QPainter& painter)
{
    const double w = largeFormat ? 2.0 : 1.0;
    if (!document)
        return;
    std::cout << minX << " " << maxX << " " << maxTime << std::endl;
    const double wp = painter.device()->width();
    const double hp = painter.device()->height();
    const double range = std::fabs(maxX - minX);
    if (maxTime > 0.0)
        timeScale = hp / (1.1 * maxTime);
    if (!hasDistanceRange())
        return;
    distanceScale = wp / (1.1 * range);
    distanceOffset = 0.05 * range;

    auto px = [&](double x) {
        return clampedPixel((x - minX + distanceOffset) * distanceScale, pixelLow(wp),
                            pixelHigh(wp));
    };
    auto py = [&](double t) {
        return clampedPixel(hp - timeScale * t, pixelLow(hp), pixelHigh(hp));
    };
    auto drawCurves = [&](bool computed) {
        for (size_t i = 0; i < document->ttArray.size(); ++i) {
            const TravelTime& record = document->ttArray[i];
            const auto& times = computed ? record.ttCalcolati : record.ttMisurati;
            const size_t n = drawableReceivers(*document, record, times);
            if (n == 0)
                continue;
            const auto& spread = document->goephonesStringSet[record.indexStesa];
            const QColor color = twoColors ? (computed ? QColor(Qt::red) : QColor(Qt::black))
                                           : curveColors()[i % curveColors().size()];
            QPen line = solidPen(color, w);
            if (computed)
                line.setStyle(Qt::DashLine);
            // Unpicked (0), rejected (negative) and uncomputed (0) times
            // are no points of a curve.
            auto usable = [&](size_t j) {
                return std::isfinite(spread[j].x) && drawnTime(times[j]);
            };
            for (size_t j = 0; j < n; ++j) {
                if (!usable(j))
                    continue;
                const QPoint here(px(spread[j].x), py(times[j]));
                if (j > 0 && usable(j - 1) && usable(j)) {
                    painter.setPen(line);
                    painter.drawLine(QPoint(px(spread[j - 1].x), py(times[j - 1])), here);
                }
                painter.setPen(solidPen(color, 4.0));
                painter.drawPoint(here);
            }
        }
    };
    drawCurves(false);
    if (showComputedTimes)
        drawCurves(true);
}

void drawTTimeExport::drawGridLines(QPainter& painter, double x0, double height, double y0)
{
    if (maxTime == 0.0)
        return;
    const double tms = std::fabs(maxTime) * 1000.0;
    const double step = chartTimeSteps(tms).major;
    auto row = [&](double v) { return truncated(y0 + height - v * timeScale / 1000.0); };
    painter.save();
    painter.setPen(gridPen());
    forEachTimeGridValue(tms, step, y0, row, [&](double v) {
        painter.drawLine(QLineF(x0, row(v), x0 + plotWidth, row(v)));
    });
    painter.restore();
}

namespace
{
// Whole-metre tick positions from the first multiple of step at or after
// ceil(minX), up to maxX.
template <class F> void forEachTick(double minX, double maxX, long long step, F f)
{
    const long long s = (long long)std::ceil(minX);
    const long long r = s % step;
    for (long long p = r == 0 ? s : s - r + step; double(p) <= maxX; p += step)
        f(p);
}
} // namespace

void drawTTimeExport::drawVerticalGridLines(QPainter& painter, double x0, double y0)
{
    if (!hasDistanceRange())
        return;
    painter.save();
    painter.setPen(gridPen());
    forEachTick(minX, maxX, chartDistanceSteps(std::fabs(maxX - minX)).major, [&](long long p) {
        const int c = column(double(p), x0);
        painter.drawLine(QLineF(c, y0, c, y0 + plotHeight));
    });
    painter.restore();
}

void drawTTimeExport::drawDistanceAxis(QPainter& painter, double width, double yAxis, double x0)
{
    painter.save();
    setAxisStyle(painter);
    painter.drawLine(QLineF(x0, yAxis, x0 + width, yAxis));
    painter.drawLine(QLineF(x0, yAxis - plotHeight, x0 + width, yAxis - plotHeight));
    if (hasDistanceRange()) {
        const QFontMetricsF metrics(painter.font());
        const DistanceSteps steps = chartDistanceSteps(std::fabs(maxX - minX));
        const int baseline = truncated(yAxis + 1.1 * metrics.height());
        forEachTick(minX, maxX, steps.major, [&](long long p) {
            const int c = column(double(p), x0);
            painter.drawLine(QLineF(c, yAxis, c, yAxis + 5));
            const QString label = QString::number(p);
            painter.drawText(
                QPoint(truncated(c - metrics.horizontalAdvance(label) / 2.0), baseline), label);
        });
        if (steps.minor > 0)
            forEachTick(minX, maxX, steps.minor, [&](long long p) {
                const int c = column(double(p), x0);
                painter.drawLine(QLineF(c, yAxis, c, yAxis + 3));
            });
        if (minX <= 0.0 && 0.0 <= maxX) {
            const int c = column(0.0, x0);
            painter.drawLine(QLineF(c, yAxis, c, yAxis + 5));
        }
    }
    painter.restore();
}

void drawTTimeExport::drawTimeAxis(QPainter& painter, double x0, double height, double y0)
{
    painter.save();
    setAxisStyle(painter);
    painter.drawLine(QLineF(x0, y0, x0, y0 + height));
    painter.drawLine(QLineF(x0 + plotWidth, y0, x0 + plotWidth, y0 + height));
    if (maxTime != 0.0) {
        const double tms = std::fabs(maxTime) * 1000.0;
        const TickSteps steps = chartTimeSteps(tms);
        const QFontMetricsF metrics(painter.font());
        auto row = [&](double v) { return truncated(y0 + height - v * timeScale / 1000.0); };
        for (int k = 0; k * steps.minor <= tms; ++k)
            painter.drawLine(QLineF(x0, row(k * steps.minor), x0 - 3, row(k * steps.minor)));
        auto major = [&](double v) {
            painter.drawLine(QLineF(x0, row(v), x0 - 5, row(v)));
            const QString label = QString::number(v, 'g', 6);
            painter.drawText(QPoint(truncated(x0 - 8 - metrics.horizontalAdvance(label)),
                                    truncated(row(v) + metrics.xHeight() / 2.0)),
                             label);
        };
        forEachTimeGridValue(tms, steps.major, y0, row, major);
    }
    painter.restore();
}
