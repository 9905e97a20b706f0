#include "surface/GridWalk.h"

#include <algorithm>
#include <cmath>

#include "runtime/Conversions.h"

namespace surface {

float GridStep(float min, float max, float resolution) {
  const double difference = static_cast<double>(max) - static_cast<double>(min);
  return runtime::ToSingle(runtime::FiniteDouble(difference / static_cast<double>(resolution)));
}

float AddSingle(float a, float b) { return runtime::FiniteSingle(a + b); }

float SubtractSingle(float a, float b) { return runtime::FiniteSingle(a - b); }

std::size_t WalkLengthLimit(float resolution) {
  // Capped so that a resolution no table could hold still gives a bounded walk.
  constexpr double longest = 1 << 24;
  return static_cast<std::size_t>(std::min(2 * std::fabs(static_cast<double>(resolution)) + 2, longest));
}

std::optional<std::vector<float>> WalkValues(float start, float end, float step, std::size_t maxLength) {
  std::vector<float> values;
  float value = start;
  while (value <= end) {
    if (values.size() == maxLength) return std::nullopt;
    values.push_back(value);
    const float next = value + step;
    if (std::isinf(next)) break;
    if (next == value) return std::nullopt;
    value = next;
  }
  return values;
}

}  // namespace surface
