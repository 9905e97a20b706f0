#pragma once

#include <functional>

#include "formula/Evaluation.h"

namespace surface {

// The formula as the surface routines use it: its evaluation at a grid point (X
// first), and whether two evaluations at the same point always agree, value and
// ParseError alike, so that repeated evaluations there may be made once.
struct FormulaPoints {
  std::function<formula::Evaluation(float X, float Y)> Z;
  bool pure = false;
};

}  // namespace surface
