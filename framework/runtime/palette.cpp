#include "framework/runtime/palette.h"

namespace lessons {

namespace {
// Text colours 0, 3, 5, 7, 9, 11, 13 read well on the white background and
// differ from each other by CIE76 ΔE 40 or more; 9 reads on the light fills 4
// and 12; 15 and 13 on the dark menu panel 10; 15, 13 and 11 on the
// definition panel 6; the dark texts 0, 3 and 5 on fill 13 (docs/runtime.md
// lists the pairs and their contrast).
constexpr Rgb kPalette[16] = {
    {0x00, 0x00, 0x00},  //  0 black
    {0x1e, 0x5a, 0xa8},  //  1 blue
    {0x2e, 0x7d, 0x32},  //  2 green
    {0x00, 0x1e, 0x78},  //  3 deep blue
    {0xff, 0xf1, 0xa8},  //  4 pale yellow (key box)
    {0x5c, 0x00, 0x00},  //  5 maroon
    {0x2a, 0x14, 0x08},  //  6 deep brown (definition panel)
    {0xa8, 0x20, 0x9a},  //  7 magenta
    {0x9a, 0xa0, 0xa6},  //  8 light grey
    {0x1a, 0x3c, 0xe0},  //  9 strong blue
    {0x14, 0x1c, 0x30},  // 10 dark slate (menu panel)
    {0x00, 0x80, 0x3f},  // 11 green
    {0xcd, 0xec, 0xcf},  // 12 pale green (next-step box)
    {0xdc, 0x2a, 0x2e},  // 13 red
    {0xf6, 0xb7, 0x3c},  // 14 golden yellow
    {0xff, 0xff, 0xff},  // 15 white (background)
};
}  // namespace

Rgb PaletteColour(int index) { return kPalette[PaletteIndex(index)]; }

}  // namespace lessons
