#pragma once

#include <optional>

namespace surface {

// Scale and centre of each axis: a value v maps to Coef * (v - Center) in the
// drawing cube. All are unset until the first draw; an unset one counts as 0.
struct Coefficients {
  std::optional<float> CoefX, CoefY, CoefZ;
  std::optional<float> CenterX, CenterY, CenterZ;
};

}  // namespace surface
