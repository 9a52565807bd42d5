// Screen ⑥ of unit 2: the line through A(-1, 1) and B(3, 9) on y = x². Its
// slope is the rate of change from x = -1 to 3, shown with the run and rise
// arrows; b follows from A.
#include "values/quendral.h"

namespace lessons {

namespace {

// A label of the figure in colour 3 at (x, y), or the nearest clear place.
void GuideLabel(Quendral& L, Num x, Num y, const std::string& text) {
  L.YMOTO = 3;
  L.DSM1 = x;
  L.DSM2 = y;
  L.KKAI_s = text;
  L.FigureLabel();
}

// Point k = (x, x²) as a dot of radius 7 in colour 5 with its letter; its
// pixel goes to GY5(k), GY5Y(k). Guide lines in colour 3 run to both axes, the
// value of x below the x axis at (point's x + xShift, R + xDrop), the value of
// y at (X8 + yShift, point's y + yRise), each moved to the nearest clear place.
void ParabolaPoint(Quendral& L, int k, Num x, const std::string& letter, Num xShift, Num xDrop,
                   Num yShift, Num yRise) {
  const Num y = x * x;
  L.Point({.x = x, .y = y, .radius = 7, .colour = 5, .label = letter, .dx = -20});
  const Num px = L.HOUKOU, py = L.N2;
  L.GY5(k) = px;
  L.GY5Y(k) = py;
  L.FigureLine(px, py, px, L.R, 3);
  GuideLabel(L, px + xShift, L.R + xDrop, L.StrippedNumberText(x));
  L.FigureLine(px, py, L.X8, py, 3);
  GuideLabel(L, L.X8 + yShift, py + yRise, L.StrippedNumberText(y));
}

// The run from A and the rise up to B (labelled with their lengths when
// `labels`), then the rise again in the colour of the run. The run's label
// starts right of the parabola's branch rather than at the run's middle,
// where it would stand over A's y "1" and read as "14".
void SlopeArrows(Quendral& L, bool labels) {
  L.LT2 = L.GY5(1);
  L.GX4 = L.GY5Y(1);
  L.RP1 = L.GY5(2);
  L.GX5 = L.GY5Y(2);
  L.DX_s = labels ? "ny" : "nn";
  L.DrawRunRiseArrows();
  if (labels) {
    L.YMOTO = 7;
    L.DSM1 = L.PlaneX(1.75f);
    L.DSM2 = L.GY5Y(1) - 44;
    L.KKAI_s = L.RUNTEXT_s;
    L.FigureLabel();
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
  // The plane knows the curves, the points A and B, their guides and the
  // run and rise between them, so that its labels stand clear of them.
  const GraphSetup parabola{.a = 1};
  const GraphSetup line{.form = GraphForm::kLine, .a = 2, .b = 3, .colour = 5};
  Plane({.left = 880, .top = 80, .xFrom = -4, .xTo = 4, .yFrom = -1, .yTo = 12, .unit = 40,
         .grid = false, .curves = {parabola, line},
         .lines = {{-1, 1, -1, 1, 14}, {3, 9, 3, 9, 14}, {-1, 1, -1, 0}, {-1, 1, 0, 1},
                   {3, 9, 3, 0}, {3, 9, 0, 9}, {-1, 1, 3, 1}, {3, 1, 3, 9}}});
  Graph(parabola);
  Graph(line);
  // Above the curve's end, clear of its last dots.
  LabelAt(GY1 - 96, ZX - 52, 0, "y=x^2");
  // A's x a row lower: right under the axis the line AB would cross its
  // minus, which the label's cells (and so its clear place) leave out.
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
