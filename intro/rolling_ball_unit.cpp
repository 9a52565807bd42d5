// Unit 2: the ball rolling down a slope and the falling body. Its goal, its
// sub-menu and the three motion screens ① to ③.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::RollingBallUnit() {
  UnitGoalScreen({"関数 y=ax^2 の意味を理解しよう。"});
  SetUpSlope();
  // Screen ⑦ puts its fall column into the slope's elements: the slope is set
  // up again after every screen, before the sub-menu line is shown.
  auto screen = [this](void (Palisteo::*run)()) -> MenuTarget {
    return [this, run] {
      (this->*run)();
      SetUpSlope();
    };
  };
  UnitSubMenu(" ①動く　②分解　③0.5秒　④表　⑤グラフ　⑥式、定義　⑦例１　⑧問１　⑨終了",
              {
                  screen(&Palisteo::RollingBallMotionScreen),
                  screen(&Palisteo::RollingBallStepsScreen),
                  screen(&Palisteo::RollingBallTimesScreen),
                  screen(&Palisteo::DistanceTableScreen),
                  screen(&Palisteo::DistanceGraphScreen),
                  screen(&Palisteo::SquareLawScreen),
                  screen(&Palisteo::FallingBodyExampleScreen),
                  screen(&Palisteo::SquareLawAnswersScreen),
              });
}

void Palisteo::SetUpSlope() {
  GY5(31) = 48;
  GY5(32) = GY5(31) + 1440;
  PTY(31) = 360;
  PTY(32) = PTY(31) + 240;
  // The angle of the slope line from its top point, counter-clockwise with y up.
  SO = GY5(31), YOKO = PTY(31);
  AAA = GY5(32), A21 = PTY(32);
  ZY1 = GY5(31), BAIX = PTY(32);
  BAIY = 1;
  ComputeRayAngles();
  B = YY1;
}

// ① "動く": the ball at the top of the slope; a key sets it rolling.
void Palisteo::RollingBallMotionScreen() {
  WipeScreen(1760, 1800);
  DrawSlopeBlock(0);
  rt.DrawCircle(0, 0, GY5(31), PTY(31) - 25, 25, 8, 1, 0, 0, 1, -1, 3, 3);
  WaitAnyKey();
  AnimateRollingBall();
}

// ② "分解": 35 balls at every 0.1 s along the slope's line. The window is
// wiped first: the last of the balls stands where ① leaves its ball, so
// nothing of ① is lost, and nothing of another screen shows through.
void Palisteo::RollingBallStepsScreen() {
  WipeScreen(1760, 1800);
  DrawSlopeBlock(15);
  for (A1 = 1; A1 <= 69; A1 += 2) {
    Num t = A1 / 10;
    PlaceOnSlope(t * t * 50);
    DrawBallOnSlope(10);
  }
}

// ③ "0.5秒": the ball at 0 to 0.5 s with times and distances, on a wiped
// window (the band wipe of the picture leaves the right end and the rest of
// the window as the screen before left them).
void Palisteo::RollingBallTimesScreen() {
  WipeScreen(1760, 1800);
  DrawRollingBallPositions();
}

}  // namespace lessons
