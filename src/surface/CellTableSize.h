#pragma once

#include <cstddef>
#include <cstdint>

#include "surface/CellTable.h"

namespace surface {

// The cap on the memory a surface takes: its cell table, plus what every redraw
// keeps beside it to reorder the rows (a second table and two 8-byte sort keys per
// cell). Resolution 1000 needs 152 MB in all; the cap stops short of what would
// exhaust or swap the machine (about resolution 2650).
constexpr std::size_t CellTableByteCap = std::size_t{1} << 30;
constexpr std::size_t SurfaceBytesPerCell = 2 * sizeof(Cell) + 2 * sizeof(uint64_t);

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
