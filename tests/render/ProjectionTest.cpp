#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>

#include "render/Projection.h"

namespace {

using Screen = std::array<double, 2>;

Screen Project(double x, double y, double z, int16_t azimuth, int16_t tilt, int32_t scale = 100) {
  const render::ScreenPoint p = render::ProjectPoint(x, y, z, azimuth, tilt, scale);
  return {p.x, p.y};
}

// The start-up view's positions are those of the axis letters (PixelScale tests).
TEST(ProjectPoint, KnownPositions) {
  const Screen mirrored = Project(120, -40, 75, 17, 140, -250), plain = Project(120, -40, 75, 17, 140, 250);
  const std::tuple<const char*, Screen, Screen, double> cases[] = {
      // pi is 3.14: 90 degrees is 1.57 radians, sine 0.99999968, cosine 0.00079633.
      {"azimuth 0, tilt 90", Project(100, 20, 50, 0, 90), {183, 163 + 49.99998415 - 0.07963267}, 1e-7},
      {"origin, extreme view", Project(0, 0, 0, -32768, 32767, -50000), {163, 163}, 0},
      {"scale 0 collapses", Project(150, -75, 42.5, 33, 71, 0), {163, 163}, 0},
      {"negative scale mirrors", {mirrored[0] + plain[0], mirrored[1] + plain[1]}, {2 * 163, 2 * 163}, 1e-9},
  };
  for (const auto& [name, point, expected, tolerance] : cases) {
    EXPECT_NEAR(point[0], expected[0], tolerance) << name;
    EXPECT_NEAR(point[1], expected[1], tolerance) << name;
  }
}

// The redraw's projector must give ProjectPoint's results to the last bit: a seeded
// sample of views and points, a tenth at the start-up scale.
TEST(ViewProjector, MatchesProjectPointBitForBit) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> coordinate(-400, 400);
  std::uniform_int_distribution<int> angle(-720, 720), scale(-50000, 50000);
  for (int trial = 0; trial < 500; ++trial) {
    const render::View view{int16_t(angle(random)), int16_t(angle(random)), trial % 10 ? scale(random) : 100};
    const float x = coordinate(random), y = coordinate(random), z = coordinate(random);
    const render::ScreenPoint p = render::ViewProjector(view).Project(x, y, z);
    ASSERT_EQ((Screen{p.x, p.y}), Project(x, y, z, view.Theta, view.Phi, view.GraphScale)) << trial;
  }
}

}  // namespace
