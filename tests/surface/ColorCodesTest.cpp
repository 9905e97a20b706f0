#include <gtest/gtest.h>

#include <cfloat>

#include "render/ColorCodes.h"
#include "runtime/RuntimeError.h"

namespace {

using render::CellColorCode;
using render::ColorMode;

TEST(CellColorCode, OfTheCentreHeight) {
  const struct {
    const char* name;
    ColorMode mode;
    float midZ, code;
  } rows[] = {
      {"grid is always 0", ColorMode::Grid, 75, 0},
      {"rnd 0 is black", ColorMode::RndColors, 0, 0},
      {"rnd 10", ColorMode::RndColors, 10, 3281950},
      {"rnd -10 like 10", ColorMode::RndColors, -10, 3281950},
      {"rnd modulus 255", ColorMode::RndColors, 51, 26265},
      {"rnd ties to even", ColorMode::RndColors, 0.5f, 131330},
      {"below -90", ColorMode::Colors, -90.01f, 14836592},
      {"-90", ColorMode::Colors, -90, 9103237},
      {"-60", ColorMode::Colors, -60, 9103237},
      {"-30", ColorMode::Colors, -30, 12244339},
      {"0", ColorMode::Colors, 0, 14799240},
      {"30", ColorMode::Colors, 30, 15524795},
      {"60", ColorMode::Colors, 60, 14707633},
      {"90", ColorMode::Colors, 90, 7855338},
      {"above 90", ColorMode::Colors, 90.01f, 1752042},
  };
  for (const auto& row : rows)
    EXPECT_EQ(CellColorCode(row.mode, 0.5f, 0.25f, -1, 1, row.midZ), row.code) << row.name;

  // 5 x 429496704 still fits a 32-bit integer, 5 x the next float does not.
  EXPECT_NO_THROW(CellColorCode(ColorMode::RndColors, 0, 1, 0, 1, 429496704.0f));
  EXPECT_THROW(CellColorCode(ColorMode::RndColors, 0, 1, 0, 1, 429496736.0f), runtime::RuntimeError);
}

TEST(CellColorCode, LinesMarkFirstAndLastColumn) {
  const struct {
    const char* name;
    float x, dx, xMin, xMax, code;
  } rows[] = {
      {"first column", -1, 1, -1, 1, 1},
      {"last of two", 0, 1, -1, 1, 2},
      {"first and last: 2 wins", -1, 2, -1, 2, 2},
      {"tenth of twelve", 7.50000048f, 0.833333313f, 0, 10, 0},
      {"eleventh of twelve, above 8.333333 by rounding", 8.33333397f, 0.833333313f, 0, 10, 2},
      {"on the limit is inside", 8.33333302f, 0.833333313f, 0, 10, 0},
      {"a limit beyond float leads into the mark", 0, 3e38f, -3e38f, 3e38f, 2},
  };
  for (const auto& row : rows)
    EXPECT_EQ(CellColorCode(ColorMode::Lines, row.x, row.dx, row.xMin, row.xMax, 42), row.code) << row.name;
}

}  // namespace
