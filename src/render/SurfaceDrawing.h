#pragma once

#include "render/DrawingSurface.h"
#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/View.h"
#include "surface/CellTable.h"

namespace render {

// Redraws the picture: depth of every cell into its Depth column, rows reordered
// farthest first (stable), clear, axes, then every cell as a filled polygon in the
// colours of the view's mode. Errors propagate, leaving the picture half drawn.
void DrawSurface(surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes, const View& view,
                 DepthOrder& order);

}  // namespace render
