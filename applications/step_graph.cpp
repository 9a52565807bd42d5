// Step graphs: each step a level segment between the circles that mark
// whether its ends belong to it.
#include "applications/orvenna.h"
#include "framework/figure_util.h"
#include "framework/fill_box.h"

namespace lessons {

namespace {
constexpr Num kEndRadius = 8;
// The pen of the segments.
constexpr Num kStepWidth = 5;
}  // namespace

void Orvenna::CarrySteps(PlaneSetup& setup, const std::vector<StepPiece>& steps) {
  // A grid step in the plane's values, and the ring's radius in grid steps.
  const Num ring = kEndRadius / setup.unit;
  for (const StepPiece& s : steps) {
    auto end = [&](Num x, StepEnd kind) {
      if (kind != StepEnd::kNone)
        setup.points.push_back(
            {.x = x * setup.xStep, .y = s.level * setup.yStep, .radius = kEndRadius});
    };
    end(s.x1, s.left);
    end(s.x2, s.right);
    const Num x1 = s.x1 + (s.left == StepEnd::kOutline ? ring : 0);
    const Num x2 = s.x2 - (s.right == StepEnd::kOutline ? ring : 0);
    setup.lines.push_back({x1 * setup.xStep, s.level * setup.yStep, x2 * setup.xStep,
                           s.level * setup.yStep, kStepWidth});
  }
}

// An end that belongs to the step is a filled dot; one that does not is an
// empty circle, white inside (the grid and axes do not run through it), and
// the segment stops at its ring, so it reads as "○", not "⊖".
void Orvenna::DrawStepPiece(const StepPiece& step, bool keyEach) {
  const int colour = CInt(TKAI2);
  auto end = [&](Num x, StepEnd kind, int k) {
    HOUKOU = X8 + NO * x;
    N2 = R - NO * step.level;
    GX3(k) = HOUKOU;
    GY3(k) = N2;
    if (kind == StepEnd::kNone) return;
    if (keyEach) WaitAnyKey();
    if (kind == StepEnd::kFilled) {
      FilledDot(rt, HOUKOU, N2, kEndRadius, colour);
    } else {
      rt.DrawCircle(0, 0, HOUKOU, N2, kEndRadius, colour, 1.0f, 0, 0, 1, -1, kBackground, 0);
    }
    PointDrawn(HOUKOU, N2, kEndRadius);
  };
  end(step.x1, step.left, 1);
  end(step.x2, step.right, 2);
  if (keyEach) WaitAnyKey();
  // The step runs left to right.
  FigureLine(GX3(1) + (step.left == StepEnd::kOutline ? kEndRadius : 0), GY3(1),
             GX3(2) - (step.right == StepEnd::kOutline ? kEndRadius : 0), GY3(2), colour);
}

}  // namespace lessons
