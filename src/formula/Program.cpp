#include "formula/Program.h"

#include <cmath>

#include "formula/Arithmetic.h"
#include "formula/RandomSequence.h"

namespace formula {

namespace arithmetic {
namespace {

Checked Execute(Operation operation, double a, double b) {
  switch (operation) {
    case Operation::Sine:
      return CheckedSine(a);
    case Operation::Cosine:
      return CheckedCosine(a);
    case Operation::Tangent:
      return CheckedTangent(a);
    case Operation::ArcTangent:
      return CheckedArcTangent(a);
    case Operation::Exponential:
      return CheckedExponential(a);
    case Operation::Logarithm:
      return CheckedLogarithm(a);
    case Operation::Random:
      return {SharedRandomSequence().Rnd(a)};
    case Operation::Sign:
      return {static_cast<double>(Sign(a))};
    case Operation::SquareRoot:
      return CheckedSquareRoot(a);
    case Operation::Floor:
      return {Floor(a)};
    case Operation::AbsoluteFloat:
      return {std::fabs(a)};
    case Operation::AbsoluteInteger:
      return CheckedAbsoluteWhole(a, kLeastInteger);
    case Operation::AbsoluteLong:
      return CheckedAbsoluteWhole(a, kLeastLong);
    case Operation::NegateFloat:
      return {-a};
    case Operation::NegateInteger:
      return CheckedNegatedWhole(a, kLeastInteger);
    case Operation::NegateLong:
      return CheckedNegatedWhole(a, kLeastLong);
    case Operation::Power:
      return CheckedPower(a, b);
    case Operation::Product:
      return CheckedProduct(a, b);
    case Operation::Quotient:
      return CheckedQuotient(a, b);
    case Operation::Remainder:
      return CheckedRemainder(a, b);
    case Operation::Sum:
      return CheckedSum(a, b);
    case Operation::Difference:
      return CheckedDifference(a, b);
  }
  return {};
}

// Steps compiled for the kinds of their operands: the kind decides their fault,
// or the kind of their result.
bool DependsOnKinds(Operation operation) {
  switch (operation) {
    case Operation::Floor:
    case Operation::AbsoluteFloat:
    case Operation::AbsoluteInteger:
    case Operation::AbsoluteLong:
    case Operation::NegateFloat:
    case Operation::NegateInteger:
    case Operation::NegateLong:
    case Operation::Remainder:
      return true;
    default:
      return false;
  }
}

}  // namespace
}  // namespace arithmetic

Program::Program(const std::vector<double>& literals, Value::Kind kindX, Value::Kind kindY)
    : registers_(2), kinds_{kindX, kindY} {
  registers_.insert(registers_.end(), literals.begin(), literals.end());
  kinds_.resize(registers_.size(), Value::Kind::Double);
}

uint16_t Program::Emit(Operation operation, Value::Kind kind, FaultValue onFault, uint16_t left,
                       uint16_t right) {
  const auto result = Constant(0, kind);
  code_.push_back({operation, onFault, result, left, right});
  return result;
}

uint16_t Program::Constant(double value, Value::Kind kind) {
  registers_.push_back(value);
  kinds_.push_back(kind);
  return static_cast<uint16_t>(registers_.size() - 1);
}

void Program::EndWithValue(uint16_t reg) { resultRegister_ = reg; }

void Program::EndMalformed() { malformed_ = true; }

std::optional<Value> Program::Run(double x, double y) {
  double* const registers = registers_.data();
  registers[kXRegister] = x;
  registers[kYRegister] = y;
  lastFault_ = 0;
  for (size_t i = 0; i < code_.size(); ++i) {
    const Instruction& step = code_[i];
    const arithmetic::Checked outcome =
        arithmetic::Execute(step.operation, registers[step.left], registers[step.right]);
    if (outcome.Failed()) [[unlikely]] {
      return RunAfterFault(i, outcome.fault);
    }
    registers[step.result] = outcome.value;
  }
  return Result(kinds_);
}

// The rest of a run from its first faulted step on, with the kinds of the
// registers tracked. Every register is written once, so only stand-ins can make
// a register's kind differ from the compiled one; a step compiled for the kinds
// of its operands cannot take an operand of another kind.
std::optional<Value> Program::RunAfterFault(size_t faulted, runtime::ErrorNumber fault) {
  runKinds_ = kinds_;
  if (!StandIn(code_[faulted], fault)) return std::nullopt;
  for (size_t i = faulted + 1; i < code_.size(); ++i) {
    const Instruction& step = code_[i];
    if (arithmetic::DependsOnKinds(step.operation) &&
        (runKinds_[step.left] != kinds_[step.left] || runKinds_[step.right] != kinds_[step.right])) {
      return std::nullopt;
    }
    const arithmetic::Checked outcome =
        arithmetic::Execute(step.operation, registers_[step.left], registers_[step.right]);
    if (!outcome.Failed()) {
      registers_[step.result] = outcome.value;
    } else if (!StandIn(step, outcome.fault)) {
      return std::nullopt;
    }
  }
  return Result(runKinds_);
}

bool Program::StandIn(const Instruction& step, runtime::ErrorNumber fault) {
  lastFault_ = static_cast<int16_t>(fault);
  switch (step.onFault) {
    case FaultValue::Zero:
      registers_[step.result] = 0;
      runKinds_[step.result] = Value::Kind::Integer;
      return true;
    case FaultValue::LeftOperand:
      registers_[step.result] = registers_[step.left];
      runKinds_[step.result] = runKinds_[step.left];
      return true;
    case FaultValue::NotCompiled:
      return false;
  }
  return false;
}

Value Program::Result(const std::vector<Value::Kind>& kinds) const {
  if (malformed_) return {};
  return Value::OfKind(kinds[resultRegister_], registers_[resultRegister_]);
}

}  // namespace formula
