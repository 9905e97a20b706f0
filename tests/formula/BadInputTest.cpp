// Texts too long for the table or the 16-bit character position: a fault passed on, never
// a made-up value.
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

}  // namespace
}  // namespace formula_test
