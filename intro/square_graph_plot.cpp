// Unit 4, screen ② "P95": the graph of y = x² point by point, from a table of
// x = -3 to 3 and one of the half-way values x = -2.5 to 2.5.
#include "intro/palisteo.h"

namespace lessons {

namespace {

// The point (x, x²) on the plane of half-unit steps, unlabelled.
void PlotSquarePoint(Palisteo& L, Num x) {
  L.KAKUDAI = x;
  L.SENTAKU = x * x;
  L.XSTEP = 0.5f, L.GGX = 0.5f;
  L.DOTRADIUS = 6, L.TKAI2 = 3;
  L.ZY0_s = "";
  L.JYOU = 0, L.LABELDY = 0;
  L.PlotLabelledPoint();
}

}  // namespace

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

  // The plane: x from -3.5 to 3.5, y from -1.5 to 9.5, half a unit per step,
  // a value on every whole number.
  A41 = 836, I = 30;
  XI2 = -3.5f, B3 = 3.5f, B4 = -1.5f, X = 9.5f;
  XSTEP = 0.5f, GGX = 0.5f;
  NO = 25, SIZE = 14, N = -1;
  DrawCoordinatePlane();
  XSTEP = 0.5f, GGX = 0.5f, BB1 = 2, BB2 = 2;
  DrawDecimalAxisLabels();

  WaitAnyKey();
  for (int x = -3; x <= 3; ++x) {
    CellStyle(50, 9, 15, 5);
    DSM1 = B1 + 80 + 60 * static_cast<Num>(x + 3), DSM2 = top1 + 50;
    Cell(60, NumberText(static_cast<Num>(x * x)));
    WaitAnyKey();
  }
  WaitAnyKey();
  for (int x = -3; x <= 3; ++x) {
    PlotSquarePoint(*this, static_cast<Num>(x));
    WaitAnyKey();
  }
  WaitAnyKey();

  // Table 2: the half-way values.
  TextAt(B1, 200, 3, "教科書P95 問1をやろう。");
  const Num top2 = B2 + 60;
  const Num halves[] = {-2.5f, -1.5f, -0.5f, 0.5f, 1.5f, 2.5f};
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
  for (Num x : halves) {
    PlotSquarePoint(*this, x);
    WaitAnyKey();
  }
  WaitAnyKey();
  // The line below table 2 is 60 under its y row; the announcement 20 lower.
  TextAt(B1, top2 + 50 + 60 + 20, 7, "原点近くのようすを調べよう。");
}

}  // namespace lessons
