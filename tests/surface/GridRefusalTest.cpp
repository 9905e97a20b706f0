#include <gtest/gtest.h>

#include <string>

#include "SurfaceFixtures.h"
#include "surface/SurfaceSpots.h"

namespace {

using surface_test::MakeLimits;

TEST(GridRefusal, NamesWhatCannotBeDrawn) {
  const struct {
    const char* name;
    surface::Limits limits;
    std::string refusalStart;  // empty when the grid is fine
  } rows[] = {
      {"start-up", surface_test::StartupLimits(), ""},
      {"resolution 1000", MakeLimits(-1, 1, -1, 1, 1000), ""},
      {"coarse but moving", MakeLimits(10000000, 10000010, -1, 1, 7), ""},
      {"step lost in X", MakeLimits(1000000, 1000001, -1, 1, 100),
       "The X range from 1000000 to 1000001 cannot be walked at a resolution of 100: its step of 0.01 is "
       "lost in "
       "rounding"},
      {"step lost in Y", MakeLimits(-1, 1, -16777216, -16777215, 3), "The Y range from -16777216"},
      {"step rounds to 0", MakeLimits(0, 1e-45f, -1, 1, 2), "The X range from 0 to 1e-45 cannot be walked"},
      {"step beyond float", MakeLimits(-3e38f, 3e38f, -1, 1, 1.5f),
       "The X range from -3e+38 to 3e+38 is too wide for a resolution of 1.5"},
      {"table beyond the cap", MakeLimits(-1, 1, -1, 1, 5000),
       "A resolution of 5000 needs more memory for the surface than the 1024 MB this program allows. Use a "
       "resolution of at most 3973."},
      {"rows beyond a 32-bit integer", MakeLimits(-1, 1, -1, 1, 1e6f),
       "A resolution of 1000000 needs more memory"},
      {"table checked first", MakeLimits(1000000, 1000001, -1, 1, 1e30f), "A resolution of 1e+30"},
  };
  for (const auto& row : rows) {
    const auto refusal = surface::GridRefusal(row.limits);
    if (row.refusalStart.empty()) {
      EXPECT_FALSE(refusal) << row.name << ": " << *refusal;
    } else {
      ASSERT_TRUE(refusal) << row.name;
      EXPECT_EQ(refusal->substr(0, row.refusalStart.size()), row.refusalStart)
          << row.name << ": " << *refusal;
    }
  }
}

}  // namespace
