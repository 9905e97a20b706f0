// The texts the picture shows: the caption names the formula and the X and Y ranges,
// each limit in the fewest digits that still read back as the limit, with the user's
// decimal separator.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "render/Caption.h"
#include "render/RoundTicks.h"

namespace {

TEST(Caption, WritesFormulaAndRanges) {
  // The name, XMin, XMax, YMin and YMax, the separator and the ranges written.
  const std::tuple<const char*, std::array<float, 4>, char, const char*> rows[] = {
      {"whole numbers", {-1, 1, -1, 1}, '.', "X -1..1, Y -1..1"},
      {"shortest float, not double, digits", {0.1f, 2.5f, -0.3f, 1e-7f}, '.', "X 0.1..2.5, Y -0.3..1e-07"},
      {"comma separator", {-1.5f, 0, 0.25f, 4}, ',', "X -1,5..0, Y 0,25..4"}};
  for (const auto& [name, xy, separator, ranges] : rows) {
    surface::Limits limits;
    for (int k = 0; k < 4; ++k) limits[surface::InputLimits[k]] = xy[static_cast<size_t>(k)];
    limits.ZMin() = -7;
    EXPECT_EQ(render::CaptionText("(Cos(X) ^ 2 + Sin(Y) ^ 2)", limits, separator),
              std::string("Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), ") + ranges)
        << name;
  }
}

// Round values along an axis: 1-2-5 steps inside the range, as few digits as the
// step needs, in the user's separator, each the float its label reads as.
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
              {"powers of ten in steps of five", 0, 2e5f, 0, '.', "0 5e4 1e5 1.5e5 2e5"},
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
