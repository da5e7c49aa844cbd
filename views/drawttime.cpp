#include "drawttime.h"

#include "chartlabels.h"
#include "chartsteps.h"
#include "pixel.h"
#include "shotcolors.h"
#include "tomodocument.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace
{

constexpr double kInset = 45.0;

// Receiver positions beyond this are no survey line; their ticks would
// overflow the integer arithmetic of the axis.
constexpr double kLargestTickPosition = 1e15;

QPen gridPen()
{
    return QPen(QColor(160, 160, 164), 0.5, Qt::DashLine);
}

} // namespace

drawTTime::drawTTime(QWidget* parent) : QWidget(parent) {}

drawTTime::~drawTTime() = default;

void drawTTime::setDocument(TomoDocument* doc)
{
    document = doc;
}

void drawTTime::setShotIndex(int index)
{
    shotIndex = index;
}

void drawTTime::enable()
{
    setEnabled(true);
}

void drawTTime::resizeEvent(QResizeEvent*)
{
    if (document && document->hasPicks())
        update();
}

void drawTTime::computeRanges()
{
    maxTime = 0.0;
    minDistance = 999999999.0;
    maxDistance = -999999999.0;
    if (!document)
        return;
    bool anyReceiver = false;
    for (const TravelTime& record : document->ttArray) {
        // A record may name no spread, or have more picks than its spread has
        // receivers (a shot moved to a shorter spread).
        if (record.indexStesa >= document->goephonesStringSet.size())
            continue;
        const std::vector<Point2D>& spread = document->goephonesStringSet[record.indexStesa];
        const size_t m = std::min(record.ttMisurati.size(), spread.size());
        for (size_t j = 0; j < m; ++j) {
            const double t = record.ttMisurati[j];
            if (std::isfinite(t))
                maxTime = std::max(maxTime, t);
            minDistance = std::min(minDistance, spread[j].x);
            maxDistance = std::max(maxDistance, spread[j].x);
            anyReceiver = true;
        }
    }
    // Computed curves above the picks would leave the frame.
    if (showComputedTimes && !previewMode && maxTime > 0.0)
        for (const TravelTime& record : document->ttArray) {
            if (record.indexStesa >= document->goephonesStringSet.size())
                continue;
            const size_t m = std::min(record.ttCalcolati.size(),
                                      document->goephonesStringSet[record.indexStesa].size());
            for (size_t j = 0; j < m; ++j)
                if (drawnTime(record.ttCalcolati[j]))
                    maxTime = std::max(maxTime, record.ttCalcolati[j]);
        }
    // All receivers at one position would give an infinite scale.
    if (anyReceiver && minDistance == maxDistance) {
        minDistance -= 0.5;
        maxDistance += 0.5;
    }
}

void drawTTime::computeScales(double width, double height)
{
    const double span = std::fabs(maxDistance - minDistance);
    distanceScale = width / (span * 1.1);
    distanceMargin = span * 0.1 * 0.5;
    timeScale = maxTime != 0.0 ? height / (maxTime * 1.1) : 0.0;
}

double drawTTime::distanceToX(double x, double width) const
{
    return clampedPixel((x + distanceMargin - minDistance) * distanceScale, pixelLow(width),
                        pixelHigh(width));
}

double drawTTime::timeToRow(double t, double height) const
{
    return clampedPixel(height - timeScale * t, pixelLow(height), pixelHigh(height));
}

void drawTTime::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    computeRanges();
    // The plot keeps its inset unless the tick and unit labels need more room.
    const double tms = maxTime > 0.0 ? std::fabs(maxTime) * 1000.0 : 0.0;
    const ChartLabelRoom room = chartLabelRoom(QFontMetricsF(painter.font()), tms);
    const double x0 = std::max(kInset, std::ceil(room.left));
    const double y0 = kInset;
    plotWidth = width() - x0 - kInset;
    plotHeight = height() - y0 - std::max(kInset, std::ceil(room.bottom));
    computeScales(plotWidth, plotHeight);

    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));

    QImage image;
    if (plotWidth >= 1.0 && plotHeight >= 1.0) {
        image = QImage(int(plotWidth), int(plotHeight), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        drawTTCalc(imagePainter, image.width(), image.height());
    }

    drawGridLines(painter, x0, plotHeight, y0);
    painter.save();
    painter.setPen(gridPen());
    for (long long m : majorDistanceTicks()) {
        const double x = (double(m) - minDistance + distanceMargin) * distanceScale + x0;
        painter.drawLine(QLineF(x, y0, x, plotHeight + y0));
    }
    painter.restore();

    if (!image.isNull())
        painter.drawImage(QRectF(x0, y0, plotWidth, plotHeight), image);
    drawDistanceAxis(painter, plotWidth, plotHeight + y0, x0);
    drawTimeAxis(painter, x0, plotHeight, y0);

    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QLineF(x0, y0, x0, plotHeight + y0));
    drawUnitLabels(painter, x0, y0, plotWidth, plotHeight, tms);
}

void drawTTime::drawTTCalc(QPainter& painter, double width, double height)
{
    if (!document || maxTime == 0.0)
        return;
    drawCurves(painter, width, height, false);
    if (showComputedTimes && !previewMode) {
        std::cout << "initDrawTTCalc" << std::endl;
        drawCurves(painter, width, height, true);
    }
}

void drawTTime::drawCurves(QPainter& painter, double width, double height, bool computed)
{
    for (size_t i = 0; i < document->ttArray.size(); ++i) {
        const TravelTime& record = document->ttArray[i];
        if (record.indexStesa >= document->goephonesStringSet.size())
            continue;
        const std::vector<Point2D>& spread = document->goephonesStringSet[record.indexStesa];
        const std::vector<double>& times = computed ? record.ttCalcolati : record.ttMisurati;
        const size_t m = std::min(times.size(), spread.size());

        QColor colour = shotColor(i);
        if (twoColors)
            colour = computed ? QColor(Qt::red) : QColor(Qt::black);
        const double lineWidth = !computed && previewMode && int(i) == shotIndex ? 3.0 : 1.0;
        const QPen linePen(colour, lineWidth, computed ? Qt::DashLine : Qt::SolidLine,
                           Qt::SquareCap, Qt::BevelJoin);
        const QPen pointPen(colour, 4.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);

        for (size_t j = 0; j < m; ++j) {
            // Unpicked (0), rejected (negative), uncomputed (0) and infinite
            // times have no place on the chart; neither have the lines to them.
            if (!drawnTime(times[j]))
                continue;
            const QPointF here(distanceToX(spread[j].x, width), timeToRow(times[j], height));
            if (j > 0 && drawnTime(times[j - 1])) {
                painter.setPen(linePen);
                painter.drawLine(QLineF(distanceToX(spread[j - 1].x, width),
                                        timeToRow(times[j - 1], height), here.x(), here.y()));
            }
            painter.setPen(pointPen);
            painter.drawPoint(here);
        }
    }
}

void drawTTime::drawGridLines(QPainter& painter, double x0, double height, double y0)
{
    const double tms = std::fabs(maxTime) * 1000.0;
    if (maxTime == 0.0 || !std::isfinite(tms))
        return;
    const double step = chartTimeSteps(tms).major;
    painter.save();
    painter.setPen(gridPen());
    auto row = [&](double t) {
        return clampedPixel(height - t * timeScale / 1000.0 + y0, -1e6, 1e6);
    };
    forEachTimeGridValue(tms, step, y0, row, [&](double v) {
        painter.drawLine(QLineF(x0, row(v), x0 + plotWidth, row(v)));
    });
    painter.restore();
}

bool drawTTime::hasDistanceTicks() const
{
    return minDistance <= maxDistance && std::fabs(minDistance) <= kLargestTickPosition &&
           std::fabs(maxDistance) <= kLargestTickPosition;
}

std::vector<long long> drawTTime::majorDistanceTicks() const
{
    std::vector<long long> ticks;
    if (!hasDistanceTicks())
        return ticks;
    const long long major = chartDistanceSteps(std::fabs(maxDistance - minDistance)).major;
    const long long c = (long long)std::ceil(minDistance);
    const long long r = c % major;
    for (long long m = r == 0 ? c : c - r + major; double(m) <= maxDistance; m += major)
        ticks.push_back(m);
    return ticks;
}

void drawTTime::drawDistanceAxis(QPainter& painter, double width, double yBase, double x0)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QLineF(x0, yBase, x0 + width, yBase));
    painter.drawLine(QLineF(x0, yBase - plotHeight, x0 + width, yBase - plotHeight));

    if (!hasDistanceTicks())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    auto xOf = [&](double m) { return (m - minDistance + distanceMargin) * distanceScale + x0; };
    for (long long m : majorDistanceTicks()) {
        const double x = xOf(double(m));
        painter.drawLine(QLineF(x, yBase, x, yBase + 5.0));
        const QString label = QString::number(m);
        painter.drawText(int(x - metrics.horizontalAdvance(label) / 2.0),
                         int(yBase + 1.1 * metrics.height()), label);
    }

    const long long minor = chartDistanceSteps(std::fabs(maxDistance - minDistance)).minor;
    if (minor > 0) {
        const long long c = (long long)std::ceil(minDistance);
        for (long long m = c - c % minor + minor; double(m) <= maxDistance; m += minor)
            painter.drawLine(QLineF(xOf(double(m)), yBase, xOf(double(m)), yBase + 3.0));
    }
    if (minDistance <= 0.0 && 0.0 <= maxDistance)
        painter.drawLine(QLineF(xOf(0.0), yBase, xOf(0.0), yBase + 5.0));
}

void drawTTime::drawTimeAxis(QPainter& painter, double x0, double height, double y0)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QLineF(x0, y0, x0, height + y0));
    painter.drawLine(QLineF(x0 + plotWidth, y0, x0 + plotWidth, height + y0));
    const double tms = std::fabs(maxTime) * 1000.0;
    if (maxTime == 0.0 || !std::isfinite(tms))
        return;

    const TickSteps steps = chartTimeSteps(tms);
    const QFontMetrics metrics = painter.fontMetrics();
    auto row = [&](double t) {
        return clampedPixel(height - t * timeScale / 1000.0 + y0, -1e6, 1e6);
    };
    for (int k = 0; k * steps.minor <= tms; ++k)
        painter.drawLine(QLineF(x0, row(k * steps.minor), x0 - 3.0, row(k * steps.minor)));
    auto major = [&](double t) {
        painter.drawLine(QLineF(x0, row(t), x0 - 5.0, row(t)));
        const QString label = QString::number(t, 'g', 6);
        painter.drawText(int(x0 - 8.0 - metrics.horizontalAdvance(label)),
                         int(row(t) + 0.5 * metrics.ascent()), label);
    };
    int k = 0;
    for (; k * steps.major <= tms; ++k)
        major(k * steps.major);
    if (row(k * steps.major) > y0)
        major(k * steps.major);
}
