#pragma once

#include <cstdint>

#include "raster/PixelBuffer.h"

namespace raster {

// Which pixels of a line are set, counted from its first pixel: `on` set, then
// `period` - `on` left out, over and over.
struct DashPattern {
  int on;
  int period;
};

inline constexpr DashPattern SolidPattern{1, 1};
// The dotted line style: three pixels on, three off.
inline constexpr DashPattern DottedPattern{3, 6};

// A 1-pixel line between two pixel positions, both ends included. Every pixel set
// is the one nearest to the exact line along the minor axis (ties go to the
// smaller coordinate), so a line covers the same pixels in both directions. The
// line is clipped to the buffer; end points may lie anywhere in the 32-bit range.
// A line `width` pixels wide is that many such lines side by side, one pixel
// apart along the minor axis, the extra ones shared out to both sides, which is
// how a picture drawn at several device pixels per pixel keeps its lines' weight.
void DrawLine(const PixelBuffer& buffer, int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t pixel,
              DashPattern pattern = SolidPattern, int width = 1);

// DrawLine of a 1-pixel line to a neighbouring pixel or to its own, as the edges of
// the tiny cells of a fine grid are: its two ends and nothing else, spared the
// walk's set-up. False, drawing nothing, for a longer line.
inline bool DrawShortLine(const PixelBuffer& buffer, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                          uint32_t pixel, DashPattern pattern = SolidPattern) {
  if (x1 - x0 > 1 || x0 - x1 > 1 || y1 - y0 > 1 || y0 - y1 > 1) return false;
  if (buffer.Contains(x0, y0)) buffer.Put(x0, y0, pixel);
  // The far end is the line's second pixel, one from its first.
  if (1 % pattern.period < pattern.on && buffer.Contains(x1, y1)) buffer.Put(x1, y1, pixel);
  return true;
}

}  // namespace raster
