#pragma once

#include <cstddef>
#include <cstdint>

namespace raster {

// One vertex of a polygon, in whole pixels.
struct Vertex {
  int32_t x;
  int32_t y;
};

// A view of 32-bit pixels (0xffRRGGBB, the layout of an RGB32 image) that the
// rasterizers write into directly.
struct PixelBuffer {
  uint32_t* pixels;
  int width;
  int height;
  // Pixels from one row to the next.
  std::ptrdiff_t stride;

  bool Contains(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  uint32_t* Row(int64_t y) const { return pixels + y * stride; }
  void Put(int64_t x, int64_t y, uint32_t pixel) const { Row(y)[x] = pixel; }
};


}  // namespace raster
