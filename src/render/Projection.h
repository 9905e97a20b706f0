#pragma once

#include <cstdint>

#include "render/View.h"

namespace render {

// The program takes pi as 3.14, so the angles land slightly off the round values.
inline constexpr double Pi = 3.14;
// The pixel of the drawing area where the cube's origin lands.
inline constexpr double ScreenCentre = 163;

// Degrees to radians with the program's pi. Raises Overflow where the product
// leaves the double range.
double Radians(int16_t degrees);

struct ScreenPoint {
  double x;
  double y;
};

// Projects a drawing-cube point onto the drawing area, orthographically, with the
// angles in degrees and the scale control's value / 100. Every step is checked:
// an arithmetic fault raises runtime::RuntimeError.
ScreenPoint ProjectPoint(double x, double y, double z, int16_t azimuth, int16_t tilt, int32_t graphScale);

// ProjectPoint with the sines, cosines and scale of one view worked out once, for
// the hot loops of a redraw. Each point goes through the same 64-bit operations in
// the same order, so the results are identical to ProjectPoint's bit for bit.
// The points come out multiplied by the surface's pixel scale (see
// DrawingSurface::PixelScale), which at 1 changes nothing.
class ViewProjector {
 public:
  explicit ViewProjector(const View& view, double pixelScale = 1);

  // Non-finite results are left to the caller's checked conversions.
  ScreenPoint Project(double x, double y, double z) const {
    return {((x * negatedSineA1_ + y * cosineA1_) * scale_ + ScreenCentre) * pixelScale_,
            ((x * xToY_ - y * yToY_ + z * sineA2_) * scale_ + ScreenCentre) * pixelScale_};
  }

 private:
  double negatedSineA1_;
  double cosineA1_;
  double xToY_;
  double yToY_;
  double sineA2_;
  double scale_;
  double pixelScale_;
};

}  // namespace render
