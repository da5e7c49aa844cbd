#include "velocitymodel.h"

#include "Splines.hh"
#include "grid.h"
#include "tomodocument.h"

#include <exception>
#include <memory>

LayerCheck checkVelocityLayers(const std::vector<VelocityLayer>& layers)
{
    if (layers.empty())
        return {LayerCheck::NoLayer, 0};
    for (size_t i = 0; i < layers.size(); ++i) {
        const VelocityLayer& l = layers[i];
        if (!(l.initialDepth >= 0.0) || !(l.finalDepth - l.initialDepth > 0.02))
            return {LayerCheck::TooThin, i};
        if (i > 0 && !(l.initialDepth >= layers[i - 1].finalDepth))
            return {LayerCheck::Overlapping, i};
    }
    return {};
}

void velocitySplinePoints(const std::vector<VelocityLayer>& layers, std::vector<double>& depths,
                          std::vector<double>& velocities)
{
    depths.clear();
    velocities.clear();
    for (const VelocityLayer& l : layers) {
        depths.insert(depths.end(),
                      {l.initialDepth, (l.initialDepth + l.finalDepth) * 0.5, l.finalDepth - 0.01});
        velocities.insert(
            velocities.end(),
            {l.initialVelocity, (l.initialVelocity + l.finalVelocity) * 0.5, l.finalVelocity});
    }
}

bool applyVelocityModel(TomoDocument& document, const std::vector<VelocityLayer>& layers)
{
    if (!document.grid || document.grid->numberOfCells() == 0 || !document.topography)
        return false;
    if (checkVelocityLayers(layers).problem != LayerCheck::Ok)
        return false;
    try {
        std::vector<double> depths, velocities;
        velocitySplinePoints(layers, depths, velocities);
        Splines::CubicSpline spline("CubicSpline", false);
        spline.buildFromPoints(depths.data(), 1, velocities.data(), 1,
                               static_cast<uint32_t>(depths.size()));
        const Grid& old = *document.grid;
        auto next = std::make_unique<Grid>(old.righe, old.col, old.nV, old.aLato,
                                           *document.topography, spline, document.minVelocity);
        if (next->numberOfCells() == 0)
            return false;
        document.grid = std::move(next);
    } catch (const std::exception&) {
        return false;
    }
    document.velocityLayers = layers;
    discardInversionResults(document);
    return true;
}

void discardInversionResults(TomoDocument& document)
{
    document.resetTomographyResults();
    document.info_density.clear();
    document.resetInfoDensity();
}
