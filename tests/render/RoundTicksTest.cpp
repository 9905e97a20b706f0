// Round values along an axis: 1-2-5 steps inside the range, as few digits as the
// step needs, in the user's separator, each the float its label reads as.
#include <gtest/gtest.h>

#include "render/RoundTicks.h"

namespace {

struct TicksCase {
  const char* name;
  float low, high;
  int coarser;
  char separator;
  const char* expected;  // the labels, space-separated
};

class RoundTicks : public testing::TestWithParam<TicksCase> {};

TEST_P(RoundTicks, LabelsTheRoundValuesInside) {
  const TicksCase& c = GetParam();
  std::string labels;
  for (const render::Tick& tick : render::RoundTicks(c.low, c.high, c.coarser, c.separator)) {
    labels += (labels.empty() ? "" : " ") + tick.text;
    EXPECT_TRUE(tick.value >= c.low && tick.value <= c.high) << tick.text;
  }
  EXPECT_EQ(labels, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RoundTicks,
    testing::Values(TicksCase{"Symmetric", -1, 1, 0, '.', "-1 -0.5 0 0.5 1"},
                    TicksCase{"OffsetCentre", 0, 4, 0, '.', "0 1 2 3 4"},
                    TicksCase{"EndsOnFloatsOfDecimals", 0.3f, 0.7f, 0, '.', "0.3 0.4 0.5 0.6 0.7"},
                    TicksCase{"NegativeOnly", -3, -0.5f, 0, '.', "-3 -2.5 -2 -1.5 -1 -0.5"},
                    TicksCase{"ThinnedOut", -1, 1, 1, '.', "-1 0 1"},
                    TicksCase{"Tiny", 0, 3e-6f, 0, '.', "0 1e-6 2e-6 3e-6"},
                    TicksCase{"Huge", -3e38f, 3e38f, 0, '.', "-2e38 0 2e38"},
                    TicksCase{"ThousandsWritten", 0, 12000, 0, '.', "0 5000 10000"},
                    TicksCase{"FlatZero", 0, 0, 0, '.', "0"},
                    TicksCase{"FlatElsewhere", 2.5f, 2.5f, 3, ',', "2,5"},
                    TicksCase{"CommaSeparator", -1, 1, 0, ',', "-1 -0,5 0 0,5 1"}),
    [](const testing::TestParamInfo<TicksCase>& row) { return row.param.name; });

}  // namespace
