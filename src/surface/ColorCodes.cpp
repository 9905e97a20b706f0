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

// Bands of 30 cube units; a value on a limit belongs to the lower band.
float ColorsCode(float v) {
  if (v < -90) return 14836592;
  if (v <= -60) return 9103237;
  if (v <= -30) return 12244339;
  if (v <= 0) return 14799240;
  if (v <= 30) return 15524795;
  if (v <= 60) return 14707633;
  if (v <= 90) return 7855338;
  return 1752042;
}

}  // namespace

float CellColorCode(ColorMode mode, float x, float dx, float xMin, float xMax, float midZ) {
  switch (mode) {
    case ColorMode::Lines:
      return LinesCode(x, dx, xMin, xMax);
    case ColorMode::RndColors:
      return RndColorsCode(midZ);
    case ColorMode::Colors:
      return ColorsCode(midZ);
    case ColorMode::Grid:
      break;
  }
  return 0;
}

}  // namespace surface
