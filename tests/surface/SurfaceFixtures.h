#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTableBuilder.h"
#include "surface/Coefficients.h"
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
  auto random = std::make_shared<formula::RandomSequence>();
  FormulaPoints points = Compiled(text, *random);
  points.Z = [random, z = points.Z](float x, float y) { return z(x, y); };  // keeps the sequence alive
  return points;
}

// The scan and the build on the calling thread alone, unwatched.
inline runtime::WorkerPool& OneThread() {
  static runtime::WorkerPool pool(1);
  return pool;
}

inline int16_t ScanZRange(Limits& limits, const FormulaPoints& formula,
                          runtime::WorkerPool& pool = OneThread()) {
  runtime::NoProgress progress;
  return surface::ScanZRange(limits, formula, pool, progress).lastParseError;
}

inline void BuildCellTable(const Limits& limits, const Coefficients& coefficients,
                           const FormulaPoints& formula, surface::ColorMode mode, CellTable& cells,
                           runtime::WorkerPool& pool = OneThread()) {
  runtime::NoProgress progress;
  surface::BuildCellTable(limits, coefficients, formula, mode, cells, pool, progress);
}

// The draw command's sequence: range scan, coefficients, cell table. The scan's last
// ParseError goes to `scanParseError` when given.
inline std::pair<Limits, CellTable> Draw(Limits limits, const FormulaPoints& formula, surface::ColorMode mode,
                                         int16_t* scanParseError = nullptr,
                                         runtime::WorkerPool& pool = OneThread()) {
  const int16_t parseError = ScanZRange(limits, formula, pool);
  if (scanParseError) *scanParseError = parseError;
  Coefficients coefficients;
  ComputeCoefficients(limits, coefficients);
  CellTable cells;
  BuildCellTable(limits, coefficients, formula, mode, cells, pool);
  return {limits, std::move(cells)};
}

// The formula text compiled once per evaluation handed out, as the window does.
inline FormulaPoints CompiledForThreads(const std::string& text) {
  FormulaPoints points = Compiled(text);
  points.MakeEvaluation = [text] { return Compiled(text).Z; };
  return points;
}

// What a draw leaves behind: the limits, the scan's last ParseError and the table.
struct DrawnSurface {
  Limits limits;
  int16_t scanParseError = 0;
  CellTable cells;
};

// Bit for bit: the seven limits, the scan's last ParseError and every cell.
inline void ExpectSameSurface(const DrawnSurface& drawn, const DrawnSurface& expected) {
  EXPECT_EQ(std::memcmp(&drawn.limits, &expected.limits, sizeof(Limits)), 0)
      << "ZMin " << drawn.limits.ZMin() << " / " << expected.limits.ZMin() << ", ZMax " << drawn.limits.ZMax()
      << " / " << expected.limits.ZMax();
  EXPECT_EQ(drawn.scanParseError, expected.scanParseError);
  ASSERT_EQ(drawn.cells.size(), expected.cells.size());
  if (!expected.cells.empty()) {
    EXPECT_EQ(std::memcmp(drawn.cells.data(), expected.cells.data(), expected.cells.size() * sizeof(Cell)),
              0);
  }
}

inline DrawnSurface DrawOn(runtime::WorkerPool& pool, const Limits& limits, const FormulaPoints& formula,
                           ColorMode mode) {
  DrawnSurface drawn;
  std::tie(drawn.limits, drawn.cells) = Draw(limits, formula, mode, &drawn.scanParseError, pool);
  return drawn;
}

}  // namespace surface_test
