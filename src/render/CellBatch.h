#pragma once

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
// colour code: from corner 0 to 1, from corner 2 to 3, or none.
enum Border : uint8_t { NoBorder, FirstBorder, LastBorder };
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

  bool Holds(std::size_t cell) const {
    return spans == nullptr || (band >= spans[cell].first && band <= spans[cell].last);
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
    if (borders[cell] == FirstBorder) edge(0, 1);
    if (borders[cell] == LastBorder) edge(2, 3);
    edge(1, 2);
    edge(3, 0);
    return static_cast<int>(next - lines.data()) / 4;
  }
};

}  // namespace render
