// The caption names the formula and the X and Y ranges, each limit in the fewest
// digits that still read back as the limit, with the user's decimal separator.
#include <gtest/gtest.h>

#include "render/Caption.h"

namespace {

struct CaptionCase {
  const char* name;
  float xMin, xMax, yMin, yMax;
  char separator;
  const char* expected;
};

class Caption : public testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, WritesFormulaAndRanges) {
  const CaptionCase& c = GetParam();
  surface::Limits limits;
  limits.XMin() = c.xMin;
  limits.XMax() = c.xMax;
  limits.YMin() = c.yMin;
  limits.YMax() = c.yMax;
  limits.ZMin() = -7;
  EXPECT_EQ(render::CaptionText("(Cos(X) ^ 2 + Sin(Y) ^ 2)", limits, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Limits, Caption,
                         testing::Values(CaptionCase{"WholeNumbers", -1, 1, -1, 1, '.',
                                                     "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X -1..1, Y -1..1"},
                                         CaptionCase{
                                             "ShortestFloatNotDoubleDigits", 0.1f, 2.5f, -0.3f, 1e-7f, '.',
                                             "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X 0.1..2.5, Y -0.3..1e-07"},
                                         CaptionCase{"CommaSeparator", -1.5f, 0, 0.25f, 4, ',',
                                                     "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X -1,5..0, Y 0,25..4"}),
                         [](const testing::TestParamInfo<CaptionCase>& row) { return row.param.name; });

}  // namespace
