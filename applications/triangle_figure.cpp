// The figure of the moving triangles: the right isosceles triangles PQR and
// ABC (legs 8 cm, 5 grid steps of 40) on the line l, a copy of PQR that
// slides to the right, and the part where the copy overlaps ABC, filled.
//
// Point table (GY5, PTY): 1 P, 2 Q, 3 R, 4 A, 5 B, 6 C, 7 and 8 the ends of
// l; 11, 12, 13 P, Q, R of the copy; 14 where the copy's side PR crosses AB,
// 15 the overlap's right-angle corner (B). The screens move the copy by
// GY5(13) alone; the rest of 11 to 15 follows from it.
#include <cmath>
#include <utility>
#include <vector>

#include "applications/orvenna.h"

#include "framework/figure_util.h"
#include "framework/fill_box.h"

namespace lessons {

namespace {
// A length arc's dots stand every 5 degrees.
constexpr Num kArcStep = 5;
}  // namespace

void Orvenna::SetUpTriangleFigure() {
  A41 = 680, I = 80, IB8 = 15, GX0 = 8, NO = 40, SIZE = 15;
  DrawSquareGrid();  // draws nothing at SIZE 15; the frame (680, 80)-(1280, 400), origin (680, 400)
  // PQR in grid units, ABC 7 steps to its right, l one step beyond both.
  GY5(1) = 2;
  GY5(2) = GY5(1);
  GY5(3) = GY5(2) + 5;
  PTY(1) = 6.5f;
  PTY(2) = PTY(1) - 5;
  PTY(3) = PTY(2);
  for (int k = 1; k <= 3; ++k) {
    GY5(k + 3) = GY5(k) + 7;
    PTY(k + 3) = PTY(k);
  }
  GY5(7) = 1;
  GY5(8) = GY5(6) + 1;
  PTY(7) = PTY(2);
  PTY(8) = PTY(2);
  for (int k = 1; k <= 8; ++k) {
    GY5(k) = X8 + NO * GY5(k);
    PTY(k) = R - NO * PTY(k);
  }
  for (int k = 1; k <= 3; ++k) PTY(k + 10) = PTY(k);
}

void Orvenna::TrianglePath(int a, int b, int c, int colour, bool filled, int fillColour) {
  rt.DrawPolyline(0, {{GY5(a), PTY(a)}, {GY5(b), PTY(b)}, {GY5(c), PTY(c)}, {GY5(a), PTY(a)}},
                  colour, filled ? 1 : 0, fillColour);
}

void Orvenna::FigureRightAngle(int corner, int ray1, int ray2) {
  SO = GY5(corner), YOKO = PTY(corner);
  AAA = GY5(ray1), A21 = PTY(ray1);
  ZY1 = GY5(ray2), BAIX = PTY(ray2);
  SIZE = 5, XW = 20, BAIY = -1;
  DrawRightAngleMark();
}

void Orvenna::FigureLengthArc(int from, int to, Num side, int colour, const std::string& label,
                              Num labelDx, Num labelDy, bool cellText, Num depth) {
  SO = GY5(from), YOKO = PTY(from);
  AAA = GY5(to), A21 = PTY(to);
  YMOTO = static_cast<Num>(colour), SIZE = static_cast<Num>(colour);
  XG = side, TANI = kArcStep, ARCDEPTH = depth, OKI2 = cellText ? 1 : 0;
  CCC2 = labelDx, CCC3 = labelDy;
  ZY0_s = label;
  DrawLengthArc();
}

std::vector<ScreenPoint> Orvenna::LengthArcDots(int from, int to, Num side, Num depth) {
  // As DrawLengthArc: the half-ellipse over the chord, 180 degrees on the
  // first point and 0 or 360 on the second.
  SO = GY5(from), YOKO = PTY(from), AAA = GY5(to), A21 = PTY(to);
  const Num half = std::hypot(AAA - SO, A21 - YOKO) / 2;
  ZY1 = SO + half, BAIX = YOKO;
  LineAngle();
  const Num chord = NAGASA1;
  std::vector<ScreenPoint> dots;
  for (Num degrees = side > 0 ? 180 : 0, end = degrees + 180; degrees <= end; degrees += kArcStep) {
    LengthArcPoint(degrees, chord, depth, half);
    dots.push_back({II, IJ});
  }
  return dots;
}

std::vector<int> Orvenna::CarryTriangleFigure(const std::vector<std::vector<ScreenPoint>>& arcs) {
  auto side = [this](int a, int b, Num half) {
    figure.Carry({{GY5(a), PTY(a)}, {GY5(b), PTY(b)}}, half, kLoosePart, true);
  };
  side(7, 8, 1.5f);  // l, at pen 3; the rest at pen 5
  for (int top : {1, 4, 11})
    for (int k = 0; k < 3; ++k) side(top + k, top + (k + 1) % 3, 2.5f);
  for (auto [a, b] : {std::pair{13, 14}, std::pair{14, 15}}) side(a, b, 2.5f);
  std::vector<int> parts;
  for (const std::vector<ScreenPoint>& dots : arcs) {
    parts.push_back(figure.NewPart(PartKind::kCurve));
    figure.Carry(dots, kArcDotReach, parts.back(), false);
  }
  return parts;
}

void Orvenna::EraseTriangleFrame() {
  FillBox(rt, GY0, ZX, GY1, ZY, 15, 15);
  figure.Wiped({GY0, ZX, GY1, ZY});
}

void Orvenna::DrawTriangles() {
  EraseTriangleFrame();
  rt.SetDrawWidth(0, 3);
  PlainLine(rt, GY5(7), PTY(7), GY5(8), PTY(8), 0);
  rt.SetDrawWidth(0, 5);
  LabelAt(GY5(7) - 14, PTY(7) - 50, 0, "l");
  // Each triangle with its vertex letters: the top one above, the two on l
  // below it.
  auto triangle = [this](int top, const std::string& names) {
    TrianglePath(top, top + 1, top + 2, 0);
    LabelAt(GY5(top) - 14, PTY(top) - 40, 0, names.substr(0, 1));
    LabelAt(GY5(top + 1) - 14, PTY(top + 1) + 4, 0, names.substr(1, 1));
    LabelAt(GY5(top + 2) - 14, PTY(top + 2) + 4, 0, names.substr(2, 1));
    FigureRightAngle(top + 1, top, top + 2);
  };
  triangle(1, "PQR");
  triangle(4, "ABC");
  // The legs of PQR, labelled by DrawCellText; the label of PQ moved right
  // to stand inside the frame, its arc less deep to leave it a gap.
  FigureLengthArc(1, 2, 1, 0, "8cm", 14, 0, true, 16);
  FigureLengthArc(2, 3, 1, 0, "8cm", 0, 0, true);
}

void Orvenna::PlaceTriangleCopy() {
  GY5(11) = GY5(13) - 5 * NO;
  GY5(12) = GY5(11);
}

void Orvenna::DrawOverlapRegion() {
  PlaceTriangleCopy();
  GY5(14) = GY5(5);
  GY5(15) = GY5(5);
  PTY(14) = PTY(5) - (GY5(13) - GY5(4));
  PTY(15) = PTY(5);
  TrianglePath(11, 12, 13, 3);
  TrianglePath(13, 14, 15, 3, true, 13);
  // With R of the copy on B the overlap is the point B alone: no mark.
  if (GY5(13) != GY5(5)) FigureRightAngle(15, 14, 13);
}

}  // namespace lessons
