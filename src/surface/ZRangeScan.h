#pragma once

#include <cstdint>

#include "surface/FormulaPoints.h"
#include "surface/Limits.h"

namespace surface {

// The range scan: walks the grid of the input limits with 32-bit float counters
// and stores the least and greatest formula value, both starting from 0, into
// ZMin and ZMax. Carries on past its own run-time errors. Returns
// the ParseError of its last evaluation (0 when it made none): -1 when that one
// found the formula malformed.
int16_t ScanZRange(Limits& limits, const FormulaPoints& formula);

}  // namespace surface
