#include <gtest/gtest.h>

#include "SurfaceFixtures.h"
#include "surface/CenteringCoefficients.h"

namespace {

using surface::CenteringFunctionCoefficients;
using surface::Coefficients;
using surface_test::MakeLimits;

TEST(CenteringCoefficients, MapEachRangeOnto150UnitsAroundAnEighthOfItsSum) {
  surface::Limits limits = MakeLimits(2, 6, -1, 1, 12);
  limits.ZMax() = 1.7080734f;
  Coefficients c;
  CenteringFunctionCoefficients(limits, c);
  EXPECT_EQ(c.CoefX, 37.5f);
  EXPECT_EQ(c.CenterX, 1.0f);  // not the midpoint 4
  EXPECT_EQ(c.CoefY, 75.0f);
  EXPECT_EQ(c.CenterY, 0.0f);
  EXPECT_NEAR(*c.CoefZ, 87.818, 1e-3);
  EXPECT_NEAR(*c.CenterZ, 0.21351, 1e-5);

  CenteringFunctionCoefficients(MakeLimits(0.4f, 1015.22f, -1, 1, 5), c);
  EXPECT_EQ(c.CoefX, 0.147809461f) << "a float difference would give 0.147809476";
}

TEST(CenteringCoefficients, AFailingQuotientKeepsThePreviousValue) {
  const surface::Limits limits = MakeLimits(0, 1e-38f, -1, 1, 12);  // 150 / 1e-38 is beyond float
  Coefficients c;
  c.CoefX = 5;
  c.CoefZ = 9;
  CenteringFunctionCoefficients(limits, c);
  EXPECT_EQ(c.CoefX, 5.0f);
  EXPECT_EQ(c.CoefZ, 9.0f) << "ZMin = ZMax = 0 divides by zero";
  EXPECT_EQ(c.CenterZ, 0.0f);
  EXPECT_EQ(c.CoefY, 75.0f) << "the other assignments still run";

  Coefficients unset;
  CenteringFunctionCoefficients(limits, unset);
  EXPECT_FALSE(unset.CoefZ);
}

}  // namespace
