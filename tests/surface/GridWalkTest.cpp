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
using testing::FloatNear;

TEST(GridStep, TakesTheDifferenceInDoubleAndRoundsOnlyTheQuotient) {
  EXPECT_EQ(GridStep(-1, 1, 12), 0.166666672f);        // a little above 1/6
  EXPECT_EQ(GridStep(0.1f, 1000.3f, 5), 200.039993f);  // not 200.040009 as with a float difference
  EXPECT_THROW(GridStep(-3e38f, 3e38f, 1.5f), runtime::RuntimeError);
}

TEST(WalkValues, StopWhereTheRoundedCounterPassesTheEnd) {
  const auto startup = WalkValues(-1, 1, GridStep(-1, 1, 12), 100);
  ASSERT_EQ(startup->size(), 12u);  // 1 is just missed
  EXPECT_NEAR(startup->back(), 0.8333, 1e-4);
  EXPECT_THAT(*WalkValues(-1, 1, 0.8f, 100),
              testing::ElementsAre(-1, FloatNear(-0.2f, 1e-6f), FloatNear(0.6f, 1e-6f)));
  EXPECT_EQ(*WalkValues(FLT_MAX, FLT_MAX, FLT_MAX, 10),
            std::vector<float>{FLT_MAX});  // the counter overflows

  EXPECT_FALSE(WalkValues(1000000, 1000001, GridStep(1000000, 1000001, 100), 1000)) << "step lost";
  EXPECT_FALSE(WalkValues(0, 10, 1, 5)) << "longer than allowed";
}

TEST(SpotTable, HasRowsUpToTheSquareMinusOneWithinTheCap) {
  EXPECT_EQ(surface::LastSpotRow(12), 143);
  EXPECT_EQ(surface::LastSpotRow(2.5f), 5);
  EXPECT_EQ(surface::LastSpotRow(1.5f), 1);
  EXPECT_THROW(surface::LastSpotRow(50000), runtime::RuntimeError);
  EXPECT_TRUE(surface::SpotTableFits(1000));
  EXPECT_TRUE(surface::SpotTableFits(3973));
  EXPECT_FALSE(surface::SpotTableFits(3974));
  EXPECT_EQ(surface::LargestFittingResolution(), 3973);
}

}  // namespace
