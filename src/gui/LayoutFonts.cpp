#include "gui/LayoutFonts.h"

#include <cmath>

#include "gui/QtText.h"

namespace gui {

int PixelSizeOfPoints(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont QtFont(const window::FontStyle& style) {
  QFont font(FromUtf8(style.face));
  font.setPixelSize(PixelSizeOfPoints(style.points));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

}  // namespace gui
