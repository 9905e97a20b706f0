// Which evaluations a draw makes: literally ordered, shared for a pure formula, or none.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "SurfaceFixtures.h"
#include "formula/RandomSequence.h"
#include "runtime/RuntimeError.h"
#include "surface/GridWalk.h"

namespace {

using formula::Evaluation;
using formula::Value;
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

// Both must give the same range and table, bit for bit. The ranges are now and then far
// from 0, where the counters move in coarse steps and walks outrun the resolution.
TEST(SharedEvaluation, GivesTheTablesOfTheLiteralOrder) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<float> start(-100, 100), width(1e-3f, 50), resolution(1.01f, 24);
  for (int trial = 0; trial < 300; ++trial) {
    const float xMin = start(random) + (random() % 5 == 0 ? 1e7f : 0), yMin = start(random);
    const auto limits =
        MakeLimits(xMin, xMin + width(random), yMin, yMin + width(random), resolution(random));
    FormulaPoints formula = RandomMixedFormula(random);
    const auto mode = static_cast<surface::ColorMode>(1 + trial % 4);
    const auto [literalLimits, literal] = Draw(limits, formula, mode);
    formula.pure = true;
    const auto [sharedLimits, shared] = Draw(limits, formula, mode);
    ASSERT_EQ(std::memcmp(&literalLimits, &sharedLimits, sizeof(Limits)), 0);
    ASSERT_EQ(literal.size(), shared.size());
    if (!literal.empty()) {
      ASSERT_EQ(std::memcmp(literal.data(), shared.data(), literal.size() * sizeof(Cell)), 0);
    }
  }
}

// A refused grid is not evaluated; a fine one, pure, once per point: 144 scanned, 144 corners, 121 centres.
TEST(GridRefusal, NamesWhatCannotBeDrawnAndNothingIsEvaluated) {
  const std::pair<Limits, std::string> rows[] = {
      {StartupLimits(), ""},  // fine
      {MakeLimits(1000000, 1000001, -1, 1, 100), "The X range from 1000000 to 1000001 cannot be walked"},
      {MakeLimits(-1, 1, -16777216, -16777215, 3), "The Y range from -16777216 to -16777215 cannot be"},
      {MakeLimits(-3e38f, 3e38f, -1, 1, 1.5f), "The X range from -3e+38 to 3e+38 is too wide for a"},
      {MakeLimits(-1, 1, -1, 1, 5000), "A resolution of 5000 needs more memory for the surface"},
      {MakeLimits(-1, 1, -1, 1, 1e6f), "A resolution of 1000000 needs more memory"},  // N beyond int32
  };
  for (auto [limits, refusalStart] : rows) {
    EXPECT_EQ(GridRefusal(limits).value_or("").substr(0, refusalStart.size()), refusalStart);
    int evaluations = 0;
    const FormulaPoints counting{[&](float, float) { return Evaluation{Value::Double(++evaluations)}; },
                                 true};
    CellTable cells(144, Cell{7});  // a table of the same size is reused, its unreached rows 0
    ScanZRange(limits, counting);
    BuildCellTable(limits, {}, counting, Grid, cells);
    const bool refused = !refusalStart.empty();
    EXPECT_EQ(std::pair(evaluations, cells.at(143)[0] == 7), std::pair(refused ? 0 : 409, refused))
        << refusalStart;
  }
  EXPECT_THAT(GridRefusal(MakeLimits(-1, 1, -1, 1, 5000)).value_or(""), testing::EndsWith("at most 1990."));
  EXPECT_EQ(GridStep(0.1f, 1000.3f, 5), 200.039993f) << "a float difference gives 200.040009";
}

}  // namespace
