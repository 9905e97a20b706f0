#include "surface/Coefficients.h"

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"
#include "runtime/RuntimeError.h"

namespace surface {
namespace {

// 150 / (max - min), the difference and the quotient in double, rounded once.
float ScaleOf(float min, float max) {
  const double span = static_cast<double>(max) - static_cast<double>(min);
  if (span == 0) throw runtime::RuntimeError(runtime::ErrorNumber::DivisionByZero);
  return runtime::ToSingle(runtime::FiniteDouble(150.0 / span));
}

// One eighth of the sum of the ends, not the midpoint: only ranges symmetric about 0
// map onto -75 .. 75.
float CenterOf(float min, float max) {
  return runtime::ToSingle((static_cast<double>(max) + static_cast<double>(min)) / 8.0);
}

}  // namespace

void ComputeCoefficients(const Limits& limits, Coefficients& coefficients) {
  using runtime::Statement;
  Statement([&] { coefficients.scaleX = ScaleOf(limits.XMin(), limits.XMax()); });
  Statement([&] { coefficients.scaleY = ScaleOf(limits.YMin(), limits.YMax()); });
  Statement([&] { coefficients.scaleZ = ScaleOf(limits.ZMin(), limits.ZMax()); });
  Statement([&] { coefficients.centerX = CenterOf(limits.XMin(), limits.XMax()); });
  Statement([&] { coefficients.centerY = CenterOf(limits.YMin(), limits.YMax()); });
  Statement([&] { coefficients.centerZ = CenterOf(limits.ZMin(), limits.ZMax()); });
}

}  // namespace surface
