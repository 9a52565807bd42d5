// Unit 5, page P118 "学びを身につけよう", answers 7 and 8: a parabola and a
// line on one plane. Answer 7: the points A and B where y = x + 4 meets
// y = ½x², the line AB and, on a second text page beside the same plane, the
// area of triangle OAB. Answer 8: the car's run y = 0.5x² and the line
// y = 15x of the one that overtakes it.
#include <vector>

#include "applications/orvenna.h"

namespace lessons {

void Orvenna::TriangleVertex(const PointSetup& vertex, int index, const std::string& xText) {
  Point(vertex);
  GY5(index) = HOUKOU, PTY(index) = N2;
  FigureLine(HOUKOU, N2, HOUKOU, R, 3);
  // Its x value centred under the foot.
  YMOTO = 3, DSM1 = 0, DSM2 = 0, KKAI_s = xText;
  const InkBox ink = InkOf([this] { PrintMathText(); });
  LabelAt(HOUKOU - (ink.x0 + ink.x1) / 2, R, 3, xText);
}

void Orvenna::TrianglePartOnBaseOC(Num gap, const std::string& name, const std::string& height,
                                   Num footY, int footColour, int foot, int vertex, Num dotStep,
                                   const std::string& area, Num labelDx, Num labelDy) {
  WaitAnyKey();
  NewLine(0, gap, 0, "△O" + name + "Cの底辺をOCとすると、高さは");
  WaitAnyKey();
  Continue(3, " " + height);
  // The foot of the height on the y axis, unlabelled.
  Point({.x = 0, .y = footY, .radius = 1, .colour = footColour, .dx = -30, .dy = -20});
  GY5(foot) = HOUKOU, PTY(foot) = N2;
  // The height as a row of dots from the foot to the vertex, its length in the middle.
  SO = GY5(foot), YOKO = PTY(foot), AAA = GY5(vertex), A21 = PTY(vertex);
  ARCDEPTH = 0, XG = 1, TANI = dotStep, SIZE = 3, YMOTO = 3;
  OKI2 = 0, CCC2 = labelDx, CCC3 = labelDy;
  ZY0_s = height;
  DrawLengthArc();
  CarryLine(GY5(foot), PTY(foot), GY5(vertex), PTY(vertex), 6);
  WaitAnyKey();
  NewLine(0, 70, 3, area);
}

// ⑦ Points 11 A, 12 B, 13 C, 14 O, 15 and 16 the feet of the heights on the
// y axis.
void Orvenna::MasteryTriangleScreen() {
  MasteryFrame("7", 40);
  // The plane knows the parabola, the line AB, the points A, B and C, the
  // drops from A and B to the x axis, the triangle OAB and the line OC of
  // the second page, and its dotted heights from the y axis to A and B.
  const GraphSetup parabola{.a = 0.5f, .label = "y=ﾀ1/2ﾀx^2", .dx = -120, .dy = -60};
  const GraphSetup lineAB{.form = GraphForm::kLine, .a = 1, .b = 4};
  const PointSetup a{.x = -2, .y = 2, .colour = 3, .label = "A", .dy = -20};
  const PointSetup b{.x = 4, .y = 8, .colour = 3, .label = "B", .dy = -20};
  // "C" right of the y axis, above the line.
  const PointSetup c{.x = 0, .y = 4, .colour = 3, .label = "C", .dx = 26, .dy = -48};
  Plane({.left = 814, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -1, .yTo = 10, .unit = 40,
         .grid = false, .curves = {parabola, lineAB},
         .lines = {{-2, 2, -2, 0}, {4, 8, 4, 0}, {0, 0, -2, 2, 8}, {0, 0, 4, 8, 8}, {0, 0, 0, 4},
                   {0, 2, -2, 2, 6}, {0, 8, 4, 8, 6}},
         .points = {a, b, c}});
  Graph(parabola);
  Graph(lineAB);
  TriangleVertex(a, 11, "-2");
  TriangleVertex(b, 12, "4");
  GY5(14) = X8, PTY(14) = R;

  WaitAnyKey();
  TextAt(A1, B2 + 60, 3, "(1)");
  Continue(0, "x=-2 のとき ");
  NewLine(0, 70, 0, "y=ﾀ1/2ﾀ*(-2)^2=ﾀ1/2ﾀ*4=");
  Continue(3, "2");
  NewLine(0, 70, 0, "x=4 のとき ﾀ1/2ﾀ*4^2=ﾀ1/2ﾀ*16=");
  Continue(3, "8");
  NewLine(36, 60, 5, "答　A(-2,2),B(4,8)");
  WaitAnyKey();
  TextAt(A1, B2 + 60, 3, "(2)");
  Continue(0, "求める式を y=ax+b とすると、");
  WaitAnyKey();
  NewLine(0, 70, 3, "a");
  Continue(0, "=ﾀ8-2/4-(-2)ﾀ=ﾀ6/4+2ﾀ=ﾀ6/6ﾀ");
  Continue(3, "=1");
  NewLine(0, 60, 0, "y=x+b ");
  WaitAnyKey();
  Continue(3, "にx=4,y=8 を代入して");
  NewLine(0, 50, 0, "8=4+b");
  NewLine(0, 50, 3, "b");
  Continue(0, "=8-4");
  Continue(3, "=4");
  LabelAt(YI1 + 50, B2, 5, "答　y=x+4");
  WaitAnyKey();
  // C, and its y value "4" left of the axis, clear of the line.
  Point(c);
  GY5(13) = HOUKOU, PTY(13) = N2;
  LabelAt(GY5(13) - 30, PTY(13) - 50, 3, "4");
  WaitAnyKey();

  // The second page: the text column anew, the plane and its figure stay.
  MasteryFrame("7", 40, 792);
  TextAt(A1, B2 + 60, 3, "(3)");
  {
    // OAB, then OC, in a heavier pen.
    ScopedPenWidth heavy(rt, 8);
    rt.DrawPolyline(
        0, {{GY5(11), PTY(11)}, {GY5(12), PTY(12)}, {GY5(14), PTY(14)}, {GY5(11), PTY(11)}}, 9, 0, 0);
    for (int k : {11, 12}) CarryLine(GY5(14), PTY(14), GY5(k), PTY(k), 8);
    WaitAnyKey();
    Continue(0, "△OAB=△OAC+△OBC");
    FigureLine(GY5(14), PTY(14), GY5(13), PTY(13), 5);
  }
  // The label of the height of OAC in the corner between the height, OC and
  // AC, off AC and away from "A".
  TrianglePartOnBaseOC(50, "A", "2", 2, 5, 15, 11, 12, "△OAC=ﾀ1/2ﾀ*4*2=4", 26, -5);
  TrianglePartOnBaseOC(70, "B", "4", 8, 0, 16, 12, 8, "△OBC=ﾀ1/2ﾀ*4*4=8");
  WaitAnyKey();
  NewLine(0, 70, 3, "△OAB=4+8=");
  Continue(5, "12");
  NewLine(0, 80, 5, "答 12");
}

// ⑧ y = 0.5x² through (10, 50), its value at 18, and the line y = 15x of
// the overtaking car.
void Orvenna::MasteryCarScreen() {
  MasteryFrame("8", 40);
  // The plane's bottom edge (at 630) stays clear of the number entry's field,
  // which is wiped from y 640 (less half the pen) after each entry; its two
  // rows below the x axis hold the x numbers, and it reaches to 50, a step
  // past the 40's room; its three columns left of the y axis hold the y
  // numbers.
  // The parabola on 0 ≦ x ≦ 40, the dots where it goes on outside and the
  // overtaking car's line, which the plane knows from the first step.
  const GraphSetup run{.a = 0.5f, .colour = 3, .xFrom = 0, .xTo = 40};
  const GraphSetup overtaking{.form = GraphForm::kLine, .a = 15, .colour = 7, .xFrom = 0, .xTo = 40};
  std::vector<PointSetup> beyond;
  auto dot = [&](Num x) { beyond.push_back({.x = x, .y = 0.5f * x * x, .radius = 3, .colour = 3}); };
  for (int x = -10; x <= 0; x += 2) dot(static_cast<Num>(x));
  for (Num x : {40.5f, 41.0f}) dot(x);
  Plane({.left = 784, .top = 60, .xFrom = -15, .xTo = 50, .yFrom = -100, .yTo = 850, .xStep = 5,
         .yStep = 50, .numbers = false, .labelEveryX = 4, .labelEveryY = 2,
         .curves = {run, overtaking}, .points = beyond});
  TextAt(A1, B2 + 50, 3, "(1)");
  WaitAnyKey();
  Continue(0, "y=ax^2に、x=10,y=50を代入して");
  NewLine(0, 50, 0, "50=a*10^2  100a=50  a=0.5");
  NewLine(0, 50, 3, "y=0.5x^2(0≦x≦40)");
  WaitAnyKey();
  // The parabola, and the dots where it goes on outside.
  Graph(run);
  for (const PointSetup& d : beyond) Point(d);
  TextAt(A1, B2 + 60, 3, "(2)");
  WaitAnyKey();
  Continue(0, "y=0.5x^2に、x=18を代入して");
  NewLine(0, 50, 3, "y=");
  Continue(0, "0.5*18^2=9*18=");
  Continue(3, "162(m)");
  TextAt(A1, B2 + 60, 3, "(3)");
  WaitAnyKey();
  Continue(0, "自動車の進むグラフをかくと");
  WaitAnyKey();
  Graph(overtaking);
  WaitAnyKey();
  NewLine(0, 60, 0, "グラフから");
  Continue(3, "追いぬくことができる。");
}

}  // namespace lessons
