// What the compiled formula adds to the exact evaluator: one scan per text, the
// exact evaluator only for points where a step faults.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "FormulaCases.h"
#include "formula/ExactFallbacks.h"
#include "formula/Formula.h"
#include "formula/Module1.h"

namespace formula_test {
namespace {

using formula::Formula;

// Fallbacks to the exact evaluator while `body` runs.
template <class Body>
uint64_t FallbacksDuring(Body&& body) {
  const uint64_t before = formula::ExactFallbacks();
  body();
  return formula::ExactFallbacks() - before;
}

TEST(CompiledFormula, FaultFreePointsNeverNeedTheExactEvaluator) {
  Formula formula("(Cos(X) ^ 2 + Sin(Y) ^ 2)");
  const uint64_t fallbacks = FallbacksDuring([&] {
    for (int i = 0; i <= 12; ++i) {
      for (int j = 0; j <= 12; ++j) {
        const float x = -1 + i / 6.0f, y = -1 + j / 6.0f;
        ASSERT_EQ(formula.Evaluate(S(x), S(y)),
                  D(std::pow(std::cos(double{x}), 2) + std::pow(std::sin(double{y}), 2)));
        ASSERT_EQ(Module1::ParseError, 0);
      }
    }
  });
  EXPECT_EQ(fallbacks, 0u);
}

TEST(CompiledFormula, MalformedTextsAreAnsweredWithoutTheExactEvaluator) {
  for (const char* text : {"X Y", "SIN -X", "1.2.3", "(X", "RND 1 + Z"}) {
    Formula formula(text);
    EXPECT_EQ(FallbacksDuring([&] { EXPECT_EQ(CompiledOutcome(formula, S(1), S(2)).parseError, kMalformed); }),
              0u)
        << text;
  }
}

TEST(CompiledFormula, OnlyFaultingPointsFallBack) {
  Formula formula("X / Y");
  EXPECT_EQ(FallbacksDuring([&] { EXPECT_EQ(formula.Evaluate(S(3), S(2)), D(1.5)); }), 0u);
  EXPECT_EQ(FallbacksDuring([&] { EXPECT_EQ(formula.Evaluate(S(3), S(0)), S(3)); }), 1u);
  EXPECT_EQ(Module1::ParseError, 11);
  EXPECT_EQ(FallbacksDuring([&] { EXPECT_EQ(formula.Evaluate(S(3), S(4)), D(0.75)); }), 0u);
  EXPECT_EQ(Module1::ParseError, 0);
}

TEST(CompiledFormula, MalformednessThatDependsOnXIsDecidedPerPoint) {
  Formula formula("1 + 10 ^ -X");
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(CompiledOutcome(formula, S(-400), S(0)).parseError, kMalformed);
    EXPECT_EQ(CompiledOutcome(formula, S(400), S(0)).value, D(1));
    EXPECT_EQ(CompiledOutcome(formula, S(-2), S(0)).value, D(101));
    EXPECT_EQ(Module1::ParseError, 0);
  }
}

TEST(CompiledFormula, ArgumentsOfEveryNumericKindAreCompiledForTheirKind) {
  Formula formula("-X + INT Y");
  EXPECT_EQ(FallbacksDuring([&] {
              EXPECT_EQ(formula.Evaluate(I(3), L(-7)), D(-10));
              EXPECT_EQ(formula.Evaluate(D(0.25), S(2.5f)), D(1.75));
              EXPECT_EQ(formula.Evaluate(L(5), I(1)), D(-4));
            }),
            0u);
  Formula negation("-X");
  EXPECT_EQ(negation.Evaluate(I(3), S(0)), I(-3));
  EXPECT_EQ(negation.Evaluate(L(-3), S(0)), L(3));
  EXPECT_EQ(negation.Evaluate(S(1.5f), S(0)), S(-1.5f));
  EXPECT_EQ(negation.Evaluate(I(-32768), S(0)), I(0));
  EXPECT_EQ(Module1::ParseError, 6);
}

TEST(CompiledFormula, TextsTooLongRaiseAtEveryEvaluation) {
  Formula formula(std::string(33000, ' '));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(CompiledOutcome(formula, S(0), S(0)), (Outcome{Value(), 0, runtime::ErrorNumber::Overflow,
                                                             formula::SharedRandomSequence()}));
  }
}

TEST(CompiledFormula, KeepsItsTextAndMovesWhole) {
  Formula formula("2 * X");
  Formula moved(std::move(formula));
  EXPECT_EQ(moved.text(), "2 * X");
  EXPECT_EQ(moved.Evaluate(S(4), S(0)), D(8));
  Formula assigned("1");
  assigned = std::move(moved);
  EXPECT_EQ(assigned.Evaluate(S(5), S(0)), D(10));
}

}  // namespace
}  // namespace formula_test
