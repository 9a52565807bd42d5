// ⑥ "ひろげよう" and ⑦ "問５": the triangle PQR slides over ABC at 2 cm a
// second; the pupil pushes it along and watches the overlap, a right
// isosceles triangle; then its area y = 2x², the graph, and the time when
// the overlap is half of ABC (2√2 seconds).
#include "applications/orvenna.h"

namespace lessons {

void Orvenna::MovingTrianglesScreen() {
  WipeScreen(1760, 1800);
  A1 = 40, B1 = A1 + 40, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(A1, B2, 7, "<図形の移動>");
  TextAt(A1, B2 + 50, 0, "△ABCと△PQRは合同な直角二等辺");
  TextAt(A1, B2 + 50, 0, "三角形で、直線l上に並んでいる。");
  TextAt(A1, B2 + 50, 0, "点Rと点Bが重なったところから、");
  TextAt(A1, B2 + 50, 0, "△PQRが");
  Continue(3, "毎秒2cm");
  Continue(0, "の速さでl上を");
  TextAt(A1, B2 + 50, 0, "右へ動くとき、△ABCと△PQRが");
  TextAt(A1, B2 + 50, 0, "重なってできる部分はどんな形?");
  SetUpTriangleFigure();
  DrawTriangles();

  // PQR where it stands, then moved 2 steps until R meets B.
  for (XI1 = 0; XI1 <= 1; XI1++) {
    GY5(13) = GY5(3) + 2 * NO * XI1;
    PlaceTriangleCopy();
    WaitAnyKey();
    DrawTriangles();
    TrianglePath(11, 12, 13, 3);
    FigureRightAngle(12, 11, 13);
  }

  // One step to the right per key, from R on B to R on C and round again,
  // until the key 1.
  AINP = 5;
  while (AINP != 1) {
    DrawTriangles();
    DrawOverlapRegion();
    KKAI_s = "1で次へ:他のキーで動く";
    ShowPromptWaitKey();
    if (GGY_s == "1") AINP = 1;
    else GY5(13) = GY5(13) + NO;
    if (GY5(13) > GY5(6)) GY5(13) = GY5(5);
  }

  TextAt(B1, B2 + 60, 3, "直角二等辺三角形");
  GY5(13) = GY5(5) + 4 * NO;
  DrawTriangles();
  DrawOverlapRegion();
  WaitAnyKey();
  TextAt(B1, B2 + 80, 7, "問5 をやろう。");
}

void Orvenna::OverlapAreaAnswersScreen() {
  WipeScreen(1760, 1800);
  A1 = 40, B1 = A1 + 40, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(A1, B2, 7, "<問5 解答>");
  TextAt(YI1 + 40, B2, 0, "x秒後に、重なった部分の面積をycm^2 とする。");
  SetUpTriangleFigure();
  DrawTriangles();
  TextAt(A1, B2 + 50, 3, "(1)");
  // The copy 4 steps past B; the area's label 70 below the overlap's top.
  GY5(13) = GY5(5) + 4 * NO;
  DrawTriangles();
  DrawOverlapRegion();
  // The area's label in the overlap: narrowed to three quarters, it stands
  // clear of AB, of the right-angle mark and of the copy's sloping side.
  textSqueeze = 0.75f;
  LabelAt(GY5(14) + 4, PTY(14) + 87, 5, "ycm^2");
  textSqueeze = 1;
  WaitAnyKey();
  // The base, below it; its label clear of B.
  FigureLengthArc(15, 13, 1, 5, "2xcm", 12, 0, false);
  WaitAnyKey();
  // The height, left of it; its label level with the arc's upper half, in
  // the gap between PR and the copy's side PQ (which runs between the arc
  // and PR), its ground clear of both.
  FigureLengthArc(15, 14, -1, 5, "", 0, 0, false);
  YMOTO = 5, DSM1 = GY5(15) - 156, DSM2 = PTY(14) + 26, KKAI_s = "2xcm";
  OnGround([this] { PrintMathText(); });
  WaitAnyKey();
  Continue(0, "重なる三角形の底辺と高さは");
  Continue(3, "2xcm");
  NewLine(0, 60, 0, "だから、");
  WaitAnyKey();
  Continue(3, "y=");
  Continue(0, "ﾀ1/2ﾀ*2x*2x=");
  WaitAnyKey();
  Continue(3, "2x^2");
  WaitAnyKey();
  NewLine(0, 60, 0, "xの変域は、");
  WaitAnyKey();
  Continue(3, "0≦x≦4");
  WaitAnyKey();
  NewLine(0, 50, 5, "答 y=2x^2 (0≦x≦4)");

  WaitAnyKey();
  TextAt(A1, B2 + 50, 3, "(2)");
  EraseTriangleFrame();
  // The plane knows the parabola of the next step over the domain 0 ≦ x ≦ 4.
  const GraphSetup area{.a = 2, .colour = 3, .xFrom = 0, .xTo = 4};
  Plane({.left = 814, .top = 100, .xFrom = -2, .xTo = 5, .yFrom = -4, .yTo = 40, .xStep = 0.5f,
         .yStep = 2, .unit = 20, .numbers = false, .labelEveryX = 2, .labelEveryY = 5,
         .curves = {area}});
  WaitAnyKey();
  Continue(0, "　右図");
  Graph(area);
  // Dots where the parabola goes on outside the domain.
  auto dot = [this](Num x) { Point({.x = x, .y = 2 * x * x, .radius = 3, .colour = 3}); };
  for (XI1 = -8; XI1 <= 0; XI1++) dot(XI1 / 4);
  for (XI1 = 40; XI1 <= 44; XI1++) dot(XI1 / 10);

  WaitAnyKey();
  TextAt(A1, B2 + 70, 3, "(3)");
  Continue(0, "△ABC=ﾀ1/2ﾀ*8*8=32 だから");
  WaitAnyKey();
  NewLine(0, 70, 3, "y=2x^2");
  Continue(0, "に");
  Continue(3, "y=16");
  Continue(0, "を代入して");
  WaitAnyKey();
  NewLine(0, 50, 0, "16=2x^2  ");
  WaitAnyKey();
  Continue(0, "x^2=8  ");
  WaitAnyKey();
  Continue(0, "x=@!8ﾝ");
  WaitAnyKey();
  Continue(3, "=@2!2ﾝ  ");
  WaitAnyKey();
  NewLine(0, 60, 0, "x>0だから　");
  Continue(5, "答 2!2ﾝ秒後");
}

}  // namespace lessons
