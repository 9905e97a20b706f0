#include <gtest/gtest.h>

#include <random>

#include "render/ViewProjector.h"
#include "runtime/RuntimeError.h"
#include "surface/Projection.h"

namespace {

struct Screen {
  double x;
  double y;
};

Screen Project(double x, double y, double z, int16_t azimuth = -25, int16_t tilt = 105, int32_t scale = 100) {
  Screen s{};
  surface::ProjectPoint(x, y, z, azimuth, tilt, scale, s.x, s.y);
  return s;
}

struct AxisEndCase {
  const char* name;
  double x, y, z;
  double screenX, screenY;
};

TEST(ProjectPoint, AxisEndsOfTheStartView) {
  const AxisEndCase cases[] = {
      {"X label at -X end", -153, 0, 0, 98.37, 127.23},
      {"Y label at +Y end", 0, 153, 0, 301.68, 146.33},
      {"Z label at +Z end", 0, 0, 153, 163.00, 310.82},
      {"+X end", 153, 0, 0, 227.63, 198.77},
      {"-Y end", 0, -153, 0, 24.32, 179.67},
      {"-Z end", 0, 0, -153, 163.00, 15.18},
  };
  for (const AxisEndCase& c : cases) {
    const Screen s = Project(c.x, c.y, c.z);
    EXPECT_NEAR(s.x, c.screenX, 0.005) << c.name;
    EXPECT_NEAR(s.y, c.screenY, 0.005) << c.name;
  }
}

// With pi taken as 3.14, 90 degrees is 1.57 radians: cos is about 0.000796, not 0.
TEST(ProjectPoint, PiIsTakenAsThreePointOneFour) {
  const Screen s = Project(100, 20, 50, 0, 90);
  EXPECT_DOUBLE_EQ(s.x, 183);
  EXPECT_NEAR(s.y, 163 + 50 * 0.99999968293 - 100 * 0.00079632671, 1e-7);
}

TEST(ProjectPoint, OriginLandsOnTheCentreWhateverTheViewAndScale) {
  const struct {
    int16_t azimuth, tilt;
    int32_t scale;
  } views[] = {{-25, 105, 100}, {0, 0, 0}, {400, -30, 50000}, {-32768, 32767, -50000}, {90, 180, 7}};
  for (const auto& v : views) {
    const Screen s = Project(0, 0, 0, v.azimuth, v.tilt, v.scale);
    EXPECT_EQ(s.x, 163);
    EXPECT_EQ(s.y, 163);
  }
}

TEST(ProjectPoint, ScaleZeroCollapsesEverything) {
  const Screen s = Project(150, -75, 42.5, 33, 71, 0);
  EXPECT_EQ(s.x, 163);
  EXPECT_EQ(s.y, 163);
}

TEST(ProjectPoint, NegativeScaleMirrorsThroughTheCentre) {
  const Screen positive = Project(120, -40, 75, 17, 140, 250);
  const Screen negative = Project(120, -40, 75, 17, 140, -250);
  EXPECT_NEAR(negative.x - 163, -(positive.x - 163), 1e-9);
  EXPECT_NEAR(negative.y - 163, -(positive.y - 163), 1e-9);
}

TEST(ProjectPoint, AnglesAreNotNormalised) {
  // 360 degrees is 6.28 radians here, a little short of a full turn.
  const Screen turned = Project(150, 0, 0, 360, 105);
  const Screen unturned = Project(150, 0, 0, 0, 105);
  EXPECT_GT(std::abs(turned.x - unturned.x), 0.4);
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
  std::uniform_int_distribution<int> angle(-720, 720);
  std::uniform_int_distribution<int> scale(-50000, 50000);
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
