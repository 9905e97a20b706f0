#pragma once

#include <cstdint>

namespace raster {

// ceil(a / b) for b > 0, exact. Below 2^53 both operands are exact doubles, and a
// quotient that is not a whole number lies at least 1 / b from the next one, far
// more than the division's rounding error, so the floating-point divide (much
// quicker than a 64-bit integer one) lands on the same side.
inline int64_t CeilQuotient(int64_t a, int64_t b) {
  constexpr int64_t Exact = int64_t{1} << 53;
  if (a < Exact && a > -Exact && b < Exact) {
    const double quotient = static_cast<double>(a) / static_cast<double>(b);
    const auto truncated = static_cast<int64_t>(quotient);
    return truncated + (quotient > static_cast<double>(truncated) ? 1 : 0);
  }
  const int64_t q = a / b;
  return q + (a % b != 0 && a > 0 ? 1 : 0);
}

// The same for the 128-bit arithmetic that huge coordinates need.
inline __int128 CeilQuotient(__int128 a, __int128 b) {
  const __int128 q = a / b;
  return q + (a % b != 0 && a > 0 ? 1 : 0);
}

// Coordinates below this size keep every product of the rasterizers in 64 bits.
constexpr int64_t SmallCoordinate = int64_t{1} << 29;

inline bool IsSmallCoordinate(int64_t v) { return v < SmallCoordinate && v > -SmallCoordinate; }

}  // namespace raster
