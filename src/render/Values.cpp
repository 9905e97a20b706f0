#include "render/Values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "render/Axes.h"
#include "render/Caption.h"
#include "render/ColorKey.h"
#include "render/Projection.h"
#include "render/RoundTicks.h"
#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"
#include "surface/CubeScaling.h"

namespace render {
namespace {

// Sizes in pixels of the drawing area, multiplied by the surface's pixel scale.
constexpr double SmallPrintPixels = 9;
constexpr double TickPixels = 3;
constexpr double GapPixels = 2;
constexpr double MarginPixels = 3;
// Coarser steps tried before an axis keeps what it has.
constexpr int MostThinning = 6;
constexpr const char* Ellipsis = "\xE2\x80\xA6";

struct Box {
  double left, top, right, bottom;

  bool Overlaps(const Box& other, double padding) const {
    return left < other.right + padding && other.left < right + padding && top < other.bottom + padding &&
           other.top < bottom + padding;
  }
  bool Inside(double side) const { return left >= 0 && top >= 0 && right <= side && bottom <= side; }
};

struct Layout {
  DrawingSurface& area;
  double scale;  // the surface's pixels per pixel of the drawing area
  double side;
  std::vector<Box> taken;

  double Pixels(double areaPixels) const { return areaPixels * scale; }
  bool Free(const Box& box) const {
    return box.Inside(side) && std::none_of(taken.begin(), taken.end(),
                                            [&](const Box& other) { return box.Overlaps(other, Pixels(1)); });
  }
  void Write(const Box& box, std::string_view text) {
    area.SetCurrentPosition(static_cast<float>(box.left), static_cast<float>(box.top));
    area.Print(text);
    taken.push_back(box);
  }
};

struct AxisRange {
  float low, high;
  std::optional<float> coef, center;
  int along;  // 0 x, 1 y, 2 z of the cube
};

// A tick in the surface's pixels, on the pixel where the cells of its value stand.
struct PlacedTick {
  double x, y;
  Box label;
  std::string text;
};

std::optional<PlacedTick> PlaceTick(const Tick& tick, const AxisRange& axis, const ViewProjector& projector,
                                    double normalX, double normalY, const Layout& layout) {
  std::array<double, 3> cube{};
  try {
    cube[static_cast<std::size_t>(axis.along)] = surface::CubeCoordinate(axis.coef, axis.center, tick.value);
  } catch (const runtime::RuntimeError&) {
    return std::nullopt;
  }
  const ScreenPoint p = projector.Project(cube[0], cube[1], cube[2]);
  constexpr double Reach = 1 << 30;
  if (!(std::fabs(p.x) < Reach && std::fabs(p.y) < Reach)) return std::nullopt;
  const auto x = static_cast<double>(runtime::NearestWholeWithinReach(p.x));
  const auto y = static_cast<double>(runtime::NearestWholeWithinReach(p.y));
  const DrawingSurface::TextExtent extent = layout.area.MeasureText(tick.text);
  const double away = layout.Pixels(TickPixels + GapPixels);
  const double left = x + normalX * away + (normalX - 1) * extent.width / 2;
  const double top = y + normalY * away + (normalY - 1) * extent.height / 2;
  return PlacedTick{x, y, {left, top, left + extent.width, top + extent.height}, tick.text};
}

bool Crowded(const std::vector<PlacedTick>& ticks, const Layout& layout) {
  for (std::size_t i = 0; i < ticks.size(); ++i)
    for (std::size_t j = i + 1; j < ticks.size(); ++j)
      if (ticks[i].label.Inside(layout.side) && ticks[j].label.Inside(layout.side) &&
          ticks[i].label.Overlaps(ticks[j].label, layout.Pixels(1)))
        return true;
  return false;
}

void DrawAxisTicks(Layout& layout, const AxisRange& axis, const ViewProjector& projector, char separator) {
  // The axis' direction on the picture; the labels stand off it on one side.
  std::array<double, 3> unit{};
  unit[static_cast<std::size_t>(axis.along)] = 100;
  const ScreenPoint origin = projector.Project(0, 0, 0);
  const ScreenPoint end = projector.Project(unit[0], unit[1], unit[2]);
  const double dx = end.x - origin.x, dy = end.y - origin.y, length = std::hypot(dx, dy);
  if (!(length > 1e-9) || !std::isfinite(length)) return;  // seen end on, the axis is a point
  double normalX = -dy / length, normalY = dx / length;
  if (normalY < 0 || (normalY == 0 && normalX < 0)) normalX = -normalX, normalY = -normalY;

  std::vector<PlacedTick> placed;
  for (int coarser = 0; coarser <= MostThinning; ++coarser) {
    placed.clear();
    for (const Tick& tick : RoundTicks(axis.low, axis.high, coarser, separator))
      if (auto p = PlaceTick(tick, axis, projector, normalX, normalY, layout))
        placed.push_back(std::move(*p));
    if (placed.size() <= 1 || !Crowded(placed, layout)) break;
  }
  const double reach = layout.Pixels(TickPixels);
  for (const PlacedTick& tick : placed) {
    if (tick.x < 0 || tick.y < 0 || tick.x > layout.side || tick.y > layout.side) continue;
    // Two strokes out from the tick's pixel, so that both start exactly on it.
    for (const double sign : {1.0, -1.0})
      layout.area.Line(static_cast<float>(tick.x), static_cast<float>(tick.y),
                       static_cast<float>(tick.x + sign * normalX * reach),
                       static_cast<float>(tick.y + sign * normalY * reach), 0);
    if (layout.Free(tick.label)) layout.Write(tick.label, tick.text);
  }
}

// The caption, its formula shortened with an ellipsis where the line is too
// short, and cut at the end where even the ranges do not fit.
std::string FittedCaption(const PlotFacts& plot, const DrawingSurface& area, double width) {
  const auto fits = [&](const std::string& text) { return area.MeasureText(text).width <= width; };
  const auto caption = [&](std::string_view formula) {
    return CaptionText(formula, plot.limits, plot.decimalSeparator);
  };
  std::string text = caption(plot.formula);
  if (fits(text)) return text;
  // Cuts only between whole UTF-8 characters.
  const auto longestFitting = [&](std::string_view whole, const auto& make) {
    std::size_t length = whole.size();
    while (length > 0) {
      --length;
      while (length > 0 && (static_cast<unsigned char>(whole[length]) & 0xC0) == 0x80) --length;
      if (fits(make(whole.substr(0, length)))) return make(whole.substr(0, length));
    }
    return make(std::string_view());
  };
  const auto withShortFormula = [&](std::string_view part) { return caption(std::string(part) + Ellipsis); };
  if (fits(withShortFormula({}))) return longestFitting(plot.formula, withShortFormula);
  return longestFitting(text, [](std::string_view part) { return std::string(part) + Ellipsis; });
}

// Returns the caption's box, at the bottom unless only the top is clear.
Box DrawCaption(Layout& layout, const PlotFacts& plot) {
  const double margin = layout.Pixels(MarginPixels);
  const std::string text = FittedCaption(plot, layout.area, layout.side - 2 * margin);
  const DrawingSurface::TextExtent extent = layout.area.MeasureText(text);
  const double left = (layout.side - extent.width) / 2;
  const Box bottom{left, layout.side - margin - extent.height, left + extent.width, layout.side - margin};
  const Box top{left, margin, left + extent.width, margin + extent.height};
  const Box& box = !layout.Free(bottom) && layout.Free(top) ? top : bottom;
  layout.Write(box, text);
  return box;
}

// The letters X, Y and Z where the axes put them, in the area's font.
void TakeAxisLetters(Layout& layout, const AxisPoints& axes, const ViewProjector& projector) {
  for (std::size_t segment = 0; segment < axes.size(); ++segment) {
    const std::string_view letter = AxisLabel(segment);
    if (letter.empty()) continue;
    const AxisSegment& s = axes[segment];
    const ScreenPoint at = projector.Project(s[3], s[4], s[5]);
    const DrawingSurface::TextExtent extent = layout.area.MeasureText(letter);
    layout.taken.push_back({at.x, at.y, at.x + extent.width, at.y + extent.height});
  }
}

// Top left, below a caption that went to the top.
void DrawColorKey(Layout& layout, const PlotFacts& plot, const Box& caption) {
  const std::vector<KeyEntry> entries = ColorKeyEntries(plot.limits, plot.coefficients);
  const double range = static_cast<double>(plot.limits.ZMax()) - plot.limits.ZMin();
  // Three digits of the range's size are enough to tell the bands apart.
  const int exponent = range > 0 ? static_cast<int>(std::floor(std::log10(range))) - 2 : 0;
  const double margin = layout.Pixels(MarginPixels);
  double top = caption.top < layout.side / 2 ? caption.bottom + layout.Pixels(GapPixels) : margin;
  for (const KeyEntry& entry : entries) {
    const std::string text = RoundedText(entry.low, exponent, plot.decimalSeparator) + ".." +
                             RoundedText(entry.high, exponent, plot.decimalSeparator);
    const DrawingSurface::TextExtent extent = layout.area.MeasureText(text);
    const double swatch = std::round(extent.height * 0.7);
    const auto left = static_cast<int32_t>(std::lround(margin));
    const auto swatchTop = static_cast<int32_t>(std::lround(top + (extent.height - swatch) / 2));
    const auto swatchSide = static_cast<int32_t>(swatch);
    const std::array<PolygonPoint, 4> square{{{left, swatchTop},
                                              {left, swatchTop + swatchSide},
                                              {left + swatchSide, swatchTop + swatchSide},
                                              {left + swatchSide, swatchTop}}};
    layout.area.SetFillStyle(FillStyle::Solid);
    layout.area.SetFillColor(entry.color);
    layout.area.Polygon(square.data(), static_cast<int>(square.size()));
    const double textLeft = left + swatch + layout.Pixels(GapPixels);
    layout.Write({textLeft, top, textLeft + extent.width, top + extent.height}, text);
    layout.taken.push_back({static_cast<double>(left), top, textLeft, top + extent.height});
    top += extent.height;
  }
}

}  // namespace

void DrawValues(DrawingSurface& area, const PlotFacts& plot, const AxisPoints& axes, const View& view) {
  const double scale = area.PixelScale();
  Layout layout{area, scale, 2 * ScreenCentre * scale, {}};
  const ViewProjector projector(view, scale);
  area.SetForeColor(0);
  area.SetLineStyle(LineStyle::Solid);
  TakeAxisLetters(layout, axes, projector);
  area.SetSmallPrint(SmallPrintPixels * scale);
  const Box caption = DrawCaption(layout, plot);
  if (view.mode == surface::ColorMode::Colors && plot.builtMode == surface::ColorMode::Colors)
    DrawColorKey(layout, plot, caption);
  const surface::Limits& l = plot.limits;
  const surface::Coefficients& c = plot.coefficients;
  for (const AxisRange& axis : {AxisRange{l.XMin(), l.XMax(), c.scaleX, c.centerX, 0},
                                AxisRange{l.YMin(), l.YMax(), c.scaleY, c.centerY, 1},
                                AxisRange{l.ZMin(), l.ZMax(), c.scaleZ, c.centerZ, 2}})
    DrawAxisTicks(layout, axis, projector, plot.decimalSeparator);
  area.SetSmallPrint(0);
}

}  // namespace render
