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
  // width, the heading box with `title` and the box with `number`.
  void ExerciseAnswersScreen(const std::string& title, const std::string& number, Num left,
                             Num indent, Num top, int pen);

  // ---- variables of Orvenna's own ----
  Num XI1 = 0;  // frame number of the braking animation
  Num A1 = 0;   // left x of a text column

 protected:
  void MainMenu() override { ApplicationsMainMenu(); }
};

std::unique_ptr<Lesson> MakeOrvenna(Runtime& runtime);

}  // namespace lessons
