#include "formula/ExactMachine.h"

#include <cmath>

#include "runtime/RuntimeError.h"

namespace formula {
namespace {

Value Argument(const Value& argument) {
  if (argument.IsNumber() && !std::isfinite(argument.ToDouble())) {
    throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
  }
  return argument;
}

}  // namespace

Value ExactMachine::Word(std::string word) const {
  if (word == "X") return Argument(X_);
  if (word == "Y") return Argument(Y_);
  return Value::Text(std::move(word));
}

Value ExactMachine::Compute(const Operation& operation, Value::Kind leftKind, double left,
                            Value::Kind rightKind, double right) {
  const arithmetic::Checked step = operation.step.For(leftKind)(left, right, random_);
  if (step.Failed()) throw runtime::RuntimeError(step.fault);
  return Value::OfKind(operation.result.For(leftKind, rightKind), step.value);
}

}  // namespace formula
