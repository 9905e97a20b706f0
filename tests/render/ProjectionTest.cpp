#include <gtest/gtest.h>

#include <random>

#include "render/ViewProjector.h"
#include "runtime/RuntimeError.h"
#include "surface/Projection.h"

namespace {

struct Screen {
  double x, y;
};

Screen Project(double x, double y, double z, int16_t azimuth = -25, int16_t tilt = 105, int32_t scale = 100) {
  Screen s{};
  surface::ProjectPoint(x, y, z, azimuth, tilt, scale, s.x, s.y);
  return s;
}

TEST(ProjectPoint, KnownPositions) {
  const struct {
    const char* name;
    Screen point;
    Screen expected;
    double tolerance;
  } cases[] = {
      {"start view, -X end (label X)", Project(-153, 0, 0), {98.37, 127.23}, 0.005},
      {"start view, +Y end (label Y)", Project(0, 153, 0), {301.68, 146.33}, 0.005},
      {"start view, +Z end (label Z)", Project(0, 0, 153), {163.00, 310.82}, 0.005},
      {"start view, +X end", Project(153, 0, 0), {227.63, 198.77}, 0.005},
      {"start view, -Y end", Project(0, -153, 0), {24.32, 179.67}, 0.005},
      {"start view, -Z end", Project(0, 0, -153), {163.00, 15.18}, 0.005},
      // pi is 3.14, so 90 degrees is 1.57 radians: cos about 0.000796, not 0.
      {"azimuth 0, tilt 90",
       Project(100, 20, 50, 0, 90),
       {183, 163 + 50 * 0.99999968293 - 100 * 0.00079632671},
       1e-7},
      {"origin, any view", Project(0, 0, 0, 400, -30, 50000), {163, 163}, 0},
      {"origin, extreme view", Project(0, 0, 0, -32768, 32767, -50000), {163, 163}, 0},
      {"scale 0 collapses", Project(150, -75, 42.5, 33, 71, 0), {163, 163}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.point.x, c.expected.x, c.tolerance) << c.name;
    EXPECT_NEAR(c.point.y, c.expected.y, c.tolerance) << c.name;
  }
}

TEST(ProjectPoint, NegativeScaleMirrorsThroughTheCentre) {
  const Screen positive = Project(120, -40, 75, 17, 140, 250);
  const Screen negative = Project(120, -40, 75, 17, 140, -250);
  EXPECT_NEAR(negative.x - 163, -(positive.x - 163), 1e-9);
  EXPECT_NEAR(negative.y - 163, -(positive.y - 163), 1e-9);
}

TEST(ProjectPoint, OverflowRaisesAndLeavesTheOutputs) {
  double sx = -1, sy = -2;
  try {
    surface::ProjectPoint(1e307, 1e307, 1e307, 0, 45, 50000, sx, sy);
    FAIL() << "no error";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::ErrorNumber::Overflow);
  }
  EXPECT_EQ(sx, -1);
  EXPECT_EQ(sy, -2);
}

// The redraw's projector must give ProjectPoint's results to the last bit.
TEST(ViewProjector, MatchesProjectPointBitForBit) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> coordinate(-400, 400);
  std::uniform_int_distribution<int> angle(-720, 720), scale(-50000, 50000);
  for (int trial = 0; trial < 20000; ++trial) {
    render::View view;
    view.Theta = static_cast<int16_t>(angle(random));
    view.Phi = static_cast<int16_t>(angle(random));
    view.GraphScale = trial % 10 == 0 ? 100 : scale(random);
    const float x = coordinate(random), y = coordinate(random), z = coordinate(random);
    Screen fast{};
    render::ViewProjector(view).Project(x, y, z, fast.x, fast.y);
    const Screen reference = Project(x, y, z, view.Theta, view.Phi, view.GraphScale);
    ASSERT_EQ(fast.x, reference.x) << trial;
    ASSERT_EQ(fast.y, reference.y) << trial;
  }
}

}  // namespace
