#include "draw1dvelocityprofile.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace
{
// The plot's corner and its margin on the other sides.
constexpr int origin = 30;

TickSteps fromTable(double maximum, const double (*table)[3], int rows, double divisor)
{
    const double m = std::fabs(maximum);
    for (int i = 0; i < rows; ++i)
        if (m < table[i][0])
            return {table[i][1], table[i][2]};
    const double major = std::trunc(maximum / divisor);
    return {major, std::trunc(major / 5.0)};
}

// Visits k * step for k = 0, 1, ... up to the maximum.
template <class Visit> void forEachMultiple(double step, double maximum, Visit visit)
{
    if (!(step > 0.0) || !(maximum > 0.0))
        return;
    for (int k = 0; k * step <= maximum; ++k)
        visit(k * step);
}
} // namespace

TickSteps velocityTickSteps(double maximum)
{
    static const double table[][3] = {
        {100, 25, 5}, {500, 100, 20}, {1000, 250, 25}, {2500, 500, 50}};
    return fromTable(maximum, table, 4, 5.0);
}

TickSteps depthTickSteps(double maximum)
{
    static const double table[][3] = {
        {10, 2, 1}, {25, 5, 1}, {50, 5, 1}, {250, 10, 2}, {500, 50, 10}};
    return fromTable(maximum, table, 5, 10.0);
}

draw1DVelocityProfile::draw1DVelocityProfile(QWidget* parent) : QWidget(parent) {}

void draw1DVelocityProfile::setLayers(double depth, const std::vector<VelocityLayer>& layers)
{
    depthMax = depth;
    profileLayers = layers;
    for (const VelocityLayer& l : layers)
        velocityMax = std::max({velocityMax, l.initialVelocity, l.finalVelocity});
}

void draw1DVelocityProfile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width() - 2 * origin;
    const int h = height() - 2 * origin;
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    if (w <= 0 || h <= 0 || !(velocityMax > 0.0) || !(depthMax > 0.0))
        return;
    velocityScale = w / (velocityMax * 1.1);
    depthScale = h / (depthMax * 1.1);

    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!profileLayers.empty()) {
        QPainterPath path;
        const VelocityLayer& first = profileLayers.front();
        path.moveTo(first.initialVelocity * velocityScale, first.initialDepth * depthScale);
        for (const VelocityLayer& l : profileLayers) {
            path.lineTo(l.initialVelocity * velocityScale, l.initialDepth * depthScale);
            path.lineTo(l.finalVelocity * velocityScale, l.finalDepth * depthScale);
        }
        QPainter imagePainter(&image);
        imagePainter.setPen(QPen(Qt::black, 1));
        imagePainter.drawPath(path);
    }
    painter.drawImage(origin, origin, image);

    // Axes with their arrow heads.
    const QPointF corner(origin, origin);
    const QPointF right(origin + w, origin);
    const QPointF bottom(origin, origin + h);
    painter.drawLine(corner, right);
    painter.drawLine(right, right + QPointF(-10, -5));
    painter.drawLine(right, right + QPointF(-10, 5));
    painter.drawLine(corner, bottom);
    painter.drawLine(bottom, bottom + QPointF(-5, -10));
    painter.drawLine(bottom, bottom + QPointF(5, -10));

    const QFontMetrics metrics = painter.fontMetrics();
    auto velocityTick = [&](double v, int length, bool label) {
        const double x = origin + v * velocityScale;
        painter.drawLine(QPointF(x, origin), QPointF(x, origin - length));
        if (!label)
            return;
        const QString text = QString::number(qint64(v));
        painter.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2.0,
                                 origin - length - metrics.descent() - 1),
                         text);
    };
    auto depthTick = [&](double d, int length, bool label) {
        const double y = origin + d * depthScale;
        painter.drawLine(QPointF(origin - length, y), QPointF(origin, y));
        if (!label)
            return;
        const QString text = QString::number(qint64(d));
        painter.drawText(QPointF(origin - length - 2 - metrics.horizontalAdvance(text),
                                 y + (metrics.ascent() - metrics.descent()) / 2.0),
                         text);
    };

    const TickSteps v = velocityTickSteps(velocityMax);
    forEachMultiple(v.minor, velocityMax, [&](double at) { velocityTick(at, 3, false); });
    forEachMultiple(v.major, velocityMax, [&](double at) { velocityTick(at, 7, true); });
    velocityTick(velocityMax, 7, true);

    const TickSteps d = depthTickSteps(depthMax);
    forEachMultiple(d.minor, depthMax, [&](double at) { depthTick(at, 3, false); });
    forEachMultiple(d.major, depthMax, [&](double at) { depthTick(at, 5, true); });
    depthTick(depthMax, 5, true);
}
