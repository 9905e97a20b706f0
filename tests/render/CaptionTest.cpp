// The caption names the formula and the X and Y ranges, each limit in the fewest
// digits that still read back as the limit, with the user's decimal separator.
#include <gtest/gtest.h>

#include "render/Caption.h"

namespace {

TEST(Caption, WritesFormulaAndRanges) {
  const struct {
    const char* name;
    float xMin, xMax, yMin, yMax;
    char separator;
    const char* ranges;
  } rows[] = {
      {"whole numbers", -1, 1, -1, 1, '.', "X -1..1, Y -1..1"},
      {"shortest float, not double, digits", 0.1f, 2.5f, -0.3f, 1e-7f, '.', "X 0.1..2.5, Y -0.3..1e-07"},
      {"comma separator", -1.5f, 0, 0.25f, 4, ',', "X -1,5..0, Y 0,25..4"}};
  for (const auto& row : rows) {
    surface::Limits limits;
    limits.XMin() = row.xMin;
    limits.XMax() = row.xMax;
    limits.YMin() = row.yMin;
    limits.YMax() = row.yMax;
    limits.ZMin() = -7;
    EXPECT_EQ(render::CaptionText("(Cos(X) ^ 2 + Sin(Y) ^ 2)", limits, row.separator),
              std::string("Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), ") + row.ranges)
        << row.name;
  }
}

}  // namespace
