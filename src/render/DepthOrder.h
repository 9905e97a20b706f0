#pragma once

#include "render/View.h"
#include "surface/Spots.h"

namespace render {

// Writes each cell's depth under the view's angles into its Depth column, row by
// row: larger is nearer to the viewer. Raises runtime::RuntimeError (overflow) at
// the first depth beyond the 32-bit float range, leaving the rows before it written.
void StoreDepths(surface::Spots& spots, const View& view);

// Reorders the rows in place by Depth, smallest (farthest) first. Rows of equal
// depth keep their order, so the result is the one of a bubble sort that swaps
// neighbours only when the first is strictly deeper. An already sorted table,
// as after a redraw with unchanged angles, is left untouched after one pass.
void SortRowsFarthestFirst(surface::Spots& spots);

}  // namespace render
