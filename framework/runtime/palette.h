// The 16 colours the lessons draw with (PaletteIndex 0..15).
#pragma once

#include <cstdint>

namespace lessons {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

// A colour number as a palette index: any integer is taken modulo 16.
inline int PaletteIndex(int colour) { return ((colour % 16) + 16) % 16; }
// The colour of a palette index (any integer, modulo 16).
Rgb PaletteColour(int index);

// Palette indices with a fixed role.
inline constexpr int kColourBlack = 0;
inline constexpr int kColourWhite = 15;  // the background

}  // namespace lessons
