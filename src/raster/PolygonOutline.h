#pragma once

#include "raster/LineRaster.h"
#include "raster/PixelBuffer.h"

namespace raster {

// The closed outline of a polygon: a 1-pixel line along every edge, the last
// vertex joined to the first. A polygon whose vertices all coincide shows as that
// one pixel. Wider outlines (see DrawLine) fill a square of their width at every
// vertex, so that the corners close.
void DrawPolygonOutline(const PixelBuffer& buffer, const Vertex* points, int count, uint32_t pixel,
                        DashPattern pattern, int width = 1);

}  // namespace raster
