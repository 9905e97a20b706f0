#include "formula/LatticeEvaluation.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace formula {
namespace {

bool Reads(const Instruction& step, uint16_t reg) { return step.left == reg || step.right == reg; }

}  // namespace

LatticeEvaluation::LatticeEvaluation(std::string text, std::vector<float> xs)
    : formula_(std::move(text)), xs_(std::move(xs)) {
  program_ = formula_.PureProgram(Value::Kind::Single, Value::Kind::Single);
  if (program_) PrepareRegisters();
  RunColumns();
  SetY(0);
}

void LatticeEvaluation::PrepareRegisters() {
  registers_ = program_->Registers();
  const std::vector<Instruction> stepsOnNeither = SplitSteps();
  // Their registers are never written again: they stay in place for every point.
  if (!Program::RunUnfaulted(stepsOnNeither, registers_.data(), random_)) {
    program_ = nullptr;
    return;
  }
  ChooseColumnOutputs();
}

std::vector<Instruction> LatticeEvaluation::SplitSteps() {
  std::vector<Instruction> stepsOnNeither;
  for (const Instruction& step : program_->Code()) {
    switch (program_->DependenceOf(step.result)) {
      case Dependence::None:
        stepsOnNeither.push_back(step);
        break;
      case Dependence::OnX:
        stepsOnX_.push_back(step);
        break;
      case Dependence::OnY:
        stepsOnY_.push_back(step);
        break;
      case Dependence::OnBoth:
        stepsOnBoth_.push_back(step);
        break;
    }
  }
  return stepsOnNeither;
}

void LatticeEvaluation::ChooseColumnOutputs() {
  for (std::size_t index = 0; index < registers_.size(); ++index) {
    const auto reg = static_cast<uint16_t>(index);
    if (program_->DependenceOf(reg) != Dependence::OnX) continue;
    const bool read = reg == program_->ResultRegister() ||
                      std::any_of(stepsOnBoth_.begin(), stepsOnBoth_.end(),
                                  [reg](const Instruction& step) { return Reads(step, reg); });
    if (read) columnOutputs_.push_back(reg);
  }
}

void LatticeEvaluation::RunColumns() {
  columnRan_.assign(xs_.size(), false);
  if (!program_) return;
  columnValues_.resize(xs_.size() * columnOutputs_.size());
  for (std::size_t column = 0; column < xs_.size(); ++column) {
    if (!std::isfinite(xs_[column])) continue;
    registers_[Program::kXRegister] = xs_[column];
    if (!Program::RunUnfaulted(stepsOnX_, registers_.data(), random_)) continue;
    columnRan_[column] = true;
    double* values = columnValues_.data() + column * columnOutputs_.size();
    for (const uint16_t reg : columnOutputs_) *values++ = registers_[reg];
  }
}

void LatticeEvaluation::SetY(float y) {
  y_ = y;
  if (!program_ || !std::isfinite(y)) {
    rowRan_ = false;
    return;
  }
  registers_[Program::kYRegister] = y;
  rowRan_ = Program::RunUnfaulted(stepsOnY_, registers_.data(), random_);
}

Evaluation LatticeEvaluation::At(std::size_t column) {
  if (!rowRan_ || !columnRan_[column]) return ByTheFormula(column);
  const double* values = columnValues_.data() + column * columnOutputs_.size();
  for (const uint16_t reg : columnOutputs_) registers_[reg] = *values++;
  if (!Program::RunUnfaulted(stepsOnBoth_, registers_.data(), random_)) return ByTheFormula(column);
  return program_->UnfaultedResult(registers_.data());
}

Evaluation LatticeEvaluation::ByTheFormula(std::size_t column) {
  ++pointsLeftToTheFormula_;
  return formula_.Evaluate(Value::Single(xs_[column]), Value::Single(y_), random_);
}

}  // namespace formula
