#pragma once

#include <optional>

#include "surface/Limits.h"

namespace surface {

// Scale and centre of each axis: a value v maps to scale * (v - center) in the
// drawing cube. All are unset until the first draw; an unset one counts as 0.
struct Coefficients {
  std::optional<float> scaleX, scaleY, scaleZ;
  std::optional<float> centerX, centerY, centerZ;
};

// Scale 150 / (max - min) and centre (max + min) / 8 of each axis; an assignment
// whose quotient fails keeps the previous value.
void ComputeCoefficients(const Limits& limits, Coefficients& coefficients);

}  // namespace surface
