#include "framework/runtime/palette.h"

namespace lessons {

namespace {
// Text colours 0, 3, 5, 7, 9, 11, 13 read well on the white background; 9 on
// the light fills 4 and 12; 15 and 13 on the dark menu panel 10; 13 on 3; 0
// on 13 (docs/runtime.md lists the pairs and their contrast).
constexpr Rgb kPalette[16] = {
    {0x00, 0x00, 0x00},  //  0 black
    {0x1e, 0x5a, 0xa8},  //  1 blue
    {0x2e, 0x7d, 0x32},  //  2 green
    {0x0a, 0x2c, 0x40},  //  3 deep navy
    {0xff, 0xf1, 0xa8},  //  4 pale yellow (key box)
    {0x8e, 0x2c, 0x9a},  //  5 purple
    {0x4a, 0x25, 0x08},  //  6 deep brown (definition panel)
    {0x5f, 0x63, 0x68},  //  7 slate grey
    {0x9a, 0xa0, 0xa6},  //  8 light grey
    {0x15, 0x58, 0xb0},  //  9 strong blue
    {0x1b, 0x28, 0x38},  // 10 dark slate (menu panel)
    {0x00, 0x96, 0x88},  // 11 teal
    {0xcd, 0xec, 0xcf},  // 12 pale green (next-step box)
    {0xe8, 0x47, 0x3c},  // 13 coral red
    {0xf6, 0xb7, 0x3c},  // 14 golden yellow
    {0xff, 0xff, 0xff},  // 15 white (background)
};
}  // namespace

Rgb PaletteColour(int index) { return kPalette[PaletteIndex(index)]; }

}  // namespace lessons
