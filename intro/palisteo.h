// The lesson program Palisteo: its main menu, units and screens.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/lesson.h"

namespace lessons {

class Palisteo : public Lesson {
 public:
  explicit Palisteo(Runtime& runtime) : Lesson(runtime, "Palisteo") {}

  void IntroMainMenu();

  // ---- function review unit ----
  void FunctionReviewUnit();
  void ReviewTablesScreen();
  void ReviewGraphsScreen();
  // The plane with the graphs ア (y = 6/x), イ (y = x + 1), ウ (y = 2x); the
  // plane's variables stay set so that further graphs can be added.
  void DrawReviewGraphs();

  // ---- proportional-constant unit ----
  void ProportionalConstantUnit();
  void NFoldScreen();
  void CircleAreaAnswersScreen();
  // The circle of radius 5 cells in a 10 × 10 frame of 30-unit cells at
  // (792, 30), its radius, the dotted arc "x㎝" under it and "ycm^2".
  void DrawCircleFigure();
  void ConstantExampleScreen();
  // One example's numbers: a (T(1)), x1 (F(2)), y1 (T(2)), x2 (F(3)),
  // y2 (T(3)), x2² (F(4)), x1² (F(5)), then their texts.
  void DrawConstantExampleNumbers();
  void ConstantAnswersScreen();
  // A practice screen's start: wipe, pen width, the boxes "練習問題" and `number`.
  void PracticeHeading(const std::string& number, Num penWidth);
  void Practice1Screen();
  void Practice2Screen();
  void Practice3Screen();
  Num LASTA = 0;  // the a of the last worked example, avoided by the next one

  // ---- graph units ----
  void SquareGraphUnit();
  void PositiveAGraphUnit();
  void NegativeAGraphUnit();
  void GraphSummaryUnit();

  // ---- variables of Palisteo's own ----
  Num A1 = 0;     // column counter of the table loops
  Num CELLX = 0;  // left x of the next table cell to draw

  // ---- rolling-ball unit ----
  void RollingBallUnit();
  // The slope from (48, 360) to (1488, 600) in GY5/PTY(31..32), its angle in B.
  void SetUpSlope();
  void RollingBallMotionScreen();
  void RollingBallStepsScreen();
  void RollingBallTimesScreen();
  void DistanceTableScreen();
  // The table of x = 0 to 0.5 with an empty y row, its corner at
  // (GY5(0), PTY(0)); leaves the column edges in GY5(1..7), the row edges in
  // PTY(1..2).
  void DrawDistanceTable();
  void DistanceGraphScreen();
  void SquareLawScreen();
  void FallingBodyExampleScreen();
  void SquareLawAnswersScreen();
  // The ball rolling down the slope, 110 frames; the last one stays.
  void AnimateRollingBall();
  // Six balls at 0 to 0.5 s with their time and distance labels.
  void DrawRollingBallPositions();
  // The ball falling in the column (GY5/PTY(31..32)) from (GY5(33), PTY(33)),
  // 31 frames; and its seven positions at once.
  void AnimateFallingBall();
  void DrawFallingBallPositions();
  void PlaceOnSlope(Num d);
  void DrawSlopeBlock(int lineColour);
  void WipeSlopeBand();
  void DrawBallOnSlope(int colour);
  void DrawFallColumn();
  void DrawFallingBallAtRest();
  void DrawFallingBall(Num f);
  // The exercise "(1) complete the table, (2) how are x² and y related,
  // (3) y as a formula in x" of screens ⑥ and ⑦: table rows x, x², y at tops
  // 130, 180, 230 from the left margin, the x² row revealed cell by cell, then
  // the two answers; 10 key waits.
  void SquareTableExercise(Num margin, Num labelWidth, Num valueWidth,
                           const std::vector<std::string>& xTexts,
                           const std::vector<std::string>& squareTexts,
                           const std::vector<std::string>& yTexts, const std::string& answer2,
                           const std::string& answer3);

 protected:
  void MainMenu() override { IntroMainMenu(); }
};

std::unique_ptr<Lesson> MakePalisteo(Runtime& runtime);

}  // namespace lessons
