#pragma once

#include <string>
#include <string_view>

#include "formula/Operations.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

namespace formula {

// The slots and steps of the exact evaluator: every slot is a dynamic value and
// every step computes it with its kind. A faulting step raises runtime::RuntimeError,
// which the reduction's fault trap catches.
class ExactMachine {
 public:
  using Slot = Value;

  ExactMachine(const Value& X, const Value& Y, RandomSequence& random) : X_(X), Y_(Y), random_(random) {}

  static bool IsNumber(const Value& slot) { return slot.IsNumber(); }
  static bool HoldsText(const Value& slot, std::string_view text) {
    return slot.IsText() && slot.text() == text;
  }

  Value Literal(double number) const { return Value::Double(number); }
  // "X" and "Y" become the arguments, unchanged; a non-finite argument is refused
  // with an overflow fault, as no such value may enter the table.
  Value Word(std::string word) const;
  Value Text(std::string text) const { return Value::Text(std::move(text)); }

  Value Apply(const Operation& operation, const Value& operand) {
    return Compute(operation, operand.kind(), operand.ToDouble(), operand.kind(), 0);
  }
  Value Apply(const Operation& operation, const Value& left, const Value& right) {
    return Compute(operation, left.kind(), left.ToDouble(), right.kind(), right.ToDouble());
  }
  Value Zero() const { return Value::Integer(0); }

 private:
  // A prefix operation's one operand stands on both sides, with 0 as the right number.
  Value Compute(const Operation& operation, Value::Kind leftKind, double left, Value::Kind rightKind,
                double right);

  const Value& X_;
  const Value& Y_;
  RandomSequence& random_;
};

}  // namespace formula
