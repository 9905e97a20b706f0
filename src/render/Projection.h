#pragma once

#include <cstdint>

#include "render/View.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
  // Project for two points at once, one in each lane, each through the same
  // operations in the same order.
  struct Lanes {
    __m128d x;
    __m128d y;
  };
  Lanes ProjectTwo(__m128d x, __m128d y, __m128d z) const {
    const Factors& f = lanes_;
    const __m128d flatX = _mm_add_pd(_mm_mul_pd(x, f.negatedSineA1), _mm_mul_pd(y, f.cosineA1));
    const __m128d flatY =
        _mm_add_pd(_mm_sub_pd(_mm_mul_pd(x, f.xToY), _mm_mul_pd(y, f.yToY)), _mm_mul_pd(z, f.sineA2));
    return {_mm_mul_pd(_mm_add_pd(_mm_mul_pd(flatX, f.scale), f.centre), f.pixelScale),
            _mm_mul_pd(_mm_add_pd(_mm_mul_pd(flatY, f.scale), f.centre), f.pixelScale)};
  }
#endif

 private:
#if defined(__SSE2__)
  // The factors below in both lanes, set once for the points of a redraw.
  struct Factors {
    __m128d negatedSineA1, cosineA1, xToY, yToY, sineA2, scale, centre, pixelScale;
  };
  Factors lanes_;
#endif
  double negatedSineA1_;
  double cosineA1_;
  double xToY_;
  double yToY_;
  double sineA2_;
  double scale_;
  double pixelScale_;
};

}  // namespace render
