#include "showgeometry.h"

#include "shotcolors.h"
#include "zoomgeometry_dialog.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <iostream>

namespace
{
constexpr int Margin = 30;

struct TickSteps {
    double major = 0.0;
    double minor = 0.0; // 0: no minor ticks
};

// Steps of whole metres along the line.
TickSteps xSteps(double dx)
{
    const double span = std::fabs(dx);
    if (span < 10)
        return {1, 0};
    if (span < 20)
        return {2, 1};
    if (span < 50)
        return {5, 1};
    if (span < 100)
        return {10, 2};
    const double major = std::trunc(span / 10);
    return {major, std::trunc(major / 5)};
}

TickSteps zSteps(double dz)
{
    if (dz < 2)
        return {dz / 5, dz / 10};
    if (dz < 5)
        return {1, 0.5};
    if (dz < 10)
        return {2, 1};
    if (dz < 50)
        return {5, 1};
    if (dz < 250)
        return {10, 2};
    if (dz < 500)
        return {50, 10};
    const double major = std::trunc(dz / 10);
    return {major, std::trunc(major / 5)};
}

// first, first + step, ... up to last. Counted on an integer so that a step
// lost in the rounding of first (a span of a few ulps) cannot loop forever.
std::vector<double> ticksFrom(double first, double step, double last)
{
    constexpr int MaxTicks = 10000;
    std::vector<double> ticks;
    if (!(step > 0) || !std::isfinite(first) || !std::isfinite(step))
        return ticks;
    for (int k = 0; k < MaxTicks; ++k) {
        const double v = first + k * step;
        if (v > last || (!ticks.empty() && v == ticks.back()))
            break;
        ticks.push_back(v);
    }
    return ticks;
}

// Tick positions along x are whole numbers; beyond this the integer rule
// cannot be evaluated (only absurd data gets there).
constexpr double LargestTickValue = 1e15;

bool usableForTicks(double minX, double step)
{
    return std::fabs(minX) < LargestTickValue && step >= 1 && step < LargestTickValue;
}

// The first major x tick: one full step above ceil(minX) when that is a multiple.
std::vector<double> xMajorTicks(const GeometryTransform& t)
{
    const TickSteps steps = xSteps(t.dx);
    if (!usableForTicks(t.minX, steps.major))
        return {};
    const long long c = static_cast<long long>(std::ceil(t.minX));
    const long long major = static_cast<long long>(steps.major);
    return ticksFrom(double(c - c % major + major), steps.major, t.maxX);
}

// Minor x ticks at every multiple of the step from the first one not below ceil(minX).
std::vector<double> xMinorTicks(const GeometryTransform& t)
{
    const TickSteps steps = xSteps(t.dx);
    if (!usableForTicks(t.minX, steps.minor))
        return {};
    const long long c = static_cast<long long>(std::ceil(t.minX));
    const long long minor = static_cast<long long>(steps.minor);
    const long long r = c % minor;
    const long long first = r == 0 ? c : (r > 0 ? c - r + minor : c - r);
    return ticksFrom(double(first), steps.minor, t.maxX);
}

double firstZTick(double c, double step)
{
    return std::trunc(step - std::trunc(std::fmod(c, step)) + c);
}

std::vector<double> zMajorTicks(const GeometryTransform& t)
{
    const TickSteps steps = zSteps(t.dz);
    const double c = t.minZ < 0 ? std::floor(t.minZ) : std::ceil(t.minZ);
    return ticksFrom(firstZTick(c, steps.major), steps.major, t.maxZ);
}

std::vector<double> zMinorTicks(const GeometryTransform& t)
{
    const TickSteps steps = zSteps(t.dz);
    return ticksFrom(firstZTick(std::floor(t.minZ), steps.minor), steps.minor, t.maxZ);
}

// Pixel coordinates are truncated. A value within rounding noise of a whole
// pixel is that pixel: 440 / (1.1 * 100) is 3.9999999999999996 in doubles, and
// truncating 5 * that would move the marker one pixel left. Positions far off
// the plot are pinned outside it rather than overflowing the int.
int pixel(double v)
{
    constexpr double Far = 1e6;
    if (!(v > -Far))
        return -int(Far);
    if (!(v < Far))
        return int(Far);
    const double nearest = std::round(v);
    return int(std::fabs(v - nearest) < 1e-6 ? nearest : std::trunc(v));
}

QPen gridPen()
{
    QPen pen(QColor(160, 160, 164));
    pen.setWidthF(0.5);
    pen.setStyle(Qt::DashLine);
    return pen;
}

void printExtents(double maxX, double minX)
{
    std::cout << "Geom Max X " << maxX << " min X " << minX << std::endl;
}
} // namespace

GeometryTransform::GeometryTransform()
{
    const auto& cycle = shotColors();
    std::copy(cycle.begin(), cycle.end(), colors.begin());
    colors[16] = QColor("#0030aa");
    colors[17] = QColor("#000000");
}

void GeometryTransform::setExtents(double minX_, double maxX_, double minZ_, double maxZ_,
                                   double W_, double H_)
{
    minX = minX_;
    maxX = maxX_;
    minZ = minZ_;
    maxZ = maxZ_;
    W = W_;
    H = H_;
    dx = maxX - minX;
    dz = maxZ - minZ;
    if (dx > 0) {
        xOffset = 0.05 * std::fabs(dx);
        xScale = W / (1.1 * std::fabs(dx));
    }
    if (dz > 0) {
        zOffset = 0.1 * std::fabs(dz);
        zScale = H / (1.2 * std::fabs(dz));
        zTranslation = -zScale * minZ;
    } else if (dz == 0) {
        zTranslation = H / 2;
    }
}

showGeometry::showGeometry(QWidget* parent) : QWidget(parent) {}

showGeometry::~showGeometry() = default;

void showGeometry::mouseReleaseEvent(QMouseEvent*)
{
    // The enlarged plot shows this plot's data; the dialog is modal, so the
    // pointers stay valid while it is open.
    zoomGeometry_Dialog dialog(this);
    showGeometry* plot = dialog.plot();
    plot->geometrySpreads = geometrySpreads;
    plot->geometryShots = geometryShots;
    plot->geometryShift = geometryShift;
    plot->update();
    dialog.exec();
}

void showGeometry::paintEvent(QPaintEvent*)
{
    if (!geometrySpreads && !geometryShots)
        return;

    QPainter painter(this);
    plotWidth = width() - 2 * Margin;
    plotHeight = height() - 2 * Margin;
    minX = 999999999.0;
    maxX = -999999999.0;
    maxZ = -99999999.0;
    minZ = 99999999.0;

    QImage markers(int(plotWidth), int(plotHeight), QImage::Format_ARGB32);
    markers.fill(Qt::transparent);
    painter.fillRect(rect(), Qt::white);

    auto widen = [this](const Point2D& p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minZ = std::min(minZ, p.z);
        maxZ = std::max(maxZ, p.z);
    };
    if (geometryShots)
        for (const TravelTime& shot : *geometryShots)
            widen(shot.shotPos2d);
    if (geometrySpreads)
        for (const auto& spread : *geometrySpreads)
            for (const Point2D& receiver : spread)
                widen(receiver);

    GeometryTransform t;
    t.setExtents(minX, maxX, minZ, maxZ, plotWidth, plotHeight);

    // A plot squeezed below its margins has no marker image.
    if (!markers.isNull()) {
        QPainter imagePainter(&markers);
        if (geometryShots)
            for (size_t s = 0; s < geometryShots->size(); ++s)
                drawShot(t, imagePainter, (*geometryShots)[s].shotPos2d.x,
                         (*geometryShots)[s].shotPos2d.z, s);
        if (geometrySpreads)
            for (size_t g = 0; g < geometrySpreads->size(); ++g)
                for (const Point2D& receiver : (*geometrySpreads)[g]) {
                    std::cout << "Drawing geophone [ " << receiver.x << ", " << receiver.z << "]"
                              << std::endl;
                    drawGeophone(t, imagePainter, receiver.x, receiver.z, g);
                }
    }

    drawZTicks(t, painter);
    drawXTicks(t, painter);
    painter.drawImage(Margin, Margin, markers);
    painter.setPen(QPen(Qt::black, 1));
    drawXAxis(t, painter);
    drawZAxis(t, painter);
}

namespace
{
QPen markerPen(const QColor& color)
{
    return QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}
} // namespace

void showGeometry::drawGeophone(const GeometryTransform& t, QPainter& painter, double x, double z,
                                size_t spread)
{
    painter.setPen(markerPen(t.receiverColor(spread)));
    painter.setBrush(Qt::NoBrush);
    const int px = pixel(t.px(x));
    const int pz = pixel(t.pz(z));
    // A triangle pointing down onto the receiver, and a stem into the ground.
    painter.drawLine(px, pz, px - 5, pz - 5);
    painter.drawLine(px, pz, px + 5, pz - 5);
    painter.drawLine(px + 5, pz - 5, px - 5, pz - 5);
    painter.drawLine(px, pz, px, pz + 4);
}

void showGeometry::drawShot(const GeometryTransform& t, QPainter& painter, double x, double z,
                            size_t shot)
{
    painter.setPen(markerPen(t.shotColor(shot)));
    painter.setBrush(Qt::NoBrush);
    const int px = pixel(t.px(x));
    const int pz = pixel(t.pz(z));
    painter.drawRect(px - 5, pz - 4, 10, 4);
    painter.drawLine(px, pz, px, pz + 4);
}

void showGeometry::drawXTicks(const GeometryTransform& t, QPainter& painter)
{
    printExtents(maxX, minX);
    painter.save();
    painter.setPen(gridPen());
    const int bottom = Margin + pixel(t.H);
    for (double v : xMajorTicks(t)) {
        const int column = Margin + pixel(t.px(v));
        painter.drawLine(column, Margin, column, bottom);
    }
    painter.restore();
}

void showGeometry::drawXAxis(const GeometryTransform& t, QPainter& painter)
{
    std::cout << "shift geom " << geometryShift << std::endl;
    printExtents(maxX, minX);
    const QFontMetrics metrics = painter.fontMetrics();
    auto label = [&](int column, int baseline, const QString& text) {
        painter.drawText(column - metrics.horizontalAdvance(text) / 2, baseline, text);
    };

    painter.drawLine(Margin, Margin, Margin + pixel(t.W), Margin);
    for (double v : xMajorTicks(t)) {
        const int column = Margin + pixel(t.px(v));
        painter.drawLine(column, Margin, column, Margin - 8);
        label(column, 21, QString::number(static_cast<long long>(v)));
    }
    for (double v : xMinorTicks(t)) {
        const int column = Margin + pixel(t.px(v));
        painter.drawLine(column, Margin, column, Margin - 3);
    }
    if (minX <= 0 && 0 <= maxX) {
        const int column = Margin + pixel(t.px(0));
        painter.drawLine(column, Margin, column, Margin - 8);
        label(column, 22, QStringLiteral("0"));
    }
}

void showGeometry::drawZTicks(const GeometryTransform& t, QPainter& painter)
{
    painter.save();
    painter.setPen(gridPen());
    const int right = Margin + pixel(t.W);
    auto line = [&](double v) {
        const int row = Margin + pixel(t.pz(v));
        painter.drawLine(Margin, row, right, row);
    };
    if (t.dz > 0)
        for (double v : zMajorTicks(t))
            line(v);
    else if (t.dz == 0)
        line(minZ);
    painter.restore();
}

void showGeometry::drawZAxis(const GeometryTransform& t, QPainter& painter)
{
    const QFontMetrics metrics = painter.fontMetrics();
    // Labels show the negated elevation.
    auto tick = [&](double v) {
        const int row = Margin + pixel(t.pz(v));
        painter.drawLine(Margin, row, Margin - 5, row);
        const QString text = QString::number(-v, 'g', 6);
        painter.drawText(22 - metrics.horizontalAdvance(text), row + metrics.ascent() / 2, text);
    };
    if (t.dz > 0) {
        for (double v : zMajorTicks(t))
            tick(v);
        for (double v : zMinorTicks(t)) {
            const int row = Margin + pixel(t.pz(v));
            painter.drawLine(Margin, row, Margin - 3, row);
        }
    } else if (t.dz == 0) {
        tick(minZ);
    }

    const int right = Margin + pixel(t.W);
    const int bottom = Margin + pixel(t.H);
    painter.drawLine(Margin, Margin, Margin, bottom);
    painter.drawLine(right, Margin, right, bottom);
    painter.drawLine(right, bottom, Margin, bottom);
}
