#pragma once

#include <string>

#include "render/View.h"
#include "surface/Limits.h"

namespace window {

// The formula text and the limits that the surface on show was drawn from.
struct DrawnSurface {
  std::string formula;
  surface::Limits limits;
};

// What the drawing area shows, in words, for whoever cannot see it: the picture's
// caption and its Z range, then the view it was drawn with ("...; color mode Grid,
// Θ -25°, Φ 105°, scale 100"). Without a surface it says that there is none yet.
std::string PictureDescription(const DrawnSurface* drawn, const render::View& view, char decimalSeparator);

}  // namespace window
