#include "platform/LayoutFonts.h"

#include <cmath>

namespace platform {

int PixelSizeOfPoints(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont QtFont(const window::FontStyle& style) {
  QFont font(QString::fromUtf8(style.face.data(), static_cast<qsizetype>(style.face.size())));
  font.setPixelSize(PixelSizeOfPoints(style.points));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

}  // namespace platform
