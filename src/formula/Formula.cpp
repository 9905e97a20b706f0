#include "formula/Formula.h"

#include <array>
#include <cmath>
#include <optional>

#include "formula/ExactFallbacks.h"
#include "formula/FormulaReduction.h"
#include "formula/FormulaScanner.h"
#include "formula/Module1.h"
#include "formula/PlannedSlot.h"
#include "formula/Program.h"
#include "formula/ProgramBuilder.h"
#include "formula/RandomSequence.h"
#include "formula/TokenTable.h"
#include "runtime/RuntimeError.h"

namespace formula {
namespace {

using Kind = Value::Kind;

bool IsFiniteNumber(const Value& v) { return v.IsNumber() && std::isfinite(v.ToDouble()); }

size_t KindIndex(Kind kind) { return static_cast<size_t>(kind) - static_cast<size_t>(Kind::Integer); }

uint64_t fallbacks = 0;

Value ExactEvaluation(const std::string& text, const Value& X, const Value& Y) {
  ++fallbacks;
  return Module1::EvaluateFunction(text, X, Y);
}

}  // namespace

uint64_t ExactFallbacks() { return fallbacks; }

struct Formula::Impl {
  explicit Impl(std::string formulaText) : text(std::move(formulaText)) {
    try {
      count = FormulaScanner(text, planner, tokens).Scan();
    } catch (const runtime::RuntimeError& fault) {
      scanFault = fault.Number();
      return;
    }
    for (int k = 1; k <= count; ++k) {
      if (PlannedSlot::HoldsText(tokens[k], "RND")) callsRandom = true;
    }
  }

  // The reduction of the scanned tokens for arguments of the given kinds.
  Program& ProgramFor(Kind kindX, Kind kindY) {
    auto& program = programs[KindIndex(kindX) * 4 + KindIndex(kindY)];
    if (!program) program = Compile(kindX, kindY);
    return *program;
  }

  std::unique_ptr<Program> Compile(Kind kindX, Kind kindY) const {
    auto program = std::make_unique<Program>(planner.Literals(), kindX, kindY);
    TokenTable<PlannedSlot> table = tokens;
    for (int k = 1; k <= count; ++k) {
      if (!PlannedSlot::IsNumber(table[k])) continue;
      PlannedSlot slot = table[k];
      if (slot.reg == Program::kXRegister) slot.kind = kindX;
      if (slot.reg == Program::kYRegister) slot.kind = kindY;
      table.Put(k, std::move(slot));
    }
    ProgramBuilder builder(*program);
    const std::optional<PlannedSlot> result = FormulaReduction(builder, table, count).Reduce();
    if (result) {
      program->EndWithValue(result->reg);
    } else {
      program->EndMalformed();
    }
    return program;
  }

  // The compiled program's outcome at one point, or nothing when a fault there
  // needs the exact evaluator.
  std::optional<Value> RunCompiled(const Value& X, const Value& Y) {
    Program& program = ProgramFor(X.kind(), Y.kind());
    std::optional<Value> value = program.Run(X.ToDouble(), Y.ToDouble());
    if (value) Module1::ParseError = program.EndsMalformed() ? -1 : program.LastFault();
    return value;
  }

  std::string text;
  SlotPlanner planner;
  TokenTable<PlannedSlot> tokens;
  int count = 0;
  std::optional<runtime::ErrorNumber> scanFault;
  bool callsRandom = false;
  std::array<std::unique_ptr<Program>, 16> programs;
};

Formula::Formula(std::string text) : impl_(std::make_unique<Impl>(std::move(text))) {}
Formula::~Formula() = default;
Formula::Formula(Formula&&) noexcept = default;
Formula& Formula::operator=(Formula&&) noexcept = default;

Value Formula::Evaluate(const Value& X, const Value& Y) {
  // The scan, and so everything compiled, assumed finite numbers for X and Y.
  if (!IsFiniteNumber(X) || !IsFiniteNumber(Y)) return ExactEvaluation(impl_->text, X, Y);
  Module1::ParseError = 0;
  if (impl_->scanFault) throw runtime::RuntimeError(*impl_->scanFault);
  if (impl_->count < 0) {
    Module1::ParseError = -1;
    return {};
  }
  if (!impl_->callsRandom) {
    if (auto value = impl_->RunCompiled(X, Y)) return *std::move(value);
    return ExactEvaluation(impl_->text, X, Y);
  }
  const RandomSequence before = SharedRandomSequence();
  if (auto value = impl_->RunCompiled(X, Y)) return *std::move(value);
  SharedRandomSequence() = before;
  return ExactEvaluation(impl_->text, X, Y);
}

bool Formula::IsPure() const { return !impl_->callsRandom; }

const std::string& Formula::text() const { return impl_->text; }

bool Formula::TooLong() const { return impl_->scanFault.has_value(); }

}  // namespace formula
