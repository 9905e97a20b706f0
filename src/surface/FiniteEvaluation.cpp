#include "surface/FiniteEvaluation.h"

#include <utility>

#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"

namespace surface {

const formula::Value& FiniteValue(const formula::Evaluation& evaluation, int16_t& parseError) {
  parseError = evaluation.parseError;
  if (evaluation.raised) throw runtime::RuntimeError(*evaluation.raised);
  if (evaluation.value.IsNumber()) runtime::FiniteDouble(evaluation.value.ToDouble());
  return evaluation.value;
}

const formula::Value& FiniteValue(const formula::Evaluation& evaluation) {
  int16_t parseError = 0;
  return FiniteValue(evaluation, parseError);
}

formula::Value EvaluateFinite(const FormulaPoints& formula, float X, float Y, int16_t& parseError) {
  return FiniteValue(formula.Z(X, Y), parseError);
}

formula::Value EvaluateFinite(const FormulaPoints& formula, float X, float Y) {
  int16_t parseError = 0;
  return EvaluateFinite(formula, X, Y, parseError);
}

}  // namespace surface
