#pragma once
// Palette files: one ColorPalette per cereal XML archive, its elements placed
// directly under the root "cereal". Doubles are written with 17 significant
// digits and read with std::stod, so LC_NUMERIC must be "C".

#include "colorpalette.h"

#include <string>

// Creates or replaces the file, whole or not at all (writeWholeFile): on
// failure an older file keeps its bytes and *reason, when given, says why.
bool savePaletteFile(const ColorPalette& palette, const std::string& path,
                     std::string* reason = nullptr);

// ColorPalette::load without its catch, for lists of palettes: a failed
// palette leaves the archive inside it, so the whole list must fail.
void loadPaletteRecord(ColorPalette& palette, cereal::XMLInputArchive& archive);

// False for a file that cannot be opened, is not XML, has no "cereal" root or
// lacks an element; palette is changed only on success.
bool loadPaletteFile(ColorPalette& palette, const std::string& path);
