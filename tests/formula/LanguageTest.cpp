// The formula language, rule by rule, through both the exact evaluator and the
// compiled formula.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FormulaCases.h"

namespace formula_test {
namespace {

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) ExpectRow(row);
}

TEST(Language, DefaultFormulaIsSquaredCosinePlusSquaredSine) {
  const double x = 0.3f, y = -1.7f;
  ExpectRows({
      {"(Cos(X) ^ 2 + Sin(Y) ^ 2)", D(std::pow(std::cos(x), 2) + std::pow(std::sin(y), 2)), 0, 0.3f, -1.7f},
  });
}

TEST(Language, PrecedenceFallsFromFunctionsToPowerNegationProductModuloSum) {
  ExpectRows({
      {"2 + 3 * 4", D(14)},
      {"(2 + 3) * 4", D(20)},
      {"2 * 3 MOD 4", L(2)},
      {"7 MOD 4 * 2", L(7)},
      {"1 + 7 MOD 4", D(4)},
      {"10 - 4 + 1", D(7)},
      {"-2 ^ 2", D(-4)},
      {"2 * -3", D(-6)},
      {"SIN X ^ 2", D(std::pow(std::sin(0.5), 2))},
      {"SIN X * 2", D(std::sin(0.5) * 2)},
      {"SIN(X * 2)", D(std::sin(0.5 * 2))},
      {"-X ^ 2", D(-0.25)},
      {"2 ^ 3 * 2", D(16)},
  });
}

TEST(Language, OperatorsOfOnePassAssociateToTheLeft) {
  ExpectRows({
      {"2 ^ 3 ^ 2", D(64)},
      {"8 / 4 / 2", D(1)},
      {"5 - 3 - 1", D(1)},
      {"8 / 4 * 2", D(4)},
      {"100 MOD 7 MOD 3", L(2)},
      {"2 ^ -1 ^ 2", D(0.25)},
  });
}

TEST(Language, SignsAfterAnOperatorAreUnary) {
  ExpectRows({
      {"-X", S(-0.5f)},
      {"+X", S(0.5f)},
      {"NEG X", S(-0.5f)},
      {"neg x", S(-0.5f)},
      {"2 - -3", D(5)},
      {"2 - +3", D(-1)},
      {"2 ^ -2", D(0.25)},
      {"2 ^ -1", D(0.5)},
      {"2 ^ +3", D(8)},
      {"7 MOD -3", L(1)},
      {"(-X)", S(-0.5f)},
      {"2*-X", D(-1)},
  });
}

TEST(Language, ParenthesesGroup) {
  ExpectRows({
      {"(X)", S(0.5f)},
      {"((X))", S(0.5f)},
      {"((2 + 3) * (4 - 1)) / 5", D(3)},
      {"COS(COS(X))", D(std::cos(std::cos(0.5)))},
      {"SIN(-X)", D(std::sin(-0.5))},
  });
}

TEST(Language, FunctionsTakeTheSingleTokenThatFollows) {
  const double x = 0.5, y = 0.25;
  ExpectRows({
      {"SIN X", D(std::sin(x))},
      {"COS Y", D(std::cos(y))},
      {"TAN X", D(std::tan(x))},
      {"ATN X", D(std::atan(x))},
      {"EXP X", D(std::exp(x))},
      {"LOG X", D(std::log(x))},
      {"SQR Y", D(0.5)},
      {"SGN(-3)", I(-1)},
      {"SGN 0", I(0)},
      {"SGN X", I(1)},
      {"INT(-0.5)", D(-1)},
      {"INT(-2.5)", D(-3)},
      {"INT 2.5", D(2)},
      {"ABS(-3)", D(3)},
      {"ABS X", S(0.5f)},
      {"sin(x)", D(std::sin(x))},
      {"Sin(X)", D(std::sin(x))},
      {"EXP 709.782712893384", D(std::exp(709.782712893384))},
  });
}

TEST(Language, ModuloRoundsHalfToEvenAndKeepsTheDividendsSign) {
  ExpectRows({
      {"7 MOD 3", L(1)},
      {"-7 MOD 3", L(-1)},
      {"7 MOD -3", L(1)},
      {"7.5 MOD 2", L(0)},
      {"6.5 MOD 4", L(2)},
      {"5 MOD 2.5", L(1)},
      {"X MOD 1", L(0)},
      {"SGN 5 MOD SGN 3", I(0)},
      {"2147483647 MOD 10", L(7)},
      {"-2147483648 MOD -1", L(0)},
      {"7 mod 3", L(1)},
  });
}

TEST(Language, NumbersAreDigitRunsWithOnePoint) {
  ExpectRows({
      {".", D(0)},
      {"5.", D(5)},
      {".5", D(0.5)},
      {"007.250", D(7.25)},
      {"0.1", D(0.1)},
      {"123456789012345678901234567890", D(123456789012345678901234567890.0)},
      {"0." + std::string(400, '0') + "1", D(0)},
      {"X2", Value(), kMalformed},
      {"1.2.3", Value(), kMalformed},
      {"1,5", Value(), kMalformed},
      {"1 2", Value(), kMalformed},
      {"1E5", Value(), kMalformed},
      {"X * 1E308", Value(), kMalformed},
      {"1" + std::string(400, '0'), Value(), kMalformed},
  });
}

TEST(Language, SpacesAreIgnoredAndCaseDoesNotMatter) {
  ExpectRows({
      {"  2+3  ", D(5)},
      {"2+ 3*4", D(14)},
      {"cOs ( x )", D(std::cos(0.5))},
      {"y", S(0.25f)},
  });
}

TEST(Language, MalformedTextsYieldNoValue) {
  for (const char* text :
       {"",      "   ",    "SIN -X", "SIN SIN X", "COS COS X", "INT -0.5", "SGN -3", "ABS -3", "X Y",
        "2 X",   "2X",     "2(X)",   "(X)(Y)",    "X +",       "* X",      "X)*(Y",  "Z",      "X + Z",
        "XY",    "SINX",   "- -3",   "NEG NEG X", "- NEG X",   "2 ^ - -2", "(X",     "X)",     "()",
        "X ()",  "X\t+ 1", "X = 1",  "X \\ 2",    "X < 1",     "MOD",      "SIN",    "NEG",    "X MOD",
        "SIN()", "2 ^",    "^ 2",    "X,Y",       ")(",        "1 + (2"}) {
    ExpectRow({text, Value(), kMalformed});
  }
}

TEST(Language, FailingFunctionIsWorthZero) {
  ExpectRows({
      {"LOG 0 + 1", D(1), 5},
      {"LOG 0", I(0), 5},
      {"LOG(-1)", I(0), 5},
      {"SQR(-1) * 5", D(0), 5},
      {"EXP 1000", I(0), 6},
      {"EXP 709.8", I(0), 6},
      {"2 * LOG(X - X)", D(0), 5},
  });
}

TEST(Language, FailingBinaryOperationIsWorthItsLeftOperand) {
  ExpectRows({
      {"X / 0", S(0.5f), 11},
      {"0 / 0", D(0), 6},
      {"1 MOD 0", D(1), 11},
      {"1 MOD 0.4", D(1), 11},
      {"3000000000 MOD 2", D(3e9), 6},
      {"2 MOD 3000000000", D(2), 6},
      {"10 ^ 400", D(10), 6},
      {"1 + 10 ^ X", D(11), 6, 400},
      {"(-8) ^ (1 / 3)", D(-8), 5},
      {"0 ^ (0 - 1)", D(0), 11},
      {"(10 ^ 300) * (10 ^ 300)", D(std::pow(10.0, 300)), 6},
      {"(10 ^ 300) * (10 ^ 300) + 1", D(std::pow(10.0, 300) + 1), 6},
      {"(0 - 10 ^ 308) - 10 ^ 308", D(-std::pow(10.0, 308)), 6},
      {"1 / (10 ^ -320)", D(1), 6},
  });
}

TEST(Language, FailingNegatedExponentClearsTheTokenLeftOfItsBase) {
  ExpectRows({
      {"1 + 10 ^ -X", Value(), kMalformed, -400},
      {"10 ^ -X", D(10), 6, -400},
      {"0 ^ -1", D(0), 11},
      {"((0 ^ -1))", D(0), 11},
      {"0 ^ -1 + 2", D(2), 11},
      {"(0 ^ -1 + 2) * 3", D(6), 11},
      {"5 * 0 ^ -1", Value(), kMalformed},
      {"5 * (0 ^ -1)", D(0), 11},
      {"(-8) ^ -(1 / 3)", D(-8), 5},
      {"1 + 10 ^ -X", D(1), 0, 400},
  });
}

TEST(Language, ParseErrorHoldsTheLastFault) {
  ExpectRows({
      {"(1 / 0) + EXP 1000", D(1), 6},
      {"1 / 0 + (EXP 1000)", D(1), 11},
      {"(LOG 0) + 1", D(1), 5},
      {"LOG 0 + 1 / 0", D(1), 11},
  });
}

TEST(Language, NegationKeepsTheKindAndOtherOperatorsGiveDoubles) {
  ExpectRows({
      {"X", S(0.5f)},
      {"-X", S(-0.5f)},
      {"INT X", S(0.0f)},
      {"INT -X", Value(), kMalformed},
      {"INT(-X)", S(-1.0f)},
      {"X + 0", D(0.5)},
      {"X * 1", D(0.5)},
      {"X ^ 1", D(0.5)},
      {"X / 1", D(0.5)},
      {"-SGN X", I(-1)},
      {"ABS -SGN X", Value(), kMalformed},
      {"ABS(-SGN X)", I(1)},
      {"INT SGN X", Value(), kMalformed},
      {"INT(SGN X)", I(1)},
      {"X MOD 2", L(0)},
      {"SGN X MOD 2", L(1)},
      {"-(SGN X - SGN X)", D(-0.0)},
      {"ATN(-(SGN X MOD SGN X))", D(0)},
  });
}

}  // namespace
}  // namespace formula_test
