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
// rasterizers write into directly. Drawing touches only the rows from `top` up to
// `height`: a picture drawn by several threads at once is split into bands of
// rows, each band a view of the same pixels with its own rows, so that every
// shape is placed by the whole picture's coordinates and only cut off at the
// band's edges.
struct PixelBuffer {
  uint32_t* pixels;
  int width;
  // One past the last row that may be written.
  int height;
  // Pixels from one row to the next.
  std::ptrdiff_t stride;
  // The first row that may be written.
  int top = 0;

  bool Contains(int64_t x, int64_t y) const { return x >= 0 && y >= top && x < width && y < height; }
  uint32_t* Row(int64_t y) const { return pixels + y * stride; }
  void Put(int64_t x, int64_t y, uint32_t pixel) const { Row(y)[x] = pixel; }
  // The same pixels with drawing held to rows first .. end - 1 (and to this view's own).
  PixelBuffer Rows(int first, int end) const {
    PixelBuffer band = *this;
    band.top = first > top ? first : top;
    band.height = end < height ? end : height;
    return band;
  }
};

}  // namespace raster
