#pragma once

#include <cmath>
#include <cstdint>

#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"

// The operations of the formula language on 64-bit floats, each with its faults
// raised as runtime::RuntimeError (5 invalid argument, 6 overflow, 11 division by
// zero). The exact evaluator and the compiled programs both call these, so the two
// can only agree bit for bit.
namespace formula::arithmetic {

[[noreturn]] inline void Fail(runtime::ErrorNumber number) { throw runtime::RuntimeError(number); }

inline double Sine(double x) { return runtime::FiniteDouble(std::sin(x)); }
inline double Cosine(double x) { return runtime::FiniteDouble(std::cos(x)); }
inline double Tangent(double x) { return runtime::FiniteDouble(std::tan(x)); }
inline double ArcTangent(double x) { return runtime::FiniteDouble(std::atan(x)); }
inline double Exponential(double x) { return runtime::FiniteDouble(std::exp(x)); }

inline double Logarithm(double x) {
  if (!(x > 0)) Fail(runtime::ErrorNumber::InvalidProcedureCall);
  return runtime::FiniteDouble(std::log(x));
}

inline double SquareRoot(double x) {
  if (x < 0) Fail(runtime::ErrorNumber::InvalidProcedureCall);
  return runtime::FiniteDouble(std::sqrt(x));
}

inline int16_t Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

inline double Floor(double x) { return std::floor(x); }

// Negation and absolute value of a whole number of a signed kind whose smallest
// value is `least`: that value has no positive counterpart. 0 - x keeps an integer
// zero unsigned.
inline double NegatedWhole(double x, double least) {
  if (x == least) Fail(runtime::ErrorNumber::Overflow);
  return 0.0 - x;
}

inline double AbsoluteWhole(double x, double least) {
  if (x == least) Fail(runtime::ErrorNumber::Overflow);
  return std::fabs(x);
}

constexpr double kLeastInteger = -32768.0;
constexpr double kLeastLong = -2147483648.0;

inline double Power(double base, double exponent) {
  if (base < 0 && exponent != std::trunc(exponent)) Fail(runtime::ErrorNumber::InvalidProcedureCall);
  if (base == 0 && exponent < 0) Fail(runtime::ErrorNumber::DivisionByZero);
  return runtime::FiniteDouble(std::pow(base, exponent));
}

inline double Product(double a, double b) { return runtime::FiniteDouble(a * b); }
inline double Sum(double a, double b) { return runtime::FiniteDouble(a + b); }
inline double Difference(double a, double b) { return runtime::FiniteDouble(a - b); }

inline double Quotient(double dividend, double divisor) {
  if (divisor == 0) {
    Fail(dividend == 0 ? runtime::ErrorNumber::Overflow : runtime::ErrorNumber::DivisionByZero);
  }
  return runtime::FiniteDouble(dividend / divisor);
}

// Remainder of the truncating division of the operands rounded half to even, with
// the sign of the dividend.
inline int32_t Remainder(double dividend, double divisor) {
  const int32_t whole_dividend = runtime::ToLong(dividend);
  const int32_t whole_divisor = runtime::ToLong(divisor);
  if (whole_divisor == 0) Fail(runtime::ErrorNumber::DivisionByZero);
  // The one quotient that leaves the 32-bit range; its remainder is 0 all the same.
  if (whole_divisor == -1) return 0;
  return whole_dividend % whole_divisor;
}

}  // namespace formula::arithmetic
