#pragma once

#include <cstdint>

#include "render/ColorMode.h"

namespace render {

// Everything a redraw reads besides the cell table: the angles, the scale
// control's value and the marked colour mode.
struct View {
  int16_t Theta = -25;
  int16_t Phi = 105;
  int32_t GraphScale = 100;
  ColorMode mode = ColorMode::Grid;
};

}  // namespace render
