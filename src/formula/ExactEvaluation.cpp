#include "formula/ExactEvaluation.h"

#include <optional>

#include "formula/ExactMachine.h"
#include "formula/FormulaReduction.h"
#include "formula/FormulaScanner.h"
#include "formula/TokenTable.h"
#include "runtime/RuntimeError.h"

namespace formula {

Evaluation EvaluateExactly(std::string_view text, const Value& X, const Value& Y, RandomSequence& random) {
  TokenTable<Value> tokens;
  ExactMachine machine(X, Y, random);
  int count = 0;
  try {
    count = FormulaScanner(text, machine, tokens).Scan();
  } catch (const runtime::RuntimeError& fault) {
    return Evaluation::Raised(fault.Number());
  }
  if (count < 0) return Evaluation::Malformed();
  FormulaReduction reduction(machine, tokens, count);
  std::optional<Value> result = reduction.Reduce();
  if (!result) return Evaluation::Malformed();
  return {*std::move(result), reduction.LastFault()};
}

}  // namespace formula
