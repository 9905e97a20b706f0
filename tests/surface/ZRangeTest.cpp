#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "SurfaceFixtures.h"
#include "runtime/RuntimeError.h"
#include "surface/ZRange.h"

namespace {

using formula::Value;
using surface::FormulaPoints;
using surface::GetCoordinates;
using namespace surface_test;

struct RangeCase {
  const char* name;
  FormulaPoints formula;
  float zMin, zMax;
};

class ZRangeOfStartupGrid : public testing::TestWithParam<RangeCase> {};

TEST_P(ZRangeOfStartupGrid, StartsFromZero) {
  for (const bool pure : {false, true}) {
    surface::Limits limits = StartupLimits();
    FormulaPoints formula = GetParam().formula;
    formula.pure = pure;
    GetCoordinates(limits, formula);
    EXPECT_EQ(limits.ZMin(), GetParam().zMin) << "pure " << pure;
    EXPECT_EQ(limits.ZMax(), GetParam().zMax) << "pure " << pure;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, ZRangeOfStartupGrid,
    testing::Values(RangeCase{"Default", DefaultFormula(), 0, 1.7080734f},
                    RangeCase{"MinusOne", ConstantFormula(Value::Integer(-1)), -1, 0},
                    RangeCase{"Zero", ConstantFormula(Value::Double(0)), 0, 0},
                    RangeCase{"SyntaxErrorGivesEmpty", ConstantFormula(Value()), 0, 0},
                    RangeCase{"TextIsSkipped", ConstantFormula(Value::Text("1")), 0, 0},
                    RangeCase{"BeyondSingleIsSkipped", ConstantFormula(Value::Double(1e39)), 0, 0},
                    RangeCase{"InfinityIsSkipped", ConstantFormula(Value::Double(HUGE_VAL)), 0, 0},
                    RangeCase{"NotANumberIsSkipped", ConstantFormula(Value::Double(NAN)), 0, 0},
                    RangeCase{"FailingEvaluationIsSkipped",
                              {[](float, float) -> Value {
                                throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
                              }},
                              0,
                              0},
                    RangeCase{"StoredAsSingle", ConstantFormula(Value::Double(1.0 / 3)), 0, 1.0f / 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZRange, VisitsTheRoundedWalkOnly) {
  CountingFormula counting;
  surface::Limits limits = MakeLimits(-1, 1, 0, 1, 2.5f);
  GetCoordinates(limits, {[&](float x, float y) {
                            counting.points.emplace_back(x, y);
                            return Value::Double(0);
                          },
                          true});
  ASSERT_EQ(counting.points.size(), 9u) << "a pure formula is evaluated once per point";
  std::set<float> xs, ys;
  for (const auto& [x, y] : counting.points) {
    xs.insert(x);
    ys.insert(y);
  }
  using testing::FloatNear;
  EXPECT_THAT(xs, testing::ElementsAre(-1, FloatNear(-0.2f, 1e-6f), FloatNear(0.6f, 1e-6f)));
  EXPECT_THAT(ys, testing::ElementsAre(0, FloatNear(0.4f, 1e-6f), FloatNear(0.8f, 1e-6f)));
}

// With fresh values 1, 2, 3, ... per evaluation: at the first point min > 1 fails,
// max < 2 holds and stores the fresh 3; at the second, min > 4 fails, max < 5 holds
// and stores 6; and so on.
TEST(ZRange, EveryComparisonAndStoreEvaluatesAnew) {
  CountingFormula counting;
  surface::Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);  // 2 x 2 points
  GetCoordinates(limits, counting.Points());
  EXPECT_EQ(counting.points.size(), 12u);
  EXPECT_EQ(limits.ZMin(), 0);
  EXPECT_EQ(limits.ZMax(), 12);
  EXPECT_EQ(counting.points.front(), std::make_pair(0.0f, 0.0f));
  EXPECT_EQ(counting.points[3], std::make_pair(0.6666667f, 0.0f));
  EXPECT_EQ(counting.points.back(), std::make_pair(0.6666667f, 0.6666667f));
}

TEST(ZRange, AFailingComparisonLeadsIntoItsStore) {
  int evaluations = 0;
  surface::Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);
  // Every comparison (the odd evaluations) fails, so every store runs, even -5 into the maximum.
  GetCoordinates(limits, {[&](float, float) -> Value {
                            if (++evaluations % 2)
                              throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
                            return Value::Double(-5);
                          },
                          false});
  EXPECT_EQ(evaluations, 16);
  EXPECT_EQ(limits.ZMin(), -5);
  EXPECT_EQ(limits.ZMax(), -5);
}

TEST(ZRange, ARefusedGridChangesNothing) {
  surface::Limits limits = MakeLimits(1000000, 1000001, -1, 1, 100);
  limits.ZMin() = -7;
  limits.ZMax() = 7;
  int evaluations = 0;
  GetCoordinates(limits, {[&](float, float) {
                   ++evaluations;
                   return Value::Double(1);
                 }});
  EXPECT_EQ(evaluations, 0);
  EXPECT_EQ(limits.ZMin(), -7);
  EXPECT_EQ(limits.ZMax(), 7);
}

}  // namespace
