#include "formula/Formula.h"

#include <array>
#include <cmath>
#include <optional>

#include "formula/ExactEvaluation.h"
#include "formula/FormulaReduction.h"
#include "formula/FormulaScanner.h"
#include "formula/Operations.h"
#include "formula/PlannedSlot.h"
#include "formula/Program.h"
#include "formula/ProgramBuilder.h"
#include "formula/TokenTable.h"
#include "runtime/RuntimeError.h"

namespace formula {
namespace {

using Kind = Value::Kind;

bool IsFiniteNumber(const Value& v) { return v.IsNumber() && std::isfinite(v.ToDouble()); }

size_t KindIndex(Kind kind) { return static_cast<size_t>(kind) - static_cast<size_t>(Kind::Integer); }

bool DrawsRandom(const PlannedSlot& slot) {
  for (const Operation& operation : kOperations) {
    if (operation.drawsRandom && PlannedSlot::HoldsText(slot, operation.spelling)) return true;
  }
  return false;
}

}  // namespace

struct Formula::Impl {
  explicit Impl(std::string formulaText) : text(std::move(formulaText)) {
    try {
      count = FormulaScanner(text, planner, tokens).Scan();
    } catch (const runtime::RuntimeError& fault) {
      scanFault = fault.Number();
      return;
    }
    for (int k = 1; k <= count; ++k) {
      if (DrawsRandom(tokens[k])) callsRandom = true;
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

  Evaluation Exactly(const Value& X, const Value& Y, RandomSequence& random) {
    ++exactFallbacks;
    return EvaluateExactly(text, X, Y, random);
  }

  std::string text;
  SlotPlanner planner;
  TokenTable<PlannedSlot> tokens;
  int count = 0;
  std::optional<runtime::ErrorNumber> scanFault;
  bool callsRandom = false;
  std::array<std::unique_ptr<Program>, 16> programs;
  uint64_t exactFallbacks = 0;
};

Formula::Formula(std::string text) : impl_(std::make_unique<Impl>(std::move(text))) {}
Formula::~Formula() = default;
Formula::Formula(Formula&&) noexcept = default;
Formula& Formula::operator=(Formula&&) noexcept = default;

Evaluation Formula::Evaluate(const Value& X, const Value& Y, RandomSequence& random) {
  Impl& impl = *impl_;
  // The scan, and so everything compiled, assumed finite numbers for X and Y.
  if (!IsFiniteNumber(X) || !IsFiniteNumber(Y)) return impl.Exactly(X, Y, random);
  if (impl.scanFault) return Evaluation::Raised(*impl.scanFault);
  if (impl.count < 0) return Evaluation::Malformed();
  Program& program = impl.ProgramFor(X.kind(), Y.kind());
  if (!impl.callsRandom) {
    if (auto evaluation = program.Run(X.ToDouble(), Y.ToDouble(), random)) return *std::move(evaluation);
    return impl.Exactly(X, Y, random);
  }
  // A run that gives up may have drawn already: the exact evaluator draws from
  // where the evaluation began.
  const RandomSequence before = random;
  if (auto evaluation = program.Run(X.ToDouble(), Y.ToDouble(), random)) return *std::move(evaluation);
  random = before;
  return impl.Exactly(X, Y, random);
}

bool Formula::IsPure() const { return !impl_->callsRandom; }

const std::string& Formula::text() const { return impl_->text; }

bool Formula::TooLong() const { return impl_->scanFault.has_value(); }

uint64_t Formula::ExactFallbacks() const { return impl_->exactFallbacks; }

const Program* Formula::PureProgram(Value::Kind kindX, Value::Kind kindY) {
  Impl& impl = *impl_;
  if (impl.scanFault || impl.count < 0 || impl.callsRandom) return nullptr;
  return &impl.ProgramFor(kindX, kindY);
}

}  // namespace formula
