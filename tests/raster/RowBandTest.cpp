// Drawing held to a band of rows sets, within the band, exactly the pixels of the
// same drawing over the whole buffer, and nothing outside it.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
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

std::vector<uint32_t> DrawnWhole(const Draw& draw) {
  std::vector<uint32_t> pixels = Numbered();
  draw({pixels.data(), Width, Height, Width});
  return pixels;
}

void Fill(const PixelBuffer& b, std::vector<Vertex> v) {
  raster::FillEvenOdd(b, v.data(), int(v.size()), ~0u);
}
void Outline(const PixelBuffer& b, std::vector<Vertex> v, raster::DashPattern pattern, int width) {
  raster::DrawPolygonOutline(b, v.data(), int(v.size()), 0xFF0000FFu, pattern, width);
}

const std::pair<const char*, Draw> Drawings[] = {
    {"corners far off in every direction",
     [](auto& b) {
       Fill(b, {{Near, 20}, {Far, Near}, {Far, Far}, {20, Far}});
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
       Outline(b, {{5, 3}, {40, 11}, {33, 36}, {2, 30}}, raster::SolidPattern, 3);
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
    const std::vector<uint32_t> whole = DrawnWhole(draw);
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

}  // namespace
