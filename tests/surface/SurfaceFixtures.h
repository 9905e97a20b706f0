#pragma once

#include <cmath>
#include <utility>
#include <vector>

#include "formula/Value.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"

namespace surface_test {

inline surface::Limits MakeLimits(float xMin, float xMax, float yMin, float yMax, float resolution) {
  surface::Limits limits;
  limits.XMin() = xMin;
  limits.XMax() = xMax;
  limits.YMin() = yMin;
  limits.YMax() = yMax;
  limits.Resolution() = resolution;
  return limits;
}

inline surface::Limits StartupLimits() { return MakeLimits(-1, 1, -1, 1, 12); }

// "(Cos(X) ^ 2 + Sin(Y) ^ 2)" as the evaluator computes it, in double.
inline surface::FormulaPoints DefaultFormula(bool pure = true) {
  return {[](float x, float y) {
            return formula::Value::Double(std::pow(std::cos(static_cast<double>(x)), 2) +
                                          std::pow(std::sin(static_cast<double>(y)), 2));
          },
          pure};
}

inline surface::FormulaPoints ConstantFormula(formula::Value value, bool pure = true) {
  return {[value](float, float) { return value; }, pure};
}

// An impure formula in the manner of RND: it returns 1, 2, 3, ... one per evaluation
// and records where it was evaluated.
struct CountingFormula {
  std::vector<std::pair<float, float>> points;

  surface::FormulaPoints Points() {
    return {[this](float x, float y) {
              points.emplace_back(x, y);
              return formula::Value::Double(static_cast<double>(points.size()));
            },
            false};
  }
};

}  // namespace surface_test
