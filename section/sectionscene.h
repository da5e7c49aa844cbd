#pragma once
// Pieces shared by the on-screen scene and the off-screen pictures of the
// section view.

#include <vtkActor.h>
#include <vtkPolyDataMapper.h>
#include <vtkSmartPointer.h>
#include <vtkStructuredGrid.h>

namespace sectionscene
{

// Display types drawn with velocity contours, and with rays.
constexpr bool inSet(unsigned mask, int type)
{
    return type >= 0 && type < 32 && (mask >> type) & 1u;
}
constexpr bool isContourType(int type)
{
    return inSet(0x490c, type);
} // 2, 3, 8, 11, 14
constexpr bool isRayType(int type)
{
    return inSet(0x9210, type);
} // 4, 9, 12, 15

// Name of the point array that colours display type t.
const char* arrayNameOfType(int type);
// Mode title of display type t, untranslated; null outside the table.
const char* modeTitle(int type);

struct SectionActor {
    vtkSmartPointer<vtkActor> actor;
    vtkSmartPointer<vtkPolyDataMapper> mapper;
};
// The grid's visible quadrilaterals, coloured by the named point array.
SectionActor makeSectionActor(vtkStructuredGrid* grid, const char* arrayName);

} // namespace sectionscene
