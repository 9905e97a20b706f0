#pragma once

#include <algorithm>
#include <cstdint>

#include "raster/PixelBuffer.h"

namespace raster {

// FillEvenOdd (when `filled`) and then a 1-pixel solid DrawPolygonOutline of a
// polygon whose vertices all lie within one square of 2 x 2 pixels, as nearly all
// cells of a fine grid do: the same pixels for a fraction of the work. Returns
// false, drawing nothing, for a larger polygon. Vertices repeated in a row are
// taken as they come: they change neither the fill nor the outline. A vertex is
// anything with integer members x and y.
//
// Why it is exact: an edge between vertices of such a square reaches at most the
// neighbouring pixel, so the outline sets the vertices and nothing else; and of
// the fill only the square's top-left pixel has its centre inside the square's
// extent, set when an odd number of edges crossing its row toggles at its column.
template <class Point>
bool FillAndOutlineTiny(const PixelBuffer& buffer, const Point* points, int count, bool filled,
                        uint32_t fillPixel, uint32_t outlinePixel) {
  if (count < 1) return true;
  int32_t left = points[0].x, right = left, top = points[0].y, bottom = top;
  for (int i = 1; i < count; ++i) {
    left = std::min<int32_t>(left, points[i].x);
    right = std::max<int32_t>(right, points[i].x);
    top = std::min<int32_t>(top, points[i].y);
    bottom = std::max<int32_t>(bottom, points[i].y);
  }
  // Differences taken in 64 bits: the vertices may lie anywhere in the 32-bit range.
  if (int64_t{right} - left > 1 || int64_t{bottom} - top > 1) return false;
  if (bottom < buffer.top || top >= buffer.height) return true;
  if (filled && buffer.Contains(left, top)) {
    // An edge from row `top` to the next crosses the row's centre line halfway
    // between its ends' columns, and toggles the fill at column `left` unless both
    // ends lie in the column right of it (see FillEvenOdd).
    bool inside = false;
    for (int i = 0; i < count; ++i) {
      const Point& a = points[i];
      const Point& b = points[i + 1 == count ? 0 : i + 1];
      inside ^= a.y != b.y && (a.x == left || b.x == left);
    }
    if (inside) buffer.Put(left, top, fillPixel);
  }
  for (int i = 0; i < count; ++i)
    if (buffer.Contains(points[i].x, points[i].y)) buffer.Put(points[i].x, points[i].y, outlinePixel);
  return true;
}

}  // namespace raster
