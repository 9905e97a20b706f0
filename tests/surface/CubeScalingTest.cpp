#include <gtest/gtest.h>

#include <cfloat>

#include "runtime/RuntimeError.h"
#include "surface/CubeScaling.h"

namespace {

using formula::Value;

// With the default formula's CoefZ and CenterZ a height of 3 scales differently in
// float steps and in double steps.
constexpr float DefaultCoefZ = 87.8182449f, DefaultCenterZ = 0.213509172f;

struct HeightCase {
  const char* name;
  Value value;
  float scaled;
};

class CubeHeightOfKind : public testing::TestWithParam<HeightCase> {};

TEST_P(CubeHeightOfKind, UsesTheValuesOwnPrecision) {
  EXPECT_EQ(surface::CubeHeight(DefaultCoefZ, DefaultCenterZ, GetParam().value), GetParam().scaled);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CubeHeightOfKind,
                         testing::Values(HeightCase{"Single", Value::Single(3), 244.704742f},
                                         HeightCase{"Integer", Value::Integer(3), 244.704742f},
                                         HeightCase{"Long", Value::Long(3), 244.704727f},
                                         HeightCase{"Double", Value::Double(3), 244.704727f},
                                         HeightCase{"EmptyIsZero", Value(), -18.75f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CubeHeight, FailsRatherThanStoreBeyondFloat) {
  EXPECT_THROW(surface::CubeHeight(2, 0, Value::Double(FLT_MAX)), runtime::RuntimeError);
  EXPECT_THROW(surface::CubeHeight(2, 0, Value::Single(FLT_MAX)), runtime::RuntimeError);
  EXPECT_THROW(surface::CubeHeight(1, 0, Value::Text("3")), runtime::RuntimeError);
  EXPECT_EQ(surface::CubeHeight(std::nullopt, std::nullopt, Value::Double(1e30)), 0);
}

TEST(CubeCoordinate, StepsInFloatWithUnsetAsZero) {
  EXPECT_EQ(surface::CubeCoordinate(75, 0, -1), -75);
  EXPECT_EQ(surface::CubeCoordinate(37.5f, 1, 0), -37.5f);
  EXPECT_EQ(surface::CubeCoordinate(std::nullopt, 3, 5), 0);
  EXPECT_EQ(surface::CubeCoordinate(2, std::nullopt, 5), 10);
  EXPECT_THROW(surface::CubeCoordinate(FLT_MAX, 0, 2), runtime::RuntimeError);
}

}  // namespace
