#include "runtime/Conversions.h"

#include <cmath>

#include "runtime/RuntimeError.h"

namespace runtime {
namespace {

[[noreturn]] void Overflow() { throw RuntimeError(ErrorNumber::Overflow); }

// Rounds half to even under the default rounding mode, which the program never changes.
double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace

double FiniteDouble(double value) {
  if (!std::isfinite(value)) Overflow();
  return value;
}

float FiniteSingle(float value) {
  if (!std::isfinite(value)) Overflow();
  return value;
}

std::optional<float> TryToSingle(double value) {
  if (std::isnan(value)) return std::nullopt;
  const float single = static_cast<float>(value);
  if (std::isinf(single)) return std::nullopt;
  return single;
}

float ToSingle(double value) {
  const std::optional<float> single = TryToSingle(value);
  if (!single) Overflow();
  return *single;
}

std::optional<int32_t> TryToLong(double value) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

int32_t ToLong(double value) {
  const std::optional<int32_t> whole = TryToLong(value);
  if (!whole) Overflow();
  return *whole;
}

int16_t ToInteger(double value) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) Overflow();
  return static_cast<int16_t>(rounded);
}

}  // namespace runtime
