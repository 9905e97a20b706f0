// What one draw builds (the Z range, the coefficients, the cell table and its colour
// codes) and which evaluations it makes: literally ordered, shared for a pure formula.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "SurfaceFixtures.h"
#include "formula/Evaluation.h"
#include "formula/RandomSequence.h"
#include "runtime/RuntimeError.h"
#include "surface/CellTableSize.h"
#include "surface/ColorCodes.h"
#include "surface/CubeScaling.h"

namespace {

using formula::Value;
using surface::CellColorCode;
using enum surface::ColorMode;
using namespace surface_test;

// The range holds 0. The table has Resolution² rows, filled from row 0 as far as the walks
// reach. In "Lines" the first column is 1, a column above XMax - 2 dx is 2.
TEST(Draw, FindsTheRangeAndFillsTheTable) {
  const Limits atStartUp = MakeLimits(-1, 1, -1, 1, 12);
  const struct {
    const char* name;
    Limits limits;
    std::string_view formula;
    float zMin, zMax;
    std::size_t points, rows, filled;
    std::string firstPassCodes;
  } cases[] = {
      {"start-up", atStartUp, window::DefaultFormula, 0, 1.7080734f, 144, 144, 121, "10000000002"},
      {"X = 1 is just missed", atStartUp, "X", -1, 0.833333492f, 144, 144, 121, "10000000002"},
      {"-1", atStartUp, "-1", -1, 0, 144, 144, 121, "10000000002"},
      {"0", atStartUp, "0", 0, 0, 144, 144, 121, "10000000002"},
      {"syntax error", atStartUp, "(X", 0, 0, 144, 144, 121, "10000000002"},
      {"beyond float", atStartUp, "-10 ^ 39", 0, 0, 144, 144, 121, "10000000002"},
      {"resolution 2.5", MakeLimits(-1, 1, -1, 1, 2.5f), "X", -1, 0.6f, 9, 6, 4, "12"},
      {"1.5: one cell, first and last", MakeLimits(-1, 1, -1, 1, 1.5f), "X", -1, 0.333333373f, 4, 2, 1, "2"},
      {"1.2: one row, the last", MakeLimits(-1, 1, -1, 1, 1.2f), "X", -1, 0.666666627f, 4, 1, 1, "2"},
      {"resolution 2", MakeLimits(-1, 1, -1, 1, 2), "X", -1, 1, 9, 4, 4, "12"},
      {"11th column by rounding", MakeLimits(0, 10, -1, 1, 12), "X", 0, 10, 156, 144, 132, "100000000022"},
  };
  CellTable startup;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [limits, parseError, cells, stepsAmiss, scanSteps] =
        DrawOn(OneThread(), c.limits, Compiled(std::string(c.formula)), Lines);
    EXPECT_EQ(std::pair(scanSteps, stepsAmiss), std::pair(uint64_t{c.points}, uint64_t{0}))
        << "the progress fills exactly, one step per point scanned";
    EXPECT_EQ(limits.ZMin(), c.zMin);
    EXPECT_EQ(limits.ZMax(), c.zMax);
    EXPECT_EQ(parseError, c.formula == std::string("(X") ? formula::Evaluation::kMalformed : 0);
    ASSERT_EQ(cells.size(), c.rows);
    for (std::size_t r = 0; r < c.rows; ++r) EXPECT_EQ(cells[r] == Cell{}, r >= c.filled) << "row " << r;
    for (std::size_t r = 0; r < c.firstPassCodes.size(); ++r)
      EXPECT_EQ(cells[r][ColorCode], c.firstPassCodes[r] - '0') << "row " << r;
    if (&c == cases) startup = cells;
  }
  const float rowZero[CellColumnCount] = {-75,     -75,     69.068f, -75,    -62.5f, 54.999f,
                                          -62.5f,  -62.5f,  69.068f, -62.5f, -75,    83.138f,
                                          -68.75f, -68.75f, 69.068f, 1};
  for (int column = 0; column < CellColumnCount; ++column)
    EXPECT_NEAR(startup[0][column], rowZero[column], 1e-3) << "start-up row 0, column " << column;
}

std::vector<std::optional<float>> Centering(Limits limits, float zMax, std::optional<float> previous) {
  limits.ZMax() = zMax;
  Coefficients c{previous, previous, previous, previous, previous, previous};
  ComputeCoefficients(limits, c);
  return {c.scaleX, c.scaleY, c.scaleZ, c.centerX, c.centerY, c.centerZ};
}

// A failing quotient keeps the previous value (or none): ZMin = ZMax keeps scaleZ.
TEST(ComputeCoefficients, Map150UnitsAroundAnEighthOfTheSum) {
  using Six = std::vector<std::optional<float>>;
  EXPECT_EQ(Centering(MakeLimits(2, 6, -1, 1, 12), 1.7080734f, {}),
            (Six{37.5f, 75, 87.8182449f, 1, 0, 0.213509172f}));
  EXPECT_EQ(Centering(MakeLimits(0.4f, 1015.22f, -1, 1, 5), 0, {}),
            (Six{0.147809461f, 75, {}, 126.952499f, 0, 0}))
      << "a float difference gives scaleX 0.147809476";
  EXPECT_EQ(Centering(MakeLimits(0, 1e-38f, -1, 1, 12), 0, 9), (Six{9, 75, 9, 1.25e-39f, 0, 0}));
}

// Single and Integer heights scale in float steps, Long and Double in double steps.
TEST(CubeHeight, UsesTheValuesOwnPrecision) {
  const float coef = 87.8182449f, center = 0.213509172f;
  for (const auto kind : {Value::Kind::Single, Value::Kind::Integer})
    EXPECT_EQ(CubeHeight(coef, center, Value::OfKind(kind, 3)), 244.704742f);
  for (const auto kind : {Value::Kind::Long, Value::Kind::Double})
    EXPECT_EQ(CubeHeight(coef, center, Value::OfKind(kind, 3)), 244.704727f);
}

TEST(CellColorCode, OfEachMode) {
  // "Colors": a height on a band limit belongs to the lower band.
  const std::pair<float, float> colors[] = {{-90.01f, 14836592}, {-90, 9103237}, {-60, 9103237},
                                            {-30, 12244339},     {0, 14799240},  {30, 15524795},
                                            {60, 14707633},      {90, 7855338},  {90.01f, 1752042}};
  for (const auto& [height, code] : colors) EXPECT_EQ(CellColorCode(Colors, 0, 1, 0, 1, height), code);
  // "Rnd Colors": channels 3, 2 and 5 times |height|, rounded half to even, modulo 255.
  const std::pair<float, float> rnd[] = {{0, 0}, {10, 3281950}, {-10, 3281950}, {51, 26265}, {0.5f, 131330}};
  for (const auto& [height, code] : rnd) EXPECT_EQ(CellColorCode(RndColors, 0, 1, 0, 1, height), code);
  EXPECT_THROW(CellColorCode(RndColors, 0, 1, 0, 1, 429496736.0f), runtime::RuntimeError);  // 5 x > int32
  EXPECT_EQ(CellColorCode(Grid, 0, 1, 0, 1, 75), 0);
}

// The refusal of a table too large names the largest resolution that fits.
TEST(CellTableSize, TheLargestFittingResolutionIsTheLastThatFits) {
  const int largest = surface::LargestFittingResolution();
  EXPECT_TRUE(surface::CellTableFits(static_cast<float>(largest)));
  EXPECT_FALSE(surface::CellTableFits(static_cast<float>(largest + 1)));
}

// Which evaluations a draw makes: literally ordered, shared for a pure formula, or none.
using formula::Evaluation;

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

}  // namespace
