// Unit 4, screen ② "P95": the graph of y = x² point by point, from a table of
// x = -3 to 3 and one of the half-way values x = -2.5 to 2.5.
#include <vector>

#include "intro/palisteo.h"

namespace lessons {

void Palisteo::SquareGraphPlotScreen() {
  WipeScreen(1320, 1300);
  B1 = 40, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1, B2, 3, "y=x^2 のグラフをかこう。");

  // Table 1: x = -3 to 3, only the y of -3 filled in.
  const Num top1 = B2 + 60;
  CellStyle(50, 9, 15, 0);
  DSM1 = B1, DSM2 = top1;
  Cell(40, "x");
  Cell(40, "…");
  for (int x = -3; x <= 3; ++x) Cell(60, NumberText(static_cast<Num>(x)));
  Cell(40, "…");
  DSM1 = B1, DSM2 = top1 + 50;
  Cell(40, "y");
  Cell(40, "…");
  for (int x = -3; x <= 3; ++x) Cell(60, x == -3 ? NumberText(9) : "");
  Cell(40, "…");

  // The plane: x from -3.5 to 3.5, y from -1.5 to 9.5, half a unit per step
  // of 23, a value on every whole number; it carries the points of both
  // tables. (At 25 a step the x numbers, narrowed to keep apart, still stand
  // nearer the "0" than a space: the -1 went above the axis beside the point
  // (-0.5, 0.25), and the y axis's 1 right of it beside (1, 1).)
  const Num halves[] = {-2.5f, -1.5f, -0.5f, 0.5f, 1.5f, 2.5f};
  std::vector<PointSetup> wholePoints, halfPoints;
  for (int x = -3; x <= 3; ++x)
    wholePoints.push_back({.x = static_cast<Num>(x), .y = static_cast<Num>(x * x), .colour = 3});
  for (Num x : halves) halfPoints.push_back({.x = x, .y = x * x, .colour = 3});
  Plane({.left = 836, .top = 30, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = -1.5f, .yTo = 9.5f,
         .xStep = 0.5f, .yStep = 0.5f, .unit = 23, .numbers = false, .labelEveryX = 2,
         .labelEveryY = 2, .points = Joined({wholePoints, halfPoints})});

  WaitAnyKey();
  for (int x = -3; x <= 3; ++x) {
    CellStyle(50, 9, 15, 5);
    DSM1 = B1 + 80 + 60 * static_cast<Num>(x + 3), DSM2 = top1 + 50;
    Cell(60, NumberText(static_cast<Num>(x * x)));
    WaitAnyKey();
  }
  WaitAnyKey();
  for (const PointSetup& p : wholePoints) {
    Point(p);
    WaitAnyKey();
  }
  WaitAnyKey();

  // Table 2: the half-way values.
  TextAt(B1, 200, 3, "教科書P95 問1をやろう。");
  const Num top2 = B2 + 60;
  CellStyle(50, 9, 15, 0);
  DSM1 = B1, DSM2 = top2;
  Cell(40, "x");
  for (Num x : halves) Cell(120, DecimalText(x));
  DSM1 = B1, DSM2 = top2 + 50;
  Cell(40, "y");
  YMOTO = 5;
  for (int i = 0; i < 6; ++i) Cell(120, "");
  for (int i = 0; i < 6; ++i) {
    WaitAnyKey();
    CellStyle(50, 9, 15, 5);
    DSM1 = B1 + 40 + 120 * static_cast<Num>(i), DSM2 = top2 + 50;
    Cell(120, DecimalText(halves[i] * halves[i]));
  }
  WaitAnyKey();
  for (const PointSetup& p : halfPoints) {
    Point(p);
    WaitAnyKey();
  }
  WaitAnyKey();
  // The line below table 2 is 60 under its y row; the announcement 20 lower.
  TextAt(B1, top2 + 50 + 60 + 20, 7, "原点近くのようすを調べよう。");
}

}  // namespace lessons
