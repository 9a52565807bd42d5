// Screens ① and ② of unit 1: how y changes on y = x + 2 and y = -x + 2 while
// x runs from -3 to 3, with the run and rise arrows and the rule.
#include "values/quendral.h"

namespace lessons {

void Quendral::SetFigurePoint(int k, Num x, Num y) {
  GY5(k) = X8 + NO * x;
  GY5Y(k) = R - NO * y;
}

void Quendral::FigureArrow(Num from, Num to, int colour) {
  SO = GY5(from);
  YOKO = GY5Y(from);
  II = GY5(to);
  IJ = GY5Y(to);
  Y = 1;
  XW = 16;
  SIZE = static_cast<Num>(colour);
  DrawArrow();
}

void Quendral::LinearChangeScreen(Num slope, const std::string& formula,
                                  const std::string& answer, const std::string& rule) {
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 5);
  B1 = 60;
  TextAt(30, 30, 0, "課1 1次関数 " + formula + " で、xが-3から3まで");
  TextAt(B1, 80, 0, "増加するとき、yの増減をいいなさい。");
  A41 = 792;
  I = 120;
  XI2 = -4;
  B3 = 4;
  B4 = -6;
  X = 6;
  NO = 30;
  XSTEP = 1;
  GGX = 1;
  SIZE = 10;
  N = 1;
  DrawCoordinatePlane();
  // The line at x = -3 and x = 3, the corner level with the first, and the
  // slanting arrow beside the line (one unit above the rising line, two
  // below the falling one).
  const Num left = 2 - 3 * slope, right = 2 + 3 * slope;
  SetFigurePoint(1, -3, left);
  SetFigurePoint(2, 3, left);
  SetFigurePoint(3, 3, right);
  SetFigurePoint(4, -3, slope > 0 ? 0 : 3);
  SetFigurePoint(5, 2, slope > 0 ? 5 : -2);
  MUKI = 3;
  AA = slope;
  ZX1 = 2;
  TKAI2 = 3;
  ZY0_s = "";
  DrawFunctionGraph();
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
