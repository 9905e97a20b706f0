#pragma once

#include "platform/DrawingSurface.h"
#include "platform/LineRaster.h"
#include "platform/PixelBuffer.h"

namespace platform {

// The closed outline of a polygon: a 1-pixel line along every edge, the last
// vertex joined to the first. A polygon whose vertices all coincide shows as that
// one pixel.
void DrawPolygonOutline(const PixelBuffer& buffer, const PolygonPoint* points, int count, uint32_t pixel,
                        DashPattern pattern);

}  // namespace platform
