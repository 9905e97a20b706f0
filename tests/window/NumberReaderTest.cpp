#include "window/NumberReader.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/RuntimeError.h"

namespace {

TEST(ReadLenientNumber, ReadsWhatTheStrictCheckLetsThrough) {
  EXPECT_EQ(ReadLenientNumber("0.1"), 0.1);
  EXPECT_EQ(ReadLenientNumber("0,1"), 0.1);
  EXPECT_EQ(ReadLenientNumber("-12345678901234567890"), -12345678901234567890.0);
  EXPECT_EQ(ReadLenientNumber("." + std::string(400, '0') + "1"), 0);
}

TEST(ReadLenientNumber, ANumberBeyondTheDoubleRangeOverflows) {
  EXPECT_THROW(ReadLenientNumber("1" + std::string(400, '0')), runtime::RuntimeError);
}

TEST(ShortestText, WritesTheStartValuesPlainly) {
  EXPECT_EQ(ShortestText(-1), "-1");
  EXPECT_EQ(ShortestText(12), "12");
  EXPECT_EQ(ShortestText(0.1f), "0.1");
}

}  // namespace
