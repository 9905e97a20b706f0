#pragma once
// Runs a formula through the exact evaluator and the compiled formula, which must agree.
#include <gtest/gtest.h>

#include <string>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "runtime/RuntimeError.h"
#include "testkit/PathAgreement.h"

namespace formula {
inline void PrintTo(const Value& value, std::ostream* os) {
  *os << value.KindName() << ' ' << testing::PrintToString(value.IsNumber() ? value.ToDouble() : 0.0);
}
inline void PrintTo(const Outcome& outcome, std::ostream* os) { *os << Describe(outcome); }
}  // namespace formula

namespace formula_test {

using formula::Evaluation;
using formula::Outcome;
using formula::RandomSequence;
using formula::Value;
using runtime::ErrorNumber;
inline Value D(double v) { return Value::Double(v); }
inline Value S(float v) { return Value::Single(v); }
inline Value I(int16_t v) { return Value::Integer(v); }
inline Value L(int32_t v) { return Value::Long(v); }
inline constexpr int16_t kMalformed = Evaluation::kMalformed;

// What an evaluation that draws no RND number leaves: a fresh sequence untouched.
inline Outcome Yields(Value value, int16_t parseError = 0) { return {{std::move(value), parseError}, {}}; }
inline Outcome Malformed() { return Yields(Value(), kMalformed); }
inline Outcome Raised(ErrorNumber number) { return {Evaluation::Raised(number), {}}; }

// The exact evaluator's outcome, once the compiled formula was found to agree. Both
// draw from `random`, which ends as they leave it.
inline Outcome BothPaths(formula::Formula& compiled, const Value& X, const Value& Y, RandomSequence& random) {
  const formula::BothOutcomes both = formula::EvaluateBothPaths(compiled, X, Y, random);
  EXPECT_EQ(both.compiled, both.exact) << '"' << compiled.text().substr(0, 80) << "\" at "
                                       << testing::PrintToString(X) << ", " << testing::PrintToString(Y);
  return both.exact;
}

// The same from a fresh sequence.
inline Outcome BothPaths(const std::string& text, const Value& X = S(0.5f), const Value& Y = S(0.25f)) {
  formula::Formula compiled(text);
  RandomSequence fresh;
  return BothPaths(compiled, X, Y, fresh);
}

}  // namespace formula_test
