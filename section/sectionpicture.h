#pragma once
// One off-screen picture of the section, as the exports ask for it: the
// display type and every choice of the picture, passed whole from the export
// command to the view, which alone takes it apart.

#include "sectiontypes.h"

#include <QColor>

// The two off-screen scenes: the classic one (Times fonts, the window's own
// width as reference, a title band above the render) and the newer one
// (Arial fonts, the section cropped to its ink inside fixed margins).
enum class PictureStyle { Classic, New };

struct SectionPicture {
    SectionType type = SectionType::Velocity;
    PictureStyle style = PictureStyle::New;
    // The scene (with its alpha) and the margins.
    QColor background = Qt::white;
    // The bar's labels at the palette's stops rather than annotated values.
    bool equidistantLabels = false;
    bool horizontalBar = false;
    // Off-screen width in pixels; the height follows the grid's proportions.
    int width = 4096;
    // Factor on the label, axis and colour-bar fonts.
    double fontScale = 1.0;
};
