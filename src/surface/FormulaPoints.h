#pragma once

#include <functional>

#include "formula/Evaluation.h"

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
struct FormulaPoints {
  PointEvaluation Z;
  bool pure = false;
  std::function<PointEvaluation()> MakeEvaluation{};
};

}  // namespace surface
