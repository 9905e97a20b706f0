#include <gtest/gtest.h>

#include <string>

#include "SurfaceFixtures.h"
#include "surface/SurfaceSpots.h"

namespace {

using surface::GridRefusal;
using surface_test::MakeLimits;

struct RefusalCase {
  const char* name;
  surface::Limits limits;
  const char* expectedStart;  // empty when the grid is fine
};

class GridRefusalOf : public testing::TestWithParam<RefusalCase> {};

TEST_P(GridRefusalOf, NamesTheProblem) {
  const auto refusal = GridRefusal(GetParam().limits);
  const std::string expected = GetParam().expectedStart;
  if (expected.empty()) {
    EXPECT_FALSE(refusal) << *refusal;
  } else {
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->substr(0, expected.size()), expected) << *refusal;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grids, GridRefusalOf,
    testing::Values(
        RefusalCase{"Startup", surface_test::StartupLimits(), ""},
        RefusalCase{"Resolution1000", MakeLimits(-1, 1, -1, 1, 1000), ""},
        RefusalCase{"CoarseButMoving", MakeLimits(10000000, 10000010, -1, 1, 7), ""},
        RefusalCase{
            "StepLostInX", MakeLimits(1000000, 1000001, -1, 1, 100),
            "The X range from 1000000 to 1000001 cannot be walked at a resolution of 100: its step of 0.01 "
            "is lost in rounding"},
        RefusalCase{"StepLostInY", MakeLimits(-1, 1, -16777216, -16777215, 3), "The Y range from -16777216"},
        RefusalCase{"StepRoundsToZero", MakeLimits(0, 1e-45f, -1, 1, 2),
                    "The X range from 0 to 1e-45 cannot be walked"},
        RefusalCase{"StepBeyondFloat", MakeLimits(-3e38f, 3e38f, -1, 1, 1.5f),
                    "The X range from -3e+38 to 3e+38 is too wide for a resolution of 1.5"},
        RefusalCase{
            "TableBeyondCap", MakeLimits(-1, 1, -1, 1, 5000),
            "A resolution of 5000 needs more memory for the surface than the 1024 MB this program allows. "
            "Use a resolution of at most 3973."},
        RefusalCase{"RowsBeyondLong", MakeLimits(-1, 1, -1, 1, 1e6f),
                    "A resolution of 1000000 needs more memory"},
        RefusalCase{"TableBeforeWalk", MakeLimits(1000000, 1000001, -1, 1, 1e30f), "A resolution of 1e+30"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
