// RND's contract, in the exact evaluator and in compiled formulas.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "FormulaCases.h"
#include "formula/Formula.h"
#include "formula/Module1.h"
#include "formula/RandomSequence.h"

namespace formula_test {
namespace {

using formula::Formula;
using formula::SharedRandomSequence;

float Draw(const char* text) {
  const Value value = Module1::EvaluateFunction(text, S(0), S(0));
  EXPECT_EQ(value.kind(), Value::Kind::Single) << text;
  return static_cast<float>(value.ToDouble());
}

std::vector<float> Draws(const char* text, int count) {
  std::vector<float> draws;
  for (int i = 0; i < count; ++i) draws.push_back(Draw(text));
  return draws;
}

class Rnd : public ::testing::Test {
 protected:
  void SetUp() override { SharedRandomSequence().Restart(); }
};

TEST_F(Rnd, PositiveArgumentGivesTheNextNumberInZeroToOne) {
  const std::vector<float> draws = Draws("RND 1", 2000);
  EXPECT_NE(draws[0], draws[1]);
  for (float draw : draws) {
    EXPECT_GE(draw, 0.0f);
    EXPECT_LT(draw, 1.0f);
  }
  EXPECT_EQ(std::set<float>(draws.begin(), draws.end()).size(), draws.size());
}

TEST_F(Rnd, ZeroRepeatsTheLastNumber) {
  const float last = Draw("RND(X + 1)");  // a fresh number
  EXPECT_EQ(Module1::EvaluateFunction("RND 0", S(0), S(0)), S(last));
  EXPECT_EQ(Module1::EvaluateFunction("RND X", S(0), S(0)), S(last));
  EXPECT_EQ(Module1::EvaluateFunction("RND 0", S(0), S(0)), S(last));
}

TEST_F(Rnd, NegativeArgumentFixesTheNumberAndReseeds) {
  const float first = Draw("RND(-3)");
  const std::vector<float> after = Draws("RND 1", 5);
  Draws("RND 7", 11);
  EXPECT_EQ(Draw("RND(-3)"), first);
  EXPECT_EQ(Draws("RND 1", 5), after);
  EXPECT_NE(Draw("RND(-4)"), first);
  EXPECT_NE(Draw("RND(-3.5)"), first);
}

TEST_F(Rnd, EveryRunStartsTheSameSequence) {
  const std::vector<float> first = Draws("RND 1", 10);
  SharedRandomSequence().Restart();
  EXPECT_EQ(Draws("RND 1", 10), first);
  EXPECT_EQ(formula::RandomSequence().Rnd(1), first[0]);
}

TEST_F(Rnd, SequenceRunsThroughAllOfItsNumbers) {
  formula::RandomSequence sequence;
  const float start = sequence.Rnd(0);
  int period = 0;
  do {
    ++period;
  } while (sequence.Rnd(1) != start && period <= (1 << 24));
  EXPECT_EQ(period, 1 << 24);
}

TEST_F(Rnd, CompiledFormulasDrawTheSameNumbersAndSaveThemOnFallback) {
  for (const char* text : {"RND 1", "RND 1 + RND 0", "RND -X + RND 1", "RND 1 * LOG(X)", "(RND 1) / X + RND 1",
                           "RND 1 + 10 ^ -X", "RND(RND 1 - 0.5)"}) {
    Formula compiled(text);
    EXPECT_FALSE(compiled.IsPure()) << text;
    for (float x : {2.0f, 0.0f, -400.0f, -1.0f}) {
      SCOPED_TRACE(std::string(text) + " at X = " + std::to_string(x));
      const formula::RandomSequence start = SharedRandomSequence();
      const Outcome exact = ExactOutcome(text, S(x), S(1));
      SharedRandomSequence() = start;
      EXPECT_EQ(CompiledOutcome(compiled, S(x), S(1)), exact);
    }
  }
}

TEST_F(Rnd, OnlyTextsThatCanCallRndAreImpure) {
  EXPECT_TRUE(Formula("(Cos(X) ^ 2 + Sin(Y) ^ 2)").IsPure());
  EXPECT_TRUE(Formula("1.2.3 + RND 1").IsPure());  // refused before anything is computed
  EXPECT_TRUE(Formula("RANDOM").IsPure());
  EXPECT_FALSE(Formula("rnd(x)").IsPure());
  EXPECT_FALSE(Formula("X + RND").IsPure());
}

}  // namespace
}  // namespace formula_test
