#include <gtest/gtest.h>

#include "runtime/NumberFormat.h"

namespace {

TEST(FormatZeroPointHash, ShowsUpToThreeDecimalsAndAlwaysTheSeparator) {
  const struct {
    double value;
    char separator;
    const char* text;
  } cases[] = {
      {0, '.', "0."},
      {2, '.', "2."},
      {-1, '.', "-1."},
      {1.7080734f, '.', "1.708"},
      {0.25, ',', "0,25"},
      {12345.6789, '.', "12345.679"},
      {-0.0004, '.', "-0."},
      {999.9999, '.', "1000."},
      {1e20, '.', "100000000000000000000."},
      // The stored value is rounded exactly, half away from zero: 0.0625 is a true
      // tie, while 1.0005f is stored as 1.00049996... and rounds down.
      {0.0625, '.', "0.063"},
      {-0.0625, '.', "-0.063"},
      {1.0005f, '.', "1."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(runtime::FormatZeroPointHash(c.value, c.separator), c.text) << c.value;
}

}  // namespace
