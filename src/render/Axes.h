#pragma once

#include "render/AxisPoints.h"
#include "render/DrawingSurface.h"
#include "render/View.h"

namespace render {

// Six dotted white half-axes and the black letters X, Y, Z at the ends of
// segments 0, 3 and 5. Errors of the projection propagate.
void DrawAxes(DrawingSurface& area, const AxisPoints& axes, const View& view);

}  // namespace render
