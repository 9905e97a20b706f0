#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <random>
#include <tuple>

#include "platform/CeilQuotient.h"
#include "platform/ImageSurface.h"
#include "platform/PolygonFill.h"

namespace {

using platform::PolygonPoint;
using Polygon = std::vector<PolygonPoint>;
constexpr platform::Color Background = 0xE0E0E0, Outline = 0x0000FF, Fill = 0xFF0000;

platform::ImageSurface Drawn(const Polygon& points) {
  platform::ImageSurface area(100, 100, Background, QFont());
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
    const platform::ImageSurface area = Drawn(points);
    const auto* pixels = reinterpret_cast<const uint32_t*>(area.image().constBits());
    EXPECT_EQ(std::count(pixels, pixels + 100 * 100, platform::PixelOf(Fill)), filled) << name;
    EXPECT_EQ(std::count(pixels, pixels + 100 * 100, platform::PixelOf(Outline)), outlined) << name;
  }
  const platform::ImageSurface star = Drawn({{50, 5}, {76, 86}, {7, 36}, {93, 36}, {24, 86}});
  EXPECT_EQ(star.PixelAt(50, 50), Background) << "even-odd leaves the star's doubly covered middle empty";
  EXPECT_TRUE(star.PixelAt(50, 15) == Fill && star.PixelAt(20, 42) == Fill) << "the star's points";
}

// How far the centre of pixel (x, y) lies from the nearest edge crossing of its row.
double DistanceToEdge(const Polygon& polygon, int x, int y) {
  double nearest = INFINITY;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    PolygonPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    if (a.y > b.y) std::swap(a, b);
    if (a.y == b.y || y + 0.5 < a.y || y + 0.5 > b.y) continue;
    const double crossing = a.x + (y + 0.5 - a.y) * double(b.x - a.x) / double(b.y - a.y);
    nearest = std::min(nearest, std::abs(crossing - (x + 0.5)));
  }
  return nearest;
}

// Both fill the pixels whose centres lie inside by the even-odd rule, so they may differ only where
// a centre lies on an edge, or near one on tall edges, where Qt's 16.16 fixed-point slope drifts.
TEST(RasterizerVsQt, SameInteriorPixels) {
  constexpr int Size = 326;
  const std::tuple<const char*, int, int, bool, double> families[] = {
      {"tiny cells", 150, 152, true, 0},  // traced P0 P1 P1 P2 P2 P3 P3 P0 as the drawer does
      {"medium polygons", 100, 130, false, 0},
      {"large polygons", 0, Size - 1, false, 1.0 / 64},
      {"polygons beyond the edges", -300, Size + 300, false, 1.0 / 64},
  };
  std::mt19937 random(1);
  for (const auto& [name, low, high, cell, tolerance] : families) {
    std::uniform_int_distribution<int> vertices(3, 9), coordinate(low, high);
    for (int trial = 0; trial < 150; ++trial) {
      Polygon p(cell ? 4 : vertices(random));
      for (PolygonPoint& v : p) v = {coordinate(random), coordinate(random)};
      if (cell) p = {p[0], p[1], p[1], p[2], p[2], p[3], p[3], p[0]};
      QPolygon q;
      for (const PolygonPoint& v : p) q << QPoint(v.x, v.y);
      QImage qt(Size, Size, QImage::Format_RGB32), ours(Size, Size, QImage::Format_RGB32);
      qt.fill(0), ours.fill(0);
      QPainter painter(&qt);
      painter.setPen(Qt::NoPen), painter.setBrush(Qt::white), painter.drawPolygon(q, Qt::OddEvenFill);
      painter.end();
      platform::FillEvenOdd({reinterpret_cast<uint32_t*>(ours.bits()), Size, Size, Size}, p.data(),
                            int(p.size()), ~0u);
      if (qt == ours) continue;
      for (int k = 0; k < Size * Size; ++k) {
        const int x = k % Size, y = k / Size;
        ASSERT_TRUE(qt.pixel(x, y) == ours.pixel(x, y) || DistanceToEdge(p, x, y) <= tolerance)
            << name << " trial " << trial << " at " << x << "," << y;
      }
    }
  }
}

// Exact against integer division, on whole quotients and near misses either side of 2^53.
TEST(CeilQuotient, ExactBeyondTheDoubleRange) {
  std::mt19937_64 random(4);
  std::uniform_int_distribution<int64_t> numerator(-(int64_t{1} << 62), int64_t{1} << 62),
      denominator(1, 1 << 24);
  for (int trial = 0; trial < 100000; ++trial) {
    const int64_t b = denominator(random), a = (numerator(random) >> trial % 60) / b * b + trial % 3 - 1;
    ASSERT_EQ(platform::CeilQuotient(a, b), a > 0 ? (a - 1) / b + 1 : a / b) << a << " / " << b;
  }
}

}  // namespace
