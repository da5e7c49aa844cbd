#pragma once
// The tomographic grid: cells of side aLato under the topography, rows righe
// and columns col, with nV nodes per cell side. Grid x is profile x + xShift;
// grid z grows downwards.

#include <cstdint>
#include <vector>

class Grid {
public:
    uint32_t righe = 0;
    uint32_t col = 0;
    uint32_t nV = 0;
    double aLato = 0.0;
};
