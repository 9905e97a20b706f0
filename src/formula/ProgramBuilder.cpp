#include "formula/ProgramBuilder.h"

namespace formula {
namespace {

using Kind = Value::Kind;

Operation ByKind(Kind kind, Operation forInteger, Operation forLong, Operation forFloat) {
  if (kind == Kind::Integer) return forInteger;
  if (kind == Kind::Long) return forLong;
  return forFloat;
}

Operation NegationFor(Kind kind) {
  return ByKind(kind, Operation::NegateInteger, Operation::NegateLong, Operation::NegateFloat);
}

}  // namespace

PlannedSlot ProgramBuilder::Step(Operation operation, Kind kind, FaultValue onFault, const PlannedSlot& left,
                                 const PlannedSlot& right) {
  return PlannedSlot::Number(program_.Emit(operation, kind, onFault, left.reg, right.reg), kind);
}

PlannedSlot ProgramBuilder::Unary(Operation operation, Kind kind, const PlannedSlot& argument) {
  return Step(operation, kind, FaultValue::Zero, argument);
}

PlannedSlot ProgramBuilder::Binary(Operation operation, Kind kind, const PlannedSlot& left,
                                   const PlannedSlot& right) {
  return Step(operation, kind, FaultValue::LeftOperand, left, right);
}

PlannedSlot ProgramBuilder::Function(FunctionName name, const PlannedSlot& argument) {
  switch (name) {
    case FunctionName::Sin:
      return Unary(Operation::Sine, Kind::Double, argument);
    case FunctionName::Cos:
      return Unary(Operation::Cosine, Kind::Double, argument);
    case FunctionName::Tan:
      return Unary(Operation::Tangent, Kind::Double, argument);
    case FunctionName::Atn:
      return Unary(Operation::ArcTangent, Kind::Double, argument);
    case FunctionName::Exp:
      return Unary(Operation::Exponential, Kind::Double, argument);
    case FunctionName::Log:
      return Unary(Operation::Logarithm, Kind::Double, argument);
    case FunctionName::Rnd:
      return Unary(Operation::Random, Kind::Single, argument);
    case FunctionName::Sgn:
      return Unary(Operation::Sign, Kind::Integer, argument);
    case FunctionName::Sqr:
      return Unary(Operation::SquareRoot, Kind::Double, argument);
    case FunctionName::Int:
      return Unary(Operation::Floor, argument.kind, argument);
    case FunctionName::Abs:
      return Unary(ByKind(argument.kind, Operation::AbsoluteInteger, Operation::AbsoluteLong,
                          Operation::AbsoluteFloat),
                   argument.kind, argument);
  }
  return {};
}

PlannedSlot ProgramBuilder::Power(const PlannedSlot& base, const PlannedSlot& exponent) {
  return Binary(Operation::Power, Kind::Double, base, exponent);
}

// When either step faults, the reduction's fault check lands left of the base and
// may turn an operator there into 0: only the exact evaluator can follow that.
PlannedSlot ProgramBuilder::NegatedPower(const PlannedSlot& base, const PlannedSlot& exponent) {
  const PlannedSlot negated =
      Step(NegationFor(exponent.kind), exponent.kind, FaultValue::NotCompiled, exponent);
  return Step(Operation::Power, Kind::Double, FaultValue::NotCompiled, base, negated);
}

PlannedSlot ProgramBuilder::Negation(const PlannedSlot& operand) {
  return Unary(NegationFor(operand.kind), operand.kind, operand);
}

PlannedSlot ProgramBuilder::Binary(BinaryOperator op, const PlannedSlot& left, const PlannedSlot& right) {
  switch (op) {
    case BinaryOperator::Times:
      return Binary(Operation::Product, Kind::Double, left, right);
    case BinaryOperator::Divide:
      return Binary(Operation::Quotient, Kind::Double, left, right);
    case BinaryOperator::Modulo: {
      const bool bothInteger = left.kind == Kind::Integer && right.kind == Kind::Integer;
      return Binary(Operation::Remainder, bothInteger ? Kind::Integer : Kind::Long, left, right);
    }
    case BinaryOperator::Plus:
      return Binary(Operation::Sum, Kind::Double, left, right);
    case BinaryOperator::Minus:
      return Binary(Operation::Difference, Kind::Double, left, right);
  }
  return {};
}

}  // namespace formula
