#include "runtime/Conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "runtime/ResumeNext.h"
#include "runtime/RuntimeError.h"

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

ErrorNumber ErrorOf(auto&& body) {
  try {
    body();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  ADD_FAILURE() << "no run-time error";
  return ErrorNumber::TypeMismatch;
}

TEST(Conversions, IntegersRoundHalfToEven) {
  EXPECT_EQ(runtime::ToLong(0.5), 0);
  EXPECT_EQ(runtime::ToLong(1.5), 2);
  EXPECT_EQ(runtime::ToLong(2.5), 2);
  EXPECT_EQ(runtime::ToLong(-2.5), -2);
  EXPECT_EQ(runtime::ToLong(-3.5), -4);
  EXPECT_EQ(runtime::ToInteger(2.4999), 2);
  EXPECT_EQ(runtime::ToInteger(-32768.4), -32768);
  EXPECT_EQ(runtime::ToLong(2147483647.4), 2147483647);
  EXPECT_EQ(runtime::ToLong(-2147483648.5), -2147483648);  // ties to even stays in range
}

TEST(Conversions, IntegersOverflowOutsideTheirRange) {
  EXPECT_EQ(ErrorOf([] { runtime::ToInteger(32767.5); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::ToInteger(-32768.6); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::ToLong(2147483647.5); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::ToLong(std::nan("")); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::ToLong(INFINITY); }), ErrorNumber::Overflow);
}

TEST(Conversions, SinglesRoundToNearestAndOverflowBeyondTheirRange) {
  EXPECT_EQ(runtime::ToSingle(1.0 / 3), 1.0f / 3);
  EXPECT_EQ(runtime::ToSingle(-FLT_MAX), -FLT_MAX);
  EXPECT_EQ(runtime::ToSingle(1e-50), 0.0f);
  EXPECT_EQ(ErrorOf([] { runtime::ToSingle(1e39); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::ToSingle(-1e300); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::ToSingle(std::nan("")); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::FiniteSingle(FLT_MAX * 2.0f); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { runtime::FiniteDouble(std::numeric_limits<double>::infinity()); }),
            ErrorNumber::Overflow);
}

TEST(ResumeNext, AFailingStatementLeavesItsTargetAndTheNextOneRuns) {
  float target = 7;
  int ran = 0;
  EXPECT_FALSE(runtime::Statement([&] { target = runtime::ToSingle(1e300); }));
  EXPECT_TRUE(runtime::Statement([&] { ++ran; }));
  EXPECT_EQ(target, 7);
  EXPECT_EQ(ran, 1);
}

TEST(ResumeNext, AFailingTestCountsAsHeld) {
  EXPECT_TRUE(runtime::Test([] { return runtime::ToLong(1e300) > 0; }));
  EXPECT_FALSE(runtime::Test([] { return false; }));
}

TEST(ResumeNext, OtherExceptionsAreNotSwallowed) {
  EXPECT_THROW(runtime::Statement([] { throw std::logic_error("bug"); }), std::logic_error);
}

}  // namespace
