// The painter's order of the cells and what each redraw paints in each colour mode.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <tuple>

#include "picture/DrawingAreaImage.h"
#include "render/DepthOrder.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

namespace {

using render::Color;
using surface::CellTable;
using surface::ColorMode;

constexpr Color Background = 0xE0E0E0;

picture::ImageSurface Drawn(const CellTable& cells, const render::View& view, render::DepthOrder& order) {
  picture::ImageSurface area = picture::MakeDrawingAreaImage();
  runtime::WorkerPool pool(1);
  render::CellPainter painter;
  render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool);
  return area;
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
  render::DepthOrder order;
  EXPECT_THAT([&] { Drawn(steep, {0, 90, 50000, ColorMode::Grid}, order); }, overflow) << "a vertex";
  EXPECT_THAT([&] { Drawn(coloured, {0, 90, 100, ColorMode::Colors}, order); }, overflow) << "a colour code";
}

// Neighbours swap only when the first is strictly deeper; passes until none swaps.
void LiteralBubbleSort(std::vector<uint32_t>& rows, const std::vector<float>& depth) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t k = 1; k < rows.size(); ++k)
      if (depth[rows[k - 1]] > depth[rows[k]]) std::swap(rows[k - 1], rows[k]), swapped = true;
  }
}

// Centres on a coarse lattice, so that many rows share a depth, and zeros among them.
CellTable TableWithTies(std::mt19937& random, int rows, int spread) {
  std::uniform_int_distribution<int> coordinate(-spread, spread);
  CellTable table(static_cast<std::size_t>(rows));
  for (surface::Cell& row : table) {
    row.fill(0);
    for (const int column : {surface::MidX, surface::MidY, surface::MidZ})
      row[column] = static_cast<float>(coordinate(random)) * 0.5f;
  }
  return table;
}

// Redraw after redraw with the view turning at random, each order against the literal bubble
// sort of the rows as the previous redraw left them: ties keep their earlier order.
TEST(DepthOrder, EachRedrawIsTheLiteralBubbleSortOfThePreviousOrder) {
  std::mt19937 random(11);
  const std::pair<int, int> shapes[] = {{0, 1}, {1, 1}, {2, 1}, {17, 1}, {300, 0}, {300, 1}, {800, 5}};
  std::uniform_int_distribution<int> theta(-360, 360), phi(-180, 180);
  runtime::WorkerPool pool(1);
  int positiveZeros = 0, negativeZeros = 0;
  for (const auto& [rows, spread] : shapes) {
    const CellTable table = TableWithTies(random, rows, spread);
    render::DepthOrder order;
    order.Restart(table, pool);
    std::vector<uint32_t> expected(table.size());
    std::iota(expected.begin(), expected.end(), 0u);
    for (int redraw = 0; redraw < 6; ++redraw) {
      // Every third view repeats the last one.
      const render::View view{static_cast<int16_t>(redraw % 3 == 2 ? 0 : theta(random)),
                              static_cast<int16_t>(redraw % 3 == 2 ? 0 : phi(random))};
      const render::DepthGauge gauge(view);
      std::vector<float> depth;
      for (const surface::Cell& row : table) depth.push_back(gauge.Depth(render::CentreOf(row)));
      for (const float d : depth)
        if (d == 0) ++(std::signbit(d) ? negativeZeros : positiveZeros);
      LiteralBubbleSort(expected, depth);
      order.SortForView(view, pool);
      ASSERT_THAT(order.Rows(), testing::ElementsAreArray(expected)) << rows << " rows, redraw " << redraw;
    }
  }
  EXPECT_GT(positiveZeros, 0);
  EXPECT_GT(negativeZeros, 0);
}

// A depth beyond the float range raises, and the order stays as the last sort left it.
TEST(DepthOrder, ADepthBeyondTheFloatRangeLeavesTheOrder) {
  std::mt19937 random(5);
  CellTable table = TableWithTies(random, 40, 10);
  // At tilt -45 the centre's x and z nearly cancel; at tilt 45 they add up beyond the float range.
  table[17][surface::MidX] = table[17][surface::MidZ] = 3e38f;
  runtime::WorkerPool pool(1);
  render::DepthOrder order;
  order.Restart(table, pool);
  order.SortForView({0, -45}, pool);
  const std::vector<uint32_t> before(order.Rows().begin(), order.Rows().end());
  ASSERT_NE(before[0], 0u) << "sorted, not build order";
  EXPECT_THROW(order.SortForView({0, 45}, pool), runtime::RuntimeError);
  EXPECT_THAT(order.Rows(), testing::ElementsAreArray(before));
}

}  // namespace
