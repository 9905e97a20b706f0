#pragma once
// Runs a formula through the exact evaluator and the compiled formula, which must agree.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "formula/Formula.h"
#include "formula/Module1.h"
#include "formula/RandomSequence.h"
#include "runtime/RuntimeError.h"

namespace formula {
inline void PrintTo(const Value& value, std::ostream* os) {
  *os << value.KindName() << ' ' << testing::PrintToString(value.IsNumber() ? value.ToDouble() : 0.0);
}
}  // namespace formula

namespace formula_test {

using formula::Value;
using runtime::ErrorNumber;
inline Value D(double v) { return Value::Double(v); }
inline Value S(float v) { return Value::Single(v); }
inline Value I(int16_t v) { return Value::Integer(v); }
inline Value L(int32_t v) { return Value::Long(v); }
inline constexpr int16_t kMalformed = -1;

// Everything an evaluation leaves behind; RND's sequence by default as it stands.
struct Outcome {
  Value value;
  int16_t parseError = 0;
  std::optional<ErrorNumber> raised{};
  formula::RandomSequence sequenceAfter = formula::SharedRandomSequence();
  friend bool operator==(const Outcome&, const Outcome&) = default;
};
inline Outcome Malformed() { return {Value(), kMalformed}; }
inline Outcome Raised(ErrorNumber number) { return {Value(), 0, number}; }

inline void PrintTo(const Outcome& outcome, std::ostream* os) {
  formula::RandomSequence sequence = outcome.sequenceAfter;
  *os << testing::PrintToString(outcome.value) << ", ParseError " << outcome.parseError << ", raised "
      << (outcome.raised ? static_cast<int>(*outcome.raised) : 0) << ", RND 0 then " << sequence.Rnd(0);
}

template <class Evaluation>
Outcome Capture(Evaluation&& evaluate) {
  Module1::ParseError = 12345;  // every evaluation must set it
  Value value;
  std::optional<ErrorNumber> raised{};
  try {
    value = evaluate();
  } catch (const runtime::RuntimeError& fault) {
    raised = fault.Number();
  }
  return {value, Module1::ParseError, raised};
}

// The exact evaluator's outcome, once the compiled formula was found to agree.
inline Outcome BothPaths(formula::Formula& compiled, const Value& X, const Value& Y) {
  const formula::RandomSequence start = formula::SharedRandomSequence();
  const Outcome exact = Capture([&] { return Module1::EvaluateFunction(compiled.text(), X, Y); });
  formula::SharedRandomSequence() = start;
  EXPECT_EQ(Capture([&] { return compiled.Evaluate(X, Y); }), exact)
      << '"' << compiled.text().substr(0, 80) << "\" at " << testing::PrintToString(X) << ", "
      << testing::PrintToString(Y);
  return exact;
}

inline Outcome BothPaths(const std::string& text, const Value& X = S(0.5f), const Value& Y = S(0.25f)) {
  formula::Formula compiled(text);
  return BothPaths(compiled, X, Y);
}

}  // namespace formula_test
