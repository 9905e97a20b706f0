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
using namespace surface;
using namespace surface_test;

bool IsZero(const SpotRow& row) {
  return std::all_of(row.begin(), row.end(), [](float v) { return v == 0; });
}

// The draw command's sequence: range scan, coefficients, cell table.
Spots Build(Limits limits, const FormulaPoints& formula, ColorMode mode = ColorMode::Grid) {
  GetCoordinates(limits, formula);
  Coefficients coefficients;
  CenteringFunctionCoefficients(limits, coefficients);
  Spots spots;
  GetFunctionSpots(limits, coefficients, formula, mode, spots);
  return spots;
}

Coefficients UnitCoefficients() { return {1, 1, 1, 0, 0, 0}; }

std::vector<float> Column(const Spots& spots, int column, int from, int count) {
  std::vector<float> values;
  for (int r = from; r < from + count; ++r) values.push_back(spots[r][column]);
  return values;
}

TEST(SurfaceSpots, StartupTableHasElevenByElevenCellsIn144Rows) {
  for (const bool pure : {false, true}) {
    SCOPED_TRACE(pure ? "pure" : "every evaluation");
    const Spots spots = Build(StartupLimits(), DefaultFormula(pure));
    ASSERT_EQ(spots.size(), 144u);
    for (int r = 0; r < 144; ++r) EXPECT_EQ(IsZero(spots[r]), r >= 121) << "row " << r;
    const SpotRow& row = spots[0];
    for (const int column : {0, 1, 3, 10}) EXPECT_EQ(row[column], -75) << column;
    for (const int column : {4, 6, 7, 9}) EXPECT_EQ(row[column], -62.5f) << column;
    for (const int column : {12, 13}) EXPECT_EQ(row[column], -68.75f) << column;
    for (const int column : {2, 8, 14}) EXPECT_NEAR(row[column], 69.068, 1e-3) << column;
    EXPECT_NEAR(row[Corner3Z], 83.138, 1e-3);
    EXPECT_NEAR(spots[10][Corner0X] / 75, 0.6667, 1e-4) << "last cell of a pass";
    EXPECT_EQ(spots[0][Corner2X], spots[1][Corner0X]) << "far corner is the next near corner";
  }
}

TEST(SurfaceSpots, RowCountDependsOnTheResolutionAlone) {
  const Spots quarter = Build(MakeLimits(-1, 1, -1, 1, 2.5f), DefaultFormula());
  ASSERT_EQ(quarter.size(), 6u);
  EXPECT_FALSE(IsZero(quarter[3]));
  EXPECT_TRUE(IsZero(quarter[4]));
  const Spots oneCell = Build(MakeLimits(-1, 1, -1, 1, 1.5f), DefaultFormula(), ColorMode::Lines);
  ASSERT_EQ(oneCell.size(), 2u);
  EXPECT_EQ(oneCell[0][ColorCode], 2);
  EXPECT_TRUE(IsZero(oneCell[1]));
}

// From X = 10000000 a step of 1.43 moves the float counter by 1, so each pass holds
// 10 cells: 70 cells for a table of 49 rows.
TEST(SurfaceSpots, CellsBeyondTheLastRowAreEvaluatedButNotStored) {
  const Limits limits = MakeLimits(10000000, 10000010, -1, 1, 7);
  CountingFormula counting;
  Spots spots;
  GetFunctionSpots(limits, UnitCoefficients(), counting.Points(), ColorMode::Grid, spots);
  ASSERT_EQ(spots.size(), 49u);
  EXPECT_EQ(counting.points.size(), 350u);
  EXPECT_EQ(spots[48][Corner0X], 10000008);
  EXPECT_EQ(spots[48][Corner0Z], 48 * 5 + 1);

  Spots shared;
  GetFunctionSpots(limits, UnitCoefficients(), DefaultFormula(true), ColorMode::Grid, shared);
  GetFunctionSpots(limits, UnitCoefficients(), DefaultFormula(false), ColorMode::Grid, spots);
  EXPECT_EQ(shared, spots);
}

TEST(SurfaceSpots, EveryCornerIsItsOwnEvaluationInColumnOrder) {
  CountingFormula counting;
  Spots spots;
  GetFunctionSpots(MakeLimits(0, 1, 0, 1, 1.5f), UnitCoefficients(), counting.Points(), ColorMode::Grid,
                   spots);
  const float d = 0.6666667f, h = d / 2;
  EXPECT_EQ(counting.points, (std::vector<std::pair<float, float>>{{0, 0}, {0, d}, {d, d}, {d, 0}, {h, h}}));
  const SpotRow& row = spots[0];
  EXPECT_EQ((std::vector<float>{row[Corner0Z], row[Corner1Z], row[Corner2Z], row[Corner3Z], row[MidZ]}),
            (std::vector<float>{1, 2, 3, 4, 5}));
}

TEST(SurfaceSpots, AFailingColumnStaysZeroAndTheOthersGoOn) {
  const FormulaPoints failsAtOrigin{[](float x, float y) -> Value {
    if (x == 0 && y == 0) throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
    return Value::Double(1e39);  // beyond float once stored
  }};
  Spots spots;
  GetFunctionSpots(MakeLimits(0, 1, 0, 1, 1.5f), UnitCoefficients(), failsAtOrigin, ColorMode::Colors, spots);
  EXPECT_EQ(spots[0][Corner0Z], 0);
  EXPECT_EQ(spots[0][MidZ], 0);
  EXPECT_EQ(spots[0][Corner2X], 0.6666667f);
  EXPECT_EQ(spots[0][ColorCode], 14799240) << "the band of the centre's 0";

  GetFunctionSpots(StartupLimits(), Coefficients{}, DefaultFormula(), ColorMode::Colors, spots);
  for (int column = 0; column < ColorCode; ++column) EXPECT_EQ(spots[0][column], 0) << "unset coefficients";
}

TEST(SurfaceSpots, LinesMarkTheFirstAndLastColumns) {
  const Spots startup = Build(StartupLimits(), DefaultFormula(), ColorMode::Lines);
  EXPECT_EQ(Column(startup, ColorCode, 0, 11), (std::vector<float>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
  EXPECT_EQ(Column(startup, ColorCode, 110, 11), Column(startup, ColorCode, 0, 11));
  const Spots two = Build(MakeLimits(-1, 1, -1, 1, 2), DefaultFormula(), ColorMode::Lines);
  EXPECT_EQ(Column(two, ColorCode, 0, 2), (std::vector<float>{1, 2}));
  const Spots twelve = Build(MakeLimits(0, 10, -1, 1, 12), DefaultFormula(), ColorMode::Lines);
  EXPECT_EQ(Column(twelve, ColorCode, 0, 12), (std::vector<float>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2}));
}

TEST(SurfaceSpots, ARefusedGridKeepsThePreviousTable) {
  Spots spots = Build(StartupLimits(), DefaultFormula());
  const Spots before = spots;
  CountingFormula counting;
  GetFunctionSpots(MakeLimits(1000000, 1000001, -1, 1, 100), UnitCoefficients(), counting.Points(),
                   ColorMode::Grid, spots);
  GetFunctionSpots(MakeLimits(-1, 1, -1, 1, 5000), UnitCoefficients(), counting.Points(), ColorMode::Grid,
                   spots);
  EXPECT_TRUE(counting.points.empty());
  EXPECT_EQ(spots, before);
}

}  // namespace
