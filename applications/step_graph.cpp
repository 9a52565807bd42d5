// Step graphs: each step a level segment between the circles that mark
// whether its ends belong to it.
#include "applications/orvenna.h"
#include "framework/figure_util.h"
#include "framework/fill_box.h"

namespace lessons {

namespace {
constexpr Num kEndRadius = 8;
}  // namespace

// An end that belongs to the step is a filled dot; one that does not is an
// empty circle, white inside (the grid and axes do not run through it), and
// the segment stops at its ring, so it reads as "○", not "⊖".
void Orvenna::DrawStepPiece(Num x1, Num x2, Num level, StepEnd left, StepEnd right,
                            bool keyEach) {
  const int colour = CInt(TKAI2);
  auto end = [&](Num x, StepEnd kind, int k) {
    HOUKOU = X8 + NO * x;
    N2 = R - NO * level;
    GX3(k) = HOUKOU;
    GY3(k) = N2;
    if (kind == StepEnd::kNone) return;
    if (keyEach) WaitAnyKey();
    if (kind == StepEnd::kFilled) {
      FilledDot(rt, HOUKOU, N2, kEndRadius, colour);
    } else {
      rt.DrawCircle(0, 0, HOUKOU, N2, kEndRadius, colour, 1.0f, 0, 0, 1, -1, kBackground, 0);
    }
  };
  end(x1, left, 1);
  end(x2, right, 2);
  if (keyEach) WaitAnyKey();
  // The step runs left to right.
  PlainLine(rt, GX3(1) + (left == StepEnd::kOutline ? kEndRadius : 0), GY3(1),
            GX3(2) - (right == StepEnd::kOutline ? kEndRadius : 0), GY3(2), colour);
}

}  // namespace lessons
