#include "surface/ColorCodes.h"

#include <cmath>
#include <cstdint>

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"

namespace surface {
namespace {

// A cell passing both tests ends with 2. The tests run under error skipping, so a
// limit that overflows the float range leads into its assignment.
float LinesCode(float x, float dx, float xMin, float xMax) {
  float code = 0;
  if (runtime::Test([&] { return x == xMin; })) code = 1;
  if (runtime::Test([&] { return x > runtime::FiniteSingle(xMax - runtime::FiniteSingle(2.0f * dx)); }))
    code = 2;
  return code;
}

// Looks random but is a fixed function of |midZ|; the modulus 255 keeps each channel
// in 0 .. 254.
float RndColorsCode(float midZ) {
  const double c = std::fabs(static_cast<double>(midZ));
  const int32_t red = runtime::ToLong(runtime::FiniteDouble(3 * c)) % 255;
  const int32_t green = runtime::ToLong(runtime::FiniteDouble(2 * c)) % 255;
  const int32_t blue = runtime::ToLong(runtime::FiniteDouble(5 * c)) % 255;
  return static_cast<float>(red + 256 * green + 65536 * blue);
}

}  // namespace

std::size_t ColorsBandOf(float v) {
  if (v < ColorsBands[0].top) return 0;
  std::size_t band = 1;
  // A centre that is no number falls through to the highest band.
  while (band + 1 < ColorsBands.size() && !(v <= ColorsBands[band].top)) ++band;
  return band;
}

float CellColorCode(ColorMode mode, float x, float dx, float xMin, float xMax, float midZ) {
  switch (mode) {
    case ColorMode::Lines:
      return LinesCode(x, dx, xMin, xMax);
    case ColorMode::RndColors:
      return RndColorsCode(midZ);
    case ColorMode::Colors:
      return ColorsBands[ColorsBandOf(midZ)].code;
    case ColorMode::Grid:
      break;
  }
  return 0;
}

}  // namespace surface
