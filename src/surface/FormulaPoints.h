#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "formula/Evaluation.h"
#include "surface/RowEvaluation.h"

namespace surface {

// The formula's evaluation at a grid point, X first.
using PointEvaluation = std::function<formula::Evaluation(float X, float Y)>;

// The formula as the surface routines use it: its evaluation at a grid point, and
// whether two evaluations at the same point always agree, value and ParseError
// alike, so that repeated evaluations there may be made once.
//
// Z keeps state between evaluations (compiled programs, RND's sequence) and so
// serves one thread at a time. A pure formula may also say how to make further
// evaluations of itself, each with state of its own, so that several threads can
// evaluate it at once; without that, every evaluation runs on the calling thread.
// It may also make row evaluations of its own, from any thread, which evaluate a
// lattice of points faster than one point at a time.
struct FormulaPoints {
  PointEvaluation Z;
  bool pure = false;
  std::function<PointEvaluation()> MakeEvaluation{};
  RowEvaluationMaker MakeRowEvaluation{};
};

// The row evaluation of a pure formula over `xs`: its own when it makes them,
// otherwise Z at each point in turn, on the calling thread.
std::unique_ptr<RowEvaluation> RowEvaluationOf(const FormulaPoints& formula, const std::vector<float>& xs);

// The same for a part that runs beside others: never through Z, which serves the
// calling thread alone.
std::unique_ptr<RowEvaluation> OwnRowEvaluationOf(const FormulaPoints& formula, const std::vector<float>& xs);

}  // namespace surface
