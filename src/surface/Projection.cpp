#include "surface/Projection.h"

#include <cmath>

#include "runtime/Conversions.h"

namespace surface {
namespace {

// The program takes pi as 3.14, so the angles land slightly off the round values.
constexpr double Pi = 3.14;
constexpr double ScreenCentre = 163;

double Radians(int16_t degrees) { return runtime::FiniteDouble(Pi * degrees) / 180; }

double ScaleFactor(int32_t graphScale) { return runtime::FiniteDouble(graphScale / 100.0); }

}  // namespace

void ProjectPoint(double x, double y, double z, int16_t azimuth, int16_t tilt, int32_t graphScale, double& sx,
                  double& sy) {
  const double a1 = Radians(azimuth);
  const double a2 = Radians(tilt);
  const double negatedSine = runtime::FiniteDouble(-std::sin(a1));
  const double flatX = runtime::FiniteDouble(x * negatedSine + y * std::cos(a1));
  const double flatY = runtime::FiniteDouble(x * -(std::cos(a2) * std::cos(a1)) -
                                             y * (std::cos(a2) * std::sin(a1)) + z * std::sin(a2));
  const double projectedX = runtime::FiniteDouble(flatX * ScaleFactor(graphScale) + ScreenCentre);
  const double projectedY = runtime::FiniteDouble(flatY * ScaleFactor(graphScale) + ScreenCentre);
  sx = projectedX;
  sy = projectedY;
}

}  // namespace surface
