#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "formula/RandomSequence.h"
#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"

// The operations of the formula language on 64-bit floats, each with its faults
// (5 invalid argument, 6 overflow, 11 division by zero). The exact evaluator and
// the compiled programs both call these, so the two can only agree bit for bit.
// A fault comes back in the result rather than as an exception: the compiled
// programs meet faults at so many points that raising each one would cost more
// than the whole rest of the evaluation.
namespace formula::arithmetic {

// A step's value, or the fault that took its place.
struct Checked {
  double value = 0;
  runtime::ErrorNumber fault{};  // 0: none

  bool Failed() const { return fault != runtime::ErrorNumber{}; }
};

inline Checked Fault(runtime::ErrorNumber number) { return {0, number}; }
inline Checked Finite(double value) {
  return std::isfinite(value) ? Checked{value} : Fault(runtime::ErrorNumber::Overflow);
}

inline Checked CheckedSine(double x) { return Finite(std::sin(x)); }
inline Checked CheckedCosine(double x) { return Finite(std::cos(x)); }
inline Checked CheckedTangent(double x) { return Finite(std::tan(x)); }
inline Checked CheckedArcTangent(double x) { return Finite(std::atan(x)); }
inline Checked CheckedExponential(double x) { return Finite(std::exp(x)); }
inline Checked CheckedProduct(double a, double b) { return Finite(a * b); }
inline Checked CheckedSum(double a, double b) { return Finite(a + b); }
inline Checked CheckedDifference(double a, double b) { return Finite(a - b); }
inline Checked CheckedSign(double x) { return {x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0)}; }
inline Checked CheckedFloor(double x) { return {std::floor(x)}; }

// RND(x): the numbers come from the caller's sequence, which the draw advances.
inline Checked CheckedRandom(double x, RandomSequence& random) { return {random.Rnd(x)}; }

inline Checked CheckedLogarithm(double x) {
  if (!(x > 0)) return Fault(runtime::ErrorNumber::InvalidProcedureCall);
  return Finite(std::log(x));
}

inline Checked CheckedSquareRoot(double x) {
  if (x < 0) return Fault(runtime::ErrorNumber::InvalidProcedureCall);
  return Finite(std::sqrt(x));
}

// Negation and absolute value of a whole number of a signed kind whose smallest
// value is `least`: that value has no positive counterpart. 0 - x keeps an integer
// zero unsigned.
inline Checked CheckedNegatedWhole(double x, double least) {
  if (x == least) return Fault(runtime::ErrorNumber::Overflow);
  return {0.0 - x};
}

inline Checked CheckedAbsoluteWhole(double x, double least) {
  if (x == least) return Fault(runtime::ErrorNumber::Overflow);
  return {std::fabs(x)};
}

constexpr double kLeastInteger = -32768.0;
constexpr double kLeastLong = -2147483648.0;

inline Checked CheckedNegatedInteger(double x) { return CheckedNegatedWhole(x, kLeastInteger); }
inline Checked CheckedNegatedLong(double x) { return CheckedNegatedWhole(x, kLeastLong); }
// A float keeps the sign of its zero: -(0) is -0.
inline Checked CheckedNegatedFloat(double x) { return {-x}; }
inline Checked CheckedAbsoluteInteger(double x) { return CheckedAbsoluteWhole(x, kLeastInteger); }
inline Checked CheckedAbsoluteLong(double x) { return CheckedAbsoluteWhole(x, kLeastLong); }
inline Checked CheckedAbsoluteFloat(double x) { return {std::fabs(x)}; }

inline Checked CheckedPower(double base, double exponent) {
  if (base < 0 && exponent != std::trunc(exponent)) return Fault(runtime::ErrorNumber::InvalidProcedureCall);
  if (base == 0 && exponent < 0) return Fault(runtime::ErrorNumber::DivisionByZero);
  return Finite(std::pow(base, exponent));
}

inline Checked CheckedQuotient(double dividend, double divisor) {
  if (divisor == 0) {
    return Fault(dividend == 0 ? runtime::ErrorNumber::Overflow : runtime::ErrorNumber::DivisionByZero);
  }
  return Finite(dividend / divisor);
}

// What runtime::ToLong accepts: rounded half to even, within the 32-bit range.
// Remainder of the truncating division of the operands rounded half to even, with
// the sign of the dividend.
inline Checked CheckedRemainder(double dividend, double divisor) {
  const std::optional<int32_t> rounded_dividend = runtime::TryToLong(dividend);
  const std::optional<int32_t> rounded_divisor = runtime::TryToLong(divisor);
  if (!rounded_dividend || !rounded_divisor) return Fault(runtime::ErrorNumber::Overflow);
  const int32_t whole_dividend = *rounded_dividend;
  const int32_t whole_divisor = *rounded_divisor;
  if (whole_divisor == 0) return Fault(runtime::ErrorNumber::DivisionByZero);
  // The one quotient that leaves the 32-bit range; its remainder is 0 all the same.
  if (whole_divisor == -1) return {0};
  return {static_cast<double>(whole_dividend % whole_divisor)};
}

}  // namespace formula::arithmetic
