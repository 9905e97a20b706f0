#pragma once

#include <cstdint>

#include "render/View.h"

namespace render {

// ProjectPoint with the sines, cosines and scale of one view worked out once, for
// the hot loops of a redraw. Each point goes through the same 64-bit operations in
// the same order, so the results are identical to ProjectPoint's bit for bit.
class ViewProjector {
 public:
  explicit ViewProjector(const View& view);

  // Non-finite results are left to the caller's checked conversions.
  void Project(double x, double y, double z, double& sx, double& sy) const {
    sx = (x * negatedSineA1_ + y * cosineA1_) * scale_ + 163;
    sy = (x * xToY_ - y * yToY_ + z * sineA2_) * scale_ + 163;
  }

 private:
  double negatedSineA1_;
  double cosineA1_;
  double xToY_;
  double yToY_;
  double sineA2_;
  double scale_;
};

}  // namespace render
