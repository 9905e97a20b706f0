#pragma once

#include "formula/Value.h"
#include "surface/FormulaPoints.h"

namespace surface {

// One evaluation of the formula at X, Y. A number that is infinite or not a number
// raises Overflow, so no such value ever reaches a range or the cell table.
formula::Value EvaluateFinite(const FormulaPoints& formula, float X, float Y);

}  // namespace surface
