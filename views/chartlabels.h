#pragma once
// The unit labels "(m)" and "(ms)" of the travel-time charts (the plot on
// screen and the exported chart), placed clear of the tick labels: "(m)" a
// line below the distance labels, "(ms)" upright-rotated left of the widest
// time label. The tick labels themselves sit as both charts draw them: time
// labels ending 8 px left of the axis, distance labels with their baseline
// 1.1 font heights below it.

#include "chartsteps.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <algorithm>

// A time the charts draw: a pick (0 means not picked, a negative time
// rejected) or a computed time (0 where no ray was traced).
inline bool drawnTime(double t)
{
    return std::isfinite(t) && t > 0.0;
}

// The widest label of the time axis up to tms milliseconds, the label past
// tms included; 0 when there are no labels.
inline double widestTimeLabel(const QFontMetricsF& metrics, double tms)
{
    if (!(tms > 0.0) || !std::isfinite(tms))
        return 0.0;
    const double step = chartTimeSteps(tms).major;
    double widest = 0.0;
    for (int k = 0; k <= int(tms / step) + 1; ++k)
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(k * step, 'g', 6)));
    return widest;
}

struct ChartLabelRoom {
    double left;   // from the time axis to the picture's edge
    double bottom; // from the distance axis to the picture's edge
};

inline double unitLabelGap(const QFontMetricsF& metrics)
{
    return 0.2 * metrics.height();
}

inline ChartLabelRoom chartLabelRoom(const QFontMetricsF& metrics, double tms)
{
    const double pad = 4.0;
    return {8.0 + widestTimeLabel(metrics, tms) + unitLabelGap(metrics) + metrics.descent() +
                metrics.ascent() + pad,
            1.1 * metrics.height() + metrics.descent() + unitLabelGap(metrics) + metrics.height() +
                pad};
}

// Both unit labels, in the painter's font and pen, around the plot area with
// its top-left corner at (x0, y0).
inline void drawUnitLabels(QPainter& painter, double x0, double y0, double plotWidth,
                           double plotHeight, double tms)
{
    const QFontMetricsF metrics(painter.font());
    const QString metres = "(m)";
    const double distanceBaseline = y0 + plotHeight + 1.1 * metrics.height();
    painter.drawText(
        QPointF(std::trunc(x0 + plotWidth / 2.0 - metrics.horizontalAdvance(metres) / 2.0),
                std::trunc(distanceBaseline + metrics.descent() + unitLabelGap(metrics) +
                           metrics.ascent())),
        metres);
    const QString milliseconds = "(ms)";
    const double baseline =
        x0 - 8.0 - widestTimeLabel(metrics, tms) - unitLabelGap(metrics) - metrics.descent();
    painter.save();
    painter.translate(
        std::trunc(baseline),
        std::trunc(y0 + plotHeight / 2.0 + metrics.horizontalAdvance(milliseconds) / 2.0));
    painter.rotate(-90.0);
    painter.drawText(QPointF(0.0, 0.0), milliseconds);
    painter.restore();
}
