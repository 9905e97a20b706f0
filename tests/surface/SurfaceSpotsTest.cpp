#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "SurfaceFixtures.h"
#include "runtime/RuntimeError.h"
#include "surface/CenteringCoefficients.h"
#include "surface/SurfaceSpots.h"
#include "surface/ZRange.h"

namespace {

using formula::Value;
using render::ColorMode;
using surface::Coefficients;
using surface::FormulaPoints;
using surface::GetFunctionSpots;
using surface::Limits;
using surface::SpotRow;
using surface::Spots;
using namespace surface_test;

bool IsZero(const SpotRow& row) {
  return std::all_of(row.begin(), row.end(), [](float v) { return v == 0; });
}

// The draw command's sequence: range scan, coefficients, cell table.
Spots Build(Limits limits, const FormulaPoints& formula, ColorMode mode = ColorMode::Grid) {
  surface::GetCoordinates(limits, formula);
  Coefficients coefficients;
  surface::CenteringFunctionCoefficients(limits, coefficients);
  Spots spots;
  GetFunctionSpots(limits, coefficients, formula, mode, spots);
  return spots;
}

Coefficients UnitCoefficients() {
  Coefficients c;
  c.CoefX = c.CoefY = c.CoefZ = 1;
  c.CenterX = c.CenterY = c.CenterZ = 0;
  return c;
}

class StartupTable : public testing::TestWithParam<bool> {};

TEST_P(StartupTable, HasElevenByElevenCellsIn144Rows) {
  const Spots spots = Build(StartupLimits(), DefaultFormula(GetParam()));
  ASSERT_EQ(spots.size(), 144u);
  for (int r = 0; r < 144; ++r) EXPECT_EQ(IsZero(spots[r]), r >= 121) << "row " << r;

  const SpotRow& row = spots[0];
  for (const int column : {0, 1, 3, 10}) EXPECT_EQ(row[column], -75) << column;
  for (const int column : {4, 6, 7, 9}) EXPECT_EQ(row[column], -62.5f) << column;
  for (const int column : {12, 13}) EXPECT_EQ(row[column], -68.75f) << column;
  for (const int column : {2, 8, 14}) EXPECT_NEAR(row[column], 69.068, 1e-3) << column;
  EXPECT_NEAR(row[11], 83.138, 1e-3);
  EXPECT_EQ(row[surface::Depth], 0);
  // The last cell of a pass starts at about 0.6667, and its far corner is the next
  // cell's near corner bit for bit.
  EXPECT_NEAR(spots[10][0] / 75, 0.6667, 1e-4);
  EXPECT_EQ(spots[0][surface::Corner2X], spots[1][surface::Corner0X]);
  EXPECT_EQ(spots[0][surface::Corner1Y], spots[11][surface::Corner0Y]);
}

INSTANTIATE_TEST_SUITE_P(EveryEvaluationAndShared, StartupTable, testing::Bool());

TEST(SurfaceSpots, RowCountDependsOnTheResolutionAlone) {
  const Spots quarter = Build(MakeLimits(-1, 1, -1, 1, 2.5f), DefaultFormula());
  ASSERT_EQ(quarter.size(), 6u);  // N = 6.25 - 1 rounded
  for (int r = 0; r < 6; ++r) EXPECT_EQ(IsZero(quarter[r]), r >= 4) << r;

  const Spots oneCell = Build(MakeLimits(-1, 1, -1, 1, 1.5f), DefaultFormula(), ColorMode::Lines);
  ASSERT_EQ(oneCell.size(), 2u);
  EXPECT_EQ(oneCell[0][surface::ColorCode], 2);
  EXPECT_TRUE(IsZero(oneCell[1]));
}

// At X from 10000000 the float counter moves by 1 for a step of 1.43, so each pass
// holds 10 cells: 70 cells for a table of 49 rows.
TEST(SurfaceSpots, CellsBeyondTheLastRowAreEvaluatedButNotStored) {
  const Limits limits = MakeLimits(10000000, 10000010, -1, 1, 7);
  CountingFormula counting;
  Spots spots;
  GetFunctionSpots(limits, UnitCoefficients(), counting.Points(), ColorMode::Grid, spots);
  ASSERT_EQ(spots.size(), 49u);
  EXPECT_EQ(counting.points.size(), 350u);
  EXPECT_EQ(spots[48][surface::Corner0X], 10000008);
  EXPECT_EQ(spots[48][surface::Corner0Z], 48 * 5 + 1);

  Spots literal, shared;
  const FormulaPoints product{[](float x, float y) { return Value::Double(x * static_cast<double>(y)); }};
  GetFunctionSpots(limits, UnitCoefficients(), product, ColorMode::Grid, literal);
  GetFunctionSpots(limits, UnitCoefficients(), {product.Z, true}, ColorMode::Grid, shared);
  EXPECT_EQ(shared, literal);
}

TEST(SurfaceSpots, EveryCornerIsItsOwnEvaluationInColumnOrder) {
  CountingFormula counting;
  Spots spots;
  GetFunctionSpots(MakeLimits(0, 1, 0, 1, 1.5f), UnitCoefficients(), counting.Points(), ColorMode::Grid,
                   spots);
  const float d = 0.6666667f, h = d / 2;
  EXPECT_EQ(counting.points, (std::vector<std::pair<float, float>>{{0, 0}, {0, d}, {d, d}, {d, 0}, {h, h}}));
  using namespace surface;
  EXPECT_EQ((std::vector<float>{spots[0][Corner0Z], spots[0][Corner1Z], spots[0][Corner2Z],
                                spots[0][Corner3Z], spots[0][MidZ]}),
            (std::vector<float>{1, 2, 3, 4, 5}));
}

TEST(SurfaceSpots, AFailingColumnStaysZeroAndTheOthersGoOn) {
  Coefficients c = UnitCoefficients();
  const FormulaPoints failsAtOrigin{[](float x, float y) -> Value {
                                      if (x == 0 && y == 0)
                                        throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
                                      return Value::Double(1e39);  // beyond float once stored
                                    },
                                    false};
  Spots spots;
  GetFunctionSpots(MakeLimits(0, 1, 0, 1, 1.5f), c, failsAtOrigin, ColorMode::Colors, spots);
  const SpotRow& row = spots[0];
  EXPECT_EQ(row[surface::Corner0Z], 0);
  EXPECT_EQ(row[surface::Corner1Z], 0);
  EXPECT_EQ(row[surface::MidZ], 0);
  EXPECT_EQ(row[surface::Corner2X], 0.6666667f);
  EXPECT_EQ(row[surface::ColorCode], 14799240) << "the band of the centre's 0";
}

TEST(SurfaceSpots, UnsetCoefficientsCountAsZero) {
  Spots spots;
  GetFunctionSpots(StartupLimits(), Coefficients{}, DefaultFormula(), ColorMode::Colors, spots);
  for (int column = 0; column < surface::ColorCode; ++column) EXPECT_EQ(spots[0][column], 0) << column;
  EXPECT_EQ(spots[0][surface::ColorCode], 14799240);
}

std::vector<float> LinesCodesOfFirstPass(const Spots& spots, int cells) {
  std::vector<float> codes;
  for (int i = 0; i < cells; ++i) codes.push_back(spots[i][surface::ColorCode]);
  return codes;
}

TEST(SurfaceSpots, LinesMarkTheFirstAndLastColumns) {
  const Spots startup = Build(StartupLimits(), DefaultFormula(), ColorMode::Lines);
  EXPECT_EQ(LinesCodesOfFirstPass(startup, 11), (std::vector<float>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
  for (int pass = 0; pass < 11; ++pass) {
    EXPECT_EQ(startup[pass * 11][surface::ColorCode], 1);
    EXPECT_EQ(startup[pass * 11 + 10][surface::ColorCode], 2);
  }

  const Spots two = Build(MakeLimits(-1, 1, -1, 1, 2), DefaultFormula(), ColorMode::Lines);
  EXPECT_EQ(LinesCodesOfFirstPass(two, 2), (std::vector<float>{1, 2}));

  // The eleventh column's accumulated x lies just above the limit.
  const Spots twelve = Build(MakeLimits(0, 10, -1, 1, 12), DefaultFormula(), ColorMode::Lines);
  EXPECT_EQ(LinesCodesOfFirstPass(twelve, 12), (std::vector<float>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2}));
}

TEST(SurfaceSpots, ARefusedGridKeepsThePreviousTable) {
  Spots spots = Build(StartupLimits(), DefaultFormula());
  const Spots before = spots;
  int evaluations = 0;
  const FormulaPoints counting{[&](float, float) {
    ++evaluations;
    return Value::Double(0);
  }};
  GetFunctionSpots(MakeLimits(1000000, 1000001, -1, 1, 100), UnitCoefficients(), counting, ColorMode::Grid,
                   spots);
  GetFunctionSpots(MakeLimits(-1, 1, -1, 1, 5000), UnitCoefficients(), counting, ColorMode::Grid, spots);
  EXPECT_EQ(evaluations, 0);
  EXPECT_EQ(spots, before);
}

}  // namespace
