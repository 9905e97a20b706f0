#pragma once

#include <cstdint>

#include "formula/Evaluation.h"
#include "formula/Value.h"
#include "surface/FormulaPoints.h"

namespace surface {

// The value of one evaluation of the formula. A fault that stopped the evaluation is
// raised here, and a number that is infinite or not a number raises Overflow, so no
// such value ever reaches a range or the cell table. `parseError` takes the
// evaluation's ParseError before either is raised. The value is the evaluation's
// own, checked in place: millions of points a draw need no copies of it.
const formula::Value& FiniteValue(const formula::Evaluation& evaluation, int16_t& parseError);
const formula::Value& FiniteValue(const formula::Evaluation& evaluation);

// The same for the evaluation at X, Y.
formula::Value EvaluateFinite(const FormulaPoints& formula, float X, float Y, int16_t& parseError);
formula::Value EvaluateFinite(const FormulaPoints& formula, float X, float Y);

}  // namespace surface
