// ⑥ "ひろげよう" and ⑦ "問５": the triangle PQR slides over ABC at 2 cm a
// second; the pupil pushes it along and watches the overlap, a right
// isosceles triangle; then its area y = 2x², the graph, and the time when
// the overlap is half of ABC (2√2 seconds).
#include <vector>

#include "applications/orvenna.h"
#include "framework/fill_box.h"

namespace lessons {

namespace {
constexpr Num kBaseArcDepth = 20;
constexpr Num kHeightArcDepth = 60;
}  // namespace

// "2xcm" beside the middle of an arc (its dots) on the side (outX, outY) it
// bulges to, at the place the figure leaves it there, on its ground. The
// label is placed by its ink: the typesetter's cells reach well above the
// letters (room for an exponent), and a ground of them would keep it 30
// units from its arc. The arc is drawn now: the figure marks it so. Its
// ground is answered.
InkBox Orvenna::LengthLabel(const std::vector<ScreenPoint>& dots, int arc, Num outX, Num outY,
                            Num along) {
  for (FigureStroke& s : figure.strokes)
    if (s.part == arc) s.drawn = true;
  const ScreenPoint mid = dots[dots.size() / 2];
  YMOTO = 5, DSM1 = 0, DSM2 = 0, KKAI_s = "2xcm";
  const InkBox ink = InkOf([this] { PrintMathText(); });
  // Across the arc, its ground a unit clear of the dots' ink; along it, its
  // middle `along` past the arc's middle.
  const Num clear = kArcDotReach + kLabelMargin + 1;
  auto at = [&](Num middle, Num out, Num from, Num to) {
    if (out != 0) return out > 0 ? middle + clear - from : middle - clear - to;
    return middle + along - (from + to) / 2;
  };
  DSM1 = at(mid.x, outX, ink.x0, ink.x1);
  DSM2 = at(mid.y, outY, ink.y0, ink.y1);
  const LabelPlace p =
      PlaceLabel(figure, {.kind = LabelKind::kFigure, .cells = Moved(ink, DSM1, DSM2), .own = arc});
  DSM1 += p.offset.x, DSM2 += p.offset.y;
  LabelGround(Moved(ink, DSM1, DSM2));
  PrintMathText();
  return p.ground;
}

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
  // The figure knows the arcs of the next two steps: the overlap's base,
  // below it, and its height, left of it and deep enough to reach past the
  // copy's side PQ (which runs 40 left of the height): its label stands
  // beside it, not beside that side, which is 8 cm.
  const std::vector<ScreenPoint> base = LengthArcDots(15, 13, 1, kBaseArcDepth);
  const std::vector<ScreenPoint> height = LengthArcDots(15, 14, -1, kHeightArcDepth);
  const std::vector<int> arcs = CarryTriangleFigure({base, height});
  // The area's label in the overlap: narrowed to three quarters, it stands
  // clear of AB, of the right-angle mark and of the copy's sloping side.
  textSqueeze = 0.75f;
  LabelAt(GY5(14) + 4, PTY(14) + 87, 5, "ycm^2");
  textSqueeze = 1;
  WaitAnyKey();
  FigureLengthArc(15, 13, 1, 5, "", 0, 0, false, kBaseArcDepth);
  // Its label a little right, clear of B; it reaches below the frame,
  // which (2) wipes with it.
  const InkBox baseLabel = LengthLabel(base, arcs[0], 0, 1, 12);
  WaitAnyKey();
  FigureLengthArc(15, 14, -1, 5, "", 0, 0, false, kHeightArcDepth);
  LengthLabel(height, arcs[1], -1, 0);
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
  WipeExactly(rt, baseLabel.x0, baseLabel.y0, baseLabel.x1, baseLabel.y1);
  // The plane knows the parabola of the next step over the domain 0 ≦ x ≦ 4
  // and the dots where it goes on outside the domain. It reaches half a
  // step past -2 and 5, so that those numbers stand inside it rather than
  // on its edges, and a whole number takes 48 units: the "0" left of the y
  // axis stands a space clear of the -1.
  const GraphSetup area{.a = 2, .colour = 3, .xFrom = 0, .xTo = 4};
  std::vector<PointSetup> beyond;
  auto dot = [&](Num x) { beyond.push_back({.x = x, .y = 2 * x * x, .radius = 3, .colour = 3}); };
  for (int k = -8; k <= 0; ++k) dot(static_cast<Num>(k) / 4);
  for (int k = 40; k <= 44; ++k) dot(static_cast<Num>(k) / 10);
  Plane({.left = 794, .top = 104, .xFrom = -2.5f, .xTo = 5.5f, .yFrom = -4, .yTo = 40,
         .xStep = 0.5f, .yStep = 2, .unit = 24, .numbers = false, .labelEveryX = 2,
         .labelEveryY = 5, .curves = {area}, .points = beyond});
  WaitAnyKey();
  Continue(0, "　右図");
  Graph(area);
  for (const PointSetup& d : beyond) Point(d);

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
