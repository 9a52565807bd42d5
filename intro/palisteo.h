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

  // ---- square-graph unit ----
  void SquareGraphGoalScreen();
  // The quiz point: x and y magnitudes 1 to 5 in T(1), F(1) (their negatives
  // in T(2), F(2)), a quadrant other than the last one (AAAY) or else 1; the
  // point in GY5(1), GY5Y(1), its coordinates as text in XI5$.
  void PickGridPoint();
  void CoordinateQuizScreen();
  // The plane of x and y from -6 to 6 at 44 units per step, corner (440, 100),
  // that will carry these points.
  void DrawQuizPlane(const std::vector<PointSetup>& points);
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

  // ---- graphs for a > 0 and a < 0, summary ----
  void PositiveAGoalScreen();
  void DoubledGraphScreen();
  void PositiveAAnswersScreen();
  void PositiveAFeaturesScreen();
  void NegativeAGoalScreen();
  void MirroredGraphScreen();
  void NegativeAFeaturesScreen();
  void NegativeAAnswersScreen();
  void GraphSummaryGoalScreen();
  void ParabolaTermsScreen();
  void OpeningWidthScreen();
  void IdentifyGraphsScreen();
  void SummaryFeaturesScreen();
  // Boxes of one table row, one per key from (left, top), `width` wide and
  // `height` high, in text colour `colour`; one more key after the last.
  void RevealRowCells(Num left, Num top, Num width, Num height, int lineColour, int colour,
                      const std::vector<std::string>& texts);
  // The points of the given rows, one row after another.
  static std::vector<PointSetup> Joined(std::initializer_list<std::vector<PointSetup>> rows);
  // The points (x, a·x²) for the given x values, as ParabolaPoints plots them.
  static std::vector<PointSetup> ParabolaPointSetups(const std::vector<Num>& xs, Num a,
                                                     Num radius, int colour, Num step);
  // The twin screens for a > 0 and a < 0: the points (x, a·x²) for the given
  // x values, their centres kept in GX3/GY3 from index `keep`; `wait` is
  // 0 (no key), 1 (a key after each point) or -1 (a key before each point).
  void ParabolaPoints(const std::vector<Num>& xs, Num a, Num radius, int colour, Num step,
                      int keep, int wait);
  // Segment pairs for the kept points i = 0..count-1 at width 5 or 4: from
  // the x axis to the point `first` + i in colour `firstColour`, then from the
  // axis (fromAxis) or from that point to the point `second` + i in colour
  // `secondColour`; a key after each pair and one more after the last.
  void KeptPointSegments(int count, int first, int firstColour, int second, int secondColour,
                         bool fromAxis);
  // A curve's name as a text from x beyond the plane's top or bottom edge,
  // where a curve ends among others: no place beside it within the plane is
  // clear of them, and beyond the edge only the name's ink has room (at the
  // top, its cells reach past the screen's edge), not a label's ground.
  void CurveNameBeyondEdge(Num x, bool top, int colour, const std::string& name);
  // A feature sentence's fill-in box (DrawTextBoxAround, 132 by 50, colour 5
  // on 13, outline 3) at pen position (x, y).
  void FeatureBox(Num x, Num y, const std::string& text);
  // The title and the three features of y = ax² with their fill-in boxes,
  // then the answers one per key: "原点", "y軸" and `side` ("上側", "下側").
  void FeatureSentences(const std::string& title, const std::string& side);

 protected:
  void MainMenu() override { IntroMainMenu(); }
};

std::unique_ptr<Lesson> MakePalisteo(Runtime& runtime);

}  // namespace lessons
