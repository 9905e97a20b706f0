#include "render/Projection.h"

#include <cmath>

#include "runtime/Conversions.h"

namespace render {
namespace {

double ScaleFactor(int32_t graphScale) { return runtime::FiniteDouble(graphScale / 100.0); }

}  // namespace

double Radians(int16_t degrees) { return runtime::FiniteDouble(Pi * degrees) / 180; }

ScreenPoint ProjectPoint(double x, double y, double z, int16_t azimuth, int16_t tilt, int32_t graphScale) {
  const double a1 = Radians(azimuth);
  const double a2 = Radians(tilt);
  const double negatedSine = runtime::FiniteDouble(-std::sin(a1));
  const double flatX = runtime::FiniteDouble(x * negatedSine + y * std::cos(a1));
  const double flatY = runtime::FiniteDouble(x * -(std::cos(a2) * std::cos(a1)) -
                                             y * (std::cos(a2) * std::sin(a1)) + z * std::sin(a2));
  return {runtime::FiniteDouble(flatX * ScaleFactor(graphScale) + ScreenCentre),
          runtime::FiniteDouble(flatY * ScaleFactor(graphScale) + ScreenCentre)};
}

ViewProjector::ViewProjector(const View& view, double pixelScale) : pixelScale_(pixelScale) {
  const double a1 = Radians(view.Theta);
  const double a2 = Radians(view.Phi);
  negatedSineA1_ = -std::sin(a1);
  cosineA1_ = std::cos(a1);
  xToY_ = -(std::cos(a2) * std::cos(a1));
  yToY_ = std::cos(a2) * std::sin(a1);
  sineA2_ = std::sin(a2);
  scale_ = view.GraphScale / 100.0;
#if defined(__SSE2__)
  lanes_ = {_mm_set1_pd(negatedSineA1_), _mm_set1_pd(cosineA1_),  _mm_set1_pd(xToY_),
            _mm_set1_pd(yToY_),          _mm_set1_pd(sineA2_),    _mm_set1_pd(scale_),
            _mm_set1_pd(ScreenCentre),   _mm_set1_pd(pixelScale_)};
#endif
}

}  // namespace render
