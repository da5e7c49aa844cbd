#pragma once
// Pieces shared by the on-screen scene and the off-screen pictures of the
// section view.

#include <vtkActor.h>
#include <vtkPolyDataMapper.h>
#include <vtkSmartPointer.h>
#include <vtkStructuredGrid.h>

namespace sectionscene
{

struct SectionActor {
    vtkSmartPointer<vtkActor> actor;
    vtkSmartPointer<vtkPolyDataMapper> mapper;
};
// The grid's visible quadrilaterals, coloured by the named point array.
SectionActor makeSectionActor(vtkStructuredGrid* grid, const char* arrayName);

} // namespace sectionscene
