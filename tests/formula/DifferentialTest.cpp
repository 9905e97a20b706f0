// The formula's paths set against each other on random formulas at random points: the
// compiled formula against the exact evaluator, and a lattice of points, evaluated row by
// row, against the formula alone. The fuzz target and its corpus cover breadth; these
// seeded samples keep every kind of outcome in reach.
#include <cctype>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "BothPaths.h"
#include "formula/LatticeEvaluation.h"
#include "formula/Operations.h"

namespace formula_test {
namespace {

using formula::LatticeEvaluation;

// Every function and operator of the language's table, so a new one is generated too.
inline std::vector<std::string> Spellings(bool prefix) {
  std::vector<std::string> spellings;
  for (const formula::Operation& operation : formula::kOperations)
    if (operation.IsPrefix() == prefix && operation.pass != formula::Pass::Negation)
      spellings.emplace_back(operation.spelling);
  return spellings;
}

// Formulas from the grammar, numbers where faults lie, mixed case, some broken, a tenth
// random bytes; arguments of every numeric kind.
class RandomInput {
 public:
  explicit RandomInput(uint64_t seed = 0x5EEDF0) : random_(seed) {}

  std::string Formula() {
    budget_ = Chance(0.1) ? 60 : 14;
    std::string text = Below(10) ? Expression(0) : std::string(Below(120), '\0');
    for (char& c : text) c = c ? c : static_cast<char>(random_());
    for (int breaks = Chance(0.3) ? 1 + static_cast<int>(Below(2)) : 0; breaks > 0 && !text.empty();
         --breaks) {
      const size_t at = Below(text.size());
      Chance(0.5) ? text.erase(at, 1) : text.insert(at, 1, "()-*Z.1\t"[Below(8)]);
    }
    for (char& c : text) c = c >= 'A' && c <= 'Z' && Chance(0.2) ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
  }

  Value Argument() {
    static const Value odd[] = {S(0),         S(-0.0f), S(1),     S(-1),     S(0.5f), S(-2.5f),
                                S(400),       S(-400),  S(1e30f), I(-32768), I(-400), I(3),
                                L(INT32_MIN), L(4000),  L(-7),    D(-2),     D(1.25)};
    const size_t choice = Below(20);
    if (choice < 11) return odd[Below(std::size(odd))];
    return choice < 19 ? S(std::uniform_real_distribution<float>(-5, 5)(random_))
                       : D(std::uniform_real_distribution<double>(-2, 2)(random_));
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  std::string Pick(const std::vector<std::string>& items) { return items[Below(items.size())]; }

  std::string Expression(int depth) {
    std::string text = Term(depth);
    while (budget_ > 0 && Chance(0.55)) {
      const std::string spelling = Pick(operators_);
      const std::string space = std::isalpha(spelling[0]) || Chance(0.5) ? " " : "";
      text += space + spelling + space + Term(depth);
    }
    return text;
  }

  std::string Term(int depth) {
    static const std::vector<std::string> numbers = {"0",   "1",    "2",      "0.5", ".5",    ".",
                                                     "400", "1000", "709.78", "710", "32768", "3000000000"};
    const size_t form = --budget_ <= 0 || depth > 5 ? Below(3) : Below(10);
    if (form == 0) return Chance(0.2) ? std::to_string(Below(100)) : Pick(numbers);
    if (form <= 2) return Chance(0.5) ? "X" : "Y";
    if (form <= 4) return Pick(functions_) + " " + Term(depth + 1);
    if (form <= 7) return (form < 7 ? Pick(functions_) : "") + "(" + Expression(depth + 1) + ")";
    return Pick({"-", "+", std::string(formula::kNegation.spelling) + " "}) + Term(depth + 1);
  }

  std::mt19937_64 random_;
  int budget_ = 0;
  const std::vector<std::string> functions_ = Spellings(true), operators_ = Spellings(false);
};

// Up to six arguments, a third of them where the faults lie, infinities and NaN among them.
std::vector<float> LatticeArguments(std::mt19937_64& random) {
  constexpr float Infinity = std::numeric_limits<float>::infinity();
  static constexpr float odd[] = {0,     -0.0f, 1,        -1,
                                  0.5f,  -2.5f, 400,      -400,
                                  1e30f, 32768, Infinity, std::numeric_limits<float>::quiet_NaN()};
  std::vector<float> values(1 + random() % 6);
  for (float& value : values)
    value = random() % 3 == 0 ? odd[random() % std::size(odd)]
                              : std::uniform_real_distribution<float>(-5, 5)(random);
  return values;
}

// Every other formula also as a lattice of points (at infinities and NaN too, which the
// program was not compiled for and leaves to the formula), evaluated row by row with
// columns out of order and again, so that no point leans on the one before.
TEST(Differential, CompiledFormulasAgreeWithTheExactEvaluatorAndLatticesWithTheFormulaAlone) {
  RandomInput input;
  RandomSequence random;
  std::mt19937_64 lattices(0xC0FFEE);
  int kinds[4] = {}, compiledAnswers = 0;  // kinds: values, values after a fault, malformed, raised
  uint64_t points = 0, leftToTheFormula = 0;
  for (int i = 0; i < 1500 && !HasFailure(); ++i) {
    formula::Formula compiled(input.Formula());
    for (int point = 0; point < 4; ++point) {
      const RandomSequence sequence = random;
      const uint64_t fallbacks = compiled.ExactFallbacks();
      const Evaluation evaluation =
          BothPaths(compiled, input.Argument(), input.Argument(), random).evaluation;
      compiledAnswers += compiled.ExactFallbacks() == fallbacks;
      if (compiled.IsPure()) {
        EXPECT_EQ(random, sequence) << "a pure formula drew RND: " << compiled.text();
      }
      ++kinds[evaluation.raised ? 3 : evaluation.IsMalformed() ? 2 : evaluation.parseError ? 1 : 0];
    }
    if (i % 2) continue;
    const std::vector<float> xs = LatticeArguments(lattices), ys = LatticeArguments(lattices);
    std::vector<std::size_t> columns(xs.size());
    std::iota(columns.begin(), columns.end(), 0);
    columns.push_back(lattices() % xs.size());
    std::shuffle(columns.begin(), columns.end(), lattices);
    LatticeEvaluation lattice(compiled.text(), xs);
    const auto disagreement = formula::FindLatticeDisagreement(lattice, compiled, xs, ys, columns);
    EXPECT_FALSE(disagreement) << '"' << compiled.text().substr(0, 80) << "\" " << *disagreement;
    leftToTheFormula += lattice.PointsLeftToTheFormula();
    points += columns.size() * ys.size();
  }
  for (const int reached : kinds) EXPECT_GT(reached, 20) << "every kind of outcome is reached";
  EXPECT_GT(compiledAnswers, 1500 * 4 * 3 / 4) << "the compiled formula answers, not its fallback";
  // Many lattice points are answered by the split steps (a random text is malformed as
  // often as not), and many others reached the formula.
  EXPECT_GT(leftToTheFormula, points / 4);
  EXPECT_LT(leftToTheFormula, points * 2 / 3);
}

}  // namespace
}  // namespace formula_test
