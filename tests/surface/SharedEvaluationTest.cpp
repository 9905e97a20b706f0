// The pure-formula shortcut against the literal order of evaluations: both must give
// the same Z range and the same table, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <utility>

#include "SurfaceFixtures.h"
#include "runtime/RuntimeError.h"
#include "surface/CenteringCoefficients.h"
#include "surface/SurfaceSpots.h"
#include "surface/ZRange.h"

namespace {

using formula::Value;
using surface::FormulaPoints;
using surface::Limits;
using surface::Spots;

// A formula that depends only on its point but mixes every kind of result: the four
// number kinds, empty, text, values beyond float, infinity and failures. The bits of
// X and Y pick the kind, so neighbouring points differ.
FormulaPoints RandomMixedFormula(std::mt19937& random) {
  std::uniform_real_distribution<double> coefficient(-50, 50);
  const double a = coefficient(random), b = coefficient(random), c = coefficient(random);
  const int failureShare = std::uniform_int_distribution<int>(0, 3)(random);
  return {[=](float x, float y) -> Value {
            uint32_t xb, yb;
            std::memcpy(&xb, &x, 4);
            std::memcpy(&yb, &y, 4);
            const uint32_t pick = (xb * 2654435761u ^ yb * 40503u) % 40;
            const double v = a * std::sin(x * b) + c * y * y;
            if (pick < static_cast<uint32_t>(failureShare))
              throw runtime::RuntimeError(runtime::ErrorNumber::DivisionByZero);
            switch (pick % 10) {
              case 0:
                return Value::Single(static_cast<float>(v));
              case 1:
                return Value::Integer(static_cast<int16_t>(std::lround(std::fmod(v, 30000))));
              case 2:
                return Value::Long(static_cast<int32_t>(std::lround(v * 1000)));
              case 3:
                return pick == 3 ? Value() : Value::Double(v);
              case 4:
                return pick == 4 ? Value::Double(v * 1e38) : Value::Double(v);
              case 5:
                return pick == 5 ? Value::Text("X") : Value::Double(-v);
              case 6:
                return pick == 6 ? Value::Double(HUGE_VAL) : Value::Double(v / 3);
              default:
                return Value::Double(v);
            }
          },
          true};
}

// Now and then far from 0, where the float counters move in coarse, uneven steps and
// walks come out longer or shorter than the resolution.
Limits RandomLimits(std::mt19937& random) {
  std::uniform_real_distribution<float> start(-100, 100), width(1e-3f, 50), resolution(1.01f, 24);
  const float offset = random() % 5 == 0 ? 1e7f : 0;
  const float xMin = start(random) + offset, yMin = start(random);
  return surface_test::MakeLimits(xMin, xMin + width(random), yMin, yMin + width(random), resolution(random));
}

struct Outcome {
  Limits limits;
  Spots spots;
};

Outcome Draw(Limits limits, FormulaPoints formula, bool pure, render::ColorMode mode) {
  formula.pure = pure;
  surface::GetCoordinates(limits, formula);
  surface::Coefficients coefficients;
  surface::CenteringFunctionCoefficients(limits, coefficients);
  Spots spots;
  surface::GetFunctionSpots(limits, coefficients, formula, mode, spots);
  return {limits, std::move(spots)};
}

bool SameBits(const Spots& a, const Spots& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(surface::SpotRow)) == 0);
}

TEST(SharedEvaluation, GivesTheTablesOfTheLiteralOrder) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 300; ++trial) {
    const Limits limits = RandomLimits(random);
    const FormulaPoints formula = RandomMixedFormula(random);
    const auto mode = static_cast<render::ColorMode>(1 + trial % 4);
    const Outcome literal = Draw(limits, formula, false, mode);
    const Outcome shared = Draw(limits, formula, true, mode);
    ASSERT_EQ(literal.limits.ZMin(), shared.limits.ZMin()) << "trial " << trial;
    ASSERT_EQ(literal.limits.ZMax(), shared.limits.ZMax()) << "trial " << trial;
    ASSERT_TRUE(SameBits(literal.spots, shared.spots)) << "trial " << trial;
  }
}

TEST(SharedEvaluation, EvaluatesEachPointOnce) {
  std::map<std::pair<float, float>, int> evaluations;
  const FormulaPoints counting{[&](float x, float y) {
                                 ++evaluations[{x, y}];
                                 return Value::Double(x * y);
                               },
                               true};
  Limits limits = surface_test::StartupLimits();
  surface::GetCoordinates(limits, counting);
  EXPECT_EQ(evaluations.size(), 144u);
  for (const auto& [point, count] : evaluations) EXPECT_EQ(count, 1);

  evaluations.clear();
  Spots spots;
  surface::GetFunctionSpots(limits, surface::Coefficients{}, counting, render::ColorMode::Grid, spots);
  EXPECT_EQ(evaluations.size(), 12u * 12 + 11 * 11) << "corners shared, one centre per cell";
  for (const auto& [point, count] : evaluations) EXPECT_EQ(count, 1);
}

}  // namespace
