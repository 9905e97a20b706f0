// The short cuts for the shapes of a fine grid's cells set exactly the pixels of the
// general rasterizers, on seeded samples of small configurations.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "raster/LineRaster.h"
#include "raster/PolygonFill.h"
#include "raster/PolygonOutline.h"
#include "raster/TinyPolygon.h"

namespace {

using raster::PixelBuffer;
using raster::Vertex;
using Pixels = std::vector<uint32_t>;

constexpr uint32_t FillPixel = 0xFF00FF00u, OutlinePixel = 0xFF0000FFu;
constexpr int W = 5, H = 4;

// The pixels a line sets by its definition, without the rasterizer's walk: along the
// major axis, the minor coordinate nearest the exact line, ties to the smaller, dots
// counted from the first end.
Pixels LineByDefinition(int x0, int y0, int x1, int y1, raster::DashPattern dash) {
  Pixels pixels(W * H, 0);
  const bool alongX = std::abs(x1 - x0) >= std::abs(y1 - y0);
  const int u0 = alongX ? x0 : y0, v0 = alongX ? y0 : x0, u1 = alongX ? x1 : y1, v1 = alongX ? y1 : x1;
  const long du = u1 - u0, dv = v1 - v0, step = du < 0 ? -1 : 1;
  for (int u = u0;; u += static_cast<int>(step)) {
    int v = v0;
    if (du != 0) {  // ceil((2 (v0 du + (u - u0) dv) - du) / (2 du)), the denominator made positive
      const long numerator = step * (2 * (v0 * du + (u - u0) * dv) - du), denominator = step * 2 * du;
      v = int(numerator >= 0 ? (numerator + denominator - 1) / denominator : -(-numerator / denominator));
    }
    const int x = alongX ? u : v, y = alongX ? v : u;
    if (std::abs(u - u0) % dash.period < dash.on && x >= 0 && y >= 0 && x < W && y < H)
      pixels[y * W + x] = ~0u;
    if (u == u1) break;
  }
  return pixels;
}

// Lines between points of the buffer and the two pixels around it, in each style.
TEST(ShortLines, LinesNearTheBufferMatchTheirDefinition) {
  const raster::DashPattern dashes[] = {raster::SolidPattern, raster::DottedPattern, {1, 2}, {2, 3}};
  std::mt19937 random(9);
  for (const auto& dash : dashes)
    for (int trial = 0; trial < 400; ++trial) {
      const int x0 = int(random() % 9) - 2, y0 = int(random() % 8) - 2, x1 = int(random() % 9) - 2,
                y1 = int(random() % 8) - 2;
      Pixels drawn(W * H, 0);
      raster::DrawLine({drawn.data(), W, H, W}, x0, y0, x1, y1, ~0u, dash);
      ASSERT_EQ(drawn, LineByDefinition(x0, y0, x1, y1, dash))
          << "(" << x0 << "," << y0 << ") to (" << x1 << "," << y1 << "), dots " << dash.on << "/"
          << dash.period;
    }
}

// Up to eight vertices among the corners of a 2 x 2 square, and cells traced as the
// drawer traces them (P0 P1 P1 P2 P2 P3 P3 P0), filled or not, the square inside the
// buffer or cut by each of its edges: the same as the even-odd fill, then the outline.
TEST(TinyPolygons, SameAsFillThenOutline) {
  const Vertex squares[] = {{1, 1}, {0, 0}, {-1, -1}, {4, 3}, {4, 1}, {2, -1}, {-1, 3}};
  std::mt19937 random(5);
  int filledSomewhere = 0;
  for (int trial = 0; trial < 1500; ++trial) {
    std::vector<Vertex> points(1 + random() % 6);
    const Vertex at = squares[random() % std::size(squares)];
    for (Vertex& v : points) v = {at.x + int(random() % 2), at.y + int(random() % 2)};
    if (points.size() == 4 && trial % 2) {
      const Vertex* p = points.data();
      points = {p[0], p[1], p[1], p[2], p[2], p[3], p[3], p[0]};
    }
    const bool filled = trial % 3 != 0;
    Pixels tiny(W * H, 0), general(W * H, 0);
    const PixelBuffer tinyBuffer{tiny.data(), W, H, W}, generalBuffer{general.data(), W, H, W};
    ASSERT_TRUE(raster::FillAndOutlineTiny(tinyBuffer, points.data(), int(points.size()), filled, FillPixel,
                                           OutlinePixel));
    if (filled) raster::FillEvenOdd(generalBuffer, points.data(), int(points.size()), FillPixel);
    raster::DrawPolygonOutline(generalBuffer, points.data(), int(points.size()), OutlinePixel,
                               raster::SolidPattern);
    ASSERT_EQ(tiny, general) << "trial " << trial << ": " << points.size() << " vertices from " << points[0].x
                             << "," << points[0].y << (filled ? ", filled" : "");
    filledSomewhere += std::count(general.begin(), general.end(), FillPixel) > 0;
  }
  EXPECT_GT(filledSomewhere, 20) << "the fill's one pixel is exercised";
}

}  // namespace
