// The pure-formula shortcut against the literal order of evaluations: both must give
// the same Z range and the same table, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <random>

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

// Depends on its point alone but mixes every kind of result: the four number kinds,
// empty, text, values beyond float, infinity and failures, picked by the bits of X, Y.
FormulaPoints RandomMixedFormula(std::mt19937& random) {
  std::uniform_real_distribution<double> coefficient(-50, 50);
  const double a = coefficient(random), b = coefficient(random), c = coefficient(random);
  const uint32_t failures = random() % 4;
  return {[=](float x, float y) -> Value {
    uint32_t xBits, yBits;
    std::memcpy(&xBits, &x, 4);
    std::memcpy(&yBits, &y, 4);
    const uint32_t pick = (xBits * 2654435761u ^ yBits * 40503u) % 40;
    const double v = a * std::sin(x * b) + c * y * y;
    if (pick < failures) throw runtime::RuntimeError(runtime::ErrorNumber::DivisionByZero);
    const Value special[] = {Value(), Value::Double(v * 1e38), Value::Text("X"), Value::Double(HUGE_VAL)};
    if (pick >= 4 && pick < 8) return special[pick - 4];
    switch (pick % 4) {
      case 0:
        return Value::Single(static_cast<float>(v));
      case 1:
        return Value::Integer(static_cast<int16_t>(std::lround(std::fmod(v, 30000))));
      case 2:
        return Value::Long(static_cast<int32_t>(std::lround(v * 1000)));
      default:
        return Value::Double(v);
    }
  }};
}

// Now and then far from 0, where the counters move in coarse steps and walks come out
// longer or shorter than the resolution.
Limits RandomLimits(std::mt19937& random) {
  std::uniform_real_distribution<float> start(-100, 100), width(1e-3f, 50), resolution(1.01f, 24);
  const float xMin = start(random) + (random() % 5 == 0 ? 1e7f : 0), yMin = start(random);
  return surface_test::MakeLimits(xMin, xMin + width(random), yMin, yMin + width(random), resolution(random));
}

std::pair<Limits, Spots> Draw(Limits limits, FormulaPoints formula, bool pure, render::ColorMode mode) {
  formula.pure = pure;
  surface::GetCoordinates(limits, formula);
  surface::Coefficients coefficients;
  surface::CenteringFunctionCoefficients(limits, coefficients);
  Spots spots;
  surface::GetFunctionSpots(limits, coefficients, formula, mode, spots);
  return {limits, std::move(spots)};
}

bool SameBits(const Spots& a, const Spots& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

TEST(SharedEvaluation, GivesTheTablesOfTheLiteralOrder) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 300; ++trial) {
    const Limits limits = RandomLimits(random);
    const FormulaPoints formula = RandomMixedFormula(random);
    const auto mode = static_cast<render::ColorMode>(1 + trial % 4);
    const auto [literalLimits, literalSpots] = Draw(limits, formula, false, mode);
    const auto [sharedLimits, sharedSpots] = Draw(limits, formula, true, mode);
    ASSERT_EQ(literalLimits.ZMin(), sharedLimits.ZMin()) << "trial " << trial;
    ASSERT_EQ(literalLimits.ZMax(), sharedLimits.ZMax()) << "trial " << trial;
    ASSERT_TRUE(SameBits(literalSpots, sharedSpots)) << "trial " << trial;
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
