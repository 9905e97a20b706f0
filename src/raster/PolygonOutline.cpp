#include "raster/PolygonOutline.h"

#include <algorithm>
#include <cstdint>

namespace raster {
namespace {

bool SamePoint(Vertex a, Vertex b) { return a.x == b.x && a.y == b.y; }

struct Bounds {
  int64_t left, top, right, bottom;  // inclusive
};

Bounds BoundsOf(const Vertex* points, int count) {
  Bounds b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (int i = 1; i < count; ++i) {
    b.left = std::min<int64_t>(b.left, points[i].x);
    b.right = std::max<int64_t>(b.right, points[i].x);
    b.top = std::min<int64_t>(b.top, points[i].y);
    b.bottom = std::max<int64_t>(b.bottom, points[i].y);
  }
  return b;
}

}  // namespace

void DrawPolygonOutline(const PixelBuffer& buffer, const Vertex* points, int count, uint32_t pixel,
                        DashPattern pattern, int width) {
  if (count < 1) return;
  if (width > 1) {
    for (int i = 0; i < count; ++i) {
      const Vertex a = points[i];
      const Vertex next = points[i + 1 == count ? 0 : i + 1];
      DrawLine(buffer, a.x, a.y, next.x, next.y, pixel, pattern, width);
      // The corner: a square of the line's width, rows of it as horizontal lines.
      if (pattern.on == pattern.period)
        for (int64_t dy = -(width - 1) / 2; dy <= width / 2; ++dy)
          DrawLine(buffer, int64_t{a.x} - (width - 1) / 2, a.y + dy, int64_t{a.x} + width / 2, a.y + dy,
                   pixel);
    }
    return;
  }
  const Bounds b = BoundsOf(points, count);
  // A closed path that lies on one row or column covers it from end to end:
  // the common case of the tiny cells of a fine grid.
  if (pattern.on == pattern.period && (b.top == b.bottom || b.left == b.right)) {
    DrawLine(buffer, b.left, b.top, b.right, b.bottom, pixel);
    return;
  }
  for (int i = 0; i < count; ++i) {
    const Vertex a = points[i];
    const Vertex next = points[i + 1 == count ? 0 : i + 1];
    if (!SamePoint(a, next)) DrawLine(buffer, a.x, a.y, next.x, next.y, pixel, pattern);
  }
  if (b.left == b.right && b.top == b.bottom) DrawLine(buffer, b.left, b.top, b.left, b.top, pixel, pattern);
}

}  // namespace raster
