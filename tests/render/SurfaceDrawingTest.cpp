#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRect>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "gui/ImageSurface.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

namespace {

using render::Color;
using surface::CellTable;
using surface::ColorMode;

constexpr Color Background = 0xE0E0E0;

// On the drawing area: 326 pixels square, Times New Roman 9.75 pt bold.
gui::ImageSurface Drawn(const CellTable& cells, const render::View& view, render::DepthOrder& order) {
  QFont font("Times New Roman", -1, QFont::Bold);
  font.setPointSizeF(9.75);
  gui::ImageSurface area(326, 326, Background, font);
  runtime::WorkerPool pool(1);
  render::CellPainter painter;
  render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool);
  return area;
}

gui::ImageSurface Drawn(const CellTable& cells, const render::View& view) {
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

TEST(DrawAxes, DottedWhiteOnGreyWithBlackLetters) {
  CellTable none;
  const gui::ImageSurface area = Drawn(none, render::View{});
  int white = 0, grey = 0;  // along the +X half-axis, from (163, 163) to (227.63, 198.77)
  for (int x = 165; x < 225; ++x) {
    const Color c = area.PixelAt(x, static_cast<int>(std::lround(163 + (x - 163) * 35.77 / 64.63)));
    white += c == render::PaletteWhite, grey += c == Background;
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(grey, 20);
  EXPECT_EQ(white + grey, 60) << white << " white, " << grey << " grey";
  // Black only right of and below the label positions, white and grey elsewhere.
  const QRect areas[] = {{98, 127, 12, 13}, {301, 146, 12, 13}, {163, 310, 12, 13}, {0, 0, 326, 326}};
  int black[4] = {}, other = 0;
  for (int k = 0; k < 326 * 326; ++k) {
    const QPoint p(k % 326, k / 326);
    const Color c = area.PixelAt(p.x(), p.y());
    black[std::find_if(areas, areas + 4, [&](const QRect& r) { return r.contains(p); }) - areas] += c == 0;
    other += c != 0 && c != Background && c != render::PaletteWhite;
  }
  EXPECT_EQ(black[3], 0) << "stray black";
  EXPECT_EQ(other, 0) << "pixels in other colours";
  for (const char* label : {"X", "Y", "Z"}) EXPECT_GT(black[label[0] - 'X'], 10) << label;
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
    const gui::ImageSurface area = Drawn(cells, {0, 90, 100, mode}, order);
    EXPECT_EQ(area.PixelAt(163, 140), fill) << name;
    EXPECT_EQ(area.PixelAt(163, 113), outline) << name;
    EXPECT_EQ(area.PixelAt(5, 5), Background) << name;
    EXPECT_THAT(order.Rows(), testing::ElementsAre(1u, 0u)) << name << ": the hidden cell first";
    EXPECT_EQ(Drawn(cells, {0, 90, 100, mode}, order).image(), area.image()) << name;
    EXPECT_THAT(order.Rows(), testing::ElementsAre(1u, 0u)) << name << ": the same view keeps the order";
  }
}

// X and Y from -1 to 1 at resolution 2, built in "Lines": the first column has code 1, the
// second code 2. From above (azimuth 0, tilt 0) a point lands at (163 + y, 163 - x).
TEST(DrawFunction, LinesAtResolutionTwoShowBorderAndMiddleLineOfConstantY) {
  CellTable cells;
  for (float y : {-75.0f, 0.0f})
    for (float x : {-75.0f, 0.0f})
      cells.push_back(Cell({x, y, 0, x, y + 75, 0, x + 75, y + 75, 0, x + 75, y, 0}, x < 0 ? 1.0f : 2.0f));
  const gui::ImageSurface area = Drawn(cells, {0, 0, 100, ColorMode::Lines});
  for (int along = 95; along <= 230; along += 5) {
    if (along > 155 && along < 170) continue;  // where the middle lines would cross
    // The borders at y = -1 and 1 and x = -1 and 1, and the middle line y = 0.
    const std::pair<int, int> greyAt[] = {{88, along}, {238, along}, {along, 238}, {along, 88}, {163, along}};
    for (auto [x, y] : greyAt) EXPECT_EQ(area.PixelAt(x, y), render::PaletteDarkGrey) << x << "," << y;
    EXPECT_EQ(area.PixelAt(along, 163), 0xECE3BBu) << "no middle line x = 0 at " << along;
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
