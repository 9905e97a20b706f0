// Random formulas at random points: both paths must leave the same. The fuzz target and
// its corpus cover breadth; this seeded sample keeps every kind of outcome in reach.
#include "RandomFormulas.h"

namespace formula_test {
namespace {

TEST(Differential, CompiledFormulasAgreeWithTheExactEvaluator) {
  RandomInput input;
  RandomSequence random;
  int kinds[4] = {}, compiledAnswers = 0;  // kinds: values, values after a fault, malformed, raised
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
  }
  for (const int reached : kinds) EXPECT_GT(reached, 20) << "every kind of outcome is reached";
  EXPECT_GT(compiledAnswers, 1500 * 4 * 3 / 4) << "the compiled formula answers, not its fallback";
}

}  // namespace
}  // namespace formula_test
