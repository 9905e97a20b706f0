#pragma once

#include <cstdint>

#include "surface/FormulaPoints.h"
#include "surface/Limits.h"

namespace surface {

// The range scan: walks the grid of Limits 1 to 5 with 32-bit float counters and
// stores the least and greatest formula value, both starting from 0, into
// Limits 6 (ZMin) and 7 (ZMax). Carries on past its own run-time errors. Returns
// the ParseError of its last evaluation (0 when it made none): -1 when that one
// found the formula malformed.
int16_t GetCoordinates(Limits& limits, const FormulaPoints& formula);

}  // namespace surface
