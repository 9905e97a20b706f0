// Which evaluations a draw makes: literally ordered, shared for a pure formula, or none.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "SurfaceFixtures.h"
#include "formula/RandomSequence.h"
#include "runtime/RuntimeError.h"

namespace {

using formula::Evaluation;
using formula::Value;
using surface::ColorMode;
using enum surface::ColorMode;
using std::bit_cast;
using namespace surface_test;

// Every comparison and every store evaluates anew, so the maximum stored is a fresh
// draw, not the one compared; a failing comparison leads into its store.
TEST(ScanZRange, EveryComparisonAndStoreEvaluates) {
  formula::RandomSequence random, expected = random;
  float max = 0;
  for (int point = 0; point < 4; ++point) {
    expected.Rnd(1);  // the minimum's comparison; RND is never below 0
    if (max < expected.Rnd(1)) max = expected.Rnd(1);
  }
  Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);  // 2 x 2 points
  ScanZRange(limits, Compiled("RND(1)", random));
  EXPECT_EQ(limits.ZMax(), max);
  EXPECT_TRUE(random == expected);
  int evaluations = 0;
  ScanZRange(limits, {[&](float, float) {
               if (++evaluations % 2) return Evaluation::Raised(runtime::ErrorNumber::Overflow);
               return Evaluation{Value::Double(-5)};
             }});
  EXPECT_EQ(evaluations, 16);
  EXPECT_EQ(std::pair(limits.ZMin(), limits.ZMax()), std::pair(-5.0f, -5.0f));
}

// The draw command says "Parse Error" when the scan's last evaluation found the formula
// malformed, whatever the ones before found. A value of 0 stores nothing: 2 evaluations
// per point, one for a formula whose evaluations at a point agree. A fault or a value
// stored at the last point takes more; from the last point on all give `last`.
TEST(ScanZRange, ReturnsTheParseErrorOfItsLastEvaluation) {
  const Evaluation zero{Value::Integer(0)}, malformed = Evaluation::Malformed();
  const struct {
    bool pure;
    Evaluation before, last;
    int16_t expected;
  } rows[] = {
      {false, zero, malformed, Evaluation::kMalformed},
      {false, malformed, zero, 0},
      {false, malformed, Evaluation::Raised(runtime::ErrorNumber::Overflow), 0},
      {false, malformed, {Value::Double(1), 11}, 11},  // stored: one evaluation more
      {true, zero, malformed, Evaluation::kMalformed},
      {true, malformed, {Value::Double(HUGE_VAL), 6}, 6},  // fails as it is taken
  };
  for (const auto& row : rows) {
    Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);  // 2 x 2 points
    int made = 0;
    const int lastPoint = row.pure ? 4 : 8;
    const auto z = [&](float, float) { return ++made >= lastPoint ? row.last : row.before; };
    EXPECT_EQ(ScanZRange(limits, {z, row.pure}), row.expected) << &row - rows;
  }
}

// From X = 10000000 a step of 1.43 moves the float counter by 1, so each pass holds
// 10 cells: 70 cells for a table of 49 rows. The cells beyond it still draw.
TEST(BuildCellTable, EveryCornerOfEveryCellIsItsOwnDraw) {
  formula::RandomSequence random, expected = random;
  CellTable cells;
  BuildCellTable(MakeLimits(10000000, 10000010, -1, 1, 7), {1, 1, 1, 0, 0, 0}, Compiled("RND(1)", random),
                 Grid, cells);
  ASSERT_EQ(cells.size(), 49u);
  for (const Cell& row : cells)
    for (const int z : {Corner0Z, Corner1Z, Corner2Z, Corner3Z, MidZ}) ASSERT_EQ(row[z], expected.Rnd(1));
  for (int draw = 0; draw < 21 * 5; ++draw) expected.Rnd(1);
  EXPECT_TRUE(random == expected);
}

// Depends on its point alone, but now and then fails or gives an empty, a text, a value
// beyond float or infinity, picked by the bits of X and Y.
FormulaPoints RandomMixedFormula(std::mt19937& random) {
  std::uniform_real_distribution<double> coefficient(-50, 50);
  const double a = coefficient(random), b = coefficient(random), c = coefficient(random);
  return {[=](float x, float y) {
    const uint32_t pick = (bit_cast<uint32_t>(x) * 2654435761u ^ bit_cast<uint32_t>(y) * 40503u) % 40;
    const double v = a * std::sin(x * b) + c * y * y;
    if (pick == 0) return Evaluation::Raised(runtime::ErrorNumber::DivisionByZero);
    const Value odd[] = {Value(), Value::Text("X"), Value::Double(v * 1e38), Value::Double(HUGE_VAL)};
    return Evaluation{pick < 5   ? odd[pick - 1]
                      : pick % 2 ? Value::Single(static_cast<float>(v))
                                 : Value::Double(v)};
  }};
}

// Both must give the same range and table, bit for bit, in every colour mode. A seeded
// sample of ranges, now and then far from 0, where the counters move in coarse steps and
// walks outrun the resolution.
TEST(SharedEvaluation, GivesTheTablesOfTheLiteralOrder) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<float> start(-100, 100), width(1e-3f, 50), resolution(1.01f, 24);
  for (int trial = 0; trial < 40; ++trial) {
    const float xMin = start(random) + (trial % 5 == 0 ? 1e7f : 0), yMin = start(random);
    const auto limits =
        MakeLimits(xMin, xMin + width(random), yMin, yMin + width(random), resolution(random));
    FormulaPoints formula = RandomMixedFormula(random);
    const ColorMode mode = surface::AllColorModes[trial % 4];
    const DrawnSurface literal = DrawOn(OneThread(), limits, formula, mode);
    formula.pure = true;
    SCOPED_TRACE("trial " + std::to_string(trial));
    ExpectSameSurface(DrawOn(OneThread(), limits, formula, mode), literal);
  }
}

}  // namespace
