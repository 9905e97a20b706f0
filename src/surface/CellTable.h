#pragma once

#include <array>
#include <vector>

namespace surface {

// The columns of one surface cell: four corners and the centre in drawing-cube
// units, the depth key of the last redraw and the colour code of the last build.
// clang-format off
enum CellColumn : int {
  Corner0X, Corner0Y, Corner0Z,
  Corner1X, Corner1Y, Corner1Z,
  Corner2X, Corner2Y, Corner2Z,
  Corner3X, Corner3Y, Corner3Z,
  MidX, MidY, MidZ,
  Depth,
  ColorCode,
  CellColumnCount
};
// clang-format on

using Cell = std::array<float, CellColumnCount>;
// The cell table, rows 0 to N in walk order until a redraw sorts them by depth.
using CellTable = std::vector<Cell>;

}  // namespace surface
