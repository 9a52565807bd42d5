// The lesson program Orvenna: its main menu, units and screens.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/lesson.h"

namespace lessons {

class Orvenna : public Lesson {
 public:
  explicit Orvenna(Runtime& runtime) : Lesson(runtime, "Orvenna") { largeScriptEll = true; }

  void ApplicationsMainMenu();

  // ---- unit 1: braking distance, pendulum, moving triangles ----
  void BrakingDistanceUnit();
  void BrakingAnimationScreen();
  // The three pages of the braking animation screen.
  void BrakingAnimationPage();
  void BrakingStillPicture();
  void BrakingChartPage();
  // The animation's wipe: everything from y = I - 40 down.
  void WipeBelowFigureTop();

  void BrakingTableScreen();
  void BrakingTableRow(Num left, Num top, const std::string& header, int border, int fill);
  void BrakingValuesTable(Num left, Num top, int border, int xFill, int yFill);
  void BrakingExplanationScreen();

  void PendulumScreen();
  void PendulumAnswersScreen();
  void PendulumAnswerPart(Num gap, const std::string& label, Num equationIndent,
                          const std::string& length, const std::string& square,
                          const std::string& period, const std::string& answer);

  // ---- ⑥ and ⑦: the moving triangles and the area of their overlap ----
  void MovingTrianglesScreen();
  void OverlapAreaAnswersScreen();
  // The figure: PQR and ABC on l, a copy of PQR at GY5(13) and its overlap with ABC.
  void SetUpTriangleFigure();
  void DrawTriangles();
  void DrawOverlapRegion();
  // Points 11 and 12 of the copy from its R, GY5(13).
  void PlaceTriangleCopy();
  void EraseTriangleFrame();
  // The triangle through points a, b, c of the point table, in `colour`.
  void TrianglePath(int a, int b, int c, int colour, bool filled = false, int fillColour = 0);
  // The right-angle mark at point `corner` between the rays to two points.
  void FigureRightAngle(int corner, int ray1, int ray2);
  // The dotted arc over the points `from` and `to` on the side `side` (XG),
  // `depth` deep, with its label in `colour`, moved by (labelDx, labelDy);
  // DrawCellText sets the label when `cellText`.
  void FigureLengthArc(int from, int to, Num side, int colour, const std::string& label,
                       Num labelDx, Num labelDy, bool cellText, Num depth = 20);
  // Where that arc's dots stand, drawing nothing.
  std::vector<ScreenPoint> LengthArcDots(int from, int to, Num side, Num depth);
  // The figure of the answer page knows what it carries: l, both triangles,
  // the copy and the overlap as they stand, and the arcs `arcs` its later
  // steps draw (each a part of its own: their numbers, in order).
  std::vector<int> CarryTriangleFigure(const std::vector<std::vector<ScreenPoint>>& arcs);
  // The label "2xcm" of the arc (part `arc`, its dots `dots`) just drawn.
  InkBox LengthLabel(const std::vector<ScreenPoint>& dots, int arc, Num outX, Num outY,
                     Num along = 0);

  // How far the ink of a length arc's dots reaches from their centres.
  static constexpr Num kArcDotReach = 3;

  // ---- the cyclist figure ----
  void InitCyclistTemplate();
  // Moves the figure's frame to X8 and computes the point table (GY5, PTY).
  void PlaceCyclistPoints();
  void DrawCyclist();
  void DrawPedallingPose();
  void DrawStretchedLeg();
  void DrawBrakeMarks();
  // The segment between points a and b of the point table, in colour 0.
  void FigureSegment(int a, int b);
  // A double-headed arrow from (x1, y1) to (x2, y2) in `colour`.
  void DoubleArrow(Num x1, Num y1, Num x2, Num y2, int colour);

  // ---- unit 2: rental cycles ----
  void RentalCycleUnit();
  void RentalFeeScreen();
  // A shop's fee table from (160, 30): the headers "時間" and "料金", then
  // `columns` cells `width` wide, the times from A1$(1) on, the fees from
  // A1$(6) on. Leaves B2 at the first line under the table.
  void RentalFeeTable(int columns, Num width);
  // Shop A's five pieces from the interval ends T(1..6) and levels F(1..5).
  void ShopAFeeGraph(bool keyEach);

  // ---- step graphs ----
  // How an end of a step is marked: not at all, by an outline circle (the
  // end does not belong to the step) or by a filled one (it does).
  enum class StepEnd { kNone, kOutline, kFilled };
  // One step at `level` from x1 to x2, in grid steps from the origin, and
  // how its ends are marked.
  struct StepPiece {
    Num x1, x2, level;
    StepEnd left, right;
  };
  // What the plane of `setup` will carry of these steps: their end circles
  // and their segments, in its values.
  static void CarrySteps(PlaneSetup& setup, const std::vector<StepPiece>& steps);
  // One step (grid steps from the origin X8, R of the last plane, NO units
  // each) in colour TKAI2: the circle of radius 8 at the left end, the one at
  // the right end, then the segment from centre to centre. With `keyEach` a
  // key wait comes before each of the three. The centres are left in GX3(1),
  // GY3(1) and GX3(2), GY3(2) (also for an end without a circle), the last
  // end in HOUKOU, N2.
  void DrawStepPiece(const StepPiece& step, bool keyEach);

  // ---- unit 3: the stair tank ----
  void StairTankUnit();
  void StairTankGoalScreen();
  void StairTankScreen();

  // ---- the stepped tank: figure and filling ----
  // Puts the tank's walls, top, tap and floor sections in GY5, PTY, GX3 and
  // GY3 (elements 31 to 34), where the figure routines read them.
  void SetStairTankGeometry();
  void DrawTankTap();
  void DrawTankStepsAndScale();
  void DrawWaterStream();
  // "A1$(1)分A1$(2)秒" inside the tank.
  void DrawTankClock();
  // The tank from its inside outwards with the water's top at `waterTop`;
  // a top at or below the tank's bottom (PTY(31)) is an empty tank.
  void DrawTankPicture(Num waterTop);
  // The tank's outline.
  void DrawTankOutline();
  // 72 frames, one per 15 seconds of pouring, until the water is 30 cm deep.
  void FillStairTank();
  // The water's top in frame `frame` of the filling.
  Num TankWaterTop(Num frame);

  // ---- units 4 and 5: the answers of the exercise pages ----
  void CheckUnderstandingUnit();
  void MasteryUnit();
  // The frame of an answer page: wipe, the column (A1, B1, B2), the pen
  // width, the heading box with `title` and the box with `number`. A second
  // page that keeps a figure on the right wipes only `wipeWidth` from the left.
  void ExerciseAnswersScreen(const std::string& title, const std::string& number, Num left,
                             Num indent, Num top, int pen, Num wipeWidth = 1760);

  // ---- unit 5: the answers of page P118 ----
  void MasteryAnswer1Screen();
  void MasteryAnswer2Screen();
  void MasteryAnswer3Screen();
  void MasteryAnswer4Screen();
  void MasteryStepGraphScreen();
  void MasteryRateScreen();
  void MasteryTriangleScreen();
  void MasteryCarScreen();
  // The P118 frame: column at 40 (continuation lines `indent` further), top
  // 30, pen 5, the heading "学びを身につけよう" and the box with `number`.
  void MasteryFrame(const std::string& number, Num indent, Num wipeWidth = 1760);
  // One of the parabolas matched to its equation: the label at A1, the
  // description at B1 on the same line, a key, the equation `gap` lower.
  void MatchedParabolaAnswer(const std::string& label, const std::string& description, Num gap,
                             const std::string& equation);
  // The two lines that lead to a rate of change: the words, then the
  // general quotient alone on its line.
  void RateOfChangeQuotient();
  // A labelled point of the triangle figure with a line straight down to the
  // x axis and its x value under the foot; kept as point `index` of the
  // point table.
  void TriangleVertex(const PointSetup& vertex, int index, const std::string& xText);
  // One part of triangle OAB with the base OC: the height's words, its
  // length with the dotted height from the foot on the y axis to the vertex,
  // then the area; the length's label moved by (labelDx, labelDy) from the
  // middle of the height.
  void TrianglePartOnBaseOC(Num gap, const std::string& name, const std::string& height,
                            Num footY, int footColour, int foot, int vertex, Num dotStep,
                            const std::string& area, Num labelDx = 0, Num labelDy = 0);

  // ---- unit 4: the answers of page P116 ----
  void CheckAnswers12Screen();
  void CheckAnswer3Screen();
  void CheckAnswer4Screen();
  void CheckAnswer5Screen();
  void CheckAnswer6Screen();
  void CheckAnswer7Screen();
  // Question 2: from "求める式を y=ax^2 とすると" to the formula, one line a key.
  void FormulaThroughPoint(const std::string& point, const std::string& substituted,
                           const std::string& equation, const std::string& a,
                           const std::string& formula);
  // Blank k of the fill-in text of question 4 as a box around the line at
  // (T(k), F(k)), holding `text` in colour 5.
  void AnswerBlank(int k, const std::string& text);
  // One row of a worked answer: after a key wait or with the row before, on
  // a new line `gap` below the last (0: continuing the line), colour, text.
  struct AnswerRow {
    bool afterKey;
    Num gap;
    int colour;
    const char* text;
  };
  // Questions 6 and 7: part (1) in the left column, then at once the right
  // column's label, and part (2).
  void TwoColumnAnswer(const std::string& number, std::initializer_list<AnswerRow> first,
                       std::initializer_list<AnswerRow> second);
  void AnswerRows(std::initializer_list<AnswerRow> rows);

  // ---- variables of Orvenna's own ----
  Num XI1 = 0;  // frame number of the braking animation
  Num A1 = 0;   // left x of a text column

 protected:
  void MainMenu() override { ApplicationsMainMenu(); }
};

std::unique_ptr<Lesson> MakeOrvenna(Runtime& runtime);

}  // namespace lessons
