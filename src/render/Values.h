#pragma once

#include <string>

#include "render/AxisPoints.h"
#include "render/DrawingSurface.h"
#include "render/View.h"
#include "surface/Coefficients.h"
#include "surface/ColorMode.h"
#include "surface/Limits.h"

namespace render {

// What a drawn surface was made from, as its values tell it: the formula, the
// ranges, the cube's mapping and the colour mode of its cells.
struct PlotFacts {
  std::string formula;
  surface::Limits limits;
  surface::Coefficients coefficients;
  surface::ColorMode builtMode = surface::ColorMode::Grid;
  char decimalSeparator = '.';
};

// Writes the values onto a drawn surface: round values along the three axes, each
// tick where the cells of that value stand; in "Colors", a key of the colours in
// use; and a caption of the formula and ranges along the bottom (along the top
// where an axis letter stands in the bottom line and not in the top one). Labels
// that would crowd are thinned out to coarser steps, and one that would still
// cover another, or an axis letter, or leave the picture is left out. Small print
// grows with the surface's pixel scale. Leaves the foreground black, the lines
// solid and the area's font on.
void DrawValues(DrawingSurface& area, const PlotFacts& plot, const AxisPoints& axes, const View& view);

}  // namespace render
