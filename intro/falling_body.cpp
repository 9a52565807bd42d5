// Unit 2, screens ⑦ "例１" (a body falling from a column: the fall replayed
// on request, its table and the formula y = 4.9x²) and ⑧ "問１" (the worked
// answer of the textbook problem set at the end of ⑦).
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::FallingBodyExampleScreen() {
  WipeScreen(1760, 1800);
  B1 = 40;
  TextAt(B1, 30, 3, "例1 物体の落下");
  Continue(0, " x秒間にym落ちるとする。");

  // The column (1120, 18)-(1216, 610) and the ball at its top.
  GY5(31) = 1120, PTY(31) = 18;
  GY5(32) = GY5(31) + 96, PTY(32) = PTY(31) + 592;
  GY5(33) = GY5(31) + 48, PTY(33) = PTY(31) + 32;
  DrawFallColumn();
  DrawFallingBallAtRest();
  AINP = 3;
  while (AINP != 1) {
    AnimateFallingBall();
    AskNextStep();
  }
  DrawFallingBallPositions();
  WaitAnyKey();

  std::vector<std::string> xTexts, squareTexts, yTexts;
  for (A1 = 0; A1 <= 5; A1 += 1) {
    xTexts.push_back(NumberText(A1));
    squareTexts.push_back(NumberText(A1 * A1));
    yTexts.push_back(NumberText(49 * (A1 * A1) / 10));
  }
  SquareTableExercise(40, 60, 135, xTexts, squareTexts, yTexts, "yはx^2の4.9倍", "y=4.9x^2");
  TextAt(44, 570, 3, "教科書P93 問1　をしなさい。");
}

void Palisteo::SquareLawAnswersScreen() {
  WipeScreen(1760, 1800);
  B1 = 121;
  TextAt(B1, 30, 3, "<問1 解答>");
  NewLine(0, 80, 0, "y=ﾀ1/3ﾀ*x*x*6");
  NewLine(0, 70, 5, "y=2x^2");
}

}  // namespace lessons
