#pragma once

#include "surface/ColorMode.h"

namespace surface {

// The colour code of one cell, computed when the cell table is built: in "Lines"
// 1 or 2 for the first and last column of cells, in "Colors" the colour of the
// height band of the centre, in "Rnd Colors" a colour mixed from |midZ|, in "Grid" 0.
// x is the cell's low x as the walk holds it. Raises runtime::RuntimeError where the
// code cannot be computed.
float CellColorCode(ColorMode mode, float x, float dx, float xMin, float xMax, float midZ);

}  // namespace surface
