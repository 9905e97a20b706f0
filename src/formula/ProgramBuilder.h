#pragma once

#include <string_view>

#include "formula/Operations.h"
#include "formula/PlannedSlot.h"
#include "formula/Program.h"

namespace formula {

// The reduction's side of the compiler: instead of computing a step it appends
// the step to a program and hands out the register of its result, with the kind
// the exact evaluator would give it. It never faults; a fault at run time puts the
// reduction's stand-in, or sends that point back to the exact evaluator.
class ProgramBuilder {
 public:
  using Slot = PlannedSlot;

  explicit ProgramBuilder(Program& program) : program_(program) {}

  static bool IsNumber(const PlannedSlot& slot) { return PlannedSlot::IsNumber(slot); }
  static bool HoldsText(const PlannedSlot& slot, std::string_view text) {
    return PlannedSlot::HoldsText(slot, text);
  }

  PlannedSlot Apply(const Operation& operation, const PlannedSlot& operand) {
    return Step(operation, operation.result.For(operand.kind, operand.kind), operation.OnFault(), operand);
  }
  PlannedSlot Apply(const Operation& operation, const PlannedSlot& left, const PlannedSlot& right) {
    return Step(operation, operation.result.For(left.kind, right.kind), operation.OnFault(), left, right);
  }
  // When either step faults, the reduction's fault check lands left of the left
  // operand and may turn an operator there into 0: only the exact evaluator can
  // follow that.
  PlannedSlot ApplyToNegated(const Operation& operation, const PlannedSlot& left, const PlannedSlot& right) {
    const PlannedSlot negated =
        Step(kNegation, kNegation.result.For(right.kind, right.kind), StandIn::NotCompiled, right);
    return Step(operation, operation.result.For(left.kind, negated.kind), StandIn::NotCompiled, left,
                negated);
  }
  PlannedSlot Zero() {
    return PlannedSlot::Number(program_.Constant(0, Value::Kind::Integer), Value::Kind::Integer);
  }

 private:
  PlannedSlot Step(const Operation& operation, Value::Kind kind, StandIn onFault, const PlannedSlot& left,
                   const PlannedSlot& right = {}) {
    return PlannedSlot::Number(program_.Emit(operation, kind, onFault, left.reg, right.reg), kind);
  }

  Program& program_;
};

}  // namespace formula
