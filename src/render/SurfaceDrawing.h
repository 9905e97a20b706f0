#pragma once

#include "render/DrawingSurface.h"
#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/View.h"
#include "surface/CellTable.h"

namespace render {

// Redraws the picture: SortForView, then PaintSurface. Errors propagate, leaving
// the picture half drawn.
void DrawSurface(surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes, const View& view,
                 DepthOrder& order);

// Depth of every cell under the view into its Depth column, then the rows
// reordered farthest first (stable). Draws nothing.
void SortForView(surface::CellTable& cells, const View& view, DepthOrder& order);

// Clears the area, draws the axes, then every cell in the table's order as a
// filled polygon in the colours of the view's mode. Painting a table sorted for
// the same view again gives the same picture.
void PaintSurface(const surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes,
                  const View& view);

}  // namespace render
