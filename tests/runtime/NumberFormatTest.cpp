#include "runtime/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  double value;
  char separator;
  const char* text;
};

TEST(FormatZeroPointHash, MatchesThePattern) {
  const FormatCase cases[] = {
      {0, '.', "0."},
      {2, '.', "2."},
      {-1, '.', "-1."},
      {1.7080734f, '.', "1.708"},
      {0.25, '.', "0.25"},
      {0.25, ',', "0,25"},
      {12345.6789, '.', "12345.679"},
      {0.0004, '.', "0."},
      {-0.0004, '.', "-0."},  // a negative value keeps its sign
      {9.9996, '.', "10."},   // carry through the integer part
      {999.9999, '.', "1000."},
      {1e20, '.', "100000000000000000000."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(runtime::FormatZeroPointHash(c.value, c.separator), c.text) << c.value;
  }
}

TEST(FormatZeroPointHash, RoundsTheExactBinaryValueHalfAwayFromZero) {
  // 0.0625 is exact: its fourth digit is a genuine tie and rounds away from zero.
  EXPECT_EQ(runtime::FormatZeroPointHash(0.0625, '.'), "0.063");
  EXPECT_EQ(runtime::FormatZeroPointHash(-0.0625, '.'), "-0.063");
  // 1.0005f is stored as 1.00049996..., below the tie, so it rounds down.
  EXPECT_EQ(runtime::FormatZeroPointHash(1.0005f, '.'), "1.");
  // 2.0005f is stored as 2.00049996..., also below.
  EXPECT_EQ(runtime::FormatZeroPointHash(2.0005f, '.'), "2.");
  // 0.1235f is stored as 0.12349999..., so it stays at .123.
  EXPECT_EQ(runtime::FormatZeroPointHash(0.1235f, '.'), "0.123");
}

}  // namespace
