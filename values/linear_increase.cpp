// Screens ① and ② of unit 1: how y changes on y = x + 2 and y = -x + 2 while
// x runs from -3 to 3, with the run and rise arrows and the rule.
#include "values/quendral.h"

namespace lessons {

void Quendral::LinearChangeScreen(Num slope, const std::string& formula,
                                  const std::string& answer, const std::string& rule) {
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 5);
  B1 = 60;
  TextAt(30, 30, 0, "課1 1次関数 " + formula + " で、xが-3から3まで");
  TextAt(B1, 80, 0, "増加するとき、yの増減をいいなさい。");
  // The run from x = -3 to 3 at the line's height at -3, the rise up (or
  // down) to the line at 3, and the slanting arrow beside the line (one unit
  // above the rising line, two below the falling one). The plane knows the
  // line and the three arrows, so that its numbers stand clear of them.
  const Num left = 2 - 3 * slope, right = 2 + 3 * slope;
  const Num slantFrom = slope > 0 ? 0 : 3, slantTo = slope > 0 ? 5 : -2;
  const GraphSetup line{.form = GraphForm::kLine, .a = slope, .b = 2, .colour = 3};
  const ArrowOnPlane run{-3, left, 3, left, ArrowHeads::kAtEnd, 6};
  const ArrowOnPlane rise{3, left, 3, right, ArrowHeads::kAtEnd, 6};
  const ArrowOnPlane slant{-3, slantFrom, 2, slantTo, ArrowHeads::kAtEnd, 6};
  Plane({.left = 792, .top = 120, .xFrom = -4, .xTo = 4, .yFrom = -6, .yTo = 6,
         .curves = {line}, .arrows = {run, rise, slant}});
  Graph(line);
  TextAt(GY1, ZX, 0, formula);
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  PlaneArrow(run, 7);
  WaitAnyKey();
  PlaneArrow(rise, 7);
  WaitAnyKey();
  TextAt(B1, 150, 5, answer);
  WaitAnyKey();
  TextAt(B1, 220, 3, rule);
  PlaneArrow(slant, 5);
}

void Quendral::LinearIncreaseScreen() { LinearChangeScreen(1, "y=x+2", "増加する", "右上がりは増加"); }

void Quendral::LinearDecreaseScreen() { LinearChangeScreen(-1, "y=-x+2", "減少する", "右下がりは減少"); }

}  // namespace lessons
