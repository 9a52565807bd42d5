// The lesson program Palisteo: its main menu, units and screens.
#pragma once

#include <memory>

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

  // ---- variables of Palisteo's own ----
  Num A1 = 0;     // column counter of the table loops
  Num CELLX = 0;  // left x of the next table cell to draw

  // ---- rolling-ball unit ----
  void RollingBallUnit();

 protected:
  void MainMenu() override { IntroMainMenu(); }
};

std::unique_ptr<Lesson> MakePalisteo(Runtime& runtime);

}  // namespace lessons
