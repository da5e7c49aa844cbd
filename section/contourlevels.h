#pragma once
// Contour levels of the velocity section: the contour filter with its values,
// and the isovalue files (one value per line: value, delimiter, "true").

#include <vtkContourFilter.h>
#include <vtkDoubleArray.h>
#include <vtkSmartPointer.h>
#include <vtkStructuredGrid.h>

#include <set>
#include <string>
#include <vector>

// A contour filter on grid that contours `scalars` (selected by name, so it
// keeps contouring them whatever array is made active later). The range runs
// from the array's minimum over all points to its maximum over the visible
// points (-DBL_MAX when none is visible). Values: count >= 2 without custom
// values gives count + 1 equally spaced values over the range; otherwise the
// custom values, plus the middle of the range for count 1, or count equally
// spaced values including both ends for count >= 2. Side effect: scalars
// become the grid's active point scalars.
vtkSmartPointer<vtkContourFilter> makeContourFilter(vtkSmartPointer<vtkStructuredGrid> grid,
                                                    vtkSmartPointer<vtkDoubleArray> scalars,
                                                    std::set<double> customValues, int count);

// Writes the values in ascending order, each as "%g"-style text with 6
// significant digits, the delimiter (mapped: "(blank space)" is one blank) and
// "true", whole or not at all (writeWholeFile): false when the file cannot be
// written, with *reason (when given) saying why; an older file keeps its bytes.
bool writeIsovalues(const std::string& path, const std::string& delimiter,
                    const std::set<double>& values, std::string* reason = nullptr);

// Reads the first field of every line (split at any delimiter character, runs
// counting as one), converted as atof would in the C locale (parseLeadingAtof).
// Lines without a field are skipped; one trailing '\r' per line is dropped.
// False when the file cannot be opened or read, or when a line's first field
// begins with no number; `reason` then says "<path>: line <n>: not a number:
// <field>".
bool readIsovalues(const std::string& path, const std::string& delimiter,
                   std::vector<double>& values, std::string* reason = nullptr);
