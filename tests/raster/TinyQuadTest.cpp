// The short cuts for a fine grid's cells: the quick way for a redraw's tiny cells
// against the tiny polygon it stands for (every arrangement of four vertices on a
// 2 x 2 square, wherever the square lies against the edges of the buffer and of a
// band), and the tiny polygon against the general rasterizers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "raster/PolygonFill.h"
#include "raster/PolygonOutline.h"
#include "raster/TinyPolygon.h"

namespace {

using raster::PixelBuffer;
using raster::Vertex;

constexpr int Width = 6, Height = 7;
constexpr uint32_t FillPixel = 0xFF00FF00u, OutlinePixel = 0xFF0000FFu;

// Sixteen-bit vertices take the vector way, 32-bit ones the plain one.
struct Narrow {
  int16_t x, y;
};
struct Wide {
  int32_t x, y;
};

struct Placement {
  const char* name;
  int left, top;
};

// Rows 2 to 4 are the band; its top and bottom edges cut squares as the buffer's do.
const Placement Placements[] = {
    {"inside the band", 2, 2},
    {"cut by the left edge", -1, 2},
    {"cut by the right edge", Width - 1, 2},
    {"cut by the band's top", 2, 1},
    {"cut by the band's bottom", 2, 4},
    {"above the band", 2, 0},
    {"below the band", 2, 5},
    {"in the buffer's last column", Width - 2, 3},
};

std::vector<uint32_t> Numbered() {
  std::vector<uint32_t> pixels(Width * Height);
  for (uint32_t k = 0; k < pixels.size(); ++k) pixels[k] = k;
  return pixels;
}

template <class Point>
void ExpectSameAsTinyPolygon(const Placement& at) {
  for (unsigned places = 0; places < 256; ++places) {
    Point points[4];
    for (unsigned i = 0; i < 4; ++i) {
      const unsigned place = places >> (2 * i) & 3;
      points[i] = {static_cast<decltype(Point::x)>(at.left + static_cast<int>(place & 1)),
                   static_cast<decltype(Point::y)>(at.top + static_cast<int>(place >> 1))};
    }
    for (const bool filled : {true, false}) {
      std::vector<uint32_t> quick = Numbered(), plain = Numbered();
      const PixelBuffer band = PixelBuffer{quick.data(), Width, Height, Width}.Rows(2, 5);
      const PixelBuffer plainBand = PixelBuffer{plain.data(), Width, Height, Width}.Rows(2, 5);
      ASSERT_TRUE(raster::FillAndOutlineTinyQuad(band, points, filled, FillPixel, OutlinePixel));
      raster::FillAndOutlineTiny(plainBand, points, 4, filled, FillPixel, OutlinePixel);
      ASSERT_EQ(quick, plain) << at.name << ", vertices at places " << places << (filled ? ", filled" : "");
    }
  }
}

TEST(TinyQuads, SameAsTheTinyPolygon) {
  for (const Placement& at : Placements) {
    ExpectSameAsTinyPolygon<Narrow>(at);
    ExpectSameAsTinyPolygon<Wide>(at);
  }
}

// Larger cells are left to the general rasterizers, drawing nothing here, by either way.
TEST(TinyQuads, LargerQuadsAreRefused) {
  constexpr int16_t Low = std::numeric_limits<int16_t>::min(), High = std::numeric_limits<int16_t>::max();
  const std::pair<const char*, std::array<Narrow, 4>> quads[] = {
      {"two pixels wide", {{{1, 1}, {3, 1}, {3, 2}, {1, 2}}}},
      {"two pixels high", {{{1, 1}, {2, 1}, {2, 3}, {1, 3}}}},
      // The extent of the whole 16-bit range must not wrap round to a small one.
      {"from one end of 16 bits to the other", {{{Low, 1}, {High, 1}, {High, 2}, {Low, 2}}}},
      {"from one end of 16 bits to the other, upright", {{{1, Low}, {1, High}, {2, High}, {2, Low}}}},
  };
  for (const auto& [name, quad] : quads) {
    std::vector<uint32_t> pixels = Numbered();
    const PixelBuffer buffer{pixels.data(), Width, Height, Width};
    EXPECT_FALSE(raster::FillAndOutlineTinyQuad(buffer, quad.data(), true, FillPixel, OutlinePixel)) << name;
    EXPECT_FALSE(raster::FillAndOutlineTiny(buffer, quad.data(), 4, true, FillPixel, OutlinePixel)) << name;
    EXPECT_EQ(pixels, Numbered()) << name;
  }
}

// Up to eight vertices among the corners of a 2 x 2 square, and cells traced as the
// drawer traces them (P0 P1 P1 P2 P2 P3 P3 P0), filled or not, the square inside the
// buffer or cut by each of its edges: the same as the even-odd fill, then the outline.
TEST(TinyPolygons, SameAsFillThenOutline) {
  const Vertex squares[] = {{1, 1},         {0, 0},  {-1, -1},        {Width - 1, Height - 1},
                            {Width - 1, 1}, {2, -1}, {-1, Height - 1}};
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
    std::vector<uint32_t> tiny(Width * Height, 0), general(Width * Height, 0);
    const PixelBuffer tinyBuffer{tiny.data(), Width, Height, Width},
        generalBuffer{general.data(), Width, Height, Width};
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
