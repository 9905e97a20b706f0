#include "render/Axes.h"

#include <string_view>

#include "runtime/Conversions.h"
#include "render/Projection.h"

namespace render {
namespace {

// "X" stands at the end of the negative X half-axis, "Y" and "Z" at the positive ends.
std::string_view AxisLabel(int segment) {
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

}  // namespace

void DrawAxes(DrawingSurface& area, const AxisPoints& axes, const View& view) {
  area.SetForeColor(0);
  for (int segment = 0; segment < static_cast<int>(axes.size()); ++segment) {
    const AxisSegment& s = axes[segment];
    const ScreenPoint start = ProjectPoint(s[0], s[1], s[2], view.Theta, view.Phi, view.GraphScale);
    const ScreenPoint end = ProjectPoint(s[3], s[4], s[5], view.Theta, view.Phi, view.GraphScale);
    area.SetLineStyle(LineStyle::Dotted);
    area.Line(runtime::ToSingle(start.x), runtime::ToSingle(start.y), runtime::ToSingle(end.x),
              runtime::ToSingle(end.y), PaletteWhite);
    area.SetLineStyle(LineStyle::Solid);
    area.SetCurrentPosition(runtime::ToSingle(end.x), runtime::ToSingle(end.y));
    if (const std::string_view label = AxisLabel(segment); !label.empty()) area.Print(label);
  }
}

}  // namespace render
