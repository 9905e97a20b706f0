#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

#include "runtime/RuntimeError.h"
#include "surface/GridWalk.h"
#include "surface/SpotTableSize.h"

namespace {

using surface::GridStep;
using surface::WalkValues;

TEST(GridStep, TakesTheDifferenceInDoubleAndRoundsOnlyTheQuotient) {
  EXPECT_EQ(GridStep(-1, 1, 12), 0.166666672f);  // the float nearest 1/6, a little above it
  EXPECT_EQ(GridStep(-1, 1, 2.5f), 0.8f);
  // 1000.3 - 0.1 rounded to float first would give 200.040009.
  EXPECT_EQ(GridStep(0.1f, 1000.3f, 5), 200.039993f);
  EXPECT_THROW(GridStep(-3e38f, 3e38f, 1.5f), runtime::RuntimeError);
}

TEST(WalkValues, StopsWhereTheRoundedCounterPassesTheEnd) {
  const auto startup = WalkValues(-1, 1, GridStep(-1, 1, 12), 100);
  ASSERT_TRUE(startup);
  EXPECT_EQ(startup->size(), 12u);  // X = 1 is just missed
  EXPECT_NEAR(startup->back(), 0.8333, 1e-4);

  const auto quarter = WalkValues(-1, 1, 0.8f, 100);  // 1.4 would exceed the end
  ASSERT_TRUE(quarter);
  EXPECT_THAT(*quarter, testing::Pointwise(testing::FloatNear(1e-6f), std::vector<float>{-1, -0.2f, 0.6f}));
}

TEST(WalkValues, RefusesWalksThatCannotEnd) {
  EXPECT_FALSE(WalkValues(1000000, 1000001, GridStep(1000000, 1000001, 100), 1000));  // step lost
  EXPECT_FALSE(WalkValues(0, 1, 0, 1000));
  EXPECT_FALSE(WalkValues(0, 10, 1, 5));  // longer than allowed
  EXPECT_EQ(WalkValues(0, 10, 1, 11)->size(), 11u);
}

TEST(WalkValues, EndsWhenTheCounterLeavesTheFloatRange) {
  const auto walk = WalkValues(FLT_MAX, FLT_MAX, FLT_MAX, 10);
  ASSERT_TRUE(walk);
  EXPECT_EQ(*walk, std::vector<float>{FLT_MAX});
}

TEST(LastSpotRow, IsTheSquareMinusOneRoundedHalfToEven) {
  EXPECT_EQ(surface::LastSpotRow(12), 143);
  EXPECT_EQ(surface::LastSpotRow(2.5f), 5);
  EXPECT_EQ(surface::LastSpotRow(1.5f), 1);
  EXPECT_EQ(surface::LastSpotRow(1000), 999999);
  EXPECT_THROW(surface::LastSpotRow(50000), runtime::RuntimeError);
}

TEST(SpotTableFits, CapsTheMemoryOfTheTable) {
  EXPECT_TRUE(surface::SpotTableFits(1000));
  const int largest = surface::LargestFittingResolution();
  EXPECT_EQ(largest, 3973);
  EXPECT_TRUE(surface::SpotTableFits(static_cast<float>(largest)));
  EXPECT_FALSE(surface::SpotTableFits(static_cast<float>(largest + 1)));
  EXPECT_FALSE(surface::SpotTableFits(1e20f));
}

}  // namespace
