// Work shared out gives what one ordered pass gives: the range scan's extremes merged
// from runs, a table shared out among threads, rows evaluated through compiled lattices.
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
  // The formula, and whether every height fails: evaluated point by point, or once per
  // corner shared among the cells of a pure formula.
  const std::pair<const char*, bool> rows[] = {
      {"X + 5", false}, {"10 ^ 39 + Rnd(1)", true}, {"10 ^ 39 + X", true}};
  runtime::WorkerPool pool(3);
  for (const auto& [formula, heightsFail] : rows) {
    Cell sevens;
    sevens.fill(7);
    CellTable cells(6, sevens);
    BuildCellTable(MakeLimits(-1, 1, -1, 1, 2.5f), {1, 1, 1, 0, 0, 0}, CompiledForThreads(formula),
                   ColorMode::Colors, cells, pool);
    for (std::size_t r = 0; r < cells.size(); ++r) {
      EXPECT_EQ(cells[r] == Cell{}, r >= 4) << formula << ", row " << r;
      EXPECT_TRUE(r >= 4 || (cells[r][MidZ] == 0) == heightsFail) << formula << ", row " << r;
    }
  }
}

// A pure formula evaluated once per point, or row by row through compiled lattices on
// one thread or shared out, gives the range and the table of the literal order, where
// every statement evaluates the formula at its point.
// Faults in the steps on X alone, on Y alone, on both and on neither; Integer and Long
// results, -0 and ties, values beyond float, texts that run no program, RND in its one ordered pass. Each on
// a range around 0, where the faults lie, or far from it, where the counters move in coarse steps;
// resolutions whose last row ends inside a pass.
TEST(LatticeRows, GiveTheSurfaceOfTheLiteralOrder) {
  const Limits grids[] = {MakeLimits(-1, 1, -1, 1, 37), MakeLimits(-2, 3, -1.5f, 1, 23.7f),
                          MakeLimits(-6, 6, 0, 2, 11.2f), MakeLimits(1e7f, 1e7f + 50, -3, 3, 17.5f)};
  const std::string texts[] = {
      "(Cos(X) ^ 2 + Sin(Y) ^ 2)",
      "Log(X) + Y",
      "X + Sqr(Y)",
      "Log(X * Y)",
      "Log(0) + X * Y",
      "X * Y * 10 ^ 38",
      "Int(X * 3) * Sgn(Y)",
      "Int(X) Mod Int(Y)",
      "-0 * X",
      "Exp(X) ^ Y / (X - Y)",
      "Y",
      "7",
      "(X",
      "Rnd(1) * X + Y",
      "X" + std::string(120, '+') + "X",  // too long for the token table
  };
  runtime::WorkerPool one(1), three(3);
  std::size_t k = 0;
  for (const std::string& text : texts) {
    // The literal order: every statement makes its own evaluation, one point at a time.
    FormulaPoints literal = Compiled(text);
    literal.pure = false;
    const Limits& limits = grids[k % std::size(grids)];
    const ColorMode mode = AllColorModes[k++ % std::size(AllColorModes)];
    const DrawnSurface expected = DrawOn(one, limits, literal, mode);
    SCOPED_TRACE(text.substr(0, 40));
    ExpectSameSurface(DrawOn(one, limits, Compiled(text), mode), expected);  // shared point by point
    for (runtime::WorkerPool* pool : {&one, &three}) {
      SCOPED_TRACE(std::to_string(pool->Size()) + " threads, by rows");
      ExpectSameSurface(DrawOn(*pool, limits, CompiledForThreads(text, true), mode), expected);
    }
  }
}

}  // namespace
