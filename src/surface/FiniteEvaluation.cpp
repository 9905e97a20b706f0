#include "surface/FiniteEvaluation.h"

#include "runtime/Conversions.h"

namespace surface {

formula::Value EvaluateFinite(const FormulaPoints& formula, float X, float Y) {
  formula::Value value = formula.Z(X, Y);
  if (value.IsNumber()) runtime::FiniteDouble(value.ToDouble());
  return value;
}

}  // namespace surface
