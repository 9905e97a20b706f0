#pragma once

#include <cstddef>
#include <cstdint>

#include "surface/Spots.h"

namespace surface {

// The cap on the cell table's memory. Resolution 1000 needs 68 MB; the cap stops
// short of what would exhaust or swap the machine (about resolution 3973).
constexpr std::size_t SpotTableByteCap = std::size_t{1} << 30;

// Index N of the table's last row: Resolution² - 1, the square taken in double,
// rounded half to even. It depends on the resolution alone, not on how many cells
// the walks reach. Raises Overflow when N does not fit a 32-bit integer.
int32_t LastSpotRow(float resolution);

// Whether the table for this resolution has a row count that fits and stays within
// SpotTableByteCap.
bool SpotTableFits(float resolution);

// The largest whole resolution whose table fits, for the refusal message.
int LargestFittingResolution();

}  // namespace surface
