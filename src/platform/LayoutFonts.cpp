#include "platform/LayoutFonts.h"

#include <cmath>

namespace platform {

int PixelSizeOfPoints(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont QtFont(const window::FontSpec& spec) {
  QFont font(QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size())));
  font.setPixelSize(PixelSizeOfPoints(spec.points));
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  return font;
}

}  // namespace platform
