#pragma once

#include <cstdint>

namespace render {

// A colour number: red + 256 * green + 65536 * blue.
using Color = uint32_t;

constexpr Color Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red + 256 * green + 65536 * blue; }
constexpr uint32_t RedOf(Color c) { return c & 0xFF; }
constexpr uint32_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(Color c) { return (c >> 16) & 0xFF; }

// The two colours taken from the classic 16-colour console palette.
constexpr Color PaletteDarkGrey = Rgb(128, 128, 128);  // index 8
constexpr Color PaletteWhite = Rgb(255, 255, 255);     // index 15

}  // namespace render
