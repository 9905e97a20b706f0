#pragma once

#include <array>

#include "runtime/LargeBuffer.h"

namespace surface {

// The columns of one surface cell: four corners and the centre in drawing-cube
// units, and the colour code of the last build. Sixteen 32-bit floats: in a large
// table, whose memory starts on a page, each row is one cache line, and a redraw
// reads rows all over the table.
// clang-format off
enum CellColumn : int {
  Corner0X, Corner0Y, Corner0Z,
  Corner1X, Corner1Y, Corner1Z,
  Corner2X, Corner2Y, Corner2Z,
  Corner3X, Corner3Y, Corner3Z,
  MidX, MidY, MidZ,
  ColorCode,
  CellColumnCount
};
// clang-format on

using Cell = std::array<float, CellColumnCount>;
// The cell table, rows 0 to N in walk order.
using CellTable = runtime::LargeBuffer<Cell>;

}  // namespace surface
