// The rasterizers against Qt's painter and exact integer arithmetic.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <functional>
#include <random>
#include <tuple>
#include <vector>

#include "raster/CeilQuotient.h"
#include "raster/LineRaster.h"
#include "raster/PolygonFill.h"
#include "raster/PolygonOutline.h"

namespace {

using raster::Vertex;
using Polygon = std::vector<Vertex>;

// How far the centre of pixel (x, y) lies from the nearest edge crossing of its row.
double DistanceToEdge(const Polygon& polygon, int x, int y) {
  double nearest = INFINITY;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    Vertex a = polygon[i], b = polygon[(i + 1) % polygon.size()];
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
      for (Vertex& v : p) v = {coordinate(random), coordinate(random)};
      if (cell) p = {p[0], p[1], p[1], p[2], p[2], p[3], p[3], p[0]};
      QPolygon q;
      for (const Vertex& v : p) q << QPoint(v.x, v.y);
      QImage qt(Size, Size, QImage::Format_RGB32), ours(Size, Size, QImage::Format_RGB32);
      qt.fill(0), ours.fill(0);
      QPainter painter(&qt);
      painter.setPen(Qt::NoPen), painter.setBrush(Qt::white), painter.drawPolygon(q, Qt::OddEvenFill);
      painter.end();
      raster::FillEvenOdd({reinterpret_cast<uint32_t*>(ours.bits()), Size, Size, Size}, p.data(),
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
    ASSERT_EQ(raster::CeilQuotient(a, b), a > 0 ? (a - 1) / b + 1 : a / b) << a << " / " << b;
  }
}

// Wide lines: as many 1-pixel lines side by side across the minor axis, dots as long as
// the caller makes them; wide outlines close their corners.
TEST(WideLines, CoverTheirWidthAcrossTheMinorAxis) {
  constexpr int Size = 40;
  const auto count = [](const std::function<void(const raster::PixelBuffer&)>& draw) {
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(0);
    draw({reinterpret_cast<uint32_t*>(image.bits()), Size, Size, Size});
    int set = 0;
    for (int k = 0; k < Size * Size; ++k) set += image.pixel(k % Size, k / Size) == 0xFFFFFFFFu;
    return set;
  };
  const std::tuple<const char*, std::function<void(const raster::PixelBuffer&)>, int> rows[] = {
      {"width 1 as before", [](auto& b) { raster::DrawLine(b, 5, 5, 30, 12, ~0u, raster::SolidPattern, 1); },
       26},
      {"flat, width 3", [](auto& b) { raster::DrawLine(b, 5, 5, 30, 12, ~0u, raster::SolidPattern, 3); },
       3 * 26},
      {"steep, width 2", [](auto& b) { raster::DrawLine(b, 5, 5, 12, 30, ~0u, raster::SolidPattern, 2); },
       2 * 26},
      {"dotted 6 on 12 off, width 2",
       [](auto& b) {
         raster::DrawLine(b, 0, 9, 35, 9, ~0u, {6, 12}, 2);
       },
       2 * 18},
      {"clipped at the edge", [](auto& b) { raster::DrawLine(b, 0, 0, 39, 0, ~0u, raster::SolidPattern, 3); },
       2 * 40},
      {"square outline, width 3",
       [](auto& b) {
         const Vertex square[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
         raster::DrawPolygonOutline(b, square, 4, ~0u, raster::SolidPattern, 3);
       },
       13 * 13 - 7 * 7},
  };
  for (const auto& [name, draw, pixels] : rows) EXPECT_EQ(count(draw), pixels) << name;
}

}  // namespace
