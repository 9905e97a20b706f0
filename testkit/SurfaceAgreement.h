#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTableBuilder.h"
#include "surface/Coefficients.h"
#include "surface/CompiledRowEvaluation.h"
#include "surface/ZRangeScan.h"

// A formula text as the surface code takes it, one draw's range scan, coefficients and
// cell table, and the check that two ways of drawing leave the same, bit for bit: for
// the tests and the fuzz target alike.
namespace testkit {

// The text compiled once, its RND drawing from a sequence of its own.
inline surface::FormulaPoints Compiled(const std::string& text) {
  auto compiled = std::make_shared<formula::Formula>(text);
  auto random = std::make_shared<formula::RandomSequence>();
  return {[compiled, random](float x, float y) {
            return compiled->Evaluate(formula::Value::Single(x), formula::Value::Single(y), *random);
          },
          compiled->IsPure()};
}

// As the window hands a formula over: compiled once per evaluation handed out, and
// with `rows`, evaluated row by row through compiled lattices.
inline surface::FormulaPoints CompiledForThreads(const std::string& text, bool rows = false) {
  surface::FormulaPoints points = Compiled(text);
  points.MakeEvaluation = [text] { return Compiled(text).Z; };
  if (rows) points.MakeRowEvaluation = surface::CompiledRowEvaluations(text);
  return points;
}

// Unwatched, as in DrawOn, and counting the steps the stages announce and those done.
struct CountedProgress : runtime::NoProgress {
  void BeginStage(runtime::Stage stage, uint64_t total) override {
    announced += total;
    if (stage == runtime::Stage::ScanningZRange) scanSteps = total;
  }
  void Advance(uint64_t steps) override { done += steps; }
  std::atomic<uint64_t> announced = 0, done = 0;
  uint64_t scanSteps = 0;
};

// What a draw leaves behind: the limits, the scan's last ParseError and the table.
struct DrawnSurface {
  surface::Limits limits;
  int16_t scanParseError = 0;
  surface::CellTable cells;
  // Steps announced and not done, or done beyond those announced: a progress bar
  // that never fills or overfills.
  uint64_t stepsAmiss = 0;
  // The steps the range scan announced: one per point of the grid.
  uint64_t scanSteps = 0;

  // The seven limits, the scan's last ParseError and every cell, to the bit.
  friend bool operator==(const DrawnSurface& a, const DrawnSurface& b) {
    return std::memcmp(&a.limits, &b.limits, sizeof a.limits) == 0 && a.scanParseError == b.scanParseError &&
           a.cells.size() == b.cells.size() &&
           (a.cells.empty() ||
            std::memcmp(a.cells.data(), b.cells.data(), a.cells.size() * sizeof a.cells[0]) == 0);
  }
};

// The draw command's sequence on `pool`: range scan, coefficients, cell table.
inline DrawnSurface DrawOn(runtime::WorkerPool& pool, const surface::Limits& limits,
                           const surface::FormulaPoints& formula, surface::ColorMode mode) {
  CountedProgress progress;
  DrawnSurface drawn;
  drawn.limits = limits;
  drawn.scanParseError = surface::ScanZRange(drawn.limits, formula, pool, progress).lastParseError;
  surface::Coefficients coefficients;
  surface::ComputeCoefficients(drawn.limits, coefficients);
  surface::BuildCellTable(drawn.limits, coefficients, formula, mode, drawn.cells, pool, progress);
  drawn.stepsAmiss = progress.announced - progress.done;
  drawn.scanSteps = progress.scanSteps;
  return drawn;
}

}  // namespace testkit
