// The short cuts for the shapes of a fine grid's cells set exactly the pixels of the
// general rasterizers, checked over every small configuration.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "raster/LineRaster.h"
#include "raster/PolygonFill.h"
#include "raster/PolygonOutline.h"
#include "raster/TinyPolygon.h"

namespace {

using raster::PixelBuffer;
using raster::Vertex;

constexpr uint32_t Background = 0, FillPixel = 0xFF00FF00u, OutlinePixel = 0xFF0000FFu;

// The pixels a line sets by its definition, without the rasterizer's walk: along the
// major axis, the minor coordinate nearest the exact line, ties to the smaller, dots
// counted from the first end.
std::vector<uint32_t> LineByDefinition(int w, int h, int x0, int y0, int x1, int y1,
                                       raster::DashPattern dash) {
  std::vector<uint32_t> pixels(w * h, Background);
  const bool alongX = std::abs(x1 - x0) >= std::abs(y1 - y0);
  const int u0 = alongX ? x0 : y0, v0 = alongX ? y0 : x0, u1 = alongX ? x1 : y1, v1 = alongX ? y1 : x1;
  const int du = u1 - u0, dv = v1 - v0, step = du < 0 ? -1 : 1;
  for (int u = u0;; u += step) {
    int v = v0;
    if (du != 0) {
      // ceil((2 (v0 du + (u - u0) dv) - du) / (2 du)) with a positive denominator.
      long numerator = 2L * (v0 * du + (u - u0) * dv) - du, denominator = 2L * du;
      if (denominator < 0) numerator = -numerator, denominator = -denominator;
      v = int(numerator >= 0 ? (numerator + denominator - 1) / denominator : -(-numerator / denominator));
    }
    const int x = alongX ? u : v, y = alongX ? v : u;
    if (std::abs(u - u0) % dash.period < dash.on && x >= 0 && y >= 0 && x < w && y < h)
      pixels[y * w + x] = ~0u;
    if (u == u1) break;
  }
  return pixels;
}

// Every line between points of a 4 x 4 buffer and the two pixels around it, in each style.
TEST(ShortLines, EveryLineNearTheBufferMatchesItsDefinition) {
  constexpr int W = 4, H = 4;
  const raster::DashPattern dashes[] = {raster::SolidPattern, raster::DottedPattern, {1, 2}, {2, 3}};
  for (const auto& dash : dashes)
    for (int k = 0; k < 8 * 8 * 8 * 8; ++k) {
      const int x0 = k % 8 - 2, y0 = k / 8 % 8 - 2, x1 = k / 64 % 8 - 2, y1 = k / 512 - 2;
      std::vector<uint32_t> drawn(W * H, Background);
      raster::DrawLine({drawn.data(), W, H, W}, x0, y0, x1, y1, ~0u, dash);
      ASSERT_EQ(drawn, LineByDefinition(W, H, x0, y0, x1, y1, dash))
          << "(" << x0 << "," << y0 << ") to (" << x1 << "," << y1 << "), dots " << dash.on << "/"
          << dash.period;
    }
}

// The general path: the even-odd fill, then the outline over it.
std::vector<uint32_t> General(const PixelBuffer& shape, const std::vector<Vertex>& points, bool filled) {
  std::vector<uint32_t> pixels(shape.width * shape.height, Background);
  const PixelBuffer buffer{pixels.data(), shape.width, shape.height, shape.width};
  if (filled) raster::FillEvenOdd(buffer, points.data(), int(points.size()), FillPixel);
  raster::DrawPolygonOutline(buffer, points.data(), int(points.size()), OutlinePixel, raster::SolidPattern);
  return pixels;
}

std::vector<uint32_t> Tiny(const PixelBuffer& shape, const std::vector<Vertex>& points, bool filled,
                           bool& taken) {
  std::vector<uint32_t> pixels(shape.width * shape.height, Background);
  const PixelBuffer buffer{pixels.data(), shape.width, shape.height, shape.width};
  taken =
      raster::FillAndOutlineTiny(buffer, points.data(), int(points.size()), filled, FillPixel, OutlinePixel);
  return pixels;
}

// Every sequence of up to six vertices among the corners of a 2 x 2 square, and every
// cell traced as the drawer traces it (P0 P1 P1 P2 P2 P3 P3 P0), filled or not, with the
// square inside the buffer and cut by each of its edges.
TEST(TinyPolygons, SameAsFillThenOutlineForEveryShapeInTwoByTwo) {
  const PixelBuffer shape{nullptr, 5, 4, 5};
  const Vertex squares[] = {{1, 1}, {0, 0}, {-1, -1}, {4, 3}, {4, 1}, {2, -1}, {-1, 3}};
  std::vector<std::vector<Vertex>> sequences;
  for (int length = 1; length <= 6; ++length) {
    int combinations = 1;
    for (int i = 0; i < length; ++i) combinations *= 4;
    for (int k = 0; k < combinations; ++k) {
      std::vector<Vertex> corners;
      for (int i = 0, code = k; i < length; ++i, code /= 4) corners.push_back({code % 2, code / 2 % 2});
      sequences.push_back(corners);
      if (length == 4) {
        const Vertex* p = corners.data();
        sequences.push_back({p[0], p[1], p[1], p[2], p[2], p[3], p[3], p[0]});
      }
    }
  }
  int filledSomewhere = 0;
  for (const Vertex square : squares)
    for (std::vector<Vertex> points : sequences) {
      for (Vertex& v : points) v = {v.x + square.x, v.y + square.y};
      for (const bool filled : {false, true}) {
        bool taken = false;
        const std::vector<uint32_t> tiny = Tiny(shape, points, filled, taken);
        ASSERT_TRUE(taken);
        const std::vector<uint32_t> general = General(shape, points, filled);
        ASSERT_EQ(tiny, general) << points.size() << " vertices from " << points[0].x << "," << points[0].y
                                 << (filled ? ", filled" : ", unfilled");
        for (const uint32_t p : general) filledSomewhere += p == FillPixel;
      }
    }
  EXPECT_GT(filledSomewhere, 100) << "the fill's one pixel is exercised";
}

// Anything wider or taller than two pixels, or spread across the 32-bit range, takes the
// general path: the short cut declines and leaves the pixels alone.
TEST(TinyPolygons, DeclineLargerShapes) {
  const PixelBuffer shape{nullptr, 5, 4, 5};
  const std::vector<Vertex> rows[] = {
      {{0, 0}, {2, 0}, {1, 1}},
      {{0, 0}, {1, 2}, {1, 1}},
      {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {3, 3}},
      {{INT32_MIN, 0}, {INT32_MAX, 0}, {0, 1}},
      {{0, INT32_MIN}, {1, INT32_MAX}, {0, 1}},
  };
  for (const auto& points : rows) {
    bool taken = true;
    const std::vector<uint32_t> pixels = Tiny(shape, points, true, taken);
    EXPECT_FALSE(taken) << points.size() << " vertices";
    EXPECT_EQ(pixels, std::vector<uint32_t>(5 * 4, Background)) << points.size() << " vertices";
  }
}

}  // namespace
