#include "testkit/RecordingControls.h"

#include "gui/DrawingAreaImage.h"

namespace testkit {

RecordingControls::RecordingControls() : surface(gui::MakeDrawingAreaImage()) {}

}  // namespace testkit
