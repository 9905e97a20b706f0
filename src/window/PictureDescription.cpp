#include "window/PictureDescription.h"

#include <algorithm>

#include "render/Caption.h"
#include "window/NumberReader.h"
#include "window/WindowLayout.h"

namespace window {
namespace {

std::string NumberText(float value, char decimalSeparator) {
  std::string text = ShortestText(value);
  std::ranges::replace(text, '.', decimalSeparator);
  return text;
}

}  // namespace

std::string PictureDescription(const DrawnSurface* drawn, const render::View& view, char decimalSeparator) {
  if (drawn == nullptr) return "No surface yet: the axes alone. Draw Function draws one.";
  const surface::Limits& limits = drawn->limits;
  return render::CaptionText(drawn->formula, limits, decimalSeparator) + ", Z " +
         NumberText(limits.ZMin(), decimalSeparator) + ".." + NumberText(limits.ZMax(), decimalSeparator) +
         "; color mode " + std::string(ColorModeMenuItem(view.mode).caption) + ", \u0398 " +
         std::to_string(view.Theta) + "\u00B0, \u03A6 " + std::to_string(view.Phi) + "\u00B0, scale " +
         std::to_string(view.GraphScale);
}

}  // namespace window
