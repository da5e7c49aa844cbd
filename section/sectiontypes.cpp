#include "sectiontypes.h"

#include <QCoreApplication>

namespace sectiontypes
{

namespace
{
using F = SectionFamily;
using O = SectionOverlay;
using T = SectionType;

const SectionTypeInfo table[] = {
    {T::VelocityContours, F::Velocity, O::Contours,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Velocity with Isolines"), true},
    {T::FilledContours, F::Velocity, O::Contours,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Velocity with Filled Isolines"), true},
    {T::VelocityRays, F::Velocity, O::Rays,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Velocity with Rays"), true},
    {T::Velocity, F::Velocity, O::None,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Velocity"), true},
    {T::Gradient, F::Gradient, O::None,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Vertical Gradient"), true},
    {T::GradientContours, F::Gradient, O::Contours,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Vertical Gradient with Isolines"), true},
    {T::GradientRays, F::Gradient, O::Rays,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Vertical Gradient with Rays"), true},
    {T::Laplacian, F::Laplacian, O::None,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Laplacian Gradient"), true},
    {T::LaplacianContours, F::Laplacian, O::Contours,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Laplacian Gradient with Isolines"),
     true},
    {T::LaplacianRays, F::Laplacian, O::Rays,
     QT_TRANSLATE_NOOP("vtkViewer", "Tomographic Profile - Laplacian Gradient with Rays"), true},
    {T::Density, F::Density, O::None, QT_TRANSLATE_NOOP("vtkViewer", "Ray density"), false},
    {T::DensityContours, F::Density, O::Contours, QT_TRANSLATE_NOOP("vtkViewer", "Ray density"),
     false},
    {T::DensityRays, F::Density, O::Rays, QT_TRANSLATE_NOOP("vtkViewer", "Ray density"), false},
};
} // namespace

const SectionTypeInfo* info(int t)
{
    for (const SectionTypeInfo& row : table)
        if (value(row.type) == t)
            return &row;
    return nullptr;
}

SectionFamily familyOf(int t)
{
    const SectionTypeInfo* row = info(t);
    return row ? row->family : F::Velocity;
}

SectionOverlay overlayOf(int t)
{
    const SectionTypeInfo* row = info(t);
    return row ? row->overlay : O::None;
}

const char* titleOf(int t)
{
    const SectionTypeInfo* row = info(t);
    return row ? row->title : nullptr;
}

SectionType typeOf(SectionFamily family, SectionOverlay overlay)
{
    for (const SectionTypeInfo& row : table)
        if (row.family == family && row.overlay == overlay && row.type != T::FilledContours)
            return row.type;
    return T::Velocity;
}

SectionFamily picturedFamily(int t)
{
    const SectionTypeInfo* row = info(t);
    return row && row->pictured ? row->family : F::Velocity;
}

SectionOverlay picturedOverlay(int t)
{
    const SectionTypeInfo* row = info(t);
    return row && row->pictured ? row->overlay : O::None;
}

const char* arrayName(SectionFamily family)
{
    switch (family) {
    case F::Gradient:
        return "VerticalGradientIsovalues";
    case F::Laplacian:
        return "LaplacianIsovalues";
    case F::Density:
        return "information_density";
    default:
        return "Isovalues";
    }
}

const char* barLabel(SectionFamily family)
{
    return family == F::Density ? "ray/cell" : "(m/s)";
}

} // namespace sectiontypes
