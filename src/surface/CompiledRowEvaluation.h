#pragma once

#include <string>

#include "surface/RowEvaluation.h"

namespace surface {

// Row evaluations of a pure formula's text, each through a formula::LatticeEvaluation
// of its own that compiles the text anew: callable from any thread, for
// FormulaPoints::MakeRowEvaluation.
RowEvaluationMaker CompiledRowEvaluations(std::string text);

}  // namespace surface
