#include <gtest/gtest.h>

#include <algorithm>

#include "ImageTestSupport.h"
#include "RecordingSurface.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

namespace {

using namespace render_test;
using platform::Color;
using render::ColorMode;
using surface::SpotRow;
using surface::Spots;

struct Corner {
  float x, y, z;
};

SpotRow Cell(Corner p0, Corner p1, Corner p2, Corner p3, float code = 0) {
  return {p0.x,
          p0.y,
          p0.z,
          p1.x,
          p1.y,
          p1.z,
          p2.x,
          p2.y,
          p2.z,
          p3.x,
          p3.y,
          p3.z,
          (p0.x + p2.x) / 2,
          (p0.y + p2.y) / 2,
          (p0.z + p2.z) / 2,
          0,
          code};
}

render::View ViewOf(ColorMode mode, int16_t theta, int16_t phi, int32_t scale = 100) {
  render::View view;
  view.Theta = theta, view.Phi = phi, view.GraphScale = scale, view.mode = mode;
  return view;
}

// Seen side on (azimuth 0, tilt 90) a point (0, y, z) lands at about (163 + y, 163 + z)
// and +x points away from the viewer.
render::View SideOn(ColorMode mode, int32_t scale = 100) { return ViewOf(mode, 0, 90, scale); }

// A square facing the viewer, on screen from (113, 113) to (213, 213).
SpotRow FacingSquare(float code) {
  return Cell({0, -50, -50}, {0, 50, -50}, {0, 50, 50}, {0, -50, 50}, code);
}

void Draw(Spots& spots, platform::DrawingSurface& area, const render::View& view) {
  render::DrawFunction(spots, area, render::StandardAxisPoints(), view);
}

TEST(DrawFunction, ClearThenAxesThenOneOutlinedPolygonPerCell) {
  Spots spots{FacingSquare(0), FacingSquare(0)};
  RecordingSurface surface;
  Draw(spots, surface, SideOn(ColorMode::Grid));
  EXPECT_EQ(surface.calls.front(), (Call{"Clear", {}}));
  const std::vector<Call> perCell{
      {"ForeColor", {0}},
      {"FillStyle", {0}},
      {"FillColor", {0xE0E0E0}},
      {"Polygon", {113, 113, 213, 113, 213, 113, 213, 213, 213, 213, 113, 213, 113, 213, 113, 113}}};
  ASSERT_GE(surface.calls.size(), 8u);
  const std::vector<Call> tail(surface.calls.end() - 8, surface.calls.end());
  EXPECT_EQ(std::vector<Call>(tail.begin(), tail.begin() + 4), perCell);
  EXPECT_EQ(std::vector<Call>(tail.begin() + 4, tail.end()), perCell);
  EXPECT_EQ(std::count_if(surface.calls.begin(), surface.calls.end() - 8,
                          [](const Call& c) { return c.op == "Line"; }),
            6)
      << "the axes before the cells";
}

TEST(DrawFunction, VerticesRoundToNearestTiesToEven) {
  // With x = z = 0 the screen x is exactly 163 + y.
  Spots spots{Cell({0, 0.5f, 0}, {0, 1.5f, 0}, {0, -0.5f, 0}, {0, 2.4999f, 0})};
  RecordingSurface surface;
  Draw(spots, surface, SideOn(ColorMode::Grid));
  EXPECT_EQ(
      surface.Only("Polygon").at(0).args,
      (std::vector<double>{164, 163, 164, 163, 164, 163, 162, 163, 162, 163, 165, 163, 165, 163, 164, 163}));
}

// One big cell read back from the picture: fill in the middle, outline on its top edge.
TEST(DrawFunction, ColoursOfEachModeFromThePicture) {
  const struct {
    const char* name;
    ColorMode mode;
    float code;
    Color outline, fill;
  } cases[] = {
      {"Grid", ColorMode::Grid, 9103237, 0x000000, 0xE0E0E0},
      {"Lines", ColorMode::Lines, 0, 0xECE3BB, 0xECE3BB},
      {"Colors", ColorMode::Colors, 9103237, 0xC0C0C0, 9103237},
      {"Rnd Colors", ColorMode::RndColors, 3281950, 0xC0C0C0, 3281950},
      {"Colors after a build in Grid fills black", ColorMode::Colors, 0, 0xC0C0C0, 0x000000},
      {"a code rounds ties to even", ColorMode::Colors, 2.5f, 0xC0C0C0, 2},
  };
  for (const auto& c : cases) {
    platform::ImageSurface area = MakeArea();
    Spots spots{FacingSquare(c.code)};
    Draw(spots, area, SideOn(c.mode));
    EXPECT_EQ(area.PixelAt(163, 140), c.fill) << c.name;
    EXPECT_EQ(area.PixelAt(163, 113), c.outline) << c.name;
    EXPECT_EQ(area.PixelAt(5, 5), Background) << c.name;
  }
}

// "Lines": dark grey P1-P2 and P3-P0 always, P0-P1 for code 1, P2-P3 for code 2.
TEST(DrawFunction, LinesModeEdgesByCode) {
  const struct {
    float code;
    std::vector<std::vector<double>> edges;
  } cases[] = {
      {0, {{213, 113, 213, 213}, {113, 213, 113, 113}}},
      {1, {{113, 113, 213, 113}, {213, 113, 213, 213}, {113, 213, 113, 113}}},
      {2, {{213, 213, 113, 213}, {213, 113, 213, 213}, {113, 213, 113, 113}}},
      {3, {{213, 113, 213, 213}, {113, 213, 113, 113}}},
  };
  for (const auto& c : cases) {
    RecordingSurface surface;
    Spots spots{FacingSquare(c.code)};
    Draw(spots, surface, SideOn(ColorMode::Lines));
    auto lines = surface.Only("Line");
    lines.erase(lines.begin(), lines.begin() + 6);  // the axes
    ASSERT_EQ(lines.size(), c.edges.size()) << c.code;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      EXPECT_EQ(lines[k].args[4], platform::PaletteDarkGrey);
      for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(lines[k].args[i], c.edges[k][i], 1e-4) << c.code << " line " << k;
    }
  }
}

// X and Y from -1 to 1 at resolution 2, built in "Lines": the first column has code 1,
// the second code 2. From above (azimuth 0, tilt 0) a point lands at (163 + y, 163 - x).
TEST(DrawFunction, LinesAtResolutionTwoShowBorderAndMiddleLineOfConstantY) {
  Spots spots;
  for (float y : {-75.0f, 0.0f}) {
    for (float x : {-75.0f, 0.0f}) {
      spots.push_back(
          Cell({x, y, 0}, {x, y + 75, 0}, {x + 75, y + 75, 0}, {x + 75, y, 0}, x < 0 ? 1.0f : 2.0f));
    }
  }
  platform::ImageSurface area = MakeArea();
  Draw(spots, area, ViewOf(ColorMode::Lines, 0, 0));
  const Color grey = platform::PaletteDarkGrey;
  for (int along = 95; along <= 230; along += 5) {
    if (along > 155 && along < 170) continue;  // where the middle lines would cross
    EXPECT_EQ(area.PixelAt(88, along), grey) << "border y = -1 at " << along;
    EXPECT_EQ(area.PixelAt(238, along), grey) << "border y = 1 at " << along;
    EXPECT_EQ(area.PixelAt(along, 238), grey) << "border x = -1 at " << along;
    EXPECT_EQ(area.PixelAt(along, 88), grey) << "border x = 1 at " << along;
    EXPECT_EQ(area.PixelAt(163, along), grey) << "middle line y = 0 at " << along;
    EXPECT_EQ(area.PixelAt(along, 163), 0xECE3BBu) << "no middle line x = 0 at " << along;
  }
}

TEST(DrawFunction, SecondRedrawWithTheSameViewChangesNothing) {
  Spots spots;
  for (int k = 0; k < 60; ++k) {
    const float x = float(k % 8) * 20 - 80, y = float(k / 8) * 20 - 80, z = float(k * 37 % 11) * 5;
    spots.push_back(
        Cell({x, y, z}, {x, y + 20, z}, {x + 20, y + 20, z + 5}, {x + 20, y, z}, float(k % 3 == 0)));
  }
  spots.push_back(SpotRow{});  // a row the walk never reached
  platform::ImageSurface area = MakeArea();
  const render::View view = ViewOf(ColorMode::Lines, -25, 105);
  Draw(spots, area, view);
  const Spots firstOrder = spots;
  const QImage firstPicture = area.image().copy();
  Draw(spots, area, view);
  EXPECT_EQ(spots, firstOrder);
  EXPECT_EQ(area.image(), firstPicture);
  for (std::size_t k = 1; k < spots.size(); ++k)
    ASSERT_LE(spots[k - 1][surface::Depth], spots[k][surface::Depth]);
}

TEST(DrawFunction, AllZeroRowShowsAsOneOutlinePixelAtTheCentre) {
  platform::ImageSurface area = MakeArea();
  Spots spots{SpotRow{}};
  Draw(spots, area, ViewOf(ColorMode::Grid, -25, 105));
  EXPECT_EQ(area.PixelAt(163, 163), 0x000000u);
  EXPECT_EQ(CountColor(area, 0), 1 + CountColor(MakeAreaWithAxes(), 0));
}

// A fault raises overflow and leaves the cells before it drawn.
TEST(DrawFunction, FaultsPropagateLeavingThePictureHalfDrawn) {
  const struct {
    const char* name;
    SpotRow failing;
    ColorMode mode;
    int32_t scale;
  } cases[] = {
      {"vertex beyond 32 bits at the largest scale", Cell({0, 0, 0}, {0, 150, 0}, {0, 150, 1}, {0, 0, 1}),
       ColorMode::Grid, 2147483647},
      {"steep cell at scale 50000", Cell({0, 0, 0}, {0, 0, 1e7f}, {0, 1, 1e7f}, {0, 1, 0}), ColorMode::Grid,
       50000},
      {"colour code beyond 32 bits", FacingSquare(3e9f), ColorMode::Colors, 100},
  };
  for (const auto& c : cases) {
    Spots spots{c.failing, Cell({-1, -1, 0}, {-1, 1, 0}, {-1, 1, 1}, {-1, -1, 1})};
    spots[0][surface::MidX] = -1000;  // nearest, so drawn last
    spots[0][surface::MidZ] = 0;
    RecordingSurface surface;
    try {
      Draw(spots, surface, SideOn(c.mode, c.scale));
      ADD_FAILURE() << c.name << ": no error";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_EQ(e.Number(), runtime::ErrorNumber::Overflow) << c.name;
    }
    EXPECT_EQ(surface.Only("Polygon").size(), 1u) << c.name;
    EXPECT_EQ(surface.Only("Line").size(), 6u) << c.name;
  }
}

TEST(DrawFunction, DepthFaultRaisesBeforeClearing) {
  Spots spots{FacingSquare(0), FacingSquare(0)};
  spots[1][surface::MidX] = spots[1][surface::MidY] = spots[1][surface::MidZ] = -3e38f;
  RecordingSurface surface;
  EXPECT_THROW(Draw(spots, surface, ViewOf(ColorMode::Grid, 30, 60)), runtime::RuntimeError);
  EXPECT_TRUE(surface.calls.empty());
}

}  // namespace
