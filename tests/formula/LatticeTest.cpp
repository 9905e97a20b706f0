// A formula over a lattice of points, its steps on X alone once per column and on
// Y alone once per row, gives every point what the formula gives it alone.
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <random>

#include "RandomFormulas.h"
#include "formula/LatticeEvaluation.h"
#include "formula/Program.h"

namespace formula_test {
namespace {

using formula::Dependence;
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

uint64_t ExpectLatticeAgrees(const std::string& text, const std::vector<float>& xs,
                             const std::vector<float>& ys) {
  return ExpectLatticeAgrees(text, xs, ys, EveryColumn(xs));
}

// A unary step reads its one operand: SIN(Y) depends on Y alone, not on X too.
TEST(Lattice, EveryResultKnowsTheArgumentsItDependsOn) {
  const struct {
    const char* text;
    Dependence dependence;
  } rows[] = {
      {"2 + 3", Dependence::None},
      {"Cos(2)", Dependence::None},
      {"-Y", Dependence::OnY},
      {"Sin(Y)", Dependence::OnY},
      {"Abs(Sgn(Y)) - 1", Dependence::OnY},
      {"X", Dependence::OnX},
      {"Int(X) ^ -2", Dependence::OnX},
      {"Sin(X) * Y", Dependence::OnBoth},
      {"Y ^ -X", Dependence::OnBoth},
      {"Log(X * Y)", Dependence::OnBoth},
  };
  for (const auto& row : rows) {
    formula::Formula compiled(row.text);
    const formula::Program* program = compiled.PureProgram(Value::Kind::Single, Value::Kind::Single);
    ASSERT_NE(program, nullptr) << row.text;
    EXPECT_EQ(program->DependenceOf(program->ResultRegister()), row.dependence) << row.text;
  }
  formula::Formula drawing("Rnd(1) + X");
  EXPECT_EQ(drawing.PureProgram(Value::Kind::Single, Value::Kind::Single), nullptr);
}

// A fault leaves to the formula exactly the points its part covers: a step on
// literals every point, on X its column, on Y its row, on both the point alone.
TEST(Lattice, AFaultLeavesThePointsOfItsPartToTheFormula) {
  const std::vector<float> xs = {-2, 0, 0.5f, 3}, ys = {-1, 0, 2};
  const struct {
    const char* text;
    uint64_t leftToTheFormula;
  } rows[] = {
      {"(Cos(X) ^ 2 + Sin(Y) ^ 2)", 0},
      {"Log(X) + Y", 2 * 3},        // X <= 0: two columns
      {"X + Sqr(Y)", 1 * 4},        // Y < 0: one row
      {"Log(X * Y)", 9},            // X * Y <= 0
      {"Log(0) + X * Y", 12},       // before any argument
      {"X * Y * 10 ^ 308", 4},      // overflow where X * Y is beyond 1.8
      {"Int(X) Mod Int(Y)", 4},     // a Long, but division by zero where Int(Y) is 0
      {"Sgn(X * Y) - -Sgn(Y)", 0},  // Integer steps, on a negated operand
      {"Sgn(X * Y)", 0},            // an Integer result
      {"Abs(Y - X) Mod 7", 0},      // a Long result
      {"Y", 0},
      {"X", 0},
      {"7", 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ExpectLatticeAgrees(row.text, xs, ys), row.leftToTheFormula) << row.text;
  }
}

// Arguments the program was not compiled for go to the formula, which raises.
TEST(Lattice, ArgumentsThatAreNoFiniteNumbersAreLeftToTheFormula) {
  const std::vector<float> xs = {Infinity, 1, NotANumber, -0.0f}, ys = {2, -Infinity, 0.5f};
  for (const char* text : {"X + Y", "Sin(Y)", "X", "Y"})
    EXPECT_EQ(ExpectLatticeAgrees(text, xs, ys), 2 * 3 + 2);
}

// Texts that run no program, malformed or too long, and RND, whose numbers come in
// the order of the calls.
TEST(Lattice, TextsWithoutAPureProgramAgreeToo) {
  const std::vector<float> xs = {-1, 0.25f, 2}, ys = {0.5f, -3, 0.5f};
  for (const std::string& text :
       {std::string("(X"), std::string("X Y"), std::string(""), std::string("Sin -X"), std::string("X +"),
        std::string("Rnd(1) * X + Y"), std::string("Rnd(-X) + Rnd(0) * Y"), std::string(2000, 'X'),
        "X" + std::string(70, '+') + "Y", std::string(40000, ' ') + "X"}) {
    ExpectLatticeAgrees(text, xs, ys, {2, 0, 1, 1, 0});
  }
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

TEST(Lattice, RandomFormulasAgreeWithTheFormulaAlone) {
  RandomInput input(0x1A77);
  std::mt19937_64 random(0xC0FFEE);
  uint64_t points = 0, leftToTheFormula = 0;
  for (int i = 0; i < 6000 && !HasFailure(); ++i) {
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
