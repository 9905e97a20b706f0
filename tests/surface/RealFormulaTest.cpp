// The surface routines with the program's own evaluator: the order of RND draws and
// the parse flag that the draw command reads after the range scan.
#include <gtest/gtest.h>

#include <memory>

#include "SurfaceFixtures.h"
#include "formula/Formula.h"
#include "formula/Module1.h"
#include "formula/RandomSequence.h"
#include "surface/CenteringCoefficients.h"
#include "surface/SurfaceSpots.h"
#include "surface/ZRange.h"

namespace {

using formula::Value;
using surface::FormulaPoints;
using surface_test::MakeLimits;

FormulaPoints Compiled(const std::string& text) {
  auto compiled = std::make_shared<formula::Formula>(text);
  return {[compiled](float x, float y) { return compiled->Evaluate(Value::Single(x), Value::Single(y)); },
          compiled->IsPure()};
}

class WithRandomSequence : public testing::Test {
 protected:
  void SetUp() override { formula::SharedRandomSequence().Restart(); }
  void TearDown() override { formula::SharedRandomSequence().Restart(); }
};

TEST_F(WithRandomSequence, ASyntaxErrorLeavesTheRangeAtZeroAndTheFlagSet) {
  surface::Limits limits = surface_test::StartupLimits();
  limits.ZMax() = 5;
  surface::GetCoordinates(limits, Compiled("(X"));
  EXPECT_EQ(Module1::ParseError, -1);
  EXPECT_EQ(limits.ZMin(), 0);
  EXPECT_EQ(limits.ZMax(), 0);
}

// The maximum stored is a fresh draw, not the one that was compared.
TEST_F(WithRandomSequence, RangeScanDrawsForEveryComparisonAndStore) {
  const FormulaPoints rnd = Compiled("RND(1)");
  ASSERT_FALSE(rnd.pure);
  formula::RandomSequence expected = formula::SharedRandomSequence();
  float max = 0;
  for (int point = 0; point < 4; ++point) {
    expected.Rnd(1);  // the minimum's comparison; RND is never below 0
    if (max < expected.Rnd(1)) max = expected.Rnd(1);
  }
  surface::Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);
  surface::GetCoordinates(limits, rnd);
  EXPECT_EQ(limits.ZMax(), max);
  EXPECT_EQ(limits.ZMin(), 0);
  EXPECT_TRUE(formula::SharedRandomSequence() == expected);
}

TEST_F(WithRandomSequence, EveryCornerOfEveryCellIsItsOwnDraw) {
  surface::Coefficients unit;
  unit.CoefZ = 1;
  unit.CenterZ = 0;
  formula::RandomSequence expected = formula::SharedRandomSequence();
  surface::Spots spots;
  surface::GetFunctionSpots(MakeLimits(-1, 1, -1, 1, 2), unit, Compiled("RND(1)"), render::ColorMode::Grid,
                            spots);
  ASSERT_EQ(spots.size(), 4u);
  for (int r = 0; r < 4; ++r) {
    for (const int column :
         {surface::Corner0Z, surface::Corner1Z, surface::Corner2Z, surface::Corner3Z, surface::MidZ})
      EXPECT_EQ(spots[r][column], expected.Rnd(1)) << "row " << r << " column " << column;
  }
}

}  // namespace
