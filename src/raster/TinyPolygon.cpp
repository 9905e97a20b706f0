#include "raster/TinyPolygon.h"

#include <algorithm>

namespace raster {

bool FillAndOutlineTiny(const PixelBuffer& buffer, const Vertex* points, int count, bool filled,
                        uint32_t fillPixel, uint32_t outlinePixel) {
  if (count < 1) return true;
  int32_t left = points[0].x, right = left, top = points[0].y, bottom = top;
  for (int i = 1; i < count; ++i) {
    left = std::min(left, points[i].x);
    right = std::max(right, points[i].x);
    top = std::min(top, points[i].y);
    bottom = std::max(bottom, points[i].y);
  }
  // Differences taken in 64 bits: the vertices may lie anywhere in the 32-bit range.
  if (int64_t{right} - left > 1 || int64_t{bottom} - top > 1) return false;
  if (filled && buffer.Contains(left, top)) {
    // An edge from row `top` to the next crosses the row's centre line halfway
    // between its ends' columns, and toggles the fill at column `left` unless both
    // ends lie in the column right of it (see FillEvenOdd).
    bool inside = false;
    for (int i = 0; i < count; ++i) {
      const Vertex a = points[i];
      const Vertex b = points[i + 1 == count ? 0 : i + 1];
      inside ^= a.y != b.y && (a.x == left || b.x == left);
    }
    if (inside) buffer.Put(left, top, fillPixel);
  }
  for (int i = 0; i < count; ++i)
    if (buffer.Contains(points[i].x, points[i].y)) buffer.Put(points[i].x, points[i].y, outlinePixel);
  return true;
}

}  // namespace raster
