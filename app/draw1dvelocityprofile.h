#pragma once
// Plot of the layered starting model: velocity (m/s) to the right along the
// top edge, depth (m) downwards along the left edge, both axes from a corner
// 30 px inside the widget and 10 % longer than their maximum.

#include "records.h"

#include <QWidget>

#include <vector>

class QPaintEvent;

// Spacing of the long (labelled) and short ticks of an axis whose largest
// value is `maximum`.
struct TickSteps {
    double major = 0.0;
    double minor = 0.0;
};
TickSteps velocityTickSteps(double maximum);
TickSteps depthTickSteps(double maximum);

class draw1DVelocityProfile : public QWidget
{
    Q_OBJECT

public:
    explicit draw1DVelocityProfile(QWidget* parent = nullptr);

    // The depth axis runs to depthMax; the velocity axis to the largest
    // velocity seen so far, which never shrinks while the plot lives.
    void setLayers(double depthMax, const std::vector<VelocityLayer>& layers);

    double velocityMax = 0.0;
    double depthMax = 0.0;
    double velocityScale = 0.0; // px per m/s, set when painted
    double depthScale = 0.0;    // px per m
    std::vector<VelocityLayer> profileLayers;

protected:
    void paintEvent(QPaintEvent* event) override;
};
