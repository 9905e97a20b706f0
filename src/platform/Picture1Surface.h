#pragma once

#include "platform/ImageSurface.h"

namespace platform {

// The drawing area's picture as the layout gives it: the inner size of Picture1,
// its background colour and its font.
ImageSurface MakePicture1Surface();

}  // namespace platform
