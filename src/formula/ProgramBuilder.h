#pragma once

#include <string_view>

#include "formula/FunctionName.h"
#include "formula/PlannedSlot.h"
#include "formula/Program.h"

namespace formula {

// The reduction's side of the compiler: instead of computing a step it appends
// the step to a program and hands out the register of its result, with the kind
// the exact evaluator would give it. It never faults; a fault at run time sends
// that point back to the exact evaluator.
class ProgramBuilder {
 public:
  using Slot = PlannedSlot;

  explicit ProgramBuilder(Program& program) : program_(program) {}

  static bool IsNumber(const PlannedSlot& slot) { return PlannedSlot::IsNumber(slot); }
  static bool HoldsText(const PlannedSlot& slot, std::string_view text) {
    return PlannedSlot::HoldsText(slot, text);
  }

  PlannedSlot Function(FunctionName name, const PlannedSlot& argument);
  PlannedSlot Power(const PlannedSlot& base, const PlannedSlot& exponent);
  PlannedSlot NegatedPower(const PlannedSlot& base, const PlannedSlot& exponent);
  PlannedSlot Negation(const PlannedSlot& operand);
  PlannedSlot Binary(BinaryOperator op, const PlannedSlot& left, const PlannedSlot& right);
  PlannedSlot Zero() {
    return PlannedSlot::Number(program_.Constant(0, Value::Kind::Integer), Value::Kind::Integer);
  }

 private:
  PlannedSlot Step(Operation operation, Value::Kind kind, FaultValue onFault, const PlannedSlot& left,
                   const PlannedSlot& right = {});
  PlannedSlot Unary(Operation operation, Value::Kind kind, const PlannedSlot& argument);
  PlannedSlot Binary(Operation operation, Value::Kind kind, const PlannedSlot& left,
                     const PlannedSlot& right);

  Program& program_;
};

}  // namespace formula
