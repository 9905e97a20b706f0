#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "render/Color.h"

namespace render {

// One vertex of a polygon, in integer pixels of the drawing area.
struct PolygonPoint {
  int32_t x;
  int32_t y;
};

// A cell's corners in pixels. Sixteen bits hold them for any picture and most
// zooms; a redraw with a corner beyond takes 32 bits.
struct NarrowPoint {
  int16_t x;
  int16_t y;
};
using NarrowCorners = std::array<NarrowPoint, 4>;
using WideCorners = std::array<PolygonPoint, 4>;
// The corners as the edge lines of "Lines" take them: 32-bit floats, x then y.
using EdgeEnds = std::array<float, 8>;
// The border edge a cell of "Lines" draws besides the two of constant y, by its
// colour code: from corner 0 to 1, from corner 2 to 3, or none. EndsAtCorners is
// added where the edge lines' ends round to the cell's corners, as they nearly
// always do: the lines of a tiny cell then set just the corners' pixels. (One byte
// for both: the memory a cell's painting takes is part of the table's cap.)
enum Border : uint8_t { NoBorder, FirstBorder, LastBorder, EndsAtCorners = 4 };
// The bands a cell may reach, first to last; first > last when none.
struct BandSpan {
  uint8_t first;
  uint8_t last;
};

// The placed cells of a redraw in the painter's order, handed to a surface in one
// call (see DrawingSurface::DrawCells). Each array has `count` entries.
struct CellBatch {
  std::size_t count = 0;
  // The corners: narrow ones, or else wide ones.
  const NarrowCorners* narrow = nullptr;
  const WideCorners* wide = nullptr;
  // With spans, only the cells whose span holds `band` are drawn.
  const BandSpan* spans = nullptr;
  std::size_t band = 0;
  // Each cell's fill colour; without them, the surface's fill colour.
  const Color* fills = nullptr;
  // In "Lines", each cell's edge lines follow it, in `edgeColor`.
  const EdgeEnds* ends = nullptr;
  const Border* borders = nullptr;
  Color edgeColor = 0;

  bool EndsAtCornersOf(std::size_t cell) const { return (borders[cell] & EndsAtCorners) != 0; }

  // draw(cell) for every cell the batch holds, in order. Whether a cell lies on a
  // band is a coin toss in the painter's order: the cells are picked out a run at
  // a time without a branch, then drawn.
  template <class Draw>
  void ForEachHeld(Draw&& draw) const {
    if (spans == nullptr) {
      for (std::size_t cell = 0; cell < count; ++cell) draw(cell);
      return;
    }
    constexpr std::size_t Run = 256;
    std::array<uint32_t, Run> held;
    for (std::size_t start = 0; start < count; start += Run) {
      const std::size_t end = std::min(count, start + Run);
      std::size_t found = 0;
      for (std::size_t cell = start; cell < end; ++cell) {
        held[found] = static_cast<uint32_t>(cell);
        found += static_cast<std::size_t>((band >= spans[cell].first) & (band <= spans[cell].last));
      }
      for (std::size_t k = 0; k < found; ++k) draw(std::size_t{held[k]});
    }
  }

  WideCorners CornersOf(std::size_t cell) const {
    if (narrow == nullptr) return wide[cell];
    WideCorners corners;
    for (std::size_t c = 0; c < 4; ++c) corners[c] = {narrow[cell][c].x, narrow[cell][c].y};
    return corners;
  }

  // The cell's edge lines as DrawingSurface::Lines takes them, into `lines`; how
  // many. The border edge, if any, then the two edges of constant y.
  int EdgeLines(std::size_t cell, std::array<float, 12>& lines) const {
    const EdgeEnds& e = ends[cell];
    float* next = lines.data();
    const auto edge = [&](std::size_t from, std::size_t to) {
      for (const std::size_t c : {from, to}) {
        *next++ = e[2 * c];
        *next++ = e[2 * c + 1];
      }
    };
    const unsigned border = borders[cell] & ~unsigned{EndsAtCorners};
    if (border == FirstBorder) edge(0, 1);
    if (border == LastBorder) edge(2, 3);
    edge(1, 2);
    edge(3, 0);
    return static_cast<int>(next - lines.data()) / 4;
  }
};

}  // namespace render
