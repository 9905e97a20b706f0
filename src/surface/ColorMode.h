#pragma once

namespace surface {

// How the cells are coloured, in the order of the items of the colour-mode menu.
enum class ColorMode { Grid, Lines, Colors, RndColors };

inline constexpr ColorMode AllColorModes[] = {ColorMode::Grid, ColorMode::Lines, ColorMode::Colors,
                                              ColorMode::RndColors};

}  // namespace surface
