#include "gui/DrawingAreaImage.h"

#include "gui/LayoutFonts.h"
#include "window/WindowLayout.h"

namespace gui {

ImageSurface MakeDrawingAreaImage() {
  const window::ControlLayout& layout = *window::FindControlLayout("Picture1");
  const int inner = window::PixelsFromTwips(layout.twips.width) - 2 * window::DrawingAreaBorderPixels;
  return ImageSurface(inner, inner, layout.background.value_or(0), QtFont(*window::FontOf(layout.font)));
}

}  // namespace gui
