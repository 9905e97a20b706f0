#include "support/RecordingControls.h"

#include "platform/Picture1Surface.h"

namespace testing_support {

RecordingControls::RecordingControls() : surface(platform::MakePicture1Surface()) {}

void RecordingControls::SetMousePointer(platform::PointerTarget target, platform::PointerShape shape) {
  pointerChanges.emplace_back(target, shape);
}

}  // namespace testing_support
