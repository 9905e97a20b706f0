#include "surface/ZRangeScan.h"

#include <memory>
#include <utility>
#include <vector>

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"
#include "surface/CellTableBuilder.h"
#include "surface/FiniteEvaluation.h"
#include "surface/GridWalk.h"
#include "surface/RowParts.h"
#include "surface/ZRangeReduction.h"

namespace surface {
namespace {

using runtime::Statement;
using runtime::Test;

struct ScanGrid {
  std::vector<float> xs;
  std::vector<float> ys;
};

// Every comparison and every store makes its own evaluation, so a formula with RND
// stores a fresh value, not the one compared. An error in a comparison leads into
// the store under it.
void ScanEveryEvaluation(const FormulaPoints& formula, const ScanGrid& grid, std::size_t firstRow,
                         std::size_t endRow, RunningRange& range, int16_t& lastParseError) {
  for (std::size_t j = firstRow; j < endRow; ++j) {
    const float Y = grid.ys[j];
    for (const float X : grid.xs) {
      const auto z = [&] { return EvaluateFinite(formula, X, Y, lastParseError).ToDouble(); };
      if (Test([&] { return range.min > z(); })) Statement([&] { range.min = runtime::ToSingle(z()); });
      if (Test([&] { return range.max < z(); })) Statement([&] { range.max = runtime::ToSingle(z()); });
    }
  }
}

// For a formula whose evaluations at a point always agree: one evaluation stands
// for all four. When it fails, each of the four statements would fail too.
template <class Range>
void ScanEachPointOnce(RowEvaluation& row, const ScanGrid& grid, std::size_t firstRow, std::size_t endRow,
                       Range& range, int16_t& lastParseError) {
  for (std::size_t j = firstRow; j < endRow; ++j) {
    row.SetY(grid.ys[j]);
    for (std::size_t i = 0; i < grid.xs.size(); ++i) {
      double value = 0;
      if (Statement([&] { value = FiniteValue(row.At(i), lastParseError).ToDouble(); })) range.Take(value);
    }
  }
}

// One ordered pass on this thread, the range carried from part to part.
bool ScanInOrder(const FormulaPoints& formula, const ScanGrid& grid, const RowParts& parts,
                 runtime::WorkerPool& pool, runtime::Progress& progress, RunningRange& range,
                 int16_t& lastParseError) {
  const std::unique_ptr<RowEvaluation> row = formula.pure ? RowEvaluationOf(formula, grid.xs) : nullptr;
  return RunParts(parts, false, pool, progress, [&](std::size_t part) {
    if (row)
      ScanEachPointOnce(*row, grid, parts.FirstRow(part), parts.EndRow(part), range, lastParseError);
    else
      ScanEveryEvaluation(formula, grid, parts.FirstRow(part), parts.EndRow(part), range, lastParseError);
  });
}

// Each part keeps its own extremes and last ParseError; merged in part order they
// give what one ordered pass would (see RangeExtremes).
bool ScanSharedOut(const FormulaPoints& formula, const ScanGrid& grid, const RowParts& parts,
                   runtime::WorkerPool& pool, runtime::Progress& progress, RunningRange& range,
                   int16_t& lastParseError) {
  struct PartScan {
    RangeExtremes extremes;
    int16_t lastParseError = 0;
  };
  std::vector<PartScan> scans(parts.Count());
  EvaluationShelf<std::unique_ptr<RowEvaluation>> shelf([&] { return OwnRowEvaluationOf(formula, grid.xs); });
  const bool completed = RunParts(parts, true, pool, progress, [&](std::size_t part) {
    std::unique_ptr<RowEvaluation> row = shelf.Take();
    // Kept on this thread's stack until the part ends: neighbouring parts' results
    // share cache lines, and a store at every point would make the threads fight over them.
    PartScan scan;
    ScanEachPointOnce(*row, grid, parts.FirstRow(part), parts.EndRow(part), scan.extremes,
                      scan.lastParseError);
    scans[part] = scan;
    shelf.PutBack(std::move(row));
  });
  if (!completed) return false;
  RangeExtremes all;
  for (const PartScan& scan : scans) all.Merge(scan.extremes);
  range = all.Stored();
  // Every part has whole rows of points, all evaluated: the last part made the last evaluation.
  if (!scans.empty() && !grid.xs.empty()) lastParseError = scans.back().lastParseError;
  return true;
}

}  // namespace

ZRangeScanResult ScanZRange(Limits& limits, const FormulaPoints& formula, runtime::WorkerPool& pool,
                            runtime::Progress& progress) {
  // A refused grid is reported by the caller; here it must only not start an endless walk.
  if (GridRefusal(limits)) return {};

  float dx = 0, dy = 0;
  Statement([&] { dx = GridStep(limits.XMin(), limits.XMax(), limits.Resolution()); });
  Statement([&] { dy = GridStep(limits.YMin(), limits.YMax(), limits.Resolution()); });
  auto xs = WalkValues(limits.XMin(), limits.XMax(), dx, WalkLengthLimit(limits.Resolution()));
  auto ys = WalkValues(limits.YMin(), limits.YMax(), dy, WalkLengthLimit(limits.Resolution()));
  if (!xs || !ys) return {};
  const ScanGrid grid{std::move(*xs), std::move(*ys)};

  const bool sharedOut = SharesOut(formula, pool);
  const RowParts parts(grid.ys.size(), grid.xs.size(), grid.ys.size() * grid.xs.size(), pool.Size());
  progress.BeginStage(runtime::Stage::ScanningZRange, parts.TotalSteps());
  RunningRange range;
  int16_t lastParseError = 0;
  const bool completed = sharedOut
                             ? ScanSharedOut(formula, grid, parts, pool, progress, range, lastParseError)
                             : ScanInOrder(formula, grid, parts, pool, progress, range, lastParseError);
  if (!completed) return {false, 0};
  limits.ZMin() = range.min;
  limits.ZMax() = range.max;
  return {true, lastParseError};
}

}  // namespace surface
