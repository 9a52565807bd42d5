// The 16 colours the lessons draw with (PaletteIndex 0..15).
#pragma once

#include <cstdint>

namespace lessons {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

// The colour of a palette index; any integer is taken modulo 16.
Rgb PaletteColour(int index);

// Palette indices with a fixed role.
inline constexpr int kColourBlack = 0;
inline constexpr int kColourWhite = 15;  // the background

}  // namespace lessons
