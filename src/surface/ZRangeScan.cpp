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
  int16_t lastParseError = 0;
};

// Every comparison and every store makes its own evaluation, so a formula with RND
// stores a fresh value, not the one compared. An error in a comparison leads into
// the store under it.
void ScanEveryEvaluation(const FormulaPoints& formula, const std::vector<float>& xs,
                         const std::vector<float>& ys, RunningRange& range) {
  for (const float Y : ys) {
    for (const float X : xs) {
      const auto z = [&] { return EvaluateFinite(formula, X, Y, range.lastParseError).ToDouble(); };
      if (Test([&] { return range.min > z(); })) Statement([&] { range.min = runtime::ToSingle(z()); });
      if (Test([&] { return range.max < z(); })) Statement([&] { range.max = runtime::ToSingle(z()); });
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
      if (!Statement([&] { value = EvaluateFinite(formula, X, Y, range.lastParseError).ToDouble(); }))
        continue;
      if (range.min > value) Statement([&] { range.min = runtime::ToSingle(value); });
      if (range.max < value) Statement([&] { range.max = runtime::ToSingle(value); });
    }
  }
}

}  // namespace

int16_t ScanZRange(Limits& limits, const FormulaPoints& formula) {
  // A refused grid is reported by the caller; here it must only not start an endless walk.
  if (GridRefusal(limits)) return 0;

  float dx = 0, dy = 0;
  Statement([&] { dx = GridStep(limits.XMin(), limits.XMax(), limits.Resolution()); });
  Statement([&] { dy = GridStep(limits.YMin(), limits.YMax(), limits.Resolution()); });
  const auto xs = WalkValues(limits.XMin(), limits.XMax(), dx, WalkLengthLimit(limits.Resolution()));
  const auto ys = WalkValues(limits.YMin(), limits.YMax(), dy, WalkLengthLimit(limits.Resolution()));
  if (!xs || !ys) return 0;

  RunningRange range;
  if (formula.pure)
    ScanEachPointOnce(formula, *xs, *ys, range);
  else
    ScanEveryEvaluation(formula, *xs, *ys, range);
  limits.ZMin() = range.min;
  limits.ZMax() = range.max;
  return range.lastParseError;
}

}  // namespace surface
