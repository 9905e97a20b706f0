#pragma once

#include "raster/PixelBuffer.h"

namespace raster {

// Fills a polygon with integer vertices under the even-odd rule: a pixel is set
// when its centre (x + 1/2, y + 1/2) lies inside. A centre exactly on an edge
// counts as inside on the left end of a span and outside on the right end, so
// two polygons that share an edge never both cover a pixel. A polygon without
// area (all vertices on a point or a line) sets nothing. Vertices may lie anywhere
// in the 32-bit range; the fill is clipped to the buffer.
void FillEvenOdd(const PixelBuffer& buffer, const Vertex* points, int count, uint32_t pixel);

}  // namespace raster
