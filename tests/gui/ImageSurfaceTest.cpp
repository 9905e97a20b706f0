// Polygons drawn through the drawing area's image: fill, outline and clipping.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <tuple>
#include <vector>

#include "gui/ImageSurface.h"

namespace {

using render::PolygonPoint;
using Polygon = std::vector<PolygonPoint>;
constexpr render::Color Background = 0xE0E0E0, Outline = 0x0000FF, Fill = 0xFF0000;

// The image's pixel for a colour number, red + 256 green + 65536 blue.
constexpr uint32_t PixelOf(render::Color color) {
  return 0xFF000000u | (render::RedOf(color) << 16) | (render::GreenOf(color) << 8) | render::BlueOf(color);
}

gui::ImageSurface Drawn(const Polygon& points) {
  gui::ImageSurface area(100, 100, Background, QFont());
  area.SetForeColor(Outline);
  area.SetFillColor(Fill);
  area.Polygon(points.data(), static_cast<int>(points.size()));
  return area;
}

// A polygon without area fills nothing but shows its outline; far coordinates are clipped.
TEST(ImageSurfacePolygon, FillAndOutline) {
  constexpr int32_t Far = 2147483647;
  const std::tuple<const char*, Polygon, int, int> cases[] = {
      {"box: outline in fore colour around the fill", {{10, 10}, {30, 10}, {30, 20}, {10, 20}}, 19 * 9, 60},
      {"one point eight times", Polygon(8, PolygonPoint{20, 20}), 0, 1},
      {"two-point cell", {{5, 5}, {5, 5}, {5, 5}, {25, 15}, {25, 15}, {25, 15}, {25, 15}, {5, 5}}, 0, 21},
      {"collinear zigzag", {{10, 10}, {30, 20}, {20, 15}, {26, 18}}, 0, 21},
      {"far corners cover everything", {{-Far, -Far}, {Far, -Far}, {Far, Far}, {-Far, Far}}, 100 * 100, 0},
      {"band between rows 20 and 30", {{-Far, 20}, {Far, 20}, {Far, 30}, {-Far, 30}}, 100 * 9, 200},
  };
  for (const auto& [name, points, filled, outlined] : cases) {
    const gui::ImageSurface area = Drawn(points);
    const auto* pixels = reinterpret_cast<const uint32_t*>(area.image().constBits());
    EXPECT_EQ(std::count(pixels, pixels + 100 * 100, PixelOf(Fill)), filled) << name;
    EXPECT_EQ(std::count(pixels, pixels + 100 * 100, PixelOf(Outline)), outlined) << name;
  }
  const gui::ImageSurface star = Drawn({{50, 5}, {76, 86}, {7, 36}, {93, 36}, {24, 86}});
  EXPECT_EQ(star.PixelAt(50, 50), Background) << "even-odd leaves the star's doubly covered middle empty";
  EXPECT_EQ(star.PixelAt(50, 15), Fill) << "the star's top point";
  EXPECT_EQ(star.PixelAt(20, 42), Fill) << "the star's left point";
}

// The window shows a copy of the picture that shares its pixels; drawing afterwards must
// not change what such a copy holds.
TEST(ImageSurface, DrawingLeavesCopiesHandedOutAsTheyWere) {
  gui::ImageSurface area(20, 20, Background, QFont());
  area.Polygon(Polygon{{2, 2}, {12, 2}, {12, 12}}.data(), 3);
  const QImage shown = area.image();
  const QImage before = shown.copy();
  area.Clear();
  area.Line(0, 0, 19, 19, Fill);
  EXPECT_EQ(shown, before);
  EXPECT_NE(area.image(), before);
}

}  // namespace
