#pragma once

#include <array>
#include <cstdint>

namespace render {

// Six half-axes from the origin, each row start x, y, z then end x, y, z in
// drawing-cube units: -X, +X, -Y, +Y, -Z, +Z.
using AxisSegment = std::array<int16_t, 6>;
using AxisPoints = std::array<AxisSegment, 6>;

constexpr AxisPoints StandardAxisPoints() {
  return {{{0, 0, 0, -153, 0, 0},
           {0, 0, 0, 153, 0, 0},
           {0, 0, 0, 0, -153, 0},
           {0, 0, 0, 0, 153, 0},
           {0, 0, 0, 0, 0, -153},
           {0, 0, 0, 0, 0, 153}}};
}

}  // namespace render
