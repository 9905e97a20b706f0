#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"
#include "runtime/RuntimeError.h"

namespace formula {
void PrintTo(const Value& value, std::ostream* os);
}  // namespace formula

namespace formula_test {

using formula::Value;

inline Value D(double v) { return Value::Double(v); }
inline Value S(float v) { return Value::Single(v); }
inline Value I(int16_t v) { return Value::Integer(v); }
inline Value L(int32_t v) { return Value::Long(v); }

// Everything one evaluation leaves behind: its value and ParseError, or the fault
// it passed on to the caller, and the state of RND's sequence afterwards.
struct Outcome {
  Value value;
  int16_t parseError = 0;
  std::optional<runtime::ErrorNumber> raised;
  formula::RandomSequence sequenceAfter;

  friend bool operator==(const Outcome&, const Outcome&) = default;
};
void PrintTo(const Outcome& outcome, std::ostream* os);

Outcome ExactOutcome(std::string_view text, const Value& X, const Value& Y);
Outcome CompiledOutcome(formula::Formula& formula, const Value& X, const Value& Y);

// One line of the language table: a formula at X, Y (32-bit floats, as the grid
// passes them) and what it yields; a malformed formula yields an empty value and
// ParseError -1.
struct Row {
  std::string text;
  Value value;
  int16_t parseError = 0;
  float x = 0.5f;
  float y = 0.25f;
};
inline constexpr int16_t kMalformed = -1;

// Checks the row with the exact evaluator, and that the compiled formula gives the
// same outcome, RND's sequence included.
void ExpectRow(const Row& row);

}  // namespace formula_test
