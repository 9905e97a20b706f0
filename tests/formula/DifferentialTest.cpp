// Random formulas, valid and broken, at random points: the compiled formula must
// give exactly what the exact evaluator gives, RND's numbers included.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FormulaCases.h"
#include "RandomFormulas.h"
#include "formula/ExactFallbacks.h"
#include "formula/Formula.h"
#include "formula/RandomSequence.h"

namespace formula_test {
namespace {

struct Tally {
  int values = 0;
  int faults = 0;
  int malformed = 0;
  int raised = 0;
  int compiledAnswers = 0;
  int evaluations = 0;

  void Count(const Outcome& outcome, bool compiled) {
    ++evaluations;
    if (compiled) ++compiledAnswers;
    if (outcome.raised) {
      ++raised;
    } else if (outcome.parseError == kMalformed) {
      ++malformed;
    } else if (outcome.parseError > 0) {
      ++faults;
    } else {
      ++values;
    }
  }
};

TEST(Differential, CompiledFormulasAgreeWithTheExactEvaluator) {
  std::mt19937_64 random(0x5EEDF0);
  Tally tally;
  int disagreements = 0;
  for (int i = 0; i < 8000 && disagreements < 10; ++i) {
    const std::string text = RandomFormula(random);
    formula::Formula compiled(text);
    for (int point = 0; point < 6; ++point) {
      const Value X = RandomArgument(random);
      const Value Y = RandomArgument(random);
      const formula::RandomSequence start = formula::SharedRandomSequence();
      const Outcome exact = ExactOutcome(text, X, Y);
      formula::SharedRandomSequence() = start;
      const uint64_t fallbacksBefore = formula::ExactFallbacks();
      const Outcome fast = CompiledOutcome(compiled, X, Y);
      tally.Count(exact, formula::ExactFallbacks() == fallbacksBefore);
      if (fast != exact) {
        ++disagreements;
        ADD_FAILURE() << "formula \"" << text << "\" at X = " << ::testing::PrintToString(X)
                      << ", Y = " << ::testing::PrintToString(Y) << "\n  exact:    "
                      << ::testing::PrintToString(exact) << "\n  compiled: " << ::testing::PrintToString(fast);
      }
    }
  }
  // The generator must reach every kind of outcome, and most answers must come from
  // the compiled programs, or the comparison proves little.
  EXPECT_GT(tally.values, 3000);
  EXPECT_GT(tally.faults, 1000);
  EXPECT_GT(tally.malformed, 3000);
  EXPECT_GT(tally.raised, 20);
  EXPECT_GT(tally.compiledAnswers, tally.evaluations / 2);
  std::printf("evaluations %d: values %d, faults %d, malformed %d, raised %d; compiled answers %d\n",
              tally.evaluations, tally.values, tally.faults, tally.malformed, tally.raised,
              tally.compiledAnswers);
}

}  // namespace
}  // namespace formula_test
