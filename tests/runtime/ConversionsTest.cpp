#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <tuple>

#include "runtime/Conversions.h"
#include "runtime/NumberFormat.h"
#include "runtime/ResumeNext.h"
#include "runtime/RuntimeError.h"

namespace {

using runtime::RuntimeError;

TEST(Conversions, IntegersRoundHalfToEvenAndOverflowOutsideTheirRange) {
  // -2147483648.5: the tie goes to the even end, in range.
  for (const auto& [value, whole] : {std::pair{0.5, 0}, {2.5, 2}, {-3.5, -4}, {-2147483648.5, INT32_MIN}})
    EXPECT_EQ(runtime::ToLong(value), whole) << value;
  EXPECT_EQ(runtime::ToInteger(-32768.4), -32768);
  for (double outside : {2147483647.5, -2147483649.0, std::nan(""), double{INFINITY}})
    EXPECT_THROW(runtime::ToLong(outside), RuntimeError) << outside;
  for (double outside : {32767.5, -32768.6})
    EXPECT_THROW(runtime::ToInteger(outside), RuntimeError) << outside;
}

TEST(Conversions, SinglesRoundToNearestAndOverflowBeyondTheirRange) {
  EXPECT_EQ(runtime::ToSingle(1.0 / 3), 1.0f / 3);
  EXPECT_EQ(runtime::ToSingle(-FLT_MAX), -FLT_MAX);
  EXPECT_EQ(runtime::ToSingle(1e-50), 0.0f);
  for (double outside : {1e39, -1e300, std::nan("")}) EXPECT_THROW(runtime::ToSingle(outside), RuntimeError);
  EXPECT_THROW(runtime::FiniteSingle(FLT_MAX * 2.0f), RuntimeError);
  EXPECT_THROW(runtime::FiniteDouble(-INFINITY), RuntimeError);
}

TEST(ResumeNext, AFailingStatementLeavesItsTargetAndAFailingTestCountsAsHeld) {
  float target = 7;
  EXPECT_FALSE(runtime::Statement([&] { target = runtime::ToSingle(1e300); }));
  EXPECT_EQ(target, 7);
  EXPECT_TRUE(runtime::Test([] { return runtime::ToLong(1e300) > 0; }));
  EXPECT_FALSE(runtime::Test([] { return false; }));
  // Only run-time errors are skipped; a bug still surfaces.
  EXPECT_THROW(runtime::Statement([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(FormatZeroPointHash, ShowsUpToThreeDecimalsAndAlwaysTheSeparator) {
  const std::tuple<double, char, const char*> cases[] = {
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
  for (const auto& [value, separator, text] : cases)
    EXPECT_EQ(runtime::FormatZeroPointHash(value, separator), text) << value;
}

}  // namespace
