#pragma once
// Small surveys for the engine tests: flat ground, one spread, shots on it.

#include "Splines.hh"
#include "grid.h"
#include "tomodocument.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fixture
{

// Ground at elevation 0 everywhere the tests look (grid x 0 .. 10 km).
std::unique_ptr<Splines::LinearSpline> flatGround();

// Slowness per cell from a velocity (m/s) given by the cell's row.
std::vector<double> slownessByRow(uint32_t rows, uint32_t cols,
                                  const std::function<double(uint32_t row)>& velocity);

// One spread of receivers at x (elevation 0) and one record per shot on it
// with all picks 0; xShift = 1 - the smallest abscissa. Installs a flat
// topography spline.
void setSurvey(TomoDocument& doc, const std::vector<double>& receivers,
               const std::vector<double>& shots);

// Number of error lines ("] ERROR : ") in a log file.
int errorLines(const std::string& logPath);

// Largest z (deepest point) of the nodes of a path.
double deepestNode(const Grid& grid, const std::vector<int>& path);

} // namespace fixture
