// Small helpers of the figure routines: the counted loop of the lesson
// programs, plain lines and filled dots.
#pragma once

#include "framework/basic.h"
#include "framework/runtime/runtime.h"

namespace lessons {

// The body runs for k = from, from + step, from + 2 step, ... (summed in
// single precision) and the end value is tested only after each pass, so the
// body always runs once. `counter` is the program variable that names the loop index: it holds k
// while the body runs and the first value past the end afterwards. The loop
// keeps its own copy of k, so a routine called from the body may use the
// same variable. A step of 0 or less, or one too small to change k, ends the
// loop after the pass instead of running forever.
template <typename Body>
void CountedLoop(Num& counter, Num from, Num to, Num step, Body&& body) {
  Num k = from;
  for (;;) {
    counter = k;
    body(k);
    Num next = k + step;
    counter = next;
    if (!(step > 0) || next == k) return;
    k = next;
    if (!(k <= to)) return;
  }
}

// A plain line between two absolute points.
inline void PlainLine(Runtime& rt, Num x1, Num y1, Num x2, Num y2, int colour) {
  rt.DrawLine(0, 0, x1, y1, 0, x2, y2, -1, colour, 0, 0, -1, 7);
}

// A filled dot (a whole circle filled in its own colour).
inline void FilledDot(Runtime& rt, Num x, Num y, Num radius, int colour) {
  rt.DrawCircle(0, 0, x, y, radius, colour, 1.0f, 0, 0, 1, -1, colour, 0);
}

}  // namespace lessons
