#pragma once

#include <cstdint>

#include "surface/ColorMode.h"

namespace render {

// Everything a redraw reads besides the cell table: the angles, the scale
// control's value and the marked colour mode.
struct View {
  int16_t Theta = -25;
  int16_t Phi = 105;
  int32_t GraphScale = 100;
  surface::ColorMode mode = surface::ColorMode::Grid;
};

}  // namespace render
