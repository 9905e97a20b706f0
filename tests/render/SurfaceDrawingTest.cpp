#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "RecordingSurface.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

namespace {

using namespace render_test;
using platform::Color;
using platform::PolygonPoint;
using render::ColorMode;
using surface::SpotRow;
using surface::Spots;

struct Corner {
  float x, y, z;
};

SpotRow Cell(Corner p0, Corner p1, Corner p2, Corner p3, float code = 0) {
  SpotRow row{p0.x, p0.y, p0.z, p1.x, p1.y, p1.z, p2.x, p2.y, p2.z, p3.x, p3.y, p3.z};
  row[surface::MidX] = (p0.x + p2.x) / 2;
  row[surface::MidY] = (p0.y + p2.y) / 2;
  row[surface::MidZ] = (p0.z + p2.z) / 2;
  row[surface::ColorCode] = code;
  return row;
}

render::View ViewOf(ColorMode mode, int16_t theta = -25, int16_t phi = 105, int32_t scale = 100) {
  render::View view;
  view.Theta = theta;
  view.Phi = phi;
  view.GraphScale = scale;
  view.mode = mode;
  return view;
}

// Seen with azimuth 0 and tilt 90, a point (0, y, z) lands at about (163 + y, 163 + z).
constexpr int16_t Side = 0, Level = 90;

// A square cell facing the viewer, on screen from (113, 113) to (213, 213).
SpotRow FacingSquare(float code) {
  return Cell({0, -50, -50}, {0, 50, -50}, {0, 50, 50}, {0, -50, 50}, code);
}

TEST(DrawFunction, ClearThenAxesThenOnePolygonPerCell) {
  Spots spots{FacingSquare(0), FacingSquare(0)};
  RecordingSurface surface;
  render::DrawFunction(spots, surface, render::StandardAxisPoints(), ViewOf(ColorMode::Grid, Side, Level));
  ASSERT_FALSE(surface.calls.empty());
  EXPECT_EQ(surface.calls.front(), SurfaceCall(ClearCall{}));
  const auto firstPolygon =
      std::find_if(surface.calls.begin(), surface.calls.end(),
                   [](const SurfaceCall& c) { return std::holds_alternative<PolygonCall>(c); });
  EXPECT_EQ(std::count_if(surface.calls.begin(), firstPolygon,
                          [](const SurfaceCall& c) { return std::holds_alternative<LineCall>(c); }),
            6)
      << "all axes before the first cell";
  const std::vector<SurfaceCall> perCell{
      ForeColorCall{0}, FillStyleCall{platform::FillStyle::Solid}, FillColorCall{0xE0E0E0},
      PolygonCall{
          {{113, 113}, {213, 113}, {213, 113}, {213, 213}, {213, 213}, {113, 213}, {113, 213}, {113, 113}}}};
  std::vector<SurfaceCall> cellCalls(firstPolygon - 3, surface.calls.end());
  EXPECT_EQ(cellCalls.size(), 8u);
  EXPECT_EQ(std::vector<SurfaceCall>(cellCalls.begin(), cellCalls.begin() + 4), perCell);
  EXPECT_EQ(std::vector<SurfaceCall>(cellCalls.begin() + 4, cellCalls.end()), perCell);
}

TEST(DrawFunction, VerticesRoundToNearestTiesToEven) {
  // Side on, x = z = 0: the screen x is exactly 163 + y.
  Spots spots{Cell({0, 0.5f, 0}, {0, 1.5f, 0}, {0, -0.5f, 0}, {0, 2.4999f, 0})};
  RecordingSurface surface;
  render::DrawFunction(spots, surface, render::StandardAxisPoints(), ViewOf(ColorMode::Grid, Side, Level));
  const auto polygons = surface.Only<PolygonCall>();
  ASSERT_EQ(polygons.size(), 1u);
  const PolygonCall expected{
      {{164, 163}, {164, 163}, {164, 163}, {162, 163}, {162, 163}, {165, 163}, {165, 163}, {164, 163}}};
  EXPECT_EQ(polygons[0], expected);
}

struct ModeCase {
  const char* name;
  ColorMode mode;
  float code;
  Color outline;
  Color fill;
};

// One big cell, read back from the picture: its outline on the left edge, its fill
// in the middle.
TEST(DrawFunction, ColoursOfEachMode) {
  const ModeCase cases[] = {
      {"Grid", ColorMode::Grid, 0, 0x000000, 0xE0E0E0},
      {"Grid ignores codes", ColorMode::Grid, 9103237, 0x000000, 0xE0E0E0},
      {"Lines", ColorMode::Lines, 0, 0xECE3BB, 0xECE3BB},
      {"Colors", ColorMode::Colors, 9103237, 0xC0C0C0, 9103237},
      {"Rnd Colors", ColorMode::RndColors, 3281950, 0xC0C0C0, 3281950},
      {"Colors after a build in Grid", ColorMode::Colors, 0, 0xC0C0C0, 0x000000},
      {"code rounds ties to even", ColorMode::Colors, 2.5f, 0xC0C0C0, 2},
  };
  for (const ModeCase& c : cases) {
    platform::ImageSurface area = MakeArea();
    Spots spots{FacingSquare(c.code)};
    render::DrawFunction(spots, area, render::StandardAxisPoints(), ViewOf(c.mode, Side, Level));
    EXPECT_EQ(area.PixelAt(163, 140), c.fill) << c.name;
    EXPECT_EQ(area.PixelAt(163, 113), c.outline) << c.name << " top edge";
    EXPECT_EQ(area.PixelAt(5, 5), Background) << c.name;
  }
}

// In "Lines" the edges of constant y always get a dark grey line, the ends of the X
// range only where the code says so.
TEST(DrawFunction, LinesModeEdgesByCode) {
  const struct {
    float code;
    bool p0p1, p2p3;
  } cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, false, false}};
  for (const auto& c : cases) {
    RecordingSurface surface;
    Spots spots{FacingSquare(c.code)};
    render::DrawFunction(spots, surface, render::StandardAxisPoints(), ViewOf(ColorMode::Lines, Side, Level));
    auto lines = surface.Only<LineCall>();
    lines.erase(lines.begin(), lines.begin() + 6);  // the axes
    std::vector<std::pair<int, int>> drawn;
    for (const LineCall& line : lines) {
      EXPECT_EQ(line.color, platform::PaletteDarkGrey);
      drawn.emplace_back(static_cast<int>(std::lround(line.x1 + line.y1)),
                         static_cast<int>(std::lround(line.x2 + line.y2)));
    }
    // Corner sums on screen: P0 226, P1 326, P2 426, P3 326; told apart by order.
    std::vector<std::pair<int, int>> expected;
    if (c.p0p1) expected.emplace_back(226, 326);
    if (c.p2p3) expected.emplace_back(426, 326);
    expected.emplace_back(326, 426);
    expected.emplace_back(326, 226);
    EXPECT_EQ(drawn, expected) << "code " << c.code;
    EXPECT_NEAR(lines.back().x1, 113, 1e-3) << "float end points, P3 first";
    EXPECT_NEAR(lines.back().y1, 213, 1e-3);
  }
}

// X and Y from -1 to 1 at resolution 2, as the cell builder makes them in "Lines":
// the first column carries code 1, the second code 2. Seen from above (tilt 0,
// azimuth 0) a point lands at (163 + y, 163 - x).
TEST(DrawFunction, LinesAtResolutionTwoShowBorderAndMiddleLineOfConstantY) {
  Spots spots;
  for (float y : {-75.0f, 0.0f}) {
    for (float x : {-75.0f, 0.0f}) {
      spots.push_back(
          Cell({x, y, 0}, {x, y + 75, 0}, {x + 75, y + 75, 0}, {x + 75, y, 0}, x < 0 ? 1.0f : 2.0f));
    }
  }
  platform::ImageSurface area = MakeArea();
  render::DrawFunction(spots, area, render::StandardAxisPoints(), ViewOf(ColorMode::Lines, 0, 0));
  const Color grey = platform::PaletteDarkGrey, plain = 0xECE3BB;
  for (int along = 95; along <= 230; along += 5) {
    if (along > 155 && along < 170) continue;  // where the two middle lines cross
    EXPECT_EQ(area.PixelAt(88, along), grey) << "border y = -1, " << along;
    EXPECT_EQ(area.PixelAt(238, along), grey) << "border y = 1, " << along;
    EXPECT_EQ(area.PixelAt(along, 238), grey) << "border x = -1, " << along;
    EXPECT_EQ(area.PixelAt(along, 88), grey) << "border x = 1, " << along;
    EXPECT_EQ(area.PixelAt(163, along), grey) << "middle line y = 0, " << along;
    EXPECT_EQ(area.PixelAt(along, 163), plain) << "no middle line x = 0, " << along;
  }
}

TEST(DrawFunction, SecondRedrawWithTheSameViewChangesNothing) {
  Spots spots;
  for (int k = 0; k < 60; ++k) {
    const float x = static_cast<float>(k % 8) * 20 - 80, y = static_cast<float>(k / 8) * 20 - 80;
    const float z = (k * 37 % 11) * 5.0f;
    spots.push_back(
        Cell({x, y, z}, {x, y + 20, z}, {x + 20, y + 20, z + 5}, {x + 20, y, z}, k % 3 ? 0.0f : 1.0f));
  }
  spots.push_back(SpotRow{});  // a row the walk never reached
  platform::ImageSurface area = MakeArea();
  const render::View view = ViewOf(ColorMode::Lines);
  render::DrawFunction(spots, area, render::StandardAxisPoints(), view);
  const Spots firstOrder = spots;
  const QImage firstPicture = area.image().copy();
  render::DrawFunction(spots, area, render::StandardAxisPoints(), view);
  EXPECT_EQ(spots, firstOrder);
  EXPECT_EQ(area.image(), firstPicture);
  for (std::size_t k = 1; k < spots.size(); ++k)
    ASSERT_LE(spots[k - 1][surface::Depth], spots[k][surface::Depth]);
}

TEST(DrawFunction, AllZeroRowShowsAsOneOutlinePixelAtTheCentre) {
  platform::ImageSurface area = MakeArea();
  Spots spots{SpotRow{}};
  render::DrawFunction(spots, area, render::StandardAxisPoints(), ViewOf(ColorMode::Grid));
  EXPECT_EQ(area.PixelAt(163, 163), 0x000000);
  EXPECT_EQ(CountColor(area, 0xE0E0E0) + CountColor(area, platform::PaletteWhite) + CountColor(area, 0),
            326 * 326);
}

struct FaultCase {
  const char* name;
  SpotRow failing;
  ColorMode mode;
  int32_t scale;
};

// A fault leaves the cells before it drawn and raises overflow.
TEST(DrawFunction, FaultsPropagateLeavingThePictureHalfDrawn) {
  const FaultCase cases[] = {
      {"vertex beyond 32 bits at the largest scale", Cell({0, 0, 0}, {0, 150, 0}, {0, 150, 1}, {0, 0, 1}),
       ColorMode::Grid, 2147483647},
      {"steep cell at scale 50000", Cell({0, 0, 0}, {0, 0, 1e7f}, {0, 1, 1e7f}, {0, 1, 0}), ColorMode::Grid,
       50000},
      {"colour code beyond 32 bits", FacingSquare(3e9f), ColorMode::Colors, 100},
  };
  for (const FaultCase& c : cases) {
    // The failing cell sorts last: seen side on, +x points away from the viewer.
    Spots spots{c.failing, Cell({-1, -1, 0}, {-1, 1, 0}, {-1, 1, 1}, {-1, -1, 1})};
    spots[0][surface::MidX] = -1000;
    spots[0][surface::MidZ] = 0;
    RecordingSurface surface;
    try {
      render::DrawFunction(spots, surface, render::StandardAxisPoints(),
                           ViewOf(c.mode, Side, Level, c.scale));
      ADD_FAILURE() << c.name << ": no error";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_EQ(e.Number(), runtime::ErrorNumber::Overflow) << c.name;
    }
    EXPECT_EQ(surface.Only<PolygonCall>().size(), 1u) << c.name;
    EXPECT_EQ(surface.Only<LineCall>().size(), 6u) << c.name;
  }
}

TEST(DrawFunction, DepthFaultRaisesBeforeClearing) {
  Spots spots{FacingSquare(0), FacingSquare(0)};
  spots[1][surface::MidX] = -3e38f;
  spots[1][surface::MidY] = -3e38f;
  spots[1][surface::MidZ] = -3e38f;
  RecordingSurface surface;
  EXPECT_THROW(
      render::DrawFunction(spots, surface, render::StandardAxisPoints(), ViewOf(ColorMode::Grid, 30, 60)),
      runtime::RuntimeError);
  EXPECT_TRUE(surface.calls.empty());
}

}  // namespace
