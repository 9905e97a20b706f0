#include "render/ViewProjector.h"

#include <cmath>

#include "runtime/Conversions.h"

namespace render {
namespace {

double Radians(int16_t degrees) { return runtime::FiniteDouble(3.14 * degrees) / 180; }

}  // namespace

ViewProjector::ViewProjector(const View& view) {
  const double a1 = Radians(view.Theta);
  const double a2 = Radians(view.Phi);
  negatedSineA1_ = -std::sin(a1);
  cosineA1_ = std::cos(a1);
  xToY_ = -(std::cos(a2) * std::cos(a1));
  yToY_ = std::cos(a2) * std::sin(a1);
  sineA2_ = std::sin(a2);
  scale_ = view.GraphScale / 100.0;
}

}  // namespace render
