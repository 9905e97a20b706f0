#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace surface {

// The step of a grid axis, (max - min) / resolution. The difference and the quotient
// are taken in double from the 32-bit ends and only the quotient is rounded: a float
// difference would round early and move the step for many ranges.
// Raises Overflow when the step falls outside the 32-bit float range.
float GridStep(float min, float max, float resolution);

// a + b and a - b in 32-bit float, as the walks and the cell corners form them;
// Overflow beyond the float range.
float AddSingle(float a, float b);
float SubtractSingle(float a, float b);

// The longest walk a resolution allows. Rounding of the counter can stretch a walk
// to about one and a half times its nominal length; at twice that the step is
// being lost in rounding and the walk would never end.
std::size_t WalkLengthLimit(float resolution);

// The counter values of a walk: start, then each previous value plus step in 32-bit
// float, while the value is <= end. No value when the counter stops moving or the
// walk would exceed maxLength values. A counter that would leave the float range
// has passed every end, so the walk stops there.
std::optional<std::vector<float>> WalkValues(float start, float end, float step, std::size_t maxLength);

}  // namespace surface
