#include "formula/ProgramBuilder.h"

namespace formula {
namespace {

using Kind = Value::Kind;

Operation ByKind(Kind kind, Operation forInteger, Operation forLong, Operation forFloat) {
  if (kind == Kind::Integer) return forInteger;
  if (kind == Kind::Long) return forLong;
  return forFloat;
}

}  // namespace

PlannedSlot ProgramBuilder::Step(Operation operation, Kind kind, const PlannedSlot& left,
                                 const PlannedSlot& right) {
  return PlannedSlot::Number(program_.Emit(operation, left.reg, right.reg), kind);
}

PlannedSlot ProgramBuilder::Function(FunctionName name, const PlannedSlot& argument) {
  switch (name) {
    case FunctionName::Sin:
      return Step(Operation::Sine, Kind::Double, argument);
    case FunctionName::Cos:
      return Step(Operation::Cosine, Kind::Double, argument);
    case FunctionName::Tan:
      return Step(Operation::Tangent, Kind::Double, argument);
    case FunctionName::Atn:
      return Step(Operation::ArcTangent, Kind::Double, argument);
    case FunctionName::Exp:
      return Step(Operation::Exponential, Kind::Double, argument);
    case FunctionName::Log:
      return Step(Operation::Logarithm, Kind::Double, argument);
    case FunctionName::Rnd:
      return Step(Operation::Random, Kind::Single, argument);
    case FunctionName::Sgn:
      return Step(Operation::Sign, Kind::Integer, argument);
    case FunctionName::Sqr:
      return Step(Operation::SquareRoot, Kind::Double, argument);
    case FunctionName::Int:
      return Step(Operation::Floor, argument.kind, argument);
    case FunctionName::Abs:
      return Step(ByKind(argument.kind, Operation::AbsoluteInteger, Operation::AbsoluteLong,
                         Operation::AbsoluteFloat),
                  argument.kind, argument);
  }
  return {};
}

PlannedSlot ProgramBuilder::Power(const PlannedSlot& base, const PlannedSlot& exponent) {
  return Step(Operation::Power, Kind::Double, base, exponent);
}

PlannedSlot ProgramBuilder::Negation(const PlannedSlot& operand) {
  return Step(ByKind(operand.kind, Operation::NegateInteger, Operation::NegateLong, Operation::NegateFloat),
              operand.kind, operand);
}

PlannedSlot ProgramBuilder::Binary(BinaryOperator op, const PlannedSlot& left, const PlannedSlot& right) {
  switch (op) {
    case BinaryOperator::Times:
      return Step(Operation::Product, Kind::Double, left, right);
    case BinaryOperator::Divide:
      return Step(Operation::Quotient, Kind::Double, left, right);
    case BinaryOperator::Modulo: {
      const bool bothInteger = left.kind == Kind::Integer && right.kind == Kind::Integer;
      return Step(Operation::Remainder, bothInteger ? Kind::Integer : Kind::Long, left, right);
    }
    case BinaryOperator::Plus:
      return Step(Operation::Sum, Kind::Double, left, right);
    case BinaryOperator::Minus:
      return Step(Operation::Difference, Kind::Double, left, right);
  }
  return {};
}

}  // namespace formula
