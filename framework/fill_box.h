// Filled rectangles as the framework's prompts and wipes draw them.
#pragma once

#include "framework/basic.h"
#include "framework/runtime/runtime.h"

namespace lessons {

inline constexpr int kBackground = 15;  // the colour every area is wiped with

// A filled rectangle between the corners (x1, y1) and (x2, y2), border in
// `line`, inside in `fill`, at the pen width in force.
inline void FillBox(Runtime& rt, Num x1, Num y1, Num x2, Num y2, int line, int fill) {
  rt.DrawLine(0, 0, x1, y1, 0, x2, y2, -1, line, 2, fill, 0, line == fill ? 7 : 15);
}

// The same with the second corner given as width and height.
inline void FillBoxSized(Runtime& rt, Num x, Num y, Num width, Num height, int line, int fill) {
  rt.DrawLine(0, 0, x, y, 1, width, height, -1, line, 2, fill, 0, line == fill ? 7 : 15);
}

// Wipes with the background colour.
inline void Wipe(Runtime& rt, Num x1, Num y1, Num x2, Num y2) {
  FillBox(rt, x1, y1, x2, y2, kBackground, kBackground);
}
inline void WipeSized(Runtime& rt, Num x, Num y, Num width, Num height) {
  FillBoxSized(rt, x, y, width, height, kBackground, kBackground);
}
// Wipes with the pen at its thinnest, so that no more than the box goes (the
// pen in force is kept).
inline void WipeExactly(Runtime& rt, Num x1, Num y1, Num x2, Num y2) {
  const int width = rt.GetDrawWidth(0);
  rt.SetDrawWidth(0, 1);
  Wipe(rt, x1, y1, x2, y2);
  rt.SetDrawWidth(0, width);
}

}  // namespace lessons
