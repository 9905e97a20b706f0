#include "platform/Picture1Surface.h"

#include "platform/LayoutFonts.h"
#include "window/Form1Layout.h"

namespace platform {

ImageSurface MakePicture1Surface() {
  const window::ControlLayout& layout = *window::FindForm1Control("Picture1");
  const int inner = window::PixelsFromTwips(layout.twips.width) - 2 * window::Picture1BorderPixels;
  return ImageSurface(inner, inner, layout.background.value_or(0), QtFont(*window::FontOf(layout.font)));
}

}  // namespace platform
