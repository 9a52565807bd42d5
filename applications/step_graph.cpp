// Step graphs: each step a level segment between the circles that mark
// whether its ends belong to it.
#include "applications/orvenna.h"
#include "framework/figure_util.h"

namespace lessons {

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
      FilledDot(rt, HOUKOU, N2, 8, colour);
    } else {
      rt.DrawCircle(0, 0, HOUKOU, N2, 8, colour, 1.0f, 0, 0, 0, -1, 0, 0);
    }
  };
  end(x1, left, 1);
  end(x2, right, 2);
  if (keyEach) WaitAnyKey();
  PlainLine(rt, GX3(1), GY3(1), GX3(2), GY3(2), colour);
}

}  // namespace lessons
