// Figure marks on segments and angles: open arrowheads at a dividing point,
// equal-length ticks near the middle, and concentric arcs or a filled sector
// at a vertex with the angle's label.
#include <cmath>

#include "framework/figure_util.h"
#include "framework/lesson.h"

namespace lessons {

void Lesson::DrawArrowheadMarks() {
  if (XX <= 0 || XX > 6) XX = 1;
  Num ex = YA - TAKASA, ey = CX - BX;
  Num length = std::sqrt(ex * ex + ey * ey);
  Num parts = ENZAN + B;
  if (length == 0 || parts == 0) return;  // no segment or no dividing point
  Num ux = ex / length, uy = ey / length;
  Num nx = -uy, ny = ux;

  Num mx = TAKASA + ex * ENZAN / parts;
  Num my = BX + ey * ENZAN / parts;
  Num e1x = mx - XW * ux + XW / 2 * nx, e1y = my - XW * uy + XW / 2 * ny;
  Num e2x = mx - XW * ux - XW / 2 * nx, e2y = my - XW * uy - XW / 2 * ny;

  int colour = CInt(SIZE);
  CountedLoop(XI0, 1, XX, 1, [&](Num) {
    mx += 16 * ux, my += 16 * uy;
    e1x += 16 * ux, e1y += 16 * uy;
    e2x += 16 * ux, e2y += 16 * uy;
    PlainLine(rt, e1x, e1y, mx, my, colour);
    PlainLine(rt, e2x, e2y, mx, my, colour);
  });
}

void Lesson::DrawEqualTicksSpaced() {
  if (GX1 == 0 || GX1 > 30) GX1 = 8;
  if (XX < 0 || XX > 6) XX = 1;
  Num ex = YA - TAKASA, ey = CX - BX;
  Num length = std::sqrt(ex * ex + ey * ey);
  if (length == 0) return;  // no direction to tick across
  Num ux = ex / length, uy = ey / length;
  Num c0x = (TAKASA + YA) / 2 + BAIY * ux;
  Num c0y = (BX + CX) / 2 + BAIY * uy;

  Num spacing = GX1;
  int colour = CInt(SIZE);
  CountedLoop(XI0, 1, XX, 1, [&](Num) {
    Num cx = c0x + GX1 * ux, cy = c0y + GX1 * uy;
    PlainLine(rt, cx + XW * uy, cy + XW * -ux, cx - XW * uy, cy - XW * -ux, colour);
    GX1 = GX1 + spacing;
  });
}

void Lesson::DrawAngleArcs() {
  ComputeRayAngles();
  if (XX > 6) XX = 1;
  if (XX > 0) {
    Num radius = XW;
    int colour = CInt(TKAI2);
    CountedLoop(XI0, 1, XX, 1, [&](Num) {
      radius = radius - 8;
      if (radius > 0) rt.DrawCircle(0, 0, SO, YOKO, radius, colour, 1.0f, AIDA1, XX1, 0, -1, 0, 0);
    });
  } else if (XW > 0) {
    rt.DrawCircle(0, 0, SO, YOKO, XW, CInt(SIZE), 1.0f, AIDA1, XX1, 1, -1, CInt(TKAI2), 0);
  }
  PlaceAngleLabel();
}

}  // namespace lessons
