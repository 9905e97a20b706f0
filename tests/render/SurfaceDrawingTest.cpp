#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "picture/ImageSurface.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

namespace {

using render::Color;
using surface::CellTable;
using surface::ColorMode;

constexpr Color Background = 0xE0E0E0;

// On the drawing area: 326 pixels square, Times New Roman 9.75 pt bold.
picture::ImageSurface Drawn(const CellTable& cells, const render::View& view, render::DepthOrder& order) {
  QFont font("Times New Roman", -1, QFont::Bold);
  font.setPointSizeF(9.75);
  picture::ImageSurface area(326, 326, Background, font);
  runtime::WorkerPool pool(1);
  render::CellPainter painter;
  render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool);
  return area;
}

picture::ImageSurface Drawn(const CellTable& cells, const render::View& view) {
  render::DepthOrder order;
  return Drawn(cells, view, order);
}

// Corners P0 to P3 as x, y, z; the centre halfway between P0 and P2.
surface::Cell Cell(std::array<float, 12> c, float code = 0) {
  surface::Cell row{};
  std::copy(c.begin(), c.end(), row.begin());
  for (int i = 0; i < 3; ++i) row[surface::MidX + i] = (c[i] + c[6 + i]) / 2;
  row[surface::ColorCode] = code;
  return row;
}

// Side on (azimuth 0, tilt 90) (x, y, z) lands at about (163 + y, 163 + z), and +x points
// away from the viewer. This square lands from (113, 113) to (213, 213).
surface::Cell FacingSquare(float code, float x = 0) {
  return Cell({x, -50, -50, x, 50, -50, x, 50, 50, x, -50, 50}, code);
}

// One big cell read back from the picture, fill in the middle and outline on its top edge, with
// the code as the last build left it. It hides a cell behind it that comes first in the table, so
// the first redraw paints that one first; a second with the same view keeps the order.
TEST(DrawFunction, ColoursOfEachModeFromThePicture) {
  const std::tuple<const char*, ColorMode, float, Color, Color> cases[] = {
      {"Grid", ColorMode::Grid, 9103237, 0x000000, 0xE0E0E0},
      {"Lines", ColorMode::Lines, 0, 0xECE3BB, 0xECE3BB},
      {"Colors", ColorMode::Colors, 9103237, 0xC0C0C0, 9103237},
      {"Rnd Colors", ColorMode::RndColors, 3281950, 0xC0C0C0, 3281950},
      {"Colors after a build in Grid fills black", ColorMode::Colors, 0, 0xC0C0C0, 0x000000},
  };
  for (const auto& [name, mode, code, outline, fill] : cases) {
    const CellTable cells{FacingSquare(code), FacingSquare(0x123456, 10)};
    render::DepthOrder order;
    const picture::ImageSurface area = Drawn(cells, {0, 90, 100, mode}, order);
    EXPECT_EQ(area.PixelAt(163, 140), fill) << name;
    EXPECT_EQ(area.PixelAt(163, 113), outline) << name;
    EXPECT_EQ(area.PixelAt(5, 5), Background) << name;
    EXPECT_THAT(order.Rows(), testing::ElementsAre(1u, 0u)) << name << ": the hidden cell first";
    EXPECT_EQ(Drawn(cells, {0, 90, 100, mode}, order).image(), area.image()) << name;
    EXPECT_THAT(order.Rows(), testing::ElementsAre(1u, 0u)) << name << ": the same view keeps the order";
  }
}

TEST(DrawFunction, ValuesBeyondA32BitIntegerRaiseOverflow) {
  const auto overflow = testing::Throws<runtime::RuntimeError>(
      testing::Property(&runtime::RuntimeError::Number, runtime::ErrorNumber::Overflow));
  const CellTable steep{Cell({0, 0, 0, 0, 0, 1e7f, 0, 1, 1e7f, 0, 1, 0})}, coloured{FacingSquare(3e9f)};
  EXPECT_THAT([&] { Drawn(steep, {0, 90, 50000, ColorMode::Grid}); }, overflow) << "a vertex";
  EXPECT_THAT([&] { Drawn(coloured, {0, 90, 100, ColorMode::Colors}); }, overflow) << "a colour code";
}

}  // namespace
