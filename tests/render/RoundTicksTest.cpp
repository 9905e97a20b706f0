// Round values along an axis: 1-2-5 steps inside the range, as few digits as the
// step needs, in the user's separator, each the float its label reads as.
#include <gtest/gtest.h>

#include "render/RoundTicks.h"

namespace {

TEST(RoundTicks, LabelsTheRoundValuesInside) {
  const struct {
    const char* name;
    float low, high;
    int coarser;
    char separator;
    const char* expected;  // the labels, space-separated
  } rows[] = {{"symmetric", -1, 1, 0, '.', "-1 -0.5 0 0.5 1"},
              {"offset centre", 0, 4, 0, '.', "0 1 2 3 4"},
              {"ends on floats of decimals", 0.3f, 0.7f, 0, '.', "0.3 0.4 0.5 0.6 0.7"},
              {"negative only", -3, -0.5f, 0, '.', "-3 -2.5 -2 -1.5 -1 -0.5"},
              {"thinned out", -1, 1, 1, '.', "-1 0 1"},
              {"tiny", 0, 3e-6f, 0, '.', "0 1e-6 2e-6 3e-6"},
              {"huge", -3e38f, 3e38f, 0, '.', "-2e38 0 2e38"},
              {"thousands written out", 0, 12000, 0, '.', "0 5000 10000"},
              {"flat at zero", 0, 0, 0, '.', "0"},
              {"flat elsewhere", 2.5f, 2.5f, 3, ',', "2,5"},
              {"comma separator", -1, 1, 0, ',', "-1 -0,5 0 0,5 1"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string labels;
    for (const render::Tick& tick : render::RoundTicks(row.low, row.high, row.coarser, row.separator)) {
      labels += (labels.empty() ? "" : " ") + tick.text;
      EXPECT_TRUE(tick.value >= row.low && tick.value <= row.high) << tick.text;
    }
    EXPECT_EQ(labels, row.expected);
  }
}

}  // namespace
