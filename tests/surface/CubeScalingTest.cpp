#include <gtest/gtest.h>

#include <cfloat>

#include "runtime/RuntimeError.h"
#include "surface/CubeScaling.h"

namespace {

using formula::Value;

// With the default formula's CoefZ and CenterZ a height of 3 scales differently in
// float steps and in double steps; anything beyond float fails.
TEST(CubeHeight, UsesTheValuesOwnPrecision) {
  const float coef = 87.8182449f, center = 0.213509172f;
  EXPECT_EQ(surface::CubeHeight(coef, center, Value::Single(3)), 244.704742f);
  EXPECT_EQ(surface::CubeHeight(coef, center, Value::Integer(3)), 244.704742f);
  EXPECT_EQ(surface::CubeHeight(coef, center, Value::Long(3)), 244.704727f);
  EXPECT_EQ(surface::CubeHeight(coef, center, Value::Double(3)), 244.704727f);
  EXPECT_EQ(surface::CubeHeight(coef, center, Value()), -18.75f);
  EXPECT_EQ(surface::CubeHeight(std::nullopt, std::nullopt, Value::Double(1e30)), 0);

  EXPECT_THROW(surface::CubeHeight(2, 0, Value::Double(FLT_MAX)), runtime::RuntimeError);
  EXPECT_THROW(surface::CubeHeight(2, 0, Value::Single(FLT_MAX)), runtime::RuntimeError);
  EXPECT_THROW(surface::CubeHeight(1, 0, Value::Text("3")), runtime::RuntimeError);
  EXPECT_THROW(surface::CubeCoordinate(FLT_MAX, 0, 2), runtime::RuntimeError);
}

}  // namespace
