#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/DrawingSurface.h"
#include "render/View.h"
#include "runtime/LargeBuffer.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTable.h"

namespace render {

// Paints a cell table onto a drawing area, the work shared out over a worker
// pool. What it works out for every cell is kept from one redraw to the next, so
// that a drag allocates nothing.
class CellPainter {
 public:
  // Clears the area, draws the axes, then every cell of the table, in the given
  // order (row numbers of the table, each once), as a filled polygon in the colours
  // of the view's mode. The pool's threads place the cells' corners in pixels, then
  // draw them, each into its band when the area splits into bands, every band only
  // the cells that can reach it (see DrawingSurface::BandReach). Raises
  // runtime::RuntimeError (Overflow) at the first cell in the order whose corner or
  // colour lies beyond a 32-bit integer, with the cells before it drawn, as if they
  // had been drawn one after another. Painting the same table, order and view
  // again gives the same picture.
  void Paint(const surface::CellTable& cells, std::span<const uint32_t> order, DrawingSurface& area,
             const AxisPoints& axes, const View& view, runtime::WorkerPool& pool);

 private:
  // Places the cells in the painter's order and notes the bands each may reach.
  // Returns how many cells come before the first misfit.
  std::size_t PlaceCells(const surface::CellTable& cells, std::span<const uint32_t> order, const View& view,
                         const DrawingSurface& area, runtime::WorkerPool& pool);
  // The same into corners of one width; nothing when a corner does not fit it.
  template <class Corners>
  std::optional<std::size_t> PlaceCellsAs(runtime::LargeBuffer<Corners>& corners,
                                          const surface::CellTable& cells, std::span<const uint32_t> order,
                                          const View& view, const DrawingSurface& area,
                                          runtime::WorkerPool& pool);
  // Draws the placed cells before `count` that band k may show.
  void DrawCells(DrawingSurface& band, std::size_t k, std::size_t count, surface::ColorMode mode) const;
  BandSpan SpanOf(double top, double bottom) const;
  // Whether a part of the last placing met a corner beyond narrow corners.
  bool AnyBeyondNarrow() const;

  // In the painter's order: the corners in pixels (narrow, or wide when a redraw
  // needs it), the bands each cell may reach, the fill colours in "Colors" and
  // "Rnd Colors", and in "Lines" the edge lines' ends and the border edges.
  runtime::LargeBuffer<NarrowCorners> narrowCorners_;
  runtime::LargeBuffer<WideCorners> wideCorners_;
  bool wide_ = false;
  // Whether the last wide placing had a corner beyond narrow ones.
  bool wideNeeded_ = false;
  runtime::LargeBuffer<BandSpan> spans_;
  runtime::LargeBuffer<Color> fills_;
  runtime::LargeBuffer<EdgeEnds> ends_;
  runtime::LargeBuffer<Border> borders_;
  std::size_t parts_ = 1;
  std::size_t bands_ = 1;
  // Per part of the placing: where in the order its first misfit lies, or the
  // order's size; and whether a corner went beyond narrow corners.
  std::vector<std::size_t> misfits_;
  std::vector<char> beyondNarrow_;
  std::vector<DrawingSurface::Reach> reaches_;
};

// A redraw: the order sorted for the view (a fault there leaves the area and the
// order as they were), then the table painted in it. An order of another size
// than the table is restarted with it first.
void DrawSurface(const surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes,
                 const View& view, DepthOrder& order, CellPainter& painter, runtime::WorkerPool& pool);

}  // namespace render
