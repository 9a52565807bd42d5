// Screens ① and ② of unit 1: how y changes on y = x + 2 and y = -x + 2 while
// x runs from -3 to 3, with the run and rise arrows and the rule.
#include "values/quendral.h"

namespace lessons {

void Quendral::FigureArrow(Num from, Num to, int colour) {
  ArrowBetween(GY5(from), GY5Y(from), GY5(to), GY5Y(to), colour);
}

void Quendral::LinearChangeScreen(Num slope, const std::string& formula,
                                  const std::string& answer, const std::string& rule) {
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 5);
  B1 = 60;
  TextAt(30, 30, 0, "課1 1次関数 " + formula + " で、xが-3から3まで");
  TextAt(B1, 80, 0, "増加するとき、yの増減をいいなさい。");
  // The line at x = -3 and x = 3, the corner level with the first, and the
  // slanting arrow beside the line (one unit above the rising line, two
  // below the falling one). The plane knows the line and the three arrows,
  // so that its numbers stand clear of them.
  const Num left = 2 - 3 * slope, right = 2 + 3 * slope;
  const Num slantFrom = slope > 0 ? 0 : 3, slantTo = slope > 0 ? 5 : -2;
  const GraphSetup line{.form = GraphForm::kLine, .a = slope, .b = 2, .colour = 3};
  Plane({.left = 792, .top = 120, .xFrom = -4, .xTo = 4, .yFrom = -6, .yTo = 6,
         .curves = {line},
         .lines = {{-3, left, 3, left, 6}, {3, left, 3, right, 6},
                   {-3, slantFrom, 2, slantTo, 6}}});
  GY5(1) = PlaneX(-3), GY5Y(1) = PlaneY(left);
  GY5(2) = PlaneX(3), GY5Y(2) = PlaneY(left);
  GY5(3) = PlaneX(3), GY5Y(3) = PlaneY(right);
  GY5(4) = PlaneX(-3), GY5Y(4) = PlaneY(slantFrom);
  GY5(5) = PlaneX(2), GY5Y(5) = PlaneY(slantTo);
  Graph(line);
  TextAt(GY1, ZX, 0, formula);
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  FigureArrow(1, 2, 7);
  WaitAnyKey();
  FigureArrow(2, 3, 7);
  WaitAnyKey();
  TextAt(B1, 150, 5, answer);
  WaitAnyKey();
  TextAt(B1, 220, 3, rule);
  FigureArrow(4, 5, 5);
}

void Quendral::LinearIncreaseScreen() { LinearChangeScreen(1, "y=x+2", "増加する", "右上がりは増加"); }

void Quendral::LinearDecreaseScreen() { LinearChangeScreen(-1, "y=-x+2", "減少する", "右下がりは減少"); }

}  // namespace lessons
