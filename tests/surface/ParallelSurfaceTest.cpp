// The range scan's extremes merged from runs give the range of one run, to the bit, and
// a table shared out among threads reads as a fresh one.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include "SurfaceFixtures.h"
#include "surface/ZRangeReduction.h"

namespace {

using namespace surface_test;

uint32_t Bits(float value) { return std::bit_cast<uint32_t>(value); }

// Just above the float range, but rounding onto its largest value; and the first
// double that rounds beyond it (the tie goes to the even 2^128).
const double NearFloatMax = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 102);
const double BeyondFloat = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
// Halfway between 0 and the least float: rounds to a zero of its sign.
const double HalfLeastFloat = std::ldexp(1.0, -150);

// The sequences the sequential rule is touchy about: zeros of both signs, values
// that round to -0, ties after rounding, stores that fail beyond the float range.
const struct {
  const char* name;
  std::vector<double> values;
  float min, max;
} Sequences[] = {
    {"none", {}, 0, 0},
    {"-0 stores nothing", {-0.0}, 0, 0},
    {"a tiny negative stores -0", {-1e-300}, -0.0f, 0},
    {"-0 after it", {3, -1e-300, -0.0, 1e-300}, -0.0f, 3},
    {"-0 before it", {-0.0, -HalfLeastFloat, 2}, -0.0f, 2},
    {"a tiny positive keeps +0", {1e-300, HalfLeastFloat}, 0, 0},
    {"tiny negatives, then a value", {-1e-300, -1e-310, -7, -1e-300}, -7, 0},
    {"ties after rounding", {-0.1, -0.1000000001, -0.1f, 0.3, 0.3000000001, 0.3f}, -0.1f, 0.3f},
    {"rounded up, then below it", {-1.00000001, -1.000000001, -1.0}, -1, 0},
    {"beyond the float range fails", {-BeyondFloat, 5, BeyondFloat, -5}, -5, 5},
    {"onto the largest float", {-NearFloatMax, NearFloatMax, 1e300, -1e300}, -FLT_MAX, FLT_MAX},
    {"positives only", {4, 2, 8}, 0, 8},
    {"negatives only", {-4, -2, -8}, -8, 0},
};

// Each sequence cut into three runs at every pair of places, each run's extremes merged
// in order: the range of one run over all values.
TEST(RangeExtremes, EveryCutGivesTheSequentialRange) {
  for (const auto& row : Sequences) {
    const std::size_t n = row.values.size();
    for (std::size_t first = 0; first <= n; ++first)
      for (std::size_t second = first; second <= n; ++second) {
        RangeExtremes merged;
        std::size_t begin = 0;
        for (const std::size_t end : {first, second, n}) {
          RangeExtremes run;
          for (; begin < end; ++begin) run.Take(row.values[begin]);
          merged.Merge(run);
        }
        const RunningRange range = merged.Stored();
        EXPECT_EQ(std::pair(Bits(range.min), Bits(range.max)), std::pair(Bits(row.min), Bits(row.max)))
            << row.name << ", cut at " << first << ", " << second;
      }
  }
}

// Resolution 2.5: 6 rows, 4 reached. A table of the same size is reused as it is: the
// rows beyond the walk read 0 again, and a reached row's failing columns read 0 as in
// a fresh table.
TEST(SharedOutDraw, AReusedTableReadsAsAFreshOne) {
  const struct {
    const char* formula;
    bool heightsFail;
  } rows[] = {{"X + 5", false}, {"10 ^ 39 + Rnd(1)", true}};
  runtime::WorkerPool pool(3);
  for (const auto& row : rows) {
    Cell sevens;
    sevens.fill(7);
    CellTable cells(6, sevens);
    BuildCellTable(MakeLimits(-1, 1, -1, 1, 2.5f), {1, 1, 1, 0, 0, 0}, CompiledForThreads(row.formula),
                   ColorMode::Colors, cells, pool);
    for (std::size_t r = 0; r < cells.size(); ++r) {
      EXPECT_EQ(cells[r] == Cell{}, r >= 4) << row.formula << ", row " << r;
      if (r < 4) {
        EXPECT_EQ(cells[r][MidZ] == 0, row.heightsFail) << row.formula << ", row " << r;
      }
    }
  }
}

}  // namespace
