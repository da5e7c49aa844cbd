#pragma once
// Small sections for the section-view tests: flat ground at elevation 0, square
// cells of 1 m, velocities given per cell.

#include "tomodocument.h"

#include <QImage>

#include <functional>
#include <string>

class vtkViewer;
struct refractionDataStructure;

namespace sectionfixture
{

using VelocityOf = std::function<double(uint32_t row, uint32_t column)>;

// Replaces the document's grid by rows x columns cells of side `cell` with the
// given velocities, all active, and sets xShift. Geophones every `spacing`
// metres along the top and a shot at each end.
void setSection(TomoDocument& doc, uint32_t rows, uint32_t columns, const VelocityOf& velocity,
                double cell = 1.0, double xShift = 1.0);
void addSurvey(TomoDocument& doc, double spacing);

// The section of the rendering baselines: 12 x 40 cells of 1 m, velocity
// rising with depth and bending sideways, the lower corners outside the
// covered area, an information density, V-shaped rays from three shots, a
// survey on top and one refractor at about 5 m. Contours at 5 equally spaced
// levels once the view has its arrays (see showcaseContours).
void setShowcase(TomoDocument& doc, refractionDataStructure& refraction);
void showcaseContours(vtkViewer& view);
// Fits the palette's range to the values that display type t colours, as the
// main window does.
void fitPalette(vtkViewer& view, int type);

// Shows the view at width x height, waits for it to be exposed, builds its
// arrays and fits the camera.
void showView(vtkViewer& view, int width, int height);
// The view's frame buffer after a render.
QImage grab(vtkViewer& view);

} // namespace sectionfixture
