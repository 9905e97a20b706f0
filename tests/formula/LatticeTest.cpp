// A formula over a lattice of points, its steps on X alone once per column and on
// Y alone once per row, gives every point what the formula gives it alone.
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <random>

#include "RandomFormulas.h"
#include "formula/LatticeEvaluation.h"

namespace formula_test {
namespace {

using formula::LatticeEvaluation;

constexpr float Infinity = std::numeric_limits<float>::infinity();
constexpr float NotANumber = std::numeric_limits<float>::quiet_NaN();

std::vector<std::size_t> EveryColumn(const std::vector<float>& xs) {
  std::vector<std::size_t> columns(xs.size());
  std::iota(columns.begin(), columns.end(), 0);
  return columns;
}

// Checks every point against the formula alone; how many points the lattice left to it.
uint64_t ExpectLatticeAgrees(const std::string& text, const std::vector<float>& xs,
                             const std::vector<float>& ys, const std::vector<std::size_t>& columns) {
  LatticeEvaluation lattice(text, xs);
  formula::Formula compiled(text);
  const auto disagreement = formula::FindLatticeDisagreement(lattice, compiled, xs, ys, columns);
  EXPECT_FALSE(disagreement) << '"' << text.substr(0, 80) << "\" at " << disagreement->X << ", "
                             << disagreement->Y << ": lattice " << formula::Describe(disagreement->lattice)
                             << ", alone " << formula::Describe(disagreement->pointByPoint);
  return lattice.PointsLeftToTheFormula();
}

float LatticeArgument(std::mt19937_64& random) {
  static constexpr float odd[] = {0,   -0.0f, 1,     -1,    0.5f,     -2.5f,
                                  400, -400,  1e30f, 32768, Infinity, NotANumber};
  if (random() % 3 == 0) return odd[random() % std::size(odd)];
  return std::uniform_real_distribution<float>(-5, 5)(random);
}

std::vector<float> LatticeArguments(std::mt19937_64& random) {
  std::vector<float> values(1 + random() % 6);
  for (float& value : values) value = LatticeArgument(random);
  return values;
}

// Random texts (malformed ones, RND among them) at arguments that include infinities and
// NaN, which the program was not compiled for and leaves to the formula.
TEST(Lattice, RandomFormulasAgreeWithTheFormulaAlone) {
  RandomInput input(0x1A77);
  std::mt19937_64 random(0xC0FFEE);
  uint64_t points = 0, leftToTheFormula = 0;
  for (int i = 0; i < 800 && !HasFailure(); ++i) {
    const std::string text = input.Formula();
    const std::vector<float> xs = LatticeArguments(random), ys = LatticeArguments(random);
    // Columns out of order and again, so that no point leans on the one before.
    std::vector<std::size_t> columns = EveryColumn(xs);
    columns.push_back(random() % xs.size());
    std::shuffle(columns.begin(), columns.end(), random);
    leftToTheFormula += ExpectLatticeAgrees(text, xs, ys, columns);
    points += columns.size() * ys.size();
  }
  // Many points are answered by the split steps (a random text is malformed as often
  // as not), and many others reached the formula.
  EXPECT_GT(leftToTheFormula, points / 4);
  EXPECT_LT(leftToTheFormula, points * 2 / 3);
}

}  // namespace
}  // namespace formula_test
