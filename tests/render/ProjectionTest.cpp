// Where the render code places points on the screen: the projection, exact to the bit on
// the redraw's path too, and at a resolution finer than the drawing area's.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <tuple>

#include "render/Projection.h"
#include "render/SurfaceDrawing.h"
#include "testkit/RecordingSurface.h"
#include "testkit/WavySheet.h"

namespace {

using Screen = std::array<double, 2>;

Screen Project(double x, double y, double z, int16_t azimuth, int16_t tilt, int32_t scale = 100) {
  const render::ScreenPoint p = render::ProjectPoint(x, y, z, azimuth, tilt, scale);
  return {p.x, p.y};
}

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

// A surface of more pixels than the drawing area gets the same view with its
// vertices placed at its own resolution.
using testkit::RecordingSurface;

RecordingSurface Recorded(double scale) {
  render::CellPainter painter;
  RecordingSurface area(scale);
  render::DepthOrder order;
  runtime::WorkerPool pool(1);
  render::DrawSurface(testkit::WavySheet(20), area, render::StandardAxisPoints(),
                      {-25, 105, 100, surface::ColorMode::Lines}, order, painter, pool);
  return area;
}

TEST(PixelScale, MultipliesBeforeRounding) {
  const RecordingSurface plain = Recorded(1);
  // At 200 the corners lie beyond 16-bit integers.
  for (const double scale : {2.0, 8192.0 / 326, 200.0}) {
    const RecordingSurface scaled = Recorded(scale);
    ASSERT_EQ(scaled.floats.size(), plain.floats.size()) << scale;
    ASSERT_EQ(scaled.vertices.size(), plain.vertices.size()) << scale;
    for (size_t k = 0; k < plain.floats.size(); ++k)
      EXPECT_NEAR(scaled.floats[k], plain.floats[k] * scale, 1e-4 * scale) << scale << " at " << k;
    int offGrid = 0;
    for (size_t k = 0; k < plain.vertices.size(); ++k) {
      // Rounded once at the fine resolution: within half a coarse pixel of the enlarged one.
      EXPECT_LE(std::abs(scaled.vertices[k] - plain.vertices[k] * scale), (scale + 1) / 2)
          << scale << " at " << k;
      offGrid += scaled.vertices[k] != std::lround(plain.vertices[k] * scale);
    }
    EXPECT_GT(offGrid, static_cast<int>(plain.vertices.size()) / 4) << scale << ": enlarged, not redrawn";
  }
}

}  // namespace
