#include "render/Axes.h"

#include <string_view>

#include "runtime/Conversions.h"
#include "surface/Projection.h"

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

void DrawAxies(platform::DrawingSurface& area, const AxisPoints& axes, const View& view) {
  area.SetForeColor(0);
  for (int segment = 0; segment < static_cast<int>(axes.size()); ++segment) {
    const AxisSegment& s = axes[segment];
    double startX = 0, startY = 0, endX = 0, endY = 0;
    surface::ProjectPoint(s[0], s[1], s[2], view.Theta, view.Phi, view.GraphScale, startX, startY);
    surface::ProjectPoint(s[3], s[4], s[5], view.Theta, view.Phi, view.GraphScale, endX, endY);
    area.SetLineStyle(platform::LineStyle::Dotted);
    area.Line(runtime::ToSingle(startX), runtime::ToSingle(startY), runtime::ToSingle(endX),
              runtime::ToSingle(endY), platform::PaletteWhite);
    area.SetLineStyle(platform::LineStyle::Solid);
    area.SetCurrentPosition(runtime::ToSingle(endX), runtime::ToSingle(endY));
    if (const std::string_view label = AxisLabel(segment); !label.empty()) area.Print(label);
  }
}

}  // namespace render
