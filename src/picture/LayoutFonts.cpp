#include "picture/LayoutFonts.h"

#include <algorithm>
#include <cmath>

#include "picture/QtText.h"

namespace picture {

int PixelSizeOfPoints(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont QtFont(const window::FontStyle& style, double scale) {
  QFont font(FromUtf8(style.face));
  font.setPixelSize(std::max(1, PixelSizeOfPoints(style.points * scale)));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

}  // namespace picture
