#pragma once

#include <memory>
#include <string>
#include <utility>

#include "formula/Formula.h"
#include "surface/CenteringCoefficients.h"
#include "surface/SurfaceSpots.h"
#include "surface/ZRange.h"

namespace surface_test {
using namespace surface;

inline Limits MakeLimits(float xMin, float xMax, float yMin, float yMax, float resolution) {
  Limits limits;
  for (int k = 1; const float value : {xMin, xMax, yMin, yMax, resolution}) limits[k++] = value;
  return limits;
}

inline Limits StartupLimits() { return MakeLimits(-1, 1, -1, 1, 12); }
constexpr const char* DefaultFormula = "(Cos(X) ^ 2 + Sin(Y) ^ 2)";

inline FormulaPoints Compiled(const std::string& text) {
  auto f = std::make_shared<formula::Formula>(text);
  return {[f](float x, float y) { return f->Evaluate(formula::Value::Single(x), formula::Value::Single(y)); },
          f->IsPure()};
}

// The draw command's sequence: range scan, coefficients, cell table.
inline std::pair<Limits, Spots> Draw(Limits limits, const FormulaPoints& formula, render::ColorMode mode) {
  GetCoordinates(limits, formula);
  Coefficients coefficients;
  CenteringFunctionCoefficients(limits, coefficients);
  Spots spots;
  GetFunctionSpots(limits, coefficients, formula, mode, spots);
  return {limits, std::move(spots)};
}

}  // namespace surface_test
