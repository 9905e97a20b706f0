// Drawing held to a band of rows sets, within the band, exactly the pixels of the same
// drawing over the whole buffer and nothing outside it; a line sets the pixels of its
// definition.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "raster/LineRaster.h"
#include "raster/PolygonFill.h"
#include "raster/PolygonOutline.h"
#include "raster/TinyPolygon.h"

namespace {

using raster::PixelBuffer;
using raster::Vertex;
using Draw = std::function<void(const PixelBuffer&)>;

constexpr int Width = 48, Height = 40;
constexpr int32_t Far = std::numeric_limits<int32_t>::max(), Near = std::numeric_limits<int32_t>::min();

// Each pixel marked with its own number first, so that a write anywhere shows.
std::vector<uint32_t> Numbered() {
  std::vector<uint32_t> pixels(Width * Height);
  for (uint32_t k = 0; k < pixels.size(); ++k) pixels[k] = k;
  return pixels;
}

const std::pair<const char*, Draw> Drawings[] = {
    {"corners far off in every direction",
     [](auto& b) {
       const Vertex corners[] = {{Near, 20}, {Far, Near}, {Far, Far}, {20, Far}};
       raster::FillEvenOdd(b, corners, 4, ~0u);
     }},
    {"a dotted line from far off",
     [](auto& b) {
       raster::DrawLine(b, 2000000000, -1500000000, 5, 25, 0xFFFFFFFFu, raster::DottedPattern);
     }},
    {"a wide dotted line",
     [](auto& b) {
       raster::DrawLine(b, 1, 2, 45, 37, 0xFFFFFFFFu, {6, 12}, 2);
     }},
    {"a wide outline with closed corners",
     [](auto& b) {
       const Vertex corners[] = {{5, 3}, {40, 11}, {33, 36}, {2, 30}};
       raster::DrawPolygonOutline(b, corners, 4, 0xFF0000FFu, raster::SolidPattern, 3);
     }},
    {"tiny cells on band edges",
     [](auto& b) {
       for (int y = -1; y < Height; y += 3) {
         const Vertex cell[] = {{y % 7, y}, {y % 7 + 1, y + 1}, {y % 7, y + 1}};
         raster::FillAndOutlineTiny(b, cell, 3, true, 0xFF123456u, 0xFF654321u);
       }
     }},
};

TEST(RowBands, EachBandGetsTheWholeDrawingsRowsAndNoOthers) {
  for (const auto& [name, draw] : Drawings) {
    std::vector<uint32_t> whole = Numbered();
    draw({whole.data(), Width, Height, Width});
    for (const int bands : {3, Height}) {
      for (int k = 0; k < bands; ++k) {
        const int first = k * Height / bands, end = (k + 1) * Height / bands;
        std::vector<uint32_t> pixels = Numbered();
        draw(PixelBuffer{pixels.data(), Width, Height, Width}.Rows(first, end));
        for (int y = 0; y < Height; ++y) {
          const bool inBand = y >= first && y < end;
          for (int x = 0; x < Width; ++x)
            ASSERT_EQ(pixels[y * Width + x], inBand ? whole[y * Width + x] : uint32_t(y * Width + x))
                << name << ", band " << k << " of " << bands << ", at " << x << "," << y;
        }
      }
    }
  }
}

// Lines near a small buffer, on a seeded sample.
using Pixels = std::vector<uint32_t>;

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

}  // namespace
