#include "formula/Module1.h"

#include <array>

#include "formula/ExactMachine.h"
#include "formula/FormulaReduction.h"
#include "formula/FormulaScanner.h"
#include "formula/RandomSequence.h"
#include "formula/TokenTable.h"

namespace Module1 {

int16_t ParseError = 0;

formula::Value EvaluateFunction(std::string_view formulaText, const formula::Value& X,
                                const formula::Value& Y) {
  ParseError = 0;
  formula::TokenTable<formula::Value> tokens;
  formula::ExactMachine machine(X, Y, formula::SharedRandomSequence());
  const int count = formula::FormulaScanner(formulaText, machine, tokens).Scan();
  if (count < 0) {
    ParseError = -1;
    return {};
  }
  formula::FormulaReduction reduction(machine, tokens, count);
  auto result = reduction.Reduce();
  if (!result) {
    ParseError = -1;
    return {};
  }
  ParseError = reduction.LastFault();
  return *std::move(result);
}

bool IsNotNumber(const formula::Value& v) {
  constexpr std::array<std::string_view, 6> kNumericKinds = {"Integer", "Long",     "Single",
                                                              "Double",  "Currency", "Decimal"};
  for (std::string_view kind : kNumericKinds) {
    if (v.KindName() == kind) return false;
  }
  return true;
}

}  // namespace Module1
