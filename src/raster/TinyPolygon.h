#pragma once

#include <cstdint>

#include "raster/PixelBuffer.h"

namespace raster {

// FillEvenOdd (when `filled`) and then a 1-pixel solid DrawPolygonOutline of a
// polygon whose vertices all lie within one square of 2 x 2 pixels, as nearly all
// cells of a fine grid do: the same pixels for a fraction of the work. Returns
// false, drawing nothing, for a larger polygon.
//
// Why it is exact: an edge between vertices of such a square reaches at most the
// neighbouring pixel, so the outline sets the vertices and nothing else; and of
// the fill only the square's top-left pixel has its centre inside the square's
// extent, set when an odd number of edges crossing its row toggles at its column.
bool FillAndOutlineTiny(const PixelBuffer& buffer, const Vertex* points, int count, bool filled,
                        uint32_t fillPixel, uint32_t outlinePixel);

}  // namespace raster
