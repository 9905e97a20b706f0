#pragma once

#include <QFont>
#include <functional>

#include "platform/Color.h"
#include "platform/ImageSurface.h"
#include "render/Axes.h"

namespace render_test {

inline constexpr platform::Color Background = 0xE0E0E0;

// The drawing area's font, Times New Roman 9.75 pt bold.
inline QFont AreaFont() {
  QFont font("Times New Roman");
  font.setPointSizeF(9.75);
  font.setBold(true);
  return font;
}

inline platform::ImageSurface MakeArea(int width = 326, int height = 326) {
  return platform::ImageSurface(width, height, Background, AreaFont());
}

// How many pixels of the image satisfy the predicate on their colour.
inline int CountPixels(const platform::ImageSurface& area,
                       const std::function<bool(platform::Color)>& matches) {
  int count = 0;
  for (int y = 0; y < area.image().height(); ++y) {
    for (int x = 0; x < area.image().width(); ++x) count += matches(area.PixelAt(x, y)) ? 1 : 0;
  }
  return count;
}

inline int CountColor(const platform::ImageSurface& area, platform::Color color) {
  return CountPixels(area, [color](platform::Color c) { return c == color; });
}

// The start view's axes alone, to compare a picture against.
inline platform::ImageSurface MakeAreaWithAxes() {
  platform::ImageSurface area = MakeArea();
  render::DrawAxies(area, render::StandardAxisPoints(), render::View{});
  return area;
}

}  // namespace render_test
