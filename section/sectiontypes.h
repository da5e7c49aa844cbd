#pragma once
// The display types of the section view: which values colour the section,
// what is drawn over it, its title and the bar's label, in one table. The
// view's and the pictures' interfaces carry a type as its int value.

#include <initializer_list>

enum class SectionType : int {
    VelocityContours = 2,
    FilledContours = 3,
    VelocityRays = 4,
    Velocity = 5,
    Current = 6, // not a type: showProfile keeps the type in force
    Gradient = 7,
    GradientContours = 8,
    GradientRays = 9,
    Laplacian = 10,
    LaplacianContours = 11,
    LaplacianRays = 12,
    Density = 13,
    DensityContours = 14,
    DensityRays = 15,
};

// The values a type colours the section with.
enum class SectionFamily { Velocity, Gradient, Laplacian, Density };
// What is drawn over the section.
enum class SectionOverlay { None, Contours, Rays };

struct SectionTypeInfo {
    SectionType type;
    SectionFamily family;
    SectionOverlay overlay;
    // Mode title, untranslated (context "vtkViewer").
    const char* title;
    // The off-screen pictures draw this type as it is; the others (the
    // density layer) as plain velocity without a title.
    bool pictured;
};

namespace sectiontypes
{

// The row of type t; null for a value outside the table (6 included).
const SectionTypeInfo* info(int t);
// Outside the table a type colours velocity with nothing drawn over it.
SectionFamily familyOf(int t);
SectionOverlay overlayOf(int t);
// The title, untranslated; null outside the table.
const char* titleOf(int t);
// The type of a family with an overlay.
SectionType typeOf(SectionFamily family, SectionOverlay overlay);
// What the off-screen pictures draw for type t.
SectionFamily picturedFamily(int t);
SectionOverlay picturedOverlay(int t);

// The point array of a family, selected by name.
const char* arrayName(SectionFamily family);
// The colour bar's title of a family.
const char* barLabel(SectionFamily family);

constexpr int value(SectionType t)
{
    return static_cast<int>(t);
}
inline bool isOneOf(int t, std::initializer_list<SectionType> set)
{
    for (SectionType s : set)
        if (value(s) == t)
            return true;
    return false;
}

} // namespace sectiontypes
