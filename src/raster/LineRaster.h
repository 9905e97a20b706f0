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

}  // namespace raster
