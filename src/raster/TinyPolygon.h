#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "raster/PixelBuffer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Whether the top-left pixel of a 2 x 2 square lies inside a quadrilateral whose
// vertices are corners of the square, by where they lie: bits 2i and 2i + 1 hold
// vertex i's column and row within the square. The rule of FillAndOutlineTiny.
inline constexpr std::array<bool, 256> TinyQuadInside = [] {
  std::array<bool, 256> inside{};
  for (unsigned places = 0; places < 256; ++places) {
    for (unsigned i = 0; i < 4; ++i) {
      const unsigned a = places >> (2 * i) & 3, b = places >> (2 * ((i + 1) & 3)) & 3;
      inside[places] ^= (a >> 1) != (b >> 1) && ((a & 1) == 0 || (b & 1) == 0);
    }
  }
  return inside;
}();

// FillAndOutlineTiny of a quadrilateral at the buffer's edges, kept out of the
// quick way's code.
template <class Point>
[[gnu::noinline, gnu::cold]] bool FillAndOutlineTinyQuadAtEdge(const PixelBuffer& buffer, const Point* points,
                                                               bool filled, uint32_t fillPixel,
                                                               uint32_t outlinePixel) {
  return FillAndOutlineTiny(buffer, points, 4, filled, fillPixel, outlinePixel);
}

// A tiny quadrilateral whose square's top-left pixel is (left, top) and whose
// vertices lie at `places` in it, drawn where the square lies on the buffer's rows
// and columns; false, drawing nothing, where it does not.
inline bool DrawTinyQuad(const PixelBuffer& buffer, int32_t left, int32_t top, unsigned places, bool filled,
                         uint32_t fillPixel, uint32_t outlinePixel) {
  // The square's far side is left + 1 or top + 1 only where a vertex lies there.
  const int32_t right = left + ((places & 0x55) != 0), bottom = top + ((places & 0xAA) != 0);
  if (left < 0 || top < buffer.top || right >= buffer.width || bottom >= buffer.height) return false;
  uint32_t* const corner = buffer.Row(top) + left;
  if (filled && TinyQuadInside[places]) *corner = fillPixel;
  // Where each place of the square lies from its top-left pixel.
  const std::ptrdiff_t offsets[4] = {0, 1, buffer.stride, buffer.stride + 1};
  for (unsigned i = 0; i < 4; ++i) corner[offsets[places >> (2 * i) & 3]] = outlinePixel;
  return true;
}

// FillAndOutlineTiny of a quadrilateral, as the cells of a redraw are: where it
// lies on the buffer's rows and columns, as nearly all do, one test of its bounds
// spares the test of each pixel, and a table the walk over its edges.
template <class Point>
[[gnu::always_inline]] inline bool FillAndOutlineTinyQuad(const PixelBuffer& buffer, const Point* points,
                                                          bool filled, uint32_t fillPixel,
                                                          uint32_t outlinePixel) {
#if defined(__SSE2__)
  // Sixteen-bit vertices, x then y, are one vector: the bounds and places of all
  // four without a branch (whether a vertex is the leftmost is a coin toss).
  if constexpr (sizeof(Point) == 4 && sizeof(points[0].x) == 2 && sizeof(points[0].y) == 2) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(points));
    __m128i low = _mm_min_epi16(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    low = _mm_min_epi16(low, _mm_shuffle_epi32(low, _MM_SHUFFLE(2, 3, 0, 1)));
    __m128i high = _mm_max_epi16(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    high = _mm_max_epi16(high, _mm_shuffle_epi32(high, _MM_SHUFFLE(2, 3, 0, 1)));
    const __m128i one = _mm_set1_epi16(1);
    // Saturated, so that vertices far apart never wrap round to a small extent.
    if (_mm_movemask_epi8(_mm_cmpgt_epi16(_mm_subs_epi16(high, low), one)) != 0) return false;
    const __m128i atFarSide = _mm_cmpeq_epi16(_mm_sub_epi16(v, low), one);
    const auto places =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(atFarSide, atFarSide)) & 0xFF);
    const auto left = static_cast<int16_t>(_mm_extract_epi16(low, 0));
    const auto top = static_cast<int16_t>(_mm_extract_epi16(low, 1));
    return DrawTinyQuad(buffer, left, top, places, filled, fillPixel, outlinePixel) ||
           FillAndOutlineTinyQuadAtEdge(buffer, points, filled, fillPixel, outlinePixel);
  }
#endif
  int32_t left = points[0].x, right = left, top = points[0].y, bottom = top;
  for (int i = 1; i < 4; ++i) {
    left = std::min<int32_t>(left, points[i].x);
    right = std::max<int32_t>(right, points[i].x);
    top = std::min<int32_t>(top, points[i].y);
    bottom = std::max<int32_t>(bottom, points[i].y);
  }
  if (int64_t{right} - left > 1 || int64_t{bottom} - top > 1) return false;
  unsigned places = 0;
  for (unsigned i = 0; i < 4; ++i)
    places |= static_cast<unsigned>((points[i].x - left) | (points[i].y - top) << 1) << (2 * i);
  return DrawTinyQuad(buffer, left, top, places, filled, fillPixel, outlinePixel) ||
         FillAndOutlineTinyQuadAtEdge(buffer, points, filled, fillPixel, outlinePixel);
}

}  // namespace raster
