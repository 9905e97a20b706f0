#pragma once

namespace render {

// The colour mode, as the index of the checked item of the colour-mode menu.
enum class ColorMode { Grid = 1, Lines = 2, Colors = 3, RndColors = 4 };

}  // namespace render
