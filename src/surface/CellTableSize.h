#pragma once

#include <cstddef>
#include <cstdint>

#include "surface/CellTable.h"

namespace surface {

// The cap on the memory a surface takes, per cell: the cell table and the one
// shown before the last draw (kept for a cancel, then reused), the painter's order
// of each (row number, centre, depth key and two sort keys: 36 bytes), and the
// painter's working memory (corners in pixels, 32-bit at worst, fill colour, the
// edge lines' ends and border of "Lines", and the bands a cell reaches). The cap
// stops short of what would exhaust or swap the machine.
constexpr std::size_t CellTableByteCap = std::size_t{1} << 30;
constexpr std::size_t PainterOrderBytesPerCell = 36;
constexpr std::size_t PainterBytesPerCell = 32 + 4 + 32 + 1 + 2;
constexpr std::size_t SurfaceBytesPerCell =
    2 * sizeof(Cell) + 2 * PainterOrderBytesPerCell + PainterBytesPerCell;

// Index N of the table's last row: Resolution² - 1, the square taken in double,
// rounded half to even. It depends on the resolution alone, not on how many cells
// the walks reach. Raises Overflow when N does not fit a 32-bit integer.
int32_t LastCellRow(float resolution);

// Whether the table for this resolution has a row count that fits and stays within
// CellTableByteCap.
bool CellTableFits(float resolution);

// The largest whole resolution whose table fits, for the refusal message.
int LargestFittingResolution();

}  // namespace surface
