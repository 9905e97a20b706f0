#pragma once

#include "gui/ImageSurface.h"

namespace gui {

// The drawing area's picture as the layout gives it: the inner size of Picture1,
// its background colour and its font.
ImageSurface MakeDrawingAreaImage();

}  // namespace gui
