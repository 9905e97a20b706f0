#pragma once

#include "platform/DrawingSurface.h"
#include "render/AxisPoints.h"
#include "render/View.h"
#include "surface/Spots.h"

namespace render {

// Redraws the picture: depth of every cell into its Depth column, rows reordered
// farthest first (stable), clear, axes, then every cell as a filled polygon in the
// colours of the view's mode. Errors propagate, leaving the picture half drawn.
void DrawFunction(surface::Spots& spots, platform::DrawingSurface& area, const AxisPoints& axes,
                  const View& view);

}  // namespace render
