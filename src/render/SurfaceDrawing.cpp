#include "render/SurfaceDrawing.h"

#include <array>

#include "render/Axes.h"
#include "render/DepthOrder.h"
#include "render/Projection.h"
#include "runtime/Conversions.h"

namespace render {
namespace {

using surface::Cell;
using surface::ColorMode;

constexpr Color GridOutline = 0x000000;
constexpr Color GridFill = 0xE0E0E0;
constexpr Color ColorsOutline = 0xC0C0C0;
// In "Lines" the outline has the fill's colour, so only the grey edge lines show.
constexpr Color LinesOutlineAndFill = 0xECE3BB;

Color OutlineColor(ColorMode mode) {
  switch (mode) {
    case ColorMode::Colors:
    case ColorMode::RndColors:
      return ColorsOutline;
    case ColorMode::Grid:
      return GridOutline;
    case ColorMode::Lines:
      return LinesOutlineAndFill;
  }
  return GridOutline;
}

Color FillColor(ColorMode mode, float colorCode) {
  switch (mode) {
    case ColorMode::Grid:
      return GridFill;
    case ColorMode::Colors:
    case ColorMode::RndColors:
      return static_cast<Color>(runtime::ToLong(colorCode));
    case ColorMode::Lines:
      return LinesOutlineAndFill;
  }
  return GridFill;
}

PolygonPoint ToPixel(ScreenPoint p) { return {runtime::ToLong(p.x), runtime::ToLong(p.y)}; }

void EdgeLine(DrawingSurface& area, ScreenPoint from, ScreenPoint to) {
  area.Line(runtime::ToSingle(from.x), runtime::ToSingle(from.y), runtime::ToSingle(to.x),
            runtime::ToSingle(to.y), PaletteDarkGrey);
}

// The edges of constant y always, and the border edges at the ends of the X range
// of the cells whose codes mark them.
void DrawEdgeLines(DrawingSurface& area, const std::array<ScreenPoint, 4>& p, float colorCode) {
  if (colorCode == 1) EdgeLine(area, p[0], p[1]);
  if (colorCode == 2) EdgeLine(area, p[2], p[3]);
  EdgeLine(area, p[1], p[2]);
  EdgeLine(area, p[3], p[0]);
}

void PaintCell(DrawingSurface& area, const ViewProjector& projector, const Cell& row,
               ColorMode mode) {
  std::array<ScreenPoint, 4> corners;
  for (int c = 0; c < 4; ++c) {
    corners[c] = projector.Project(row[3 * c], row[3 * c + 1], row[3 * c + 2]);
  }
  area.SetForeColor(OutlineColor(mode));
  const std::array<PolygonPoint, 4> pixels{ToPixel(corners[0]), ToPixel(corners[1]), ToPixel(corners[2]),
                                           ToPixel(corners[3])};
  // The quadrilateral traced with every corner but the first twice in a row.
  const std::array<PolygonPoint, 8> polygon{pixels[0], pixels[1], pixels[1], pixels[2],
                                            pixels[2], pixels[3], pixels[3], pixels[0]};
  area.SetFillStyle(FillStyle::Solid);
  area.SetFillColor(FillColor(mode, row[surface::ColorCode]));
  area.Polygon(polygon.data(), static_cast<int>(polygon.size()));
  if (mode == ColorMode::Lines) DrawEdgeLines(area, corners, row[surface::ColorCode]);
}

}  // namespace

void DrawSurface(surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes, const View& view,
                 DepthOrder& order) {
  SortForView(cells, view, order);
  PaintSurface(cells, area, axes, view);
}

void SortForView(surface::CellTable& cells, const View& view, DepthOrder& order) {
  StoreDepths(cells, view);
  order.SortFarthestFirst(cells);
}

void PaintSurface(const surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes,
                  const View& view) {
  area.Clear();
  DrawAxes(area, axes, view);
  const ViewProjector projector(view, area.PixelScale());
  for (const Cell& row : cells) PaintCell(area, projector, row, view.mode);
}

}  // namespace render
