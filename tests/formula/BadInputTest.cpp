// Formulas too long for the token table or the character position, arbitrary
// bytes, and arguments that are not finite numbers: never a crash, never a value
// made up, the same outcome on both paths.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "FormulaCases.h"
#include "formula/Formula.h"
#include "formula/Module1.h"

namespace formula_test {
namespace {

using runtime::ErrorNumber;

// The outcome of both paths, which must agree.
Outcome BothPaths(const std::string& text, const Value& X = S(0.5f), const Value& Y = S(0.25f)) {
  const formula::RandomSequence start = formula::SharedRandomSequence();
  const Outcome exact = ExactOutcome(text, X, Y);
  formula::SharedRandomSequence() = start;
  formula::Formula compiled(text);
  EXPECT_EQ(CompiledOutcome(compiled, X, Y), exact) << text.substr(0, 80);
  return exact;
}

Outcome Raised(ErrorNumber number) { return {Value(), 0, number, formula::SharedRandomSequence()}; }
Outcome Yields(Value value, int16_t parseError = 0) {
  return {std::move(value), parseError, std::nullopt, formula::SharedRandomSequence()};
}

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(BadInput, NinetyEightTokensFillTheTableAndStillReduce) {
  // 98 tokens of the user's text, 100 with the added parentheses: the copies of the
  // last steps read past slot 100, which counts as empty.
  const std::string sum = "-1" + Repeat(" + 1", 48);
  EXPECT_EQ(BothPaths(sum), Yields(D(47)));
  EXPECT_EQ(BothPaths("-" + Repeat("(", 48) + "X" + Repeat(")", 48)), Yields(S(-0.5f)));
  EXPECT_EQ(BothPaths("LOG 0" + Repeat(" + 1", 48)), Yields(D(48), 5));
  EXPECT_EQ(BothPaths(Repeat("1 ^ ", 48) + "-X"), Yields(D(1)));
  EXPECT_EQ(BothPaths(Repeat("1 + ", 47) + "10 ^ -X", S(-400)), Yields(Value(), kMalformed));
  EXPECT_EQ(BothPaths(Repeat("1 + ", 47) + "10 ^ -X", S(400)), Yields(D(47))) << "10 ^ -400 is 0";
  // A dropped unary plus takes no slot.
  EXPECT_EQ(BothPaths("-1" + Repeat(" + 1", 47) + " + +++ 1"), Yields(D(47)));
}

TEST(BadInput, NinetyNineTokensRaiseASubscriptFaultAndLeaveParseErrorAtZero) {
  EXPECT_EQ(BothPaths("1" + Repeat(" + 1", 49)), Raised(ErrorNumber::SubscriptOutOfRange));
  EXPECT_EQ(BothPaths(Repeat("(", 49) + "X" + Repeat(")", 49)), Raised(ErrorNumber::SubscriptOutOfRange));
  EXPECT_EQ(BothPaths(Repeat("1+", 20000)), Raised(ErrorNumber::SubscriptOutOfRange));
}

TEST(BadInput, CharacterPositionBeyondSixteenBitsRaisesAnOverflowFault) {
  // The working text adds two parentheses; its 32767th character cannot be passed.
  EXPECT_EQ(BothPaths("X" + std::string(32763, ' ')), Yields(S(0.5f)));
  EXPECT_EQ(BothPaths("X" + std::string(32764, ' ')), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths("X" + std::string(39999, ' ')), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths(std::string(40000, 'A')), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths(std::string(40000, '7')), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths(std::string(32764, '7')), Yields(Value(), kMalformed)) << "beyond the float range";
  EXPECT_EQ(BothPaths("X\t" + std::string(40000, ' ')), Yields(Value(), kMalformed)) << "refused first";
}

TEST(BadInput, BytesOutsideTheLanguageAreMalformed) {
  for (const std::string text : {std::string("X\0+1", 4), std::string("\0", 1), std::string("X\xC2\xB7" "2"),
                                 std::string("\xC3\xA9"), std::string("X + \xC4\xB1"), std::string("\xFF\xFE"),
                                 std::string("SIN(X)\n"), std::string("X\r"), std::string("\x7F")}) {
    EXPECT_EQ(BothPaths(text), Yields(Value(), kMalformed));
  }
}

TEST(BadInput, RandomBytesAgreeOnBothPaths) {
  std::mt19937 random(20240611);
  const std::string alphabet = "XYSINCOTAEXPLGRDMQBU0123456789.^*/()+- \t";
  for (int i = 0; i < 3000; ++i) {
    std::string text(std::uniform_int_distribution<int>(0, 120)(random), ' ');
    const bool anyByte = i % 3 == 0;
    for (char& c : text) {
      c = anyByte ? static_cast<char>(random())
                  : alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
    }
    BothPaths(text);
  }
}

TEST(BadInput, NonFiniteArgumentsNeverEnterTheTable) {
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(BothPaths("X", S(std::nanf(""))), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths("Y + 1", S(0), D(-infinity)), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths("SIN 1", D(infinity), S(0)), Yields(D(std::sin(1.0))));
  EXPECT_EQ(BothPaths("Z X", D(infinity), S(0)), Raised(ErrorNumber::Overflow)) << "scanned before refused";
  EXPECT_EQ(BothPaths("# X", D(infinity), S(0)), Yields(Value(), kMalformed));
}

TEST(BadInput, EmptyArgumentIsNoOperand) {
  EXPECT_EQ(BothPaths("X + 1", Value(), S(0)), Yields(Value(), kMalformed));
  EXPECT_EQ(BothPaths("Y", S(0), Value()), Yields(Value(), kMalformed));
  EXPECT_EQ(BothPaths("1 + 1", Value(), Value()), Yields(D(2)));
}

}  // namespace
}  // namespace formula_test
