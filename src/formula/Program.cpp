#include "formula/Program.h"

namespace formula {

Program::Program(const std::vector<double>& literals, Value::Kind kindX, Value::Kind kindY)
    : registers_(2), kinds_{kindX, kindY}, dependence_{Dependence::OnX, Dependence::OnY} {
  registers_.insert(registers_.end(), literals.begin(), literals.end());
  kinds_.resize(registers_.size(), Value::Kind::Double);
  dependence_.resize(registers_.size(), Dependence::None);
}

uint16_t Program::Emit(const Operation& operation, Value::Kind kind, StandIn onFault, uint16_t left,
                       uint16_t right) {
  if (operation.IsPrefix()) right = left;
  const auto result = Constant(0, kind);
  dependence_[result] = static_cast<Dependence>(static_cast<uint8_t>(dependence_[left]) |
                                                static_cast<uint8_t>(dependence_[right]));
  code_.push_back(
      {operation.step.For(kinds_[left]), onFault, operation.DependsOnKinds(), result, left, right});
  return result;
}

uint16_t Program::Constant(double value, Value::Kind kind) {
  registers_.push_back(value);
  kinds_.push_back(kind);
  dependence_.push_back(Dependence::None);
  return static_cast<uint16_t>(registers_.size() - 1);
}

void Program::EndWithValue(uint16_t reg) { resultRegister_ = reg; }

void Program::EndMalformed() { malformed_ = true; }

std::optional<Evaluation> Program::Run(double x, double y, RandomSequence& random) {
  double* const registers = registers_.data();
  registers[kXRegister] = x;
  registers[kYRegister] = y;
  lastFault_ = 0;
  for (size_t i = 0; i < code_.size(); ++i) {
    const Instruction& step = code_[i];
    const arithmetic::Checked outcome = step.run(registers[step.left], registers[step.right], random);
    if (outcome.Failed()) [[unlikely]] {
      return RunAfterFault(i, outcome.fault, random);
    }
    registers[step.result] = outcome.value;
  }
  return Result(kinds_);
}

bool Program::RunUnfaulted(const std::vector<Instruction>& steps, double* registers, RandomSequence& random) {
  for (const Instruction& step : steps) {
    const arithmetic::Checked outcome = step.run(registers[step.left], registers[step.right], random);
    if (outcome.Failed()) [[unlikely]] {
      return false;
    }
    registers[step.result] = outcome.value;
  }
  return true;
}

Evaluation Program::UnfaultedResult(const double* registers) const {
  if (malformed_) return Evaluation::Malformed();
  return {Value::OfKind(kinds_[resultRegister_], registers[resultRegister_])};
}

// The rest of a run from its first faulted step on, with the kinds of the
// registers tracked. Every register is written once, so only stand-ins can make
// a register's kind differ from the compiled one; a step compiled for the kinds
// of its operands cannot take an operand of another kind.
std::optional<Evaluation> Program::RunAfterFault(size_t faulted, runtime::ErrorNumber fault,
                                                 RandomSequence& random) {
  runKinds_ = kinds_;
  if (!StandInFor(code_[faulted], fault)) return std::nullopt;
  for (size_t i = faulted + 1; i < code_.size(); ++i) {
    const Instruction& step = code_[i];
    if (step.dependsOnKinds &&
        (runKinds_[step.left] != kinds_[step.left] || runKinds_[step.right] != kinds_[step.right])) {
      return std::nullopt;
    }
    const arithmetic::Checked outcome = step.run(registers_[step.left], registers_[step.right], random);
    if (!outcome.Failed()) {
      registers_[step.result] = outcome.value;
    } else if (!StandInFor(step, outcome.fault)) {
      return std::nullopt;
    }
  }
  return Result(runKinds_);
}

bool Program::StandInFor(const Instruction& step, runtime::ErrorNumber fault) {
  lastFault_ = static_cast<int16_t>(fault);
  switch (step.onFault) {
    case StandIn::Zero:
      registers_[step.result] = 0;
      runKinds_[step.result] = Value::Kind::Integer;
      return true;
    case StandIn::LeftOperand:
      registers_[step.result] = registers_[step.left];
      runKinds_[step.result] = runKinds_[step.left];
      return true;
    case StandIn::NotCompiled:
      return false;
  }
  return false;
}

Evaluation Program::Result(const std::vector<Value::Kind>& kinds) const {
  if (malformed_) return Evaluation::Malformed();
  return {Value::OfKind(kinds[resultRegister_], registers_[resultRegister_]), lastFault_};
}

}  // namespace formula
