// Screen ⑥ of unit 2: the line through A(-1, 1) and B(3, 9) on y = x². Its
// slope is the rate of change from x = -1 to 3, shown with the run and rise
// arrows; b follows from A.
#include "framework/figure_util.h"
#include "values/quendral.h"

namespace lessons {

namespace {

// Point k = (x, x²) as a dot of radius 7 in colour 5 with its letter; its
// pixel goes to GY5(k), GY5Y(k). Guide lines in colour 3 run to both axes, the
// value of x below the x axis at (point's x + xShift, R + xDrop), the value of
// y at (X8 + yShift, point's y + yRise).
void ParabolaPoint(Quendral& L, int k, Num x, const std::string& letter, Num xShift, Num xDrop,
                   Num yShift, Num yRise) {
  const Num y = x * x;
  L.Point({.x = x, .y = y, .radius = 7, .colour = 5, .label = letter, .dx = -20});
  const Num px = L.HOUKOU, py = L.N2;
  L.GY5(k) = px;
  L.GY5Y(k) = py;
  PlainLine(L.rt, px, py, px, L.R, 3);
  L.LabelAt(px + xShift, L.R + xDrop, 3, L.StrippedNumberText(x));
  PlainLine(L.rt, px, py, L.X8, py, 3);
  L.LabelAt(L.X8 + yShift, py + yRise, 3, L.StrippedNumberText(y));
}

// The run from A and the rise up to B (labelled with their lengths when
// `labels`), then the rise again in the colour of the run. The run's label
// stands right of the parabola's branch, not in the middle of the run beside
// A's y: its ground goes down before the arrows, as DrawRunRiseArrows does.
void SlopeArrows(Quendral& L, bool labels) {
  auto runLabel = [&] {
    L.YMOTO = 7;
    L.DSM1 = L.PlaneX(1.75f);
    L.DSM2 = L.GY5Y(1) - 44;
    L.KKAI_s = L.StrippedNumberText((L.GY5(2) - L.GY5(1)) / L.NO);
  };
  if (labels) {
    runLabel();
    L.LabelGround(L.CellsOf([&] { L.PrintMathText(); }));
  }
  L.LT2 = L.GY5(1);
  L.GX4 = L.GY5Y(1);
  L.RP1 = L.GY5(2);
  L.GX5 = L.GY5Y(2);
  L.DX_s = labels ? "ny" : "nn";
  L.DrawRunRiseArrows();
  if (labels) {
    runLabel();
    L.PrintMathText();
  }
  L.ArrowBetween(L.GY5(2), L.GY5Y(1), L.GY5(2), L.GY5Y(2), 7);
}

}  // namespace

void Quendral::LineThroughPointsScreen() {
  WipeScreen(1320, 1300);
  B1 = 60;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1 - 30, B2, 0, "課5 y=x^2 のグラフ上に2点A(-1,1),");
  NewLine(0, 50, 0, "B(3,9)がある。直線ABの式を求めなさい。");

  // x -4..4, y -1..12, 40 per unit, axes only: the origin at (1040, 560).
  Plane({.left = 880, .top = 80, .xFrom = -4, .xTo = 4, .yFrom = -1, .yTo = 12, .unit = 40,
         .grid = false});
  Graph({.a = 1});
  Graph({.form = GraphForm::kLine, .a = 2, .b = 3, .colour = 5});
  // Above the curve's end, clear of its last dots.
  LabelAt(GY1 - 96, ZX - 52, 0, "y=x^2");
  // A's x a row lower, clear of the origin's "0".
  ParabolaPoint(*this, 1, -1, "A", -32, 30, 0, -46);
  ParabolaPoint(*this, 2, 3, "B", -16, 0, -28, -24);
  WaitAnyKey();

  NewLine(0, 70, 7, "<解答>");
  WaitAnyKey();
  NewLine(0, 50, 0, "求める式を y=ax+b とすると、");
  WaitAnyKey();
  NewLine(0, 80, 5, "a");
  SlopeArrows(*this, false);
  WaitAnyKey();
  Continue(0, "=ﾀ9-1/3-(-1)ﾀ");
  WaitAnyKey();
  Continue(0, "=ﾀ8/3+1ﾀ");
  WaitAnyKey();
  Continue(0, "=ﾀ8/4ﾀ");
  SlopeArrows(*this, true);
  WaitAnyKey();
  Continue(5, "=2");
  WaitAnyKey();
  Continue(7, "(y=x^2の変化の割合)");
  WaitAnyKey();
  NewLine(0, 70, 0, "y=2x+b ");
  WaitAnyKey();
  Continue(3, "にx=-1,y=1 を代入して");
  WaitAnyKey();
  NewLine(0, 50, 0, "1=2×(-1)+b");
  WaitAnyKey();
  NewLine(0, 50, 0, "1=-2+b");
  WaitAnyKey();
  NewLine(0, 50, 0, "b=1+2");
  WaitAnyKey();
  Continue(5, "=3");
  WaitAnyKey();
  LabelAt(YI1 + 96, B2 - 75, 5, "答　y=2x+3");
  WaitAnyKey();
  LabelAt(YI1 + 96, B2 - 25, 3, "変化の割合は直線ABの傾き");
}

}  // namespace lessons
