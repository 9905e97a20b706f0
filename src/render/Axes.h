#pragma once

#include <cstddef>
#include <string_view>

#include "render/AxisPoints.h"
#include "render/DrawingSurface.h"
#include "render/View.h"

namespace render {

// The letter written at the end of an axis segment, or nothing.
std::string_view AxisLabel(std::size_t segment);

// Six dotted white half-axes and the black letters X, Y, Z at the ends of
// segments 0, 3 and 5. Errors of the projection propagate.
void DrawAxes(DrawingSurface& area, const AxisPoints& axes, const View& view);

}  // namespace render
