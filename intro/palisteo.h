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

  // ---- graph units ----
  void SquareGraphUnit();
  void PositiveAGraphUnit();
  void NegativeAGraphUnit();
  void GraphSummaryUnit();

  // ---- square-graph unit ----
  void SquareGraphGoalScreen();
  // The quiz point: x and y magnitudes 1 to 5 in T(1), F(1) (their negatives
  // in T(2), F(2)), a quadrant other than the last one (AAAY) or else 1; the
  // point in GY5(1), GY5Y(1), its coordinates as text in XI5$.
  void PickGridPoint();
  void CoordinateQuizScreen();
  // The plane of x and y from -6 to 6 at 44 units per step, corner (440, 100).
  void DrawQuizPlane();
  void SquareGraphPlotScreen();
  void NearOriginScreen();
  void SquareGraphFeaturesScreen();
  // A value as a table shows it: no blanks, a 0 before the point of a
  // fraction below 1 ("0.25", "-0.5").
  std::string DecimalText(Num value);
  Num AAAY = 0;       // the quadrant of the last quiz point, for the whole run
  std::string XI5_s;  // the quiz point's coordinates, "(3,-2)"

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
