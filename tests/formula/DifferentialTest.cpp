// Thousands of random formulas at random points: both paths must leave the same.
#include "RandomFormulas.h"

namespace formula_test {
namespace {

TEST(Differential, CompiledFormulasAgreeWithTheExactEvaluator) {
  RandomInput input;
  RandomSequence random;
  int kinds[4] = {}, compiledAnswers = 0,
      compiledFaults = 0;  // kinds: values, after a fault, malformed, raised
  for (int i = 0; i < 8000 && !HasFailure(); ++i) {
    formula::Formula compiled(input.Formula());
    for (int point = 0; point < 6; ++point) {
      const Value X = input.Argument(), Y = input.Argument();
      const RandomSequence sequence = random;
      const uint64_t fallbacks = compiled.ExactFallbacks();
      const Outcome exact = BothPaths(compiled, X, Y, random);
      const Evaluation& evaluation = exact.evaluation;
      const bool compiledAnswer = compiled.ExactFallbacks() == fallbacks;
      compiledAnswers += compiledAnswer;
      compiledFaults += compiledAnswer && evaluation.parseError > 0;
      if (compiled.IsPure()) {
        EXPECT_EQ(exact.sequenceAfter, sequence) << "a pure formula drew RND: " << compiled.text();
      }
      ++kinds[evaluation.raised ? 3 : evaluation.IsMalformed() ? 2 : evaluation.parseError ? 1 : 0];
    }
  }
  // Every kind of outcome must be reached, mostly without the exact evaluator, faults too.
  EXPECT_GT(kinds[0], 8000) << "values";
  EXPECT_GT(kinds[1], 2000) << "values after a fault";
  EXPECT_GT(kinds[2], 20000) << "malformed";
  EXPECT_GT(kinds[3], 100) << "raised";
  EXPECT_GT(compiledAnswers, 8000 * 6 * 3 / 4);
  EXPECT_GT(compiledFaults, kinds[1] * 2 / 3);
}

}  // namespace
}  // namespace formula_test
