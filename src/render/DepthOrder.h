#pragma once

#include <cstdint>
#include <vector>

#include "render/View.h"
#include "surface/CellTable.h"

namespace render {

// Writes each cell's depth under the view's angles into its Depth column, row by
// row: larger is nearer to the viewer. Raises runtime::RuntimeError (overflow) at
// the first depth beyond the 32-bit float range, leaving the rows before it written.
void StoreDepths(surface::CellTable& cells, const View& view);

// Reorders the rows of a cell table by Depth, smallest (farthest) first. Rows of
// equal depth keep their order, so the result is the one of a bubble sort that
// swaps neighbours only when the first is strictly deeper. An already sorted
// table, as after a redraw with unchanged angles, is left untouched after one pass.
// The working memory is kept from one sort to the next: a drag redraws a table of
// up to millions of rows many times a second, and fresh buffers would cost more in
// page faults than the sort itself.
class DepthOrder {
 public:
  // Key in the high half, row index in the low half.
  using KeyedRow = uint64_t;

  void SortFarthestFirst(surface::CellTable& cells);

 private:
  std::vector<KeyedRow> keyed_;
  std::vector<KeyedRow> spare_;
  surface::CellTable rows_;
};

}  // namespace render
