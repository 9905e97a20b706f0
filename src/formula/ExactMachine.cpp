#include "formula/ExactMachine.h"

#include <cmath>

#include "formula/Arithmetic.h"
#include "formula/Module1.h"
#include "runtime/RuntimeError.h"

namespace formula {
namespace {

using Kind = Value::Kind;

Value Argument(const Value& argument) {
  if (argument.IsNumber() && !std::isfinite(argument.ToDouble())) {
    throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
  }
  return argument;
}

Value AbsoluteValue(const Value& argument) {
  const double x = argument.ToDouble();
  switch (argument.kind()) {
    case Kind::Integer:
      return Value::OfKind(Kind::Integer, arithmetic::AbsoluteWhole(x, arithmetic::kLeastInteger));
    case Kind::Long:
      return Value::OfKind(Kind::Long, arithmetic::AbsoluteWhole(x, arithmetic::kLeastLong));
    default:
      return Value::OfKind(argument.kind(), std::fabs(x));
  }
}

}  // namespace

bool ExactMachine::IsNumber(const Value& slot) { return !Module1::IsNotNumber(slot); }

Value ExactMachine::Word(std::string word) const {
  if (word == "X") return Argument(X_);
  if (word == "Y") return Argument(Y_);
  return Value::Text(std::move(word));
}

Value ExactMachine::Function(FunctionName name, const Value& argument) {
  const double x = argument.ToDouble();
  switch (name) {
    case FunctionName::Sin:
      return Value::Double(arithmetic::Sine(x));
    case FunctionName::Cos:
      return Value::Double(arithmetic::Cosine(x));
    case FunctionName::Tan:
      return Value::Double(arithmetic::Tangent(x));
    case FunctionName::Atn:
      return Value::Double(arithmetic::ArcTangent(x));
    case FunctionName::Exp:
      return Value::Double(arithmetic::Exponential(x));
    case FunctionName::Log:
      return Value::Double(arithmetic::Logarithm(x));
    case FunctionName::Rnd:
      return Value::Single(random_.Rnd(x));
    case FunctionName::Sgn:
      return Value::Integer(arithmetic::Sign(x));
    case FunctionName::Sqr:
      return Value::Double(arithmetic::SquareRoot(x));
    case FunctionName::Int:
      return Value::OfKind(argument.kind(), arithmetic::Floor(x));
    case FunctionName::Abs:
      return AbsoluteValue(argument);
  }
  return {};
}

Value ExactMachine::Power(const Value& base, const Value& exponent) const {
  return Value::Double(arithmetic::Power(base.ToDouble(), exponent.ToDouble()));
}

Value ExactMachine::Negation(const Value& operand) const {
  const double x = operand.ToDouble();
  switch (operand.kind()) {
    case Kind::Integer:
      return Value::OfKind(Kind::Integer, arithmetic::NegatedWhole(x, arithmetic::kLeastInteger));
    case Kind::Long:
      return Value::OfKind(Kind::Long, arithmetic::NegatedWhole(x, arithmetic::kLeastLong));
    default:
      return Value::OfKind(operand.kind(), -x);
  }
}

Value ExactMachine::Binary(BinaryOperator op, const Value& left, const Value& right) const {
  const double a = left.ToDouble();
  const double b = right.ToDouble();
  switch (op) {
    case BinaryOperator::Times:
      return Value::Double(arithmetic::Product(a, b));
    case BinaryOperator::Divide:
      return Value::Double(arithmetic::Quotient(a, b));
    case BinaryOperator::Modulo: {
      const int32_t remainder = arithmetic::Remainder(a, b);
      const bool bothInteger = left.kind() == Kind::Integer && right.kind() == Kind::Integer;
      return Value::OfKind(bothInteger ? Kind::Integer : Kind::Long, remainder);
    }
    case BinaryOperator::Plus:
      return Value::Double(arithmetic::Sum(a, b));
    case BinaryOperator::Minus:
      return Value::Double(arithmetic::Difference(a, b));
  }
  return {};
}

}  // namespace formula
