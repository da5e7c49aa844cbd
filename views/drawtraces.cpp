#include "drawtraces.h"

#include "drawttime.h"
#include "pixel.h"
#include "shotcolors.h"
#include "tomodocument.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <stdexcept>

namespace
{

const QColor kWiggle(45, 85, 35);
const QColor kWiggleRejected(255, 105, 30);
const QColor kWiggleUnusable(255, 0, 0, 128);
const QColor kPositiveLobe(0, 0, 0);
const QColor kPositiveLobeAtEnd(128, 128, 128);
const QColor kNegativeLobe(150, 110, 60, 95);
const QColor kRejectedLobe(220, 160, 160, 190);
const QColor kTwoPolarityLobe(192, 192, 192);
const QColor kTwoPolarityRejectedLobe(200, 180, 180, 200);
const QColor kTwoPolarityWiggle(79, 106, 25);
const QColor kPickMark(255, 0, 0);
const QColor kComputedMark(0, 128, 0);
const QColor kBeforeTimeZero(130, 130, 0, 65);
const QColor kGrid(160, 160, 164);

bool isRejected(double pick)
{
    return pick <= -1.0;
}

// A trace without a finite, positive spread of values (constant samples, no
// samples, a NaN or infinite sample) has no amplitude scale.
bool hasAmplitudeScale(double range)
{
    return std::isfinite(range) && range > 0.0;
}

double mean(const std::vector<double>& v)
{
    double sum = 0.0;
    for (double x : v)
        sum += x;
    return v.empty() ? 0.0 : sum / double(v.size());
}

double largest(const std::vector<double>& v)
{
    return v.empty() ? std::numeric_limits<double>::lowest()
                     : *std::max_element(v.begin(), v.end());
}

struct TickSteps {
    double major;
    double minor;
};

// Grid and label steps of the trace panel's time axis, from the record length in ms.
TickSteps recordTickSteps(double tms)
{
    if (tms < 10.0)
        return {2.0, 1.0};
    if (tms < 25.0)
        return {5.0, 1.0};
    if (tms < 50.0)
        return {5.0, 2.5};
    if (tms < 250.0)
        return {10.0, 2.0};
    if (tms < 500.0)
        return {25.0, 12.5};
    const double major = std::trunc(tms / 10.0);
    return {major, std::trunc(major / 5.0)};
}

// Record length in seconds of a trace with the given sample count. A missing
// interval (DBL_MAX, zero, not finite) has none: the grid and the time axis
// would otherwise count to infinity.
bool recordLength(size_t samples, double interval, double& seconds)
{
    if (!(std::isfinite(interval) && interval > 0.0 && interval < DBL_MAX))
        return false;
    seconds = double(samples) * interval;
    return std::isfinite(seconds) && seconds > 0.0;
}

} // namespace

struct drawTraces::WiggleStyle {
    QColor stroke;
    QColor positiveFill;
    QColor positiveEndFill;
    QColor negativeFill; // invalid: negative lobes are not filled
};

struct drawTraces::CursorPosition {
    double column = -1.0; // floor((x - 55) / tw)
    double time = 0.0;    // s
    double delay0 = 0.0;
    bool usableTimeScale = false;
    size_t traces = 0;
    size_t entries = 0;
};

drawTraces::drawTraces(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

drawTraces::~drawTraces() = default;

void drawTraces::setCutWaveForm(bool cut)
{
    cutWaveForm = cut;
    repaint();
}

void drawTraces::setFillWiggle(bool fill)
{
    fillWiggle = fill;
    repaint();
}

void drawTraces::setShowAllPicks(bool show)
{
    showAllPicks = show;
    repaint();
}

void drawTraces::setShowSimulatedTimes(bool show)
{
    showSimulatedTimes = show;
    repaint();
}

void drawTraces::setZoomInWindow(bool zoomIn)
{
    zoomInWindow = zoomIn;
    repaint();
}

void drawTraces::setZoom(double a, double b)
{
    timeZoom = a;
    amplitudeZoom = b;
    repaint();
}

void drawTraces::setShowFiltered(bool show)
{
    showFiltered = show;
    repaint();
}

void drawTraces::setDocument(TomoDocument* doc)
{
    document = doc;
}

void drawTraces::setShot(int i)
{
    shotIndex = i;
    if (document && i >= 0 && size_t(i) < document->traceSets.size()) {
        const TraceSet& set = document->traceSets[size_t(i)];
        waveType = set.traces.empty() ? Trace::NotLoaded : set.traces.front().kind;
    }
}

const TravelTime& drawTraces::shotRecord() const
{
    if (shotIndex < 0)
        throw std::out_of_range("negative shot index");
    return document->travelTimeAt(uint32_t(shotIndex));
}

const TraceSet& drawTraces::shotTraceSet() const
{
    return document->traceSets.at(shotRecord().traceSetID);
}

size_t drawTraces::drawingSampleCount(const Trace& trace) const
{
    return waveType == Trace::Ordinary ? trace.samples.size() : trace.samplesDX.size();
}

double drawTraces::timeToY(const Trace& trace, double t) const
{
    const double pps = drawHeight / double(drawingSampleCount(trace));
    return (t - trace.delay) / trace.sampleInterval * pps;
}

void drawTraces::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawShot(painter, width() - horizontalMargin, height() - verticalMargin);
}

void drawTraces::drawShot(QPainter& painter, double width, double height)
{
    drawWidth = width;
    drawHeight = height;
    const QPaintDevice* device = painter.device();
    painter.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
    painter.setPen(QPen(Qt::black, 1));

    const int imageWidth = clampedPixel(width, 0.0, 1 << 15);
    const int imageHeight = clampedPixel(height, 0.0, 1 << 15);
    if (!document || document->traceSets.empty() || imageWidth <= 0 || imageHeight <= 0) {
        painter.end();
        return;
    }

    QImage image(imageWidth, imageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter imagePainter(&image);
    if (waveType == Trace::Ordinary)
        drawTracesWaveType3(imagePainter);
    else if (waveType == Trace::TwoPolarity)
        drawTracesWaveType2(imagePainter);
    else
        std::cerr << "Unknown wave type. Cannot be drawn." << std::endl;
    drawPicks(imagePainter);
    if (document->has_tomographic_info && showSimulatedTimes)
        drawComputedTimeMarks(imagePainter);
    drawNegativeTimeZone(imagePainter);
    if (showAllPicks)
        drawOtherShotsPicks(imagePainter);
    imagePainter.end();

    const double left = horizontalMargin / 2.0;
    const double top = verticalMargin / 2.0;
    drawGridLines(painter, left, drawHeight, top);
    painter.drawImage(QPointF(left, top), image);
    drawTimeAxis(painter, left, drawHeight, top);
    drawShotAxis(painter, drawWidth, left);
    drawUnitLabels(painter);
    painter.end();
}

void drawTraces::drawUnitLabels(QPainter& painter)
{
    const double left = horizontalMargin / 2.0;
    const double top = verticalMargin / 2.0;
    painter.setPen(QPen(Qt::black, 1));
    const QFontMetrics metrics = painter.fontMetrics();

    const QString metres = "(m)";
    painter.drawText(int(left + drawWidth / 2.0 - metrics.horizontalAdvance(metres) / 2.0),
                     int(top - 4.0 - 1.2 * metrics.ascent()), metres);

    const QString milliseconds = "(ms)";
    painter.save();
    painter.translate(1.1 * metrics.ascent(),
                      top + drawHeight / 2.0 + metrics.horizontalAdvance(milliseconds) / 2.0);
    painter.rotate(-90.0);
    painter.drawText(0, 0, milliseconds);
    painter.restore();
}

void drawTraces::drawZeroLine(QPainter& painter, double xc)
{
    painter.setPen(QPen(Qt::black, 1));
    const double x = std::trunc(xc);
    painter.drawLine(QLineF(x, 0.0, x, drawHeight));
}

void drawTraces::drawWiggle(QPainter& painter, const std::vector<double>& v, size_t points,
                            double mean, double xc, double tw, double pps, const WiggleStyle& style)
{
    const double range = amplitudeRange;
    const double scale = (tw / 2.0) / range;
    const double xLow = pixelLow(drawWidth), xHigh = pixelHigh(drawWidth);
    const double yLow = pixelLow(drawHeight), yHigh = pixelHigh(drawHeight);
    const int zeroX = int(std::trunc(xc));

    auto amplitude = [&](size_t j) {
        double a = (v[j] - mean) * amplitudeZoom;
        if (cutWaveForm && std::fabs(a) >= range)
            a = std::copysign(range, a);
        return a;
    };
    // Without clipping a large zoom throws points far out; they are held a few
    // image widths away so that every later product fits in 64 bits.
    auto pointAt = [&](size_t j, double a) {
        return QPoint(clampedPixel(xc + a * scale, xLow, xHigh),
                      clampedPixel(double(j) * pps, yLow, yHigh));
    };
    // Where the segment meets the zero line: a float slope with an integer
    // intercept; a vertical segment has no crossing and gives its start.
    auto crossing = [&](QPoint p0, QPoint p1) {
        if (p1.x() == p0.x())
            return p0;
        const double slope = double(p1.y() - p0.y()) / double(p1.x() - p0.x());
        const int64_t intercept =
            (int64_t(p1.x()) * p0.y() - int64_t(p0.x()) * p1.y()) / int64_t(p1.x() - p0.x());
        return QPoint(zeroX, clampedPixel(xc * slope + double(intercept), yLow, yHigh));
    };
    // Noise before the first break makes thousands of small lobes per trace:
    // the brushes are made once, so that switching between them is cheap.
    const QBrush positiveBrush(style.positiveFill), endBrush(style.positiveEndFill),
        negativeBrush(style.negativeFill.isValid() ? style.negativeFill : QColor(Qt::transparent));
    painter.setPen(Qt::NoPen);
    auto fill = [&](const std::vector<QPoint>& lobe, const QBrush& brush) {
        // Opened and closed on one segment, a lobe is a line back to its
        // start: it covers no pixel.
        if (!fillWiggle || lobe.size() < 4)
            return;
        painter.setBrush(brush);
        painter.drawPolygon(lobe.data(), int(lobe.size()));
    };

    const bool negativeLobes = style.negativeFill.isValid();
    std::vector<QPoint> wiggle;
    wiggle.reserve(points);
    std::vector<QPoint> positive, negative;
    QPoint positiveStart, negativeStart;
    bool positiveOpen = false, negativeOpen = false;

    QPoint p0 = pointAt(0, amplitude(0));
    wiggle.push_back(p0);
    for (size_t j = 0; j + 1 < points; ++j) {
        const double b = amplitude(j + 1);
        const QPoint p1 = pointAt(j + 1, b);
        wiggle.push_back(p1);
        const QPoint z = crossing(p0, p1);
        if (b > 0.0) {
            if (negativeOpen) {
                negative.push_back(z);
                negative.push_back(negativeStart);
                fill(negative, negativeBrush);
                negativeOpen = false;
            }
            if (!positiveOpen) {
                positive.assign(1, z);
                positiveStart = z;
                positiveOpen = true;
            } else {
                positive.push_back(p0);
            }
        } else {
            if (positiveOpen) {
                positive.push_back(z);
                positive.push_back(positiveStart);
                fill(positive, positiveBrush);
                positiveOpen = false;
            }
            if (negativeLobes) {
                if (!negativeOpen) {
                    negative.assign(1, z);
                    negativeStart = z;
                    negativeOpen = true;
                } else {
                    negative.push_back(p0);
                }
            }
        }
        p0 = p1;
    }
    // A negative lobe still open at the end is dropped.
    if (positiveOpen) {
        positive.insert(positive.end(), {p0, QPoint(zeroX, p0.y()), positiveStart});
        fill(positive, endBrush);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.stroke, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(wiggle.data(), int(wiggle.size()));
}

void drawTraces::drawTracesWaveType3(QPainter& painter)
{
    // A missing record, set or pick, or no filtered samples to show, ends the
    // layer at that trace.
    try {
        const TravelTime& record = shotRecord();
        const TraceSet& set = shotTraceSet();
        const size_t n = set.traces.size();
        const double tw = drawWidth / double(n);
        for (size_t i = 0; i < n; ++i) {
            const Trace& trace = set.traces[i];
            const double pick = record.ttMisurati.at(i);
            if (showFiltered && trace.filtered.empty())
                return;
            const std::vector<double>& v = showFiltered ? trace.filtered : trace.samples;
            const double average = showFiltered ? trace.meanFiltered() : trace.meanSamples();
            amplitudeRange =
                (showFiltered ? largest(trace.filtered) : trace.maxSamples()) - average;
            const double pps = drawHeight / double(trace.samples.size());
            const double xc = double(i) * tw + tw / 2.0;

            if (hasAmplitudeScale(amplitudeRange) && std::isfinite(pps)) {
                WiggleStyle style{kWiggle, kPositiveLobe, kPositiveLobeAtEnd, kNegativeLobe};
                if (isRejected(pick)) {
                    style.stroke = pick == Pick::Rejected ? kWiggleRejected : kWiggleUnusable;
                    style.positiveFill = style.positiveEndFill = style.negativeFill = kRejectedLobe;
                }
                drawWiggle(painter, v, v.size(), average, xc, tw, pps, style);
            }
            drawZeroLine(painter, xc);
        }
    } catch (const std::out_of_range&) {
    }
}

void drawTraces::drawTracesWaveType2(QPainter& painter)
{
    try {
        const TravelTime& record = shotRecord();
        const TraceSet& set = shotTraceSet();
        const size_t n = set.traces.size();
        const double tw = drawWidth / double(n);
        for (size_t i = 0; i < n; ++i) {
            const Trace& trace = set.traces[i];
            const double pick = record.ttMisurati.at(i);
            // Both recordings are placed by the DX recording's length.
            const size_t points = trace.samplesDX.size();
            const double pps = drawHeight / double(points);
            const double xc = double(i) * tw + tw / 2.0;
            const WiggleStyle style{kTwoPolarityWiggle,
                                    isRejected(pick) ? kTwoPolarityRejectedLobe : kTwoPolarityLobe,
                                    kTwoPolarityLobe, QColor()};
            for (const std::vector<double>* v : {&trace.samplesDX, &trace.samplesSX}) {
                if (v->size() < points)
                    return;
                const double average = mean(*v);
                amplitudeRange = largest(*v) - average;
                if (hasAmplitudeScale(amplitudeRange) && std::isfinite(pps))
                    drawWiggle(painter, *v, points, average, xc, tw, pps, style);
            }
            drawZeroLine(painter, xc);
        }
    } catch (const std::out_of_range&) {
    }
}

void drawTraces::drawPicks(QPainter& painter)
{
    if (!pickingEnabled)
        return;
    try {
        const TravelTime& record = shotRecord();
        const TraceSet& set = shotTraceSet();
        const double tw = drawWidth / double(set.traces.size());
        painter.setPen(QPen(kPickMark, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (size_t i = 0; i < set.traces.size(); ++i) {
            const double y = timeToY(set.traces[i], record.ttMisurati.at(i));
            if (!std::isfinite(y))
                continue;
            const double xc = double(i) * tw + tw / 2.0;
            // Marks far off the image are invisible; leave them out of the rasteriser.
            if (y > -drawHeight && y < 2.0 * drawHeight)
                painter.drawLine(QLineF(xc - tw / 3.0, y, xc + tw / 3.0, y));
            if (y > 0.0)
                emit pick_added();
        }
    } catch (const std::out_of_range&) {
        std::cerr << "Eccezione disegno ticks" << std::endl;
    }
}

void drawTraces::drawComputedTimeMarks(QPainter& painter)
{
    if (!pickingEnabled)
        return;
    try {
        const TravelTime& record = shotRecord();
        const TraceSet& set = shotTraceSet();
        const double tw = drawWidth / double(set.traces.size());
        painter.setPen(QPen(kComputedMark, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (size_t i = 0; i < set.traces.size(); ++i) {
            const double y = timeToY(set.traces[i], record.ttCalcolati.at(i));
            if (!std::isfinite(y))
                continue;
            const double xc = double(i) * tw + tw / 2.0;
            if (y > -drawHeight && y < 2.0 * drawHeight) {
                painter.drawLine(QLineF(xc - tw / 3.0, y - 4.0, xc + tw / 3.0, y + 4.0));
                painter.drawLine(QLineF(xc - tw / 3.0, y + 4.0, xc + tw / 3.0, y - 4.0));
            }
            if (y > 0.0)
                emit pick_added();
        }
    } catch (const std::out_of_range&) {
        std::cerr << "Eccezione disegno ticks" << std::endl;
    }
}

void drawTraces::drawNegativeTimeZone(QPainter& painter)
{
    if (!pickingEnabled)
        return;
    try {
        const Trace& first = shotTraceSet().traces.at(0);
        if (!(first.delay < 0.0))
            return;
        const double bandHeight = timeToY(first, 0.0);
        if (!std::isfinite(bandHeight))
            return;
        painter.fillRect(
            QRectF(0.0, 0.0, horizontalMargin + drawWidth, std::min(bandHeight, 2.0 * drawHeight)),
            kBeforeTimeZero);
    } catch (const std::out_of_range&) {
    }
}

void drawTraces::drawOtherShotsPicks(QPainter& painter)
{
    const double yLow = pixelLow(drawHeight), yHigh = pixelHigh(drawHeight);
    for (size_t s = 0; s < document->ttArray.size(); ++s) {
        if (int(s) == shotIndex)
            continue;
        const TravelTime& other = document->ttArray[s];
        // Imported records have no trace set to place their picks on.
        if (other.traceSetID >= document->traceSets.size())
            continue;
        const TraceSet& set = document->traceSets[other.traceSetID];
        const size_t ns = set.traces.size();
        const double tws = drawWidth / double(ns);
        painter.setPen(QPen(shotColor(s), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        // Receivers without a trace in the set are not drawn.
        for (size_t k = 1; k < other.ttMisurati.size() && k < ns; ++k) {
            const double t0 = other.ttMisurati[k - 1], t1 = other.ttMisurati[k];
            if (!(t0 > 0.0 && t1 > 0.0))
                continue;
            const double y0 = timeToY(set.traces[k - 1], t0);
            const double y1 = timeToY(set.traces[k], t1);
            if (!std::isfinite(y0) || !std::isfinite(y1))
                continue;
            painter.drawLine(QLineF(double(k - 1) * tws + tws / 2.0, clampedPixel(y0, yLow, yHigh),
                                    double(k) * tws + tws / 2.0, clampedPixel(y1, yLow, yHigh)));
        }
    }
}

void drawTraces::drawGridLines(QPainter& painter, double left, double /*height*/, double top)
{
    try {
        // Trace set number shotIndex: the shot index doubles as the set index here.
        if (shotIndex < 0)
            return;
        const Trace& first = document->traceSets.at(size_t(shotIndex)).traces.at(0);
        double seconds = 0.0;
        if (!recordLength(drawingSampleCount(first), first.sampleInterval, seconds))
            return;
        const double tms = seconds * 1000.0;
        const double step = recordTickSteps(tms).major;
        const double pxs = (painter.device()->height() - 2.0 * top) / seconds;
        const double yLow = -1e6, yHigh = 1e6;
        painter.setPen(QPen(kGrid, 0.5, Qt::DashLine));
        for (int k = 0; k * step <= tms; ++k) {
            const int y = clampedPixel(k * step * pxs / 1000.0 + top, yLow, yHigh);
            painter.drawLine(QLineF(left, y, left + drawWidth, y));
        }
    } catch (const std::out_of_range&) {
    }
}

void drawTraces::drawTimeAxis(QPainter& painter, double left, double height, double top)
{
    try {
        const Trace& first = shotTraceSet().traces.at(0);
        double seconds = 0.0;
        if (!recordLength(drawingSampleCount(first), first.sampleInterval, seconds))
            return;
        const double tms = seconds * 1000.0;
        const TickSteps steps = recordTickSteps(tms);
        const double pxs = (painter.device()->height() - 2.0 * top) / seconds;
        const double yLow = -1e6, yHigh = 1e6;
        const QFontMetrics metrics = painter.fontMetrics();

        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QLineF(left, top, left, top + height));
        painter.drawLine(QLineF(left + drawWidth, top, left + drawWidth, top + height));
        for (int k = 0; k * steps.minor <= tms; ++k) {
            const int y = clampedPixel(k * steps.minor * pxs / 1000.0 + top, yLow, yHigh);
            painter.drawLine(QLineF(left, y, left - 3.0, y));
        }
        for (int k = 0; k * steps.major <= tms; ++k) {
            const double t = k * steps.major;
            const int y = clampedPixel(t * pxs / 1000.0 + top, yLow, yHigh);
            painter.drawLine(QLineF(left, y, left - 5.0, y));
            // The first sample reads as the delay.
            const QString label = QString::number(t + first.delay * 1000.0, 'g', 6);
            painter.drawText(
                int(left - 8.0 - metrics.horizontalAdvance(label)),
                clampedPixel(t * pxs / 1000.0 + top + metrics.ascent() / 2.0, yLow, yHigh), label);
        }
    } catch (const std::out_of_range&) {
    }
}

void drawTraces::drawShotAxis(QPainter& painter, double width, double left)
{
    const double top = verticalMargin / 2.0;
    try {
        const TravelTime& record = shotRecord();
        const TraceSet& set = shotTraceSet();
        const QFontMetrics metrics = painter.fontMetrics();
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QLineF(left, top, left + width, top));
        painter.drawLine(QLineF(left, top + drawHeight, left + width, top + drawHeight));

        const size_t n = set.traces.size();
        if (n > 0) {
            const double tw = width / double(n);
            const std::vector<Point2D>& spread = document->spreadAt(record.indexStesa);
            for (size_t i = 0; i < n; i += 5) {
                const QString label = QString::number(spread.at(i).x, 'g', 6);
                const double xc = double(i) * tw + tw / 2.0;
                painter.drawText(
                    int(std::trunc(xc) + left - metrics.horizontalAdvance(label) / 2.0), 56, label);
            }
        }
        const QString title = tr("Shot position: ") + QString::number(record.shotPos2d.x, 'g', 6);
        painter.drawText(int(left + width / 2.0 - metrics.horizontalAdvance(title) / 2.0),
                         metrics.height() + 4, title);
    } catch (const std::out_of_range&) {
    }
}

bool drawTraces::cursorPosition(const QPoint& pos, CursorPosition& at) const
{
    if (!document || document->traceSets.empty() || shotIndex < 0 ||
        size_t(shotIndex) >= document->ttArray.size())
        return false;
    const TravelTime& record = document->ttArray[size_t(shotIndex)];
    if (record.traceSetID >= document->traceSets.size())
        return false;
    const TraceSet& set = document->traceSets[record.traceSetID];
    if (set.traces.empty())
        return false;

    const double w = width() - horizontalMargin;
    const double h = height() - verticalMargin;
    const double tw = w / double(set.traces.size());
    const Trace& first = set.traces.front();
    const double pps = h / double(drawingSampleCount(first));
    const double dt0 = first.sampleInterval;

    // floor, not truncation: a cursor just left of the first column is no trace.
    at.column = std::floor((pos.x() - horizontalMargin / 2.0) / tw);
    at.time = (pos.y() - verticalMargin / 2.0) / pps * dt0 + first.delay;
    at.delay0 = first.delay;
    at.usableTimeScale =
        std::isfinite(dt0) && dt0 > 0.0 && dt0 < DBL_MAX && std::isfinite(pps) && pps > 0.0;
    at.traces = set.traces.size();
    at.entries = record.ttMisurati.size();
    return true;
}

bool drawTraces::setPick(const CursorPosition& at, Qt::KeyboardModifiers modifiers)
{
    if (!(at.column >= 0.0 && at.column < double(at.traces) && at.column < double(at.entries)))
        return false;
    double value = Pick::Unusable;
    if (modifiers != Qt::ShiftModifier) {
        // A time before the first sample, or at or before the shot (which
        // would also read as a mark: 0 not picked, -1 or less rejected), is
        // no first break.
        if (!at.usableTimeScale || !std::isfinite(at.time) || at.time < at.delay0 ||
            !(at.time > 0.0))
            return false;
        value = at.time;
    }
    document->setPickTime(uint32_t(shotIndex), uint32_t(at.column), value);
    if (travelTimeView) {
        travelTimeView->setShotIndex(shotIndex);
        travelTimeView->setDocument(document);
        travelTimeView->update();
    }
    document->modified = true;
    emit pick_edited();
    update();
    return true;
}

void drawTraces::mouseMoveEvent(QMouseEvent* event)
{
    CursorPosition at;
    if (!cursorPosition(event->pos(), at))
        return;
    const int channel = std::isfinite(at.column) ? clampedPixel(at.column, -1.0, 1e9) + 1 : 0;
    setToolTip(tr("ch: <b>%1</b> Time: %2")
                   .arg(QString::number(channel), QString::number(at.time, 'g', 6)));
    setToolTipDuration(1000);
    emit mouse_moved(shotIndex);
    if (event->buttons() == Qt::LeftButton && pickingEnabled)
        setPick(at, event->modifiers());
}

void drawTraces::mouseReleaseEvent(QMouseEvent* event)
{
    CursorPosition at;
    if (!pickingEnabled || !cursorPosition(event->pos(), at))
        return;
    setPick(at, event->modifiers());
    // Shows the repaints at once. Pending commands run here too and may remove
    // this panel, so nothing may follow.
    QCoreApplication::processEvents();
}
