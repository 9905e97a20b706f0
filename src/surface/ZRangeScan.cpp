#include "surface/ZRangeScan.h"

#include <vector>

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"
#include "surface/FiniteEvaluation.h"
#include "surface/GridWalk.h"
#include "surface/CellTableBuilder.h"

namespace surface {
namespace {

using runtime::Statement;
using runtime::Test;

struct RunningRange {
  float min = 0;
  float max = 0;
};

// Every comparison and every store makes its own evaluation, so a formula with RND
// stores a fresh value, not the one compared. An error in a comparison leads into
// the store under it.
void ScanEveryEvaluation(const FormulaPoints& formula, const std::vector<float>& xs,
                         const std::vector<float>& ys, RunningRange& range) {
  for (const float Y : ys) {
    for (const float X : xs) {
      if (Test([&] { return range.min > EvaluateFinite(formula, X, Y).ToDouble(); }))
        Statement([&] { range.min = runtime::ToSingle(EvaluateFinite(formula, X, Y).ToDouble()); });
      if (Test([&] { return range.max < EvaluateFinite(formula, X, Y).ToDouble(); }))
        Statement([&] { range.max = runtime::ToSingle(EvaluateFinite(formula, X, Y).ToDouble()); });
    }
  }
}

// For a formula whose evaluations at a point always agree: one evaluation stands
// for all four. When it fails, each of the four statements would fail too.
void ScanEachPointOnce(const FormulaPoints& formula, const std::vector<float>& xs,
                       const std::vector<float>& ys, RunningRange& range) {
  for (const float Y : ys) {
    for (const float X : xs) {
      double value = 0;
      if (!Statement([&] { value = EvaluateFinite(formula, X, Y).ToDouble(); })) continue;
      if (range.min > value) Statement([&] { range.min = runtime::ToSingle(value); });
      if (range.max < value) Statement([&] { range.max = runtime::ToSingle(value); });
    }
  }
}

}  // namespace

void ScanZRange(Limits& limits, const FormulaPoints& formula) {
  // A refused grid is reported by the caller; here it must only not start an endless walk.
  if (GridRefusal(limits)) return;

  float dx = 0, dy = 0;
  Statement([&] { dx = GridStep(limits.XMin(), limits.XMax(), limits.Resolution()); });
  Statement([&] { dy = GridStep(limits.YMin(), limits.YMax(), limits.Resolution()); });
  const auto xs = WalkValues(limits.XMin(), limits.XMax(), dx, WalkLengthLimit(limits.Resolution()));
  const auto ys = WalkValues(limits.YMin(), limits.YMax(), dy, WalkLengthLimit(limits.Resolution()));
  if (!xs || !ys) return;

  RunningRange range;
  if (formula.pure)
    ScanEachPointOnce(formula, *xs, *ys, range);
  else
    ScanEveryEvaluation(formula, *xs, *ys, range);
  limits.ZMin() = range.min;
  limits.ZMax() = range.max;
}

}  // namespace surface
