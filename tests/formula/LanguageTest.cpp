// The formula language, rule by rule (Y is 0.25 throughout), and texts too long for it.
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "BothPaths.h"

namespace formula_test {
namespace {

using std::pow, std::sin, std::cos;

// A formula at X, what it yields and the ParseError it leaves (-1 for malformed).
struct Row {
  Row(std::string formula, Value value, int16_t parseError = 0, Value x = S(0.5f))
      : text(std::move(formula)), expected(Yields(std::move(value), parseError)), X(std::move(x)) {}
  std::string text;
  Outcome expected;
  Value X;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(BothPaths(row.text, row.X), row.expected)
        << row.text << " at " << testing::PrintToString(row.X);
  }
}

TEST(Language, PrecedenceAssociativityAndUnarySigns) {
  ExpectRows({Row("(Cos(X) ^ 2 + Sin(Y) ^ 2)", D(pow(cos(0.5), 2) + pow(sin(0.25), 2))),
              Row("2 + 3 * 4", D(14)), Row("(2 + 3) * 4", D(20)), Row("2 * 3 MOD 4", L(2)),
              Row("7 MOD 4 * 2", L(7)), Row("1 + 7 MOD 4", D(4)), Row("10 - 4 + 1", D(7)),
              Row("2 ^ 3 ^ 2", D(64)), Row("8 / 4 / 2", D(1)), Row("5 - 3 - 1", D(1)), Row("8 / 4 * 2", D(4)),
              Row("100 MOD 7 MOD 3", L(2)), Row("((X))", S(0.5f))});
  ExpectRows({Row("-X", S(-0.5f)), Row("+X", S(0.5f)), Row("neg x", S(-0.5f)), Row("2 - -3", D(5)),
              Row("2 - +3", D(-1)), Row("2*-3", D(-6)), Row("-2 ^ 2", D(-4)), Row("-X ^ 2", D(-0.25)),
              Row("2 ^ -1", D(0.5)), Row("2 ^ -1 ^ 2", D(0.25)), Row("2 ^ +3", D(8)), Row("7 MOD -3", L(1))});
}

TEST(Language, OperandsAreNumbersXYAndFunctionsOfTheSingleTokenThatFollows) {
  ExpectRows({Row("SIN X", D(sin(0.5))), Row("cOs ( y )", D(cos(0.25))), Row("TAN X", D(std::tan(0.5))),
              Row("ATN X", D(std::atan(0.5))), Row("EXP X", D(std::exp(0.5))), Row("LOG X", D(std::log(0.5))),
              Row("SQR Y", D(0.5)), Row("SIN X ^ 2", D(pow(sin(0.5), 2))), Row("SIN X * 2", D(sin(0.5) * 2)),
              Row("SIN(X * 2)", D(sin(1.0))), Row("SIN(-X)", D(sin(-0.5))),
              Row("COS(COS(X))", D(cos(cos(0.5)))), Row("SGN(-3)", I(-1)), Row("SGN 0", I(0)),
              Row("SQR 0", D(0)), Row("INT(-0.5)", D(-1)), Row("INT(-2.5)", D(-3)), Row("ABS(-3)", D(3)),
              Row("EXP 709.782712893384", D(std::exp(709.782712893384)))});
  ExpectRows({Row(".", D(0)), Row("5.", D(5)), Row("007.250", D(7.25)),
              Row(std::string("1").append(30, '0'), D(1e30)),
              Row(std::string(".").append(400, '0') + "1", D(0)),
              Row(std::string("1").append(400, '0'), Value(), kMalformed)});
}

TEST(Language, ModuloRoundsHalfToEvenAndKeepsTheDividendsSign) {
  ExpectRows({Row("7 MOD 3", L(1)), Row("-7 mod 3", L(-1)), Row("7.5 MOD 2", L(0)), Row("6.5 MOD 4", L(2)),
              Row("5 MOD 2.5", L(1)), Row("2147483647 MOD 10", L(7)), Row("-2147483648 MOD -1", L(0))});
}

TEST(Language, MalformedTextsYieldNothing) {
  for (const char* text :
       {"",       "   ",  "SIN -X",  "SIN SIN X", "INT -0.5", "SGN -3", "ABS -3",   "INT -X", "X Y",
        "2 X",    "2X",   "2(X)",    "(X)(Y)",    "X +",      "* X",    "X)*(Y",    "Z",      "XY",
        "SINX",   "- -3", "- NEG X", "(X",        "X) 2",     "()",     "2 ^ - -2", "X\t+ 1", "X = 1",
        "X \\ 2", "MOD",  "SIN",     "X,Y",       "X2",       "1.2.3",  "1,5",      "1 2",    "1E5"}) {
    EXPECT_EQ(BothPaths(text), Malformed()) << text;
  }
}

// A failing function is worth 0, a failing operator its left operand, but a failing
// negated exponent clears the token left of its base. ParseError holds the last fault's
// number: 5 invalid argument, 6 overflow, 11 division by zero.
TEST(Language, FaultsYieldAValueAndLeaveTheirNumber) {
  ExpectRows({Row("LOG 0 + 1", D(1), 5), Row("LOG 0", I(0), 5), Row("SQR(-1) * 5", D(0), 5),
              Row("EXP 709.8", I(0), 6), Row("X / 0", S(0.5f), 11), Row("0 / 0", D(0), 6),
              Row("1 MOD 0.4", D(1), 11), Row("3000000000 MOD 2", D(3e9), 6),
              Row("1 + 10 ^ X", D(11), 6, S(400)), Row("(-8) ^ (1 / 3)", D(-8), 5),
              Row("0 ^ (0 - 1)", D(0), 11), Row("(10 ^ 300) * (10 ^ 300) + 1", D(pow(10.0, 300) + 1), 6),
              Row("1 / (10 ^ -320)", D(1), 6), Row("(1 / 0) + EXP 1000", D(1), 6),
              Row("1 / 0 + (EXP 1000)", D(1), 11)});
  ExpectRows({Row("1 + 10 ^ -X", Value(), kMalformed, S(-400)), Row("1 + 10 ^ -X", D(1), 0, S(400)),
              Row("10 ^ -X", D(10), 6, S(-400)), Row("(0 ^ -1 + 2) * 3", D(6), 11),
              Row("5 * 0 ^ -1", Value(), kMalformed), Row("5 * (0 ^ -1)", D(0), 11)});
}

TEST(Language, NegationIntAndAbsKeepTheKindOtherOperatorsGiveDoubles) {
  ExpectRows({Row("INT X", S(0)), Row("INT(-X)", S(-1)), Row("ABS X", S(0.5f)), Row("X * 1", D(0.5)),
              Row("X ^ 1", D(0.5)), Row("X / 1", D(0.5)), Row("X - 0", D(0.5)), Row("-SGN X", I(-1)),
              Row("ABS(-SGN X)", I(1)), Row("SGN X MOD 2", L(1)), Row("SGN X MOD SGN X", I(0)),
              Row("-(SGN X - SGN X)", D(-0.0)), Row("-X", I(-3), 0, I(3)), Row("ABS X", L(3), 0, L(-3)),
              Row("-X", I(0), 6, I(-32768)), Row("ABS X", I(0), 6, L(INT32_MIN))});
  // A failed step's stand-in brings its own kind to the steps that keep the kind.
  ExpectRows({Row("-LOG 0", I(0), 5), Row("INT(X / 0)", S(0), 11), Row("SQR(-1) MOD SGN X", I(0), 5),
              Row("ABS(X / 0) + 1", D(4), 11, I(-3)), Row("-(X / 0)", I(-3), 11, I(3))});
}

// Above 0 the next number in [0, 1), 0 the last one again, below 0 a number fixed by the
// argument that reseeds the sequence. The caller owns the sequence: a fresh one starts
// where every run starts, whatever others have drawn.
TEST(Language, RndDrawsRepeatsAndReseeds) {
  RandomSequence random;
  const auto rnd = [&](const std::string& text) {
    formula::Formula compiled(text);
    return BothPaths(compiled, S(0.5f), S(0.25f), random).evaluation.value;
  };
  const Value first = rnd("RND 1");
  std::set<double> draws;
  for (int i = 0; i < 200; ++i) draws.insert(rnd("rnd(x + 1)").ToDouble());
  EXPECT_EQ(std::tuple(draws.size(), *draws.begin() >= 0, *draws.rbegin() < 1), std::tuple(200u, true, true));
  const Value last = rnd("RND 1");
  EXPECT_EQ(last.kind(), Value::Kind::Single);
  EXPECT_EQ(rnd("RND 0"), last);
  const Value seeded = rnd("RND(-3)"), next = rnd("RND 1");
  EXPECT_EQ(rnd("RND(-3)"), seeded);
  EXPECT_EQ(rnd("RND 1"), next);
  EXPECT_NE(rnd("RND(-4)"), seeded);
  EXPECT_EQ(BothPaths("RND 1").evaluation.value, first) << "a fresh sequence starts where every run starts";
}

// Texts too long for the token table or the 16-bit character position: a fault passed
// on, never a made-up value.
TEST(Language, TooLongTextsRaiseAFaultAndLeaveParseErrorAtZero) {
  std::string full = "-1";  // 98 tokens: the last copies read beyond the table
  for (int i = 0; i < 48; ++i) full += " + 1";
  const std::string brackets = std::string(48, '(') + "X" + std::string(48, ')');
  const struct {
    const char* name;
    std::string text;
    Outcome expected;
    bool tooLong;
  } rows[] = {
      {"98 tokens fit", full, Yields(D(47)), false},
      {"48 brackets fit", "-" + brackets, Yields(S(-0.5f)), false},
      {"99 tokens", full + "+1", Raised(ErrorNumber::SubscriptOutOfRange), true},
      {"49 brackets", "(" + brackets + ")", Raised(ErrorNumber::SubscriptOutOfRange), true},
      {"unclosed brackets", std::string(20000, '('), Raised(ErrorNumber::SubscriptOutOfRange), true},
      {"last character at 32764", "X" + std::string(32763, ' '), Yields(S(0.5f)), false},
      {"a character at 32765", "X" + std::string(32764, ' '), Raised(ErrorNumber::Overflow), true},
      {"a long name", std::string(40000, 'A'), Raised(ErrorNumber::Overflow), true},
      {"a long number", std::string(40000, '7'), Raised(ErrorNumber::Overflow), true},
      {"refused first", "X\t" + std::string(40000, ' '), Malformed(), false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(BothPaths(row.text), row.expected) << row.name;
    EXPECT_EQ(formula::Formula(row.text).TooLong(), row.tooLong) << row.name;
  }
}

}  // namespace
}  // namespace formula_test
