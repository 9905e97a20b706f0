// Texts too long for the table or the 16-bit character position, bytes outside the language,
// arguments that are no finite numbers: a fault passed on or no value, never a made-up one.
#include <cmath>

#include "BothPaths.h"

namespace formula_test {
namespace {

void ExpectTooLong(const std::string& text, ErrorNumber number) {
  EXPECT_EQ(BothPaths(text), Raised(number)) << text.substr(0, 40);
  EXPECT_TRUE(formula::Formula(text).TooLong());
}

TEST(BadInput, NinetyNineTokensRaiseAnIndexFaultAndLeaveParseErrorAtZero) {
  std::string full = "-1";  // 98 tokens: the last copies read beyond the table
  for (int i = 0; i < 48; ++i) full += " + 1";
  EXPECT_EQ(BothPaths(full), Yields(D(47)));
  EXPECT_EQ(BothPaths("-" + std::string(48, '(') + "X" + std::string(48, ')')), Yields(S(-0.5f)));
  ExpectTooLong(full + "+1", ErrorNumber::SubscriptOutOfRange);
  ExpectTooLong(std::string(49, '(') + "X" + std::string(49, ')'), ErrorNumber::SubscriptOutOfRange);
  ExpectTooLong(std::string(20000, '('), ErrorNumber::SubscriptOutOfRange);
}

TEST(BadInput, CharacterPositionBeyondSixteenBitsRaisesAnOverflowFault) {
  EXPECT_EQ(BothPaths("X" + std::string(32763, ' ')), Yields(S(0.5f)));
  ExpectTooLong("X" + std::string(32764, ' '), ErrorNumber::Overflow);
  ExpectTooLong(std::string(40000, 'A'), ErrorNumber::Overflow);
  ExpectTooLong(std::string(40000, '7'), ErrorNumber::Overflow);
  EXPECT_EQ(BothPaths("X\t" + std::string(40000, ' ')), Malformed()) << "refused first";
}

TEST(BadInput, NulAndBytesOutsideAsciiAreMalformed) {
  for (const std::string& text : {std::string("X\0+1", 4), std::string("X\xC2\xB7 2"),
                                  std::string("\xC3\xA9"), std::string("\xFF"), std::string("SIN(X)\n")}) {
    EXPECT_EQ(BothPaths(text), Malformed());
  }
}

TEST(BadInput, ArgumentsThatAreNoFiniteNumbersNeverEnterTheTable) {
  EXPECT_EQ(BothPaths("X", S(std::nanf(""))), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths("Y + 1", S(0), D(-HUGE_VAL)), Raised(ErrorNumber::Overflow));
  EXPECT_EQ(BothPaths("SIN 1", D(HUGE_VAL)), Yields(D(std::sin(1.0)))) << "X unused";
  EXPECT_EQ(BothPaths("X + 1", Value()), Malformed()) << "empty X";
}

}  // namespace
}  // namespace formula_test
