#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/DrawingSurface.h"
#include "render/LargeBuffer.h"
#include "render/View.h"
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
  using Corners = std::array<PolygonPoint, 4>;
  // The corners as the edge lines of "Lines" take them: 32-bit floats.
  using EdgeEnds = std::array<float, 8>;
  // The border edge a cell of "Lines" draws besides the two of constant y, by its
  // colour code: from corner 0 to 1, from corner 2 to 3, or none.
  enum Border : uint8_t { NoBorder, FirstBorder, LastBorder };

  // Places the cells in the painter's order and, with several bands, lists for
  // each band the cells that may reach it. Returns how many cells come before the
  // first misfit.
  std::size_t PlaceCells(const surface::CellTable& cells, std::span<const uint32_t> order, const View& view,
                         const DrawingSurface& area, runtime::WorkerPool& pool);
  // Draws the placed cells before `count` that band k may show.
  void DrawCells(DrawingSurface& band, std::size_t k, std::size_t count, surface::ColorMode mode) const;
  void DrawCell(DrawingSurface& band, std::size_t cell, surface::ColorMode mode) const;

  // In the painter's order: the corners in pixels, the fill colours in "Colors"
  // and "Rnd Colors", and in "Lines" the edge lines' ends and the border edges.
  LargeBuffer<Corners> corners_;
  LargeBuffer<Color> fills_;
  LargeBuffer<EdgeEnds> ends_;
  LargeBuffer<Border> borders_;
  std::size_t cells_ = 0;
  std::size_t parts_ = 1;
  std::size_t bands_ = 1;
  // Per part of the placing: where in the order its first misfit lies, or the order's size.
  std::vector<std::size_t> misfits_;
  // Per band, part after part, the cells that may reach the band, in the painter's
  // order: part p of band k starts at k * cells_ + the part's first cell, and holds
  // listed_[p * bands_ + k] of them. Each band so goes over its own cells alone.
  LargeBuffer<uint32_t> bandCells_;
  std::vector<std::size_t> listed_;
  std::vector<DrawingSurface::Reach> reaches_;
};

// A redraw: the order sorted for the view (a fault there leaves the area and the
// order as they were), then the table painted in it. An order of another size
// than the table is restarted with it first.
void DrawSurface(const surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes,
                 const View& view, DepthOrder& order, CellPainter& painter, runtime::WorkerPool& pool);

}  // namespace render
