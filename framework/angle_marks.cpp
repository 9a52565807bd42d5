// Angle marks and length arcs: ray directions and their bisector, the
// right-angle mark, labels on a bisector, the size of an angle as text, and
// the dotted arc that bridges two points with its label.
#include <cmath>
#include <utility>

#include "framework/figure_util.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
constexpr Num kPi = 3.14159f;  // the value of pi the figures use

Num Distance(Num x1, Num y1, Num x2, Num y2) {
  return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}
}  // namespace

Num Lesson::VectorDirection(Num dx, Num dy) const {
  if (dy > 0) return 3 * AX / 2 + std::atan(dx / dy);
  if (dy < 0) return AX / 2 + std::atan(dx / dy);
  if (dx > 0) return 0;
  return AX;  // to the left, and the zero vector
}

void Lesson::ComputeRayAngles() {
  AX = kPi;
  Num first = VectorDirection(AAA - SO, A21 - YOKO);
  XX1 = 1 - first / (2 * AX);
  YY1 = first;
  Num second = VectorDirection(ZY1 - SO, BAIX - YOKO);
  AIDA1 = 1 - second / (2 * AX);
  ZX2 = second;
  NAGASA1 = second;
  if (BAIY == -1) {
    std::swap(XX1, AIDA1);
    std::swap(YY1, ZX2);
  }
  // The bisector of the anticlockwise sweep from ray 1 to ray 2.
  KAKKO1 = (YY1 + ZX2) / 2;
  if (YY1 > ZX2) KAKKO1 = KAKKO1 + AX;
}

void Lesson::LineAngle() {
  AX = kPi;
  NAGASA1 = VectorDirection(AAA - SO, A21 - YOKO);
}

void Lesson::AngleInDegreesText() {
  ComputeRayAngles();
  if (YY1 > ZX2) ZX2 = ZX2 + 2 * AX;
  KAKKO1 = ZX2 - YY1;
  Num degrees = KAKKO1 * 180 / AX;
  Num tenths = static_cast<Num>(CInt(degrees * 10)) / 10;
  HH2_s = StrippedNumberText(tenths);
}

void Lesson::DrawRightAngleMark() {
  ComputeRayAngles();
  Num ax = SO + XW * std::cos(YY1), ay = YOKO - XW * std::sin(YY1);
  Num cx = SO + XW * std::cos(ZX2), cy = YOKO - XW * std::sin(ZX2);
  Num bx = ax + XW * std::cos(ZX2), by = ay - XW * std::sin(ZX2);
  rt.DrawPolyline(0, {{ax, ay}, {bx, by}, {cx, cy}}, CInt(SIZE), 0, 0);
}

void Lesson::PlaceAngleLabel() {
  A_s = ZY0_s;
  MeasureMathText();
  ComputeRayAngles();
  Num k = KAKKO1;
  Num h = InStr(ZY0_s, "ﾀ") != 0 ? 40 : 22;  // a stacked fraction stands taller

  // The label box (NASI wide, 2h high) sits on the side of the anchor that
  // the bisector points to.
  Num ax = SO + XW * std::cos(k);
  Num ay = YOKO - XW * std::sin(k);
  DSM1 = ax + NASI * (std::cos(k) - 1) / 2 + CCC2;
  DSM2 = ay - h * (std::sin(k) + 1) + CCC3;
  KKAI_s = ZY0_s;
  if (OKI2 == 1) DrawCellText();
  else PrintMathText();

  BAIY = 0;
  ZY0_s.clear();
  CCC2 = 0;
  CCC3 = 0;
  XW = 0;
  OKI2 = 0;
}

void Lesson::LengthArcPoint(Num degrees, Num chordAngle, Num depth, Num half) {
  // The point of the half-ellipse over the chord laid from (SO, YOKO) to the
  // right, centre (ZY1, BAIX); coincident ends give the first point itself.
  Num t = degrees * AX / 180;
  Num across = half == 0 ? 0 : depth / half * half * std::sin(t);
  AAA = ZY1 + half * std::cos(t);
  A21 = BAIX - across;
  Num r = Distance(SO, YOKO, AAA, A21);
  DOTRADIUS = r;
  LineAngle();
  // Turned about the first point by the chord's direction.
  Num turned = chordAngle + NAGASA1;
  II = SO + r * std::cos(turned);
  IJ = YOKO - r * std::sin(turned);
}

void Lesson::DrawLengthArc() {
  if (ARCDEPTH > 0 && ARCDEPTH < 16) ARCDEPTH = ARCDEPTH * 16;
  else if (ARCDEPTH < 0) ARCDEPTH = std::fabs(ARCDEPTH);
  Num depth = ARCDEPTH;

  Num x1 = SO, y1 = YOKO, x2 = AAA, y2 = A21;
  Num half = Distance(x1, y1, x2, y2) / 2;
  ZY1 = SO + half;
  BAIX = YOKO;
  LineAngle();
  Num chord = NAGASA1;

  // 180 lies on the first point, 0 and 360 on the second.
  Num start = XG > 0 ? 180 : 0;
  Num end = XG > 0 ? 360 : 180;
  int colour = CInt(SIZE);
  CountedLoop(XI0, start, end, TANI, [&](Num degrees) {
    LengthArcPoint(degrees, chord, depth, half);
    FilledDot(rt, II, IJ, 0.5f, colour);
  });

  // The label beyond (or, for XG = 0, inside) the middle of the arc.
  LengthArcPoint((start + end) / 2, chord, depth, half);
  ZY1 = x2;
  BAIX = y2;
  AAA = x1;
  A21 = y1;
  SO = II;
  YOKO = IJ;
  XW = 0;
  BAIY = XG;
  PlaceAngleLabel();
  ZY0_s.clear();
}

}  // namespace lessons
