#include <gtest/gtest.h>

#include <cfloat>

#include "render/ColorCodes.h"
#include "runtime/RuntimeError.h"

namespace {

using render::CellColorCode;
using render::ColorMode;

struct MidZCase {
  const char* name;
  ColorMode mode;
  float midZ;
  float code;
};

class ColorCodeOfHeight : public testing::TestWithParam<MidZCase> {};

TEST_P(ColorCodeOfHeight, FollowsTheMode) {
  const MidZCase& c = GetParam();
  EXPECT_EQ(CellColorCode(c.mode, 0.5f, 0.25f, -1, 1, c.midZ), c.code);
}

INSTANTIATE_TEST_SUITE_P(Modes, ColorCodeOfHeight,
                         testing::Values(MidZCase{"GridIsAlwaysZero", ColorMode::Grid, 75, 0},
                                         MidZCase{"RndZeroIsBlack", ColorMode::RndColors, 0, 0},
                                         MidZCase{"RndTen", ColorMode::RndColors, 10, 3281950},
                                         MidZCase{"RndMinusTenLikeTen", ColorMode::RndColors, -10, 3281950},
                                         MidZCase{"RndModulusIs255", ColorMode::RndColors, 51, 26265},
                                         MidZCase{"RndTiesToEven", ColorMode::RndColors, 0.5f, 131330},
                                         MidZCase{"BelowMinus90", ColorMode::Colors, -90.01f, 14836592},
                                         MidZCase{"Minus90", ColorMode::Colors, -90, 9103237},
                                         MidZCase{"Minus60", ColorMode::Colors, -60, 9103237},
                                         MidZCase{"Minus30", ColorMode::Colors, -30, 12244339},
                                         MidZCase{"Zero", ColorMode::Colors, 0, 14799240},
                                         MidZCase{"Plus15", ColorMode::Colors, 15, 15524795},
                                         MidZCase{"Plus30", ColorMode::Colors, 30, 15524795},
                                         MidZCase{"Plus60", ColorMode::Colors, 60, 14707633},
                                         MidZCase{"Plus90", ColorMode::Colors, 90, 7855338},
                                         MidZCase{"Above90", ColorMode::Colors, 90.01f, 1752042}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColorCodeOfHeight, RndColorsOverflowsWhenFiveTimesHeightLeavesLong) {
  EXPECT_NO_THROW(CellColorCode(ColorMode::RndColors, 0, 1, 0, 1, 429496704.0f));  // 5x just fits
  EXPECT_THROW(CellColorCode(ColorMode::RndColors, 0, 1, 0, 1, 429496736.0f), runtime::RuntimeError);
  EXPECT_THROW(CellColorCode(ColorMode::RndColors, 0, 1, 0, 1, -FLT_MAX), runtime::RuntimeError);
}

struct LinesCase {
  const char* name;
  float x, dx, xMin, xMax;
  float code;
};

class LinesCode : public testing::TestWithParam<LinesCase> {};

TEST_P(LinesCode, MarksFirstAndLastColumn) {
  const LinesCase& c = GetParam();
  EXPECT_EQ(CellColorCode(ColorMode::Lines, c.x, c.dx, c.xMin, c.xMax, 42), c.code);
}

// With X from 0 to 10 at resolution 12 the eleventh column's accumulated x is
// 8.333334, just above the limit 10 - 2 * 0.8333333 = 8.333333.
INSTANTIATE_TEST_SUITE_P(
    Columns, LinesCode,
    testing::Values(LinesCase{"FirstColumn", -1, 1, -1, 1, 1}, LinesCase{"LastOfTwo", 0, 1, -1, 1, 2},
                    LinesCase{"FirstColumnAlsoLast", -1, 2, -1, 2, 2},
                    LinesCase{"TenthColumnInside", 7.50000048f, 0.833333313f, 0, 10, 0},
                    LinesCase{"EleventhColumnByRounding", 8.33333397f, 0.833333313f, 0, 10, 2},
                    LinesCase{"OnTheLimitIsInside", 8.33333302f, 0.833333313f, 0, 10, 0},
                    LinesCase{"OverflowingLimitCountsAsPassed", 0, 3e38f, -3e38f, 3e38f, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
