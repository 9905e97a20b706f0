#pragma once

#include <optional>

#include "formula/Value.h"

namespace surface {

// Coef * (v - Center), mapping a grid coordinate into the drawing cube in 32-bit
// float steps. An unset coefficient counts as 0. Raises Overflow where a step
// leaves the float range.
float CubeCoordinate(std::optional<float> coef, std::optional<float> center, float v);

// Coef * (value - Center) for a formula value, computed at the value's own precision
// and rounded to float once: float steps for Single and Integer (and Empty, which is
// 0), double steps for Long and Double. A text raises TypeMismatch, a step or the
// rounding beyond its range Overflow.
float CubeHeight(std::optional<float> coef, std::optional<float> center, const formula::Value& value);

}  // namespace surface
