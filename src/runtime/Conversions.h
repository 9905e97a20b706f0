#pragma once

#include <cstdint>
#include <optional>

namespace runtime {

// Checked numeric steps: every conversion rounds to nearest with ties to even, and
// anything that would produce an infinite or not-a-number value, or leave the target
// type's range, raises RuntimeError (Overflow) instead of storing it.

// A 64-bit float result that must be finite.
double FiniteDouble(double value);
// A 32-bit float result that must be finite.
float FiniteSingle(float value);

// Nearest 32-bit float; Overflow when it falls outside the 32-bit float range.
float ToSingle(double value);
// The same without raising: nothing when the value does not fit.
std::optional<float> TryToSingle(double value);
// Nearest 32-bit integer, ties to even; Overflow outside -2^31 .. 2^31 - 1.
int32_t ToLong(double value);
// The same without raising: nothing when the value does not fit.
std::optional<int32_t> TryToLong(double value);
// Nearest 16-bit integer, ties to even; Overflow outside -32768 .. 32767.
int16_t ToInteger(double value);

// Nearest whole number, ties to even, for |value| < 2^51 only: the unchecked step
// of the hot loops that placed millions of points. Adding and taking away 1.5 * 2^52
// leaves no fraction bits under the default rounding mode.
inline int64_t NearestWholeWithinReach(double value) {
  constexpr double Shift = 6755399441055744.0;
  return static_cast<int64_t>((value + Shift) - Shift);
}

}  // namespace runtime
