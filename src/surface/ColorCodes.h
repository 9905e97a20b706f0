#pragma once

#include <array>
#include <cstddef>
#include <limits>

#include "surface/ColorMode.h"

namespace surface {

// One height band of "Colors": the colour of the cells whose centre lies at or
// below `top` (cube units) and above the band before.
struct HeightBand {
  float top;
  float code;
};

// Bands of 30 cube units, lowest first. A value on a limit belongs to the lower
// band, except -90, which the lowest band leaves to the next.
inline constexpr std::array<HeightBand, 8> ColorsBands{{{-90, 14836592},
                                                        {-60, 9103237},
                                                        {-30, 12244339},
                                                        {0, 14799240},
                                                        {30, 15524795},
                                                        {60, 14707633},
                                                        {90, 7855338},
                                                        {std::numeric_limits<float>::infinity(), 1752042}}};

// The band of a cell's centre height v, as an index of ColorsBands.
std::size_t ColorsBandOf(float v);

// The colour code of one cell, computed when the cell table is built: in "Lines"
// 1 or 2 for the first and last column of cells, in "Colors" the colour of the
// height band of the centre, in "Rnd Colors" a colour mixed from |midZ|, in "Grid" 0.
// x is the cell's low x as the walk holds it. Raises runtime::RuntimeError where the
// code cannot be computed.
float CellColorCode(ColorMode mode, float x, float dx, float xMin, float xMax, float midZ);

}  // namespace surface
