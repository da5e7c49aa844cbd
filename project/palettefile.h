#pragma once
// Palette files: one ColorPalette per cereal XML archive, its elements placed
// directly under the root "cereal". Doubles are written with 17 significant
// digits and read with std::stod, so LC_NUMERIC must be "C".

#include "colorpalette.h"

#include <string>

// Creates or replaces the file. False when it cannot be opened, when writing
// throws, or when the stream has failed once the archive and file are closed
// (a full disk): the archive writes everything only at its end.
bool savePaletteFile(const ColorPalette& palette, const std::string& path);

// False for a file that cannot be opened, is not XML, has no "cereal" root or
// lacks an element; palette is changed only on success.
bool loadPaletteFile(ColorPalette& palette, const std::string& path);
