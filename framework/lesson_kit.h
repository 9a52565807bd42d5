// The lesson kit: the main-menu, unit and screen patterns shared by the three
// lesson programs. The routines are members of Lesson (declared in lesson.h,
// section "lesson kit"; defined in lesson_kit.cpp); this header holds their
// types and shows how a program uses them.
//
// A main menu: the items in item order, the last one ends the program; one
// target per other item (an empty target shows the menu again).
//
//   void Palisteo::IntroMainMenu() {
//     MainMenuLoop({{44, 120, 13, "1　関数の振り返り"}, ..., {660, 120, 13, " 9　 終了"}},
//                  {[this] { FunctionReviewUnit(); }, ..., MenuTarget{}});
//   }
//
// A unit: its goal screen once, then its sub-menu line until the last item.
// One target per screen in item order; the last item of the line returns to
// the main menu. An empty target (a screen not built yet) shows the line again.
//
//   void Palisteo::FunctionReviewUnit() {
//     UnitGoalScreen({"比例、反比例、1次関数の復習をしよう。"});
//     UnitSubMenu(" ①表式,変化の様子　②グラフ　③終了",
//                 {[this] { ReviewTablesScreen(); }, [this] { ReviewGraphsScreen(); }});
//   }
//
// A screen: wipe, set the text cursor (B1 left margin, B2 line top), then one
// call per row of text; after every text YI1 = DSM1 and B2 = DSM2.
//
//   void Palisteo::ReviewGraphsScreen() {
//     WipeScreen(1760, 1800);
//     B1 = 44; B2 = 30; rt.SetDrawWidth(0, 5);
//     TextAt(B1, B2, 7, "課2 ");            // at (x, y)
//     Continue(0, "①y=2x ...");              // at (YI1, B2)
//     NewLine(0, 80, 0, "(1)①～③の関数のグラフは？");   // at (B1 + 0, B2 + 80)
//     NewLine(44, 50, 0, " ①"); WaitAnyKey();
//     Continue(3, "ウ ");
//     ...
//   }
//
// A value table: a row of boxes left to right, each starting where the one
// before ended (DSM1).
//
//   CellStyle(50, 0, 15, 3);                 // height, line, fill, text colour
//   DSM1 = B1; DSM2 = B2 + 50;
//   Cell(44, "x"); Cell(44, "…");
//   for (A1 = 0; A1 <= 3; A1++) Cell(44, NumberText(A1));
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/basic.h"

namespace lessons {

// What a menu item starts: a unit or a screen (a call that returns to the
// menu); empty when the item only shows the menu again.
using MenuTarget = std::function<void()>;

// One line of a main menu, drawn through PrintMathText.
struct MenuItem {
  Num x = 0, y = 0;
  int colour = 0;
  std::string text;
};

}  // namespace lessons
