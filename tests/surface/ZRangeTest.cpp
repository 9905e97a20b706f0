#include <gtest/gtest.h>

#include <cmath>

#include "SurfaceFixtures.h"
#include "runtime/RuntimeError.h"
#include "surface/ZRange.h"

namespace {

using formula::Value;
using surface::GetCoordinates;
using namespace surface_test;

TEST(ZRange, StartsFromZeroAndSkipsWhatCannotBeStored) {
  const auto fails = [](float, float) -> Value {
    throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
  };
  const struct {
    const char* name;
    surface::FormulaPoints formula;
    float zMin, zMax;
  } rows[] = {
      {"default formula", DefaultFormula(), 0, 1.7080734f},
      {"-1", ConstantFormula(Value::Integer(-1)), -1, 0},
      {"0", ConstantFormula(Value::Double(0)), 0, 0},
      {"syntax error (empty)", ConstantFormula(Value()), 0, 0},
      {"stored as float", ConstantFormula(Value::Double(1.0 / 3)), 0, 1.0f / 3},
      {"text", ConstantFormula(Value::Text("1")), 0, 0},
      {"beyond float", ConstantFormula(Value::Double(-1e39)), 0, 0},
      {"infinity", ConstantFormula(Value::Double(HUGE_VAL)), 0, 0},
      {"not a number", ConstantFormula(Value::Double(NAN)), 0, 0},
      {"failing evaluation", {fails}, 0, 0},
  };
  for (const auto& row : rows) {
    for (const bool pure : {false, true}) {
      surface::Limits limits = StartupLimits();
      GetCoordinates(limits, {row.formula.Z, pure});
      EXPECT_EQ(limits.ZMin(), row.zMin) << row.name << (pure ? ", pure" : "");
      EXPECT_EQ(limits.ZMax(), row.zMax) << row.name << (pure ? ", pure" : "");
    }
  }
}

// With fresh values 1, 2, 3, ... per evaluation: at the first point min > 1 fails,
// max < 2 holds and the store takes the fresh 3; at the second 4, 5, 6; and so on.
TEST(ZRange, EveryComparisonAndStoreEvaluatesAnew) {
  CountingFormula counting;
  surface::Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);  // 2 x 2 points
  GetCoordinates(limits, counting.Points());
  EXPECT_EQ(counting.points.size(), 12u);
  EXPECT_EQ(limits.ZMax(), 12);
  EXPECT_EQ(counting.points[3], std::make_pair(0.6666667f, 0.0f));
  EXPECT_EQ(counting.points.back(), std::make_pair(0.6666667f, 0.6666667f));
}

TEST(ZRange, AFailingComparisonLeadsIntoItsStore) {
  int evaluations = 0;
  surface::Limits limits = MakeLimits(0, 1, 0, 1, 1.5f);
  // Every comparison (the odd evaluations) fails, so every store runs, even -5 into the maximum.
  GetCoordinates(limits, {[&](float, float) -> Value {
                   if (++evaluations % 2) throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
                   return Value::Double(-5);
                 }});
  EXPECT_EQ(evaluations, 16);
  EXPECT_EQ(limits.ZMin(), -5);
  EXPECT_EQ(limits.ZMax(), -5);
}

TEST(ZRange, ARefusedGridChangesNothing) {
  surface::Limits limits = MakeLimits(1000000, 1000001, -1, 1, 100);
  limits.ZMax() = 7;
  CountingFormula counting;
  GetCoordinates(limits, counting.Points());
  EXPECT_TRUE(counting.points.empty());
  EXPECT_EQ(limits.ZMax(), 7);
}

}  // namespace
