#include "gui/DrawingAreaImage.h"

#include "gui/LayoutFonts.h"
#include "window/WindowLayout.h"

namespace gui {

ImageSurface MakeDrawingAreaImage() {
  const window::ControlLayout& layout = *window::FindControlLayout("Picture1");
  const int inner = window::DrawingAreaPixels();
  return ImageSurface(inner, inner, layout.background.value_or(0), QtFont(*window::FontOf(layout.font)));
}

}  // namespace gui
