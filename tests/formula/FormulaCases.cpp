#include "FormulaCases.h"

#include <gtest/gtest.h>

#include <bit>
#include <iomanip>

#include "formula/Module1.h"
#include "formula/RandomSequence.h"

namespace formula {

void PrintTo(const Value& value, std::ostream* os) {
  *os << value.KindName();
  if (value.IsText()) *os << " \"" << value.text() << '"';
  if (value.IsNumber()) {
    *os << ' ' << std::setprecision(17) << value.ToDouble() << " (bits 0x" << std::hex
        << std::bit_cast<uint64_t>(value.ToDouble()) << std::dec << ')';
  }
}

}  // namespace formula

namespace formula_test {

void PrintTo(const Outcome& outcome, std::ostream* os) {
  formula::PrintTo(outcome.value, os);
  *os << ", ParseError " << outcome.parseError;
  if (outcome.raised) *os << ", raised " << static_cast<int>(*outcome.raised);
  formula::RandomSequence sequence = outcome.sequenceAfter;
  *os << ", RND 0 then " << sequence.Rnd(0);
}

namespace {

template <class Evaluation>
Outcome Capture(Evaluation&& evaluate) {
  Module1::ParseError = 12345;  // evaluations must set it, whatever it was
  Outcome outcome;
  try {
    outcome.value = evaluate();
  } catch (const runtime::RuntimeError& fault) {
    outcome.raised = fault.Number();
  }
  outcome.parseError = Module1::ParseError;
  outcome.sequenceAfter = formula::SharedRandomSequence();
  return outcome;
}

}  // namespace

Outcome ExactOutcome(std::string_view text, const Value& X, const Value& Y) {
  return Capture([&] { return Module1::EvaluateFunction(text, X, Y); });
}

Outcome CompiledOutcome(formula::Formula& formula, const Value& X, const Value& Y) {
  return Capture([&] { return formula.Evaluate(X, Y); });
}

void ExpectRow(const Row& row) {
  SCOPED_TRACE("formula \"" + row.text + "\" at X = " + std::to_string(row.x) +
               ", Y = " + std::to_string(row.y));
  const Value X = S(row.x);
  const Value Y = S(row.y);
  const formula::RandomSequence start = formula::SharedRandomSequence();
  const Outcome exact = ExactOutcome(row.text, X, Y);
  EXPECT_EQ(exact.value, row.value) << "exact evaluator";
  EXPECT_EQ(exact.parseError, row.parseError) << "exact evaluator";
  EXPECT_EQ(exact.raised, std::nullopt) << "exact evaluator";
  formula::SharedRandomSequence() = start;
  formula::Formula compiled(row.text);
  EXPECT_EQ(CompiledOutcome(compiled, X, Y), exact) << "compiled formula";
}

}  // namespace formula_test
