// Screen ⑥ of unit 2: the line through A(-1, 1) and B(3, 9) on y = x². Its
// slope is the rate of change from x = -1 to 3, shown with the run and rise
// arrows; b follows from A.
#include "values/quendral.h"

namespace lessons {

namespace {

// x -4..4, y -1..12, 40 per unit, axes only: the origin at (1040, 560).
constexpr PlaneSetup kPlane{.left = 880, .top = 80, .xFrom = -4, .xTo = 4, .yFrom = -1, .yTo = 12,
                            .unit = 40, .grid = false};
// The points A(-1, 1) and B(3, 9) of y = x², dots of radius 7 in colour 5
// with their letters left of them.
const PointSetup kA{.x = -1, .y = 1, .radius = 7, .colour = 5, .label = "A", .dx = -20};
const PointSetup kB{.x = 3, .y = 9, .radius = 7, .colour = 5, .label = "B", .dx = -20};
// The run from A and the rise up to B.
constexpr ArrowOnPlane kRun{-1, 1, 3, 1}, kRise{3, 1, 3, 9};

// The guides of point p in colour 3, from it to both axes.
LineOnPlane XGuide(const PointSetup& p) { return {p.x, p.y, p.x, 0}; }
LineOnPlane YGuide(const PointSetup& p) { return {p.x, p.y, 0, p.y}; }

void Guide(Quendral& L, const LineOnPlane& g) {
  L.FigureLine(L.PlaneX(g.x1), L.PlaneY(g.y1), L.PlaneX(g.x2), L.PlaneY(g.y2), 3);
}

// The run and rise between A and B (labelled with their lengths when
// `labels`), then the rise again in the colour of the run. The run's length
// stands over the run right of the parabola's branch: left of it, it would
// stand by the y axis and read as one of its numbers.
void SlopeArrows(Quendral& L, bool labels) {
  L.LT2 = L.PlaneX(kRun.x1);
  L.GX4 = L.PlaneY(kRun.y1);
  L.RP1 = L.PlaneX(kRise.x2);
  L.GX5 = L.PlaneY(kRise.y2);
  L.DX_s = labels ? "ny" : "nn";
  L.DrawRunRiseArrows();
  if (labels) {
    L.YMOTO = 7;
    L.DSM1 = L.PlaneX(1.75f);
    L.DSM2 = L.GX4 - 44;
    L.KKAI_s = L.RUNTEXT_s;
    L.FigureLabel(L.figure.runArrow);
  }
  L.PlaneArrow(kRise, 7);
}

}  // namespace

void Quendral::LineThroughPointsScreen() {
  WipeScreen(1320, 1300);
  B1 = 60;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1 - 30, B2, 0, "課5 y=x^2 のグラフ上に2点A(-1,1),");
  NewLine(0, 50, 0, "B(3,9)がある。直線ABの式を求めなさい。");

  // The plane knows the curves, the points A and B, their guides and the
  // run and rise between them, so that its labels stand clear of them. A's
  // value of x stands under its guide, left of the origin, where the plane
  // would put its "0": it is kept clear for it, and the "0" stands right of
  // the origin. A's value of y is left out: its guide runs along its tick
  // line left of the y axis, the run right of it.
  const GraphSetup parabola{.a = 1};
  const GraphSetup line{.form = GraphForm::kLine, .a = 2, .b = 3, .colour = 5};
  PlaneSetup plane = kPlane;
  plane.curves = {parabola, line};
  plane.points = {kA, kB};
  plane.lines = {XGuide(kA), YGuide(kA), XGuide(kB), YGuide(kB)};
  plane.arrows = {kRun, kRise};
  const Num originX = kPlane.left - kPlane.unit * kPlane.xFrom;
  const Num originY = kPlane.top + kPlane.unit * kPlane.yTo;
  // Centred under its tick, a row lower than right under the axis: there
  // the line AB would cross its minus.
  YMOTO = 3;
  KKAI_s = StrippedNumberText(kA.x);
  DSM1 = originX + kPlane.unit * kA.x;
  DSM2 = originY + 30;
  const InkBox cells = CellsOf([&] { PrintMathText(); });
  DSM1 -= (cells.x0 + cells.x1) / 2 - DSM1;
  const Num aValueX = DSM1, aValueY = DSM2;
  KeepClearOfText();
  Plane(plane);
  Graph(parabola);
  Graph(line);
  // Above the curve's end, clear of its last dots.
  LabelAt(GY1 - 96, ZX - 52, 0, "y=x^2");
  Point(kA);
  Guide(*this, XGuide(kA));
  YMOTO = 3, DSM1 = aValueX, DSM2 = aValueY, KKAI_s = StrippedNumberText(kA.x);
  OnGround([&] { PrintMathText(); });
  Guide(*this, YGuide(kA));
  GuideValue(kA.y, false, PlaneY(kA.y), 3, false, 0);
  Point(kB);
  Guide(*this, XGuide(kB));
  GuideValue(kB.x, true, PlaneX(kB.x), 3, false, 0);
  Guide(*this, YGuide(kB));
  GuideValue(kB.y, false, PlaneY(kB.y), 3, true, 0);
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
