#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
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

// The formula's RND draws from `random`, or from a fresh sequence of its own.
inline FormulaPoints Compiled(const std::string& text, formula::RandomSequence& random) {
  auto f = std::make_shared<formula::Formula>(text);
  return {[f, &random](float x, float y) {
            return f->Evaluate(formula::Value::Single(x), formula::Value::Single(y), random);
          },
          f->IsPure()};
}

inline FormulaPoints Compiled(const std::string& text) {
  auto f = std::make_shared<formula::Formula>(text);
  auto random = std::make_shared<formula::RandomSequence>();
  return {[f, random](float x, float y) {
            return f->Evaluate(formula::Value::Single(x), formula::Value::Single(y), *random);
          },
          f->IsPure()};
}

// The draw command's sequence: range scan, coefficients, cell table. The scan's last
// ParseError goes to `scanParseError` when given.
inline std::pair<Limits, Spots> Draw(Limits limits, const FormulaPoints& formula, render::ColorMode mode,
                                     int16_t* scanParseError = nullptr) {
  const int16_t parseError = GetCoordinates(limits, formula);
  if (scanParseError) *scanParseError = parseError;
  Coefficients coefficients;
  CenteringFunctionCoefficients(limits, coefficients);
  Spots spots;
  GetFunctionSpots(limits, coefficients, formula, mode, spots);
  return {limits, std::move(spots)};
}

}  // namespace surface_test
