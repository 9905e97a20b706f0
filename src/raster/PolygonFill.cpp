#include "raster/PolygonFill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/CeilQuotient.h"

namespace raster {
namespace {

// The first pixel of row y whose centre lies at or right of the edge's crossing
// with the row's centre line y + 1/2. The crossing is
// c = (2 ax (by - ay) + (2y + 1 - 2ay)(bx - ax)) / (2 (by - ay)) with ay < by, and
// the pixel is ceil(c - 1/2).
template <class Integer>
int64_t ToggleColumn(Vertex a, Vertex b, int64_t y) {
  const Integer height = Integer{b.y} - a.y;
  const Integer denominator = 2 * height;
  const Integer numerator =
      2 * Integer{a.x} * height + (2 * Integer{y} + 1 - 2 * Integer{a.y}) * (Integer{b.x} - a.x);
  return static_cast<int64_t>(CeilQuotient(2 * numerator - denominator, 2 * denominator));
}

struct RowRange {
  int64_t top;
  int64_t bottom;  // exclusive
  bool small;
};

RowRange RowsToScan(const PixelBuffer& buffer, const Vertex* points, int count) {
  int64_t top = points[0].y, bottom = points[0].y;
  bool small = true;
  for (int i = 0; i < count; ++i) {
    top = std::min<int64_t>(top, points[i].y);
    bottom = std::max<int64_t>(bottom, points[i].y);
    small = small && IsSmallCoordinate(points[i].x) && IsSmallCoordinate(points[i].y);
  }
  return {std::max<int64_t>(top, buffer.top), std::min<int64_t>(bottom, buffer.height), small};
}

void FillSpans(const PixelBuffer& buffer, int64_t y, int64_t* toggles, int toggleCount, uint32_t pixel) {
  std::sort(toggles, toggles + toggleCount);
  uint32_t* row = buffer.Row(y);
  for (int k = 0; k + 1 < toggleCount; k += 2) {
    const int64_t from = std::max<int64_t>(toggles[k], 0);
    const int64_t to = std::min<int64_t>(toggles[k + 1], buffer.width);
    if (from < to) std::fill(row + from, row + to, pixel);
  }
}

}  // namespace

void FillEvenOdd(const PixelBuffer& buffer, const Vertex* points, int count, uint32_t pixel) {
  if (count < 3) return;
  const RowRange rows = RowsToScan(buffer, points, count);
  if (rows.top >= rows.bottom) return;
  constexpr int InlineEdges = 16;
  int64_t inlineToggles[InlineEdges];
  std::vector<int64_t> manyToggles(count > InlineEdges ? static_cast<std::size_t>(count) : 0);
  int64_t* toggles = count > InlineEdges ? manyToggles.data() : inlineToggles;
  for (int64_t y = rows.top; y < rows.bottom; ++y) {
    int toggleCount = 0;
    for (int i = 0; i < count; ++i) {
      Vertex a = points[i];
      Vertex b = points[i + 1 == count ? 0 : i + 1];
      if (a.y == b.y) continue;
      if (a.y > b.y) std::swap(a, b);
      if (y < a.y || y >= b.y) continue;
      toggles[toggleCount++] = rows.small ? ToggleColumn<int64_t>(a, b, y) : ToggleColumn<__int128>(a, b, y);
    }
    FillSpans(buffer, y, toggles, toggleCount, pixel);
  }
}

}  // namespace raster
