#include "render/ColorKey.h"

#include <cmath>
#include <cstddef>

#include "runtime/RuntimeError.h"
#include "surface/ColorCodes.h"
#include "surface/CubeScaling.h"

namespace render {

std::vector<KeyEntry> ColorKeyEntries(const surface::Limits& limits,
                                      const surface::Coefficients& coefficients) {
  std::size_t lowest = 0, highest = 0;
  try {
    lowest = surface::ColorsBandOf(
        surface::CubeCoordinate(coefficients.scaleZ, coefficients.centerZ, limits.ZMin()));
    highest = surface::ColorsBandOf(
        surface::CubeCoordinate(coefficients.scaleZ, coefficients.centerZ, limits.ZMax()));
  } catch (const runtime::RuntimeError&) {
    return {};  // a range whose cube heights overflow has drawn no cells
  }
  // Only a range that spans bands has a scale, so the limits between bands divide by one.
  const auto valueAt = [&](float cubeHeight) {
    return static_cast<double>(coefficients.centerZ.value_or(0.0f)) +
           cubeHeight / static_cast<double>(coefficients.scaleZ.value_or(1.0f));
  };
  std::vector<KeyEntry> entries;
  for (std::size_t band = highest + 1; band-- > lowest;) {
    const double low = band == lowest ? limits.ZMin() : valueAt(surface::ColorsBands[band - 1].top);
    const double high = band == highest ? limits.ZMax() : valueAt(surface::ColorsBands[band].top);
    entries.push_back({static_cast<Color>(surface::ColorsBands[band].code), low, high});
  }
  return entries;
}

}  // namespace render
