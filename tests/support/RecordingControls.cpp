#include "support/RecordingControls.h"

#include <QFont>

namespace testing_support {
namespace {

QFont AxisFont() {
  QFont font("Times New Roman");
  font.setPointSizeF(9.75);
  font.setBold(true);
  return font;
}

}  // namespace

RecordingControls::RecordingControls() : surface(326, 326, platform::Rgb(0xE0, 0xE0, 0xE0), AxisFont()) {}

void RecordingControls::SetMousePointer(platform::PointerTarget target, platform::PointerShape shape) {
  pointerChanges.emplace_back(target, shape);
}

}  // namespace testing_support
