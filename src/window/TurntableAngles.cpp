#include "window/TurntableAngles.h"

#include <cmath>
#include <limits>

namespace window {

std::optional<int16_t> TurntableTheta(int16_t start, double turn, int frames, int frame) {
  // The default rounding mode rounds halves to even.
  const double theta = std::nearbyint(start + frame * turn / frames);
  if (!(theta >= std::numeric_limits<int16_t>::min() && theta <= std::numeric_limits<int16_t>::max()))
    return std::nullopt;
  return static_cast<int16_t>(theta);
}

}  // namespace window
