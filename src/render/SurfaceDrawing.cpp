#include "render/SurfaceDrawing.h"

#include <array>

#include "render/Axes.h"
#include "render/DepthOrder.h"
#include "render/ViewProjector.h"
#include "runtime/Conversions.h"

namespace render {
namespace {

using platform::Color;
using platform::PolygonPoint;
using surface::SpotRow;

constexpr Color GridOutline = 0x000000;
constexpr Color GridFill = 0xE0E0E0;
constexpr Color ColorsOutline = 0xC0C0C0;
// In "Lines" the outline has the fill's colour, so only the grey edge lines show.
constexpr Color LinesOutlineAndFill = 0xECE3BB;

struct ScreenPoint {
  double x;
  double y;
};

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

void EdgeLine(platform::DrawingSurface& area, ScreenPoint from, ScreenPoint to) {
  area.Line(runtime::ToSingle(from.x), runtime::ToSingle(from.y), runtime::ToSingle(to.x),
            runtime::ToSingle(to.y), platform::PaletteDarkGrey);
}

// The edges of constant y always, and the border edges at the ends of the X range
// of the cells whose codes mark them.
void DrawEdgeLines(platform::DrawingSurface& area, const std::array<ScreenPoint, 4>& p, float colorCode) {
  if (colorCode == 1) EdgeLine(area, p[0], p[1]);
  if (colorCode == 2) EdgeLine(area, p[2], p[3]);
  EdgeLine(area, p[1], p[2]);
  EdgeLine(area, p[3], p[0]);
}

void PaintCell(platform::DrawingSurface& area, const ViewProjector& projector, const SpotRow& row,
               ColorMode mode) {
  std::array<ScreenPoint, 4> corners;
  for (int c = 0; c < 4; ++c) {
    projector.Project(row[3 * c], row[3 * c + 1], row[3 * c + 2], corners[c].x, corners[c].y);
  }
  area.SetForeColor(OutlineColor(mode));
  const std::array<PolygonPoint, 4> pixels{ToPixel(corners[0]), ToPixel(corners[1]), ToPixel(corners[2]),
                                           ToPixel(corners[3])};
  // The quadrilateral traced with every corner but the first twice in a row.
  const std::array<PolygonPoint, 8> polygon{pixels[0], pixels[1], pixels[1], pixels[2],
                                            pixels[2], pixels[3], pixels[3], pixels[0]};
  area.SetFillStyle(platform::FillStyle::Solid);
  area.SetFillColor(FillColor(mode, row[surface::ColorCode]));
  area.Polygon(polygon.data(), static_cast<int>(polygon.size()));
  if (mode == ColorMode::Lines) DrawEdgeLines(area, corners, row[surface::ColorCode]);
}

}  // namespace

void DrawFunction(surface::Spots& spots, platform::DrawingSurface& area, const AxisPoints& axes,
                  const View& view) {
  StoreDepths(spots, view);
  SortRowsFarthestFirst(spots);
  area.Clear();
  DrawAxies(area, axes, view);
  const ViewProjector projector(view);
  for (const SpotRow& row : spots) PaintCell(area, projector, row, view.mode);
}

}  // namespace render
