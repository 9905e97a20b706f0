#include "formula/Program.h"

#include <cmath>

#include "formula/Arithmetic.h"
#include "formula/RandomSequence.h"

namespace formula {

namespace arithmetic {
namespace {

double Execute(Operation operation, double a, double b) {
  switch (operation) {
    case Operation::Sine:
      return Sine(a);
    case Operation::Cosine:
      return Cosine(a);
    case Operation::Tangent:
      return Tangent(a);
    case Operation::ArcTangent:
      return ArcTangent(a);
    case Operation::Exponential:
      return Exponential(a);
    case Operation::Logarithm:
      return Logarithm(a);
    case Operation::Random:
      return SharedRandomSequence().Rnd(a);
    case Operation::Sign:
      return Sign(a);
    case Operation::SquareRoot:
      return SquareRoot(a);
    case Operation::Floor:
      return Floor(a);
    case Operation::AbsoluteFloat:
      return std::fabs(a);
    case Operation::AbsoluteInteger:
      return AbsoluteWhole(a, kLeastInteger);
    case Operation::AbsoluteLong:
      return AbsoluteWhole(a, kLeastLong);
    case Operation::NegateFloat:
      return -a;
    case Operation::NegateInteger:
      return NegatedWhole(a, kLeastInteger);
    case Operation::NegateLong:
      return NegatedWhole(a, kLeastLong);
    case Operation::Power:
      return Power(a, b);
    case Operation::Product:
      return Product(a, b);
    case Operation::Quotient:
      return Quotient(a, b);
    case Operation::Remainder:
      return Remainder(a, b);
    case Operation::Sum:
      return Sum(a, b);
    case Operation::Difference:
      return Difference(a, b);
  }
  return 0;
}

}  // namespace
}  // namespace arithmetic

Program::Program(const std::vector<double>& literals) : registers_(2) {
  registers_.insert(registers_.end(), literals.begin(), literals.end());
}

uint16_t Program::Emit(Operation operation, uint16_t left, uint16_t right) {
  const auto result = static_cast<uint16_t>(registers_.size());
  registers_.push_back(0);
  code_.push_back({operation, result, left, right});
  return result;
}

uint16_t Program::Constant(double value) {
  registers_.push_back(value);
  return static_cast<uint16_t>(registers_.size() - 1);
}

void Program::EndWithValue(uint16_t reg, Value::Kind kind) {
  resultRegister_ = reg;
  resultKind_ = kind;
}

void Program::EndMalformed() { malformed_ = true; }

Value Program::Run(double x, double y) {
  double* const registers = registers_.data();
  registers[kXRegister] = x;
  registers[kYRegister] = y;
  for (const Instruction& step : code_) {
    registers[step.result] = arithmetic::Execute(step.operation, registers[step.left], registers[step.right]);
  }
  if (malformed_) return {};
  return Value::OfKind(resultKind_, registers[resultRegister_]);
}

}  // namespace formula
