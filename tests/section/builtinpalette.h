#pragma once
// A built-in palette by name; an empty palette when there is none.

#include "colorpalette.h"

#include <string>

inline ColorPalette builtIn(const std::string& name)
{
    for (const ColorPalette& p : builtInPalettes().palettes)
        if (p.name == name)
            return p;
    return {};
}
