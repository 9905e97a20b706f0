#include "testkit/RecordingControls.h"

#include "picture/DrawingAreaImage.h"

namespace testkit {

RecordingControls::RecordingControls() : surface(picture::MakeDrawingAreaImage()) {
  for (const surface::ColorMode mode : surface::AllColorModes)
    checked[static_cast<size_t>(mode)] = window::ColorModeMenuItem(mode).checkedAtStart;
}

}  // namespace testkit
