#pragma once
// The survey line in profile: every receiver of every spread and every shot
// at (x along the line, elevation z), in metres, with an x axis on top, a z
// axis on the left and dashed grid lines. It reads its data afresh on every
// paint; the owner repaints it after a change. A click opens an enlarged copy.

#include "records.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <vector>

class QPainter;

// Maps survey positions to pixels of the W x H marker image: 5 % margins on
// both sides in x, 10 % above and below in z, z upwards. A line of constant
// elevation (dz = 0) lies at mid-height; one abscissa (dx = 0) at the left edge.
struct GeometryTransform {
    GeometryTransform();
    void setExtents(double minX, double maxX, double minZ, double maxZ, double W, double H);

    double px(double x) const { return (x + xOffset - minX) * xScale; }
    double pz(double z) const { return H - (z + zOffset) * zScale - zTranslation; }

    // Spread g; the last colour of the list is kept for shots.
    const QColor& receiverColor(size_t spread) const { return colors[spread % 17]; }
    // Shots run backwards through the list from its first colour: 0, 17, 16, ...
    const QColor& shotColor(size_t shot) const { return colors[(18 - shot % 18) % 18]; }

    double minX = 0.0;
    double maxX = 0.0;
    double minZ = 0.0;
    double maxZ = 0.0;
    double dx = 0.0;
    double dz = 0.0;
    double W = 0.0;
    double H = 0.0;
    double xOffset = 0.0;
    double xScale = 0.0;
    double zOffset = 0.0;
    double zScale = 0.0;
    double zTranslation = 0.0;
    // The shot colour cycle, then #0030aa and #000000.
    std::array<QColor, 18> colors;
};

class showGeometry : public QWidget
{
    Q_OBJECT

public:
    explicit showGeometry(QWidget* parent = nullptr);
    ~showGeometry() override;

    // Not owned; the geometry dialog points them at its working copies.
    const std::vector<std::vector<Point2D>>* geometrySpreads = nullptr;
    const std::vector<TravelTime>* geometryShots = nullptr; // drawn at shotPos2d
    double geometryShift = 0.0;                             // the document's xShift; only reported

    // Extents and plot size of the last paint.
    double minX = 999999999.0;
    double maxX = -999999999.0;
    double maxZ = -99999999.0;
    double minZ = 99999999.0;
    double plotWidth = 0.0;
    double plotHeight = 0.0;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawGeophone(const GeometryTransform& t, QPainter& painter, double x, double z,
                      size_t spread);
    void drawShot(const GeometryTransform& t, QPainter& painter, double x, double z, size_t shot);
    void drawXAxis(const GeometryTransform& t, QPainter& painter);
    void drawXTicks(const GeometryTransform& t, QPainter& painter);
    void drawZAxis(const GeometryTransform& t, QPainter& painter);
    void drawZTicks(const GeometryTransform& t, QPainter& painter);
};
