#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "surface/Coefficients.h"
#include "surface/CellTableBuilder.h"
#include "surface/ZRangeScan.h"
#include "window/WindowLayout.h"

namespace surface_test {
using namespace surface;

inline Limits MakeLimits(float xMin, float xMax, float yMin, float yMax, float resolution) {
  Limits limits;
  int k = 0;
  for (const float value : {xMin, xMax, yMin, yMax, resolution}) limits[InputLimits[k++]] = value;
  return limits;
}

inline Limits StartupLimits() { return MakeLimits(-1, 1, -1, 1, 12); }
using window::DefaultFormula;

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
inline std::pair<Limits, CellTable> Draw(Limits limits, const FormulaPoints& formula, surface::ColorMode mode,
                                     int16_t* scanParseError = nullptr) {
  const int16_t parseError = ScanZRange(limits, formula);
  if (scanParseError) *scanParseError = parseError;
  Coefficients coefficients;
  ComputeCoefficients(limits, coefficients);
  CellTable cells;
  BuildCellTable(limits, coefficients, formula, mode, cells);
  return {limits, std::move(cells)};
}

}  // namespace surface_test
