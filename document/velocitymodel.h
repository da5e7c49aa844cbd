#pragma once
// The layered starting model: rows of (initial depth, velocity, final depth,
// velocity) become a cubic spline of velocity against depth, from which a new
// grid of the current grid's size is built. Depths in metres below the
// surface, velocities in m/s.

#include "records.h"

#include <cstddef>
#include <vector>

class TomoDocument;

// Why a list of rows cannot make a model. The spline runs through three points
// per row, (d1, v1), ((d1 + d2) / 2, (v1 + v2) / 2) and (d2 - 0.01, v2), and
// these must strictly increase in depth over all rows.
struct LayerCheck {
    enum Problem { Ok, NoLayer, TooThin, Overlapping };
    Problem problem = Ok;
    size_t row = 0; // the first row at fault
};
// Rows must be sorted by initial depth without overlapping, each more than
// 0.02 m thick, with non-negative depths.
LayerCheck checkVelocityLayers(const std::vector<VelocityLayer>& layers);

// The spline's points for rows that pass checkVelocityLayers.
void velocitySplinePoints(const std::vector<VelocityLayer>& layers, std::vector<double>& depths,
                          std::vector<double>& velocities);

// Builds the new grid (velocities held at the document's minVelocity or
// above) with the current grid's rows, columns, nodes and cell side, and only
// when it succeeds installs it, stores the rows as velocityLayers and drops the
// results of an earlier inversion. False, with the document untouched, when
// there is no grid, the rows fail the check or the grid cannot be built.
bool applyVelocityModel(TomoDocument& document, const std::vector<VelocityLayer>& layers);

// A new starting model makes every inversion result stale: no results flag,
// RMSE -1, no rays, computed times 0 and the information density unset.
void discardInversionResults(TomoDocument& document);
