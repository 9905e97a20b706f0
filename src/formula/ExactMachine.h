#pragma once

#include <string>
#include <string_view>

#include "formula/FunctionName.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

namespace formula {

// The slots and steps of the exact evaluator: every slot is a dynamic value and
// every step computes it with its kind.
class ExactMachine {
 public:
  using Slot = Value;

  ExactMachine(const Value& X, const Value& Y, RandomSequence& random) : X_(X), Y_(Y), random_(random) {}

  static bool IsNumber(const Value& slot);
  static bool HoldsText(const Value& slot, std::string_view text) {
    return slot.IsText() && slot.text() == text;
  }

  Value Literal(double number) const { return Value::Double(number); }
  // "X" and "Y" become the arguments, unchanged; a non-finite argument is refused
  // with an overflow fault, as no such value may enter the table.
  Value Word(std::string word) const;
  Value Text(std::string text) const { return Value::Text(std::move(text)); }

  Value Function(FunctionName name, const Value& argument);
  Value Power(const Value& base, const Value& exponent) const;
  Value Negation(const Value& operand) const;
  Value Binary(BinaryOperator op, const Value& left, const Value& right) const;
  Value Zero() const { return Value::Integer(0); }

 private:
  const Value& X_;
  const Value& Y_;
  RandomSequence& random_;
};

}  // namespace formula
