#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "formula/Evaluation.h"

namespace surface {

// A pure formula at the points of a lattice, row by row: the X of every column is
// given when it is made, then one Y at a time. Each evaluation is the formula's at
// (xs[column], Y), as FormulaPoints::Z gives it there. Keeps state between
// evaluations, so serves one thread.
class RowEvaluation {
 public:
  virtual ~RowEvaluation() = default;
  virtual void SetY(float Y) = 0;
  virtual formula::Evaluation At(std::size_t column) = 0;
};

// Makes a row evaluation over the given X values, which must outlive it.
using RowEvaluationMaker = std::function<std::unique_ptr<RowEvaluation>(const std::vector<float>& xs)>;

}  // namespace surface
