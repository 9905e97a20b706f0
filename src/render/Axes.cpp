#include "render/Axes.h"

#include <string_view>

#include "render/Projection.h"
#include "runtime/Conversions.h"

namespace render {

// "X" stands at the end of the negative X half-axis, "Y" and "Z" at the positive ends.
std::string_view AxisLabel(std::size_t segment) {
  switch (segment) {
    case 0:
      return "X";
    case 3:
      return "Y";
    case 5:
      return "Z";
    default:
      return {};
  }
}

void DrawAxes(DrawingSurface& area, const AxisPoints& axes, const View& view) {
  const double pixelScale = area.PixelScale();
  const auto project = [&](double x, double y, double z) {
    const ScreenPoint p = ProjectPoint(x, y, z, view.Theta, view.Phi, view.GraphScale);
    return ScreenPoint{p.x * pixelScale, p.y * pixelScale};
  };
  area.SetForeColor(0);
  for (std::size_t segment = 0; segment < axes.size(); ++segment) {
    const AxisSegment& s = axes[segment];
    const ScreenPoint start = project(s[0], s[1], s[2]);
    const ScreenPoint end = project(s[3], s[4], s[5]);
    area.SetLineStyle(LineStyle::Dotted);
    area.Line(runtime::ToSingle(start.x), runtime::ToSingle(start.y), runtime::ToSingle(end.x),
              runtime::ToSingle(end.y), PaletteWhite);
    area.SetLineStyle(LineStyle::Solid);
    area.SetCurrentPosition(runtime::ToSingle(end.x), runtime::ToSingle(end.y));
    if (const std::string_view label = AxisLabel(segment); !label.empty()) area.Print(label);
  }
}

}  // namespace render
