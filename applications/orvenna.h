// The lesson program Orvenna: its main menu, units and screens.
#pragma once

#include <memory>
#include <string>

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

  // ---- unit 3: the stair tank ----
  void StairTankUnit();
  void StairTankGoalScreen();

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
  // An end of a step at grid point (gx, gy) of the plane: a circle of radius
  // 8 in TKAI2, filled when the end belongs to the step; HOUKOU, N2 its centre.
  void StepGraphEnd(Num gx, Num gy, bool belongs);
  // A labelled point of the triangle figure with a line straight down to the
  // x axis and its x value written `shift` left of the foot; kept as point
  // `index` of the point table.
  void TriangleVertex(Num x, Num y, const std::string& label, int index, const std::string& xText,
                      Num shift);
  // One part of triangle OAB with the base OC: the height's words, its
  // length with the dotted height from the foot on the y axis to the vertex,
  // then the area.
  void TrianglePartOnBaseOC(Num gap, const std::string& name, const std::string& height,
                            Num footY, int footColour, int foot, int vertex, Num dotStep,
                            const std::string& area);

  // ---- variables of Orvenna's own ----
  Num XI1 = 0;  // frame number of the braking animation
  Num A1 = 0;   // left x of a text column

 protected:
  void MainMenu() override { ApplicationsMainMenu(); }
};

std::unique_ptr<Lesson> MakeOrvenna(Runtime& runtime);

}  // namespace lessons
