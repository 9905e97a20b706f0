// The rasterizers against Qt's painter and exact integer arithmetic.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <random>
#include <vector>

#include "raster/CeilQuotient.h"
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

// Both fill the pixels whose centres lie inside by the even-odd rule, so they may differ
// only where a centre lies on an edge, or near one on tall edges, where Qt's 16.16
// fixed-point slope drifts. A seeded sample of each family.
TEST(RasterizerVsQt, SameInteriorPixels) {
  constexpr int Size = 326;
  const struct {
    const char* name;
    int low, high;
    bool cell;  // traced P0 P1 P1 P2 P2 P3 P3 P0 as the drawer does
    double tolerance;
  } families[] = {{"tiny cells", 150, 152, true, 0},
                  {"medium polygons", 100, 130, false, 0},
                  {"polygons beyond the edges", -300, Size + 300, false, 1.0 / 64}};
  std::mt19937 random(1);
  for (const auto& family : families) {
    std::uniform_int_distribution<int> vertices(3, 9), coordinate(family.low, family.high);
    for (int trial = 0; trial < 12; ++trial) {
      Polygon p(family.cell ? 4 : vertices(random));
      for (Vertex& v : p) v = {coordinate(random), coordinate(random)};
      if (family.cell) p = {p[0], p[1], p[1], p[2], p[2], p[3], p[3], p[0]};
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
        ASSERT_TRUE(qt.pixel(x, y) == ours.pixel(x, y) || DistanceToEdge(p, x, y) <= family.tolerance)
            << family.name << " trial " << trial << " at " << x << "," << y;
      }
    }
  }
}

// Exact against integer division, in 64 and 128 bits, on whole quotients and near misses either side of 2^53:
// a seeded sample over every magnitude.
TEST(CeilQuotient, ExactBeyondTheDoubleRange) {
  std::mt19937_64 random(4);
  std::uniform_int_distribution<int64_t> numerator(-(int64_t{1} << 62), int64_t{1} << 62),
      denominator(1, 1 << 24);
  for (int trial = 0; trial < 600; ++trial) {
    const int64_t b = denominator(random), a = (numerator(random) >> trial % 60) / b * b + trial % 3 - 1;
    const int64_t expected = a > 0 ? (a - 1) / b + 1 : a / b;
    ASSERT_EQ(raster::CeilQuotient(a, b), expected) << a << " / " << b;
    ASSERT_TRUE(raster::CeilQuotient(__int128{a}, __int128{b}) == expected)
        << a << " / " << b << " in 128 bits";
  }
  // Small numerators over huge denominators, which the sample never draws.
  constexpr int64_t Huge = int64_t{1} << 60;
  for (const auto& [a, expected] : {std::pair(1, 1), std::pair(-1, 0), std::pair(0, 0)}) {
    EXPECT_EQ(raster::CeilQuotient(int64_t{a}, Huge), expected) << a;
    EXPECT_TRUE(raster::CeilQuotient(__int128{a}, __int128{Huge}) == expected) << a << " in 128 bits";
  }
}

// A rectangle outlined with a wide pen is a rectangular ring: corners closed, nothing
// beyond the pen's reach on either side, the extra pixels of an even width shared out
// as a line's are.
TEST(WideOutline, OfARectangleIsARing) {
  constexpr int Width = 24, Height = 20, Left = 5, Top = 4, Right = 14, Bottom = 11;
  const Vertex corners[] = {{Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}};
  for (const int pen : {2, 3, 4}) {
    std::vector<uint32_t> pixels(Width * Height, 0);
    raster::DrawPolygonOutline({pixels.data(), Width, Height, Width}, corners, 4, ~0u, raster::SolidPattern,
                               pen);
    const int before = (pen - 1) / 2, after = pen / 2;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) {
        const bool outer =
            x >= Left - before && x <= Right + after && y >= Top - before && y <= Bottom + after;
        const bool inner = x > Left + after && x < Right - before && y > Top + after && y < Bottom - before;
        ASSERT_EQ(pixels[y * Width + x] != 0, outer && !inner) << "pen " << pen << " at " << x << "," << y;
      }
  }
}

}  // namespace
